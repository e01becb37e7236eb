// The shared band-pass forms against complex arithmetic and their own rules.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <vector>

#include "engine/BandPassForms.h"
#include "engine/PointForms.h"
#include "engine/ImpedancePageQ.h"
#include "model/State.h"

namespace quendal {
namespace {

using cd = std::complex<double>;
constexpr double kPi = std::numbers::pi;

// The polynomial by Horner's rule in complex arithmetic, times s^lowest.
cd horner(const std::vector<double>& c, cd s, int lowest) {
    cd v = 0.0;
    for (double x : c) v = v * s + x;
    return v * std::pow(s, lowest);
}

TEST(BandPassForms, PolynomialAtJfAgreesWithComplexArithmetic) {
    const std::vector<double> c{0.7, -1.3, 2.9, 0.41, 1.0, 3.3, -0.2};
    for (int lowest : {-1, 0, 2}) {
        for (double f : {0.1, 0.93, 1.0, 1.7, 12.5}) {
            const JfValue v = polyAtJf(c.data(), c.size(), f, lowest);
            const cd ref = horner(c, cd(0.0, f), lowest);
            EXPECT_NEAR(v.re, ref.real(), 1e-11 * (1.0 + std::abs(ref))) << lowest << " " << f;
            EXPECT_NEAR(v.im, ref.imag(), 1e-11 * (1.0 + std::abs(ref))) << lowest << " " << f;
            EXPECT_NEAR(v.squared(), std::norm(ref), 1e-10 * (1.0 + std::norm(ref)));
        }
    }
}

TEST(BandPassForms, SlopeIsTheDerivativeOfBothParts) {
    const std::vector<double> c{0.5, 1.38, 4.76, 2.77, 2.0, 0.3};
    for (int lowest : {-1, 0, 2}) {
        for (double f : {0.2, 1.0, 3.1}) {
            const double h = 1e-6 * f;
            const JfValue up = polyAtJf(c.data(), c.size(), f + h, lowest);
            const JfValue dn = polyAtJf(c.data(), c.size(), f - h, lowest);
            const JfValue slope = polySlopeAtJf(c.data(), c.size(), f, lowest);
            EXPECT_NEAR(slope.re, (up.re - dn.re) / (2 * h), 1e-5 * (1 + std::abs(slope.re)));
            EXPECT_NEAR(slope.im, (up.im - dn.im) / (2 * h), 1e-5 * (1 + std::abs(slope.im)));
        }
    }
}

TEST(BandPassForms, FourthDegreeDenominatorHasTheTextbookParts) {
    // D = A01 s^4 + A02 s^3 + A03 s^2 + A04 s + A05 at s = j f.
    const double f = 1.3;
    const JfValue D = polyAtJf({0.5, 1.38637, 4.75968, 2.77274, 2.0}, f);
    EXPECT_DOUBLE_EQ(D.re, 0.5 * std::pow(f, 4) - 4.75968 * f * f + 2.0);
    EXPECT_DOUBLE_EQ(D.im, -1.38637 * std::pow(f, 3) + 2.77274 * f);
    const JfValue dD = polySlopeAtJf({0.5, 1.38637, 4.75968, 2.77274, 2.0}, f);
    EXPECT_DOUBLE_EQ(dD.im, -3.0 * 1.38637 * f * f + 2.77274);
    EXPECT_NEAR(dD.re, 4.0 * 0.5 * std::pow(f, 3) - 2.0 * 4.75968 * f, 1e-14);
}

// A stand-in unit for the coefficient routine: its one coefficient is 1/QTS
// and its level is that coefficient.
int fills = 0;
double qSeenLast = 0.0;
void fillStandIn() {
    ++fills;
    qSeenLast = state.speaker.QTS;
    state.coef.B03 = 1.0 / state.speaker.QTS;
}
void normaliseStandIn() {
    const double f = setReferencePoint(1.1);
    normaliseLevel(f * f * state.coef.B03 * state.coef.B03, 1.0);
}

TEST(BandPassForms, CurrentDriveBuildsCurvesWithQmsAndLevelWithQts) {
    resetState();
    state.speaker.QTS = 0.4;
    state.speaker.QMS = 4.0;
    // The page shown does not matter; only the impedance curves' own build does.
    for (const char* page : {"amp", "imp", "ph", "imp-current-drive"}) {
        const bool imp = std::string(page) == "imp-current-drive";
        state.view.s_Resp = imp ? "imp" : page;
        fills = 0;
        if (imp) buildCurrentDriveCoefficients([] { buildBandPassCoefficients(fillStandIn, normaliseStandIn); });
        else buildBandPassCoefficients(fillStandIn, normaliseStandIn);
        EXPECT_EQ(fills, imp ? 2 : 1);
        EXPECT_DOUBLE_EQ(state.speaker.QTS, 0.4) << page;
        EXPECT_DOUBLE_EQ(qSeenLast, imp ? 4.0 : 0.4) << page;
        EXPECT_DOUBLE_EQ(state.coef.B03, imp ? 0.25 : 2.5) << page;
        // The level is the same on every page: gain 1.1 * 2.5 at the reference.
        const double gain = static_cast<double>(1.1f) * 2.5;
        EXPECT_NEAR(state.coef.KNQ, 1.0 / gain, 1e-12) << page;
        EXPECT_NEAR(state.coef.siftUpDwn, -20.0 * std::log10(gain), 1e-12) << page;
        EXPECT_FLOAT_EQ(state.point.f, 1.1f);
        EXPECT_NEAR(state.point.gg, gain, 1e-12);
    }
}

TEST(BandPassForms, NormalisationOfUnitGainIsNeutralAndZeroGainStaysFinite) {
    resetState();
    normaliseLevel(4.0, 4.0);
    EXPECT_DOUBLE_EQ(state.coef.KNQ, 1.0);
    EXPECT_DOUBLE_EQ(state.coef.siftUpDwn, 0.0);
    normaliseLevel(1.0, 100.0);
    EXPECT_DOUBLE_EQ(state.coef.KNQ, 10.0);
    EXPECT_DOUBLE_EQ(state.coef.siftUpDwn, 20.0);
    normaliseLevel(0.0, 3.0);
    EXPECT_DOUBLE_EQ(state.coef.KNQ, 1.0);
    EXPECT_DOUBLE_EQ(state.coef.siftUpDwn, 0.0);
}

TEST(BandPassForms, AmplitudeFormBranchesOnMagni) {
    resetState();
    state.coef.KNQ = 2.0;
    struct Case { int magni; double NU, DE; float before, expected; };
    const Case cases[] = {
        {0, 1.0, 4.0, 7.0f, 0.0f},                                        // 2^2 * 1/4 = 1
        {1, 1.0, 100.0, 7.0f, 20.0f},                                     // 20 dB below
        {2, 1.0, 100.0, 7.0f, 7.0f},                                      // unknown Magni keeps yy
        {1, 10.0, 1.0, 0.0f, -10.0f},                                     // above the reference
    };
    for (const Case& c : cases) {
        state.view.Magni = c.magni;
        state.point.yy = c.before;
        amplitudeForm(c.NU, c.DE);
        EXPECT_NEAR(state.point.yy, c.expected, 1e-5) << c.magni;
    }
    state.view.Magni = 0;
    amplitudeForm(0.0, 1.0);  // no output at all: a point to skip, not +inf
    EXPECT_TRUE(std::isnan(state.point.yy));
}

TEST(BandPassForms, PowerImpedanceDisplacementAndAirSpeedForms) {
    resetState();
    state.rscales.P1 = 50.0;
    state.rscales.RES = 60.0;
    state.rscales.ZL = 0.002 * kPi;
    state.speaker.RE = 6.0;
    state.point.ff = 100.0f;
    powerForm(1.0, 4.0);
    EXPECT_FLOAT_EQ(state.point.yyLinea, 200.0f);
    EXPECT_NEAR(state.point.yy, std::log10(200.0), 1e-6);

    state.point.yy = 3.0f;
    impedanceForm({0.0, 1.0}, {0.0, 4.0});  // a resistive motional part: the coil's reactance adds in quadrature
    EXPECT_DOUBLE_EQ(state.point.ZVC, 0.25);
    EXPECT_NEAR(state.point.yyLinea, std::hypot(6.0 + 15.0, 0.2 * kPi), 1e-5);
    EXPECT_FLOAT_EQ(state.point.yy, 3.0f);  // impedance leaves yy alone

    for (int magni : {0, 1, 5}) {
        state.view.Magni = magni;
        state.point.yy = 9.0f;
        displacementForm(1.0, 16.0, 4.0, 3.0);  // K^2 NU/DE = 1
        const float expected = magni == 0 ? 0.0f : magni == 1 ? 0.75f : 9.0f;
        EXPECT_NEAR(state.point.yy, expected, 1e-6) << magni;
        displacementPeakForm(1.0, 16.0, 3.0);
        EXPECT_FLOAT_EQ(state.point.yy, 0.75f);
    }
    // The vent's air moves 1/5 of the cone's static volume at f = 2.5: its
    // speed grows with f.
    state.point.f = 2.5f;
    airSpeedForm(1.0, 25.0, 4.0);
    EXPECT_FLOAT_EQ(state.point.yy, 2.0f);
}

// A raw angle whose full-quadrant angle is not known: only the fold rule
// can follow it.
ResponseAngle foldOnly(double raw) { return {raw, std::nan("")}; }

TEST(BandPassForms, PhaseUnwrapMovesByHalfTurnsBeyondOneHundredSixtyDegrees) {
    resetState();
    // yy2 - folded > 160 adds 180; < -160 subtracts; exactly 160 does nothing.
    state.point.ss = 0.0;
    state.point.yy2 = 170.0f;
    phaseForm(foldOnly(10.0), 0.0);  // d = 160 exactly
    EXPECT_DOUBLE_EQ(state.point.ss, 0.0);
    EXPECT_FLOAT_EQ(state.point.yy2, 10.0f);
    state.point.yy2 = 175.0f;
    phaseForm(foldOnly(10.0), 0.0);  // d = 165
    EXPECT_DOUBLE_EQ(state.point.ss, 180.0);
    EXPECT_FLOAT_EQ(state.point.yy, 190.0f);
    state.point.yy2 = 5.0f;
    phaseForm(foldOnly(-10.0), -90.0);  // folded 170, d = -165
    EXPECT_DOUBLE_EQ(state.point.ss, 0.0);
    EXPECT_FLOAT_EQ(state.point.yy2, 170.0f);
    EXPECT_FLOAT_EQ(state.point.yy, 80.0f);
    phaseForm(foldOnly(std::nan("")), 0.0);  // no phase: skipped, state kept
    EXPECT_TRUE(std::isnan(state.point.yy));
    EXPECT_FLOAT_EQ(state.point.yy2, 170.0f);
}

TEST(BandPassForms, NyquistPointHasNormalisedRadiusAndUnwrapsAtHalfTurns) {
    resetState();
    state.coef.KNQ = 0.5;
    state.view.Magni = 1;  // the radius is normalised whatever Magni is
    state.point.fai2 = 0.1;
    nyquistForm(4.0, 1.0, foldOnly(0.3), kPi);
    EXPECT_NEAR(state.point.gg, 1.0, 1e-15);
    EXPECT_NEAR(state.point.xx, std::cos(0.3 - kPi), 1e-6);
    EXPECT_NEAR(state.point.yy, std::sin(0.3 - kPi), 1e-6);
    EXPECT_DOUBLE_EQ(state.point.fai2, 0.3);
    state.point.fai2 = 3.1;
    nyquistForm(4.0, 1.0, foldOnly(0.3), 0.0);  // d = 2.8 > 2.7925
    EXPECT_NEAR(state.point.ss, kPi, 1e-15);
    state.point.fai2 = 0.3 + 2.7925;
    nyquistForm(4.0, 1.0, foldOnly(0.3), 0.0);  // d = 2.7925 (rounded): at the threshold nothing moves
    EXPECT_NEAR(state.point.ss, kPi, 1e-15);
    state.point.fai2 = 0.0;
    nyquistForm(4.0, 1.0, foldOnly(-0.2), 0.0);  // folded to pi - 0.2: d < -2.7925
    EXPECT_NEAR(state.point.ss, 0.0, 1e-15);
    EXPECT_NEAR(state.point.fai2, kPi - 0.2, 1e-15);
}

TEST(BandPassForms, GroupDelayIsTheSlopeOfThePhase) {
    resetState();
    state.speaker.FS = 40.0;
    const std::vector<double> D{0.5, 1.38637, 4.75968, 2.77274, 2.0};
    const std::vector<double> N{0.3, 0.8, 0.0, 0.0};  // N = 0.3 s^3 + 0.8 s^2
    auto argH = [&](double f) {
        return std::arg(horner(N, cd(0, f), 0) / horner(D, cd(0, f), 0));
    };
    for (double f : {0.4, 1.0, 2.2}) {
        const double h = 1e-6;
        double dArg = argH(f + h) - argH(f - h);
        if (dArg > kPi) dArg -= 2 * kPi;
        if (dArg < -kPi) dArg += 2 * kPi;
        const double tauMs = -dArg / (2 * h) / (2 * kPi * 40.0) * 1000.0;
        groupDelayFormWithNumerator(polyAtJf(N.data(), N.size(), f), polySlopeAtJf(N.data(), N.size(), f),
                                    polyAtJf(D.data(), D.size(), f), polySlopeAtJf(D.data(), D.size(), f));
        EXPECT_NEAR(state.point.yy, tauMs, 1e-4 * (1 + std::abs(tauMs))) << f;
        // A real numerator: only the denominator's phase.
        double dD = std::arg(horner(D, cd(0, f + h), 0)) - std::arg(horner(D, cd(0, f - h), 0));
        if (dD > kPi) dD -= 2 * kPi;
        if (dD < -kPi) dD += 2 * kPi;
        groupDelayForm(polyAtJf(D.data(), D.size(), f), polySlopeAtJf(D.data(), D.size(), f));
        EXPECT_NEAR(state.point.yy, dD / (2 * h) / (2 * kPi * 40.0) * 1000.0, 1e-4) << f;
    }
    groupDelayFormWithNumerator({0, 0}, {0, 0}, {1, 0}, {0, 1});
    EXPECT_TRUE(std::isnan(state.point.yy));
}

TEST(BandPassForms, StepPolynomialsFillOnlyTheirDegrees) {
    resetState();
    for (int i = 0; i <= 20; ++i) state.step.NUT[i] = state.step.DET[i] = -7.0;
    setStepPolynomials({1.0, 0.0, 0.0}, {0.5, 1.4, 4.8, 2.8, 2.0, 0.0});
    EXPECT_EQ(state.step.NUO, 2);
    EXPECT_EQ(state.step.DEO, 5);
    EXPECT_DOUBLE_EQ(state.step.NUT[1], 1.0);
    EXPECT_DOUBLE_EQ(state.step.NUT[3], 0.0);
    EXPECT_DOUBLE_EQ(state.step.NUT[4], -7.0);
    EXPECT_DOUBLE_EQ(state.step.NUT[0], -7.0);
    EXPECT_DOUBLE_EQ(state.step.DET[6], 0.0);
    EXPECT_DOUBLE_EQ(state.step.DET[7], -7.0);
}

}  // namespace
}  // namespace quendal
