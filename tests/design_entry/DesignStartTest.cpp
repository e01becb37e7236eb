// Which drivers a system admits: the fixed Qts ranges and the refusal of
// drivers whose first alignment would build a box of negative or zero
// volume or tuning.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/CofCal.h"
#include "model/State.h"
#include "windows/Alerts.h"
#include "windows/DesignStart.h"

namespace quendal {
namespace {

class DesignStart : public testing::Test {
protected:
    void SetUp() override {
        resetState();
        SpeakerParameters& sp = state.speaker;  // the program's default driver, effective
        sp.FS = 50.0;
        sp.VAS = 100.0;
        sp.QTS = 0.4;
        sp.QES = 0.435;
        sp.QMS = 5.0;
        sp.RE = 6.0;
        sp.LE = 1.0;
        sp.SD = 200.0;
        sp.VD = 100.0;
        sp.XMAX = 5.0;
        sp.DIA = 20.0;
        sp.PEMX = 100.0;
        sp.EFI = 2.501;
    }
    void TearDown() override { resetState(); }

    static void choose(int32_t system) {
        state.selection.SysSelTabNum = (system - 1) / 8 + 1;
        state.selection.SysSelBtnNum = (system - 1) % 8 + 1;
    }
};

TEST_F(DesignStart, EverySystemTakesTheDefaultDriver) {
    for (int32_t system = kInfiniteBaffle; system <= kTripleVented; ++system) {
        choose(system);
        const DriverFit fit = driverFitForSystem(true);
        EXPECT_EQ(fit.alertKind, 0) << "system " << system;
    }
}

// Serial Vented "Type1" makes the first chamber Vas (2 Qts - 0.3): a driver
// of Qts 0.15 or less would get a box of no or negative volume.
TEST_F(DesignStart, SerialVentedRefusesADriverBelowQts015AsQtsTooSmall) {
    choose(kSerialVented);
    state.speaker.QTS = 0.1;
    const DriverFit fit = driverFitForSystem(true);
    EXPECT_EQ(fit.alertKind, kAlertQtsTooSmall);
    EXPECT_GT(fit.limit, 0.15f);
    EXPECT_LE(fit.limit, 0.151f + 1e-6f);
    EXPECT_TRUE(firstAlignmentBuildable(fit.limit, true));
    EXPECT_FALSE(firstAlignmentBuildable(0.15, true));
    state.speaker.QTS = 0.16;
    EXPECT_EQ(driverFitForSystem(true).alertKind, 0);
}

TEST_F(DesignStart, ComplexVentedRefusesAHighQtsDriverAsQtsTooLarge) {
    choose(kComplexVented);
    state.speaker.QTS = 1.5;
    EXPECT_FALSE(firstAlignmentBuildable(1.5, true));  // its fit gives a negative first volume there
    const DriverFit fit = driverFitForSystem(true);
    EXPECT_EQ(fit.alertKind, kAlertQtsTooLarge);
    EXPECT_FLOAT_EQ(fit.limit, 0.9f);
}

TEST_F(DesignStart, NegativeTuningsAreCaughtAsWellAsVolumes) {
    choose(kTwinSerialVented);  // its second tuning falls below zero for high Qts
    EXPECT_FALSE(firstAlignmentBuildable(1.5, true));
    EXPECT_TRUE(firstAlignmentBuildable(0.6, true));
}

struct RangeCase {
    int32_t system;
    double qts, vas;
    int16_t kind;
    float limit;
};

void PrintTo(const RangeCase& c, std::ostream* os) {
    *os << "system " << c.system << " Qts " << c.qts << " Vas " << c.vas;
}

class FixedRange : public DesignStart, public testing::WithParamInterface<RangeCase> {};

TEST_P(FixedRange, FirstFailureInTheOrderQtsSmallQtsLargeVasSmall) {
    const RangeCase& c = GetParam();
    choose(c.system);
    state.speaker.QTS = c.qts;
    state.speaker.VAS = c.vas;
    const DriverFit fit = driverFitForSystem(true);
    EXPECT_EQ(fit.alertKind, c.kind);
    if (c.kind != 0) {
        EXPECT_FLOAT_EQ(fit.limit, c.limit);
    }
}

INSTANTIATE_TEST_SUITE_P(
    PassiveRadiatorTwinSerialVentedComplexVentedSerialRavezaType1, FixedRange,
    testing::Values(RangeCase{kPassiveRadiator, 0.13, 100.0, kAlertQtsTooSmall, 0.14f},
                    RangeCase{kPassiveRadiator, 0.14, 100.0, 0, 0.0f},
                    RangeCase{kPassiveRadiator, 0.81, 100.0, kAlertQtsTooLarge, 0.8f},
                    RangeCase{kPassiveRadiator, 0.4, 0.0005, kAlertVasTooSmall, 0.001f},
                    RangeCase{kPassiveRadiator, 0.1, 0.0005, kAlertQtsTooSmall, 0.14f},
                    RangeCase{kTwinSerialVented, 0.149, 100.0, kAlertQtsTooSmall, 0.15f},
                    RangeCase{kTwinSerialVented, 1.0, 100.0, 0, 0.0f},
                    RangeCase{kComplexVented, 0.17, 100.0, kAlertQtsTooSmall, 0.18f},
                    RangeCase{kComplexVented, 0.4, 0.0009, kAlertVasTooSmall, 0.001f},
                    RangeCase{kSerialRavezaType1, 1.01, 100.0, kAlertQtsTooLarge, 1.0f},
                    RangeCase{kSerialRavezaType1, 0.4, 0.0005, 0, 0.0f}));

TEST_F(DesignStart, TheTrialAlignmentLeavesTheStateAsItWas) {
    choose(kSerialVented);
    state.speaker.QTS = 0.1;
    state.box.VB1 = 33.0;
    state.box.QL1 = 15.0;
    state.selection.Alin = 5;
    state.view.s_Resp = "imp";
    driverFitForSystem(true);
    EXPECT_DOUBLE_EQ(state.box.VB1, 33.0);
    EXPECT_DOUBLE_EQ(state.box.QL1, 15.0);
    EXPECT_DOUBLE_EQ(state.speaker.QTS, 0.1);
    EXPECT_EQ(state.selection.Alin, 5);
    EXPECT_EQ(state.view.s_Resp, "imp");
}

}  // namespace
}  // namespace quendal
