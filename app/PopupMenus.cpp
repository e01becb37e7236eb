#include "app/PopupMenus.h"

#include <initializer_list>

#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"
#include "app/UrlLoading.h"

namespace quendal {

namespace {

// A menu made anew (an existing one is cleared), enabled, with its items.
void buildMenu(int32_t menu, const char* title, std::initializer_list<const char*> items) {
    platform::createMenu(menu, title);
    platform::setMenuItemEnabled(menu, 0, true);
    for (const char* item : items) platform::appendMenuItem(menu, item);
}

}  // namespace

// Number texts carry leading blanks: four before one digit, two before two.
int32_t BuildQaPopupMenu() {
    buildMenu(kQaPopupMenu, "", {"    5", "    7", "  10", "  15", "  20"});
    return 0;
}

int32_t BuildQbPopupMenu() {
    buildMenu(kQbPopupMenu, "", {"    3", "    5", "    7", "  10", "  15", "  20"});
    return 0;
}

int32_t BuildVentNumPopupMenu() {
    buildMenu(kVentNumPopupMenu, "",
              {"    1", "    2", "    3", "    4", "    5", "    6", "    7", "    8", "    9", "  10"});
    return 0;
}

int32_t BuildVentNumPopupMenuPV() {
    buildMenu(kVentNumPopupMenuPV, "", {"-", "    2", "-", "    4", "-", "    6", "-", "    8"});
    return 0;
}

int32_t BuildPrNumPopupMenu() {
    buildMenu(kPrNumPopupMenu, "", {"    1", "    2", "    3", "    4"});
    return 0;
}

int32_t BuildMenu13BevelMenu() {  // Infinite Baffle, Complex Closed, Complex Vented
    buildMenu(13, "Alignment", {"Optimum/1", "Custom/5"});
    return 0;
}

int32_t BuildMenu14BevelMenu() {  // Closed Box
    buildMenu(14, "Alignment", {"Optimum/1", "Box Volume/2", "Qtc/3"});
    return 0;
}

int32_t BuildMenu15BevelMenu() {  // Vented Box
    buildMenu(15, "Alignment", {"Optimum/1", "Extend/2", "Box Volume/3", "Custom/5"});
    return 0;
}

int32_t BuildMenu16BevelMenu() {  // Passive Radiator
    buildMenu(16, "Alignment", {"Type1/1", "Type2/2", "Apply Entered P.R. Unit/3", "Custom/5"});
    platform::setMenuItemEnabled(16, 3, false);
    return 0;
}

int32_t BuildMenu17BevelMenu() {  // Serial Vented
    buildMenu(17, "Alignment", {"Type1/1", "Type2/2", "Type3/3", "Type4/4", "Custom/5"});
    return 0;
}

int32_t BuildMenu18BevelMenu() {  // Triple Vented
    buildMenu(18, "Alignment", {"Type1/1", "Type2/2", "Type3/3", "Type4/4", "Custom/5"});
    return 0;
}

int32_t BuildMenu19BevelMenu() {  // Serial Raveza Type1
    buildMenu(19, "Alignment", {"Type1/1", "Type2/2", "Custom/5"});
    return 0;
}

int32_t BuildMenu20BevelMenu() {  // Twin Serial
    buildMenu(20, "Alignment", {"Optimum/1", "Dipped/2", "Custom/5"});
    return 0;
}

int32_t BuildMenu21BevelMenu() {  // Twin Vented, Delta Vented
    buildMenu(21, "Alignment", {"Optimum/1", "High Shift/2", "Low Shift/3", "Custom/5"});
    return 0;
}

int32_t BuildMenu22BevelMenu() {  // Twin Serial Vented, Serial Raveza Type2
    buildMenu(22, "Alignment", {"Type1/1", "Type2/2", "Custom/5"});
    return 0;
}

int32_t BuildMenu24BevelMenu() {  // Passive Raveza
    buildMenu(24, "Alignment", {"Type1/1", "Type2/2", "Closed Volume/3", "Apply Entered P.R. Unit/4", "Custom/5"});
    platform::setMenuItemEnabled(24, 4, false);
    return 0;
}

int32_t BuildMenu25BevelMenu() {  // Raveza Box
    buildMenu(25, "Alignment", {"Type1/1", "Type2/2", "Closed Volume/3", "Custom/5"});
    return 0;
}

int32_t BuildAlignmentMenu(int32_t menu) {
    switch (menu) {
        case 13: return BuildMenu13BevelMenu();
        case 14: return BuildMenu14BevelMenu();
        case 15: return BuildMenu15BevelMenu();
        case 16: return BuildMenu16BevelMenu();
        case 17: return BuildMenu17BevelMenu();
        case 18: return BuildMenu18BevelMenu();
        case 19: return BuildMenu19BevelMenu();
        case 20: return BuildMenu20BevelMenu();
        case 21: return BuildMenu21BevelMenu();
        case 22: return BuildMenu22BevelMenu();
        case 24: return BuildMenu24BevelMenu();
        case 25: return BuildMenu25BevelMenu();
        default: return 0;
    }
}

int32_t BuildPopupMenu() {
    // The title of the second manual, when the program carries one.
    state.shell.JPManualName = Str255(CFStringDeleteExtension(GetCFBundleVersion("JapaneseString-1")));
    BuildQaPopupMenu();
    BuildQbPopupMenu();
    BuildVentNumPopupMenu();
    BuildVentNumPopupMenuPV();
    BuildPrNumPopupMenu();
    for (int32_t menu : {13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 24, 25}) BuildAlignmentMenu(menu);
    return 0;
}

}  // namespace quendal
