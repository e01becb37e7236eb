// The vent records while one vent is designed: the working and cancel
// copies, the Twin Serial Vented vent 1, and the vent block of a saved
// document.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "app/DesignDocument.h"
#include "response/CofCal.h"
#include "support/EngineTestSupport.h"
#include "response/VentRecords.h"
#include "response/VentSizing.h"

namespace quendal::test {
namespace {

bool sameRecord(const VentRecord& a, const VentRecord& b) { return std::memcmp(&a, &b, sizeof(VentRecord)) == 0; }

class VentRecords : public EngineTest {
protected:
    void design(int32_t tab, int32_t button, int32_t vent) {
        setDriver(40.0, 50.0, 0.4, 4.0);
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
    VentRecord& w = state.vents.working;
    w.CircVentRadio = 2;
    CircVentRadioClick();
    w.RectVentNum = 3;
    RectVentNumCalc();
    ASSERT_FALSE(sameRecord(w, before));
    VentParameterReturnForCancel();
    EXPECT_TRUE(sameRecord(state.vents.working, before));
    EXPECT_TRUE(sameRecord(state.vents.vent[2], before));
}

TEST_F(VentRecords, ANewRectangularCountDividesAnEnteredDuctsAreaAmongTheVents) {
    design(1, 3, 1);
    VentRecord& w = state.vents.working;
    w.VentTypeTab = w.RectVentRadio = 2;
    w.RectDuctWV = 120.0;
    w.RectDuctHV = 60.0;
    w.RectDuctVentInit = 1;
    RectVentRadioClick();
    w.RectVentNum = 2;
    state.shell.VentOkFlag = 1;
    RectVentNumCalc();
    EXPECT_EQ(w.RectDuctVentInit, 1);
    // Each duct's sizes kept to 0.01 mm move its area by at most 0.005 mm
    // times its width plus height.
    EXPECT_NEAR(w.RectDuctSV, 72.0, 2 * 0.005 * (w.RectDuctWV + w.RectDuctHV) / 100.0);
    EXPECT_NEAR(w.RectDuctWV / w.RectDuctHV, 2.0, 0.005 * (1.0 + 2.0) / w.RectDuctHV);
}

TEST_F(VentRecords, TwinSerialVentedVentOneIsResizedOnceAfterEachCoefficientBuild) {
    design(1, 6, 1);
    state.vents.vent[1].CircVentNum = 1;  // as a palette Calc. leaves it
    CofCal();                             // re-arms the resizing
    ParallelVentedVentOpt();
    EXPECT_EQ(state.vents.vent[1].CircVentNum, 2);
    EXPECT_NEAR(state.vents.SV11 * 1e4, designedAreaCm2(state.vents.vent[1]), 1e-9);
    state.vents.vent[1].CircVentNum = 5;
    ParallelVentedVentOpt();  // done for this build already
    EXPECT_EQ(state.vents.vent[1].CircVentNum, 5);
}

TEST_F(VentRecords, TheVentsOfASavedDesignReadBackAsDesigned) {
    design(2, 8, 1);
    state.vents.vent[2].VentTypeTab = state.vents.vent[2].RectVentRadio = 2;
    state.vents.vent[3].CircVentRadio = 2;
    state.vents.vent[3].CircVentNum = 4;
    AsVentOpt();
    // The rest of the record as a design on screen has it.
    state.selection.InitSysType = 2;
    BoxParameters& box = state.box;
    box.PopupItem1 = box.PopupItem2 = box.PopupItem3 = box.PopupItem4 = box.PopupItem5 = 3;
    state.radiator.PopupPRNum = 1;
    ProgramState read;
    std::string problem;
    ASSERT_TRUE(decodeDesignDocument(encodeDesignDocument(state), read, &problem)) << problem;
    for (int32_t v = 1; v <= 3; ++v) {
        VentRecord expected = state.vents.vent[v];
        // Diameters and sides are kept to 0.01 mm, the rest as they are.
        for (double* d : {&expected.CircPortDV, &expected.CircDuctDV, &expected.RectPortWV, &expected.RectPortHV,
                          &expected.RectDuctWV, &expected.RectDuctHV})
            *d = std::nearbyint(*d * 100.0) / 100.0;
        expected.FormSetBy = kFormSetByNobody;  // who chose the form is not stored
        EXPECT_TRUE(sameRecord(read.vents.vent[v], expected)) << "vent " << v;
    }
    EXPECT_EQ(read.vents.SV33, state.vents.SV33);
}

}  // namespace
}  // namespace quendal::test
