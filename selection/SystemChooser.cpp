#include "selection/SystemChooser.h"

#include "model/State.h"
#include "platform/Platform.h"

namespace quendal {

namespace {

constexpr int32_t kTabLeft = 20, kTabTop = 10;  // the tab control's origin in the window

// The positions, two rows of four. Frames in the tab's coordinates (x, y,
// width, height); hit rectangles in the window's.
struct Position {
    int32_t frameX, frameY;
    ChooserHitRect hit;
};
constexpr int32_t kFrameWidth = 113, kFrameHeight = 147;
constexpr Position kPositions[8] = {
    {19, 42, {35, 155, 48, 202}},   {154, 42, {170, 290, 48, 202}},   {289, 42, {305, 425, 48, 202}},
    {424, 42, {440, 560, 48, 202}}, {19, 222, {35, 155, 228, 382}},   {154, 222, {170, 290, 228, 382}},
    {289, 222, {305, 425, 228, 382}}, {424, 222, {440, 560, 228, 382}},
};

// The systems of each tab: picture, its rectangle in the tab's
// coordinates (x, y, width, height), and the label under it.
struct SystemCell {
    std::string_view picture;
    int32_t x, y, w, h;
    std::string_view label;
};
constexpr SystemCell kCells[2][8] = {
    {
        {"InfiniteImage.png", 58, 49, 33, 132, "Infinite Baffle"},
        {"ClosedImage.png", 172, 49, 80, 132, "Closed Box"},
        {"VentedImage.png", 307, 49, 80, 132, "Vented Box"},
        {"PassiveRadiatorImage.png", 443, 49, 75, 132, "Passive Radiator"},
        {"SerialVentedImage.png", 37, 229, 77, 132, "Serial Vented"},
        {"ParallelVentedImage.png", 172, 228, 79, 134, "Twin Serial Vented"},
        {"ComplexClosedImage.png", 307, 229, 79, 132, "Complex Closed"},
        {"ComplexVentedImage.png", 441, 229, 80, 132, "Complex Vented"},
    },
    {
        {"RavezaBoxImage.png", 37, 48, 77, 134, "Raveza"},
        {"PassiveRavezaImage.png", 173, 49, 78, 132, "Passive Raveza"},
        {"SerialRavezaType1Image.png", 313, 49, 65, 132, "Serial Raveza Type1"},
        {"SerialRavezaType2Image.png", 432, 49, 96, 132, "Serial Raveza Type2"},
        {"TwinVentedImage.png", 44, 229, 62, 132, "Twin Vented"},
        {"TwinSerialImage.png", 176, 229, 68, 132, "Twin Serial"},
        {"DeltaVentedImage.png", 297, 229, 96, 132, "Delta Vented"},
        {"TripleVentedImage.png", 447, 229, 67, 132, "Triple Vented"},
    },
};

// Labels stand centred under their frame across the whole cell, so that
// the longest ("Serial Raveza Type1") fits with room beside its neighbour.
constexpr int32_t kLabelHalfWidth = 67;
constexpr int16_t kLabelTop[2] = {205, 386}, kLabelBottom[2] = {221, 402};

ChooserPicture framePicture(int32_t position, bool selected) {
    const Position& p = kPositions[position - 1];
    const double left = kTabLeft + p.frameX, top = kTabTop + p.frameY;
    return {selected ? kSelectedFrame : kUnselectedFrame, left, top, left + kFrameWidth, top + kFrameHeight};
}

ChooserPicture systemPicture(int32_t tab, int32_t position) {
    const SystemCell& c = kCells[tab - 1][position - 1];
    const double left = kTabLeft + c.x, top = kTabTop + c.y;
    return {c.picture, left, top, left + c.w, top + c.h};
}

}  // namespace

bool validSystemTab(int32_t tab) { return tab == 1 || tab == 2; }
bool validSystemPosition(int32_t position) { return position >= 1 && position <= 8; }

std::string_view systemSelectLabel(int32_t tab, int32_t position) {
    if (!validSystemTab(tab) || !validSystemPosition(position)) return {};
    return kCells[tab - 1][position - 1].label;
}

int32_t systemSelectPositionAt(int32_t x, int32_t y) {
    for (int32_t position = 1; position <= 8; ++position)
        if (kPositions[position - 1].hit.holds(x, y)) return position;
    return 0;
}

std::vector<ChooserPicture> systemSelectPictures() {
    const SystemSelection& s = state.selection;
    std::vector<ChooserPicture> pictures;
    for (int32_t position = 1; position <= 8; ++position) pictures.push_back(framePicture(position, position == s.SysSelBtnNum));
    if (validSystemTab(s.SysSelTabNum))
        for (int32_t position = 1; position <= 8; ++position) pictures.push_back(systemPicture(s.SysSelTabNum, position));
    return pictures;
}

int32_t systemSelectMove(int32_t position, uint8_t character) {
    if (!validSystemPosition(position)) position = 1;
    switch (character) {
        case platform::kLeftArrowChar: return position == 1 ? 8 : position - 1;
        case platform::kRightArrowChar: return position == 8 ? 1 : position + 1;
        case platform::kUpArrowChar: return position > 4 ? position - 4 : position;  // lower row to upper row
        case platform::kDownArrowChar: return position < 5 ? position + 4 : position;
        default: return position;
    }
}

Rect16 systemSelectLabelRect(int32_t position) {
    if (!validSystemPosition(position)) return {};
    const int row = (position - 1) / 4;
    const int32_t centre = kTabLeft + kPositions[position - 1].frameX + kFrameWidth / 2;
    return {kLabelTop[row], int16_t(centre - kLabelHalfWidth), kLabelBottom[row], int16_t(centre + kLabelHalfWidth)};
}

}  // namespace quendal
