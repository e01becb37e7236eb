// The vent design's Initial Setup sheet: Cancel's values are those that
// stood when it opened, the input power follows the rated power when the
// preferences say so, and OK re-sizes every vent.
#include "VentSheetFixture.h"

#include "dialogs/Alerts.h"

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

TEST_F(VentSetupSheet, OpeningKeepsWhatCancelPutsBackAndAFollowedPowerCannotBeTyped) {
    state.shell.PINbak = state.shell.LVPbak = 99.0;  // left by an earlier sheet
    state.power.PIN = 12.0;
    state.shell.LVP = 18.0;
    openSetup();
    EXPECT_EQ(labelsThatDoNotFit(kVentInitialSetupSheet), std::vector<std::string>{});
    EXPECT_DOUBLE_EQ(state.shell.PINbak, 12.0);
    EXPECT_DOUBLE_EQ(state.shell.LVPbak, 18.0);
    EXPECT_FALSE(platform::isControlEnabled(kVentInitialSetupSheet, kVentSetupPowerField));
    EXPECT_EQ(platform::controlText(kVentInitialSetupSheet, 8), "Follows the driver's rated power (Preferences).");
    type(kVentInitialSetupSheet, kVentSetupThicknessField, "30");
    InitSetupOkReturnForVentDesignWnd();
    // Nothing typed is taken: the redraw sets the power the rating gives,
    // one driver at its Pemax.
    EXPECT_DOUBLE_EQ(state.power.PIN, state.speaker.PEMX2);
    EXPECT_DOUBLE_EQ(state.shell.LVD, 50.0);
    // Every port now goes through the 30 mm panel, the one on the sheet too.
    EXPECT_DOUBLE_EQ(state.vents.vent[1].CircPortLV, 30.0);
    EXPECT_DOUBLE_EQ(state.vents.working.CircPortLV, 30.0);
    EXPECT_FALSE(platform::windowExists(kVentInitialSetupSheet));
    EXPECT_TRUE(platform::windowExists(kVentDesignSheet));
}

TEST_F(VentSetupSheet, AnEnteredPowerIsTakenAndTheMinimumAreasFollowIt) {
    state.power.InputPowerCheck = 0;
    state.power.PIN = 10.0;
    openSetup();
    const double minimum = state.vents.vent[1].CircDuctSVmin;
    type(kVentInitialSetupSheet, kVentSetupPowerField, "0.3");
    InitSetupOkReturnForVentDesignWnd();
    ASSERT_EQ(recorder.sheets.size(), 1u);
    EXPECT_EQ(recorder.sheets[0].window, kVentInitialSetupSheet);
    EXPECT_EQ(recorder.sheets[0].title, kValueTooSmallAlert);
    EXPECT_DOUBLE_EQ(state.power.PIN, 10.0);
    type(kVentInitialSetupSheet, kVentSetupPowerField, "40");
    InitSetupOkReturnForVentDesignWnd();
    EXPECT_DOUBLE_EQ(state.power.PinTemp, 40.0);
    EXPECT_DOUBLE_EQ(state.power.PIN, 40.0);
    // Four times the power, twice the pressure and the flow.
    EXPECT_NEAR(state.vents.vent[1].CircDuctSVmin, 2.0 * minimum, 1e-9 * minimum);
}

}  // namespace
}  // namespace quendal::test
