// The Vent Design sheet driven as a user drives it: its radios, tab, count
// popup, size fields and buttons, through the shell's rows.
#include "VentSheetFixture.h"

#include <QComboBox>
#include <QRadioButton>
#include <QTabBar>
#include <cstring>

#include "response/ReferenceLevel.h"
#include "model/ParameterPasses.h"
#include "view/ResponseRedraw.h"

namespace quendal::test {
namespace {

bool sameRecord(const VentRecord& a, const VentRecord& b) { return std::memcmp(&a, &b, sizeof(VentRecord)) == 0; }

class VentDesignSheet : public VentSheetTest {
protected:
    void chooseDucted(platform::ControlNumber radio) {
        widget(kVentDesignSheet, radio)->findChildren<QRadioButton*>().at(1)->click();
    }
    void chooseCount(platform::ControlNumber popup, int item) {
        auto* combo = qobject_cast<QComboBox*>(widget(kVentDesignSheet, popup));
        ASSERT_NE(combo, nullptr);
        combo->setCurrentIndex(item - 1);
        emit combo->activated(item - 1);
    }
    double shown(platform::ControlNumber control) { return std::stod(platform::controlText(kVentDesignSheet, control)); }
    const VentRecord& working() { return state.vents.working; }
};

TEST_F(VentDesignSheet, OpensOnThePortOfTheVentAndTheTwoBranchVentCountsInPairs) {
    state.vents.vent[1].FormSetBy = kFormSetByUser;  // a port the user chose
    openSheet(1, 6, 1, "Vent1");
    EXPECT_EQ(labelsThatDoNotFit(kVentDesignSheet), std::vector<std::string>{});
    EXPECT_EQ(platform::controlText(kVentDesignSheet, 360), "Vent1 Design");
    EXPECT_FALSE(platform::isControlVisible(kVentDesignSheet, kRectangularPane));
    // A port has no size to enter: its diameter follows from the tuning.
    EXPECT_FALSE(platform::controlExists(kVentDesignSheet, kVentSizeField));
    EXPECT_NEAR(shown(331), working().CircPortDV, 0.005);
    EXPECT_FALSE(platform::controlExists(kVentDesignSheet, kCircularCountPopup));
    EXPECT_EQ(platform::controlText(kVentDesignSheet, kCircularBranchCountPopup), "    2");
    chooseCount(kCircularBranchCountPopup, 6);
    EXPECT_EQ(working().CircVentNum, 6);
}

TEST_F(VentDesignSheet, ADuctBelowItsMinimumIsRefusedAWiderOneKeptUntilInitialize) {
    openSheet(1, 3, 1, "Vent");
    chooseDucted(kCircularRadio);
    EXPECT_EQ(labelsThatDoNotFit(kVentDesignSheet), std::vector<std::string>{});
    EXPECT_NEAR(shown(kVentSizeField), working().CircDuctDVmin, 0.005);
    const VentRecord automatic = working();
    type(kVentDesignSheet, kVentSizeField, "30");
    click(kVentDesignSheet, kVentCalcButton);
    ASSERT_EQ(recorder.sheets.size(), 1u);
    EXPECT_EQ(recorder.sheets[0].window, kVentDesignSheet);
    EXPECT_EQ(recorder.sheets[0].title, "ALERT!   Entered numerical value is too small.");
    EXPECT_EQ(recorder.sheets[0].message,
              "Diameter 30 mm; the minimum is " + platform::controlText(kVentDesignSheet, 332) + " mm.");
    EXPECT_TRUE(sameRecord(working(), automatic));
    EXPECT_EQ(platform::keyboardFocus(kVentDesignSheet), kVentSizeField);

    type(kVentDesignSheet, kVentSizeField, "75");
    click(kVentDesignSheet, kVentCalcButton);
    EXPECT_EQ(recorder.sheets.size(), 1u);
    EXPECT_EQ(working().CircDuctVentInit, 1);
    EXPECT_DOUBLE_EQ(working().CircDuctDV, 75.0);
    EXPECT_GT(working().CircDuctLV, automatic.CircDuctLV);  // more area needs a longer duct
    EXPECT_NEAR(shown(333), working().CircDuctLV, 0.005);
    click(kVentDesignSheet, kVentInitializeButton);
    EXPECT_TRUE(sameRecord(working(), automatic));
}

TEST_F(VentDesignSheet, ARectangularDuctMustReachTheMinimumAreaAndOkStoresIt) {
    openSheet(1, 3, 1, "Vent");
    widget(kVentDesignSheet, kVentTypeTab)->findChild<QTabBar*>()->setCurrentIndex(1);
    EXPECT_TRUE(platform::isControlVisible(kVentDesignSheet, kRectangularPane));
    chooseDucted(kRectangularRadio);
    ASSERT_GT(working().RectDuctSVmin, 20.0);
    type(kVentDesignSheet, kVentSizeField, "100");
    type(kVentDesignSheet, kVentSecondSizeField, "20");
    click(kVentDesignSheet, kVentOkButton);
    ASSERT_EQ(recorder.sheets.size(), 1u);
    EXPECT_EQ(recorder.sheets[0].message,
              "Area 20 sq cm; the minimum is " + platform::controlText(kVentDesignSheet, 345) + " sq cm.");
    EXPECT_TRUE(platform::windowExists(kVentDesignSheet));
    type(kVentDesignSheet, kVentSecondSizeField, "40");
    click(kVentDesignSheet, kVentOkButton);
    EXPECT_FALSE(platform::windowExists(kVentDesignSheet));
    const VentRecord& vent = state.vents.vent[1];
    EXPECT_EQ(vent.VentTypeTab, 2);
    EXPECT_DOUBLE_EQ(vent.RectDuctWV, 100.0);
    EXPECT_DOUBLE_EQ(vent.RectDuctHV, 40.0);
    EXPECT_DOUBLE_EQ(state.vents.SV11, 40.0 / 1e4);
}

TEST_F(VentDesignSheet, CancelLeavesTheVentAndItsAreaAsTheyWere) {
    openSheet(2, 7, 2, "Vent2");
    const VentRecord before = state.vents.vent[2];
    const double area = state.vents.SV22;
    chooseDucted(kCircularRadio);
    chooseCount(kCircularCountPopup, 4);
    type(kVentDesignSheet, kVentSizeField, "90");
    click(kVentDesignSheet, kVentCalcButton);
    ASSERT_FALSE(sameRecord(working(), before));
    click(kVentDesignSheet, kVentCancelButton);
    EXPECT_FALSE(platform::windowExists(kVentDesignSheet));
    EXPECT_TRUE(sameRecord(working(), before));
    EXPECT_TRUE(sameRecord(state.vents.vent[2], before));
    EXPECT_EQ(state.vents.SV22, area);
}

// The Initial Setup sheet's OK redraws the vent page, which sizes the
// two-branch vent again: in its stored record, not over the sheet's choice.
// A Calc. tries areas: Cancel leaves the air-speed scales of the areas.
TEST_F(VentDesignSheet, TheSetupKeepsTheSheetsChoiceAndCancelKeepsTheSpeedScales) {
    state.view.s_Resp = "vent";
    openSheet(1, 6, 1, "Vent1");
    widget(kVentDesignSheet, kVentTypeTab)->findChild<QTabBar*>()->setCurrentIndex(1);
    chooseDucted(kRectangularRadio);
    InitialSetupWndForVentDesign();
    InitSetupOkReturnForVentDesignWnd();
    EXPECT_EQ(working().VentTypeTab, 2);
    EXPECT_EQ(working().RectVentRadio, 2);
    // The sheet opened again over the setup: its rows once more.
    for (platform::ControlNumber c : {kVentCalcButton, kVentCancelButton})
        platform::installControlHandler(kVentDesignSheet, c, ventSheetRows, c);
    click(kVentDesignSheet, kVentCalcButton);
    click(kVentDesignSheet, kVentCancelButton);
    EXPECT_DOUBLE_EQ(state.rscales.VEL1, ventAirSpeedScale(state.vents.SV11));
}

// An 8-inch woofer at 100 W in its Vented Box: no duct of the minimum area
// fits the 35 l, and the sheet says so.
TEST_F(VentDesignSheet, AVentThatCannotReachTheMinimumInItsChamberSaysWhy) {
    setDriver(34.0, 45.0, 0.38, 4.0);
    state.speaker.SD = 214.0;
    state.power.InputPowerCheck = 0;
    state.power.PIN = 100.0;
    openSheet(1, 3, 1, "Vent");
    EXPECT_EQ(working().CircVentRadio, 2);
    EXPECT_LT(working().CircDuctSV, working().CircDuctSVmin);
    EXPECT_EQ(platform::controlText(kVentDesignSheet, 336),
              "No duct of the minimum area fits the chamber: the air is too fast.");
    EXPECT_EQ(labelsThatDoNotFit(kVentDesignSheet), std::vector<std::string>{});
}

TEST_F(VentDesignSheet, OkOnASymmetricTripleVentedDesignsVentsOneAndTwoAlike) {
    openSheet(2, 8, 1, "Vent1 & 2");
    ASSERT_TRUE(tripleVentedIsSymmetric());
    chooseDucted(kCircularRadio);
    click(kVentDesignSheet, kVentOkButton);
    EXPECT_TRUE(sameRecord(state.vents.vent[2], state.vents.vent[1]));
    EXPECT_EQ(state.vents.SV22, state.vents.SV11);
    EXPECT_NEAR(state.vents.SV11 * 1e4, state.vents.vent[1].CircDuctSVmin, 1e-9);
}

// A Vented Box of 50 L at 30 Hz with a 110 mm duct the user chose, retuned
// to 31 Hz: the vent is sized from the design's response, so the minimum
// area, the duct and its form come out the same whether the amplitude or the
// impedance page is shown (the impedance curves' own Q must not reach them).
TEST_F(VentDesignSheet, ARetuningSizesTheVentTheSameOnTheImpedancePage) {
    OriginalBoxParametersPass();  // the program's default driver in use
    InitItemBoxParameters();      // and the initial loss factors and vents
    selectSystem(1, 3, 4);  // Custom
    state.box.VB1 = 50.0;
    state.box.FB1 = 30.0;
    CofCal();
    AsVentOpt();
    state.vents.VentID = 1;
    state.vents.s_VentTitle = "Vent";
    PreVentParameterChange();
    VentParameterBackupForCancel();
    VentDesignWnd();
    for (platform::ControlNumber c : {300, 305, 307, 313, 314, 322, 323, 324, 325, 326})
        platform::installControlHandler(kVentDesignSheet, c, ventSheetRows, c);
    chooseDucted(kCircularRadio);
    type(kVentDesignSheet, kVentSizeField, "110");
    click(kVentDesignSheet, kVentOkButton);
    ASSERT_FALSE(platform::windowExists(kVentDesignSheet));
    ASSERT_DOUBLE_EQ(state.vents.vent[1].CircDuctDV, 110.0);

    const ProgramState chosen = state;
    VentRecord onPage[2];
    double modelArea[2] = {};
    const char* pages[2] = {"amp", "imp"};
    for (int i = 0; i < 2; ++i) {
        state = chosen;
        state.view.s_Resp = pages[i];
        state.box.FB1 = 31.0;
        state.view.ReDispWnd = 2;
        ReDispResposeWnd();
        onPage[i] = state.vents.vent[1];
        modelArea[i] = state.vents.SV11;
    }
    EXPECT_TRUE(sameRecord(onPage[1], onPage[0]));
    EXPECT_DOUBLE_EQ(modelArea[1], modelArea[0]);
    EXPECT_DOUBLE_EQ(onPage[1].CircDuctDV, 110.0);  // the user's duct stays
    EXPECT_EQ(onPage[1].VentForm, chosen.vents.vent[1].VentForm);
    EXPECT_GE(onPage[1].CircDuctSV, onPage[1].CircDuctSVmin);
}

}  // namespace
}  // namespace quendal::test
