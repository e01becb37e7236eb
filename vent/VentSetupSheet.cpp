#include "vent/VentSetupSheet.h"

#include <string_view>

#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"
#include "vent/VentDesignSheet.h"
#include "response/VentRecords.h"
#include "response/VentSizing.h"
#include "dialogs/Alerts.h"
#include "dialogs/DialogControls.h"
#include "dialogs/DesignStart.h"
#include "view/ResponseRedraw.h"
#include "view/ShellHooks.h"

namespace quendal {

namespace {

using platform::ControlNumber;

bool powerFollowsRating() { return state.power.InputPowerCheck == 1; }

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
    addLabel(kVentInitialSetupSheet, 3, {14, 20, 32, 340}, "Input power and port thickness of the vents:");
    addLabel(kVentInitialSetupSheet, 4, {48, 20, 64, 156}, "Input Power");
    addNumberField(kVentInitialSetupSheet, kVentSetupPowerField, {45, 160, 67, 240}, state.power.PIN, !follows);
    addLabel(kVentInitialSetupSheet, 5, {48, 246, 64, 340}, "Watts");
    if (follows) addLabel(kVentInitialSetupSheet, 8, {70, 20, 86, 340}, "Follows the driver's rated power (Preferences).", 11.0);
    addLabel(kVentInitialSetupSheet, 6, {98, 20, 114, 156}, "Port Thickness");
    addNumberField(kVentInitialSetupSheet, kVentSetupThicknessField, {95, 160, 117, 240}, sh.LVP, true);
    addLabel(kVentInitialSetupSheet, 7, {98, 246, 114, 340}, "mm");
    addPushButton(kVentInitialSetupSheet, kVentSetupCancelButton, {130, 172, 154, 252}, "Cancel", false);
    addPushButton(kVentInitialSetupSheet, kVentSetupOkButton, {130, 260, 154, 340}, "OK", true);

    platform::selectWindow(kVentInitialSetupSheet);
    sh.EdtFldID = follows ? kVentSetupThicknessField : kVentSetupPowerField;
    return 0;
}

int32_t InitSetupOkReturnForVentDesignWnd() {
    if (!platform::windowExists(kVentInitialSetupSheet)) return 0;
    const bool takePower = platform::isControlEnabled(kVentInitialSetupSheet, kVentSetupPowerField);
    const std::optional<SetupValues> values =
        readSetupSheet(kVentInitialSetupSheet, kVentSetupPowerField, kVentSetupThicknessField, takePower, true);
    if (!values) return 0;
    takeSetupValues(*values);
    SheetWndClose(kVentInitialSetupSheet);

    // Every vent is sized again for the new power and port, and so is the
    // vent on the sheet, keeping what the user chose there.
    AsVentOpt();
    designWorkingVent(true);
    state.view.ReDispWnd = 1;
    ReDispResposeWnd();
    VentDesignWnd();
    if (state.shell.SysInfoFlag == 0) refreshWindows(WindowRefresh::SystemInfoValues);
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
