// The Passive Raveza unit against its worked examples, the loss-free limit
// and exact complex arithmetic.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "enclosures/PKcal.h"
#include "engine/ImpedancePageQ.h"
#include "model/State.h"
#include "support/BandPassTestSupport.h"

namespace quendal {
namespace {

using namespace quendal::testing;
constexpr double kPi = std::numbers::pi;

void passiveRaveza(int alin, double QA1 = 10.0, double QL1 = 7.0, double QTS = 0.4) {
    resetState();
    setDriver(40.0, 50.0, QTS);
    SpeakerParameters& sp = state.speaker;
    sp.DIA = 20.0; sp.VD = 100.0; sp.SD = 200.0; sp.XMAX = 5.0;
    selectBandPass(2, alin);
    state.box.QA = state.box.QA1 = QA1;
    state.box.QL1 = QL1;
}

cd pkD(cd s) {
    const TransferCoefficients& c = state.coef;
    return poly({c.A01, c.A02, c.A03, c.A04, c.A05, c.A06}, s, -1);
}
cd pkH(double f) { const cd s(0.0, f); return state.coef.B05 * s * s / pkD(s); }

TEST(PassiveRaveza, WorkedExamplesType1AndType2) {
    passiveRaveza(1);
    PKcofCal();
    const double FS = 40.0;
    EXPECT_NEAR(state.radiator.FP, 0.58 * FS, 1e-4);
    EXPECT_NEAR(state.box.VB2, 0.15 * 50.0, 1e-12);
    EXPECT_DOUBLE_EQ(state.radiator.VAP, 50.0);
    EXPECT_NEAR(state.ratios.DL2, 6.6667, 1e-4);
    EXPECT_NEAR(state.box.FB2, 1.6059 * FS, 1e-3 * FS);
    EXPECT_NEAR(state.ratios.AL1, 1.0, 1e-12);
    EXPECT_NEAR(state.ratios.HH1, 1.41421, 1e-5);
    EXPECT_NEAR(state.coef.KX2, 2.8696, 1e-4);
    EXPECT_NEAR(state.box.QTC, 0.55013, 1e-5);
    // The radiator takes the driver's size and a Q of 5.
    EXPECT_DOUBLE_EQ(state.radiator.PRSD, 200.0);
    EXPECT_DOUBLE_EQ(state.radiator.PRXMAX, 5.0);
    EXPECT_DOUBLE_EQ(state.radiator.QP, 5.0);

    passiveRaveza(2);
    PKcofCal();
    EXPECT_NEAR(state.radiator.FP, 0.66 * FS, 1e-4);
    EXPECT_NEAR(state.box.FB2, 1.8275 * FS, 1e-3 * FS);
    EXPECT_NEAR(state.ratios.AL1, 2.0, 1e-12);
    EXPECT_NEAR(state.ratios.HH1, 1.73205, 1e-5);
    EXPECT_NEAR(state.coef.KX2, 3.8696, 1e-4);
}

TEST(PassiveRaveza, RadiatorFitIsContinuousAndFollowsTheLossChoice) {
    struct Case { double r; double fpOverFs; };
    const Case cases[] = {{0.25, 0.81917}, {0.5, 0.66}, {1.0, 0.58}, {2.0, 0.52}, {3.0, 0.51}, {4.0, 0.5}};
    for (const Case& c : cases) {
        passiveRaveza(3);
        state.box.VB1 = c.r * 50.0;
        PKcofCal();
        EXPECT_NEAR(state.radiator.FP / 40.0, c.fpOverFs, 2e-5) << c.r;
        EXPECT_DOUBLE_EQ(state.box.VB1, c.r * 50.0);
    }
    // Either side of the joins the fit moves by no more than its slope allows.
    for (double join : {0.5, 2.0}) {
        passiveRaveza(3);
        state.box.VB1 = join * 50.0 * (1 - 1e-9);
        PKcofCal();
        const double below = state.radiator.FP;
        state.box.VB1 = join * 50.0 * (1 + 1e-9);
        PKcofCal();
        EXPECT_NEAR(state.radiator.FP, below, 1e-4) << join;
    }
    // Loss choice 5, 7 and 10 make the damped chamber count 1.2, 1.1, 1.0 times
    // its volume, whatever the alignment, also on the first calculation.
    for (int alin : {1, 2, 3, 5}) {
        for (auto [qa, cp] : {std::pair{5.0, 1.2}, {7.0, 1.1}, {10.0, 1.0}}) {
            passiveRaveza(alin, qa);
            state.box.VB1 = 30.0;
            state.box.VB2 = 10.0;
            state.radiator.FP = 25.0;
            state.radiator.VAP = 40.0;
            state.radiator.QP = 6.0;
            PKcofCal();
            EXPECT_NEAR(state.box.VAB, cp * state.box.VB1, 1e-12) << alin << " " << qa;
        }
    }
}

TEST(PassiveRaveza, CustomKeepsTheEnteredRadiatorAndBox) {
    passiveRaveza(5);
    state.box.VB1 = 30.0;
    state.box.VB2 = 10.0;
    state.radiator.FP = 25.0;
    state.radiator.VAP = 40.0;
    state.radiator.QP = 6.0;
    state.radiator.PRSD = 300.0;
    PKcofCal();
    EXPECT_DOUBLE_EQ(state.box.VB2, 10.0);
    EXPECT_DOUBLE_EQ(state.radiator.FP, 25.0);
    EXPECT_DOUBLE_EQ(state.radiator.QP, 6.0);
    EXPECT_DOUBLE_EQ(state.radiator.PRSD, 300.0);
    EXPECT_NEAR(state.ratios.DL2, 4.0, 1e-12);
    EXPECT_NEAR(state.box.FB2, 25.0 * std::sqrt(5.0), 1e-9);
    EXPECT_NEAR(state.ratios.Y0, 25.0 / 40.0, 1e-12);

    // "Apply Entered P.R. Unit": the entered unit times the number of
    // radiators becomes the radiator in use.
    passiveRaveza(4);
    state.box.VB1 = 30.0;
    state.box.VB2 = 10.0;
    PassiveRadiatorParameters& pr = state.radiator;
    pr.FPOrg = 22.0; pr.VAPOrg = 15.0; pr.QPOrg = 7.0; pr.PRSDOrg = 150.0; pr.PRVDOrg = 50.0;
    pr.PRDIAOrg = 16.0; pr.PRXMAXOrg = 8.0; pr.PopupPRNum = 2;
    PKcofCal();
    EXPECT_DOUBLE_EQ(pr.FP, 22.0);
    EXPECT_DOUBLE_EQ(pr.VAP, 30.0);
    EXPECT_DOUBLE_EQ(pr.PRSD, 300.0);
    EXPECT_NEAR(state.ratios.DL2, 3.0, 1e-12);
    EXPECT_NEAR(state.box.FB2, 44.0, 1e-9);
}

TEST(PassiveRaveza, LossFreeDenominatorIsTheCoupledResonances) {
    passiveRaveza(5, 1e12, 1e12);  // Custom: the alignments give the radiator a Q of 5
    state.box.VB1 = 50.0;
    state.box.VB2 = 7.5;
    state.radiator.FP = 23.2;
    state.radiator.VAP = 50.0;
    state.radiator.QP = 1e12;
    PKcofCal();
    const TransferCoefficients& c = state.coef;
    const AlignmentRatios& r = state.ratios;
    const double u = 1.0 / (r.Y0 * r.Y0), q = 1.0 / 0.4;
    EXPECT_NEAR(c.A02, u * q, 1e-9);
    EXPECT_NEAR(c.A04, q * (1 + r.DL2), 1e-9);
    EXPECT_NEAR(c.A06, 0.0, 1e-9);
    // D = (s^2 + q s + 1 + a1 + a2)(u s^2 + 1 + d) - a2 d at any s.
    for (cd s : {cd(0.0, 0.7), cd(0.3, 1.9)}) {
        const cd expected = (s * s + q * s + 1.0 + r.AL1 + r.AL2) * (u * s * s + 1.0 + r.DL2) - r.AL2 * r.DL2;
        EXPECT_LT(std::abs(pkD(s) - expected), 1e-6 * std::abs(expected));
    }
    // Loss-free, the relative cone curve starts at 0 dB and the radiator's at
    // -20 log10(d / (1 + d)).
    state.view.Magni = 0;
    atPoint(PKdriverDPcal, 1e-4);
    EXPECT_NEAR(state.point.yy, 0.0, 1e-4);
    atPoint(PKprDPcal, 1e-4);
    EXPECT_NEAR(state.point.yy, -20.0 * std::log10(r.DL2 / (1.0 + r.DL2)), 1e-4);
}

TEST(PassiveRaveza, EvaluatorsAgreeWithTheTransferFunctions) {
    passiveRaveza(5, 7.0, 5.0);
    state.box.VB1 = 30.0;
    state.box.VB2 = 12.0;
    state.radiator.FP = 24.0;
    state.radiator.VAP = 35.0;
    state.radiator.QP = 6.0;
    PKcofCal();
    const TransferCoefficients& c = state.coef;
    // The level: 0 dB at the radiator's box resonance.
    const double fRef = static_cast<double>(static_cast<float>(state.box.FB2 / 40.0));
    EXPECT_NEAR(c.siftUpDwn, -20.0 * std::log10(std::abs(pkH(fRef))), 1e-9);
    state.view.Magni = 0;
    atPoint(PKFRcal, fRef);
    EXPECT_NEAR(state.point.yy, 0.0, 1e-5);
    state.point.ss = state.point.fai = state.point.fai2 = 0.0;
    atPoint(PKNQcal, fRef);
    EXPECT_NEAR(std::hypot(state.point.xx, state.point.yy), 1.0, 1e-6);

    state.rscales.XD = 2.0;
    state.rscales.XPR = 3.0;
    state.rscales.P1 = 5.0;
    for (double hz : gridHz()) {
        const double f = static_cast<double>(static_cast<float>(hz / 40.0));
        const cd s(0.0, f);
        const cd D = pkD(s);
        const cd C = poly({c.B01, c.B02, c.B03, c.B04}, s, -1);
        state.view.Magni = 1;
        atPoint(PKFRcal, f);
        EXPECT_NEAR(state.point.yy, -20.0 * std::log10(std::abs(pkH(f))), 1e-4);
        atPoint(PKdriverDPcal, f);
        EXPECT_NEAR(state.point.yy / (2.0 * std::abs(C / D)), 1.0, 1e-6);
        atPoint(PKprDPcal, f);
        EXPECT_NEAR(state.point.yy / (3.0 * std::abs(c.B05 / D)), 1.0, 1e-6);
        // The radiator's peak search uses the radiator's own scale, as its
        // curve does: the search finds the peak the graph draws.
        const float drawn = state.point.yy;
        atPoint(PKprDPoptcal, f);
        EXPECT_FLOAT_EQ(state.point.yy, drawn);
        atPoint(PKdriverDPoptcal, f);
        EXPECT_NEAR(state.point.yy / (2.0 * std::abs(C / D)), 1.0, 1e-6);
        atPoint(PKPWcal, f);
        EXPECT_NEAR(state.point.yyLinea / (5.0 / std::norm(C / D)), 1.0, 1e-6);
        const double dh = 1e-6 * f;
        const double dArg = std::arg(pkH(f + dh) / pkH(f - dh));
        atPoint(PKGDcal, f);
        EXPECT_NEAR(state.point.yy, -dArg / (2 * dh) / (2 * kPi * 40.0) * 1000.0, 2e-3);
    }
}

TEST(PassiveRaveza, OversizedClosedVolumeIsRefused) {
    // 54 Vas and more would leave the radiator without a resonance.
    passiveRaveza(3);
    EXPECT_TRUE(passiveRavezaChamberFits(53.0 * 50.0));
    EXPECT_FALSE(passiveRavezaChamberFits(54.0 * 50.0));
    EXPECT_FALSE(passiveRavezaChamberFits(0.0));
    // The last accepted chamber comes back ...
    state.box.VB1bak = 40.0;
    state.box.VB1 = 60.0 * 50.0;
    PKcofCal();
    EXPECT_DOUBLE_EQ(state.box.VB1, 40.0);
    EXPECT_GT(state.radiator.FP, 0.0);
    // ... or, when there is none, the chamber of one Vas.
    passiveRaveza(3);
    state.box.VB1 = 1e6;
    PKcofCal();
    EXPECT_DOUBLE_EQ(state.box.VB1, 50.0);
    const TransferCoefficients& c = state.coef;
    for (double v : {c.A01, c.A02, c.A03, c.A04, c.A05, c.A06, c.KNQ, c.siftUpDwn}) EXPECT_TRUE(std::isfinite(v));
}

TEST(PassiveRaveza, ImpedancePageAndStepPolynomials) {
    passiveRaveza(1);
    PKcofCal();
    const double knq = state.coef.KNQ, qtc = state.box.QTC;
    buildCurrentDriveCoefficients(PKcofCal);
    EXPECT_NEAR(state.coef.B06, 1.0 / 4.0, 1e-12);
    EXPECT_DOUBLE_EQ(state.speaker.QTS, 0.4);
    EXPECT_DOUBLE_EQ(state.box.QTC, qtc);
    EXPECT_DOUBLE_EQ(state.coef.KNQ, knq);
    state.view.s_Resp = "st";
    PKcofCal();
    PKStepSubstitution();
    ASSERT_EQ(state.step.NUO, 2);
    ASSERT_EQ(state.step.DEO, 5);
    EXPECT_DOUBLE_EQ(state.step.DET[6], state.coef.A06);
    for (cd s : {cd(0.3, 1.1), cd(-0.2, 2.5)}) {
        const cd expected = state.coef.B05 * s * s / pkD(s) / s;
        EXPECT_LT(std::abs(poly(stepNumerator(), s) / poly(stepDenominator(), s) - expected), 1e-12);
    }
}

}  // namespace
}  // namespace quendal
