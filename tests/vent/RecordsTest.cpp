// The vent records while one vent is designed: the working and cancel
// copies, the count and form changes, the Twin Serial Vented vent 1 and the
// vent block of a saved document.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/DesignDocument.h"
#include "engine/CofCal.h"
#include "support/EngineTestSupport.h"
#include "vent/VentForms.h"
#include "vent/VentRecords.h"
#include "vent/VentSizing.h"

namespace quendal::test {
namespace {

bool sameRecord(const VentRecord& a, const VentRecord& b) { return std::memcmp(&a, &b, sizeof(VentRecord)) == 0; }

class VentRecords : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        setDriver(40.0, 50.0, 0.4, 4.0);
    }
    void design(int32_t tab, int32_t button, int32_t vent) {
        selectSystem(tab, button);
        CofCal();
        AsVentOpt();
        state.vents.VentID = vent;
        PreVentParameterChange();
        VentParameterBackupForCancel();
    }
};

TEST_F(VentRecords, CancelPutsTheWorkingCopyBackAndLeavesTheVentAsItWas) {
    design(1, 5, 2);
    const VentRecord before = state.vents.vent[2];
    const double area = state.vents.SV22;
    VentRecord& w = state.vents.working;
    w.CircVentRadio = 2;
    CircVentRadioClick();
    w.CircVentNum = 3;
    CircVentNumCalc();
    w.VentTypeTab = 2;
    ASSERT_FALSE(sameRecord(w, before));
    VentParameterReturnForCancel();
    EXPECT_TRUE(sameRecord(state.vents.working, before));
    EXPECT_TRUE(sameRecord(state.vents.vent[2], before));
    EXPECT_EQ(state.vents.SV22, area);
}

TEST_F(VentRecords, TheWorkingCopyGoesBackToTheVentItWasTakenFrom) {
    design(2, 7, 3);
    state.vents.working.RectVentNum = 5;
    RectVentNumCalc();
    PostVentParameterChange();
    EXPECT_EQ(state.vents.vent[3].RectVentNum, 5);
    EXPECT_EQ(state.vents.vent[1].RectVentNum, 1);
}

TEST_F(VentRecords, ANewRectangularCountDividesAnEnteredDuctsAreaAmongTheVents) {
    design(1, 3, 1);
    VentRecord& w = state.vents.working;
    w.VentTypeTab = 2;
    w.RectVentRadio = 2;
    w.RectDuctWV = 120.0;
    w.RectDuctHV = 60.0;
    w.RectDuctVentInit = 1;
    RectVentRadioClick();
    const double total = w.RectDuctSV;
    w.RectVentNum = 2;
    state.shell.VentOkFlag = 1;
    RectVentNumCalc();
    EXPECT_EQ(w.RectDuctVentInit, 1);
    EXPECT_NEAR(w.RectDuctSV, total, 1e-9 * total);
    EXPECT_NEAR(w.RectDuctWV / w.RectDuctHV, 2.0, 1e-12);
}

TEST_F(VentRecords, TwinSerialVentedVentOneIsResizedOnceAfterEachCoefficientBuild) {
    selectSystem(1, 6);
    CofCal();
    AsVentOpt();
    state.vents.VentID = 1;
    state.vents.vent[1].CircVentNum = 1;  // as a palette Calc. leaves it
    CofCal();                             // re-arms the resizing
    ParallelVentedVentOpt();
    EXPECT_EQ(state.vents.vent[1].CircVentNum, 2);
    EXPECT_EQ(state.vents.VentCalcCount, 1);
    EXPECT_NEAR(state.vents.SV11 * 1e4, designedAreaCm2(state.vents.vent[1]), 1e-9);
    state.vents.vent[1].CircVentNum = 5;
    ParallelVentedVentOpt();  // already done for this build
    EXPECT_EQ(state.vents.vent[1].CircVentNum, 5);
    state.vents.VentID = 2;
    state.vents.VentCalcCount = 0;
    ParallelVentedVentOpt();  // another vent: nothing
    EXPECT_EQ(state.vents.VentCalcCount, 0);
}

TEST_F(VentRecords, TheVentsOfASavedDesignReadBackAsDesigned) {
    design(2, 8, 1);
    state.vents.vent[2].VentTypeTab = 2;
    state.vents.vent[2].RectVentRadio = 2;
    state.vents.vent[3].CircVentRadio = 2;
    state.vents.vent[3].CircVentNum = 4;
    AsVentOpt();
    // The rest of the record as a design on screen has it.
    state.selection.InitSysType = 2;
    BoxParameters& box = state.box;
    box.PopupItem1 = box.PopupItem2 = box.PopupItem3 = box.PopupItem4 = box.PopupItem5 = 3;
    state.radiator.PopupPRNum = 1;
    const ProgramState saved = state;
    ProgramState read;
    std::string problem;
    ASSERT_TRUE(decodeDesignDocument(encodeDesignDocument(saved), read, &problem)) << problem;
    for (int32_t v = 1; v <= 3; ++v) {
        const VentRecord &a = saved.vents.vent[v], &b = read.vents.vent[v];
        EXPECT_EQ(b.VentTypeTab, a.VentTypeTab);
        EXPECT_EQ(b.VentForm, a.VentForm);
        EXPECT_EQ(b.CircVentNum, a.CircVentNum);
        EXPECT_EQ(b.RectVentRadio, a.RectVentRadio);
        EXPECT_EQ(b.CircDuctLV, a.CircDuctLV);
        EXPECT_EQ(b.RectDuctSVmin, a.RectDuctSVmin);
        // Diameters and sides are kept to 0.01 mm.
        EXPECT_NEAR(b.CircDuctDV, a.CircDuctDV, 0.005);
        EXPECT_NEAR(b.RectDuctWV, a.RectDuctWV, 0.005);
    }
    EXPECT_EQ(read.vents.SV11, saved.vents.SV11);
    EXPECT_EQ(read.vents.SV22, saved.vents.SV22);
    EXPECT_EQ(read.vents.SV33, saved.vents.SV33);
    EXPECT_NE(read.vents.vent[3].VentForm, static_cast<int32_t>(VentForm::NotDesigned));
}

}  // namespace
}  // namespace quendal::test
