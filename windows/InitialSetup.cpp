#include "windows/InitialSetup.h"

#include <string>

#include "model/ParameterPasses.h"
#include "response/CofCal.h"
#include "response/SpConCal.h"
#include "enclosures/IBcal.h"
#include "model/KeptDesign.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "palette/CustomPalette.h"
#include "platform/Platform.h"
#include "selection/SystemInfoPalette.h"
#include "response/VentSizing.h"
#include "dialogs/Alerts.h"
#include "dialogs/DesignStart.h"
#include "dialogs/DialogControls.h"
#include "dialogs/ParameterRecords.h"
#include "windows/PassiveRadiatorData.h"
#include "model/InputPower.h"
#include "view/ResponseRedraw.h"
#include "windows/ResponseWindow.h"
#include "view/ShellHooks.h"

namespace quendal {

namespace {


// Controls of the sheet.
constexpr platform::ControlNumber kOkButton = 1;
constexpr platform::ControlNumber kCancelButton = 2;
constexpr platform::ControlNumber kInputPowerField = 10;
constexpr platform::ControlNumber kPortThicknessField = 11;

bool designOnScreen() { return platform::windowExists(kResponseWindow); }

// The design on the screen waits behind the System Select window for the
// design chosen there to replace it.
bool designKeptBehindSystemSelect() {
    return state.shell.KeptDesignFlag == 1 && designOnScreen() && platform::windowExists(kSystemSelectWindow);
}

int32_t (*keptDesignEnding)() = nullptr;

// The user stays in (or goes back to) the window the sheet or the alert
// stood on.
void backToWindowBelow() {
    ShellFlags& sh = state.shell;
    sh.InitSetSelFlag = 0;
    sh.RespWndShowFlag = 0;
    sh.InterceptEvHnd = 0;
    // System Select first: a design kept behind it is not the window below.
    if (platform::windowExists(kSystemSelectWindow)) {
        menusFor(MenuSituation::Start);
        platform::selectWindow(kSystemSelectWindow);
        sh.curentWndID = kSystemSelectWindow;
    } else if (designOnScreen()) {
        menusFor(MenuSituation::SheetEnded);
        if (sh.CtmPaletFlag == 0) refreshWindows(WindowRefresh::CustomPaletteEnabled);
    }
}

// A passive-radiator record that arrived while no design was open is
// applied once the design's windows are open.
void applyWaitingRadiatorRecord() {
    MessageState& m = state.messages;
    if (!(m.s_DummyPR == "DUMMY&") || state.shell.WindCloseFlag != 0) return;
    const std::optional<RadiatorRecord> record = MasageTextToPRParameter();
    menusFor(MenuSituation::SheetUp);
    if (state.shell.CtmPaletFlag == 0) refreshWindows(WindowRefresh::CustomPaletteDimmed);
    PassiveRadiDataEnterWnd();
    if (record) PassiveRadiDataInDispOrg(*record);
    m.s_DummyPR = "NULL";
}

}  // namespace

void setKeptDesignEnding(int32_t (*ending)()) { keptDesignEnding = ending; }

bool keptDesignEndingFilled() { return keptDesignEnding != nullptr; }

int32_t endKeptDesign() {
    if (keptDesignEnding != nullptr) return keptDesignEnding();
    for (int32_t window : {kResponseWindow, kCustomPalette, kSystemInfoPalette}) platform::closeWindow(window);
    endWaitingDesign();
    return 0;
}

int32_t InitialSetupSelect() {
    const NextDesignInState next;  // the next design's inputs in the state while a design waits
    ShellFlags& sh = state.shell;
    const bool replacing = designKeptBehindSystemSelect();
    const bool newDesign = !designOnScreen() || replacing;
    state.selection.InitSysType = systemHasVents(currentSystemNumber()) ? 2 : 1;
    // A new design's driver in use is the driver as entered or received,
    // scaled for its connection.
    if (newDesign) {
        OriginalBoxParametersPass();
        SpconCal();
    }
    // A new design starts with the default input power of the preferences
    // (in use unless the power follows the driver's rated power); the
    // return from its Initial Setup keeps what was entered there.
    if (newDesign && sh.InitSetSelFlag == 0) state.power.PinTemp = state.power.InputPower;
    // Whether its input power follows the driver's rated power is the
    // preference's, as the user set it.
    if (newDesign) state.power.InputPowerCheck = state.prefs.InputPowerCheck;
    PINcalc();

    if (QtsVasCheck()) {
        backToWindowBelow();
        return 0;
    }
    if (state.prefs.InitSetupCheck == 1 && sh.InitSetSelFlag == 0) {
        menusFor(MenuSituation::SheetUp);
        InitialSetupWnd();
        return 0;
    }
    sh.InitSetSelFlag = 0;
    sh.RespWndShowFlag = 0;
    sh.InterceptEvHnd = 0;

    // The design chosen replaces the one kept behind the window only now,
    // with the driver checked and the setup answered.
    if (replacing) endKeptDesign();
    platform::closeWindow(kSystemSelectWindow);
    if (newDesign) resetDesignForNewSystem();
    CofCal();
    IBcofCal();  // the infinite baffle's coefficient for the comparison curve
    AsVentOpt();
    menusFor(MenuSituation::Design);

    if (newDesign) {
        sh.CtmPaletFlag = 0;
        ResponseWnd();
        // A new design has nothing unsaved; its first drawing is what a
        // change is measured against, whether it is ever saved or not.
        sh.DirtyFlag = 0;
        state.document.SnapshotAtFirstDrawFlag = 1;
        state.view.ReDispWnd = 1;  // the coefficients and vents were just computed
        ReDispResposeWnd();
        SystemInfoFloatPalet();
        CustomFloatPalet();
        platform::setCurrentWindow(kCustomPalette);
        refreshWindows(WindowRefresh::CustomPaletteValues);
        menusFor(MenuSituation::PaletteItems);  // the menus were set before the palettes opened
    } else {
        state.view.ReDispWnd = 2;
        ReDispResposeWnd();
        if (sh.CtmPaletFlag == 0) {
            FocusCustomPalet();
            refreshWindows(WindowRefresh::CustomPaletteValues);
        }
    }
    applyWaitingRadiatorRecord();
    return 0;
}

int32_t InitialSetupWnd() {
    const NextDesignInState next;
    const int32_t parent = platform::windowExists(kSystemSelectWindow) ? kSystemSelectWindow
                           : designOnScreen()                          ? kResponseWindow
                                                                       : 0;
    const bool vented = state.selection.InitSysType == 2;
    // While the input power follows the driver's rated power the field only
    // shows it, and a note under it says so.
    const bool follows = state.power.InputPowerCheck == 1;
    const int16_t noteRoom = follows ? 18 : 0;
    const int16_t buttonsTop = int16_t((vented ? 116 : 86) + noteRoom);
    const Rect16 bounds{0, 0, int16_t(buttonsTop + 36), 340};
    const platform::WindowKind kind = parent != 0 ? platform::WindowKind::Sheet : platform::WindowKind::Dialog;
    if (!platform::createWindow(kInitialSetupSheet, kind, bounds, "Initial Setup", parent)) return 0;

    ShellFlags& sh = state.shell;
    sh.PINbak = state.power.PIN;
    sh.LVPbak = sh.LVP;

    addLabel(kInitialSetupSheet, 3, {14, 20, 32, 320}, vented ? "Input power and port thickness of this design:" : "Input power of this design:");
    addLabel(kInitialSetupSheet, 4, {48, 20, 64, 156}, "Input Power");
    addNumberField(kInitialSetupSheet, kInputPowerField, {45, 160, 67, 240}, state.power.PIN, !follows);
    addLabel(kInitialSetupSheet, 5, {48, 246, 64, 320}, "Watts");
    if (follows) addLabel(kInitialSetupSheet, 8, {70, 20, 86, 320}, "Follows the driver's rated power (Preferences).", 11.0);
    if (vented) {
        addLabel(kInitialSetupSheet, 6, {int16_t(80 + noteRoom), 20, int16_t(96 + noteRoom), 156}, "Port Thickness");
        addNumberField(kInitialSetupSheet, kPortThicknessField, {int16_t(77 + noteRoom), 160, int16_t(99 + noteRoom), 240}, sh.LVP);
        addLabel(kInitialSetupSheet, 7, {int16_t(80 + noteRoom), 246, int16_t(96 + noteRoom), 320}, "mm");
    }
    addPushButton(kInitialSetupSheet, kCancelButton, {buttonsTop, 152, int16_t(buttonsTop + 24), 232}, "Cancel", false);
    addPushButton(kInitialSetupSheet, kOkButton, {buttonsTop, 240, int16_t(buttonsTop + 24), 320}, "OK", true);

    sh.SheetWndFlag = 1;
    platform::selectWindow(kInitialSetupSheet);
    sh.EdtFldID = follows && vented ? kPortThicknessField : kInputPowerField;
    return 0;
}

int32_t InitSetupOkReturn() {
    const NextDesignInState next;
    if (!platform::windowExists(kInitialSetupSheet)) return 0;
    const bool vented = platform::controlExists(kInitialSetupSheet, kPortThicknessField);
    const bool takePower = platform::isControlEnabled(kInitialSetupSheet, kInputPowerField);
    // A new design starts from what every new design starts from.
    const bool newDesign = !designOnScreen() || designKeptBehindSystemSelect();
    const std::optional<SetupValues> values = readSetupSheet(kInitialSetupSheet, kInputPowerField, kPortThicknessField,
                                                             takePower, vented,
                                                             newDesign ? resetDesignForNewSystem : nullptr);
    if (!values) return 0;
    takeSetupValues(*values);
    SheetWndClose(kInitialSetupSheet);
    // The palettes of a design waiting behind System Select stay as they are:
    // they show that design, not the one being chosen.
    if (state.shell.KeptDesignFlag == 0) {
        if (state.shell.SysInfoFlag == 0) refreshWindows(WindowRefresh::SystemInfoValues);
        if (state.shell.CtmPaletFlag == 0) refreshWindows(WindowRefresh::CustomPaletteEnabled);
    }
    state.shell.InitSetSelFlag = 1;  // answered: the design is entered without the sheet
    return InitialSetupSelect();
}

int32_t InitSetupCancel() {
    const NextDesignInState next;
    if (!platform::windowExists(kInitialSetupSheet)) return 0;
    state.power.PIN = state.shell.PINbak;
    state.shell.LVP = state.shell.LVPbak;
    SheetWndClose(kInitialSetupSheet);
    backToWindowBelow();
    return 0;
}

}  // namespace quendal
