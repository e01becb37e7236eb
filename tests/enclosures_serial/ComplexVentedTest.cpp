// Complex Vented: alignments, the worked coefficient set and points, the
// two drivers' cones and impedances, the pair impedances and the limit of an
// unbounded sealed chamber.
#include <cmath>

#include "SerialTestSupport.h"
#include "engine/ImpedancePageQ.h"
#include "enclosures/CVcal.h"

namespace quendal {
namespace {

using test::atF;
using test::cplx;
using test::polyAt;
using test::selectSystem;
using test::setDriver;

class ComplexVented : public test::SerialUnitTest {
protected:
    void SetUp() override {
        SerialUnitTest::SetUp();
        setDriver(30.0, 80.0, 0.3, 3.0);
        selectSystem(1, 8, 1);
        state.box.QL1 = 7.0;
        state.box.QA = state.box.QA1 = 10.0;
        state.box.QA2 = 10.0;
    }

    // Motional impedances of the two speakers (each with the other not
    // driven) as complex values, from the coefficient sets.
    cplx denominator(double F) const {
        const TransferCoefficients& c = state.coef;
        return polyAt({c.A01, c.A02, c.A03, c.A04, c.A05, c.A06, c.A07}, 0, F);
    }
    cplx speaker1Motional(double F) const {
        const TransferCoefficients& c = state.coef;
        return c.D01 * polyAt({c.B11, c.B12, c.B13, c.B14, c.B15}, 1, F) / denominator(F);
    }
    cplx speaker2Motional(double F) const {
        const TransferCoefficients& c = state.coef;
        return c.D01 * polyAt({c.E11, c.E12, c.E13, c.E14, c.E15}, 1, F) / denominator(F);
    }
};

TEST_F(ComplexVented, OptimumFitsBothBands) {
    struct Row {
        double qts, vb1, fb1;
    };
    const Row rows[] = {{0.2, 0.125001, 1.900007}, {0.3, 0.300002, 1.300008}, {0.4, 0.660004, 0.95001},
                        {0.5, 1.400005, 0.740012}, {0.6, 2.500011, 0.609998}, {0.8, 4.200006, 0.519997}};
    for (const Row& r : rows) {
        state.speaker.QTS = r.qts;
        CVcofCal();
        EXPECT_NEAR(state.box.VB1 / 80.0, r.vb1, 2e-6) << r.qts;
        EXPECT_NEAR(state.box.FB1 / 30.0, r.fb1, 2e-6) << r.qts;
        EXPECT_NEAR(state.box.VB2, state.box.VB1 / 4.0, 1e-12);
        EXPECT_NEAR(state.ratios.HH2, std::sqrt(1.0 + state.ratios.AL2), 1e-12);
    }
    state.speaker.QTS = std::nextafter(0.5, 1.0);
    CVcofCal();
    EXPECT_NEAR(state.box.VB1 / 80.0, 1.400014, 2e-6);
    EXPECT_NEAR(state.box.FB1 / 30.0, 0.739997, 2e-6);
    state.speaker.QTS = 0.3;
    CVcofCal();
    EXPECT_NEAR(state.box.VB2 / 80.0, 0.0750006, 1e-7);
    EXPECT_NEAR(state.ratios.AL2, 13.33323, 1e-4);
    EXPECT_NEAR(state.ratios.HH2, 3.785925, 1e-6);
}

TEST_F(ComplexVented, WorkedCoefficientSet) {
    CVcofCal();
    const TransferCoefficients& c = state.coef;
    struct Row {
        const char* name;
        double got, want;
    };
    const Row rows[] = {
        {"A01", c.A01, 0.591708}, {"A02", c.A02, 4.471387}, {"A03", c.A03, 28.708317}, {"A04", c.A04, 76.226668},
        {"A05", c.A05, 97.343877}, {"A06", c.A06, 99.299483}, {"A07", c.A07, 27.666462}, {"B02", c.B02, 2.499025},
        {"B03", c.B03, 19.786524}, {"B04", c.B04, 7.077942}, {"B12", c.B12, 2.290638}, {"B13", c.B13, 11.858439},
        {"B14", c.B14, 5.260583}, {"B15", c.B15, 14.333231}, {"B24", c.B24, 4.037691},
        {"C14", c.C14, 0.0}, {"C15", c.C15, 0.0}, {"D01", c.D01, 3.333333},
    };
    for (const Row& r : rows) EXPECT_NEAR(r.got, r.want, 2e-6 * std::max(1.0, r.want)) << r.name;
    // The series pair: both cones' motion with both drivers driven.
    EXPECT_DOUBLE_EQ(c.E21, c.D01 * (c.B01 + c.D11));
    EXPECT_DOUBLE_EQ(c.E23, c.D01 * (c.B03 + c.D13));
    EXPECT_DOUBLE_EQ(c.E25, c.D01 * (c.B05 + c.D15));
    EXPECT_EQ(c.siftUpDwn, 0.0);
}

TEST_F(ComplexVented, WorkedLevels) {
    CVcofCal();
    struct Row {
        double F, total, direct, vent;
    };
    // The total counts the chamber's leak besides the vent: the lumped-circuit
    // comparison pins it; the direct and vent curves stand as worked.
    const Row rows[] = {{0.5, 30.559, 16.9798, 15.4248}, {1.0, 8.7522, 14.2825, 5.3372}, {2.0, 0.1971, 4.1857, 8.7752}};
    for (const Row& r : rows) {
        atF(r.F);
        CVdirectFRcal();
        EXPECT_NEAR(state.point.yy, r.direct, 1e-3) << r.F;
        CVventFRcal();
        EXPECT_NEAR(state.point.yy, r.vent, 1e-3) << r.F;
    }
    // C14 = C15 = 0: with the leak counted the total is the flow into the
    // chambers' compliances and rises as s^4, 24 dB per octave, far below the
    // tunings.
    atF(0.01);
    CVFRcal();
    const float low = state.point.yy;
    atF(0.02);
    CVFRcal();
    EXPECT_NEAR(low - state.point.yy, 24.08, 0.05);
    // Far above, the total tends to 0 dB.
    atF(300.0);
    CVFRcal();
    EXPECT_NEAR(state.point.yy, 0.0, 0.01);
}

TEST_F(ComplexVented, ImpedanceBuildUsesMechanicalQ) {
    buildCurrentDriveCoefficients(CVcofCal);
    EXPECT_DOUBLE_EQ(state.speaker.QTS, 0.3);
    EXPECT_NEAR(state.box.VB1 / 80.0, 0.300002, 2e-6);  // the box still follows Qts
    EXPECT_NEAR(state.coef.D01, 1.0 / 3.0, 1e-15);
    state.speaker.RE = 6.0;
    state.rscales.RES = 60.0;
    state.rscales.ZL = 0.0;
    for (auto [F, zvc] : {std::pair{1.0, 0.04627}, std::pair{2.0, 0.349054}}) {
        atF(F);
        CVIMPSP1cal();
        EXPECT_NEAR(state.point.ZVC, zvc, 2e-5) << F;
        EXPECT_NEAR(state.point.yyLinea, std::abs(6.0 + 60.0 * speaker1Motional(state.point.f)), 1e-4) << F;
        EXPECT_NEAR(state.point.yy, std::log10(state.point.yyLinea), 1e-5);
    }
}

// Speaker 2 drives the vented chamber: its cone is the vent circuit times the
// vent's own numerator, so it stands still at the vent's tuning when the
// chamber does not leak. Speaker 1 has no such null.
TEST_F(ComplexVented, SpeakerTwoConeStandsStillAtTheVentTuning) {
    CVcofCal();
    const TransferCoefficients& c = state.coef;
    const double h = state.ratios.HH1, l = state.box.QL1;
    for (double F : {0.2, 0.9, 1.3, 3.0}) {
        const cplx circuit = polyAt({1.0 / (h * h), 1.0 / (h * l), 1.0}, 0, F);
        const cplx vent = polyAt({c.B23, c.B24, c.B25}, 0, F);
        const cplx cone2 = polyAt({c.D11, c.D12, c.D13, c.D14, c.D15}, 0, F);
        EXPECT_NEAR(std::abs(cone2 - circuit * vent), 0.0, 1e-9 * std::abs(cone2)) << F;
    }
    state.box.QL1 = 1e9;
    CVcofCal();
    state.view.Magni = 0;
    atF(h);
    CVDPSP2cal();
    EXPECT_GT(state.point.yy, 100.0);  // more than 100 dB down
    CVDPSP1cal();
    EXPECT_LT(state.point.yy, 30.0);
}

// Each speaker alone against its own numerator; the pair in series (whose
// motion the network of both driven gives, see the lumped-circuit
// comparison, which also holds the pair in parallel) takes twice the coil's
// resistance and inductance, summed with the motional part as complex values.
TEST_F(ComplexVented, PairImpedancesTakeTheConnectionOfTheCoils) {
    buildCurrentDriveCoefficients(CVcofCal);
    state.speaker.RE = 6.0;
    state.rscales.RES = 50.0;
    state.rscales.ZL = 0.002;
    for (double wanted : {0.3, 1.0, 2.0, 3.7, 8.0}) {
        const double F = atF(wanted);
        const cplx z1 = speaker1Motional(F), z2 = speaker2Motional(F);
        CVIMPSP2cal();
        EXPECT_NEAR(state.point.ZVC, std::abs(z2), 1e-9) << F;
        CVIMPSP1cal();
        EXPECT_NEAR(state.point.ZVC, std::abs(z1), 1e-9) << F;
        EXPECT_NEAR(state.point.yyLinea, std::abs(cplx(6.0, 0.002 * state.point.ff) + 50.0 * z1), 1e-4) << F;
        test::expectCoilsInSeriesWithTheMotionalPart([] { CVIMPserical(); }, 2.0, 6.0, 0.002);
    }
    // Towards low frequencies the motional parts vanish.
    atF(0.0001);
    CVIMPparacal();
    EXPECT_NEAR(state.point.yyLinea, 3.0, 0.01);
    CVIMPserical();
    EXPECT_NEAR(state.point.yyLinea, 12.0, 0.02);
}

// With the sealed chamber growing without bound the drivers decouple:
// speaker 1 becomes a driver on an infinite baffle, speaker 2 a driver in a
// vented box of chamber 1, and the denominator their product.
TEST_F(ComplexVented, UnboundedSealedChamberSplitsIntoInfiniteBaffleAndVentedBox) {
    state.selection.Alin = 2;
    BoxParameters& b = state.box;
    b.VB1 = 60.0;
    b.FB1 = 36.0;
    b.VB2 = 1e12;
    CVcofCal();
    const TransferCoefficients& c = state.coef;
    const double q = 0.3, h = 36.0 / 30.0, alpha = 80.0 / 60.0, l = 7.0;
    for (double F : {0.4, 1.0, 1.2, 2.5}) {
        const cplx s(0.0, F);
        const cplx ib = s * s + s / q + 1.0;
        const cplx ventCircuit = s * s + s * h / l + h * h;
        const cplx vb = ib * ventCircuit + alpha * s * s;
        const cplx D = denominator(F);
        EXPECT_NEAR(std::abs(D - ib * vb / (h * h)), 0.0, 1e-6 * std::abs(D)) << F;
        const cplx cone1 = polyAt({c.B01, c.B02, c.B03, c.B04, c.B05}, 0, F) / D;
        EXPECT_NEAR(std::abs(cone1 - 1.0 / ib), 0.0, 1e-6) << F;
        const cplx cone2 = polyAt({c.D11, c.D12, c.D13, c.D14, c.D15}, 0, F) / D;
        EXPECT_NEAR(std::abs(cone2 - ventCircuit / vb), 0.0, 1e-6) << F;
        const cplx total = polyAt({c.C11, c.C12, c.C13, c.C14, c.C15}, 2, F) / D;
        // Direct sound less the vent and the leak, which is s/(h l) of the vent.
        EXPECT_NEAR(std::abs(total - (s * s / ib - h * h * s * s * (1.0 + s / (h * l)) / vb)), 0.0, 1e-6) << F;
    }
}

TEST_F(ComplexVented, CustomFillingFactorFollowsTheLossItsCoefficientsUse) {
    state.selection.Alin = 2;
    BoxParameters& b = state.box;
    b.VB1 = 40.0;
    b.VB2 = 10.0;
    b.FB1 = 35.0;
    // The palette's chamber-2 loss sets QA and QA1; QA2 keeps its default.
    b.QA = b.QA1 = 5.0;
    b.QA2 = 10.0;
    CVcofCal();
    EXPECT_DOUBLE_EQ(b.VAB2, 12.0);
    EXPECT_DOUBLE_EQ(state.ratios.AL2, 80.0 / 12.0);
    EXPECT_DOUBLE_EQ(state.ratios.AL1, 2.0);
    EXPECT_DOUBLE_EQ(b.VB2, 10.0);
    EXPECT_DOUBLE_EQ(b.FC2, 30.0 * std::sqrt(1.0 + 80.0 / 12.0));
    b.QA = b.QA1 = 10.0;
    CVcofCal();
    EXPECT_DOUBLE_EQ(b.VAB2, 10.0);
}

TEST_F(ComplexVented, PhaseUnwrapAndStep) {
    CVcofCal();
    atF(1.0);
    state.point.ss = 0.0;
    state.point.yy2 = 0.0f;
    CVPHcal();
    const float raw = state.point.yy2;
    // No previous full-quadrant angle known: the fold rule decides.
    state.point.ss = 0.0;
    state.point.yy2 = raw + 160.0f;  // a fall of exactly 160: nothing
    state.point.prevAngle = std::nan("");
    CVPHcal();
    EXPECT_EQ(state.point.ss, 0.0);
    state.point.yy2 = raw + 160.5f;  // a fall of more than 160 raises by 180
    state.point.prevAngle = std::nan("");
    CVPHcal();
    EXPECT_EQ(state.point.ss, 180.0);
    EXPECT_NEAR(state.point.yy, raw + 180.0f, 1e-4);

    StepPolynomials& st = state.step;
    st.NUT[8] = 7.0;
    CVStepSubstitution();
    EXPECT_EQ(st.NUO, 6);
    EXPECT_EQ(st.DEO, 7);
    EXPECT_EQ(st.NUT[3], state.coef.C13);
    EXPECT_EQ(st.NUT[6], 0.0);
    EXPECT_EQ(st.NUT[7], 0.0);
    EXPECT_EQ(st.DET[7], state.coef.A07);
    EXPECT_EQ(st.DET[8], 0.0);
    EXPECT_EQ(st.NUT[8], 7.0);
}

TEST_F(ComplexVented, AirSpeedIsTheVentOverTheDenominator) {
    CVcofCal();
    const TransferCoefficients& c = state.coef;
    state.rscales.VEL = 2.5;
    for (double F : {0.1, 1.0, 4.0}) {
        atF(F);
        CVAScal();
        const double Fx = state.point.f;
        EXPECT_NEAR(state.point.yy, 2.5 * Fx * std::abs(polyAt({c.B23, c.B24, c.B25}, 0, Fx) / denominator(Fx)), 1e-5);
    }
    atF(1e-4);
    CVAScal();
    // All the air the cone moves leaves through the vent: B25 = A07.
    EXPECT_NEAR(state.point.yy / state.point.f, 2.5 * c.B25 / c.A07, 1e-5);
    EXPECT_NEAR(c.B25 / c.A07, 1.0, 1e-9);
}

}  // namespace
}  // namespace quendal
