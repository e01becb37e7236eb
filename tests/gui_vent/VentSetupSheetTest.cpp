// The vent design's Initial Setup sheet: what Cancel puts back is what
// stood when it opened, the input power follows the rated power when the
// preferences say so, and OK re-sizes every vent for the new values.
#include "VentSheetFixture.h"

#include <cmath>

#include "windows/Alerts.h"

namespace quendal::test {
namespace {

class VentSetupSheet : public VentSheetTest {
protected:
    void openSetup() {
        openSheet(1, 5, 2, "Vent2");
        click(kVentDesignSheet, kCircularSetupButton);
        ASSERT_TRUE(platform::windowExists(kVentInitialSetupSheet));
    }
};

TEST_F(VentSetupSheet, OpeningKeepsThePowerAndThicknessThatCancelPutsBack) {
    state.shell.PINbak = 99.0;  // left over from an earlier sheet
    state.shell.LVPbak = 99.0;
    state.power.PIN = 12.0;
    state.shell.LVP = 18.0;
    openSetup();
    EXPECT_EQ(labelsThatDoNotFit(kVentInitialSetupSheet), std::vector<std::string>{});
    EXPECT_DOUBLE_EQ(state.shell.PINbak, 12.0);
    EXPECT_DOUBLE_EQ(state.shell.LVPbak, 18.0);
}

TEST_F(VentSetupSheet, WhileThePowerFollowsTheRatedPowerItsFieldIsDisabledWithANote) {
    state.power.InputPowerCheck = 1;
    openSetup();
    EXPECT_FALSE(platform::isControlEnabled(kVentInitialSetupSheet, kVentSetupPowerField));
    EXPECT_EQ(platform::controlText(kVentInitialSetupSheet, 8), "Follows the driver's rated power (Preferences).");
    EXPECT_EQ(platform::keyboardFocus(kVentInitialSetupSheet), kVentSetupThicknessField);
    const double pin = state.power.PIN, entered = state.power.PinTemp;
    type(kVentInitialSetupSheet, kVentSetupThicknessField, "30");
    InitSetupOkReturnForVentDesignWnd();
    EXPECT_DOUBLE_EQ(state.power.PIN, pin);
    EXPECT_DOUBLE_EQ(state.power.PinTemp, entered);
    EXPECT_DOUBLE_EQ(state.shell.LVP, 30.0);
    EXPECT_DOUBLE_EQ(state.shell.LVD, 50.0);
    // Every vent's ports now go through the 30 mm panel, the edited one too.
    EXPECT_DOUBLE_EQ(state.vents.vent[1].CircPortLV, 30.0);
    EXPECT_DOUBLE_EQ(state.vents.vent[2].CircPortLV, 30.0);
    EXPECT_DOUBLE_EQ(state.vents.working.CircPortLV, 30.0);
    EXPECT_FALSE(platform::windowExists(kVentInitialSetupSheet));
    EXPECT_TRUE(platform::windowExists(kVentDesignSheet));
}

TEST_F(VentSetupSheet, AnEnteredPowerIsTakenAndTheMinimumAreasFollowIt) {
    state.power.InputPowerCheck = 0;
    state.power.PIN = 10.0;
    openSetup();
    const double minimum = state.vents.vent[1].CircDuctSVmin;
    type(kVentInitialSetupSheet, kVentSetupPowerField, "40");
    InitSetupOkReturnForVentDesignWnd();
    EXPECT_DOUBLE_EQ(state.power.PinTemp, 40.0);
    EXPECT_DOUBLE_EQ(state.power.PIN, 40.0);
    // Four times the power, twice the pressure and the flow.
    EXPECT_NEAR(state.vents.vent[1].CircDuctSVmin, 2.0 * minimum, 1e-9 * minimum);
}

TEST_F(VentSetupSheet, ValuesBelowTheirLimitsAreRefusedOnTheSheet) {
    state.power.InputPowerCheck = 0;
    openSetup();
    const double pin = state.power.PIN, lvp = state.shell.LVP;
    for (auto [field, text] : {std::pair{kVentSetupPowerField, "0.3"}, std::pair{kVentSetupThicknessField, "2"}}) {
        recorder.sheets.clear();
        type(kVentInitialSetupSheet, kVentSetupPowerField, field == kVentSetupPowerField ? text : "10");
        type(kVentInitialSetupSheet, kVentSetupThicknessField, field == kVentSetupThicknessField ? text : "20");
        InitSetupOkReturnForVentDesignWnd();
        ASSERT_EQ(recorder.sheets.size(), 1u);
        EXPECT_EQ(recorder.sheets[0].window, kVentInitialSetupSheet);
        EXPECT_EQ(recorder.sheets[0].title, kValueTooSmallAlert);
        EXPECT_EQ(platform::keyboardFocus(kVentInitialSetupSheet), field);
        EXPECT_DOUBLE_EQ(state.power.PIN, pin);
        EXPECT_DOUBLE_EQ(state.shell.LVP, lvp);
    }
}

}  // namespace
}  // namespace quendal::test
