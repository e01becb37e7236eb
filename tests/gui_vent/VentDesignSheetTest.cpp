// The Vent Design sheet driven as a user drives it: its radios, tab, count
// popup, size fields and buttons, through the shell's rows.
#include "VentSheetFixture.h"

#include <QComboBox>
#include <QRadioButton>
#include <QTabBar>
#include <cmath>
#include <cstring>
#include <numbers>

#include "../vent/VentPhysics.h"
#include "app/DesignDocument.h"
#include "dialogs/FieldText.h"
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
    bool red(platform::ControlNumber control) {
        return widget(kVentDesignSheet, control)->palette().color(QPalette::WindowText).redF() > 0.5;
    }
    static std::string sizeText(double v) { return fieldText(rint(v * 100.0) / 100.0); }
    // An 8-inch woofer at 100 W: in its Vented Box no duct of the minimum
    // area fits the chamber.
    void eightInchWooferAt100W() {
        setDriver(34.0, 45.0, 0.38, 4.0);
        state.speaker.RE = 5.6;
        state.speaker.LE = 1.0;
        state.speaker.SD = 214.0;
        state.power.InputPowerCheck = 0;
        state.power.PIN = state.power.PinTemp = 100.0;
    }
    // The 8-inch driver of a Custom Vented Box of 40 l tuned to 32 Hz, its
    // ports through 18 mm.
    void fortyLitresAt32Hz() {
        InitItemBoxParameters();
        state.selection.InitSysType = 2;
        state.radiator.PopupPRNum = 1;
        setDriver(30.0, 60.0, 0.35);
        state.speaker.SD = 220.0;
        state.speaker.XMAX = 6.0;
        state.power.InputPowerCheck = 0;
        state.power.PIN = state.power.PinTemp = 40.0;
        state.shell.LVP = 18.0;
        state.box.VB1 = 40.0;
        state.box.FB1 = 32.0;
    }
    // The tuning of the 40 l box by `pipes` ducts of `diameterMm`, each
    // `lengthMm` long.
    static double ductResonanceHz(double lengthMm, double diameterMm, int pipes) {
        const double a = diameterMm / 2000.0;
        return resonanceHz(ventMass(lengthMm / 1000.0, std::numbers::pi * a * a, a, pipes), 40.0);
    }
    // The peak air speed of vent 1 as the engine sweeps it at `areaCm2`.
    static double sweptSpeed(double areaCm2) {
        const double kept = state.vents.SV11;
        state.vents.SV11 = areaCm2 / 1e4;
        const double speed = ventPeakAirSpeed(1);
        state.vents.SV11 = kept;
        return speed;
    }
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

// A duct too thin for any length is refused; one below the minimum area is
// taken with its air speed; a wider one is kept until Initialize.
TEST_F(VentDesignSheet, ADuctWithoutLengthIsRefusedANarrowOneTakenAWiderOneKeptUntilInitialize) {
    openSheet(1, 3, 1, "Vent");
    chooseDucted(kCircularRadio);
    EXPECT_EQ(labelsThatDoNotFit(kVentDesignSheet), std::vector<std::string>{});
    EXPECT_NEAR(shown(kVentSizeField), working().CircDuctDVmin, 0.005);
    const VentRecord automatic = working();
    type(kVentDesignSheet, kVentSizeField, "3");
    click(kVentDesignSheet, kVentCalcButton);
    ASSERT_EQ(recorder.sheets.size(), 1u);
    EXPECT_EQ(recorder.sheets[0].window, kVentDesignSheet);
    EXPECT_EQ(recorder.sheets[0].title, "ALERT!   Entered numerical value is too small.");
    const double thinnest = shortestDuctDiameterMm(1, ventChamber(1), ventConditions(1));
    EXPECT_EQ(recorder.sheets[0].message, "Diameter 3 mm; it must be more than " + sizeText(thinnest) + " mm.");
    EXPECT_TRUE(sameRecord(working(), automatic));
    EXPECT_EQ(platform::keyboardFocus(kVentDesignSheet), kVentSizeField);

    type(kVentDesignSheet, kVentSizeField, "30");
    click(kVentDesignSheet, kVentCalcButton);
    EXPECT_EQ(recorder.sheets.size(), 1u);
    EXPECT_DOUBLE_EQ(working().CircDuctDV, 30.0);
    EXPECT_EQ(working().CircDuctVentInit, 1);
    EXPECT_TRUE(red(337));

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

TEST_F(VentDesignSheet, ARectangularDuctNeedsASizeAndOkStoresItBelowTheMinimumArea) {
    openSheet(1, 3, 1, "Vent");
    widget(kVentDesignSheet, kVentTypeTab)->findChild<QTabBar*>()->setCurrentIndex(1);
    EXPECT_TRUE(platform::isControlVisible(kVentDesignSheet, kRectangularPane));
    chooseDucted(kRectangularRadio);
    ASSERT_GT(working().RectDuctSVmin, 20.0);
    type(kVentDesignSheet, kVentSizeField, "100");
    type(kVentDesignSheet, kVentSecondSizeField, "0");
    click(kVentDesignSheet, kVentOkButton);
    ASSERT_EQ(recorder.sheets.size(), 1u);
    EXPECT_EQ(recorder.sheets[0].message, "Height 0 mm; it must be at least 0.01 mm.");
    EXPECT_TRUE(platform::windowExists(kVentDesignSheet));
    type(kVentDesignSheet, kVentSecondSizeField, "20");
    click(kVentDesignSheet, kVentOkButton);
    EXPECT_FALSE(platform::windowExists(kVentDesignSheet));
    const VentRecord& vent = state.vents.vent[1];
    EXPECT_EQ(vent.VentTypeTab, 2);
    EXPECT_DOUBLE_EQ(vent.RectDuctWV, 100.0);
    EXPECT_DOUBLE_EQ(vent.RectDuctHV, 20.0);
    EXPECT_EQ(vent.FormSetBy, kFormSetByUser);
    EXPECT_EQ(vent.VentForm, static_cast<int32_t>(VentForm::BelowMinimumArea));
    EXPECT_DOUBLE_EQ(state.vents.SV11, 20.0 / 1e4);
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

// A count chosen in the sheet sizes the vent again and keeps the form the
// sheet shows, whoever chose it: at 1 W one port through the panel carries
// the air, four of them tuning the box are too small for it and stay ports,
// their air too fast. OK keeps them through the next automatic design.
TEST_F(VentDesignSheet, ANewCountKeepsTheFormShownThroughOkAndTheNextDesign) {
    for (const int32_t setBy : {kFormSetByNobody, kFormSetByUser}) {
        SCOPED_TRACE(setBy == kFormSetByUser ? "the user's port" : "the automatic design's port");
        state.power.InputPowerCheck = 0;
        state.power.PIN = state.power.PinTemp = 1.0;
        state.vents.vent[1].FormSetBy = setBy;
        openSheet(1, 3, 1, "Vent");
        ASSERT_EQ(shapeInForce(working()), VentShape::CircularPort);
        chooseCount(kCircularCountPopup, 4);
        EXPECT_EQ(shapeInForce(working()), VentShape::CircularPort);
        EXPECT_EQ(working().VentForm, int32_t(VentForm::BelowMinimumArea));
        EXPECT_EQ(platform::controlValue(kVentDesignSheet, kCircularRadio), 1);
        click(kVentDesignSheet, kVentOkButton);
        CofCal();
        AsVentOpt();
        EXPECT_EQ(shapeInForce(state.vents.vent[1]), VentShape::CircularPort);
        EXPECT_EQ(state.vents.vent[1].CircVentNum, 4);
    }
}

// Two vents after a typed 90 mm diameter (an 8-inch driver, 40 l tuned to
// 32 Hz) are two such ducts, each tuning the box with the textbook ends;
// Ducted takes a click after Ported; and the same vent reopened from its
// document gives the same two ducts.
TEST_F(VentDesignSheet, TwoVentsAfterATypedDiameterAreTwoDuctsAsFromTheReopenedDesign) {
    fortyLitresAt32Hz();
    openSheet(1, 3, 1, "Vent", 4);
    ASSERT_EQ(shapeInForce(working()), VentShape::CircularDuct);
    type(kVentDesignSheet, kVentSizeField, "90");
    click(kVentDesignSheet, kVentCalcButton);
    chooseCount(kCircularCountPopup, 2);
    const VentRecord typed = working();
    EXPECT_EQ(shapeInForce(typed), VentShape::CircularDuct);
    EXPECT_EQ(typed.CircDuctDV, 90.0);
    EXPECT_NEAR(ductResonanceHz(typed.CircDuctLV, 90.0, 2), 32.0, kTuningTolerance * 32.0);
    widget(kVentDesignSheet, kCircularRadio)->findChildren<QRadioButton*>().at(0)->click();
    ASSERT_EQ(shapeInForce(working()), VentShape::CircularPort);
    chooseDucted(kCircularRadio);
    EXPECT_TRUE(sameRecord(working(), typed));

    chooseCount(kCircularCountPopup, 1);
    click(kVentDesignSheet, kVentOkButton);
    ProgramState read;
    std::string problem;
    ASSERT_TRUE(decodeDesignDocument(encodeDesignDocument(state), read, &problem)) << problem;
    state.vents = read.vents;
    deriveVentChoices();
    openSheet(1, 3, 1, "Vent", 4);
    chooseCount(kCircularCountPopup, 2);
    VentRecord reopened = working();
    reopened.FormSetBy = typed.FormSetBy;  // who chose the form is not stored
    EXPECT_TRUE(sameRecord(reopened, typed));
}

// A tuning typed as 320 Hz for 32 Hz leaves the user's duct no length,
// round (90 mm) or rectangular (120 x 50 mm): it stays the user's, its
// outcome says so, and the tuning meant gives it back, tuning the box with
// the textbook ends.
TEST_F(VentDesignSheet, AUsersDuctOutlivesATuningThatLeavesItNoLengthAndComesBackRetuned) {
    struct Row {
        const char* name;
        VentShape shape;
        double width, height;  // mm; a round duct's diameter and no height
    };
    for (const Row& row : {Row{"round", VentShape::CircularDuct, 90.0, 0.0},
                           Row{"rectangular", VentShape::RectangularDuct, 120.0, 50.0}}) {
        SCOPED_TRACE(row.name);
        TearDown();
        SetUp();
        fortyLitresAt32Hz();
        openSheet(1, 3, 1, "Vent", 4);
        const bool round = row.shape == VentShape::CircularDuct;
        if (!round) {
            widget(kVentDesignSheet, kVentTypeTab)->findChild<QTabBar*>()->setCurrentIndex(1);
            chooseDucted(kRectangularRadio);
            type(kVentDesignSheet, kVentSecondSizeField, QString::number(row.height));
        }
        type(kVentDesignSheet, kVentSizeField, QString::number(row.width));
        click(kVentDesignSheet, kVentOkButton);
        ASSERT_FALSE(platform::windowExists(kVentDesignSheet));
        // The tuning of the 40 l box by the duct `lengthMm` long.
        const auto tunedBy = [&](double lengthMm) {
            if (round) return ductResonanceHz(lengthMm, row.width, 1);
            const double radius = equivalentRadius(row.width, row.height) / 1000.0;
            return resonanceHz(ventMass(lengthMm / 1000.0, row.width * row.height / 1e6, radius, 1), 40.0);
        };
        for (const double tuning : {320.0, 32.0}) {
            SCOPED_TRACE(tuning);
            state.box.FB1 = tuning;
            state.view.ReDispWnd = 2;
            ReDispResposeWnd();
            const VentRecord& vent = state.vents.vent[1];
            EXPECT_EQ(shapeInForce(vent), row.shape);
            EXPECT_EQ(round ? vent.CircDuctDV : vent.RectDuctWV, row.width);
            EXPECT_EQ(round ? 0.0 : vent.RectDuctHV, row.height);
            EXPECT_EQ(round ? vent.CircDuctVentInit : vent.RectDuctVentInit, 1);
            if (tuning > 100.0) {
                // The ends of the duct alone tune the box below 320 Hz.
                EXPECT_LT(tunedBy(0.0), tuning);
                EXPECT_EQ(vent.VentForm, int32_t(VentForm::LengthNotPositive));
            } else {
                EXPECT_NEAR(tunedBy(round ? vent.CircDuctLV : vent.RectDuctLV), tuning, kTuningTolerance * tuning);
            }
        }
    }
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
    eightInchWooferAt100W();
    openSheet(1, 3, 1, "Vent");
    EXPECT_EQ(working().CircVentRadio, 2);
    EXPECT_LT(working().CircDuctSV, working().CircDuctSVmin);
    EXPECT_EQ(platform::controlText(kVentDesignSheet, 336),
              "Box too small: no duct of the minimum area fits the chamber.");
    EXPECT_EQ(labelsThatDoNotFit(kVentDesignSheet), std::vector<std::string>{});
}

// The proposal typed back is the same vent; a duct below the minimum that
// fits the box is taken, kept to 0.01 mm, with the speed the engine's sweep
// gives its area (the speed in the inverse ratio of the areas), and OK keeps
// it as the user's through a new automatic design.
TEST_F(VentDesignSheet, TheProposalTypesBackUnchangedAndANarrowerDuctIsStoredWithItsSpeed) {
    eightInchWooferAt100W();
    openSheet(1, 3, 1, "Vent");
    const VentRecord automatic = working();
    ASSERT_LT(automatic.CircDuctDV, automatic.CircDuctDVmin);
    for (const std::string& again : {platform::controlText(kVentDesignSheet, kVentSizeField),
                                    sizeText(automatic.CircDuctDV) + "0"}) {
        type(kVentDesignSheet, kVentSizeField, QString::fromStdString(again));
        click(kVentDesignSheet, kVentCalcButton);
        EXPECT_TRUE(sameRecord(working(), automatic)) << again;
    }
    double shownSpeed[2], swept[2];
    const double diameters[2] = {70.0, 70.0 / std::sqrt(2.0)};
    for (int i = 0; i < 2; ++i) {
        type(kVentDesignSheet, kVentSizeField, QString::number(diameters[i], 'g', 17));
        click(kVentDesignSheet, kVentCalcButton);
        EXPECT_DOUBLE_EQ(working().CircDuctDV, keptVentSize(diameters[i]));  // 70 and 49.5 mm
        shownSpeed[i] = shown(337);
        swept[i] = sweptSpeed(working().CircDuctSV);
        EXPECT_NEAR(shownSpeed[i], swept[i], 0.006);
        EXPECT_GT(swept[i], kVentAirSpeedLimit);
        EXPECT_TRUE(red(337));
    }
    EXPECT_NEAR(swept[1], swept[0] * (70.0 * 70.0) / (49.5 * 49.5), 1e-5 * swept[0]);
    EXPECT_TRUE(recorder.sheets.empty());

    type(kVentDesignSheet, kVentSizeField, "70");
    click(kVentDesignSheet, kVentOkButton);
    ASSERT_FALSE(platform::windowExists(kVentDesignSheet));
    CofCal();
    AsVentOpt();
    const VentRecord& vent = state.vents.vent[1];
    EXPECT_DOUBLE_EQ(vent.CircDuctDV, 70.0);
    EXPECT_EQ(vent.CircDuctVentInit, 1);
    EXPECT_EQ(vent.FormSetBy, kFormSetByUser);
    EXPECT_NEAR(state.vents.SV11, vent.CircDuctSV / 1e4, 1e-15);
    // The figure of the Vent Information page.
    EXPECT_NEAR(ventPeakAirSpeed(1), shownSpeed[0], 0.006);
}

TEST_F(VentDesignSheet, TheRectangularTabStartsFromTheCircularChoiceAndNamesItsForm) {
    eightInchWooferAt100W();
    openSheet(1, 3, 1, "Vent");
    widget(kVentDesignSheet, kVentTypeTab)->findChild<QTabBar*>()->setCurrentIndex(1);
    EXPECT_EQ(working().RectVentRadio, 2);
    EXPECT_EQ(platform::controlText(kVentDesignSheet, 344), platform::controlText(kVentDesignSheet, 334));
    EXPECT_EQ(platform::controlText(kVentDesignSheet, 341), platform::controlText(kVentDesignSheet, 342));
    EXPECT_EQ(platform::controlText(kVentDesignSheet, 347), platform::controlText(kVentDesignSheet, 337));
    EXPECT_EQ(platform::controlText(kVentDesignSheet, 346),
              "Box too small: no duct of the minimum area fits the chamber.");
    widget(kVentDesignSheet, kRectangularRadio)->findChildren<QRadioButton*>().at(0)->click();
    EXPECT_EQ(platform::controlText(kVentDesignSheet, 346),
              "Box too small: no port of the minimum area fits the chamber.");
    EXPECT_EQ(labelsThatDoNotFit(kVentDesignSheet), std::vector<std::string>{});
}

// Ported or Ducted clicked on the rectangular pane, then the circular tab
// again and OK: the form stays the automatic design's, with its kinds
// alike, as the design recalculated or read from its document makes them.
TEST_F(VentDesignSheet, AKindLeftOnTheRectangularPaneIsNotKeptForTheAutomaticForm) {
    openSheet(1, 3, 1, "Vent");
    const int32_t automaticKind = working().CircVentRadio;
    auto* tabs = widget(kVentDesignSheet, kVentTypeTab)->findChild<QTabBar*>();
    tabs->setCurrentIndex(1);
    widget(kVentDesignSheet, kRectangularRadio)->findChildren<QRadioButton*>().at(automaticKind == 2 ? 0 : 1)->click();
    tabs->setCurrentIndex(0);
    click(kVentDesignSheet, kVentOkButton);
    ASSERT_FALSE(platform::windowExists(kVentDesignSheet));
    const VentRecord& vent = state.vents.vent[1];
    EXPECT_TRUE(formIsAutomatic(vent));
    EXPECT_EQ(vent.CircVentRadio, automaticKind);
    EXPECT_EQ(vent.RectVentRadio, automaticKind);
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
    state.shell.s_VentTitle = "Vent";
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
