// The Twin Vented unit against its worked examples, the two vents' own
// responses and the cancelling case of equal chambers.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

#include "enclosures/TVcal.h"
#include "engine/ImpedancePageQ.h"
#include "model/State.h"
#include "response/ResponseCal.h"
#include "support/BandPassTestSupport.h"
#include "platform/DrawSurface.h"
#include "view/RecordingSurface.h"

namespace quendal {
namespace {

using namespace quendal::testing;
constexpr double kPi = std::numbers::pi;

void twinVented(int alin, double QMS = 4.0) {
    resetState();
    setDriver(50.0, 100.0, 0.4, QMS);
    selectBandPass(5, alin);
    state.box.QL1 = state.box.QL2 = 7.0;
}

cd tvD(cd s) {
    const TransferCoefficients& c = state.coef;
    return poly({c.A01, c.A02, c.A03, c.A04, c.A05, c.A06, 1.0}, s);
}
// The chambers' tuning polynomials from the ratios.
cd T(int chamber, cd s) {
    const double h = chamber == 1 ? state.ratios.HH1 : state.ratios.HH2;
    const double q = chamber == 1 ? state.box.QL1 : state.box.QL2;
    return s * s / (h * h) + s / (h * q) + 1.0;
}
cd tvH(double f) { const cd s(0.0, f); return s * s * (T(2, s) - T(1, s)) / tvD(s); }

TEST(TwinVented, WorkedExampleOptimum) {
    twinVented(1);
    TVcofCal();
    const BoxParameters& b = state.box;
    EXPECT_NEAR(b.VB1, 42.0, 1e-9);
    EXPECT_NEAR(b.VB2, 200.0, 1e-9);
    EXPECT_NEAR(b.FB1, 80.0, 1e-9);
    EXPECT_NEAR(b.FB2, 35.0, 1e-9);
    EXPECT_NEAR(state.ratios.AL1, 2.380952, 1e-6);
    EXPECT_NEAR(state.ratios.AL2, 0.5, 1e-12);
    const TransferCoefficients& c = state.coef;
    EXPECT_NEAR(c.A01, 0.797194, 1e-6);
    EXPECT_NEAR(c.A06, 2.793367, 1e-6);
    EXPECT_EQ(state.point.f, 1.6f);
    EXPECT_NEAR(state.point.gg, 0.862452, 1e-6);
    EXPECT_NEAR(c.KNQ, 1.159484, 1e-6);
    EXPECT_NEAR(c.siftUpDwn, 1.2853, 1e-4);

    // At 50 Hz, relative view.
    state.view.Magni = 0;
    atPoint(TVFRcal, 1.0);
    EXPECT_NEAR(state.point.yy, 0.0575, 1e-4);
    atPoint(TVvent1FRcal, 1.0);
    EXPECT_NEAR(state.point.yy, 3.9178, 1e-4);
    atPoint(TVvent2FRcal, 1.0);
    EXPECT_NEAR(state.point.yy, 8.6392, 1e-4);
    atPoint(TVGDcal, 1.0);
    EXPECT_NEAR(state.point.yy, 10.865, 1e-3);
    state.point.ss = 0.0;
    state.point.yy2 = 0.0f;
    atPoint(TVPHcal, 1.0);
    EXPECT_NEAR(state.point.yy2, 78.053, 1e-3);
    EXPECT_NEAR(state.point.yy, 10.553, 1e-3);
    // At 80 Hz, the reference.
    atPoint(TVFRcal, 1.6);
    EXPECT_NEAR(state.point.yy, 0.0, 1e-5);
    atPoint(TVvent2FRcal, 1.6);
    EXPECT_NEAR(state.point.yy, 29.426, 1e-3);
    state.view.Magni = 1;
    atPoint(TVFRcal, 1.6);
    EXPECT_NEAR(state.point.yy, c.siftUpDwn, 1e-5);

    // The impedance page: the mechanical Q in D and M, the level unchanged.
    buildCurrentDriveCoefficients(TVcofCal);
    EXPECT_NEAR(c.A02, 0.461234, 1e-6);
    EXPECT_NEAR(c.A06, 0.543367, 1e-6);
    EXPECT_NEAR(c.B55, 0.25, 1e-12);
    EXPECT_DOUBLE_EQ(state.speaker.QTS, 0.4);
    EXPECT_NEAR(c.KNQ, 1.159484, 1e-6);
}

TEST(TwinVented, ShiftedAlignments) {
    twinVented(2);
    TVcofCal();
    EXPECT_NEAR(state.box.VB1, 21.0, 1e-9);
    EXPECT_NEAR(state.box.VB2, 100.0, 1e-9);
    EXPECT_NEAR(state.box.FB1, 100.0, 1e-9);
    EXPECT_NEAR(state.box.FB2, 35.0, 1e-9);
    EXPECT_EQ(state.point.f, 2.0f);
    twinVented(3);
    TVcofCal();
    EXPECT_NEAR(state.box.VB1, 42.0, 1e-9);
    EXPECT_NEAR(state.box.FB1, 70.0, 1e-9);
    EXPECT_EQ(state.box.FB2, 50.0 * 0.5399999999999999);
    EXPECT_EQ(state.point.f, 1.4f);
    // Custom with the higher tuning in chamber 2: the level is set there.
    twinVented(4);
    state.box.VB1 = 60.0; state.box.VB2 = 30.0; state.box.FB1 = 40.0; state.box.FB2 = 90.0;
    TVcofCal();
    EXPECT_EQ(state.point.f, 1.8f);
    EXPECT_DOUBLE_EQ(state.box.VB1, 60.0);
    atPoint(TVFRcal, 1.8);
    EXPECT_NEAR(state.point.yy, 0.0, 1e-5);
}

TEST(TwinVented, CurvesAreTheVentsOverTheCommonDenominator) {
    twinVented(4);
    state.box.VB1 = 60.0; state.box.VB2 = 150.0; state.box.FB1 = 75.0; state.box.FB2 = 33.0;
    state.box.QL1 = 5.0; state.box.QL2 = 10.0;
    TVcofCal();
    state.rscales.VEL1 = 2.0;
    state.rscales.VEL2 = 3.0;
    state.rscales.XD = 1.0;
    for (double hz : gridHz()) {
        const double f = static_cast<double>(static_cast<float>(hz / 50.0));
        const cd s(0.0, f);
        const cd D = tvD(s);
        state.view.Magni = 1;
        atPoint(TVFRcal, f);
        EXPECT_NEAR(state.point.yy, -20.0 * std::log10(std::abs(tvH(f))), 1e-4);
        atPoint(TVvent1FRcal, f);
        EXPECT_NEAR(state.point.yy, -20.0 * std::log10(std::abs(s * s * T(2, s) / D)), 1e-4);
        atPoint(TVvent2FRcal, f);
        EXPECT_NEAR(state.point.yy, -20.0 * std::log10(std::abs(s * s * T(1, s) / D)), 1e-4);
        atPoint(TVvent1AScal, f);
        EXPECT_NEAR(state.point.yy / (2.0 * f * std::abs(T(2, s) / D)), 1.0, 1e-6);
        atPoint(TVvent2AScal, f);
        EXPECT_NEAR(state.point.yy / (3.0 * f * std::abs(T(1, s) / D)), 1.0, 1e-6);
        atPoint(TVDPcal, f);
        EXPECT_NEAR(state.point.yy / std::abs(T(1, s) * T(2, s) / D), 1.0, 1e-6);
        const double dh = 1e-6 * f;
        atPoint(TVGDcal, f);
        EXPECT_NEAR(state.point.yy, -std::arg(tvH(f + dh) / tvH(f - dh)) / (2 * dh) / (2 * kPi * 50.0) * 1000.0,
                    2e-3);
    }
    // Towards low frequency the system falls with the cube of f, a vent with
    // the square, and the vents' air moves the volume of their scales, at a
    // speed that falls with f.
    state.view.Magni = 1;
    atPoint(TVFRcal, 1e-4);
    const float sys1 = state.point.yy;
    atPoint(TVFRcal, 1e-5);
    EXPECT_NEAR(state.point.yy - sys1, 60.0, 0.1);
    atPoint(TVvent1FRcal, 0.01);
    const float v1 = state.point.yy;
    atPoint(TVvent1FRcal, 0.001);
    EXPECT_NEAR(state.point.yy - v1, 40.0, 0.1);
    atPoint(TVvent1AScal, 1e-4);
    EXPECT_NEAR(state.point.yy / state.point.f, 2.0, 1e-4);
    atPoint(TVvent2AScal, 1e-4);
    EXPECT_NEAR(state.point.yy / state.point.f, 3.0, 1e-4);
}

TEST(TwinVented, PhaseAndNyquistFollowTheOutput) {
    twinVented(1);
    TVcofCal();
    double phaseOffset = NAN;
    downwardSweep(TVPHcal, 3.0f, [&](double f) {
        double yy = state.point.yy;
        if (yy < 0.0) yy += 360.0;
        if (yy > 360.0) yy -= 360.0;
        const double off = degreesFrom(yy, tvH(f));
        if (std::isnan(phaseOffset)) phaseOffset = off;
        EXPECT_NEAR(std::remainder(off - phaseOffset, 360.0), 0.0, 1e-3) << f;
    });
    double nyquistOffset = NAN;
    downwardSweep(TVNQcal, 4.0f, [&](double f) {
        const cd point(state.point.xx, state.point.yy);
        EXPECT_NEAR(std::abs(point), state.coef.KNQ * std::abs(tvH(f)), 1e-5 * (1.0 + std::abs(point)));
        if (std::abs(point) < 1e-4) return;
        const double off = degreesFrom(std::arg(point) * 180.0 / kPi, tvH(f));
        if (std::isnan(nyquistOffset)) nyquistOffset = off;
        EXPECT_NEAR(std::remainder(off - nyquistOffset, 360.0), 0.0, 1e-2) << f;
    });
    EXPECT_NEAR(std::abs(std::remainder(phaseOffset - nyquistOffset, 360.0)), 180.0, 1e-2);
}

int segmentsDrawn(const std::function<void()>& entry, bool& allFinite) {
    RecordingProvider provider;
    setSurfaceProvider(&provider);
    entry();
    setSurfaceProvider(nullptr);
    int n = 0;
    for (const RecordedElement& e : provider.window.ofKind(RecordedElement::Kind::Line)) {
        ++n;
        allFinite = allFinite && std::isfinite(e.x0) && std::isfinite(e.y0) && std::isfinite(e.x1) && std::isfinite(e.y1);
    }
    return n;
}

TEST(TwinVented, EqualChambersCancelWithoutNonFinitePoints) {
    // Equal tunings, unequal losses: the level comes from vent 1 at FB1.
    twinVented(4);
    state.box.VB1 = 60.0; state.box.VB2 = 120.0; state.box.FB1 = state.box.FB2 = 60.0;
    state.box.QL1 = 5.0; state.box.QL2 = 10.0;
    TVcofCal();
    EXPECT_DOUBLE_EQ(state.coef.B13, 0.0);
    state.view.Magni = 0;
    atPoint(TVvent1FRcal, 1.2);
    EXPECT_NEAR(state.point.yy, 0.0, 1e-5);
    state.point.ss = 0.0;
    atPoint(TVPHcal, 1.2);
    EXPECT_TRUE(std::isfinite(state.point.yy));

    // Equal losses too: the vents cancel at every frequency. The level stays
    // finite, the vent curves are drawn, the system's curves have no points.
    state.box.QL2 = 5.0;
    TVcofCal();
    EXPECT_TRUE(std::isfinite(state.coef.KNQ));
    EXPECT_TRUE(std::isfinite(state.coef.siftUpDwn));
    for (void (*ev)() : {TVFRcal, TVGDcal}) {
        atPoint(ev, 1.1);
        EXPECT_TRUE(std::isnan(state.point.yy));
    }
    state.point.ss = 0.0; state.point.yy2 = 33.0f;
    atPoint(TVPHcal, 1.1);
    EXPECT_TRUE(std::isnan(state.point.yy));
    EXPECT_FLOAT_EQ(state.point.yy2, 33.0f);  // the unwrapping is left alone
    atPoint(TVNQcal, 1.1);
    EXPECT_TRUE(std::isnan(state.point.xx));

    state.speaker.EFI = 1.0; state.speaker.RE = 6.0; state.speaker.SD = 200.0; state.speaker.VD = 100.0;
    state.speaker.PEMX = 100.0;
    bool finite = true;
    state.view.Disp = 1;
    EXPECT_EQ(segmentsDrawn([] { SPLcal(); ampPlot(); }, finite), 0);
    state.view.Disp = 2;
    EXPECT_EQ(segmentsDrawn([] { ampPlot(); }, finite), 2 * 200);
    state.view.s_Resp = "ph";
    EXPECT_EQ(segmentsDrawn([] { phPlot(); }, finite), 0);
    state.view.s_Resp = "gd";
    segmentsDrawn([] { gdOpt(); gdPlot(); }, finite);
    state.view.s_Resp = "nq";
    segmentsDrawn([] { nqPlot(); }, finite);
    EXPECT_TRUE(finite);
}

TEST(TwinVented, StepPolynomialsAreTheOutputOverS) {
    twinVented(1);
    TVcofCal();
    TVStepSubstitution();
    ASSERT_EQ(state.step.NUO, 4);
    ASSERT_EQ(state.step.DEO, 7);
    EXPECT_DOUBLE_EQ(state.step.DET[7], 1.0);
    EXPECT_DOUBLE_EQ(state.step.DET[8], 0.0);
    for (cd s : {cd(0.3, 1.1), cd(-0.2, 2.5)}) {
        const cd H = s * s * (T(2, s) - T(1, s)) / tvD(s);
        EXPECT_LT(std::abs(poly(stepNumerator(), s) / poly(stepDenominator(), s) - H / s), 1e-12);
    }
}

}  // namespace
}  // namespace quendal
