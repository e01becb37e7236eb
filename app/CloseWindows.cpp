#include "app/CloseWindows.h"

#include "app/WindowEvents.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"
#include "selection/SpeakerConnection.h"
#include "selection/SystemSelect.h"
#include "vent/VentSetupSheet.h"
#include "view/ShellHooks.h"
#include "windows/InitialSetup.h"
#include "windows/PageSetup.h"
#include "windows/PassiveRadiatorData.h"

namespace quendal {

namespace {

constexpr int32_t kFileMenuNumber = 1;
constexpr int32_t kCloseItem = 3;  // File > Close

}  // namespace

bool designSheetStands() {
    for (int32_t sheet : {kVentInitialSetupSheet, kVentDesignSheet, kInitialSetupSheet, kSpeakerConnectionSheet,
                          kPassiveRadiatorSheet, kPageSetupSheet})
        if (platform::windowExists(sheet)) return true;
    return false;
}

void EndDesignSheets() {
    // The setup sheet over Vent Design first: its Cancel brings that sheet
    // back, whose own Cancel then puts the vent back.
    if (platform::windowExists(kVentInitialSetupSheet)) InitSetupCancelForVentDesignWnd();
    if (platform::windowExists(kVentDesignSheet)) cancelVentDesign();
    if (platform::windowExists(kInitialSetupSheet)) InitSetupCancel();
    if (platform::windowExists(kSpeakerConnectionSheet)) spConSelectCancel();
    if (platform::windowExists(kPassiveRadiatorSheet)) PRDataEnterWndCancel();
    if (platform::windowExists(kPageSetupSheet)) PageSetupWndCancel();
    // An alert goes with its window unanswered: its OK, which may compute
    // the nearest box, does not run.
    ShellFlags& sh = state.shell;
    sh.SheetWndFlag = 0;
    sh.InterceptEvHnd = 0;
    sh.InitSetSelFlag = 0;
    sh.RespWndShowFlag = 0;
    state.connection.SpConSel = 0;
    state.entry.AlertKindShown = 0;
}

void closeDesignWindows(std::initializer_list<int32_t> windows) {
    EndDesignSheets();
    for (int32_t window : windows) platform::closeWindow(window);
}

void CloseWindows() {
    closeDesignWindows({kPreferencesWindow, kInitialSetupSheet, kVentInitialSetupSheet, kVentDesignSheet,
                        kPassiveRadiatorSheet, kSpeakerConnectionSheet, kDefaultParametersWindow, kSystemSelectWindow,
                        kCustomPalette, kSystemInfoPalette, kResponseWindow});
}

void restoreMenusByCurrentWindow() {
    switch (state.shell.curentWndID) {
        case 0: menusFor(MenuSituation::NoDesign); break;
        case kDefaultParametersWindow:
            if (platform::windowExists(kDefaultParametersWindow)) platform::selectWindow(kDefaultParametersWindow);
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

void bringChoosingWindowForward() {
    const int32_t window = state.shell.curentWndID;
    if ((window == kSystemSelectWindow || window == kDefaultParametersWindow) && platform::windowExists(window))
        platform::selectWindow(window);
}

}  // namespace quendal
