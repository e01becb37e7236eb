// Serial Vented: alignments, dip and coupled resonances, evaluators against
// complex evaluation, unwrap thresholds and the step polynomials.
#include <cmath>
#include <numbers>

#include "SerialTestSupport.h"
#include "engine/ImpedancePageQ.h"
#include "enclosures/SVcal.h"
#include "response/ResponseCal.h"

namespace quendal {
namespace {

using test::atF;
using test::cplx;
using test::groupDelayMs;
using test::polyAt;
using test::selectSystem;
using test::setDriver;

class SerialVented : public test::SerialUnitTest {
protected:
    void SetUp() override {
        SerialUnitTest::SetUp();
        setDriver(40.0, 50.0, 0.4, 5.0);
        selectSystem(1, 5, 1);
        state.box.QL1 = 7.0;
        state.box.QL2 = 10.0;
    }

    cplx denominator(double F) const {
        const TransferCoefficients& c = state.coef;
        return polyAt({c.A01, c.A02, c.A03, c.A04, c.A05, c.A06, 1.0}, 0, F);
    }
    cplx total(double F) const {
        const TransferCoefficients& c = state.coef;
        return polyAt({c.B01, c.B02, c.B03}, 4, F) / denominator(F);
    }
    cplx cone(double F) const {
        const TransferCoefficients& c = state.coef;
        return polyAt({c.B11, c.B12, c.B13, c.B14, 1.0}, 0, F) / denominator(F);
    }
};

TEST_F(SerialVented, TableAlignments) {
    struct Row {
        int alin;
        double qts, hh1, hh2, al1, al2;
    };
    const Row rows[] = {
        {1, 0.4, 2.0, 1.0, 2.0, 2.0 / 3.0},
        {1, 0.3, 2 * 0.459778 * std::pow(0.3, -0.847997), 0.459778 * std::pow(0.3, -0.847997), 1.0 / 0.3, 1.0 / 0.9},
        {2, 0.7, 0.8 / 0.7, 0.4 / 0.7, 1.0, 0.5},
        {3, 0.5, 0.8, 1.6, 1.0 / 2.1, 1.0 / 0.7},
    };
    for (const Row& r : rows) {
        state.speaker.QTS = r.qts;
        state.selection.Alin = r.alin;
        SVcofCal();
        const AlignmentRatios& a = state.ratios;
        SCOPED_TRACE(testing::Message() << "Alin " << r.alin << " Qts " << r.qts);
        EXPECT_NEAR(a.HH1, r.hh1, 1e-5);
        EXPECT_NEAR(a.HH2, r.hh2, 1e-5);
        EXPECT_NEAR(a.AL1, r.al1, 1e-12);
        EXPECT_NEAR(a.AL2, r.al2, 1e-12);
        EXPECT_NEAR(state.box.VB1, 50.0 / r.al1, 1e-9);
        EXPECT_NEAR(state.box.VB2, 50.0 / r.al2, 1e-9);
        EXPECT_NEAR(state.box.FB1, 40.0 * a.HH1, 1e-9);
        EXPECT_NEAR(a.AL12, state.box.VB1 / state.box.VB2, 1e-12);
    }
    // The two branches of the tuning law meet at Qts 0.4.
    state.selection.Alin = 1;
    state.speaker.QTS = std::nextafter(0.4, 0.0);
    SVcofCal();
    EXPECT_NEAR(state.ratios.HH2, 1.0, 1e-6);

    // Type4: two equal chambers, vent 1 a third above vent 2.
    state.selection.Alin = 4;
    state.speaker.QTS = 0.5;
    SVcofCal();
    EXPECT_DOUBLE_EQ(state.box.VB, 0.7 * 50.0);
    EXPECT_DOUBLE_EQ(state.box.VB1, state.box.VB2);
    EXPECT_DOUBLE_EQ(state.ratios.AL12, 1.0);
    EXPECT_NEAR(state.ratios.HH2, -17.1875 * 0.125 + 34.6875 * 0.25 - 23.5 * 0.5 + 6.45, 1e-12);
    EXPECT_NEAR(state.box.FB1, 4.0 / 3.0 * state.box.FB2, 1e-12);
}

TEST_F(SerialVented, CustomAndUnknownAlignmentKeepTheBox) {
    state.selection.Alin = 5;
    BoxParameters& b = state.box;
    b.VB1 = 25.0;
    b.VB2 = 100.0;
    b.FB1 = 60.0;
    b.FB2 = 30.0;
    SVcofCal();
    EXPECT_DOUBLE_EQ(state.ratios.AL1, 2.0);
    EXPECT_DOUBLE_EQ(state.ratios.AL2, 0.5);
    EXPECT_DOUBLE_EQ(state.ratios.AL12, 0.25);
    EXPECT_DOUBLE_EQ(state.ratios.HH1, 1.5);
    const TransferCoefficients before = state.coef;
    state.selection.Alin = 9;
    b.QL2 = 3.0;
    SVcofCal();
    EXPECT_DOUBLE_EQ(b.VB1, 25.0);
    EXPECT_DOUBLE_EQ(state.ratios.AL12, 0.25);
    EXPECT_NE(state.coef.B05, before.B05);  // rebuilt from the ratios in place
}

TEST_F(SerialVented, ImpedanceBuildUsesMechanicalQ) {
    SVcofCal();
    const TransferCoefficients total = state.coef;
    buildCurrentDriveCoefficients(SVcofCal);
    EXPECT_DOUBLE_EQ(state.coef.B15, 0.2);
    EXPECT_NE(state.coef.A06, total.A06);
    EXPECT_EQ(state.coef.B13, total.B13);
    EXPECT_DOUBLE_EQ(state.speaker.QTS, 0.4);
}

// Without losses the total output vanishes at the dip frequency, and the cone
// stands still at the two resonances of the vent circuits (the chambers and
// vents ringing against a cone held fixed).
TEST_F(SerialVented, DipAndCoupledResonancesOfTheLosslessSystem) {
    state.selection.Alin = 5;
    BoxParameters& b = state.box;
    b.VB1 = 30.0;
    b.VB2 = 60.0;
    b.FB1 = 70.0;
    b.FB2 = 35.0;
    b.QL1 = b.QL2 = 1e9;
    SVcofCal();
    EXPECT_NEAR(b.DIP, 40.0 * std::sqrt(1.75 * 1.75 * 1.5 + 0.875 * 0.875), 1e-9);
    EXPECT_GT(b.FBH, b.FBL);
    atF(b.DIP / 40.0);
    SVFRcal();
    EXPECT_GT(state.point.yy, 80.0);
    state.view.Magni = 0;
    for (double fb : {b.FBL, b.FBH}) {
        atF(fb / 40.0);
        SVDPcal();
        EXPECT_GT(state.point.yy, 80.0) << fb;
        // Vent 2 carries the flow there: the cone's own radiation has vanished.
        SVdirctFRcal();
        EXPECT_GT(state.point.yy, 80.0) << fb;
    }
    // Blocked cone: chamber 1 with vent 1 in series with chamber 2 and vent 2.
    // Its natural frequencies solve (s^2 + h1^2)(s^2 + h2^2) + AL12 h1^2 s^2 = 0.
    for (double fb : {b.FBL, b.FBH}) {
        const double w = fb / 40.0, h1 = 1.75, h2 = 0.875;
        EXPECT_NEAR((h1 * h1 - w * w) * (h2 * h2 - w * w) - 0.5 * h1 * h1 * w * w, 0.0, 1e-9);
    }
}

TEST_F(SerialVented, EvaluatorsAgreeWithComplexEvaluation) {
    SVcofCal();
    const TransferCoefficients& c = state.coef;
    state.rscales.P1 = 3.0;
    state.rscales.XD = 1.5;
    state.rscales.RES = 50.0;
    state.rscales.ZL = 0.0;
    state.rscales.VEL1 = 2.0;
    state.rscales.VEL2 = 4.0;
    state.speaker.RE = 6.0;
    for (double F : {0.3, 0.8, 1.5, 3.0}) {
        const double Fx = atF(F);
        const cplx s(0.0, Fx);
        SVFRcal();
        EXPECT_NEAR(state.point.yy, test::invertedLevel(total(Fx)), 1e-4) << F;
        SVdirctFRcal();
        EXPECT_NEAR(state.point.yy, test::invertedLevel(s * s * cone(Fx)), 1e-4) << F;
        SVvent2FRcal();
        EXPECT_NEAR(state.point.yy, test::invertedLevel(s * s / denominator(Fx)), 1e-4) << F;
        SVPWcal();
        EXPECT_NEAR(state.point.yyLinea, 3.0 / std::norm(cone(Fx)), 1e-4 * state.point.yyLinea) << F;
        EXPECT_NEAR(state.point.yy, std::log10(3.0 / std::norm(cone(Fx))), 1e-6);
        SVDPoptcal();
        EXPECT_NEAR(state.point.yy, 1.5 * std::abs(cone(Fx)), 1e-6) << F;
        state.point.yy = 5.0f;
        SVIMPcal();
        EXPECT_NEAR(state.point.yyLinea, std::abs(6.0 + 50.0 * c.B15 * s * cone(Fx)), 1e-4) << F;
        EXPECT_EQ(state.point.yy, 5.0f);
        SVvent1AScal();
        EXPECT_NEAR(state.point.yy, 2.0 * Fx * std::abs(polyAt({c.B04, c.B05, 1.0}, 0, Fx) / denominator(Fx)), 1e-6);
        SVvent2AScal();
        EXPECT_NEAR(state.point.yy, 4.0 * Fx / std::abs(denominator(Fx)), 1e-6);
        // Group delay: minus the slope of the phase.
        SVGDcal();
        EXPECT_NEAR(state.point.yy, groupDelayMs([&](double x) { return total(x); }, Fx, 1e-6, 40.0), 1e-3) << F;
        state.point.ss = 0.0;
        state.point.fai2 = 0.0;
        SVNQcal();
        const cplx p(state.point.xx, state.point.yy);
        EXPECT_NEAR(std::min(std::abs(p - total(Fx)), std::abs(p + total(Fx))), 0.0, 1e-5) << F;
    }
    state.view.Magni = 2;
    state.point.yy = 11.0f;
    SVDPcal();
    EXPECT_EQ(state.point.yy, 11.0f);
}

// The phase unwrap of this unit is asymmetric: +180 on a fall of more than
// 160 degrees, -180 on a rise of more than 100; the Nyquist unwrap likewise
// at 2.7925 and 2.5 rad.
TEST_F(SerialVented, AsymmetricUnwrapThresholds) {
    SVcofCal();
    atF(1.2);
    state.point.ss = 0.0;
    state.point.yy2 = 0.0f;
    SVPHcal();
    const float raw = state.point.yy2;
    struct Row {
        float previous;
        double offset;
    };
    const Row rows[] = {{raw + 161.0f, 180.0}, {raw + 159.0f, 0.0}, {raw - 105.0f, -180.0}, {raw - 95.0f, 0.0}};
    // No full-quadrant angle of a previous point is known: the fold rule decides.
    for (const Row& r : rows) {
        state.point.ss = 0.0;
        state.point.yy2 = r.previous;
        state.point.prevAngle = std::nan("");
        SVPHcal();
        EXPECT_EQ(state.point.ss, r.offset) << r.previous - raw;
        EXPECT_FLOAT_EQ(state.point.yy, static_cast<float>(raw + r.offset));
    }
    state.point.ss = 0.0;
    state.point.fai2 = 0.0;
    SVNQcal();
    const double fai = state.point.fai2;
    for (auto [step, offset] : {std::pair{-2.6, -1.0}, std::pair{-2.4, 0.0}, std::pair{2.8, 1.0}}) {
        state.point.ss = 0.0;
        state.point.fai2 = fai + step;
        state.point.prevAngle = std::nan("");
        SVNQcal();
        EXPECT_NEAR(state.point.ss, offset * std::numbers::pi, 1e-12) << step;
    }
}

TEST_F(SerialVented, StepPolynomialsAndTheirStart) {
    SVcofCal();
    StepPolynomials& st = state.step;
    for (double& v : st.NUT) v = 9.0;
    for (double& v : st.DET) v = 9.0;
    SVStepSubstitution();
    EXPECT_EQ(st.NUO, 6);
    EXPECT_EQ(st.DEO, 7);
    const double nut[] = {state.coef.B01, state.coef.B02, state.coef.B03, 0, 0, 0, 0};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(st.NUT[i + 1], nut[i]);
    EXPECT_EQ(st.DET[6], state.coef.A06);
    EXPECT_EQ(st.DET[7], 1.0);
    EXPECT_EQ(st.DET[8], 0.0);
    EXPECT_EQ(st.DET[9], 9.0);
    EXPECT_EQ(InverseLaplaceTransform(0.0f), 1.0);
    // A high-pass of sixth order: the step response starts at 1 and falls
    // quickly below it.
    EulerTransform();
    EXPECT_LT(InverseLaplaceTransform(1.0f), 0.9);
    EXPECT_TRUE(std::isfinite(InverseLaplaceTransform(5.0f)));
}

}  // namespace
}  // namespace quendal
