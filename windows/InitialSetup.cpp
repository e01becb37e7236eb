#include "windows/InitialSetup.h"

#include <cmath>
#include <string>

#include "response/CofCal.h"
#include "enclosures/IBcal.h"
#include "model/State.h"
#include "model/TextToNumber.h"
#include "model/WindowNumbers.h"
#include "palette/CustomPalette.h"
#include "palette/CustomPaletteDisplay.h"
#include "palette/CustomPaletteEnable.h"
#include "platform/Platform.h"
#include "selection/SystemInfoPalette.h"
#include "vent/VentSizing.h"
#include "windows/Alerts.h"
#include "windows/FieldText.h"
#include "windows/DesignStart.h"
#include "app/MenuBar.h"
#include "selection/SystemInfoPalette.h"
#include "app/ParameterRecords.h"
#include "windows/PassiveRadiatorData.h"
#include "view/InputPower.h"
#include "view/ResponseRedraw.h"
#include "windows/ResponseWindow.h"

namespace quendal {

namespace {

using platform::ControlKind;
using platform::ControlSpec;
using platform::TextAlign;

// Controls of the sheet.
constexpr platform::ControlNumber kOkButton = 1;
constexpr platform::ControlNumber kCancelButton = 2;
constexpr platform::ControlNumber kInputPowerField = 10;
constexpr platform::ControlNumber kPortThicknessField = 11;

bool designOnScreen() { return platform::windowExists(kResponseWindow); }

platform::TextStyle labelStyle(double size = 12.0, bool bold = false) {
    platform::TextStyle style;
    style.family = "Lucida Grande";
    style.size = size;
    style.bold = bold;
    return style;
}

void addText(platform::ControlNumber id, Rect16 rect, std::string_view text, double size = 12.0, bool bold = false) {
    ControlSpec spec(ControlKind::StaticText, rect, text);
    spec.style = labelStyle(size, bold);
    platform::createControl(kInitialSetupSheet, id, spec);
}

void addField(platform::ControlNumber id, Rect16 rect, double value) {
    ControlSpec spec(ControlKind::EditText, rect, fieldText(value));
    spec.style = labelStyle();
    spec.style.align = TextAlign::Right;
    platform::createControl(kInitialSetupSheet, id, spec);
}

// Reads a field: its number when it is finite and at least `minimum`.
bool readAtLeast(platform::ControlNumber field, double minimum, double& value) {
    value = textToNumber(platform::controlText(kInitialSetupSheet, field));
    return std::isfinite(value) && value >= minimum;
}

void refuse(platform::ControlNumber field, std::string_view why) {
    ShowSheetAlert(kInitialSetupSheet, kValueTooSmallAlert, why);
    platform::setKeyboardFocus(kInitialSetupSheet, field);
}

// The user stays in (or goes back to) the window the sheet or the alert
// stood on.
void backToWindowBelow() {
    ShellFlags& sh = state.shell;
    sh.InitSetSelFlag = 0;
    sh.RespWndShowFlag = 0;
    sh.InterceptEvHnd = 0;
    if (designOnScreen()) {
        NavUserActionCancelMenu();
        if (sh.CtmPaletFlag == 0) EnableCustomPalet();
    } else if (platform::windowExists(kSystemSelectWindow)) {
        InitMenu11();
        platform::selectWindow(kSystemSelectWindow);
        sh.curentWndID = kSystemSelectWindow;
    }
}

// A passive-radiator record that arrived while no design was open is
// applied once the design's windows are open.
void applyWaitingRadiatorRecord() {
    MessageState& m = state.messages;
    if (!(m.s_DummyPR == "DUMMY&") || state.shell.WindCloseFlag != 0) return;
    MasageTextToPRParameter();
    InitMenu13();
    if (state.shell.CtmPaletFlag == 0) DisableCustomPalet();
    PassiveRadiDataEnterWnd();
    PassiveRadiDataInDispOrg();
    m.s_DummyPR = "NULL";
}

}  // namespace

int32_t InitialSetupSelect() {
    ShellFlags& sh = state.shell;
    const bool newDesign = !designOnScreen();
    state.selection.InitSysType = systemHasVents(currentSystemNumber()) ? 2 : 1;
    PINcalc();

    if (QtsVasCheck()) {
        backToWindowBelow();
        return 0;
    }
    if (state.prefs.InitSetupCheck == 1 && sh.InitSetSelFlag == 0) {
        InitMenu13();
        InitialSetupWnd();
        return 0;
    }
    sh.InitSetSelFlag = 0;
    sh.RespWndShowFlag = 0;
    sh.InterceptEvHnd = 0;

    platform::closeWindow(kSystemSelectWindow);
    if (newDesign) resetDesignForNewSystem();
    CofCal();
    IBcofCal();  // the infinite baffle's coefficient for the comparison curve
    AsVentOpt();
    InitMenu16();

    if (newDesign) {
        sh.CtmPaletFlag = 0;
        ResponseWnd();
        state.view.ReDispWnd = 1;  // the coefficients and vents were just computed
        ReDispResposeWnd();
        SystemInfoFloatPalet();
        CustomFloatPalet();
        platform::setCurrentWindow(kCustomPalette);
        CustomPaletDisp();
        SetPaletteItemsOnViewMenu();  // the menus were set before the palettes opened
    } else {
        state.view.ReDispWnd = 2;
        ReDispResposeWnd();
        if (sh.CtmPaletFlag == 0) {
            FocusCustomPalet();
            CustomPaletDisp();
        }
    }
    applyWaitingRadiatorRecord();
    return 0;
}

int32_t InitialSetupWnd() {
    const int32_t parent = platform::windowExists(kSystemSelectWindow) ? kSystemSelectWindow
                           : designOnScreen()                          ? kResponseWindow
                                                                       : 0;
    const bool vented = state.selection.InitSysType == 2;
    const int16_t buttonsTop = vented ? 116 : 86;
    const Rect16 bounds{0, 0, int16_t(buttonsTop + 36), 340};
    const platform::WindowKind kind = parent != 0 ? platform::WindowKind::Sheet : platform::WindowKind::Dialog;
    if (!platform::createWindow(kInitialSetupSheet, kind, bounds, "Initial Setup", parent)) return 0;

    ShellFlags& sh = state.shell;
    sh.PINbak = state.power.PIN;
    sh.LVPbak = sh.LVP;

    addText(3, {14, 20, 32, 320}, vented ? "Input power and port thickness of this design:" : "Input power of this design:");
    addText(4, {48, 20, 64, 156}, "Input Power");
    addField(kInputPowerField, {45, 160, 67, 240}, state.power.PIN);
    addText(5, {48, 246, 64, 320}, "Watts");
    if (vented) {
        addText(6, {80, 20, 96, 156}, "Port Thickness");
        addField(kPortThicknessField, {77, 160, 99, 240}, sh.LVP);
        addText(7, {80, 246, 96, 320}, "mm");
    }
    ControlSpec cancel(ControlKind::PushButton, {buttonsTop, 152, int16_t(buttonsTop + 24), 232}, "Cancel");
    cancel.style = labelStyle(13.0);
    platform::createControl(kInitialSetupSheet, kCancelButton, cancel);
    ControlSpec ok(ControlKind::PushButton, {buttonsTop, 240, int16_t(buttonsTop + 24), 320}, "OK");
    ok.style = labelStyle(13.0);
    ok.defaultButton = true;
    platform::createControl(kInitialSetupSheet, kOkButton, ok);

    sh.SheetWndFlag = 1;
    platform::selectWindow(kInitialSetupSheet);
    platform::setKeyboardFocus(kInitialSetupSheet, kInputPowerField);
    sh.EdtFldID = kInputPowerField;
    return 0;
}

int32_t InitSetupOkReturn() {
    if (!platform::windowExists(kInitialSetupSheet)) return 0;
    const bool vented = platform::controlExists(kInitialSetupSheet, kPortThicknessField);
    double power = 0.0, thickness = 0.0;
    if (!readAtLeast(kInputPowerField, kMinimumInputPower, power)) {
        refuse(kInputPowerField, "The input power must be at least 0.4 Watts.");
        return 0;
    }
    if (vented && !readAtLeast(kPortThicknessField, kMinimumPortThickness, thickness)) {
        refuse(kPortThicknessField, "The port thickness must be at least 3 mm.");
        return 0;
    }
    state.power.PinTemp = power;
    state.power.PIN = power;
    if (vented) {
        state.shell.LVP = thickness;
        state.shell.LVD = thickness + kDuctOverPort;
    }
    SheetWndClose(kInitialSetupSheet);
    if (state.shell.SysInfoFlag == 0) DispSPLPIN();
    if (state.shell.CtmPaletFlag == 0) EnableCustomPalet();
    state.shell.InitSetSelFlag = 1;  // answered: the design is entered without the sheet
    return InitialSetupSelect();
}

int32_t InitSetupCancel() {
    if (!platform::windowExists(kInitialSetupSheet)) return 0;
    state.power.PIN = state.shell.PINbak;
    state.shell.LVP = state.shell.LVPbak;
    SheetWndClose(kInitialSetupSheet);
    backToWindowBelow();
    return 0;
}

}  // namespace quendal
