// Twin Serial Vented: alignments, the worked coefficient set, the identities
// of its lumped model, air speeds and the step polynomials.
#include <algorithm>
#include <cmath>
#include <limits>

#include "SerialTestSupport.h"
#include "engine/ImpedancePageQ.h"
#include "enclosures/PVcal.h"
#include "response/ResponseCal.h"

namespace quendal {
namespace {

using test::atF;
using test::groupDelayMs;
using test::polyAt;
using test::selectSystem;
using test::setDriver;

class TwinSerialVented : public test::SerialUnitTest {
protected:
    void SetUp() override {
        SerialUnitTest::SetUp();
        setDriver(40.0, 40.0, 0.4, 4.0);
        selectSystem(1, 6, 3);
    }

    // The ratios of the worked example, applied with no alignment run.
    void workedRatios() {
        AlignmentRatios& r = state.ratios;
        r.HH1 = 1.4;
        r.HH2 = 0.8;
        r.HH3 = 1.4;
        r.AL1 = 2.0;
        r.AL12 = 0.5;
        r.AL13 = 2.5;
        state.box.QL1 = state.box.QL2 = state.box.QL3 = 7.0;
        state.speaker.QTS = 0.4;
        state.selection.Alin = 0;
    }
};

struct FitRow {
    int alin;
    double qts, al1, al2, al3, hh1, hh2, hh3;
};

TEST_F(TwinSerialVented, TableAlignmentsFollowTheirFits) {
    const FitRow rows[] = {
        {1, 0.4, 1.9999998, 1.0000002, 5.0000002, 1.4, 0.8, 1.4},
        {1, 1.0, 3.0, 1.5, 7.0, 0.8, 0.2, 0.8},
        {2, 0.4, 2.0, 0.6666662, 3.3333332, 2.0, 0.7, 1.4},
        {2, 0.2, 2.0, 0.8592588, 3.7111108, 2.4, 1.0, 1.4},
        {2, 1.0, 2.0, 0.5000003, 2.999999, 1.600001, 0.6, 1.4},
    };
    for (const FitRow& row : rows) {
        state.speaker.QTS = row.qts;
        state.selection.Alin = row.alin;
        PVcofCal();
        const AlignmentRatios& r = state.ratios;
        SCOPED_TRACE(testing::Message() << "Alin " << row.alin << " Qts " << row.qts);
        EXPECT_NEAR(r.AL1, row.al1, 2e-6);
        EXPECT_NEAR(r.AL2, row.al2, 2e-6);
        EXPECT_NEAR(r.AL3, row.al3, 2e-6);
        EXPECT_NEAR(r.HH1, row.hh1, 2e-6);
        EXPECT_NEAR(r.HH2, row.hh2, 2e-6);
        EXPECT_NEAR(r.HH3, row.hh3, 2e-6);
        EXPECT_NEAR(state.box.VB1, 40.0 / row.al1, 1e-9);
        EXPECT_NEAR(state.box.FB2, 40.0 * row.hh2, 1e-9);
        // The volume ratios agree with the compliance ratios.
        EXPECT_NEAR(r.AL1 * r.AL12, r.AL2, 1e-12);
        EXPECT_NEAR(r.AL1 * r.AL13, r.AL3, 1e-12);
    }
    // The two bands of Type2 meet at Qts 0.4.
    state.selection.Alin = 2;
    state.speaker.QTS = 0.4;
    PVtype2();
    const AlignmentRatios below = state.ratios;
    state.speaker.QTS = std::nextafter(0.4, 1.0);
    PVtype2();
    EXPECT_NEAR(state.ratios.AL2, below.AL2, 1e-6);
    EXPECT_NEAR(state.ratios.AL3, below.AL3, 1e-6);
    EXPECT_NEAR(state.ratios.HH1, below.HH1, 1e-6);
    EXPECT_NEAR(state.ratios.HH2, below.HH2, 1e-6);
}

TEST_F(TwinSerialVented, CustomTakesTheEnteredBoxAndKeepsIt) {
    BoxParameters& b = state.box;
    b.VB1 = 20.0;
    b.VB2 = 40.0;
    b.VB3 = 10.0;
    b.FB1 = 50.0;
    b.FB2 = 30.0;
    b.FB3 = 60.0;
    PVcofCal();
    const AlignmentRatios& r = state.ratios;
    EXPECT_DOUBLE_EQ(r.AL1, 2.0);
    EXPECT_DOUBLE_EQ(r.AL2, 1.0);
    EXPECT_DOUBLE_EQ(r.AL3, 4.0);
    EXPECT_DOUBLE_EQ(r.AL12, 0.5);
    EXPECT_DOUBLE_EQ(r.AL13, 2.0);
    EXPECT_DOUBLE_EQ(r.HH2, 30.0 / 40.0);
    EXPECT_DOUBLE_EQ(b.FB1, 50.0);
    EXPECT_DOUBLE_EQ(b.VB3, 10.0);
}

TEST_F(TwinSerialVented, WorkedCoefficientSet) {
    workedRatios();
    state.vents.VentCalcCount = 3;
    state.coef.siftUpDwn = 4.0;
    PVcofCal();
    const TransferCoefficients& c = state.coef;
    auto near = [](double got, double want) { EXPECT_NEAR(got, want, 5e-6 * std::max(1.0, std::fabs(want))); };
    const double a[] = {0.0415032, 0.125103, 0.696068, 1.51062, 3.0187, 3.90935, 3.4409, 1.7496, 0.615434};
    const double A[] = {c.A01, c.A02, c.A03, c.A04, c.A05, c.A06, c.A07, c.A08, c.A09};
    for (int i = 0; i < 9; ++i) near(A[i], a[i]);
    // The total counts the chambers' leaks (the lumped-circuit comparison
    // pins it): its highest term is the driver's, and it starts with s^5.
    near(c.B01, 0.0415032);
    EXPECT_EQ(c.B06, 0.0);
    EXPECT_EQ(c.B07, 0.0);
    near(c.B15, 1.37547);
    near(c.B16, 0.211012);
    near(c.B17, 0.615434);
    near(c.B21, 0.0520616);
    near(c.B22, 0.0104123);
    near(c.B23, 0.357143);
    near(c.B31, 0.159439);
    near(c.B32, 0.0182216);
    near(c.B33, 0.258291);
    const double b6[] = {0.0813463, 0.025566, 0.452518, 0.0593828, 0.307717};
    const double B6[] = {c.B61, c.B62, c.B63, c.B64, c.B65};
    for (int i = 0; i < 5; ++i) near(B6[i], b6[i]);
    near(c.D01, 2.5);
    EXPECT_EQ(state.vents.VentCalcCount, 0);
    EXPECT_EQ(c.siftUpDwn, 0.0);
    // Identities of the model.
    EXPECT_EQ(c.A01, c.B11);
    EXPECT_EQ(c.A09, c.B17);
    EXPECT_NEAR(c.B45 + c.B55, c.B17, 1e-12);
    EXPECT_NEAR(c.B23 + c.B33, c.A09, 1e-12);
}

TEST_F(TwinSerialVented, ImpedanceBuildUsesMechanicalQ) {
    workedRatios();
    PVcofCal();
    const TransferCoefficients total = state.coef;
    buildCurrentDriveCoefficients(PVcofCal);
    const TransferCoefficients& c = state.coef;
    EXPECT_EQ(c.B11, total.B11);
    EXPECT_EQ(c.B05, total.B05);
    EXPECT_EQ(c.B63, total.B63);
    EXPECT_EQ(c.A01, total.A01);
    EXPECT_EQ(c.A09, total.A09);
    const double a[] = {0.0317203, 0.648043, 0.344678, 2.64138, 0.814547, 2.96612, 0.364871};
    const double A[] = {c.A02, c.A03, c.A04, c.A05, c.A06, c.A07, c.A08};
    for (int i = 0; i < 7; ++i) EXPECT_NEAR(A[i], a[i], 5e-6 * std::max(1.0, a[i]));
    EXPECT_DOUBLE_EQ(c.D01, 0.25);
    EXPECT_DOUBLE_EQ(state.speaker.QTS, 0.4);
}

TEST_F(TwinSerialVented, SymmetricChambersGiveEqualBranches) {
    workedRatios();
    state.ratios.AL13 = 0.5;
    state.ratios.HH3 = 0.8;
    PVcofCal();
    const TransferCoefficients& c = state.coef;
    EXPECT_NEAR(c.B43, c.B53, 1e-12);
    EXPECT_NEAR(c.B44, c.B54, 1e-12);
    EXPECT_NEAR(c.B65, c.B45, 1e-12);
    EXPECT_NEAR(c.B21, c.B31, 1e-12);
    EXPECT_NEAR(c.B23, c.B33, 1e-12);
}

// Each curve's level and the Nyquist point against direct complex
// evaluation of the model's polynomials.
TEST_F(TwinSerialVented, EvaluatorsAgreeWithComplexEvaluation) {
    workedRatios();
    PVcofCal();
    const TransferCoefficients& c = state.coef;
    state.rscales.P1 = 2.0;
    state.rscales.XD = 3.0;
    for (double F : {0.3, 0.9, 1.7, 4.0}) {
        atF(F);
        const test::cplx D = polyAt({c.A01, c.A02, c.A03, c.A04, c.A05, c.A06, c.A07, c.A08, c.A09}, 1, F);
        const test::cplx Ns = polyAt({c.B01, c.B02, c.B03, c.B04, c.B05, c.B06, c.B07}, 3, F);
        const test::cplx Nd = polyAt({c.B11, c.B12, c.B13, c.B14, c.B15, c.B16, c.B17}, 3, F);
        const test::cplx N3 = polyAt({c.B31, c.B32, c.B33}, 3, F);
        PVFRcal();
        EXPECT_NEAR(state.point.yy, test::invertedLevel(Ns / D), 1e-4) << F;
        PVdirctFRcal();
        EXPECT_NEAR(state.point.yy, test::invertedLevel(Nd / D), 1e-4) << F;
        PVvent3FRcal();
        EXPECT_NEAR(state.point.yy, test::invertedLevel(N3 / D), 1e-4) << F;
        const double cone = std::abs(Nd / (D * test::cplx(0.0, F) * test::cplx(0.0, F)));
        PVPWcal();
        EXPECT_NEAR(state.point.yyLinea, 2.0 / (cone * cone), 1e-4 * state.point.yyLinea) << F;
        PVDPoptcal();
        EXPECT_NEAR(state.point.yy, 3.0 * cone, 1e-5) << F;
        state.point.ss = 0.0;
        state.point.fai2 = 0.0;
        PVNQcal();
        const test::cplx h = Ns / D;
        // The point lies on the response, or on its mirror through the origin
        // until the unwrap has turned it (phase known modulo pi).
        const double distance = std::min(std::abs(test::cplx(state.point.xx, state.point.yy) - h),
                                         std::abs(test::cplx(state.point.xx, state.point.yy) + h));
        EXPECT_NEAR(distance, 0.0, 1e-5) << F;
    }
}

TEST_F(TwinSerialVented, GroupDelayIsTheSlopeOfThePhase) {
    workedRatios();
    PVcofCal();
    const TransferCoefficients& c = state.coef;
    for (double F : {0.4, 1.1, 2.5}) {
        auto response = [&](double x) {
            return polyAt({c.B01, c.B02, c.B03, c.B04, c.B05, c.B06, c.B07}, 3, x)
                   / polyAt({c.A01, c.A02, c.A03, c.A04, c.A05, c.A06, c.A07, c.A08, c.A09}, 1, x);
        };
        const double delayMs = groupDelayMs(response, F, 1e-6, state.speaker.FS);
        atF(F);
        PVGDcal();
        EXPECT_NEAR(state.point.yy, delayMs, 1e-4 * std::max(1.0, std::fabs(delayMs))) << F;
    }
}

TEST_F(TwinSerialVented, VentsMoveFiniteVolumesAtLowFrequency) {
    workedRatios();
    PVcofCal();
    const TransferCoefficients& c = state.coef;
    state.rscales.VEL1 = 1.0;
    state.rscales.VEL2 = 2.0;
    state.rscales.VEL3 = 3.0;
    atF(1e-5);
    // Far below the tunings all the cone's air passes vent 1 (its two
    // branches together) and then leaves through vents 2 and 3; the speed
    // of the air is that volume moved at f. Vent 1 shows its faster branch,
    // which carries its share through half of the vent's area.
    const double f = state.point.f;
    EXPECT_NEAR((c.B45 + c.B55) / c.A09, 1.0, 1e-4);
    PVvent1AScal();
    EXPECT_NEAR(state.point.yy / f, 2.0 * std::max(c.B45, c.B55) / c.A09, 1e-4);
    PVvent2AScal();
    EXPECT_NEAR(state.point.yy / f, 2.0 * c.B23 / c.A09, 1e-4);
    PVvent3AScal();
    EXPECT_NEAR(state.point.yy / f, 3.0 * c.B33 / c.A09, 1e-4);
    // Falling as f^-5 (vents 2 and 3) and f^-3 (vent 1) far above the tunings.
    atF(200.0);
    PVvent2AScal();
    const float v2 = state.point.yy;
    PVvent1AScal();
    const float v1 = state.point.yy;
    atF(400.0);
    PVvent2AScal();
    EXPECT_NEAR(v2 / state.point.yy, 32.0, 0.25);
    PVvent1AScal();
    EXPECT_NEAR(v1 / state.point.yy, 8.0, 0.1);
}

TEST_F(TwinSerialVented, StepPolynomialsAreTheTotalOverSSquared) {
    workedRatios();
    PVcofCal();
    StepPolynomials& st = state.step;
    st.NUT[8] = 9.0;
    st.DET[10] = 9.0;
    st.NUT[12] = 5.0;
    PVStepSubstitution();
    EXPECT_EQ(st.NUO, 7);
    EXPECT_EQ(st.DEO, 9);
    EXPECT_EQ(st.NUT[1], state.coef.B01);
    EXPECT_EQ(st.NUT[6], state.coef.B06);
    EXPECT_EQ(st.NUT[8], 0.0);
    EXPECT_EQ(st.DET[9], state.coef.A09);
    EXPECT_EQ(st.DET[10], 0.0);
    EXPECT_EQ(st.NUT[12], 5.0);  // beyond the degree: untouched
    // The graph starts at 0 for this system.
    EXPECT_EQ(InverseLaplaceTransform(0.0f), 0.0);
}

TEST_F(TwinSerialVented, PhaseUnwrapThresholds) {
    workedRatios();
    PVcofCal();
    atF(1.0);
    state.point.ss = 0.0;
    state.point.yy2 = 0.0f;
    PVPHcal();
    const float raw = state.point.yy2;
    ASSERT_GE(raw, 0.0f);
    ASSERT_LT(raw, 180.0f);
    // The same point twice: the offset does not move.
    const float first = state.point.yy;
    PVPHcal();
    EXPECT_EQ(state.point.yy, first);
    // Without a known previous full-quadrant angle the fold rule decides: a
    // jump of exactly 160 degrees is not unwrapped, just over 160 is.
    state.point.ss = 0.0;
    state.point.yy2 = raw + 160.0f;
    state.point.prevAngle = std::nan("");
    PVPHcal();
    EXPECT_EQ(state.point.ss, 0.0);
    state.point.yy2 = raw - 160.1f;
    state.point.prevAngle = std::nan("");
    PVPHcal();
    EXPECT_EQ(state.point.ss, -180.0);
}

}  // namespace
}  // namespace quendal
