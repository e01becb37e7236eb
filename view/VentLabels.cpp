#include "view/VentLabels.h"

#include <array>

#include "model/State.h"

namespace quendal {

namespace {

// Columns: text, x, y on the page (pt); palette bounds; size (pt); font row
// (1 "Lucida Grande", 2 "Monaco").
constexpr FigureLabel kVentVentedBox[] = {  // 1/3
    {"Vent", 117, 239, ltrb(117, 257, 147, 270), 12, 1},
};
constexpr FigureLabel kVentSerialVented[] = {  // 1/5
    {"Vent2", 114, 230, ltrb(114, 248, 154, 261), 12, 1},
    {"V", 77, 164, ltrb(77, 183, 88, 194), 10, 2},
    {"t", 77, 173, ltrb(77, 193, 88, 204), 10, 2},
    {"1", 77, 183, ltrb(77, 203, 88, 214), 10, 2},
};
constexpr FigureLabel kVentTwinSerialVented[] = {  // 1/6
    {"Vnt1", 72, 153, ltrb(72, 170, 102, 183), 11, 1},
    {"Vnt1", 72, 218, ltrb(72, 235, 102, 248), 11, 1},
    {"Vent2", 124, 121, ltrb(124, 139, 164, 152), 11, 1},
    {"Vent3", 124, 248, ltrb(124, 266, 164, 279), 11, 1},
};
constexpr FigureLabel kVentComplexClosed[] = {  // 1/7
    {"SP1", 64, 122, ltrb(64, 140, 94, 153), 12, 1},
    {"SP2", 118, 122, ltrb(118, 140, 148, 153), 12, 1},
};
constexpr FigureLabel kVentComplexVented[] = {  // 1/8
    {"SP1", 65, 122, ltrb(64, 140, 94, 153), 12, 1},
    {"SP2", 119, 122, ltrb(118, 140, 148, 153), 12, 1},
    {"Vent", 106, 244, ltrb(106, 262, 146, 275), 12, 1},
};
constexpr FigureLabel kVentRavezaBox[] = {  // 2/1
    {"Vent", 117, 232, ltrb(117, 250, 157, 263), 12, 1},
};
constexpr FigureLabel kVentSerialRavezaType1[] = {  // 2/3
    {"Vent2", 114, 250, ltrb(114, 270, 154, 283), 10, 1},
    {"V", 80, 183, ltrb(80, 202, 91, 213), 10, 2},
    {"n", 80, 192, ltrb(80, 211, 91, 222), 10, 2},
    {"t", 80, 202, ltrb(80, 221, 91, 232), 10, 2},
    {"1", 80, 212, ltrb(80, 231, 91, 242), 10, 2},
};
constexpr FigureLabel kVentSerialRavezaType2[] = {  // 2/4
    {"Vent2", 128, 234, ltrb(128, 252, 168, 265), 12, 1},
    {"V", 58, 155, ltrb(58, 175, 69, 186), 10, 2},
    {"n", 58, 165, ltrb(58, 185, 69, 196), 10, 2},
    {"t", 58, 175, ltrb(58, 195, 69, 206), 10, 2},
    {"1", 58, 185, ltrb(58, 205, 69, 216), 10, 2},
};
constexpr FigureLabel kVentTwinVented[] = {  // 2/5
    {"Vent1", 110, 123, ltrb(110, 141, 150, 154), 12, 1},
    {"Vent2", 110, 234, ltrb(110, 252, 150, 265), 12, 1},
};
constexpr FigureLabel kVentTwinSerial[] = {  // 2/6
    {"Vent2", 117, 243, ltrb(117, 263, 157, 276), 10, 1},
    {"Vent3", 117, 111, ltrb(117, 131, 157, 144), 10, 1},
    {"V", 79, 189, ltrb(79, 209, 90, 220), 10, 2},
    {"t", 79, 198, ltrb(79, 218, 90, 229), 10, 2},
    {"1", 79, 208, ltrb(79, 228, 90, 239), 10, 2},
};
constexpr FigureLabel kVentDeltaVented[] = {  // 2/7
    {"Vent1", 89, 116, ltrb(89, 136, 129, 149), 10, 1},
    {"Vent2", 89, 254, ltrb(89, 274, 129, 287), 10, 1},
    {"Vent3", 143, 185, ltrb(143, 205, 183, 218), 10, 1},
};
constexpr FigureLabel kVentTripleVented[] = {  // 2/8
    {"Vent1", 117, 113, ltrb(117, 133, 157, 144), 10, 1},
    {"Vent2", 117, 257, ltrb(117, 277, 157, 288), 10, 1},
    {"Vent3", 117, 185, ltrb(117, 205, 157, 216), 10, 1},
    {"SP1", 117, 132, ltrb(117, 152, 157, 163), 10, 1},
    {"SP2", 117, 237, ltrb(117, 257, 157, 268), 10, 1},
};

using Labels = std::span<const FigureLabel>;

// By tab (high pass, band pass) and button; an empty span for a system
// without vent or driver labels.
constexpr FigureLabelTable kLabels{{
    {Labels(), Labels(), Labels(kVentVentedBox), Labels(), Labels(kVentSerialVented),
     Labels(kVentTwinSerialVented), Labels(kVentComplexClosed), Labels(kVentComplexVented)},
    {Labels(kVentRavezaBox), Labels(), Labels(kVentSerialRavezaType1), Labels(kVentSerialRavezaType2),
     Labels(kVentTwinVented), Labels(kVentTwinSerial), Labels(kVentDeltaVented), Labels(kVentTripleVented)},
}};

}  // namespace

std::span<const FigureLabel> ventLabels(int32_t tab, int32_t button) { return labelsOfSystem(kLabels, tab, button); }

int32_t DrawVentFontForSystemProfile(int16_t offset) {
    drawFigureLabels(ventLabels(state.selection.SysSelTabNum, state.selection.SysSelBtnNum), offset, 12.0, 1);
    return 0;
}

}  // namespace quendal
