// The menu bar and its situations.
//
// The bar is rebuilt from scratch for each situation of the program: the
// start and System Select state (InitMenu11), the state without a design
// (InitMenu14) and the design of a chosen system (InitMenu16), whose
// alignment and vent menus are the system's own. While a sheet or dialog is
// up, InitMenu13 dims the bar without rebuilding it. The program's own menu
// "Quendal" (About, Check for Updates..., Preferences..., Quit) stands first
// and survives the rebuilds.
#pragma once

#include <cstdint>

#include "view/ViewMenu.h"

namespace quendal {

// Builds the program's own menu and puts it first in the bar.
int32_t BuildApplicationMenu();

// Takes every menu but the program's own off the bar.
int32_t DelMenu();
int32_t BuildMenu30();

int32_t InitMenu11();
int32_t InitMenu13();
int32_t InitMenu14();
int32_t InitMenu16();
// The design's Vent menu with the items InitMenu16 gives it (a Triple
// Vented design lists vents 1 and 2 as one while its chambers 1 and 2 are
// alike), the other menus left as they stand; the whole bar is rebuilt when
// the Vent menu is not in it.
int32_t RebuildVentMenu();

// View items 11 and 12, "Hide ..." or "Show ..." as CtmPaletFlag and
// SysInfoFlag say the palettes are shown or not.
int32_t SetPaletteItemsOnViewMenu();

// Routes the commands of the menu to MenuEventHandler.
int32_t InstallSpecificMenuEventHandler(int32_t menu);
// The design-state menus after a sheet or dialog over the design ends; while
// the design waits behind System Select or Speaker Select, that window's.
int32_t NavUserActionCancelMenu();

// Checks the item and unchecks every other item of the menu without a submenu.
int32_t CheckOneItem(int32_t menu, int32_t item);

}  // namespace quendal
