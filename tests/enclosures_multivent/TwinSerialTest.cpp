// The Twin Serial unit: its worked examples (coupled resonances, dip,
// reference point), the lumped-circuit model of the enclosure, the notch,
// and the case of a vent 3 tuned so low that the system has no dip.
#include <gtest/gtest.h>

#include <cmath>

#include "MultiVentTestSupport.h"
#include "engine/ImpedancePageQ.h"
#include "enclosures/TScal.h"
#include "model/State.h"
#include "support/VentSpeedComparison.h"

namespace quendal {
namespace {

using namespace quendal::testing;

void twinSerial(int alin, double qts = 0.4) {
    resetState();
    setDriver(40.0, 60.0, qts, 4.0);
    selectBandPass(6, alin);
    state.box.QL1 = state.box.QL2 = state.box.QL3 = 7.0;
}

TEST(TwinSerial, OptimumAndDippedExamples) {
    struct Row {
        int alin;
        double fbh, fbl, dip, fb1, fb2, fb3, fRef;
    };
    for (double qts : {0.3, 0.4, 0.55}) {
        for (const Row& w : {Row{1, 1.7856, 0.67204, 1.7856, 1.5, 0.8, 1.7856, 1.0954},
                             Row{2, 3.4881, 0.68806, 3.2234, 3.0, 0.8, 1.6, 1.5492}}) {
            twinSerial(w.alin, qts);
            TScofCal();
            const BoxParameters& b = state.box;
            EXPECT_NEAR(state.ratios.AL12, 1.0 / 3.0, 1e-12);
            EXPECT_NEAR(b.FBH / 40.0, w.fbh, 1e-4);
            EXPECT_NEAR(b.FBL / 40.0, w.fbl, 1e-5);
            EXPECT_NEAR(b.DIP / 40.0, w.dip, 1e-4);
            EXPECT_NEAR(b.FB1 / 40.0, w.fb1, 1e-12);
            EXPECT_NEAR(b.FB2 / 40.0, w.fb2, 1e-12);
            EXPECT_NEAR(b.FB3 / 40.0, w.fb3, 1e-4);
            EXPECT_NEAR(state.point.f, w.fRef, 1e-4);
            // FBH and FBL are the lossless resonances of the chain: the roots
            // of the chain's polynomial without its loss terms.
            const double a1 = 1.0 / std::pow(state.ratios.HH1, 2), a2 = 1.0 / std::pow(state.ratios.HH2, 2);
            for (double F : {b.FBH, b.FBL}) {
                const double x = std::pow(F / 40.0, 2);
                EXPECT_NEAR(a1 * a2 * x * x - (a1 + (1.0 + state.ratios.AL12) * a2) * x + 1.0, 0.0, 1e-12);
            }
            EXPECT_NEAR(b.FBH * b.FBL, b.FB1 * b.FB2, 1e-9);
        }
    }
    // "Optimum" puts the dip on vent 3's tuning.
    twinSerial(1);
    TScofCal();
    EXPECT_NEAR(state.box.DIP, state.box.FB3, 1e-9);
}

// Vent 3 tuned below FS / BB1^0.5: the two outputs never cancel. The system
// has no dip, which it shows as 0 Hz rather than a value that is no number.
TEST(TwinSerial, NoDipWhenVentThreeIsTunedTooLow) {
    twinSerial(3);
    customBox(20.0, 60.0, 7.0, 60.0, 32.0, 7.0, 40.0, 12.0, 7.0);
    TScofCal();
    EXPECT_EQ(state.box.DIP, 0.0);
    EXPECT_TRUE(std::isfinite(state.coef.KNQ));
    // Just above the limit the dip is back, low and real.
    const double limitHz = 40.0 / std::sqrt(state.ratios.BB1);
    state.box.FB3 = limitHz * 1.01;
    TScofCal();
    EXPECT_GT(state.box.DIP, 0.0);
    EXPECT_LT(state.box.DIP, 20.0);
}

TEST(TwinSerial, CurvesFollowTheLumpedCircuit) {
    for (int alin : {1, 2, 3}) {
        twinSerial(alin);
        if (alin == 3) customBox(20.0, 60.0, 5.0, 60.0, 32.0, 15.0, 40.0, 70.0, 10.0);
        else state.box.QL1 = 5.0, state.box.QL2 = 15.0, state.box.QL3 = 10.0;
        TScofCal();
        const LumpedCircuit model = twinSerialCircuit();
        const int driver = model.find("driver");
        state.view.Magni = 1;
        state.rscales.XD = 1.0;
        for (double hz : gridHz()) {
            const double fn = hz / state.speaker.FS;
            atPoint(TSFRcal, fn);
            const oracle::Solution s = model.solve(evaluatedHz());
            EXPECT_NEAR(-state.point.yy, s.splDb() - 20.0 * std::log10(model.referencePressure() / 2e-5), 2e-3)
                << "system at " << hz << " Hz, alignment " << alin;
            atPoint(TSvent1FRcal, fn);
            EXPECT_NEAR(-state.point.yy, flowLevelDb(model, s, flowOf(model, s, "vent1")), 2e-3);
            atPoint(TSvent2FRcal, fn);
            EXPECT_NEAR(-state.point.yy, flowLevelDb(model, s, flowOf(model, s, "vent2")), 2e-3);
            atPoint(TSvent3FRcal, fn);
            EXPECT_NEAR(-state.point.yy, flowLevelDb(model, s, flowOf(model, s, "vent3")), 2e-3);
            atPoint(TSDPcal, fn);
            EXPECT_NEAR(state.point.yy / relativeExcursion(model, s, driver), 1.0, 1e-5) << hz;
        }
        // The input impedance of the circuit, the coil's inductance included.
        buildCurrentDriveCoefficients(TScofCal);
        const SpeakerParameters& sp = state.speaker;
        state.rscales.RES = sp.RE * sp.QMS / sp.QES;
        const LumpedCircuit withCoil = withCoilInductance(model);
        for (double hz : gridHz()) {
            atPoint(TSIMPcal, hz / sp.FS);
            const double z = std::abs(withCoil.inputImpedance(evaluatedHz()));
            EXPECT_NEAR(state.point.yyLinea, z, 2e-5 * z) << hz;
        }
    }
}

// The notch: with small losses the system output is deepest at DIP, while
// the two radiating vents pass it smoothly.
// Each vent's air speed is the peak speed of the air in that vent at the
// input power.
TEST(TwinSerial, EachVentsAirSpeedIsTheSpeedOfItsAir) {
    twinSerial(1);
    state.vents.SV11 = 0.003;
    state.vents.SV22 = 0.005;
    state.vents.SV33 = 0.002;
    test::expectPhysicalVentSpeeds(2.0, twinSerialCircuit, {{1, 1, {"vent1"}}, {2, 2, {"vent2"}}, {3, 3, {"vent3"}}},
                                   1e-4);
}

TEST(TwinSerial, NotchAtTheDipFrequency) {
    twinSerial(2);
    state.box.QL1 = state.box.QL2 = state.box.QL3 = 1e6;
    TScofCal();
    const double dip = state.box.DIP / 40.0;
    state.view.Magni = 0;
    atPoint(TSFRcal, dip);
    const double atDip = state.point.yy;
    EXPECT_GT(atDip, 60.0);
    for (double r : {0.9, 1.1}) {
        atPoint(TSFRcal, dip * r);
        EXPECT_LT(state.point.yy, atDip - 20.0);
    }
    atPoint(TSvent2FRcal, dip);
    EXPECT_LT(state.point.yy, 40.0);
    atPoint(TSvent3FRcal, dip);
    EXPECT_LT(state.point.yy, 40.0);
}

TEST(TwinSerial, LevelIsTheSameOnEveryPage) {
    twinSerial(1);
    TScofCal();
    const double level = state.coef.siftUpDwn;
    state.view.Magni = 0;
    atPoint(TSFRcal, std::sqrt(1.2));
    EXPECT_NEAR(state.point.yy, 0.0, 1e-5);
    atPoint(TSNQcal, std::sqrt(1.2));
    EXPECT_NEAR(std::hypot(state.point.xx, state.point.yy), 1.0, 1e-6);
    buildCurrentDriveCoefficients(TScofCal);
    EXPECT_DOUBLE_EQ(state.coef.siftUpDwn, level);
    EXPECT_DOUBLE_EQ(state.speaker.QTS, 0.4);
    EXPECT_DOUBLE_EQ(state.coef.D01, 1.0 / 4.0);
}

TEST(TwinSerial, PhaseNyquistAndGroupDelayAgreeWithTheOutput) {
    twinSerial(2);
    TScofCal();
    const TransferCoefficients c = state.coef;
    auto H = [&](double f) {
        const cd s(0.0, f);
        return poly({c.B11, c.B12, c.B13, c.B14}, s, 3) /
               poly({c.A01, c.A02, c.A03, c.A04, c.A05, c.A06, c.A07, c.A08, 1.0}, s);
    };
    double first = 0.0;
    bool have = false;
    downwardSweep(TSPHcal, 3.0f, [&](double f) {
        const double off = degreesFrom(state.point.yy, H(f));
        if (!have) first = off, have = true;
        EXPECT_NEAR(std::remainder(off - first, 360.0), 0.0, 1e-3) << f;
    });
    // A folded raw phase of 150 with ss = 0 is drawn at 90 degrees.
    state.point.yy2 = 150.0f;
    state.point.ss = 0.0;
    for (double f = 0.5; f < 4.0; f += 0.01) {
        state.point.yy2 = 150.0f;
        state.point.ss = 0.0;
        atPoint(TSPHcal, f);
        if (std::abs(state.point.yy2 - 150.0f) < 0.3f) {
            EXPECT_NEAR(state.point.yy, state.point.yy2 - 60.0f, 1e-4);
            break;
        }
    }
    for (double f : {0.5, 1.0, 2.0, 3.0}) {
        atPoint(TSGDcal, f);
        const double h = 1e-5;
        const double ms = -std::arg(H(f + h) / H(f - h)) / (2.0 * h) / (2.0 * 3.14159265358979323846 * 40.0) * 1000.0;
        EXPECT_NEAR(state.point.yy, ms, 1e-4 * (1.0 + std::abs(ms))) << f;
    }
}

// The step transform is the drawn system output over s: s * NUT/DET at
// s = j f has the magnitude of the unnormalised amplitude.
TEST(TwinSerial, StepTransformIsTheSystemOutputOverS) {
    twinSerial(1);
    TScofCal();
    TSStepSubstitution();
    state.view.Magni = 1;
    for (double f : {0.3, 1.0, 1.7, 4.0}) {
        const cd s(0.0, f);
        const double db = 20.0 * std::log10(std::abs(s * poly(stepNumerator(), s) / poly(stepDenominator(), s)));
        atPoint(TSFRcal, f);
        EXPECT_NEAR(-state.point.yy, db, 1e-4) << f;
    }
    EXPECT_EQ(state.step.NUO, 6);
    EXPECT_EQ(state.step.DEO, 9);
    EXPECT_EQ(state.step.NUT[5], 0.0);
    EXPECT_EQ(state.step.NUT[7], 0.0);
    EXPECT_EQ(state.step.DET[9], 1.0);
    EXPECT_EQ(state.step.DET[10], 0.0);
}

}  // namespace
}  // namespace quendal
