// The sheets and dialogs: the two Initial Setup sheets, Vent Design, the
// passive-radiator data sheet, the alert, the save question, Preferences and
// the update window. A sheet's close button (which the title bars here
// have) does what its Escape or only button does, so that no sheet leaves
// the menus dimmed behind it.
#include "app/DesignQueries.h"
#include "app/MenuBar.h"
#include "app/WindowEvents.h"
#include "model/State.h"
#include "windows/PageSetup.h"
#include "model/WindowNumbers.h"
#include "dialogs/Alerts.h"
#include "windows/InitialSetup.h"
#include "windows/PassiveRadiatorData.h"
#include "windows/PreferencesWindow.h"
#include "palette/CustomPaletteCalc.h"
#include "palette/CustomPaletteEnable.h"
#include "vent/VentDesignSheet.h"
#include "response/VentRecords.h"
#include "vent/VentSetupSheet.h"
#include "app/DesignFlow.h"
#include "app/UpdateCheck.h"

namespace quendal {

namespace {

using namespace keys;
using platform::kEventNotHandled;
using platform::kHandled;
using platform::WindowEvent;
using platform::WindowEventKind;

bool isCancel(const WindowEvent& event) {
    return (isKeyDown(event) && event.character == platform::kEscapeChar) || event.kind == WindowEventKind::Close;
}

int32_t initialSetupEvent(const WindowEvent& event) {
    const bool overVentDesign = event.window == kVentInitialSetupSheet;
    if (isKeyDown(event) && isReturnOrEnter(event)) {
        overVentDesign ? InitSetupOkReturnForVentDesignWnd() : InitSetupOkReturn();
        return kHandled;
    }
    if (isCancel(event)) {
        overVentDesign ? InitSetupCancelForVentDesignWnd() : InitSetupCancel();
        return kHandled;
    }
    if (isKeyUp(event) && event.character == platform::kTabChar) {
        recordFocusedField(event);
        return kHandled;
    }
    return kEventNotHandled;
}

// The key-down tests run one after another on the same event: Option with
// D first runs Calc. and then switches Ported / Ducted. Space comes here
// only while the tab bar or nothing has the focus (a field types it, a
// button or radio button is pressed by it, a popup opens), and Return only
// when no push button has it (that button is pressed instead).
int32_t ventDesignKeyDown(const WindowEvent& event) {
    VentRecord& vent = state.vents.working;
    bool consumed = false;
    if (isReturnOrEnter(event) || isOptionAlone(event)) {
        if (!isOptionAlone(event))
            VentDesignCalcOKReturn(1);
        else if ((vent.VentTypeTab == 1 && vent.CircVentRadio == 2) || vent.VentTypeTab == 2)
            VentDesignCalcOKReturn(0);
        consumed = true;
    }
    if (event.character == platform::kEscapeChar) {
        cancelVentDesign();
        consumed = true;
    }
    if (event.character == platform::kSpaceChar) {
        vent.VentTypeTab = vent.VentTypeTab == 1 ? 2 : 1;
        platform::setControlValue(kVentDesignSheet, kVentTypeTab, vent.VentTypeTab);
        ventTabChanged();
        consumed = true;
    }
    if (event.character == platform::kOptionDChar) {
        if (vent.VentTypeTab == 1) {
            platform::setControlValue(kVentDesignSheet, kCircularRadio, vent.CircVentRadio == 1 ? 2 : 1);
            circularVentFormChanged();
        } else {
            platform::setControlValue(kVentDesignSheet, kRectangularRadio, vent.RectVentRadio == 1 ? 2 : 1);
            rectangularVentFormChanged(true);
        }
        consumed = true;
    }
    return consumed ? kHandled : kEventNotHandled;
}

int32_t ventDesignEvent(const WindowEvent& event) {
    switch (event.kind) {
        case WindowEventKind::Activated:
        case WindowEventKind::Shown: return kHandled;
        case WindowEventKind::Close: return cancelVentDesign();
        case WindowEventKind::KeyDown: return ventDesignKeyDown(event);
        case WindowEventKind::KeyUp: return event.character == platform::kTabChar ? kHandled : kEventNotHandled;
        default: return kEventNotHandled;
    }
}

int32_t passiveRadiatorEvent(const WindowEvent& event) {
    if (isKeyDown(event)) {
        if (isOptionAlone(event)) PRDataEnterPasteParameterButton();
        else if (isReturnOrEnter(event)) PRDataEnterWndApply();
        else if (event.character == platform::kEscapeChar) PRDataEnterWndCancel();
        else return kEventNotHandled;
        return kHandled;
    }
    if (event.kind == WindowEventKind::Close) {
        PRDataEnterWndCancel();
        return kHandled;
    }
    if (isKeyUp(event) && event.character == platform::kTabChar) {
        recordFocusedField(event);
        return kHandled;
    }
    return kEventNotHandled;
}

int32_t alertEvent(const WindowEvent& event) {
    if ((isKeyDown(event) && isReturnOrEnter(event)) || event.kind == WindowEventKind::Close) {
        SheetAlertWndOKReturn();
        return kHandled;
    }
    return kEventNotHandled;
}

int32_t saveChangesEvent(const WindowEvent& event) {
    const bool fromTessmir = state.shell.NavAskSDFlag != 0;
    // The question waits for Save or Don't Save: its title bar cannot dismiss it.
    if (event.kind == WindowEventKind::Close) return kHandled;
    if (!isKeyDown(event)) return kEventNotHandled;
    if (isReturnOrEnter(event)) {
        NavAskSaveDontWndHandler(fromTessmir ? 3 : 1);
        return kHandled;
    }
    // Ctrl+D, or Ctrl with either key that deletes backwards or forwards.
    const bool commandAlone = event.modifiers == platform::kCommandKey;
    if (commandAlone && (event.character == 'd' || event.character == platform::kBackspaceChar ||
                         event.character == platform::kDeleteChar)) {
        NavAskSaveDontWndHandler(fromTessmir ? 4 : 2);
        return kHandled;
    }
    return kEventNotHandled;
}

int32_t preferencesEvent(const WindowEvent& event) {
    if (event.kind == WindowEventKind::BoundsChanged) {
        rememberPreferencesBounds();
        return kHandled;
    }
    if (isKeyDown(event) && isReturnOrEnter(event)) {
        PreferenceWndOKReturn();
        return kHandled;
    }
    // Closed without OK: the check boxes have taken effect already, the two
    // numbers stay as they were.
    if (isCancel(event)) {
        PreferenceWndClose();
        return kHandled;
    }
    return kEventNotHandled;
}

int32_t updateEvent(const WindowEvent& event) { return CheckForUpdateWndEvent(event); }

}  // namespace

int32_t cancelVentSetup() {
    SheetWndClose(kVentInitialSetupSheet);
    state.shell.LVP = state.shell.LVPbak;
    state.power.PIN = state.shell.PINbak;
    platform::selectWindow(kVentDesignSheet);
    return kHandled;
}

void refillVentDesign() {
    platform::selectWindow(kVentDesignSheet);
    VentDesignDisp();
}

void ventTabChanged() {
    platform::selectWindow(kVentDesignSheet);
    HandleTabs(kVentTypeTab);
    state.vents.working.VentTypeTab = platform::controlValue(kVentDesignSheet, kVentTypeTab);
    refillVentDesign();
}

void circularVentFormChanged() {
    VentRecord& vent = state.vents.working;
    vent.CircVentRadio = platform::controlValue(kVentDesignSheet, kCircularRadio);
    vent.CircVentNum = platform::controlValue(
        kVentDesignSheet, branchedVentInSheet() ? kCircularBranchCountPopup : kCircularCountPopup);
    CircVentRadioClick();
    CircVentNumCalc();
    refillVentDesign();
}

void rectangularVentFormChanged(bool recount) {
    VentRecord& vent = state.vents.working;
    vent.RectVentRadio = platform::controlValue(kVentDesignSheet, kRectangularRadio);
    vent.RectVentNum = platform::controlValue(
        kVentDesignSheet, branchedVentInSheet() ? kRectangularBranchCountPopup : kRectangularCountPopup);
    RectVentRadioClick();
    if (recount) RectVentNumCalc();
    refillVentDesign();
}

int32_t cancelVentDesign() {
    SheetWndClose(kVentDesignSheet);
    VentParameterReturnForCancel();
    state.view.ReDispWnd = state.vents.ReDispWndBak;
    state.shell.VentSheetFlag = 0;
    NavUserActionCancelMenu();
    if (customPaletteShown()) EnableCustomPalet();
    return kHandled;
}

int32_t SheetWindowEvent(const WindowEvent& event) {
    switch (event.window) {
        case kInitialSetupSheet: case kVentInitialSetupSheet: return initialSetupEvent(event);
        case kVentDesignSheet: return ventDesignEvent(event);
        case kPassiveRadiatorSheet: return passiveRadiatorEvent(event);
        case kAlertSheet: return alertEvent(event);
        case kSaveChangesSheet: return saveChangesEvent(event);
        case kPreferencesWindow: return preferencesEvent(event);
        case kUpdateWindow: return updateEvent(event);
        case kPageSetupSheet: return PageSetupWndEvent(event);
        default: return kEventNotHandled;
    }
}

}  // namespace quendal
