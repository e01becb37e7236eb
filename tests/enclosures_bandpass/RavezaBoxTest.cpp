// The Raveza Box unit: its alignments, coefficients and evaluators against
// the worked example, closed-box theory and exact complex arithmetic.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "enclosures/KTcal.h"
#include "engine/ImpedancePageQ.h"
#include "model/State.h"
#include "support/BandPassTestSupport.h"

namespace quendal {
namespace {

using namespace quendal::testing;
constexpr double kPi = std::numbers::pi;

void ravezaBox(int alin, double FS = 40.0, double VAS = 50.0, double QTS = 0.4, double QA1 = 10.0,
               double QL1 = 7.0) {
    resetState();
    setDriver(FS, VAS, QTS);
    selectBandPass(1, alin);
    state.box.QA1 = QA1;
    state.box.QA = QA1;
    state.box.QL1 = QL1;
}

// H(s) = s^2 / D(s) from the coefficients, in complex arithmetic.
cd ktH(double f) {
    const TransferCoefficients& c = state.coef;
    const cd s(0.0, f);
    return s * s / poly({c.A01, c.A02, c.A03, c.A04, c.A05}, s);
}

TEST(RavezaBox, WorkedExampleType1) {
    ravezaBox(1);
    KTcofCal();
    const BoxParameters& b = state.box;
    const AlignmentRatios& r = state.ratios;
    EXPECT_DOUBLE_EQ(b.VB1, 50.0);
    EXPECT_DOUBLE_EQ(b.VAB1, 50.0);
    EXPECT_DOUBLE_EQ(r.AL1, 1.0);
    EXPECT_NEAR(b.FC1, 56.5685, 1e-4);
    EXPECT_DOUBLE_EQ(b.FB2, b.FC1);
    EXPECT_NEAR(b.VB2, 10.0, 1e-12);
    EXPECT_NEAR(r.AL2, 5.0, 1e-12);
    EXPECT_NEAR(r.HH1, std::sqrt(2.0), 1e-12);
    EXPECT_NEAR(r.HH2, std::sqrt(2.0), 1e-12);
    const TransferCoefficients& c = state.coef;
    EXPECT_NEAR(c.A01, 0.5, 1e-12);
    EXPECT_NEAR(c.A02, 1.38637, 5e-6);
    EXPECT_NEAR(c.A03, 4.75968, 5e-6);
    EXPECT_NEAR(c.A04, 2.77274, 5e-6);
    EXPECT_NEAR(c.A05, 2.0, 1e-12);
    EXPECT_NEAR(c.KNQ, 2.75968, 5e-6);
    EXPECT_NEAR(c.siftUpDwn, 8.8172, 5e-5);
    // The vented chamber is tuned to the closed-box resonance: Im D vanishes
    // at the reference and the level is |Re D| / f^2 there.
    EXPECT_NEAR(c.A04, std::pow(r.HH2, 2.0) * c.A02, 1e-12);
}

TEST(RavezaBox, AlignmentsSetTheBoxTheyOwn) {
    // Type2 with Qa 5: a damped chamber of half Vas counts as 0.6 Vas.
    ravezaBox(2, 40.0, 50.0, 0.4, 5.0);
    KTcofCal();
    EXPECT_DOUBLE_EQ(state.box.VB1, 25.0);
    EXPECT_NEAR(state.box.VAB1, 30.0, 1e-12);
    EXPECT_NEAR(state.ratios.AL1, 1.0 / 0.6, 1e-12);
    EXPECT_NEAR(state.box.FB2, 40.0 * std::sqrt(1.0 + 1.0 / 0.6), 1e-9);

    // Closed Volume keeps the entered VB1 and recomputes the vented chamber.
    ravezaBox(3);
    state.box.VB1 = 80.0;
    state.box.VB2 = 1.0;
    state.box.FB2 = 1.0;
    KTcofCal();
    EXPECT_DOUBLE_EQ(state.box.VB1, 80.0);
    EXPECT_NEAR(state.box.VB2, 10.0, 1e-12);
    EXPECT_NEAR(state.box.FB2, 40.0 * std::sqrt(1.0 + 50.0 / 80.0), 1e-9);

    // Custom keeps VB1, VB2 and FB2 and recomputes only the ratios.
    ravezaBox(4, 40.0, 50.0, 0.4, 7.0);
    state.box.VB1 = 40.0;
    state.box.VB2 = 20.0;
    state.box.FB2 = 70.0;
    KTcofCal();
    EXPECT_DOUBLE_EQ(state.box.VB1, 40.0);
    EXPECT_DOUBLE_EQ(state.box.VB2, 20.0);
    EXPECT_DOUBLE_EQ(state.box.FB2, 70.0);
    EXPECT_NEAR(state.box.VAB1, 44.0, 1e-12);
    EXPECT_NEAR(state.ratios.AL2, 2.5, 1e-12);
    EXPECT_NEAR(state.ratios.HH2, 1.75, 1e-12);

    // A loss choice outside the table leaves the filling factor as it was.
    ravezaBox(3, 40.0, 50.0, 0.4, 12.0);
    state.box.CP1 = 1.05;
    state.box.VB1 = 20.0;
    KTcofCal();
    EXPECT_NEAR(state.box.VAB1, 21.0, 1e-12);

    // An Alin outside the menu builds from the ratios in place.
    ravezaBox(1);
    KTcofCal();
    const double a03 = state.coef.A03;
    state.selection.Alin = 9;
    state.box.VB1 = 5.0;
    KTcofCal();
    EXPECT_DOUBLE_EQ(state.coef.A03, a03);
}

TEST(RavezaBox, PassBandIsNormalisedAtTheVentTuning) {
    for (int alin : {1, 2, 3, 4}) {
        ravezaBox(alin, 33.0, 80.0, 0.35, 7.0, 5.0);
        state.box.VB1 = 60.0;
        state.box.VB2 = 25.0;
        state.box.FB2 = 61.0;
        KTcofCal();
        const double fRef = static_cast<double>(static_cast<float>(state.box.FB2 / 33.0));
        EXPECT_NEAR(state.coef.siftUpDwn, -20.0 * std::log10(std::abs(ktH(fRef))), 1e-9) << alin;
        state.view.Magni = 0;
        atPoint(KTFRcal, fRef);
        EXPECT_NEAR(state.point.yy, 0.0, 1e-5) << alin;
        state.view.Magni = 1;
        atPoint(KTFRcal, fRef);
        EXPECT_NEAR(state.point.yy, state.coef.siftUpDwn, 1e-5) << alin;
        state.point.ss = state.point.fai = state.point.fai2 = 0.0;
        atPoint(KTNQcal, fRef);
        EXPECT_NEAR(std::hypot(state.point.xx, state.point.yy), 1.0, 1e-6) << alin;
    }
}

TEST(RavezaBox, ResponseIsSymmetricOnALogAxisAboutTheVentTuning) {
    // With the vented chamber tuned to the closed-box resonance the
    // denominator is palindromic in s/h2, whatever the losses: |H| at
    // FB2*x equals |H| at FB2/x.
    for (int alin : {1, 2, 3}) {
        for (double QA1 : {5.0, 20.0}) {
            ravezaBox(alin, 28.0, 120.0, 0.3, QA1, 3.0);
            state.box.VB1 = 45.0;
            KTcofCal();
            const double h = state.ratios.HH2;
            state.view.Magni = 0;
            for (double x : {1.1, 1.5, 2.0, 3.7, 8.0}) {
                atPoint(KTFRcal, h * x);
                const float up = state.point.yy;
                atPoint(KTFRcal, h / x);
                EXPECT_NEAR(up, state.point.yy, 2e-4 * (1.0 + std::abs(up))) << alin << " " << x;
            }
        }
    }
}

TEST(RavezaBox, ImpedancePageUsesQmsButKeepsTheLevel) {
    ravezaBox(1);
    state.speaker.QMS = 3.0;
    KTcofCal();
    const double knq = state.coef.KNQ, sift = state.coef.siftUpDwn;
    EXPECT_NEAR(state.coef.B03, 1.0 / 0.4, 1e-12);
    buildCurrentDriveCoefficients(KTcofCal);
    EXPECT_NEAR(state.coef.B03, 1.0 / 3.0, 1e-12);
    EXPECT_DOUBLE_EQ(state.speaker.QTS, 0.4);
    EXPECT_DOUBLE_EQ(state.speaker.QTSbak, 0.4);
    EXPECT_DOUBLE_EQ(state.coef.KNQ, knq);
    EXPECT_DOUBLE_EQ(state.coef.siftUpDwn, sift);
    // The impedance curve: far above the pass band the moving mass alone is
    // left of the motional part, a reactance -RES / (QMS f) against the
    // coil's, both in quadrature with RE.
    state.rscales.RES = 6.0 * 3.0 / state.speaker.QES;
    state.rscales.ZL = 2.0 * kPi * 0.5 / 1000.0;
    for (double f : {25.0, 100.0}) {
        atPoint(KTIMPcal, f);
        const double expected = std::hypot(6.0, state.rscales.ZL * 40.0 * f - state.rscales.RES / (3.0 * f));
        EXPECT_NEAR(state.point.yyLinea, expected, 2e-3 * expected) << f;
    }
}

TEST(RavezaBox, EvaluatorsAgreeWithTheTransferFunctions) {
    ravezaBox(4, 40.0, 50.0, 0.4, 7.0, 5.0);
    state.box.VB1 = 40.0;
    state.box.VB2 = 15.0;
    state.box.FB2 = 65.0;
    KTcofCal();
    const TransferCoefficients& c = state.coef;
    state.rscales.P1 = 2.0;
    state.rscales.XD = 3.0;
    state.rscales.VEL = 5.0;
    for (double hz : gridHz()) {
        const double f = static_cast<double>(static_cast<float>(hz / 40.0));
        const cd s(0.0, f);
        const cd D = poly({c.A01, c.A02, c.A03, c.A04, c.A05}, s);
        const cd C = poly({c.B01, c.B02, 1.0}, s);
        state.view.Magni = 1;
        atPoint(KTFRcal, f);
        EXPECT_NEAR(state.point.yy, -20.0 * std::log10(std::abs(s * s / D)), 1e-4);
        atPoint(KTDPcal, f);
        EXPECT_NEAR(state.point.yy, 3.0 * std::abs(C / D), 1e-5 * (1 + 3.0 * std::abs(C / D)));
        atPoint(KTDPoptcal, f);
        EXPECT_NEAR(state.point.yy, 3.0 * std::abs(C / D), 1e-5 * (1 + 3.0 * std::abs(C / D)));
        state.view.Magni = 0;
        atPoint(KTDPcal, f);
        EXPECT_NEAR(state.point.yy, -20.0 * std::log10(c.A05 * std::abs(C / D)), 1e-4);
        atPoint(KTPWcal, f);
        EXPECT_NEAR(state.point.yyLinea / (2.0 / std::norm(C / D)), 1.0, 1e-6);
        atPoint(KTAScal, f);
        EXPECT_NEAR(state.point.yy, 5.0 * f / std::abs(D), 1e-6 * (1 + 5.0 * f / std::abs(D)));
        // Group delay: -d arg H / d omega in ms.
        const double dh = 1e-6 * f;
        const double dArg = std::arg(ktH(f + dh) / ktH(f - dh));
        atPoint(KTGDcal, f);
        EXPECT_NEAR(state.point.yy, -dArg / (2 * dh) / (2 * kPi * 40.0) * 1000.0, 1e-3);
    }
    // At the lowest frequencies the relative displacement is 0 dB.
    state.view.Magni = 0;
    atPoint(KTDPcal, 0.001);
    EXPECT_NEAR(state.point.yy, 0.0, 1e-4);
    // At the vent's tuning the cone stands still but for the vent's loss.
    const double h2 = state.ratios.HH2;
    const cd Cat = poly({c.B01, c.B02, 1.0}, cd(0.0, h2));
    EXPECT_NEAR(Cat.real(), 0.0, 1e-12);
    EXPECT_NEAR(Cat.imag(), 1.0 / 5.0, 1e-12);
}

TEST(RavezaBox, PhaseAndNyquistFollowTheOutputOverWholeSweeps) {
    ravezaBox(2, 40.0, 50.0, 0.4, 7.0, 5.0);
    KTcofCal();
    // The Nyquist point is the normalised output KNQ H(jf) itself.
    downwardSweep(KTNQcal, 4.0f, [](double f) {
        const cd expected = state.coef.KNQ * ktH(f);
        EXPECT_NEAR(state.point.xx, expected.real(), 1e-5 * (1 + std::abs(expected))) << f;
        EXPECT_NEAR(state.point.yy, expected.imag(), 1e-5 * (1 + std::abs(expected))) << f;
    });
    // The phase page, folded into 0..360 as the sweep draws it, is the phase
    // of the output half a turn away (the Nyquist angle carries the half turn).
    downwardSweep(KTPHcal, 3.0f, [](double f) {
        double yy = state.point.yy;
        if (yy < 0.0) yy += 360.0;
        if (yy > 360.0) yy -= 360.0;
        const double expected = std::arg(-ktH(f)) * 180.0 / kPi;
        const double diff = std::remainder(yy - expected, 360.0);
        EXPECT_NEAR(diff, 0.0, 1e-3) << f;
    });
}

TEST(RavezaBox, StepPolynomialsAreTheOutputOverS) {
    ravezaBox(1);
    KTcofCal();
    for (int i = 0; i <= 20; ++i) state.step.NUT[i] = state.step.DET[i] = 99.0;
    EXPECT_EQ(KTStepSubstitution(), 0);
    const StepPolynomials& st = state.step;
    ASSERT_EQ(st.NUO, 2);
    ASSERT_EQ(st.DEO, 5);
    EXPECT_DOUBLE_EQ(st.DET[6], 0.0);
    EXPECT_DOUBLE_EQ(st.NUT[4], 99.0);
    EXPECT_DOUBLE_EQ(st.DET[7], 99.0);
    std::vector<double> num(st.NUT + 1, st.NUT + st.NUO + 2), den(st.DET + 1, st.DET + st.DEO + 2);
    for (cd s : {cd(0.3, 1.1), cd(-0.2, 2.5), cd(1.0, 0.0)}) {
        const cd Hs = s * s / poly({state.coef.A01, state.coef.A02, state.coef.A03, state.coef.A04, state.coef.A05}, s);
        EXPECT_LT(std::abs(poly(num, s) / poly(den, s) - Hs / s), 1e-12);
    }
}

}  // namespace
}  // namespace quendal
