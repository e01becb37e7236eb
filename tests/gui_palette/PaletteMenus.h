// The menus the custom palette shows, with their items as the shell builds
// them: the alignment menus of the systems and the popup menus of the loss
// factors and of the number of passive radiators.
#pragma once

#include <initializer_list>
#include <string_view>

#include "platform/Platform.h"

namespace quendal::test {

inline void buildMenu(platform::MenuNumber menu, std::initializer_list<std::string_view> items) {
    platform::createMenu(menu, menu < 200 ? "Alignment" : "");
    for (std::string_view item : items) platform::appendMenuItem(menu, item);
}

inline void buildPaletteMenus() {
    buildMenu(13, {"Optimum/1", "Custom/5"});
    buildMenu(14, {"Optimum/1", "Box Volume/2", "Qtc/3"});
    buildMenu(15, {"Optimum/1", "Extend/2", "Box Volume/3", "Custom/5"});
    buildMenu(16, {"Type1/1", "Type2/2", "Apply Entered P.R. Unit/3", "Custom/5"});
    platform::setMenuItemEnabled(16, 3, false);
    buildMenu(17, {"Type1/1", "Type2/2", "Type3/3", "Type4/4", "Custom/5"});
    buildMenu(18, {"Type1/1", "Type2/2", "Type3/3", "Type4/4", "Custom/5"});
    buildMenu(19, {"Type1/1", "Type2/2", "Custom/5"});
    buildMenu(20, {"Optimum/1", "Dipped/2", "Custom/5"});
    buildMenu(21, {"Optimum/1", "High Shift/2", "Low Shift/3", "Custom/5"});
    buildMenu(22, {"Type1/1", "Type2/2", "Custom/5"});
    buildMenu(24, {"Type1/1", "Type2/2", "Closed Volume/3", "Apply Entered P.R. Unit/4", "Custom/5"});
    platform::setMenuItemEnabled(24, 4, false);
    buildMenu(25, {"Type1/1", "Type2/2", "Closed Volume/3", "Custom/5"});
    buildMenu(200, {"    5", "    7", "  10", "  15", "  20"});
    buildMenu(210, {"    3", "    5", "    7", "  10", "  15", "  20"});
    buildMenu(230, {"    1", "    2", "    3", "    4"});
}

}  // namespace quendal::test
