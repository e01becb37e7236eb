// The step response against analytic and independently integrated
// responses, and its time axis against the step graph's labels.
#include <cmath>
#include <numbers>
#include <vector>

#include "enclosures/EnclosureUnits.h"
#include "response/ResponseCal.h"
#include "support/EngineTestSupport.h"

namespace quendal {
namespace {

using test::EngineTest;
using test::selectSystem;
using test::setDriver;

// Step response of H(s) = s^2 / (s^2 + a s + b) in closed form: the inverse
// transform of s / (s^2 + a s + b).
double secondOrderHighPassStep(double a, double b, double t) {
    const double alpha = a / 2.0;
    const double w2 = b - alpha * alpha;
    if (std::fabs(w2) < 1e-12) return std::exp(-alpha * t) * (1.0 - alpha * t);
    if (w2 > 0) {
        const double w = std::sqrt(w2);
        return std::exp(-alpha * t) * (std::cos(w * t) - alpha / w * std::sin(w * t));
    }
    const double w = std::sqrt(-w2);
    return std::exp(-alpha * t) * (std::cosh(w * t) - alpha / w * std::sinh(w * t));
}

// Step response of b0 s^n / (a_n s^n + ... + a_1 s + a_0) by integrating its
// state equations (controllable form) with small Runge-Kutta steps.
double integratedStep(const std::vector<double>& den /* a_n .. a_0 */, double b0, double t) {
    const size_t n = den.size() - 1;
    const double an = den[0];
    // Normalised: s^n + c_{n-1} s^{n-1} + ... + c_0; H = d + (N'(s)) / D(s).
    std::vector<double> c(n);
    for (size_t i = 0; i < n; ++i) c[i] = den[n - i] / an;  // c[0] = a_0 / a_n, ...
    const double d = b0 / an;
    // N'(s) = -d (c_{n-1} s^{n-1} + ... + c_0).
    std::vector<double> x(n, 0.0);
    auto deriv = [&](const std::vector<double>& s) {
        std::vector<double> ds(n);
        for (size_t i = 0; i + 1 < n; ++i) ds[i] = s[i + 1];
        double last = 1.0;  // unit step input
        for (size_t i = 0; i < n; ++i) last -= c[i] * s[i];
        ds[n - 1] = last;
        return ds;
    };
    const int steps = 20000;
    const double h = t / steps;
    for (int k = 0; k < steps; ++k) {
        auto k1 = deriv(x);
        std::vector<double> tmp(n);
        for (size_t i = 0; i < n; ++i) tmp[i] = x[i] + h / 2 * k1[i];
        auto k2 = deriv(tmp);
        for (size_t i = 0; i < n; ++i) tmp[i] = x[i] + h / 2 * k2[i];
        auto k3 = deriv(tmp);
        for (size_t i = 0; i < n; ++i) tmp[i] = x[i] + h * k3[i];
        auto k4 = deriv(tmp);
        for (size_t i = 0; i < n; ++i) x[i] += h / 6 * (k1[i] + 2 * k2[i] + 2 * k3[i] + k4[i]);
    }
    double y = d;
    for (size_t i = 0; i < n; ++i) y += -d * c[i] * x[i];
    return y;
}

class StepResponse : public EngineTest {};

TEST_F(StepResponse, EulerWeights) {
    EulerTransform();
    const double expected[] = {64, 63, 57, 42, 22, 7, 1, 0};
    for (int j = 0; j < 8; ++j) EXPECT_DOUBLE_EQ(state.step.Euler[j], expected[j]) << j;
}

TEST_F(StepResponse, InfiniteBaffleMatchesTheSecondOrderHighPass) {
    selectSystem(1, 1);
    for (double qts : {0.3, 0.5, 0.707, 1.2}) {
        setDriver(50.0, 100.0, qts);
        CofCal();
        EulerTransform();
        loadStepPolynomials();
        for (double t = 0.25; t <= 6.0; t += 0.25) {
            const double exact = secondOrderHighPassStep(1.0 / qts, 1.0, t);
            EXPECT_NEAR(InverseLaplaceTransform(static_cast<float>(t)), exact, 2e-4) << qts << " t " << t;
        }
    }
    setDriver(50.0, 100.0, 0.5);
    CofCal();
    loadStepPolynomials();
    EXPECT_NEAR(InverseLaplaceTransform(0.5f), 0.30326, 3e-5);
    EXPECT_NEAR(InverseLaplaceTransform(2.0f), -0.13532, 3e-5);
    EXPECT_NEAR(InverseLaplaceTransform(3.0f), -0.09955, 3e-5);
}

TEST_F(StepResponse, ClosedBoxIsTheHighPassAtItsOwnResonance) {
    setDriver(30.0, 100.0, 0.4);
    selectSystem(1, 2, 2);
    state.box.VB = 50.0;
    CofCal();
    EulerTransform();
    loadStepPolynomials();
    for (double t = 0.2; t <= 5.0; t += 0.4)
        EXPECT_NEAR(InverseLaplaceTransform(static_cast<float>(t)),
                    secondOrderHighPassStep(state.coef.A01, state.coef.A02, t), 2e-4)
            << t;
}

TEST_F(StepResponse, FourthOrderSystemsMatchTheirIntegratedResponse) {
    // Vented box and passive radiator: compare with a direct integration of
    // the same system function.
    setDriver(30.0, 100.0, 0.4);
    selectSystem(1, 3);
    CofCal();
    EulerTransform();
    loadStepPolynomials();
    const TransferCoefficients& c = state.coef;
    for (double t : {0.3, 1.0, 2.0, 4.0, 7.0}) {
        const double ref = integratedStep({c.A01, c.A02, c.A03, c.A04, 1.0}, c.B01, t);
        EXPECT_NEAR(InverseLaplaceTransform(static_cast<float>(t)), ref, 5e-4) << t;
    }
}

TEST_F(StepResponse, StartValuePerSystem) {
    for (int32_t tab : {1, 2}) {
        for (int32_t btn = 1; btn <= 8; ++btn) {
            selectSystem(tab, btn);
            const double expected = (tab == 1 && btn != 6) ? 1.0 : 0.0;
            EXPECT_EQ(InverseLaplaceTransform(0.0f), expected) << tab << "/" << btn;
        }
    }
}

// Decision on the time axis: the frame labels the right edge with
// CursorScale = 100 / timeScale ms. A point of normalised time t
// (= 2 pi FS * seconds) must be drawn where the labels put its time.
TEST_F(StepResponse, CurveAgreesWithTheTimeLabels) {
    struct Row {
        double fs, timeScale;
    };
    for (const Row& r : {Row{50.0, 10.0}, Row{30.0, 4.0}, Row{120.0, 20.0}}) {
        provider.window.reset();
        setDriver(r.fs, 100.0, 0.5);
        selectSystem(1, 1);
        state.scales.timeScale = r.timeScale;
        state.scales.CursorScale = 100.0 / r.timeScale;
        StepPlot();
        const auto drawn = lines();
        ASSERT_GT(drawn.size(), 20u);
        EXPECT_NEAR(drawn.front().x1, 46.0, 1e-6);
        EXPECT_NEAR(drawn.front().y1, 50.0, 1e-6);  // the step starts at 1
        // The response e^-t (1 - t) of Q 0.5 crosses zero at t = 1, that is
        // 1 / (2 pi FS) seconds.
        const double crossingMs = 1000.0 / (2.0 * std::numbers::pi * r.fs);
        const double expectedX = 46.0 + 460.0 * crossingMs / state.scales.CursorScale;
        double foundX = -1;
        for (const auto& l : drawn) {
            if ((l.y1 - 190.0) * (l.y0 - 190.0) <= 0.0 && l.y1 != l.y0 && foundX < 0)
                foundX = l.x1 + (190.0 - l.y1) * (l.x0 - l.x1) / (l.y0 - l.y1);
        }
        EXPECT_NEAR(foundX, expectedX, 0.5) << r.fs;
        // The curve ends at the right edge of the graph: its last time is
        // the end time taken up to the next hundredth (the clip trims it).
        EXPECT_LE(drawn.back().x0, 506.0 + 460.0 * 0.0161 / stepGraphEndTime());
        EXPECT_GT(drawn.back().x0, 495.0);
        EXPECT_NEAR(stepScreenX(stepGraphEndTime()), 506.0, 1e-3);
    }
}

// Time runs in steps of 0.05 accumulated in double: the last point drawn
// is the last multiple of 0.05 not beyond the end time, also when the end
// time is itself such a multiple.
TEST_F(StepResponse, EveryMultipleOfTheTimeStepUpToTheEndIsDrawn) {
    setDriver(50.0, 100.0, 0.5);
    selectSystem(1, 1);
    for (double fs = 20.0; fs <= 200.0; fs += 0.37) {
        provider.window.reset();
        state.speaker.FS = fs;
        state.scales.timeScale = 10.0;
        StepPlot();
        const double tmax = std::rint(stepGraphEndTime() * 100.0 + 0.6) / 100.0;
        const long hundredths = std::lround(tmax * 100.0);
        const size_t points = static_cast<size_t>(hundredths / 5) + 1;
        EXPECT_EQ(lines().size(), points - 1) << "FS " << fs << " tmax " << tmax;
    }
}

TEST_F(StepResponse, NoCurveWithoutTimeScaleOrResonance) {
    setDriver(50.0, 100.0, 0.5);
    selectSystem(1, 1);
    for (double ts : {0.0, -1.0, std::nan("")}) {
        state.scales.timeScale = ts;
        EXPECT_EQ(StepPlot(), 0);
        EXPECT_TRUE(lines().empty()) << ts;
    }
    state.scales.timeScale = 10.0;
    state.speaker.FS = 0.0;
    StepPlot();
    EXPECT_TRUE(lines().empty());
    // An absurd resonance from a damaged file ends at once too.
    state.speaker.FS = 1e30;
    StepPlot();
    EXPECT_TRUE(lines().empty());
}

TEST_F(StepResponse, StepPolynomialsOfTheUnits) {
    setDriver(50.0, 100.0, 0.5);
    selectSystem(1, 1);
    CofCal();
    loadStepPolynomials();
    const StepPolynomials& st = state.step;
    EXPECT_EQ(st.NUO, 2);
    EXPECT_EQ(st.DEO, 3);
    const double nut[] = {1, 0, 0}, det[] = {1, 2, 1, 0};
    for (int i = 0; i < 3; ++i) EXPECT_DOUBLE_EQ(st.NUT[i + 1], nut[i]);
    for (int i = 0; i < 4; ++i) EXPECT_DOUBLE_EQ(st.DET[i + 1], det[i]);
    selectSystem(1, 3);
    CofCal();
    loadStepPolynomials();
    EXPECT_EQ(st.NUO, 4);
    EXPECT_EQ(st.DEO, 5);
    EXPECT_DOUBLE_EQ(st.DET[5], 1.0);
    EXPECT_DOUBLE_EQ(st.DET[6], 0.0);
}

}  // namespace
}  // namespace quendal
