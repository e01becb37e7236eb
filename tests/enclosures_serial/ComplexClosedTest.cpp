// Complex Closed: alignments and resonances, the drivers' cones and
// impedances, the pair impedances, and the limit of an unbounded chamber 2.
#include <cmath>
#include <numbers>

#include "SerialTestSupport.h"
#include "engine/ImpedancePageQ.h"
#include "enclosures/CCcal.h"
#include "response/ResponseCal.h"

namespace quendal {
namespace {

using test::atF;
using test::cplx;
using test::groupDelayMs;
using test::polyAt;
using test::selectSystem;
using test::setDriver;

class ComplexClosed : public test::SerialUnitTest {
protected:
    void SetUp() override {
        SerialUnitTest::SetUp();
        setDriver(35.0, 60.0, 0.5, 4.0);
        selectSystem(1, 7, 1);
        state.box.QA1 = 10.0;
        state.box.QA2 = 10.0;
    }

    void customBox(double vb1, double vb2) {
        state.selection.Alin = 2;
        state.box.VB1 = vb1;
        state.box.VB2 = vb2;
    }

    cplx denominator(double F) const {
        const TransferCoefficients& c = state.coef;
        return polyAt({1.0, c.A01, c.A02, c.A03, c.A04}, 0, F);
    }
    cplx motional1(double F) const {
        const TransferCoefficients& c = state.coef;
        return c.D01 * polyAt({1.0, c.C21, c.C22}, 1, F) / denominator(F);
    }
    cplx motional2(double F) const {
        const TransferCoefficients& c = state.coef;
        return c.D01 * polyAt({1.0, c.B21, c.B22}, 1, F) / denominator(F);
    }
};

TEST_F(ComplexClosed, OptimumChambersFromQts) {
    struct Row {
        double qts, vb1, vb2;
    };
    const Row rows[] = {
        {0.15, 0.0375, 0.0375},
        {0.2, 0.05, 0.05},
        {0.5, 6.29578 * std::pow(0.5, 3.32193), 0.1},
        // The power law also serves above Qts 0.8.
        {1.0, 6.29578, 0.1},
    };
    for (const Row& r : rows) {
        state.speaker.QTS = r.qts;
        CCcofCal();
        EXPECT_NEAR(state.box.VB1 / 60.0, r.vb1, 1e-12) << r.qts;
        EXPECT_NEAR(state.box.VB2 / 60.0, r.vb2, 1e-12) << r.qts;
        EXPECT_NEAR(state.ratios.AL1, 1.0 / r.vb1, 1e-9);
        EXPECT_NEAR(state.ratios.AL2, 1.0 / r.vb2, 1e-9);
    }
    state.speaker.QTS = 0.8;
    CCcofCal();
    EXPECT_NEAR(state.box.VB1 / 60.0, 3.0, 1e-5);
}

// FC1 and FC2 are the natural frequencies of the coupled drivers and
// chambers: the roots of the system's own denominator without losses.
TEST_F(ComplexClosed, ResonancesAreTheRootsOfTheLosslessDenominator) {
    state.speaker.QTS = 1e9;
    state.box.QA1 = state.box.QA2 = 1e12;
    for (auto [vb1, vb2] : {std::pair{30.0, 6.0}, std::pair{200.0, 10.0}, std::pair{5.0, 50.0}}) {
        customBox(vb1, vb2);
        CCcofCal();
        const TransferCoefficients& c = state.coef;
        for (double h : {state.ratios.HH1, state.ratios.HH2}) {
            const double h2 = h * h;
            EXPECT_NEAR(h2 * h2 - c.A02 * h2 + c.A04, 0.0, 1e-9 * c.A04) << vb1 << " " << vb2;
            // Without losses the level runs off to infinity there.
            atF(h);
            CCFRcal();
            EXPECT_LT(state.point.yy, -60.0);
        }
        EXPECT_DOUBLE_EQ(state.box.FC1, state.ratios.HH1 * 35.0);
        EXPECT_DOUBLE_EQ(state.box.FC2, state.ratios.HH2 * 35.0);
    }
    // Chamber 2 without bound: the front driver at Fs, the rear one at its
    // closed-box resonance on chamber 1.
    customBox(30.0, 1e12);
    CCcofCal();
    EXPECT_NEAR(state.box.FC2, 35.0, 1e-6);
    EXPECT_NEAR(state.box.FC1, 35.0 * std::sqrt(1.0 + 60.0 / 30.0), 1e-6);
}

TEST_F(ComplexClosed, CustomAppliesEachChambersFillingFactor) {
    customBox(40.0, 10.0);
    state.box.QA1 = 5.0;
    state.box.QA2 = 7.0;
    CCcofCal();
    EXPECT_DOUBLE_EQ(state.box.VAB1, 48.0);
    EXPECT_DOUBLE_EQ(state.box.VAB2, 11.0);
    EXPECT_DOUBLE_EQ(state.ratios.AL1, 60.0 / 48.0);
    EXPECT_DOUBLE_EQ(state.ratios.AL2, 60.0 / 11.0);
    EXPECT_DOUBLE_EQ(state.box.VB1, 40.0);
}

TEST_F(ComplexClosed, ImpedanceBuildUsesMechanicalQ) {
    buildCurrentDriveCoefficients(CCcofCal);
    EXPECT_DOUBLE_EQ(state.coef.D01, 0.25);
    EXPECT_DOUBLE_EQ(state.coef.E11, 0.5);
    EXPECT_DOUBLE_EQ(state.speaker.QTS, 0.5);
    EXPECT_NEAR(state.box.VB1 / 60.0, 6.29578 * std::pow(0.5, 3.32193), 1e-12);  // box from Qts
}

// Chamber 2 without bound: the front driver, whose radiation is the total,
// becomes a driver on an infinite baffle.
TEST_F(ComplexClosed, UnboundedChamberTwoGivesTheInfiniteBaffle) {
    customBox(25.0, 1e12);
    CCcofCal();
    for (double F : {0.2, 0.7, 1.0, 1.6, 5.0}) {
        const double Fx = atF(F);
        const cplx s(0.0, Fx);
        CCFRcal();
        EXPECT_NEAR(state.point.yy, test::invertedLevel(s * s / (s * s + s / 0.5 + 1.0)), 1e-4) << F;
    }
    // Its step response is that of the second-order high-pass of Q 0.5: e^-t (1 - t).
    EulerTransform();
    CCStepSubstitution();
    for (float t : {0.5f, 1.0f, 2.0f, 3.0f}) {
        const double exact = std::exp(-t) * (1.0 - t);
        EXPECT_NEAR(InverseLaplaceTransform(t), exact, 1e-4) << t;
    }
    EXPECT_EQ(InverseLaplaceTransform(0.0f), 1.0);
}

TEST_F(ComplexClosed, RelativeDisplacementIsNormalisedToSpeakerTwo) {
    customBox(30.0, 8.0);
    CCcofCal();
    const TransferCoefficients& c = state.coef;
    state.view.Magni = 0;
    atF(1e-4);
    CCDPSP2cal();
    EXPECT_NEAR(state.point.yy, 0.0, 1e-4);
    CCDPSP1cal();
    EXPECT_NEAR(state.point.yy, -20.0 * std::log10(c.C12 / c.B12), 1e-4);
    EXPECT_DOUBLE_EQ(state.point.K1, (c.A04 / c.B12) * (c.A04 / c.B12));
    // In millimetres each cone is its free-air excursion times its transfer.
    state.view.Magni = 1;
    state.rscales.XD = 2.0;
    for (double F : {0.5, 1.3}) {
        const double Fx = atF(F);
        CCDPSP1cal();
        EXPECT_NEAR(state.point.yy, 2.0 * std::abs(polyAt({1.0, c.C11, c.C12}, 0, Fx) / denominator(Fx)), 1e-6);
        CCDPSP2optcal();
        EXPECT_NEAR(state.point.yy, 2.0 * std::abs(polyAt({1.0, c.B11, c.B12}, 0, Fx) / denominator(Fx)), 1e-6);
    }
    state.view.Magni = 2;
    state.point.yy = 42.0f;
    CCDPSP2cal();
    EXPECT_EQ(state.point.yy, 42.0f);
}

// Each speaker alone against its own network; the pair in series (whose
// motion the network of both driven gives, see the lumped-circuit
// comparison, which also holds the pair in parallel) takes twice the coil's
// resistance and inductance, summed with the motional part as complex values.
TEST_F(ComplexClosed, PairImpedancesTakeTheConnectionOfTheCoils) {
    state.view.s_Resp = "imp";
    customBox(30.0, 8.0);
    CCcofCal();
    state.speaker.RE = 4.0;
    state.rscales.RES = 40.0;
    state.rscales.ZL = 0.003;
    for (double F : {0.3, 1.0, 1.9, 4.0}) {
        const double Fx = atF(F);
        const cplx z1 = motional1(Fx), z2 = motional2(Fx);
        state.point.yy = 7.0f;
        CCIMPSP1cal();
        EXPECT_NEAR(state.point.ZVC, std::abs(z1), 1e-9);
        EXPECT_NEAR(state.point.yyLinea, std::abs(cplx(4.0, 0.003 * state.point.ff) + 40.0 * z1), 1e-4);
        CCIMPSP2cal();
        EXPECT_NEAR(state.point.ZVC, std::abs(z2), 1e-9);
        test::expectCoilsInSeriesWithTheMotionalPart([] { CCIMPserical(); }, 2.0, 4.0, 0.003);
        CCIMPparacal();
        EXPECT_EQ(state.point.yy, 7.0f);  // the impedance evaluators leave yy alone
    }
}

TEST_F(ComplexClosed, PhaseGroupDelayAndNyquist) {
    customBox(30.0, 8.0);
    CCcofCal();
    const TransferCoefficients& c = state.coef;
    auto response = [&](double F) { return polyAt({1.0, c.B11, c.B12, 0.0, 0.0}, 0, F) / denominator(F); };
    for (double F : {0.4, 1.2, 3.0}) {
        const double Fx = atF(F);
        CCGDcal();
        EXPECT_NEAR(state.point.yy, groupDelayMs(response, Fx, 1e-6, 35.0), 1e-3) << F;
        state.point.ss = 0.0;
        state.point.fai2 = 0.0;
        CCNQcal();
        const cplx p(state.point.xx, state.point.yy);
        EXPECT_NEAR(std::min(std::abs(p - response(Fx)), std::abs(p + response(Fx))), 0.0, 1e-5) << F;
    }
    // The phase: raw with no offset; an offset of -180 or -360 lifted once.
    atF(1.2);
    state.point.ss = 0.0;
    state.point.yy2 = 0.0f;
    CCPHcal();
    const float raw = state.point.yy2;
    ASSERT_GE(raw, 0.0f);
    ASSERT_LT(raw, 160.0f);
    EXPECT_EQ(state.point.yy, raw);
    state.point.ss = -180.0;
    CCPHcal();
    EXPECT_FLOAT_EQ(state.point.yy, raw);
    state.point.ss = -360.0;
    CCPHcal();
    EXPECT_FLOAT_EQ(state.point.yy, raw - 180.0f);
    // Nyquist thresholds at 2.7925 rad both ways, where no previous
    // full-quadrant angle is known and the fold rule decides.
    state.point.ss = 0.0;
    CCNQcal();
    const double fai = state.point.fai2;
    state.point.fai2 = fai - 2.8;
    state.point.prevAngle = std::nan("");
    CCNQcal();
    EXPECT_NEAR(state.point.ss, -std::numbers::pi, 1e-12);
    state.point.ss = 0.0;
    state.point.fai2 = fai - 2.7;
    state.point.prevAngle = std::nan("");
    CCNQcal();
    EXPECT_DOUBLE_EQ(state.point.ss, 0.0);
}

TEST_F(ComplexClosed, StepPolynomials) {
    customBox(30.0, 8.0);
    CCcofCal();
    CCStepSubstitution();
    const StepPolynomials& st = state.step;
    EXPECT_EQ(st.NUO, 4);
    EXPECT_EQ(st.DEO, 5);
    const double nut[] = {1.0, state.coef.B11, state.coef.B12, 0.0, 0.0};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(st.NUT[i + 1], nut[i]);
    const double det[] = {1.0, state.coef.A01, state.coef.A02, state.coef.A03, state.coef.A04, 0.0};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(st.DET[i + 1], det[i]);
}

}  // namespace
}  // namespace quendal
