// The Vent Design sheet driven as a user drives it: its radios, tab, count
// popups, size fields and buttons, through the shell's rows.
#include "VentSheetFixture.h"

#include <QComboBox>
#include <QRadioButton>
#include <QTabBar>
#include <cstring>

#include "vent/VentForms.h"

namespace quendal::test {
namespace {

bool sameRecord(const VentRecord& a, const VentRecord& b) { return std::memcmp(&a, &b, sizeof(VentRecord)) == 0; }

class VentDesignSheet : public VentSheetTest {
protected:
    void chooseDucted(platform::ControlNumber radio) {
        const auto buttons = widget(kVentDesignSheet, radio)->findChildren<QRadioButton*>();
        ASSERT_EQ(buttons.size(), 2);
        buttons[1]->click();
    }
    void chooseRectangular() { widget(kVentDesignSheet, kVentTypeTab)->findChild<QTabBar*>()->setCurrentIndex(1); }
    void chooseCount(platform::ControlNumber popup, int item) {
        auto* combo = widget(kVentDesignSheet, popup)->findChild<QComboBox*>();
        if (combo == nullptr) combo = qobject_cast<QComboBox*>(widget(kVentDesignSheet, popup));
        ASSERT_NE(combo, nullptr);
        combo->setCurrentIndex(item - 1);
        emit combo->activated(item - 1);
    }
    const VentRecord& working() { return state.vents.working; }
};

TEST_F(VentDesignSheet, OpensOnTheWorkingVentWithEveryLabelInItsPlace) {
    openSheet(1, 3, 1, "Vent");
    EXPECT_EQ(labelsThatDoNotFit(kVentDesignSheet), std::vector<std::string>{});
    EXPECT_EQ(platform::controlText(kVentDesignSheet, 360), "Vent Design");
    EXPECT_TRUE(platform::isControlVisible(kVentDesignSheet, kCircularPane));
    EXPECT_FALSE(platform::isControlVisible(kVentDesignSheet, kRectangularPane));
    EXPECT_TRUE(platform::controlExists(kVentDesignSheet, kCircularCountPopup));
    EXPECT_FALSE(platform::controlExists(kVentDesignSheet, kCircularBranchCountPopup));
    // A port has no size to enter: its diameter follows from the tuning.
    EXPECT_FALSE(platform::controlExists(kVentDesignSheet, kVentSizeField));
    EXPECT_NEAR(number(kVentDesignSheet, 331), working().CircPortDV, 0.005);
    EXPECT_DOUBLE_EQ(number(kVentDesignSheet, 333), state.shell.LVP);
}

TEST_F(VentDesignSheet, TheTwoBranchVentCountsInPairs) {
    openSheet(1, 6, 1, "Vent1");
    EXPECT_EQ(labelsThatDoNotFit(kVentDesignSheet), std::vector<std::string>{});
    EXPECT_TRUE(platform::controlExists(kVentDesignSheet, kCircularBranchCountPopup));
    EXPECT_FALSE(platform::controlExists(kVentDesignSheet, kCircularCountPopup));
    EXPECT_EQ(platform::controlText(kVentDesignSheet, kCircularBranchCountPopup), "    2");
    chooseCount(kCircularBranchCountPopup, 6);
    EXPECT_EQ(working().CircVentNum, 6);
    EXPECT_EQ(platform::controlText(kVentDesignSheet, kCircularBranchCountPopup), "    6");
}

TEST_F(VentDesignSheet, ADuctBelowItsMinimumDiameterIsRefusedAndNothingChanges) {
    openSheet(1, 3, 1, "Vent");
    chooseDucted(kCircularRadio);
    ASSERT_TRUE(platform::controlExists(kVentDesignSheet, kVentSizeField));
    const double minimum = working().CircDuctDVmin;
    EXPECT_NEAR(number(kVentDesignSheet, kVentSizeField), minimum, 0.005);
    const VentRecord before = working();
    type(kVentDesignSheet, kVentSizeField, "30");
    click(kVentDesignSheet, kVentCalcButton);
    ASSERT_EQ(recorder.sheets.size(), 1u);
    EXPECT_EQ(recorder.sheets[0].window, kVentDesignSheet);
    EXPECT_EQ(recorder.sheets[0].title, "ALERT!   Entered numerical value is too small.");
    EXPECT_EQ(recorder.sheets[0].message,
              "Diameter 30 mm; the minimum is " + platform::controlText(kVentDesignSheet, 332) + " mm.");
    EXPECT_TRUE(sameRecord(working(), before));
    EXPECT_EQ(platform::keyboardFocus(kVentDesignSheet), kVentSizeField);
}

TEST_F(VentDesignSheet, AWiderDuctIsKeptLongerUntilInitialize) {
    openSheet(1, 3, 1, "Vent");
    chooseDucted(kCircularRadio);
    const double automaticLength = working().CircDuctLV;
    type(kVentDesignSheet, kVentSizeField, "75");
    click(kVentDesignSheet, kVentCalcButton);
    EXPECT_TRUE(recorder.sheets.empty());
    EXPECT_EQ(working().CircDuctVentInit, 1);
    EXPECT_DOUBLE_EQ(working().CircDuctDV, 75.0);
    EXPECT_GT(working().CircDuctLV, automaticLength);  // more area needs more mass
    EXPECT_NEAR(number(kVentDesignSheet, 333), working().CircDuctLV, 0.005);
    click(kVentDesignSheet, kVentInitializeButton);
    EXPECT_EQ(working().CircDuctVentInit, 0);
    EXPECT_DOUBLE_EQ(working().CircDuctDV, working().CircDuctDVmin);
}

TEST_F(VentDesignSheet, ARectangularDuctTakesWidthAndHeightAndItsAreaMustReachTheMinimum) {
    openSheet(1, 3, 1, "Vent");
    chooseRectangular();
    EXPECT_EQ(working().VentTypeTab, 2);
    EXPECT_TRUE(platform::isControlVisible(kVentDesignSheet, kRectangularPane));
    chooseDucted(kRectangularRadio);
    ASSERT_TRUE(platform::controlExists(kVentDesignSheet, kVentSecondSizeField));
    const double minimum = working().RectDuctSVmin;
    type(kVentDesignSheet, kVentSizeField, "100");
    type(kVentDesignSheet, kVentSecondSizeField, "20");  // 20 sq cm
    ASSERT_GT(minimum, 20.0);
    click(kVentDesignSheet, kVentCalcButton);
    ASSERT_EQ(recorder.sheets.size(), 1u);
    EXPECT_EQ(recorder.sheets[0].message,
              "Area 20 sq cm; the minimum is " + platform::controlText(kVentDesignSheet, 345) + " sq cm.");
    type(kVentDesignSheet, kVentSecondSizeField, "40");
    click(kVentDesignSheet, kVentOkButton);
    EXPECT_EQ(recorder.sheets.size(), 1u);
    EXPECT_FALSE(platform::windowExists(kVentDesignSheet));
    const VentRecord& vent = state.vents.vent[1];
    EXPECT_DOUBLE_EQ(vent.RectDuctWV, 100.0);
    EXPECT_DOUBLE_EQ(vent.RectDuctHV, 40.0);
    EXPECT_EQ(vent.RectDuctVentInit, 1);
    EXPECT_DOUBLE_EQ(state.vents.SV11, 40.0 / 1e4);
}

TEST_F(VentDesignSheet, ARectangularPortTakesItsWidthAndDerivesItsHeight) {
    openSheet(1, 6, 1, "Vent1");
    chooseRectangular();
    ASSERT_TRUE(platform::controlExists(kVentDesignSheet, kVentSizeField));
    EXPECT_FALSE(platform::controlExists(kVentDesignSheet, kVentSecondSizeField));
    const PortWidths widths = rectangularPortWidths(2, ventChamber(1), ventConditions(1));
    ASSERT_EQ(widths.kind, PortWidths::Kind::Between);
    type(kVentDesignSheet, kVentSizeField, "1");
    click(kVentDesignSheet, kVentCalcButton);
    ASSERT_EQ(recorder.sheets.size(), 1u);
    EXPECT_EQ(recorder.sheets[0].title, "ALERT!   Entered numerical value is too small.");
    type(kVentDesignSheet, kVentSizeField, QString::number(widths.lowMm + 1.0));
    click(kVentDesignSheet, kVentCalcButton);
    EXPECT_EQ(recorder.sheets.size(), 1u);
    EXPECT_EQ(working().RectPortVentInit, 1);
    EXPECT_GT(working().RectPortHV, working().RectPortWV);  // narrower than the square: taller
    EXPECT_EQ(working().VentForm, static_cast<int32_t>(VentForm::Realisable));
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

TEST_F(VentDesignSheet, OkOnASymmetricTripleVentedDesignsVentsOneAndTwoAlike) {
    openSheet(2, 8, 1, "Vent1 & 2");
    ASSERT_TRUE(tripleVentedIsSymmetric());
    chooseDucted(kCircularRadio);
    click(kVentDesignSheet, kVentOkButton);
    EXPECT_TRUE(sameRecord(state.vents.vent[2], state.vents.vent[1]));
    EXPECT_EQ(state.vents.SV22, state.vents.SV11);
    EXPECT_NEAR(state.vents.SV11 * 1e4, state.vents.vent[1].CircDuctSVmin, 1e-9);
}

}  // namespace
}  // namespace quendal::test
