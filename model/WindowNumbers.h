// The numbers by which the program creates, finds and closes its windows,
// and the numbers of its menus. One place, so that every room means the
// same window by the same number.
#pragma once

#include <cstdint>

namespace quendal {

// Windows
inline constexpr int32_t kAboutWindow = 2;
inline constexpr int32_t kSystemSelectWindow = 3;
inline constexpr int32_t kSpeakerConnectionSheet = 4;
inline constexpr int32_t kInitialSetupSheet = 5;
inline constexpr int32_t kVentInitialSetupSheet = 6;
inline constexpr int32_t kResponseWindow = 7;
inline constexpr int32_t kSystemInfoPalette = 8;
inline constexpr int32_t kCustomPalette = 9;
inline constexpr int32_t kVentDesignSheet = 10;
inline constexpr int32_t kDefaultParametersWindow = 11;
inline constexpr int32_t kPassiveRadiatorSheet = 12;
inline constexpr int32_t kAlertSheet = 13;
inline constexpr int32_t kSaveChangesSheet = 14;
inline constexpr int32_t kPreferencesWindow = 15;
inline constexpr int32_t kUpdateWindow = 18;
inline constexpr int32_t kPageSetupSheet = 19;

// Menus of the menu bar, in the order they stand there: the program's own
// menu first, then by number, the Window menu and Help last.
inline constexpr int32_t kApplicationMenu = 128;  // "Quendal": About, updates, preferences, Quit
inline constexpr int32_t kFileMenu = 1;
inline constexpr int32_t kEditMenu = 2;
inline constexpr int32_t kResponseMenu = 7;
inline constexpr int32_t kViewMenu = 9;
inline constexpr int32_t kMiscMenu = 30;
inline constexpr int32_t kHelpMenu = 50;
inline constexpr int32_t kWindowMenu = 100;

// Items of the program's own menu.
inline constexpr int32_t kAboutItem = 1;
inline constexpr int32_t kCheckForUpdatesItem = 2;
inline constexpr int32_t kPreferencesItem = 4;
inline constexpr int32_t kQuitItem = 6;

// The alignment menus, all titled "Alignment", one per group of systems; the
// same menu pops down from the custom palette's alignment button. 23 is not
// used.
inline constexpr int32_t kFirstAlignmentMenu = 13;
inline constexpr int32_t kLastAlignmentMenu = 25;
inline constexpr int32_t kUnusedAlignmentMenu = 23;

// The vent menus, titled "Vent": one, two or three vents.
inline constexpr int32_t kOneVentMenu = 26;
inline constexpr int32_t kTwoVentMenu = 27;
inline constexpr int32_t kThreeVentMenu = 28;

// The speakers' impedance connection ("Parallel", "Serial") under Misc. item 7.
inline constexpr int32_t kImpedanceConnectionMenu = 40;

// Popup menus of the custom palette; never in the menu bar.
inline constexpr int32_t kQaPopupMenu = 200;         // Qa of sealed chambers
inline constexpr int32_t kQbPopupMenu = 210;         // Qb of vented chambers
inline constexpr int32_t kVentNumPopupMenu = 220;    // number of vents, 1-10
inline constexpr int32_t kPrNumPopupMenu = 230;      // number of passive radiators, 1-4
inline constexpr int32_t kVentNumPopupMenuPV = 240;  // Twin Serial Vented: 2, 4, 6 or 8 vents

// The alignment menu of a system (tab 1 high-pass, 2 band-pass; button 1-8);
// 0 for a selection that names no system.
constexpr int32_t alignmentMenuFor(int32_t tab, int32_t button) {
    constexpr int32_t menus[2][8] = {{13, 14, 15, 16, 17, 22, 13, 13}, {25, 24, 19, 22, 21, 20, 21, 18}};
    if (tab < 1 || tab > 2 || button < 1 || button > 8) return 0;
    return menus[tab - 1][button - 1];
}

// The vent menu of a system; 0 for a selection that names no system.
constexpr int32_t ventMenuFor(int32_t tab, int32_t button) {
    constexpr int32_t menus[2][8] = {{26, 26, 26, 26, 27, 28, 26, 26}, {26, 26, 27, 27, 27, 28, 28, 28}};
    if (tab < 1 || tab > 2 || button < 1 || button > 8) return 0;
    return menus[tab - 1][button - 1];
}

}  // namespace quendal
