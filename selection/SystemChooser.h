// A painted chooser: pictures in frames on a window's own drawing surface,
// one frame selected, a click hit-tested against one rectangle per choice;
// the System Select window and the speaker-connection sheet are both such
// choosers (selection/PaintedChooser paints one). This room holds what a
// chooser is made of, and the System Select window's: where the eight
// positions of a tab stand, what is painted there, which position a click
// hits and where an arrow key moves the selection. Qt-free and
// window-free; selection/SystemSelect paints it and dispatches to it.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "model/SharedTypes.h"

namespace quendal {

inline constexpr std::string_view kUnselectedFrame = "SysBtnUnSelect.png";
inline constexpr std::string_view kSelectedFrame = "SysBtnSelect.png";

// One picture a chooser paints, in window-content pixels.
struct ChooserPicture {
    std::string_view file;
    double left = 0.0, top = 0.0, right = 0.0, bottom = 0.0;
};

// Where a click picks a choice, in window-content pixels, bounds inclusive.
struct ChooserHitRect {
    int32_t left = 0, right = 0, top = 0, bottom = 0;
    bool holds(int32_t x, int32_t y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

// What the chooser shows for (SysSelTabNum, SysSelBtnNum), in painting
// order: the eight frames (the one at SysSelBtnNum selected), then the
// eight systems' pictures of the tab (none for a tab outside 1-2).
std::vector<ChooserPicture> systemSelectPictures();

// The position (1-8) whose hit rectangle holds window pixel (x, y), both
// bounds inclusive; 0 for none.
int32_t systemSelectPositionAt(int32_t x, int32_t y);

// The position an arrow key (character 28-31) moves `position` to: left
// and right run through all eight with wrap-around, up and down change the
// row in the same column and stay at the edge. Any other key, or a
// position outside 1-8 (taken as 1), keeps the position.
int32_t systemSelectMove(int32_t position, uint8_t character);

// The label of a position of a tab and its rectangle (centred under the
// frame across the whole cell); an empty text outside 1-2 and 1-8.
std::string_view systemSelectLabel(int32_t tab, int32_t position);
Rect16 systemSelectLabelRect(int32_t position);

bool validSystemTab(int32_t tab);
bool validSystemPosition(int32_t position);

}  // namespace quendal
