#include "app/ShellHooks.h"

#include <cstdio>
#include <cstdlib>

#include "app/CloseWindows.h"
#include "app/DesignFlow.h"
#include "app/MenuBar.h"
#include "app/UnsavedChanges.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "dialogs/Alerts.h"
#include "palette/CustomPalette.h"
#include "palette/CustomPaletteCalc.h"
#include "palette/CustomPaletteDisplay.h"
#include "palette/CustomPaletteEnable.h"
#include "platform/Platform.h"
#include "selection/SystemInfoPalette.h"
#include "view/ShellHooks.h"
#include "windows/InitialSetup.h"
#include "windows/ResponseWindow.h"

namespace quendal {

namespace {

int32_t menus(MenuSituation situation) {
    switch (situation) {
        case MenuSituation::Start: return InitMenu11();
        case MenuSituation::SheetUp: return InitMenu13();
        case MenuSituation::NoDesign: return InitMenu14();
        case MenuSituation::Design: return InitMenu16();
        case MenuSituation::VentItems: return RebuildVentMenu();
        case MenuSituation::SheetEnded: return NavUserActionCancelMenu();
        case MenuSituation::PaletteItems: return SetPaletteItemsOnViewMenu();
        case MenuSituation::WindowInFront: restoreMenusByCurrentWindow(); return 0;
    }
    return 0;
}

int32_t windows(WindowRefresh what) {
    switch (what) {
        case WindowRefresh::Palettes:
            if (state.shell.SysInfoFlag == 0) {
                platform::setCurrentWindow(kSystemInfoPalette);
                DispSPLPIN();
            }
            if (state.shell.CtmPaletFlag == 0) {
                platform::setCurrentWindow(kCustomPalette);
                CustomPaletDisp();
            }
            return 0;
        case WindowRefresh::SystemInfoValues: return DispSPLPIN();
        case WindowRefresh::CustomPaletteValues: return CustomPaletDisp();
        case WindowRefresh::CustomPaletteDimmed: return DisableCustomPalet();
        case WindowRefresh::CustomPaletteEnabled: return EnableCustomPalet();
        case WindowRefresh::CustomPaletteAlignmentMenu: return DrawBevelBtnMenu();
        case WindowRefresh::ResponseWindowSize: return FitResponseWndToPage();
        case WindowRefresh::DetailsTriangle: return DispShowDetailTriBtn();
    }
    return 0;
}

int32_t comparison(DesignComparison what) {
    switch (what) {
        case DesignComparison::MarkChanged: return DirtyFlagAndProxyIconSetDirty();
        case DesignComparison::Box: return DirtyCheckSpParamCheck();
        case DesignComparison::Vents: return DirtyCheckVentParamCheck();
        case DesignComparison::AfterDrawing: return DirtyCheckAfterDrawing();
    }
    return 0;
}

// The window that chooses the next design while the design on the screen
// waits behind it: Speaker Select, else System Select.
platform::WindowNumber choosingWindow() {
    if (!designKept()) return 0;
    for (const int32_t window : {kDefaultParametersWindow, kSystemSelectWindow})
        if (platform::windowExists(window)) return window;
    return 0;
}

}  // namespace

int32_t installShellHooks() {
    ShellHooks& hooks = shellHooks();
    hooks.menusFor = menus;
    hooks.refreshWindows = windows;
    hooks.compareDesign = comparison;
    // The closed-box alert's OK builds the nearest box from the palette.
    setAlertSheetOk(SheetAlertWndOKReturn);
    // The keyboard stays with the choosing window, not the design waiting behind it.
    platform::setChoosingWindowRule(choosingWindow);
    return 0;
}

std::vector<std::string_view> unfilledShellHooks() {
    const ShellHooks& hooks = shellHooks();
    std::vector<std::string_view> empty;
    if (hooks.menusFor == nullptr) empty.push_back("menusFor");
    if (hooks.refreshWindows == nullptr) empty.push_back("refreshWindows");
    if (hooks.compareDesign == nullptr) empty.push_back("compareDesign");
    if (!alertSheetOkFilled()) empty.push_back("setAlertSheetOk");
    if (!keptDesignEndingFilled()) empty.push_back("setKeptDesignEnding");
    return empty;
}

void requireShellHooks() {
    const std::vector<std::string_view> empty = unfilledShellHooks();
    if (empty.empty()) return;
    for (std::string_view name : empty)
        std::fprintf(stderr, "Quendal: the shell hook %.*s is not filled at start.\n", int(name.size()), name.data());
    std::abort();
}

}  // namespace quendal
