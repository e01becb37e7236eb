#include "app/MenuBar.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

#include "app/CloseWindows.h"
#include "app/CommandDispatch.h"
#include "app/DesignFlow.h"
#include "app/DesignQueries.h"
#include "app/PopupMenus.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"
#include "view/ResponseRedraw.h"

namespace quendal {

namespace {

using platform::kOptionKey;
using platform::kShiftKey;

// The situations a rebuild serves.
enum class Situation { Start, NoDesign, Design };

void newMenu(int32_t menu, const char* title) {
    platform::createMenu(menu, title);
    platform::setMenuItemEnabled(menu, 0, true);
}

void enableItems(int32_t menu, std::initializer_list<int32_t> items, bool enabled) {
    for (int32_t item : items) platform::setMenuItemEnabled(menu, item, enabled);
}

void enableItems(int32_t menu, const std::vector<int32_t>& items, bool enabled) {
    for (int32_t item : items) platform::setMenuItemEnabled(menu, item, enabled);
}

void enableItemRange(int32_t menu, int32_t first, int32_t last, bool enabled) {
    for (int32_t item = first; item <= last; ++item) platform::setMenuItemEnabled(menu, item, enabled);
}

void buildFileMenu(Situation situation) {
    newMenu(kFileMenu, "File");
    platform::appendMenuItem(kFileMenu, "New Box Design.../N");
    platform::appendMenuItem(kFileMenu, "Open.../O");
    platform::appendMenuItem(kFileMenu, "Close/W");
    platform::appendMenuItem(kFileMenu, "-");
    platform::appendMenuItem(kFileMenu, "Save/S");
    platform::appendMenuItem(kFileMenu, "Save As.../S", kShiftKey);
    platform::appendMenuItem(kFileMenu, "Save As Stationery...");
    platform::appendMenuItem(kFileMenu, "-");
    platform::appendMenuItem(kFileMenu, "Page Setup.../P", kShiftKey);
    platform::appendMenuItem(kFileMenu, "Print.../P");
    switch (situation) {
        case Situation::Start:
            enableItems(kFileMenu, {1, 2}, false);
            enableItemRange(kFileMenu, 5, 10, false);
            break;
        case Situation::NoDesign:
            platform::setMenuItemEnabled(kFileMenu, 3, false);
            enableItemRange(kFileMenu, 5, 10, false);
            break;
        case Situation::Design: platform::setMenuItemEnabled(kFileMenu, 2, false); break;
    }
    platform::insertMenu(kFileMenu);
}

// The Edit items are created disabled; the layer enables them while an edit
// field can take their command.
void buildEditMenu(Situation situation) {
    using platform::EditCommand;
    newMenu(kEditMenu, "Edit");
    const struct {
        const char* text;
        uint32_t modifiers;
        int32_t command;
    } items[] = {
        {"Undo/Z", 0, int32_t(EditCommand::Undo)},   {"Redo/Z", kShiftKey, int32_t(EditCommand::Redo)},
        {"-", 0, -1},                                {"Cut/X", 0, int32_t(EditCommand::Cut)},
        {"Copy/C", 0, int32_t(EditCommand::Copy)},   {"Paste/V", 0, int32_t(EditCommand::Paste)},
        {"Delete", 0, int32_t(EditCommand::Clear)},  {"Select All/A", 0, int32_t(EditCommand::SelectAll)},
    };
    for (const auto& entry : items) {
        const int32_t item = platform::appendMenuItem(kEditMenu, entry.text, entry.modifiers);
        if (entry.command < 0) continue;
        platform::setMenuItemEnabled(kEditMenu, item, false);
        platform::setMenuItemEditCommand(kEditMenu, item, static_cast<EditCommand>(entry.command));
    }
    // In the start state it serves the palette that takes input and the
    // fields of the Default Parameters window.
    const bool enabled = situation != Situation::Start || state.shell.EditMenuFlag == 1 ||
                         platform::windowExists(kDefaultParametersWindow);
    platform::setMenuItemEnabled(kEditMenu, 0, enabled);
    platform::insertMenu(kEditMenu);
}

void buildResponseMenu(Situation situation) {
    newMenu(kResponseMenu, "Response");
    platform::appendMenuItem(kResponseMenu, "Amplitude/A", kOptionKey);
    for (const char* text : {"Power Rating", "Impedance", "Displacement", "Phase", "Group Delay", "Nyquist Diagram"})
        platform::appendMenuItem(kResponseMenu, text);
    platform::appendMenuItem(kResponseMenu, "Air Vibration in Vent/R", kOptionKey);
    platform::appendMenuItem(kResponseMenu, "Step Response");
    platform::appendMenuItem(kResponseMenu, "-");
    platform::appendMenuItem(kResponseMenu, "System Profile/P", kOptionKey);
    platform::appendMenuItem(kResponseMenu, "Vent Information/V", kOptionKey);
    platform::appendMenuItem(kResponseMenu, "-");
    platform::appendMenuItem(kResponseMenu, "Snapshot Response.../S", kOptionKey);
    if (situation != Situation::Design) platform::setMenuItemEnabled(kResponseMenu, 0, false);
    platform::insertMenu(kResponseMenu);
}

// View items 11 and 12 say what choosing them does: hide a palette that is
// shown, show one that is not.
const char* customPaletteItemText() {
    return state.shell.CtmPaletFlag == 0 ? "Hide Custom Palette" : "Show Custom Palette";
}
const char* systemInfoPaletteItemText() {
    return state.shell.SysInfoFlag == 0 ? "Hide System Info Palette" : "Show System Info Palette";
}

void buildViewMenu(Situation situation) {
    newMenu(kViewMenu, "View");
    platform::appendMenuItem(kViewMenu, "Relative/J");
    platform::appendMenuItem(kViewMenu, "Absolute/K");
    platform::appendMenuItem(kViewMenu, "-");
    platform::appendMenuItem(kViewMenu, "5dB per div/5", kShiftKey);
    platform::appendMenuItem(kViewMenu, "10dB per div/1", kShiftKey);
    platform::appendMenuItem(kViewMenu, "-");
    platform::appendMenuItem(kViewMenu, "Total Only/F");
    platform::appendMenuItem(kViewMenu, "All Characters/G");
    platform::appendMenuItem(kViewMenu, "Comparison IB/I");
    platform::appendMenuItem(kViewMenu, "-");
    platform::appendMenuItem(kViewMenu, customPaletteItemText());
    platform::appendMenuItem(kViewMenu, systemInfoPaletteItemText());
    platform::appendMenuItem(kViewMenu, "-");
    if (situation == Situation::Start)
        platform::appendMenuItem(kViewMenu, "Gather Windows");
    else
        platform::appendMenuItem(kViewMenu, "Gather Windows/W", kShiftKey);
    if (situation != Situation::Design) enableItemRange(kViewMenu, 1, 14, false);
    platform::insertMenu(kViewMenu);
}

void buildVentMenu(int32_t menu) {
    newMenu(menu, "Vent");
    switch (menu) {
        case kOneVentMenu:
            // The Complex Closed system names it without the dots.
            platform::appendMenuItem(menu, currentSystemNumber() == 7 ? "Vent Design/1" : "Vent Design.../1", kOptionKey);
            break;
        case kTwoVentMenu:
            platform::appendMenuItem(menu, "Vent1 Design.../1", kOptionKey);
            platform::appendMenuItem(menu, "Vent2 Design.../2", kOptionKey);
            break;
        default:
            if (currentSystemNumber() == 16 && firstTwoChambersAlike()) {
                platform::appendMenuItem(menu, "Vent1 & 2 Design.../1", kOptionKey);
                platform::appendMenuItem(menu, "Vent3 Design.../3", kOptionKey);
            } else {
                platform::appendMenuItem(menu, "Vent1 Design.../1", kOptionKey);
                platform::appendMenuItem(menu, "Vent2 Design.../2", kOptionKey);
                platform::appendMenuItem(menu, "Vent3 Design.../3", kOptionKey);
            }
            break;
    }
    platform::insertMenu(menu);
}

void buildHelpMenu() {
    newMenu(kHelpMenu, "Help");
    platform::appendMenuItem(kHelpMenu, "Quendal's Manual//");
    // Without a second manual its item stays as a separator, keeping the numbers.
    platform::appendMenuItem(kHelpMenu, state.shell.JPManualName.empty() ? "-" : state.shell.JPManualName.view());
    platform::appendMenuItem(kHelpMenu, "Thiele Small Parameters Description");
    platform::appendMenuItem(kHelpMenu, "Release Notes");
    platform::appendMenuItem(kHelpMenu, "-");
    platform::appendMenuItem(kHelpMenu, "Keldrith Web Site");
    platform::appendMenuItem(kHelpMenu, "Mail to Keldrith");
    platform::insertMenu(kHelpMenu);
}

void buildImpedanceConnectionMenu() {
    newMenu(kImpedanceConnectionMenu, "");
    platform::appendMenuItem(kImpedanceConnectionMenu, "Parallel");
    platform::appendMenuItem(kImpedanceConnectionMenu, "Serial");
    platform::setMenuItemSubmenu(kMiscMenu, 7, kImpedanceConnectionMenu);
    InstallSpecificMenuEventHandler(kImpedanceConnectionMenu);
    CheckOneItem(kImpedanceConnectionMenu, state.view.ImpID);
}

// What a design of each system disables and which menus it uses.
struct SystemMenus {
    std::vector<int32_t> responseDisabled;
    std::vector<int32_t> viewDisabled;
    bool alignmentEnabled;
    bool ventEnabled;
    bool impedanceConnection;  // Misc. item 7
};

SystemMenus systemMenus(int32_t system) {
    switch (system) {
        case 1: return {{8, 12}, {7, 8, 9}, false, false, false};  // Infinite Baffle
        case 2: return {{8, 12}, {8}, true, false, false};         // Closed Box
        case 3: return {{}, {}, true, true, false};                // Vented Box
        case 4: return {{8, 12}, {}, true, false, false};          // Passive Radiator
        case 5: return {{}, {}, true, true, false};                // Serial Vented
        case 6: return {{}, {8}, true, true, false};               // Twin Serial Vented
        case 7: return {{8, 12}, {8}, true, false, true};          // Complex Closed
        case 8: return {{}, {}, true, true, true};                 // Complex Vented
        case 9: return {{}, {8}, true, true, false};               // Raveza Box
        case 10: return {{8, 12}, {7, 8}, true, false, false};     // Passive Raveza
        case 16: return {{}, {}, true, true, true};                // Triple Vented
        default: return {{}, {}, true, true, false};               // the other band-pass systems
    }
}

int32_t rebuild(Situation situation) {
    // The bars show the new menus together, once they are all built.
    const platform::MenuBarBatch batch;
    DelMenu();
    BuildApplicationMenu();
    buildFileMenu(situation);
    buildEditMenu(situation);
    buildResponseMenu(situation);
    buildViewMenu(situation);

    const int32_t tab = state.selection.SysSelTabNum;
    const int32_t button = state.selection.SysSelBtnNum;
    const bool design = situation == Situation::Design;
    const int32_t alignmentMenu = design ? alignmentMenuFor(tab, button) : 13;
    const int32_t ventMenu = design ? ventMenuFor(tab, button) : kOneVentMenu;
    if (alignmentMenu != 0) {
        BuildAlignmentMenu(alignmentMenu);
        platform::insertMenu(alignmentMenu);
    }
    if (ventMenu != 0) buildVentMenu(ventMenu);
    BuildMenu30();

    newMenu(kWindowMenu, "Window");
    platform::setWindowMenu(kWindowMenu);
    platform::insertMenu(kWindowMenu);
    buildHelpMenu();

    switch (situation) {
        case Situation::Start:
            enableItems(kMiscMenu, {1, 5, 6, 7, 9}, false);
            platform::setMenuItemEnabled(13, 0, false);
            platform::setMenuItemEnabled(kOneVentMenu, 0, false);
            break;
        case Situation::NoDesign:
            enableItems(kMiscMenu, {5, 6, 7, 9}, false);
            platform::setMenuItemEnabled(13, 0, false);
            platform::setMenuItemEnabled(kOneVentMenu, 0, false);
            break;
        case Situation::Design: {
            const SpeakerParameters& driver = state.speaker;
            if (driver.VD <= 0.0) platform::setMenuItemEnabled(kResponseMenu, 2, false);
            if (driver.QMS <= 0.0 || driver.RE <= 0.0) platform::setMenuItemEnabled(kResponseMenu, 3, false);
            platform::setMenuItemChecked(kResponseMenu, state.view.RespID, true);

            const SystemMenus menus = systemMenus(currentSystemNumber());
            enableItems(kResponseMenu, menus.responseDisabled, false);
            enableItems(kViewMenu, menus.viewDisabled, false);
            if (alignmentMenu != 0) {
                CheckOneItem(alignmentMenu, state.selection.Alin);
                if (!menus.alignmentEnabled) platform::setMenuItemEnabled(alignmentMenu, 0, false);
            }
            if (ventMenu != 0 && !menus.ventEnabled) platform::setMenuItemEnabled(ventMenu, 0, false);
            platform::setMenuItemEnabled(kMiscMenu, 7, menus.impedanceConnection);

            if (alignmentMenu == 16) {
                platform::setMenuItemEnabled(16, 2, state.speaker.QTS <= 0.8);
                platform::setMenuItemEnabled(16, 3, state.radiator.PRDataInFlag == 1);
            }
            if (alignmentMenu == 24) platform::setMenuItemEnabled(24, 4, state.radiator.PRDataInFlag == 1);
            buildImpedanceConnectionMenu();
            break;
        }
    }
    return 0;
}

}  // namespace

int32_t BuildApplicationMenu() {
    if (!platform::menuExists(kApplicationMenu)) {
        platform::createMenu(kApplicationMenu, "Quendal");
        platform::appendMenuItem(kApplicationMenu, "About Quendal");
        platform::appendMenuItem(kApplicationMenu, "Check for Updates...");
        platform::appendMenuItem(kApplicationMenu, "-");
        platform::appendMenuItem(kApplicationMenu, "Preferences.../,");
        platform::appendMenuItem(kApplicationMenu, "-");
        platform::appendMenuItem(kApplicationMenu, "Quit Quendal/Q");
        platform::setQuitCommand(kApplicationMenu, kQuitItem);
    }
    // First in the bar: it goes in while the bar is empty, and no rebuild takes it off.
    platform::insertMenu(kApplicationMenu);
    platform::setMenuItemEnabled(kApplicationMenu, 0, true);
    enableItems(kApplicationMenu, {kAboutItem, kCheckForUpdatesItem, kPreferencesItem, kQuitItem}, true);
    return 0;
}

int32_t DelMenu() {
    for (int32_t menu : {1, 2, 7, 9, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 24, 25, 26, 27, 28, 30, 100, 50})
        platform::removeMenu(menu);
    return 0;
}

int32_t BuildMenu30() {
    newMenu(kMiscMenu, "Misc.");
    platform::appendMenuItem(kMiscMenu, "System Select/E");
    platform::appendMenuItem(kMiscMenu, "-");
    platform::appendMenuItem(kMiscMenu, "Speaker Select/R");
    platform::appendMenuItem(kMiscMenu, "-");
    platform::appendMenuItem(kMiscMenu, "Initial Setup.../T");
    platform::appendMenuItem(kMiscMenu, "Speaker Connect.../Y");
    platform::appendMenuItem(kMiscMenu, "Complex Speaker Connect");
    platform::appendMenuItem(kMiscMenu, "-");
    platform::appendMenuItem(kMiscMenu, "Passive Radiator Data Enter.../U");
    // Speaker selection hands over to the driver database while it answers,
    // and otherwise opens the Default Parameters window: always offered.
    platform::insertMenu(kMiscMenu);
    return 0;
}

int32_t InitMenu11() { return rebuild(Situation::Start); }
int32_t InitMenu14() { return rebuild(Situation::NoDesign); }
int32_t InitMenu16() { return rebuild(Situation::Design); }

int32_t RebuildVentMenu() {
    const int32_t ventMenu = ventMenuFor(state.selection.SysSelTabNum, state.selection.SysSelBtnNum);
    const std::vector<int32_t> bar = platform::menuBar();
    if (ventMenu == 0 || std::find(bar.begin(), bar.end(), ventMenu) == bar.end()) return InitMenu16();
    const platform::MenuBarBatch batch;  // the items that stay are taken again
    buildVentMenu(ventMenu);
    if (!systemMenus(currentSystemNumber()).ventEnabled) platform::setMenuItemEnabled(ventMenu, 0, false);
    return 0;
}

int32_t InitMenu13() {
    enableItems(kApplicationMenu, {kAboutItem, kCheckForUpdatesItem, kPreferencesItem, kQuitItem}, false);
    for (int32_t menu : {1, 7, 9, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 24, 25, 26, 27, 28, 30, 40, 50})
        platform::setMenuItemEnabled(menu, 0, false);
    platform::setMenuItemEnabled(kEditMenu, 0, true);
    return 0;
}

int32_t SetPaletteItemsOnViewMenu() {
    if (!platform::menuExists(kViewMenu)) return 0;
    platform::setMenuItemText(kViewMenu, 11, customPaletteItemText());
    platform::setMenuItemText(kViewMenu, 12, systemInfoPaletteItemText());
    return 0;
}

int32_t InstallSpecificMenuEventHandler(int32_t menu) {
    platform::setMenuCommandHandler(menu, MenuEventHandler);
    return 0;
}

int32_t NavUserActionCancelMenu() {
    ShellFlags& sh = state.shell;
    sh.InterceptEvHnd = 0;
    // A design that waits behind System Select or Speaker Select is not the
    // window the user works in: the menus are that window's, so that no
    // command reaches the waiting design.
    if (designKept() && (sh.curentWndID == kSystemSelectWindow || sh.curentWndID == kDefaultParametersWindow)) {
        restoreMenusByCurrentWindow();
        return 0;
    }
    InitMenu16();
    platform::setMenuItemChecked(kResponseMenu, state.view.RespID, true);
    MenuPlotForResponse();
    return 0;
}

int32_t CheckOneItem(int32_t menu, int32_t item) {
    platform::checkOneMenuItem(menu, item);
    return 0;
}

}  // namespace quendal
