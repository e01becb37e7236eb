// The Initial Setup sheet: OK takes the input power and port thickness and
// enters the design, a refusal or Cancel leaves every value as it was, and
// a design on screen keeps its view, loss factors and vents.
#include "DesignEntryFixture.h"

#include <QFile>

#include "model/ParameterPasses.h"
#include "model/TextToNumber.h"
#include "selection/SystemSelect.h"
#include "app/CloseWindows.h"
#include "windows/InitialSetup.h"

namespace quendal::test {
namespace {

class InitialSetupSheet : public DesignEntryTest {
protected:
    // Select pressed in the System Select window, the preferences asking
    // for the sheet.
    void selectSystem(int32_t tab, int32_t button) {
        state.prefs.InitSetupCheck = 1;
        state.selection.SysSelTabNum = tab;
        state.selection.SysSelBtnNum = button;
        SystemSelectWnd();
        systemSelectConfirm();
        ASSERT_TRUE(platform::windowExists(kInitialSetupSheet));
        pin = state.power.PIN, pinTemp = state.power.PinTemp, lvp = state.shell.LVP, lvd = state.shell.LVD;
    }
    void expectValuesKept() {
        EXPECT_DOUBLE_EQ(state.power.PIN, pin);
        EXPECT_DOUBLE_EQ(state.power.PinTemp, pinTemp);
        EXPECT_DOUBLE_EQ(state.shell.LVP, lvp);
        EXPECT_DOUBLE_EQ(state.shell.LVD, lvd);
    }
    double pin = 0, pinTemp = 0, lvp = 0, lvd = 0;
};

TEST_F(InitialSetupSheet, OkTakesPowerAndPortThicknessAndStartsTheDesign) {
    state.prefs.InputPowerCheck = 0;  // the design is drawn at the power entered
    selectSystem(1, 3);  // Vented Box
    EXPECT_EQ(labelsThatDoNotFit(kInitialSetupSheet), std::vector<std::string>{});
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
    EXPECT_GT(state.box.VB1, 0.0);            // the design was computed
}

// A new design starts from the preferences' default input power. While the
// power follows the driver's rating the field only shows the rated power,
// with a note why, and what is typed into it is not taken.
TEST_F(InitialSetupSheet, ANewDesignStartsAtTheDefaultPowerUnlessThePowerFollowsTheRating) {
    for (const int32_t follows : {0, 1}) {
        state.prefs.InputPowerCheck = follows;
        state.power.InputPower = 25.0;
        state.power.PinTemp = 10.0;
        selectSystem(1, 3);
        EXPECT_EQ(platform::isControlEnabled(kInitialSetupSheet, 10), follows == 0);
        EXPECT_EQ(platform::controlExists(kInitialSetupSheet, 8), follows == 1);
        EXPECT_EQ(labelsThatDoNotFit(kInitialSetupSheet), std::vector<std::string>{});
        const double shown = textToNumber(platform::controlText(kInitialSetupSheet, 10));
        EXPECT_DOUBLE_EQ(shown, follows == 1 ? state.speaker.PEMX2 : 25.0);
        type(kInitialSetupSheet, 10, "40");
        InitSetupOkReturn();
        EXPECT_FALSE(platform::windowExists(kInitialSetupSheet));
        EXPECT_DOUBLE_EQ(state.power.PinTemp, follows == 1 ? 25.0 : 40.0);
        EXPECT_DOUBLE_EQ(state.power.PIN, follows == 1 ? state.speaker.PEMX2 : 40.0);
        CloseWindows();
    }
    // The Quick Start, which a newcomer follows, sends the input power to
    // Preferences, where it is set while the field here is dimmed.
    QFile quickStart(QStringLiteral(QUENDAL_SOURCE_DIR "/resources/Help/Quick Start.html"));
    ASSERT_TRUE(quickStart.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(quickStart.readAll());
    const qsizetype step = text.indexOf(QStringLiteral("Initial Setup"));
    ASSERT_GE(step, 0);
    const QString said = text.mid(step, text.indexOf(QStringLiteral("</li>"), step) - step);
    EXPECT_FALSE(said.contains(QStringLiteral("asks for the input power"))) << said.toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral("dimmed"))) << said.toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral("<b>Preferences</b>"))) << said.toStdString();
}

TEST_F(InitialSetupSheet, ASystemWithoutVentsAsksForThePowerOnly) {
    state.prefs.InputPowerCheck = 0;  // the design is drawn at the power entered
    selectSystem(1, 2);  // Closed Box
    EXPECT_FALSE(platform::controlExists(kInitialSetupSheet, 11));
    type(kInitialSetupSheet, 10, "0.4");  // the smallest power taken
    InitSetupOkReturn();
    EXPECT_DOUBLE_EQ(state.power.PinTemp, 0.4);
    EXPECT_DOUBLE_EQ(state.power.PIN, 0.4);
    EXPECT_DOUBLE_EQ(state.shell.LVP, lvp);
}

struct Refused {
    platform::ControlNumber field;
    const char* typed;
    const char* title = "ALERT!   Entered numerical value is too small.";
};
void PrintTo(const Refused& r, std::ostream* os) { *os << "field " << r.field << " \"" << r.typed << "\""; }

class RefusedSetup : public InitialSetupSheet, public testing::WithParamInterface<Refused> {};

TEST_P(RefusedSetup, KeepsTheSheetAndEveryValue) {
    state.prefs.InputPowerCheck = 0;  // the power field takes what is typed
    selectSystem(1, 3);
    type(kInitialSetupSheet, GetParam().field, GetParam().typed);
    InitSetupOkReturn();
    EXPECT_TRUE(platform::windowExists(kInitialSetupSheet));
    ASSERT_EQ(recorder.sheets.size(), 1u);
    EXPECT_EQ(recorder.sheets[0].window, kInitialSetupSheet);
    EXPECT_EQ(recorder.sheets[0].title, GetParam().title);
    EXPECT_EQ(platform::keyboardFocus(kInitialSetupSheet), GetParam().field);
    expectValuesKept();
}

INSTANTIATE_TEST_SUITE_P(BelowTheLimitsOrNoNumber, RefusedSetup,
                         testing::Values(Refused{10, "0.39"}, Refused{10, "W", "ALERT!   Entered text is not a number."},
                                         Refused{11, "2.9"}, Refused{11, "", "ALERT!   Entered text is not a number."},
                                         Refused{11, "1e999", "ALERT!   Entered numerical value is too large."},
                                         Refused{11, "2,5", "ALERT!   Entered text is not a number."}));

TEST_F(InitialSetupSheet, CancelKeepsTheValuesAndTheSystemSelectWindow) {
    selectSystem(1, 3);
    type(kInitialSetupSheet, 10, "55");
    type(kInitialSetupSheet, 11, "9");
    InitSetupCancel();
    EXPECT_FALSE(platform::windowExists(kInitialSetupSheet));
    EXPECT_EQ(state.shell.curentWndID, kSystemSelectWindow);
    expectValuesKept();
    systemSelectConfirm();  // Select again asks again
    EXPECT_TRUE(platform::windowExists(kInitialSetupSheet));
}

TEST_F(InitialSetupSheet, ReenteringADesignOnScreenKeepsItsViewLossFactorsAndVents) {
    InitItemBoxParameters();  // the loss factors a design has
    state.selection.SysSelTabNum = 2;
    state.selection.SysSelBtnNum = 5;  // Twin Vented
    state.selection.InitSysType = 2;
    OriginalBoxParametersPass();  // the driver in use is a whole driver
    state.speaker.FS = 50.0;
    state.speaker.VAS = 100.0;
    state.speaker.QTS = 0.4;
    state.speaker.QES = 0.435;  // a driver the driver check takes
    state.speaker.QMS = 5.0;
    state.view.s_Resp = "gd";
    state.box.QL1 = 15.0;
    state.vents.vent[2].CircVentNum = 3;
    state.selection.Alin = 2;
    ASSERT_TRUE(platform::createWindow(kResponseWindow, platform::WindowKind::Document, {100, 100, 490, 640}, "Response"));
    state.shell.InitSetSelFlag = 1;  // as the Misc menu's "Initial Setup..." opens it
    InitialSetupWnd();
    type(kInitialSetupSheet, 11, "12");
    InitSetupOkReturn();
    EXPECT_FALSE(platform::windowExists(kInitialSetupSheet));
    EXPECT_DOUBLE_EQ(state.shell.LVP, 12.0);
    EXPECT_EQ(state.view.s_Resp, "gd");
    EXPECT_DOUBLE_EQ(state.box.QL1, 15.0);
    EXPECT_EQ(state.vents.vent[2].CircVentNum, 3);
    EXPECT_EQ(state.selection.Alin, 2);
    EXPECT_EQ(state.view.ReDispWnd, 2);  // recalculated and redrawn
}

}  // namespace
}  // namespace quendal::test
