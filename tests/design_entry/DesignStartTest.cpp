// Which drivers a system admits: the fixed Qts ranges, and the refusal of
// drivers whose first alignment would build a box of negative or zero
// volume or tuning.
#include <gtest/gtest.h>

#include <cmath>

#include "response/CofCal.h"
#include "model/State.h"
#include "dialogs/Alerts.h"
#include "dialogs/DesignStart.h"

namespace quendal {
namespace {

class DesignStart : public testing::Test {
protected:
    void SetUp() override {
        resetState();
        SpeakerParameters& sp = state.speaker;  // the program's default driver
        sp.FS = 50.0;
        sp.VAS = 100.0;
        sp.QTS = 0.4;
        sp.QES = 0.435;
        sp.QMS = 5.0;
        sp.RE = 6.0;
        sp.SD = 200.0;
        sp.VD = 100.0;
        sp.XMAX = 5.0;
        sp.DIA = 20.0;
    }
    void TearDown() override { resetState(); }

    static DriverFit fitOf(int32_t system, double qts, double vas = 100.0) {
        state.selection.SysSelTabNum = (system - 1) / 8 + 1;
        state.selection.SysSelBtnNum = (system - 1) % 8 + 1;
        state.speaker.QTS = qts;
        state.speaker.VAS = vas;
        return driverFitForSystem(true);
    }
};

TEST_F(DesignStart, EverySystemTakesTheDefaultDriver) {
    for (int32_t system = kInfiniteBaffle; system <= kTripleVented; ++system)
        EXPECT_EQ(fitOf(system, 0.4).alertKind, 0) << "system " << system;
}

// Serial Vented "Type1" makes its first chamber Vas (2 Qts - 0.3): at Qts
// 0.15 or less the box would have no or a negative volume.
TEST_F(DesignStart, SerialVentedRefusesADriverOfQts015OrLessAsQtsTooSmall) {
    const DriverFit fit = fitOf(kSerialVented, 0.1);
    EXPECT_EQ(fit.alertKind, kAlertQtsTooSmall);
    EXPECT_GT(fit.limit, 0.15f);
    EXPECT_LE(fit.limit, 0.151f + 1e-6f);
    EXPECT_TRUE(firstAlignmentBuildable(fit.limit, true));
    EXPECT_FALSE(firstAlignmentBuildable(0.15, true));
    EXPECT_EQ(fitOf(kSerialVented, 0.16).alertKind, 0);
}

TEST_F(DesignStart, HighQtsGivesNegativeVolumesAndTuningsThatAreRefused) {
    state.selection.SysSelTabNum = 1;
    state.selection.SysSelBtnNum = 8;  // Complex Vented: negative first volume
    EXPECT_FALSE(firstAlignmentBuildable(1.5, true));
    state.selection.SysSelBtnNum = 6;  // Twin Serial Vented: negative second tuning
    EXPECT_FALSE(firstAlignmentBuildable(1.5, true));
    EXPECT_TRUE(firstAlignmentBuildable(0.6, true));
    const DriverFit fit = fitOf(kComplexVented, 1.5);
    EXPECT_EQ(fit.alertKind, kAlertQtsTooLarge);
    EXPECT_FLOAT_EQ(fit.limit, 0.9f);
}

struct RangeCase {
    int32_t system;
    double qts, vas;
    int16_t kind;
    float limit;
};
void PrintTo(const RangeCase& c, std::ostream* os) { *os << "system " << c.system << " Qts " << c.qts << " Vas " << c.vas; }

class FixedRange : public DesignStart, public testing::WithParamInterface<RangeCase> {};

TEST_P(FixedRange, FirstFailureInTheOrderQtsSmallQtsLargeVasSmall) {
    const RangeCase& c = GetParam();
    const DriverFit fit = fitOf(c.system, c.qts, c.vas);
    EXPECT_EQ(fit.alertKind, c.kind);
    EXPECT_FLOAT_EQ(fit.limit, c.limit);
}

INSTANTIATE_TEST_SUITE_P(
    Systems, FixedRange,
    testing::Values(RangeCase{kPassiveRadiator, 0.13, 100.0, kAlertQtsTooSmall, 0.14f},
                    RangeCase{kPassiveRadiator, 0.81, 100.0, kAlertQtsTooLarge, 0.8f},
                    RangeCase{kPassiveRadiator, 0.1, 0.0005, kAlertQtsTooSmall, 0.14f},
                    RangeCase{kTwinSerialVented, 0.149, 100.0, kAlertQtsTooSmall, 0.15f},
                    RangeCase{kComplexVented, 0.17, 100.0, kAlertQtsTooSmall, 0.18f},
                    RangeCase{kSerialRavezaType1, 1.01, 100.0, kAlertQtsTooLarge, 1.0f},
                    RangeCase{kSerialRavezaType1, 0.4, 0.05, 0, 0.0f}));

// A Vas so small that the first alignment's volumes are kept as 0 litres
// (under 0.005) builds no box at any Qts: the Vas alert, with no limit to
// quote where the system has no fixed range.
TEST_F(DesignStart, AVolumeKeptAsZeroIsTheVasAlert) {
    const DriverFit fit = fitOf(kSerialRavezaType1, 0.4, 0.0005);
    EXPECT_EQ(fit.alertKind, kAlertVasTooSmall);
    EXPECT_TRUE(std::isnan(fit.limit));
}

TEST_F(DesignStart, TheTrialAlignmentLeavesTheStateAsItWas) {
    state.box.VB1 = 33.0;
    state.box.QL1 = 15.0;
    state.selection.Alin = 5;
    state.view.s_Resp = "imp";
    fitOf(kSerialVented, 0.1);
    EXPECT_DOUBLE_EQ(state.box.VB1, 33.0);
    EXPECT_DOUBLE_EQ(state.box.QL1, 15.0);
    EXPECT_DOUBLE_EQ(state.speaker.QTS, 0.1);
    EXPECT_EQ(state.selection.Alin, 5);
    EXPECT_EQ(state.view.s_Resp, "imp");
}

}  // namespace
}  // namespace quendal
