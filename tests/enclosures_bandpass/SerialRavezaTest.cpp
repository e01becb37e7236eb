// The Serial Raveza Type1 and Type2 units: alignments, level, limits and
// evaluators against exact complex arithmetic.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "enclosures/SK1cal.h"
#include "engine/ImpedancePageQ.h"
#include "enclosures/SK2cal.h"
#include "model/State.h"
#include "support/BandPassTestSupport.h"

namespace quendal {
namespace {

using namespace quendal::testing;
constexpr double kPi = std::numbers::pi;

void serialRaveza(int button, int alin, double QTS = 0.4, double QA = 10.0, double QL = 7.0) {
    resetState();
    setDriver(40.0, 50.0, QTS, 4.0);
    selectBandPass(button, alin);
    state.box.QA = state.box.QA1 = QA;
    state.box.QL1 = state.box.QL2 = QL;
}

cd sixthD(cd s) {
    const TransferCoefficients& c = state.coef;
    return poly({c.A01, c.A02, c.A03, c.A04, c.A05, c.A06, c.A07}, s);
}
cd outputH(double f) { const cd s(0.0, f); return state.coef.B05 * s * s / sixthD(s); }
cd coneB(cd s) {
    const TransferCoefficients& c = state.coef;
    return poly({c.B01, c.B02, c.B03, c.B04, c.B05}, s);
}
cd chamberPoly(cd s) { return poly({state.coef.B07, state.coef.B08, 1.0}, s); }

// ---- Serial Raveza Type1 ----------------------------------------------------

TEST(SerialRavezaType1, OptimumChambersByQtsBand) {
    struct Case { int alin; double qts; double vb3OverVas; };
    // The last band is open-ended: a Qts above 1 gets the chamber of Qts 1.
    const Case cases[] = {{1, 0.3, 0.35}, {1, 0.8, 0.35}, {1, 1.0, 0.4}, {1, 1.3, 0.4},
                          {2, 0.3, 0.4}, {2, 0.4, 0.5}, {2, 0.8, 0.5}, {2, 1.0, 0.6}, {2, 1.3, 0.6}};
    for (const Case& c : cases) {
        serialRaveza(3, c.alin, c.qts);
        state.box.VB3 = 123.0;  // a stale value must not survive
        SK1cofCal();
        EXPECT_NEAR(state.box.VB3, c.vb3OverVas * 50.0, 1e-12) << c.alin << " " << c.qts;
        EXPECT_NEAR(state.ratios.AL3, 1.0 / c.vb3OverVas, 1e-12);
    }
    serialRaveza(3, 1);
    SK1cofCal();
    EXPECT_DOUBLE_EQ(state.box.VB1, 25.0);
    EXPECT_NEAR(state.box.VB2, 50.0 * 0.25, 1e-12);
    EXPECT_DOUBLE_EQ(state.box.FB2, 96.0);
    EXPECT_DOUBLE_EQ(state.box.FB3, 60.0);
    EXPECT_FLOAT_EQ(state.point.f, 1.725f);  // the level's reference, 1.15 FB3
    serialRaveza(3, 2);
    SK1cofCal();
    EXPECT_DOUBLE_EQ(state.box.VB1, 50.0);
    EXPECT_DOUBLE_EQ(state.box.FB2, 80.0);
    EXPECT_DOUBLE_EQ(state.box.FB3, 52.0);
}

TEST(SerialRavezaType1, FillingFactorAndImpedanceQ) {
    for (int alin : {1, 2, 3}) {
        for (auto [qa, cp] : {std::pair{5.0, 1.2}, {7.0, 1.1}, {20.0, 1.0}}) {
            serialRaveza(3, alin, 0.4, qa);
            state.box.VB1 = 30.0; state.box.VB2 = 12.0; state.box.VB3 = 20.0;
            state.box.FB2 = 90.0; state.box.FB3 = 55.0;
            SK1cofCal();
            EXPECT_NEAR(state.box.VAB, cp * state.box.VB1, 1e-12);
        }
    }
    serialRaveza(3, 1);
    SK1cofCal();
    const double knq = state.coef.KNQ, qtc = state.box.QTC;
    buildCurrentDriveCoefficients(SK1cofCal);
    EXPECT_NEAR(state.coef.B06, 0.25, 1e-12);
    EXPECT_DOUBLE_EQ(state.speaker.QTS, 0.4);
    EXPECT_DOUBLE_EQ(state.box.QTC, qtc);
    EXPECT_DOUBLE_EQ(state.coef.KNQ, knq);
}

TEST(SerialRavezaType1, CoupledResonancesAreWhereTheLossFreeConeStandsStill) {
    serialRaveza(3, 3, 0.4, 10.0, 1e12);
    state.box.VB1 = 30.0; state.box.VB2 = 12.0; state.box.VB3 = 20.0;
    state.box.FB2 = 90.0; state.box.FB3 = 55.0;
    SK1cofCal();
    EXPECT_GT(state.box.FBH, state.box.FBL);
    for (double hz : {state.box.FBH, state.box.FBL})
        EXPECT_NEAR(std::abs(coneB(cd(0.0, hz / 40.0))), 0.0, 1e-9) << hz;
    // Their product is the product of the two tunings.
    EXPECT_NEAR(state.box.FBH * state.box.FBL, 90.0 * 55.0, 1e-9);
}

TEST(SerialRavezaType1, LevelLimitsAndEvaluators) {
    serialRaveza(3, 3, 0.35, 7.0, 5.0);
    state.box.VB1 = 30.0; state.box.VB2 = 12.0; state.box.VB3 = 20.0;
    state.box.FB2 = 90.0; state.box.FB3 = 55.0;
    SK1cofCal();
    const TransferCoefficients& c = state.coef;
    const double fRef = static_cast<double>(static_cast<float>(1.15 * 55.0 / 40.0));
    EXPECT_NEAR(c.siftUpDwn, -20.0 * std::log10(std::abs(outputH(fRef))), 1e-9);
    state.view.Magni = 0;
    atPoint(SK1vent2FRcal, fRef);
    EXPECT_NEAR(state.point.yy, 0.0, 1e-5);

    // The lowest frequencies: the relative displacement at 0 dB, the power
    // rating at P1 A07^2, both vents' air moving their scale over A07 (their
    // speeds rise with f).
    state.rscales.P1 = 3.0;
    state.rscales.VEL1 = 2.0;
    state.rscales.VEL2 = 5.0;
    atPoint(SK1DPcal, 1e-4);
    EXPECT_NEAR(state.point.yy, 0.0, 1e-4);
    atPoint(SK1PWcal, 1e-4);
    EXPECT_NEAR(state.point.yyLinea, 3.0 * c.A07 * c.A07, 1e-3);
    atPoint(SK1vent1AScal, 1e-4);
    EXPECT_NEAR(state.point.yy / state.point.f, 2.0 / c.A07, 1e-4);
    atPoint(SK1vent2AScal, 1e-4);
    EXPECT_NEAR(state.point.yy / state.point.f, 5.0 / c.A07, 1e-4);

    state.rscales.XD = 1.5;
    for (double hz : gridHz()) {
        const double f = static_cast<double>(static_cast<float>(hz / 40.0));
        const cd s(0.0, f);
        const cd D = sixthD(s);
        state.view.Magni = 1;
        atPoint(SK1vent2FRcal, f);
        EXPECT_NEAR(state.point.yy, -20.0 * std::log10(std::abs(outputH(f))), 1e-4);
        atPoint(SK1vent1FRcal, f);
        EXPECT_NEAR(state.point.yy, -20.0 * std::log10(std::abs(outputH(f) * chamberPoly(s))), 1e-4);
        atPoint(SK1DPcal, f);
        EXPECT_NEAR(state.point.yy / (1.5 * std::abs(coneB(s) / D)), 1.0, 1e-6);
        atPoint(SK1vent1AScal, f);
        EXPECT_NEAR(state.point.yy / (2.0 * f * std::abs(chamberPoly(s) / D)), 1.0, 1e-6);
        const double dh = 1e-6 * f;
        atPoint(SK1GDcal, f);
        EXPECT_NEAR(state.point.yy, -std::arg(outputH(f + dh) / outputH(f - dh)) / (2 * dh) / (2 * kPi * 40.0) * 1000.0,
                    2e-3);
    }
}

// The phase page and the Nyquist point follow the output with a fixed offset
// over whole downward sweeps (the unwrapping never slips).
template <typename H>
void expectSteadyOffsets(void (*phase)(), void (*nyquist)(), H h) {
    double phaseOffset = NAN, nyquistOffset = NAN;
    downwardSweep(phase, 3.0f, [&](double f) {
        double yy = state.point.yy;
        if (yy < 0.0) yy += 360.0;
        if (yy > 360.0) yy -= 360.0;
        const double off = degreesFrom(yy, h(f));
        if (std::isnan(phaseOffset)) phaseOffset = off;
        EXPECT_NEAR(std::remainder(off - phaseOffset, 360.0), 0.0, 1e-3) << f;
    });
    downwardSweep(nyquist, 4.0f, [&](double f) {
        const cd point(state.point.xx, state.point.yy);
        EXPECT_NEAR(std::abs(point), state.coef.KNQ * std::abs(h(f)), 1e-5 * (1.0 + std::abs(point)));
        if (std::abs(point) < 1e-4) return;  // no angle to speak of
        const double off = degreesFrom(std::arg(point) * 180.0 / kPi, h(f));
        if (std::isnan(nyquistOffset)) nyquistOffset = off;
        EXPECT_NEAR(std::remainder(off - nyquistOffset, 360.0), 0.0, 1e-2) << f;
    });
    // The Nyquist angle lies half a turn from the phase page.
    EXPECT_NEAR(std::abs(std::remainder(phaseOffset - nyquistOffset, 360.0)), 180.0, 1e-2);
}

TEST(SerialRavezaType1, PhaseAndNyquistFollowTheOutput) {
    serialRaveza(3, 1);
    SK1cofCal();
    expectSteadyOffsets(SK1PHcal, SK1NQcal, outputH);
}

TEST(SerialRavezaType1, StepPolynomialsAreTheOutputOverS) {
    serialRaveza(3, 2);
    SK1cofCal();
    SK1StepSubstitution();
    ASSERT_EQ(state.step.NUO, 2);
    ASSERT_EQ(state.step.DEO, 7);
    for (cd s : {cd(0.3, 1.1), cd(-0.2, 2.5)})
        EXPECT_LT(std::abs(poly(stepNumerator(), s) / poly(stepDenominator(), s) - s * s / sixthD(s) / s), 1e-12);
}

// ---- Serial Raveza Type2 ----------------------------------------------------

TEST(SerialRavezaType2, OptimumChambersByQtsBand) {
    serialRaveza(4, 1, 0.3);
    SK2cofCal();
    EXPECT_NEAR(state.box.VB1, 0.3375 * 50.0, 1e-12);
    EXPECT_NEAR(state.box.VB2, 0.1875 * 50.0, 1e-12);
    EXPECT_NEAR(state.box.FB1, 52.0, 1e-12);
    EXPECT_NEAR(state.box.FB2, 1.575 * 40.0, 1e-12);
    // Qts 0.4 takes the first band; both bands meet there.
    for (double qts : {0.4, 0.4 + 1e-12}) {
        serialRaveza(4, 1, qts);
        SK2cofCal();
        EXPECT_NEAR(state.box.VB1, 0.45 * 50.0, 1e-9);
        EXPECT_NEAR(state.box.VB2, 0.25 * 50.0, 1e-9);
        EXPECT_NEAR(state.box.FB2, 1.5 * 40.0, 1e-9);
        serialRaveza(4, 2, qts);
        SK2cofCal();
        EXPECT_NEAR(state.box.VB1, 0.65 * 50.0, 1e-9);
        EXPECT_NEAR(state.box.VB2, 0.45 * 50.0, 1e-9);
    }
    // Custom takes the box as entered.
    serialRaveza(4, 3);
    state.box.VB1 = 20.0; state.box.VB2 = 10.0; state.box.FB1 = 50.0; state.box.FB2 = 60.0;
    SK2cofCal();
    EXPECT_DOUBLE_EQ(state.ratios.AL12, 2.0);
    EXPECT_DOUBLE_EQ(state.ratios.HH1, 1.25);
    EXPECT_DOUBLE_EQ(state.box.VB1, 20.0);
}

TEST(SerialRavezaType2, LevelLimitsAndEachVentWithItsOwnFlow) {
    serialRaveza(4, 3, 0.35, 10.0, 5.0);
    state.box.VB1 = 20.0; state.box.VB2 = 10.0; state.box.FB1 = 50.0; state.box.FB2 = 62.0;
    SK2cofCal();
    const TransferCoefficients& c = state.coef;
    const double fRef = static_cast<double>(static_cast<float>(50.0 / 40.0));
    EXPECT_NEAR(c.siftUpDwn, -20.0 * std::log10(std::abs(outputH(fRef))), 1e-9);
    state.view.Magni = 0;
    atPoint(SK2vent2FRcal, fRef);
    EXPECT_NEAR(state.point.yy, 0.0, 1e-5);

    state.rscales.P1 = 3.0;
    state.rscales.VEL1 = 2.0;
    state.rscales.VEL2 = 5.0;
    atPoint(SK2DPcal, 1e-4);
    EXPECT_NEAR(state.point.yy, 0.0, 1e-4);
    atPoint(SK2PWcal, 1e-4);
    EXPECT_NEAR(state.point.yyLinea, 3.0, 1e-3);
    atPoint(SK2vent1AScal, 1e-4);
    EXPECT_NEAR(state.point.yy / state.point.f, 2.0, 1e-4);
    atPoint(SK2vent2AScal, 1e-4);
    EXPECT_NEAR(state.point.yy / state.point.f, 5.0, 1e-4);

    // At chamber 2's tuning the chamber and vent 2 resonate and take their
    // drive from vent 1 with little flow: vent 1's air nearly stands while
    // vent 2's is fast. Vent 1 carries the flow of its own amplitude curve.
    const double h2 = 62.0 / 40.0;
    atPoint(SK2vent1AScal, h2);
    const double vent1 = state.point.yy;
    atPoint(SK2vent2AScal, h2);
    const double vent2 = state.point.yy;
    EXPECT_LT(vent1 / 2.0, 0.25 * vent2 / 5.0);
    state.rscales.XD = 1.5;
    for (double hz : gridHz()) {
        const double f = static_cast<double>(static_cast<float>(hz / 40.0));
        const cd s(0.0, f);
        const cd D = sixthD(s);
        state.view.Magni = 1;
        atPoint(SK2vent1FRcal, f);
        const double vent1Level = state.point.yy;
        atPoint(SK2vent1AScal, f);
        // The vent-1 level is its air speed (over VEL1) times s.
        EXPECT_NEAR(vent1Level, -20.0 * std::log10(state.point.yy / 2.0 * f), 1e-4);
        atPoint(SK2vent2AScal, f);
        EXPECT_NEAR(state.point.yy / (5.0 * f / std::abs(D)), 1.0, 1e-6);
        atPoint(SK2DPcal, f);
        EXPECT_NEAR(state.point.yy / (state.rscales.XD * std::abs(coneB(s) / D)), 1.0, 1e-6);
    }
}

TEST(SerialRavezaType2, PhaseAndNyquistFollowTheOutput) {
    serialRaveza(4, 1);
    SK2cofCal();
    expectSteadyOffsets(SK2PHcal, SK2NQcal, outputH);
}

TEST(SerialRavezaType2, StepPolynomialsAreTheStepResponse) {
    // H(s)/s, like every other band-pass system: the step graph shows the
    // response to a step, not its integral.
    serialRaveza(4, 2);
    SK2cofCal();
    SK2StepSubstitution();
    ASSERT_EQ(state.step.NUO, 2);
    ASSERT_EQ(state.step.DEO, 7);
    for (cd s : {cd(0.3, 1.1), cd(-0.2, 2.5)})
        EXPECT_LT(std::abs(poly(stepNumerator(), s) / poly(stepDenominator(), s) - s * s / sixthD(s) / s), 1e-12);
}

}  // namespace
}  // namespace quendal
