// The menus built once at launch: the custom palette's popups and the
// alignment menus, which the palette's alignment button pops down and the
// design-state menu bar shows for the current system.
#pragma once

#include <cstdint>

namespace quendal {

// The popups, the alignment menus and the title of the second manual.
int32_t BuildPopupMenu();

int32_t BuildQaPopupMenu();         // 200: Qa 5 .. 20
int32_t BuildQbPopupMenu();         // 210: Qb 3 .. 20
int32_t BuildVentNumPopupMenu();    // 220: 1 .. 10 vents
int32_t BuildVentNumPopupMenuPV();  // 240: 2, 4, 6 or 8 vents; the item number is the count
int32_t BuildPrNumPopupMenu();      // 230: 1 .. 4 passive radiators

// Each builds (or rebuilds, clearing it) its alignment menu, enabled and
// off the menu bar.
int32_t BuildMenu13BevelMenu();
int32_t BuildMenu14BevelMenu();
int32_t BuildMenu15BevelMenu();
int32_t BuildMenu16BevelMenu();
int32_t BuildMenu17BevelMenu();
int32_t BuildMenu18BevelMenu();
int32_t BuildMenu19BevelMenu();
int32_t BuildMenu20BevelMenu();
int32_t BuildMenu21BevelMenu();
int32_t BuildMenu22BevelMenu();
int32_t BuildMenu24BevelMenu();
int32_t BuildMenu25BevelMenu();
// The builder of alignment menu `menu`; nothing for a number that is none.
int32_t BuildAlignmentMenu(int32_t menu);

}  // namespace quendal
