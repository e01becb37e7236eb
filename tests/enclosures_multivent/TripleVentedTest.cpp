// The Triple Vented unit: its worked examples, the two half systems against
// the lumped-circuit model of the whole enclosure (exact when the halves are
// alike, an approximation of the shared chamber otherwise), the pair's
// impedance, the finite-difference group delay and the four step paths.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "MultiVentTestSupport.h"
#include "engine/ImpedancePageQ.h"
#include "enclosures/TRIcal.h"
#include "enclosures/TRIparts.h"
#include "model/State.h"
#include "response/CofCal.h"
#include "response/StepResponse.h"
#include "support/VentSpeedComparison.h"

namespace quendal {
namespace {

using namespace quendal::testing;

void tripleVented(int alin, double qts = 0.4) {
    resetState();
    setDriver(40.0, 50.0, qts, 4.0);
    selectBandPass(8, alin);
    state.box.QL1 = state.box.QL2 = state.box.QL3 = 7.0;
}

double systemLevelDb(const LumpedCircuit& model, const oracle::Solution& s) {
    return s.splDb() - 20.0 * std::log10(model.referencePressure() / 2e-5);
}

TEST(TripleVented, WorkedExamples) {
    tripleVented(1);
    TRIcofCal();
    const BoxParameters& b = state.box;
    EXPECT_NEAR(state.ratios.AL1, 2.380952, 1e-6);
    EXPECT_DOUBLE_EQ(state.ratios.AL2, state.ratios.AL1);
    EXPECT_NEAR(b.VB1, 21.0, 1e-9);
    EXPECT_NEAR(b.VB2, 21.0, 1e-9);
    EXPECT_NEAR(b.VB3, 200.0, 1e-9);
    EXPECT_NEAR(b.FB1, 64.0, 1e-9);
    EXPECT_NEAR(b.FB2, 64.0, 1e-9);
    EXPECT_NEAR(b.FB3, 28.0, 1e-9);
    EXPECT_NEAR(state.ratios.AL3, 0.5, 1e-12);  // half of chamber 3 per driver
    EXPECT_NEAR(state.point.f, 1.0583, 1e-4);
    EXPECT_TRUE(tripleVentedIsSymmetric());

    struct Row {
        int alin;
        double fRef, k3;
    };
    for (const Row& r : {Row{0, 1.0583, 2.0}, Row{2, 1.0583, 0.42}, Row{3, 1.3904, 2.0}, Row{4, 1.3190, 3.0}}) {
        tripleVented(r.alin);
        TRIcofCal();
        EXPECT_NEAR(state.point.f, r.fRef, 1e-4) << r.alin;
        EXPECT_NEAR(state.ratios.AL3, 0.4 / (r.k3 * 0.4), 1e-12);
        EXPECT_NEAR(state.box.VB3, 50.0 / (0.4 / (r.k3 * 0.4) / 2.0), 1e-9);
        // 0 dB and radius 1 at the reference point.
        state.view.Magni = 0;
        atPoint(TRIFRcal, state.point.f);
        EXPECT_NEAR(state.point.yy, 0.0, 1e-5);
        atPoint(TRINQcal, state.point.f);
        EXPECT_NEAR(std::hypot(state.point.xx, state.point.yy), 1.0, 1e-6);
    }
    // Tunings of vents 1 and 2 a bit apart: the cube root of the three.
    tripleVented(5);
    customBox(21.0, 64.0, 7.0, 21.0, std::nextafter(64.0, 65.0), 7.0, 200.0, 28.0, 7.0);
    TRIcofCal();
    EXPECT_NEAR(state.point.f, std::cbrt(64.0 * 64.0 * 28.0) / 40.0, 1e-6);
    EXPECT_FALSE(tripleVentedIsSymmetric());
}

// The polynomials at a frequency follow the coefficients: after a change of
// any one of them in its sixth digit, and back, the same frequency gives the
// polynomials of the coefficients in force, exactly as computed afresh.
TEST(TripleVented, PolynomialsAtAFrequencyFollowEveryCoefficientChange) {
    tripleVented(5);
    customBox(21.0, 64.0, 7.0, 21.0, 60.0, 5.0, 200.0, 28.0, 7.0);
    TRIcofCal();
    TransferCoefficients& c = state.coef;
    const double f = 0.73;
    for (double* changed : {&c.A11, &c.A16, &c.A21, &c.A26, &c.B12, &c.B21, &c.B14, &c.B23}) {
        for (const double factor : {1.000001, 1.0 / 1.000001}) {  // and back
            tri::evaluateVentNumerators(f);
            tri::evaluateVentFlows(f);
            tri::evaluateDenominators(f);
            *changed *= factor;
            const double b[4][2] = {{c.B11, c.B12}, {c.B21, c.B22}, {c.B13, c.B14}, {c.B23, c.B24}};
            for (int lowest : {2, 0}) {
                if (lowest == 2) tri::evaluateVentNumerators(f);
                else tri::evaluateVentFlows(f);
                tri::evaluateDenominators(f);
                const PlotPoint& p = state.point;
                const double got[6][2] = {{p.N1R, p.N1J}, {p.N2R, p.N2J}, {p.N3R, p.N3J},
                                          {p.N4R, p.N4J}, {p.D1R, p.D1J}, {p.D2R, p.D2J}};
                for (int n = 0; n < 6; ++n) {
                    const JfValue want = n < 4 ? polyAtJf({b[n][0], b[n][1], 1.0}, f, lowest)
                                         : n == 4 ? polyAtJf({c.A11, c.A12, c.A13, c.A14, c.A15, c.A16, 1.0}, f)
                                                  : polyAtJf({c.A21, c.A22, c.A23, c.A24, c.A25, c.A26, 1.0}, f);
                    EXPECT_EQ(got[n][0], want.re) << n << " s^" << lowest;
                    EXPECT_EQ(got[n][1], want.im) << n << " s^" << lowest;
                }
            }
        }
    }
}

TEST(TripleVented, AlikeHalvesHaveEqualCoefficientSets) {
    for (int alin : {1, 2}) {
        tripleVented(alin);
        TRIcofCal();
        const TransferCoefficients& c = state.coef;
        EXPECT_EQ(c.A11, c.A21);
        EXPECT_EQ(c.A13, c.A23);
        EXPECT_EQ(c.A16, c.A26);
        EXPECT_EQ(c.B31, c.B41);
        EXPECT_EQ(c.B34, c.B44);
        EXPECT_EQ(c.B11, c.B21);  // vents 1 and 2 both carry chamber 3's resonance
        EXPECT_EQ(c.B12, c.B22);
    }
}

// The two half systems against the whole enclosure: exact when the halves
// are alike, whatever their losses.
TEST(TripleVented, AlikeHalvesFollowTheLumpedCircuitExactly) {
    for (int alin : {1, 2, 5}) {
        tripleVented(alin);
        if (alin == 5) customBox(30.0, 55.0, 5.0, 30.0, 55.0, 5.0, 120.0, 35.0, 15.0);
        TRIcofCal();
        ASSERT_TRUE(tripleVentedIsSymmetric());
        const LumpedCircuit model = tripleVentedCircuit();
        const int d1 = model.find("driver"), d2 = model.find("driver2");
        state.view.Magni = 1;
        state.rscales.XD = 1.0;
        for (double hz : gridHz()) {
            const double fn = hz / 40.0;
            atPoint(TRIFRcal, fn);
            const oracle::Solution s = model.solve(evaluatedHz());
            EXPECT_NEAR(-state.point.yy, systemLevelDb(model, s), 2e-3) << hz << " Hz, alignment " << alin;
            atPoint(TRIvent12FRcal, fn);
            const std::complex<double> vents12 = flowOf(model, s, "vent1") + flowOf(model, s, "vent2");
            EXPECT_NEAR(-state.point.yy, flowLevelDb(model, s, vents12), 2e-3);
            atPoint(TRIvent1FRcal, fn);
            EXPECT_NEAR(-state.point.yy, flowLevelDb(model, s, flowOf(model, s, "vent1")), 2e-3);
            atPoint(TRIvent2FRcal, fn);
            EXPECT_NEAR(-state.point.yy, flowLevelDb(model, s, flowOf(model, s, "vent2")), 2e-3);
            atPoint(TRIvent3FRcal, fn);
            EXPECT_NEAR(-state.point.yy, flowLevelDb(model, s, flowOf(model, s, "vent3")), 2e-3);
            atPoint(TRIDPSP1cal, fn);
            EXPECT_NEAR(state.point.yy / relativeExcursion(model, s, d1), 1.0, 1e-5);
            atPoint(TRIDPSP2cal, fn);
            EXPECT_NEAR(state.point.yy / relativeExcursion(model, s, d2), 1.0, 1e-5);
        }
    }
}

// Halves that differ: the half-chamber form approximates the coupling
// through the shared chamber. Over the whole grid every curve stays within
// 0.5 dB of the enclosure for the table alignments Type3 and Type4, and
// within 1.5 dB for a strongly unequal custom design (volumes 1:4, tunings
// 2:1).
TEST(TripleVented, UnequalHalvesStayWithinTheBoundOfTheCircuit) {
    struct Case {
        int alin;
        double bound;
    };
    for (const Case& k : {Case{3, 0.5}, Case{4, 0.5}, Case{5, 1.5}}) {
        tripleVented(k.alin);
        if (k.alin == 5) customBox(10.0, 100.0, 7.0, 40.0, 50.0, 7.0, 100.0, 30.0, 7.0);
        TRIcofCal();
        ASSERT_FALSE(tripleVentedIsSymmetric());
        const LumpedCircuit model = tripleVentedCircuit();
        const int d1 = model.find("driver"), d2 = model.find("driver2");
        state.view.Magni = 1;
        state.rscales.XD = 1.0;
        double worst = 0.0;
        for (double hz : gridHz()) {
            const double fn = hz / 40.0;
            atPoint(TRIFRcal, fn);
            const oracle::Solution s = model.solve(evaluatedHz());
            worst = std::max(worst, std::abs(-state.point.yy - systemLevelDb(model, s)));
            atPoint(TRIvent1FRcal, fn);
            worst = std::max(worst, std::abs(-state.point.yy - flowLevelDb(model, s, flowOf(model, s, "vent1"))));
            atPoint(TRIvent2FRcal, fn);
            worst = std::max(worst, std::abs(-state.point.yy - flowLevelDb(model, s, flowOf(model, s, "vent2"))));
            atPoint(TRIvent3FRcal, fn);
            worst = std::max(worst, std::abs(-state.point.yy - flowLevelDb(model, s, flowOf(model, s, "vent3"))));
            atPoint(TRIDPSP1cal, fn);
            worst = std::max(worst, std::abs(20.0 * std::log10(state.point.yy / relativeExcursion(model, s, d1))));
            atPoint(TRIDPSP2cal, fn);
            worst = std::max(worst, std::abs(20.0 * std::log10(state.point.yy / relativeExcursion(model, s, d2))));
        }
        EXPECT_LT(worst, k.bound) << "alignment " << k.alin;
        EXPECT_GT(worst, 1e-3) << "unequal halves are not exact";
    }
}

// The pair's impedance: with alike halves the circuit's two drivers in
// parallel have half the impedance of one driver (its voice coil and its
// motional impedance), in series twice it.
TEST(TripleVented, ImpedanceOfThePairAndOfEachDriver) {
    tripleVented(1);
    buildCurrentDriveCoefficients(TRIcofCal);
    EXPECT_DOUBLE_EQ(state.speaker.QTS, 0.4);
    EXPECT_DOUBLE_EQ(state.coef.D01, 0.25);
    const SpeakerParameters& sp = state.speaker;
    state.rscales.RES = sp.RE * sp.QMS / sp.QES;
    const LumpedCircuit model = withCoilInductance(tripleVentedCircuit());
    for (double hz : gridHz()) {
        const double fn = hz / 40.0;
        atPoint(TRIIMPparacal, fn);
        const double half = std::abs(model.inputImpedance(evaluatedHz()));  // both drivers on one source
        EXPECT_NEAR(state.point.yyLinea, half, 2e-5 * half) << hz;
        EXPECT_NEAR(state.point.yy, std::log10(state.point.yyLinea), 1e-6);
        atPoint(TRIIMPserical, fn);
        EXPECT_NEAR(state.point.yyLinea, 4.0 * half, 1e-4 * half);
        atPoint(TRIIMPSP1cal, fn);
        EXPECT_NEAR(state.point.yyLinea, 2.0 * half, 1e-4 * half);
        atPoint(TRIIMPSP2cal, fn);
        EXPECT_NEAR(state.point.yyLinea, 2.0 * half, 1e-4 * half);
    }
    // The voice coil's inductance is halved in parallel: at 400 Hz the
    // motional part is the moving mass alone, a reactance -RES/(QMS f)
    // against the coil's, and the pair is half of one driver.
    atPoint(TRIIMPparacal, 10.0);
    const double reactance = state.phys.PI2 / 1000.0 * 400.0 - state.rscales.RES / (sp.QMS * 10.0);
    EXPECT_NEAR(state.point.yyLinea, std::hypot(sp.RE, reactance) / 2.0, 0.02);
    // The level stays that of the total Q.
    const double level = state.coef.siftUpDwn;
    state.view.s_Resp = "amp";
    TRIcofCal();
    EXPECT_DOUBLE_EQ(state.coef.siftUpDwn, level);
}

TEST(TripleVented, PowerOfEachDriver) {
    tripleVented(3);
    TRIcofCal();
    state.rscales.P1 = 2.0;
    atPoint(TRIPWSP1cal, 1.2);
    const double p1 = state.point.yyLinea;
    const cd s(0.0, static_cast<double>(state.point.f));
    const TransferCoefficients& c = state.coef;
    const cd r1 = poly({c.B31, c.B32, c.B33, c.B34, 1.0}, s) / poly({c.A11, c.A12, c.A13, c.A14, c.A15, c.A16, 1.0}, s);
    EXPECT_NEAR(p1, 2.0 / static_cast<float>(std::norm(r1)), 1e-4);
    EXPECT_NEAR(state.point.yy, std::log10(p1), 1e-6);
    atPoint(TRIPWSP2cal, 1.2);
    EXPECT_GT(std::abs(state.point.yyLinea - p1), 1e-3);
}

// The finite-difference delay over each downward step against the circuit's
// own phase at the same two frequencies.
TEST(TripleVented, GroupDelayFollowsTheCircuitsPhase) {
    tripleVented(1);
    TRIcofCal();
    const LumpedCircuit model = tripleVentedCircuit();
    PlotPoint& p = state.point;
    p.ss = 0.0;
    p.yy2 = 0.0f;
    p.yy0 = 0.0f;
    p.PP = p.QQ = 0.0;
    std::complex<double> previous;
    double previousHz = 0.0;
    int compared = 0;
    for (float k = 4.2f; k >= 1.0f; k -= 0.01f) {
        const double hz = static_cast<double>(static_cast<float>(std::pow(10.0, static_cast<double>(k))));
        atPoint(TRIGDcal, static_cast<double>(static_cast<float>(hz / 40.0)));
        const std::complex<double> out = model.farFieldPressure(evaluatedHz());
        if (k < 3.0f) {
            // The phase change over the step (degrees) by the unit's 119.25 ms per (degree / Hz) ...
            const double dphi = std::arg(out / previous) * 180.0 / 3.14159265358979323846;
            const double ms = dphi / static_cast<double>(p.ff) * 119.25;
            EXPECT_NEAR(p.yy0, ms, 1e-4 * (1.0 + std::abs(ms))) << hz;
            // ... which is -d phase / d omega to within the step's 0.004 %.
            const double exact = std::arg(out / previous) / (2.0 * 3.14159265358979323846 * (previousHz - evaluatedHz())) * 1000.0;
            EXPECT_NEAR(p.yy0, exact, 1e-4 * (1.0 + std::abs(exact))) << hz;
            ++compared;
        }
        previous = out;
        previousHz = evaluatedHz();
    }
    EXPECT_EQ(compared, 200);
}

TEST(TripleVented, GroupDelayStepsByTheRule) {
    tripleVented(1);
    TRIcofCal();
    PlotPoint& p = state.point;
    p.ss = 0.0;
    p.yy2 = 0.0f;
    p.yy0 = 0.0f;
    p.PP = p.QQ = 0.0;
    atPoint(TRIGDcal, 2.0);
    // The first point has QQ = 0: the delay is its unwrapped phase / ff * 119.25.
    EXPECT_NEAR(p.yy0, p.yy / p.ff * 119.25, 1e-5 * std::abs(p.yy0));
    EXPECT_EQ(p.QQ, static_cast<double>(p.yy));
    const double first = p.yy0;
    // The same point again: no phase change, no delay (to single precision).
    atPoint(TRIGDcal, 2.0);
    EXPECT_NEAR(p.yy0, 0.0, 1e-7 * std::abs(first));
}

TEST(TripleVented, PhaseAndNyquistStandAHalfTurnApart) {
    tripleVented(4);
    TRIcofCal();
    std::vector<double> phase;
    downwardSweep(TRIPHcal, 3.0f, [&](double) { phase.push_back(state.point.yy); });
    std::size_t i = 0;
    downwardSweep(TRINQcal, 3.0f, [&](double) {
        const double fai = std::atan2(state.point.yy, state.point.xx);
        EXPECT_NEAR(std::remainder(fai - (phase[i] * 3.14159265358979323846 / 180.0 - 3.14159265358979323846),
                                   2.0 * 3.14159265358979323846),
                    0.0, 1e-5);
        ++i;
    });
    EXPECT_EQ(i, phase.size());
    // A raw difference of -30 degrees is drawn at 150 - 67.5 = 82.5.
    for (double f = 0.3; f < 6.0; f += 0.001) {
        state.point.ss = 0.0;
        state.point.yy2 = 150.0f;
        atPoint(TRIPHcal, f);
        if (std::abs(state.point.yy2 - 150.0f) < 0.05f) {
            EXPECT_NEAR(state.point.yy, state.point.yy2 - 67.5f, 1e-4);
            break;
        }
    }
}

// Vent 3 takes both drivers' flows over its whole area: at low frequency
// the air of vents 1 and 2 moves one cone's static volume, that of vent 3
// both cones'. Each vent's air speed is the peak speed of the air in it at
// the input power.
TEST(TripleVented, AirSpeedOfEachVent) {
    tripleVented(1);
    TRIcofCal();
    state.rscales.VEL1 = 3.0;
    state.rscales.VEL2 = 5.0;
    state.rscales.VEL3 = 7.0;
    const double low = 1e-4;
    atPoint(TRIvent1AScal, low);
    EXPECT_NEAR(state.point.yy / state.point.f, 3.0, 1e-4);
    atPoint(TRIvent2AScal, low);
    EXPECT_NEAR(state.point.yy / state.point.f, 5.0, 1e-4);
    atPoint(TRIvent3AScal, low);
    EXPECT_NEAR(state.point.yy / state.point.f, 2.0 * 7.0, 1e-4);
    const TransferCoefficients& c = state.coef;
    atPoint(TRIvent3AScal, 0.9);
    const cd s(0.0, static_cast<double>(state.point.f));
    const cd d1 = poly({c.A11, c.A12, c.A13, c.A14, c.A15, c.A16, 1.0}, s);
    const cd d2 = poly({c.A21, c.A22, c.A23, c.A24, c.A25, c.A26, 1.0}, s);
    const double v3 = 7.0 * s.imag() * std::abs(poly({c.B13, c.B14, 1.0}, s) / d1 + poly({c.B23, c.B24, 1.0}, s) / d2);
    EXPECT_NEAR(state.point.yy, v3, 1e-5 * v3);

    state.vents.SV11 = state.vents.SV22 = 0.002;
    state.vents.SV33 = 0.004;
    test::expectPhysicalVentSpeeds(2.0, tripleVentedCircuit, {{1, 1, {"vent1"}}, {2, 2, {"vent2"}}, {3, 3, {"vent3"}}},
                                   1e-4);
}

// Designed vents against the model: at its minimum area each vent's air
// peaks at the speed limit.
TEST(TripleVented, DesignedVentsCarryTheSpeedLimitAtTheirPeaks) {
    tripleVented(1);
    test::expectDesignedVentsAtTheLimit(2.0, tripleVentedCircuit,
                                        {{1, 1, {"vent1"}}, {2, 2, {"vent2"}}, {3, 3, {"vent3"}}}, 1e-3);
}

// The four partial transforms: each is its path over s, and together they
// make the step response of H / 2, turned over under Type2.
TEST(TripleVented, StepPathsMakeTheSystemOutput) {
    for (int alin : {1, 2, 3}) {
        tripleVented(alin);
        TRIcofCal();
        state.view.Magni = 1;
        for (double f : {0.4, 1.0, 2.5}) {
            const cd s(0.0, f);
            cd sum = 0.0;
            for (int32_t (*path)() : {TRIvent1StepSubstitution, TRIvent2StepSubstitution, TRIvent31StepSubstitution,
                                       TRIvent32StepSubstitution}) {
                path();
                EXPECT_EQ(state.step.NUO, 4);
                EXPECT_EQ(state.step.DEO, 7);
                EXPECT_EQ(state.step.DET[7], 1.0);
                EXPECT_EQ(state.step.DET[8], 0.0);
                sum += static_cast<double>(path == TRIvent31StepSubstitution || path == TRIvent32StepSubstitution ? -1 : 1) *
                       s * poly(stepNumerator(), s) / poly(stepDenominator(), s);
            }
            atPoint(TRIFRcal, f);
            EXPECT_NEAR(-state.point.yy, 20.0 * std::log10(std::abs(sum)), 1e-4) << f;
        }
        // The combined step response against the exact residue sums of the paths.
        EulerTransform();
        std::vector<std::vector<double>> num, den;
        for (int32_t (*path)() : {TRIvent1StepSubstitution, TRIvent2StepSubstitution, TRIvent31StepSubstitution,
                                   TRIvent32StepSubstitution}) {
            path();
            num.push_back(stepNumerator());
            den.push_back(stepDenominator());
        }
        EXPECT_EQ(TRIStepPlot2(0.0f), 0.0);
        double peak = 0.0;
        for (double t = 0.5; t < 6.0; t += 0.5) {
            double exact = (residueStep(num[0], den[0], t) + residueStep(num[1], den[1], t)) / 2.0 -
                           (residueStep(num[2], den[2], t) + residueStep(num[3], den[3], t)) / 2.0;
            if (alin == 2) exact = -exact;
            peak = std::max(peak, std::abs(exact));
            EXPECT_NEAR(TRIStepPlot2(static_cast<float>(t)), exact, 0.02 * (peak + 1e-3)) << t;
        }
        EXPECT_GT(peak, 1e-2);
    }
}

}  // namespace
}  // namespace quendal
