#include "app/CloseWindows.h"

#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"
#include "selection/SystemSelect.h"
#include "view/ShellHooks.h"

namespace quendal {

namespace {

constexpr int32_t kFileMenuNumber = 1;
constexpr int32_t kCloseItem = 3;  // File > Close

}  // namespace

void CloseWindows() {
    for (int32_t window : {kPreferencesWindow, kInitialSetupSheet, kVentInitialSetupSheet, kVentDesignSheet,
                           kPassiveRadiatorSheet, kSpeakerConnectionSheet, kDefaultParametersWindow,
                           kSystemSelectWindow, kCustomPalette, kSystemInfoPalette, kResponseWindow})
        platform::closeWindow(window);
}

void restoreMenusByCurrentWindow() {
    switch (state.shell.curentWndID) {
        case 0: menusFor(MenuSituation::NoDesign); break;
        case kDefaultParametersWindow:
            menusFor(MenuSituation::Start);
            platform::setMenuItemEnabled(kFileMenuNumber, kCloseItem, false);
            break;
        case kSystemSelectWindow: {
            const NextDesignInState next;  // the system being chosen
            platform::selectWindow(kSystemSelectWindow);
            BoxSelDispInit();
            state.selection.preSysSelBtnNum = state.selection.SysSelBtnNum;
            menusFor(MenuSituation::Start);
            break;
        }
        case kResponseWindow: menusFor(MenuSituation::SheetEnded); break;
        default: break;
    }
}

}  // namespace quendal
