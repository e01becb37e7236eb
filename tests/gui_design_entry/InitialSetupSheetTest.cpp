// The Initial Setup sheet: OK takes the input power and port thickness and
// enters the design, Cancel leaves every value as it was, and a design on
// screen keeps its view, loss factors and vents when it is entered again.
#include "DesignEntryFixture.h"

#include "model/WindowNumbers.h"
#include "selection/SystemSelect.h"
#include "windows/InitialSetup.h"

namespace quendal::test {
namespace {

class InitialSetupSheet : public DesignEntryTest {
protected:
    // The System Select window with a system chosen and Select pressed,
    // the preferences asking for the sheet.
    void selectSystem(int32_t tab, int32_t button) {
        state.prefs.InitSetupCheck = 1;
        state.selection.SysSelTabNum = tab;
        state.selection.SysSelBtnNum = button;
        SystemSelectWnd();
        systemSelectConfirm();
    }

    // A design on screen: its response window stands in for the one the
    // design opens.
    void designOnScreen() {
        ASSERT_TRUE(platform::createWindow(kResponseWindow, platform::WindowKind::Document, {100, 100, 490, 640}, "Response"));
        platform::showWindow(kResponseWindow);
    }
};

TEST_F(InitialSetupSheet, OkTakesPowerAndPortThicknessAndStartsTheDesign) {
    selectSystem(1, 3);  // Vented Box
    ASSERT_TRUE(platform::windowExists(kInitialSetupSheet));
    EXPECT_TRUE(platform::windowExists(kSystemSelectWindow));  // the sheet stands on it
    ASSERT_TRUE(platform::controlExists(kInitialSetupSheet, 11));
    type(kInitialSetupSheet, 10, "25");
    type(kInitialSetupSheet, 11, "18");
    InitSetupOkReturn();

    EXPECT_TRUE(recorder.sheets.empty());
    EXPECT_FALSE(platform::windowExists(kInitialSetupSheet));
    EXPECT_FALSE(platform::windowExists(kSystemSelectWindow));
    EXPECT_DOUBLE_EQ(state.power.PinTemp, 25.0);
    EXPECT_DOUBLE_EQ(state.power.PIN, 25.0);
    EXPECT_DOUBLE_EQ(state.shell.LVP, 18.0);
    EXPECT_DOUBLE_EQ(state.shell.LVD, 38.0);  // a duct 20 mm longer than the port
    EXPECT_EQ(state.shell.InitSetSelFlag, 0);
    EXPECT_EQ(state.shell.SheetWndFlag, 0);
    EXPECT_GT(state.box.VB1, 0.0);  // the design was computed
}

TEST_F(InitialSetupSheet, ASystemWithoutVentsAsksForThePowerOnly) {
    selectSystem(1, 2);  // Closed Box
    ASSERT_TRUE(platform::windowExists(kInitialSetupSheet));
    EXPECT_FALSE(platform::controlExists(kInitialSetupSheet, 11));
    const double port = state.shell.LVP;
    type(kInitialSetupSheet, 10, "0.4");  // the smallest power taken
    InitSetupOkReturn();
    EXPECT_FALSE(platform::windowExists(kInitialSetupSheet));
    EXPECT_DOUBLE_EQ(state.power.PIN, 0.4);
    EXPECT_DOUBLE_EQ(state.shell.LVP, port);
}

struct Refused {
    platform::ControlNumber field;
    const char* typed;
};

void PrintTo(const Refused& r, std::ostream* os) { *os << "field " << r.field << " \"" << r.typed << "\""; }

class RefusedSetup : public InitialSetupSheet, public testing::WithParamInterface<Refused> {};

TEST_P(RefusedSetup, KeepsTheSheetAndEveryValue) {
    selectSystem(1, 3);
    const double pin = state.power.PIN, pinTemp = state.power.PinTemp, lvp = state.shell.LVP, lvd = state.shell.LVD;
    type(kInitialSetupSheet, GetParam().field, GetParam().typed);
    InitSetupOkReturn();
    EXPECT_TRUE(platform::windowExists(kInitialSetupSheet));
    EXPECT_TRUE(platform::windowExists(kSystemSelectWindow));
    ASSERT_EQ(recorder.sheets.size(), 1u);
    EXPECT_EQ(recorder.sheets[0].window, kInitialSetupSheet);
    EXPECT_EQ(recorder.sheets[0].title, "ALERT!   Entered numerical value is too small.");
    EXPECT_EQ(platform::keyboardFocus(kInitialSetupSheet), GetParam().field);
    EXPECT_DOUBLE_EQ(state.power.PIN, pin);
    EXPECT_DOUBLE_EQ(state.power.PinTemp, pinTemp);
    EXPECT_DOUBLE_EQ(state.shell.LVP, lvp);
    EXPECT_DOUBLE_EQ(state.shell.LVD, lvd);
}

INSTANTIATE_TEST_SUITE_P(BelowTheLimitsOrNoNumber, RefusedSetup,
                         testing::Values(Refused{10, "0.39"}, Refused{10, "-10"}, Refused{10, "W"},
                                         Refused{11, "2.9"}, Refused{11, ""}));

TEST_F(InitialSetupSheet, CancelKeepsTheValuesAndTheSystemSelectWindow) {
    selectSystem(1, 3);
    const double pin = state.power.PIN, pinTemp = state.power.PinTemp, lvp = state.shell.LVP, lvd = state.shell.LVD;
    type(kInitialSetupSheet, 10, "55");
    type(kInitialSetupSheet, 11, "9");
    InitSetupCancel();
    EXPECT_FALSE(platform::windowExists(kInitialSetupSheet));
    EXPECT_TRUE(platform::windowExists(kSystemSelectWindow));
    EXPECT_EQ(state.shell.curentWndID, kSystemSelectWindow);
    EXPECT_DOUBLE_EQ(state.power.PIN, pin);
    EXPECT_DOUBLE_EQ(state.power.PinTemp, pinTemp);
    EXPECT_DOUBLE_EQ(state.shell.LVP, lvp);
    EXPECT_DOUBLE_EQ(state.shell.LVD, lvd);
    // Select again asks again.
    systemSelectConfirm();
    EXPECT_TRUE(platform::windowExists(kInitialSetupSheet));
}

TEST_F(InitialSetupSheet, ReenteringADesignOnScreenKeepsItsViewLossFactorsAndVents) {
    state.selection.SysSelTabNum = 2;
    state.selection.SysSelBtnNum = 5;  // Twin Vented
    state.selection.InitSysType = 2;
    state.speaker.FS = 50.0;
    state.speaker.VAS = 100.0;
    state.speaker.QTS = 0.4;
    state.speaker.QMS = 5.0;
    state.view.s_Resp = "gd";
    state.view.RespID = 6;
    state.box.QL1 = 15.0;
    state.box.PopupItem2 = 4;
    state.vents.vent[2].CircVentNum = 3;
    state.selection.Alin = 2;
    designOnScreen();
    state.shell.InitSetSelFlag = 1;  // as the Misc menu's "Initial Setup..." opens it
    InitialSetupWnd();
    ASSERT_TRUE(platform::windowExists(kInitialSetupSheet));
    type(kInitialSetupSheet, 11, "12");
    InitSetupOkReturn();

    EXPECT_FALSE(platform::windowExists(kInitialSetupSheet));
    EXPECT_DOUBLE_EQ(state.shell.LVP, 12.0);
    EXPECT_EQ(state.view.s_Resp, "gd");
    EXPECT_EQ(state.view.RespID, 6);
    EXPECT_DOUBLE_EQ(state.box.QL1, 15.0);
    EXPECT_EQ(state.box.PopupItem2, 4);
    EXPECT_EQ(state.vents.vent[2].CircVentNum, 3);
    EXPECT_EQ(state.selection.Alin, 2);
    EXPECT_EQ(state.view.ReDispWnd, 2);  // recalculated and redrawn
}

TEST_F(InitialSetupSheet, EveryTextFitsItsRectangle) {
    selectSystem(1, 3);
    EXPECT_EQ(labelsThatDoNotFit(kInitialSetupSheet), std::vector<std::string>{});
}

}  // namespace
}  // namespace quendal::test
