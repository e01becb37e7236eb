// The custom palette (window 9): the floating window beside the response
// window in which the user reads the driver's Fs, Vas and Qts, reads or
// enters the box and passive-radiator values of the current system, picks
// the alignment, the loss factors and the number of passive radiators, and
// recalculates with "Calc.".
//
// This room builds the window with the labels, units, separators, popups
// and buttons of the current system; the numbers are put in by
// CustomPaletDisp (CustomPaletteDisplay.h), the controls dimmed and enabled
// by CustomPaletteEnable.h, and Calc. and the popups act in
// CustomPaletteCalc.h.
#pragma once

#include "model/WindowNumbers.h"

#include <cstdint>
#include <span>
#include <string_view>

#include "dialogs/PalettePlace.h"
#include "model/SharedTypes.h"

namespace quendal {

// Control numbers of window 9.
inline constexpr int32_t kPaletteCalcButton = 10;
inline constexpr int32_t kPaletteSnapButton = 11;
inline constexpr int32_t kPaletteSystemSelectArrow = 12;
inline constexpr int32_t kPaletteSpeakerSelectArrow = 13;
inline constexpr int32_t kPaletteFirstField = 31;  // entry fields 31-36, numbered from the top down
inline constexpr int32_t kPaletteLastField = 36;
inline constexpr int32_t kPaletteQaPopup1 = 41;    // Qa of a closed chamber: PopupItem1
inline constexpr int32_t kPaletteQaPopup2 = 42;    // PopupItem2
inline constexpr int32_t kPaletteQbPopup1 = 43;    // Qb of a vented chamber: PopupItem3
inline constexpr int32_t kPaletteQbPopup2 = 44;    // PopupItem4
inline constexpr int32_t kPaletteQbPopup3 = 45;    // PopupItem5
inline constexpr int32_t kPaletteRadiatorCountPopup = 47;  // PopupPRNum
inline constexpr int32_t kPaletteTopSeparator = 51;
inline constexpr int32_t kPaletteBottomSeparator = 52;
inline constexpr int32_t kPaletteDriverHeading = 101;      // 101-106: the driver section's texts
inline constexpr int32_t kPaletteLastDriverText = 106;
inline constexpr int32_t kPaletteBoxHeading = 107;         // 107-123: the system's texts
inline constexpr int32_t kPaletteAlignmentButton = 201;

// The popup menus the palette's popups show (built once at launch) are
// numbered in model/WindowNumbers.h.

// Content size (px): 205 wide, 390 high, 25 more for the Passive Raveza,
// whose bottom button row and separator move down by as much.
inline constexpr int16_t kPaletteHeight = 390;
inline constexpr int16_t kPassiveRavezaExtraHeight = 25;

// The text sizes (px) of the palette: its static texts, and the small
// font of its buttons and popups.
inline constexpr double kPaletteTextSize = 12.0;
inline constexpr double kPaletteSmallTextSize = 11.0;

// One static text of a system's section: a row label or a section heading.
struct PaletteLabel {
    int32_t id;
    std::string_view text;
    int16_t top;
    int16_t left;   // 15, or 16 for most frequency rows
    bool heading;   // a heading spans to the window's right edge
};

struct PaletteUnit {
    int32_t id;
    std::string_view text;
    int16_t top;
};

struct PaletteSeparator {
    int32_t id;
    int16_t top;
};

struct PalettePopup {
    int32_t id;     // 41-45 or 47
    int32_t menu;   // 200, 210 or 230
    int16_t top;
};

// The controls of one system's section, in the order they are created.
struct PaletteLayout {
    std::span<const PaletteLabel> labels;        // top down, after heading 107
    std::span<const PaletteUnit> units;          // top down
    std::span<const PaletteSeparator> separators;
    std::span<const PalettePopup> popups;
    int32_t alignmentMenu;                       // the menu of the Alignment button
    std::string_view alignmentHelp;
};

// The section of the current system; nullptr for the Infinite Baffle and a
// selection outside the sixteen systems, which have only the driver
// section.
const PaletteLayout* currentPaletteLayout();
const PaletteLayout* paletteLayout(int32_t systemNumber);

// The help text of a row label or heading (the same text has the same
// help); "" for a text that has none.
std::string_view paletteLabelHelp(std::string_view labelText);

// The extra height of the current system's palette: 25 for the Passive
// Raveza, else 0.
int16_t paletteExtraHeight();

// Where window 9 opens (screen pixels, content): beside the response
// window, or at the saved top-left corner when the preferences keep window
// places; moved onto a screen. A saved corner of (0, 0), never saved,
// leaves the place to the windowing layer (centred on the main screen).
Rect16 customPalettePlace();

// Builds window 9 for the current system and shows it: the common
// controls, the Alignment button, the system's section. Leaves the palette
// the front window and CtmPaletFlag 0. The numbers follow with
// CustomPaletDisp.
int32_t CustomFloatPalet();

// Puts the Alignment button (201) on window 9 for every system but the
// Infinite Baffle: a bevel button popping down the system's alignment menu,
// with its help tag. A button that already shows the system's menu is kept
// as it is (a press on the palette does not re-create it under the
// pointer); one of another system is replaced; the Infinite Baffle's
// palette loses it.
int32_t DrawBevelBtnMenu();

// While the palette is shown: makes it the current and the front window
// and puts its Alignment button up to date.
int32_t FocusCustomPalet();

}  // namespace quendal
