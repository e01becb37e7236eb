#include "vent/VentSetupSheet.h"

#include <cmath>
#include <string_view>

#include "model/State.h"
#include "model/TextToNumber.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"
#include "selection/SystemInfoPalette.h"
#include "vent/VentDesignSheet.h"
#include "vent/VentRecords.h"
#include "vent/VentSizing.h"
#include "windows/Alerts.h"
#include "windows/FieldText.h"
#include "windows/InitialSetup.h"
#include "view/ResponseRedraw.h"

namespace quendal {

namespace {

using platform::ControlKind;
using platform::ControlNumber;
using platform::ControlSpec;
using platform::TextAlign;

platform::TextStyle textStyle(double size = 12.0, TextAlign align = TextAlign::Left) {
    platform::TextStyle style;
    style.family = "Lucida Grande";
    style.size = size;
    style.align = align;
    return style;
}

void addText(ControlNumber id, Rect16 rect, std::string_view text, double size = 12.0) {
    ControlSpec spec(ControlKind::StaticText, rect, text);
    spec.style = textStyle(size);
    platform::createControl(kVentInitialSetupSheet, id, spec);
}

void addField(ControlNumber id, Rect16 rect, double value, bool enabled) {
    ControlSpec spec(ControlKind::EditText, rect, fieldText(value));
    spec.style = textStyle(12.0, TextAlign::Right);
    spec.enabled = enabled;
    platform::createControl(kVentInitialSetupSheet, id, spec);
}

void addButton(ControlNumber id, Rect16 rect, std::string_view title, bool isDefault) {
    ControlSpec spec(ControlKind::PushButton, rect, title);
    spec.style = textStyle(13.0);
    spec.defaultButton = isDefault;
    platform::createControl(kVentInitialSetupSheet, id, spec);
}

bool powerFollowsRating() { return state.power.InputPowerCheck == 1; }

bool readAtLeast(ControlNumber field, double minimum, double& value) {
    value = textToNumber(platform::controlText(kVentInitialSetupSheet, field));
    return std::isfinite(value) && value >= minimum;
}

void refuse(ControlNumber field, std::string_view why) {
    ShowSheetAlert(kVentInitialSetupSheet, kValueTooSmallAlert, why);
    platform::setKeyboardFocus(kVentInitialSetupSheet, field);
}

}  // namespace

int32_t InitialSetupWndForVentDesign() {
    if (!platform::windowExists(kVentDesignSheet)) return 0;
    if (!platform::createWindow(kVentInitialSetupSheet, platform::WindowKind::Sheet, {0, 0, 166, 360},
                                "Initial Setup", kVentDesignSheet))
        return 0;
    ShellFlags& sh = state.shell;
    // What Cancel puts back.
    sh.PINbak = state.power.PIN;
    sh.LVPbak = sh.LVP;

    const bool follows = powerFollowsRating();
    addText(3, {14, 20, 32, 340}, "Input power and port thickness of the vents:");
    addText(4, {48, 20, 64, 156}, "Input Power");
    addField(kVentSetupPowerField, {45, 160, 67, 240}, state.power.PIN, !follows);
    addText(5, {48, 246, 64, 340}, "Watts");
    if (follows) addText(8, {70, 20, 86, 340}, "Follows the driver's rated power (Preferences).", 11.0);
    addText(6, {98, 20, 114, 156}, "Port Thickness");
    addField(kVentSetupThicknessField, {95, 160, 117, 240}, sh.LVP, true);
    addText(7, {98, 246, 114, 340}, "mm");
    addButton(kVentSetupCancelButton, {130, 172, 154, 252}, "Cancel", false);
    addButton(kVentSetupOkButton, {130, 260, 154, 340}, "OK", true);

    platform::selectWindow(kVentInitialSetupSheet);
    const ControlNumber first = follows ? kVentSetupThicknessField : kVentSetupPowerField;
    platform::setKeyboardFocus(kVentInitialSetupSheet, first);
    sh.EdtFldID = first;
    return 0;
}

int32_t InitSetupOkReturnForVentDesignWnd() {
    if (!platform::windowExists(kVentInitialSetupSheet)) return 0;
    const bool takePower = platform::isControlEnabled(kVentInitialSetupSheet, kVentSetupPowerField);
    double power = state.power.PIN, thickness = 0.0;
    if (takePower && !readAtLeast(kVentSetupPowerField, kMinimumInputPower, power)) {
        refuse(kVentSetupPowerField, "The input power must be at least 0.4 Watts.");
        return 0;
    }
    if (!readAtLeast(kVentSetupThicknessField, kMinimumPortThickness, thickness)) {
        refuse(kVentSetupThicknessField, "The port thickness must be at least 3 mm.");
        return 0;
    }
    if (takePower) {
        state.power.PinTemp = power;
        state.power.PIN = power;
    }
    state.shell.LVP = thickness;
    state.shell.LVD = thickness + kDuctOverPort;
    SheetWndClose(kVentInitialSetupSheet);

    // Every vent is sized again for the new power and port, and so is the
    // vent on the sheet, keeping what the user chose there.
    AsVentOpt();
    designWorkingVent();
    state.view.ReDispWnd = 1;
    ReDispResposeWnd();
    VentDesignWnd();
    if (state.shell.SysInfoFlag == 0) DispSPLPIN();
    return 0;
}

int32_t InitSetupCancelForVentDesignWnd() {
    SheetWndClose(kVentInitialSetupSheet);
    state.shell.LVP = state.shell.LVPbak;
    state.power.PIN = state.shell.PINbak;
    platform::selectWindow(kVentDesignSheet);
    return 0;
}

}  // namespace quendal
