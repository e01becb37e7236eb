#include "windows/CloseWindows.h"

#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"
#include "app/MenuBar.h"
#include "selection/SystemSelect.h"

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
        case 0: InitMenu14(); break;
        case kDefaultParametersWindow:
            InitMenu11();
            platform::setMenuItemEnabled(kFileMenuNumber, kCloseItem, false);
            break;
        case kSystemSelectWindow:
            platform::selectWindow(kSystemSelectWindow);
            BoxSelDispInit();
            state.selection.preSysSelBtnNum = state.selection.SysSelBtnNum;
            InitMenu11();
            break;
        case kResponseWindow: NavUserActionCancelMenu(); break;
        default: break;
    }
}

}  // namespace quendal
