// The vent design's Initial Setup sheet: Cancel's values are those that
// stood when it opened, the input power follows the rated power when the
// preferences say so, and OK re-sizes every vent.
#include "VentSheetFixture.h"

#include <cstring>
#include <tuple>

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

// A new power sizes the vent on the sheet again, and the automatic design
// chooses its form again there as in the stored record: a port that carries
// the air at 1 W is too small at 100 W, where a duct of the minimum area
// takes its place. A port the user chose stays a port, too small as it is.
TEST_F(VentSetupSheet, ANewPowerChoosesTheAutomaticFormAgainOnTheSheetButKeepsTheUsersPort) {
    const struct {
        const char* what;
        int32_t setBy;
        VentShape after;
    } rows[] = {
        {"the automatic design's port", kFormSetByNobody, VentShape::CircularDuct},
        {"the user's port", kFormSetByUser, VentShape::CircularPort},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        state.power.InputPowerCheck = 0;
        state.power.PIN = 1.0;
        VentRecord& vent = state.vents.vent[2];
        std::tie(vent.VentTypeTab, vent.CircVentRadio, vent.RectVentRadio, vent.FormSetBy) =
            std::make_tuple(1, 1, 1, row.setBy);  // a circular port
        openSetup();
        ASSERT_EQ(shapeInForce(state.vents.working), VentShape::CircularPort);
        type(kVentInitialSetupSheet, kVentSetupPowerField, "100");
        InitSetupOkReturnForVentDesignWnd();
        ASSERT_DOUBLE_EQ(state.power.PIN, 100.0);
        const VentRecord& shown = state.vents.working;
        EXPECT_EQ(shapeInForce(shown), row.after);
        EXPECT_EQ(shown.VentForm, int32_t(row.after == VentShape::CircularDuct ? VentForm::Realisable
                                                                               : VentForm::BelowMinimumArea));
        EXPECT_EQ(std::memcmp(&shown, &state.vents.vent[2], sizeof(VentRecord)), 0);
        EXPECT_EQ(platform::controlValue(kVentDesignSheet, kCircularRadio), shown.CircVentRadio);
        SheetWndClose(kVentDesignSheet);
    }
}

}  // namespace
}  // namespace quendal::test
