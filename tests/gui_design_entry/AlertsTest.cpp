// The alerts: a driver that does not suit the system chosen is refused on
// the window in front, and the closed-box Qtc alerts quote the possible Qtc.
#include "DesignEntryFixture.h"

#include <limits>

#include "model/ParameterPasses.h"
#include "app/PopupMenus.h"
#include "model/ClosedBoxOutcome.h"
#include "palette/CustomPalette.h"
#include "palette/CustomPaletteDisplay.h"
#include "response/BoxCheck.h"
#include "response/CofCal.h"
#include "selection/SystemSelect.h"
#include "dialogs/Alerts.h"

namespace quendal::test {
namespace {

class Alerts : public DesignEntryTest {};

TEST_F(Alerts, ADriverUnfitForTheSystemIsRefusedOnTheSystemSelectWindow) {
    state.prefs.InitSetupCheck = 0;
    state.selection.SysSelBtnNum = 5;  // Serial Vented: its first chamber would get a negative volume
    state.speaker.QTS2 = 0.1;
    SystemSelectWnd();
    systemSelectConfirm();
    ASSERT_EQ(recorder.sheets.size(), 1u);
    EXPECT_EQ(recorder.sheets[0].window, kSystemSelectWindow);
    EXPECT_EQ(recorder.sheets[0].title, "ALERT!   Uncalculate.  Qts is too small.");
    EXPECT_EQ(recorder.sheets[0].message, "The driver's Qts is 0.1.  ( Available Qts  \xB3 0.151 )");
    EXPECT_EQ(state.shell.curentWndID, kSystemSelectWindow);
    EXPECT_DOUBLE_EQ(state.box.VB1, 0.0);  // nothing was computed into the design
    recorder.pressOk();
    EXPECT_EQ(state.shell.SheetWndFlag, 0);
}

// A driver whose first alignment puts the response below the page (a
// resonance of 1 Hz): no Qts would build the box, and the alert names what
// is wrong instead of the driver's Qts, and asks for another system: the
// user chose a system, not an alignment.
TEST_F(Alerts, AResponseOffThePageIsNamedAsSuchOnTheSystemSelectWindow) {
    state.prefs.InitSetupCheck = 0;
    state.selection.SysSelTabNum = 2;
    state.selection.SysSelBtnNum = 4;  // Serial Raveza Type2
    state.speaker.FS2 = 1.0;
    state.speaker.VAS2 = 1.0e6;
    state.speaker.QTS2 = 1.4;
    SystemSelectWnd();
    systemSelectConfirm();
    ASSERT_EQ(recorder.sheets.size(), 1u);
    EXPECT_EQ(recorder.sheets[0].window, kSystemSelectWindow);
    EXPECT_EQ(recorder.sheets[0].title, "ALERT!   Impossible alignment.  No response on the page.");
    EXPECT_EQ(recorder.sheets[0].message,
              "For this driver the alignment gives a response that lies nowhere between 10 Hz and 1 kHz.  "
              "( Choose another system. )");
    EXPECT_FALSE(platform::windowExists(kResponseWindow));  // no design started
}

// A Vas so vast that the first chamber's vent would be no number: the
// design could not be kept, and the alert names the vent.
TEST_F(Alerts, AVentTooVastToBeANumberIsNamedOnTheSystemSelectWindow) {
    state.prefs.InitSetupCheck = 0;
    state.selection.SysSelBtnNum = 5;  // Serial Vented
    state.speaker.VAS2 = 1e154;
    SystemSelectWnd();
    systemSelectConfirm();
    ASSERT_EQ(recorder.sheets.size(), 1u);
    EXPECT_EQ(recorder.sheets[0].title, "ALERT!   Impossible alignment.  The area of vent 1 is not a finite number.");
    EXPECT_EQ(recorder.sheets[0].message, "For this driver the alignment gives a design in which the area of vent 1 "
                                          "is not a finite number.  ( Choose another system. )");
    EXPECT_FALSE(platform::windowExists(kResponseWindow));
}

// Every fault of a box asks again for what was chosen, after the same
// explanation: a system on System Select's road, an alignment on the others.
TEST_F(Alerts, EveryRefusedBoxAsksForAnotherOfWhatWasChosen) {
    const BoxCheckResult rows[] = {{BoxFault::NotPositive, "Fb1", "", kHertzUnit, -375.0},
                                   {BoxFault::NotFinite, "Vb", "", kLitreUnit, std::numeric_limits<double>::infinity()},
                                   {BoxFault::TuningsAlike}, {BoxFault::NoResponse},
                                   {BoxFault::NotHeld, "", "", "", 0.0, "the area of vent 1 is not a finite number"}};
    for (const BoxCheckResult& row : rows) {
        std::string bySystem = boxFaultReason(row, BoxChoice::System), byAlignment = boxFaultReason(row);
        ASSERT_TRUE(bySystem.ends_with("  ( Choose another system. )")) << bySystem;
        ASSERT_TRUE(byAlignment.ends_with("  ( Choose another alignment. )")) << byAlignment;
        EXPECT_EQ(bySystem.erase(bySystem.rfind("system. )")), byAlignment.erase(byAlignment.rfind("alignment. )")));
    }
}

TEST_F(Alerts, WithTheDesignOnScreenTheAlertStandsOnTheResponseWindow) {
    ASSERT_TRUE(platform::createWindow(kResponseWindow, platform::WindowKind::Document, {100, 100, 490, 640}, "Response"));
    state.selection.SysSelBtnNum = 4;  // Passive Radiator
    state.speaker.FS = 40.0;
    state.speaker.QTS = 0.5;
    state.speaker.VAS = 0.0005;
    state.box.QA = state.box.QL = 7.0;  // the design's own loss factors
    state.radiator.QP = 5.0;
    EXPECT_TRUE(QtsVasCheck());
    ASSERT_EQ(recorder.sheets.size(), 1u);
    EXPECT_EQ(recorder.sheets[0].window, kResponseWindow);
    EXPECT_EQ(recorder.sheets[0].title, "ALERT!   Uncalculate.  Vas is too small.");
    EXPECT_EQ(recorder.sheets[0].message, "The driver's Vas is 0 Liter.  ( Available Vas  \xB3 0.001 Liter )");
}

TEST_F(Alerts, ClosedBoxQtcAlertsQuoteThePossibleQtc) {
    state.box.QTC = 0.70749;
    ShowAlert(kAlertQtcTooSmall, 0.0f);
    state.box.QTC = 5.0;
    ShowAlert(kAlertQtcTooLarge, 0.0f);
    ASSERT_EQ(recorder.sheets.size(), 2u);
    EXPECT_EQ(recorder.sheets[0].window, kResponseWindow);
    EXPECT_EQ(recorder.sheets[0].title, "ALERT!   Impossible alignment.  Qtc is too small.");
    EXPECT_EQ(recorder.sheets[0].message, "Enter larger Qtc.  ( Possible Qtc  \xB3 0.707 )");
    EXPECT_EQ(recorder.sheets[1].title, "ALERT!   Unavailable alignment.  Qtc is too Large.");
    EXPECT_EQ(recorder.sheets[1].message, "Enter smaller Qtc.  ( Possible Qtc  \xB2 5 )");
}

TEST_F(Alerts, OkAfterAFailedClosedBoxAlignmentOffersThePossibleQtcInThePalette) {
    // A closed-box design at its Qtc alignment with the custom palette shown,
    // whose last Calc. asked for a Qtc the box cannot have. The OK runs the
    // palette's Calc. again with the Qtc offered, so the palette is the real
    // one: the Calc. reads its fields and refills it.
    BuildPopupMenu();
    ASSERT_TRUE(platform::createWindow(kResponseWindow, platform::WindowKind::Document, {60, 20, 450, 560}, "Response"));
    state.selection.SysSelTabNum = 1;
    state.selection.SysSelBtnNum = 2;
    state.selection.Alin = 3;
    OriginalBoxParametersPass();
    InitItemBoxParameters();
    CofCal();
    state.shell.CtmPaletFlag = 0;
    CustomFloatPalet();
    CustomPaletDisp();
    platform::setControlEnabled(kCustomPalette, 10, false);
    platform::setControlText(kCustomPalette, 32, "0.3");
    state.box.CBAlartFlag = kCBAlartQtcTooSmall;
    state.box.QTC = 0.7712;
    ShowAlert(kAlertQtcTooSmall, 0.0f);
    EXPECT_EQ(state.shell.SheetWndFlag, 1);
    recorder.pressOk();
    EXPECT_EQ(state.box.CBAlartFlag, kCBAlartRealisable);
    EXPECT_EQ(state.shell.SheetWndFlag, 0);
    EXPECT_TRUE(recorder.pending.empty());  // no second alert: 0.771 can be built
    EXPECT_DOUBLE_EQ(std::stod(platform::controlText(kCustomPalette, 32)), 0.771);  // as the palette shows it
    EXPECT_DOUBLE_EQ(state.box.QTC, 0.771);  // the design now has the Qtc offered
    EXPECT_TRUE(platform::isControlEnabled(kCustomPalette, 10));
}

}  // namespace
}  // namespace quendal::test
