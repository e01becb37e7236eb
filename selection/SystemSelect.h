// The System Select window (window 3): the sixteen systems as pictures in
// two tabs of eight, "High Pass System" and "Band Pass System", picked with
// the mouse or the keyboard.
//
// The eight positions of the tab shown are one painted chooser on the
// window's own drawing surface: a frame picture (selected or not) with the
// system's picture in front of it, hit-tested against one rectangle per
// position. A pick repaints the chooser; no control is added, so the window
// keeps the same controls however often the user picks.
#pragma once

#include <cstdint>

namespace quendal {

// Routines of the window.
int32_t OpenSystemSelectWnd();  // a new design: flags, driver, initial values, menus, then the window
int32_t SystemSelectWnd();      // builds and shows window 3
void SystemSelectDriverChanged();  // a driver arrived while window 3 is open: its model name line again
int32_t BoxSelDispInit();       // window 3 in front; paints the tab shown and makes its labels
int32_t SysSelBottan();         // paints the eight frames, the one at SysSelBtnNum selected
int32_t GetPictSysSel();        // paints the eight pictures of the tab shown
int32_t BoxSelDispAfter();      // repaints the chooser after a pick
int32_t DoEventSystemSelect();  // hit test of (mouseH, mouseV); a hit picks its position
int32_t SystemSelectDoEvent();  // a pick: repaint, or start the design on a double click

// What the shell's rows of window 3 call.
// Left, right, up or down arrow (character 28-31): moves the selection
// (left and right through all eight with wrap-around, up and down between
// the rows in the same column) and repaints; never starts the design.
int32_t systemSelectArrowKey(uint8_t character);
int32_t systemSelectToggleTab();   // Space or Tab: the other tab, same position
int32_t systemSelectTabChanged();  // the tab control was clicked: the tab it shows
int32_t systemSelectConfirm();     // Select, Return or Enter: start the design
int32_t systemSelectCancel();      // Cancel, the close box or Escape: leave the window
int32_t systemSelectDragged();     // the window was moved: remember where
// A mouse-down at content pixel (x, y) with its click count: records the
// position and, inside the chooser's band (45 < y < 400), hit-tests it as a
// single or double click. True when the event is consumed (a double click).
bool systemSelectMouseDown(int32_t x, int32_t y, int32_t clickCount);

}  // namespace quendal
