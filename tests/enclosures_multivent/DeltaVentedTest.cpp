// The Delta Vented unit: its coefficient tables against their closed forms,
// its worked example, the lumped-circuit model of the enclosure, and the
// cancelling case of inner chambers tuned alike.
#include <gtest/gtest.h>

#include <cmath>

#include "MultiVentTestSupport.h"
#include "engine/ImpedancePageQ.h"
#include "enclosures/DELcal.h"
#include "model/State.h"
#include "support/VentSpeedComparison.h"

namespace quendal {
namespace {

using namespace quendal::testing;

void deltaDriver() {
    resetState();
    setDriver(40.0, 60.0, 0.4, 4.0);
    selectBandPass(7, 1);
    state.box.QL1 = state.box.QL2 = state.box.QL3 = 7.0;
}

double sq(double x) { return x * x; }

// Every coefficient of the written-out tables, term by term, from the ratios
// the routine left.
TEST(DeltaVented, CoefficientsEqualTheirClosedForms) {
    struct Case {
        int alin;
        double ql1, ql2, ql3;
    };
    for (const Case& k : {Case{1, 7.0, 7.0, 7.0}, Case{2, 3.0, 10.0, 20.0}, Case{3, 15.0, 5.0, 3.0}}) {
        deltaDriver();
        state.selection.Alin = k.alin;
        state.box.QL1 = k.ql1;
        state.box.QL2 = k.ql2;
        state.box.QL3 = k.ql3;
        DeltaCofCal();
        const AlignmentRatios& r = state.ratios;
        const double H1 = r.HH1, H2 = r.HH2, H3 = r.HH3, Q1 = k.ql1, Q2 = k.ql2, Q3 = k.ql3, QT = state.speaker.QTS;
        const double A13 = r.AL13, A23 = r.AL23, AL1 = r.AL1, AL2 = r.AL2;
        const TransferCoefficients& c = state.coef;
        auto near = [](double got, double want, const char* name) {
            EXPECT_NEAR(got, want, 1e-12 * std::max(1.0, std::abs(want))) << name;
        };
        near(c.B31, 1 / sq(H2) - 1 / sq(H1), "B31");
        near(c.B32, 1 / (H2 * Q2) - 1 / (H1 * Q1), "B32");
        near(c.B11, 1 / (sq(H2) * sq(H3)), "B11");
        near(c.B12, 1 / (H2 * sq(H3) * Q2) + 1 / (sq(H2) * H3 * Q3), "B12");
        near(c.B13, 1 / sq(H2) + 1 / sq(H3) + 1 / (H2 * H3 * Q2 * Q3) + A13 / sq(H3) + A23 / sq(H3), "B13");
        near(c.B14, 1 / (H2 * Q2) + 1 / (H3 * Q3) + A13 * H1 / (sq(H3) * Q1) + A23 * H2 / (sq(H3) * Q2), "B14");
        near(c.B15, 1.0, "B15");
        near(c.B21, 1 / (sq(H1) * sq(H3)), "B21");
        near(c.B22, 1 / (H1 * sq(H3) * Q1) + 1 / (sq(H1) * H3 * Q3), "B22");
        near(c.B23, 1 / sq(H1) + 1 / sq(H3) + 1 / (H1 * H3 * Q1 * Q3) + A13 / sq(H3) + A23 / sq(H3), "B23");
        near(c.B24, 1 / (H1 * Q1) + 1 / (H3 * Q3) + A13 * H1 / (sq(H3) * Q1) + A23 * H2 / (sq(H3) * Q2), "B24");
        near(c.B25, 1.0, "B25");
        near(c.B41, 1 / (sq(H1) * sq(H2) * sq(H3)), "B41");
        near(c.B42, 1 / (H1 * sq(H2) * sq(H3) * Q1) + 1 / (sq(H1) * H2 * sq(H3) * Q2) +
                        1 / (sq(H1) * sq(H2) * H3 * Q3), "B42");
        near(c.B43, 1 / (sq(H1) * sq(H2)) + 1 / (sq(H1) * sq(H3)) + 1 / (sq(H2) * sq(H3)) +
                        1 / (H1 * H2 * sq(H3) * Q1 * Q2) + 1 / (H1 * sq(H2) * H3 * Q1 * Q3) +
                        1 / (sq(H1) * H2 * H3 * Q2 * Q3) + A13 / (sq(H2) * sq(H3)) + A23 / (sq(H1) * sq(H3)),
             "B43");
        near(c.B44, 1 / (H1 * sq(H2) * Q1) + 1 / (H1 * sq(H3) * Q1) + 1 / (sq(H1) * H2 * Q2) +
                        1 / (sq(H1) * H3 * Q3) + 1 / (H2 * sq(H3) * Q2) + 1 / (sq(H2) * H3 * Q3) +
                        1 / (H1 * H2 * H3 * Q1 * Q2 * Q3) + A13 * H1 / (sq(H2) * sq(H3) * Q1) +
                        A13 / (H2 * sq(H3) * Q2) + A23 / (H1 * sq(H3) * Q1) + A23 * H2 / (sq(H1) * sq(H3) * Q2),
             "B44");
        near(c.B45, 1 / sq(H1) + 1 / sq(H2) + 1 / sq(H3) + 1 / (H1 * H2 * Q1 * Q2) + 1 / (H1 * H3 * Q1 * Q3) +
                        1 / (H2 * H3 * Q2 * Q3) + A13 / sq(H3) + A23 / sq(H3) +
                        A13 * H1 / (H2 * sq(H3) * Q1 * Q2) + A23 * H2 / (H1 * sq(H3) * Q1 * Q2),
             "B45");
        near(c.B46, 1 / (H1 * Q1) + 1 / (H2 * Q2) + 1 / (H3 * Q3) + A13 * H1 / (sq(H3) * Q1) +
                        A23 * H2 / (sq(H3) * Q2),
             "B46");
        near(c.A01, 1 / (sq(H1) * sq(H2) * sq(H3)), "A01");
        near(c.A02, 1 / (H1 * sq(H2) * sq(H3) * Q1) + 1 / (sq(H1) * H2 * sq(H3) * Q2) +
                        1 / (sq(H1) * sq(H2) * H3 * Q3) + 1 / (sq(H1) * sq(H2) * sq(H3) * QT),
             "A02");
        near(c.A03, 1 / (sq(H1) * sq(H2) * sq(H3)) + 1 / (sq(H1) * sq(H2)) + 1 / (sq(H1) * sq(H3)) +
                        1 / (sq(H2) * sq(H3)) + 1 / (H1 * H2 * sq(H3) * Q1 * Q2) + 1 / (H1 * sq(H2) * H3 * Q1 * Q3) +
                        1 / (sq(H1) * H2 * H3 * Q2 * Q3) + 1 / (H1 * sq(H2) * sq(H3) * Q1 * QT) +
                        1 / (sq(H1) * H2 * sq(H3) * Q2 * QT) + 1 / (sq(H1) * sq(H2) * H3 * Q3 * QT) +
                        AL1 / (sq(H1) * sq(H2) * sq(H3)) + AL2 / (sq(H1) * sq(H2) * sq(H3)) +
                        A13 / (sq(H2) * sq(H3)) + A23 / (sq(H1) * sq(H3)),
             "A03");
        near(c.A07, 1 + 1 / sq(H1) + 1 / sq(H2) + 1 / sq(H3) + 1 / (H1 * H2 * Q1 * Q2) + 1 / (H1 * H3 * Q1 * Q3) +
                        1 / (H2 * H3 * Q2 * Q3) + 1 / (H1 * Q1 * QT) + 1 / (H2 * Q2 * QT) + 1 / (H3 * Q3 * QT) +
                        AL1 / sq(H1) + AL2 / sq(H2) + A13 / sq(H3) + A23 / sq(H3) +
                        A13 * H1 / (H2 * sq(H3) * Q1 * Q2) + A23 * H2 / (H1 * sq(H3) * Q1 * Q2) +
                        A13 * H1 / (sq(H3) * Q1 * QT) + A23 * H2 / (sq(H3) * Q2 * QT),
             "A07");
        near(c.A08, 1 / QT + 1 / (H1 * Q1) + 1 / (H2 * Q2) + 1 / (H3 * Q3) + A13 * H1 / (sq(H3) * Q1) +
                        A23 * H2 / (sq(H3) * Q2),
             "A08");
        near(c.D01, 1 / QT, "D01");
    }
}

TEST(DeltaVented, WorkedExampleBoxes) {
    struct Row {
        int alin;
        double vb1, vb2, vb3, fb1, fb2, fb3;
    };
    for (const Row& w : {Row{1, 15.0, 45.0, 30.0, 108.0, 32.0, 56.0}, Row{2, 10.0, 30.0, 20.0, 162.0, 48.0, 84.0},
                         Row{3, 22.5, 67.5, 45.0, 72.0, 21.333333, 37.333333}}) {
        deltaDriver();
        state.selection.Alin = w.alin;
        DeltaCofCal();
        const BoxParameters& b = state.box;
        EXPECT_NEAR(b.VB1, w.vb1, 1e-9);
        EXPECT_NEAR(b.VB2, w.vb2, 1e-9);
        EXPECT_NEAR(b.VB3, w.vb3, 1e-9);
        EXPECT_NEAR(b.FB1, w.fb1, 1e-6);
        EXPECT_NEAR(b.FB2, w.fb2, 1e-6);
        EXPECT_NEAR(b.FB3, w.fb3, 1e-6);
        EXPECT_DOUBLE_EQ(state.ratios.AL12, b.VB1 / b.VB2);
        // The level stands at vent 3's tuning: 0 dB there, radius 1 on the Nyquist page.
        EXPECT_EQ(state.point.f, static_cast<float>(b.FB3 / 40.0));
        state.view.Magni = 0;
        atPoint(DeltaFRcal, b.FB3 / 40.0);
        EXPECT_NEAR(state.point.yy, 0.0, 1e-5);
        atPoint(DeltaNQcal, b.FB3 / 40.0);
        EXPECT_NEAR(std::hypot(state.point.xx, state.point.yy), 1.0, 1e-6);
    }
}

// Every curve against the circuit of driver, three chambers and three vents.
TEST(DeltaVented, CurvesFollowTheLumpedCircuit) {
    for (int alin : {1, 2, 3, 4}) {
        deltaDriver();
        state.selection.Alin = alin;
        if (alin == 4) customBox(20.0, 90.0, 5.0, 35.0, 30.0, 15.0, 25.0, 60.0, 10.0);
        else state.box.QL1 = 5.0, state.box.QL2 = 15.0, state.box.QL3 = 10.0;
        DeltaCofCal();
        const LumpedCircuit model = deltaCircuit();
        const int vent1 = model.find("vent1"), vent2 = model.find("vent2"), driver = model.find("driver");
        state.view.Magni = 1;
        state.rscales.XD = 1.0;
        for (double hz : gridHz()) {
            const double fn = hz / state.speaker.FS;
            atPoint(DeltaFRcal, fn);
            const oracle::Solution s = model.solve(evaluatedHz());
            EXPECT_NEAR(-state.point.yy, s.splDb() - 20.0 * std::log10(model.referencePressure() / 2e-5), 2e-3)
                << "system at " << hz << " Hz, alignment " << alin;
            atPoint(DeltaVent1FRcal, fn);
            EXPECT_NEAR(-state.point.yy, flowLevelDb(model, s, s.volumeVelocity[static_cast<std::size_t>(vent1)]), 2e-3);
            atPoint(DeltaVent2FRcal, fn);
            EXPECT_NEAR(-state.point.yy, flowLevelDb(model, s, s.volumeVelocity[static_cast<std::size_t>(vent2)]), 2e-3);
            atPoint(DeltaDPcal, fn);
            EXPECT_NEAR(state.point.yy / relativeExcursion(model, s, driver), 1.0, 1e-5) << hz;
        }
    }
}

// Each vent's air speed is the peak speed of the air in that vent at the
// input power; the radiating vent 3 is drawn first.
TEST(DeltaVented, EachVentsAirSpeedIsTheSpeedOfItsAir) {
    deltaDriver();
    state.vents.SV11 = 0.003;
    state.vents.SV22 = 0.002;
    state.vents.SV33 = 0.005;
    test::expectPhysicalVentSpeeds(2.0, deltaCircuit, {{1, 3, {"vent3"}}, {2, 1, {"vent1"}}, {3, 2, {"vent2"}}}, 1e-4);
}

// On the impedance page the motional part is that of the circuit with the
// driver's mechanical losses only; the level stays that of the total Q.
TEST(DeltaVented, ImpedanceFollowsTheCircuitAndKeepsTheLevel) {
    deltaDriver();
    state.selection.Alin = 4;
    customBox(20.0, 90.0, 5.0, 35.0, 30.0, 15.0, 25.0, 60.0, 10.0);
    DeltaCofCal();
    const double level = state.coef.siftUpDwn;
    const double knq = state.coef.KNQ;
    buildCurrentDriveCoefficients(DeltaCofCal);
    EXPECT_DOUBLE_EQ(state.speaker.QTS, 0.4);
    EXPECT_DOUBLE_EQ(state.coef.D01, 1.0 / 4.0);
    EXPECT_DOUBLE_EQ(state.coef.siftUpDwn, level);
    EXPECT_DOUBLE_EQ(state.coef.KNQ, knq);
    const SpeakerParameters& sp = state.speaker;
    state.rscales.RES = sp.RE * sp.QMS / sp.QES;
    const LumpedCircuit model = withCoilInductance(deltaCircuit());
    for (double hz : gridHz()) {
        atPoint(DeltaIMPcal, hz / sp.FS);
        const double z = std::abs(model.inputImpedance(evaluatedHz()));
        EXPECT_NEAR(state.point.yyLinea, z, 2e-5 * z) << hz;
    }
}

TEST(DeltaVented, SwappingTheInnerChambersKeepsDenominatorAndCone) {
    deltaDriver();
    state.selection.Alin = 4;
    customBox(20.0, 90.0, 5.0, 35.0, 30.0, 15.0, 25.0, 60.0, 10.0);
    DeltaCofCal();
    const TransferCoefficients a = state.coef;
    customBox(35.0, 30.0, 15.0, 20.0, 90.0, 5.0, 25.0, 60.0, 10.0);
    DeltaCofCal();
    const TransferCoefficients& b = state.coef;
    const double as[] = {a.A01, a.A02, a.A03, a.A04, a.A05, a.A06, a.A07, a.A08, a.B41, a.B42, a.B43, a.B44, a.B45, a.B46};
    const double bs[] = {b.A01, b.A02, b.A03, b.A04, b.A05, b.A06, b.A07, b.A08, b.B41, b.B42, b.B43, b.B44, b.B45, b.B46};
    for (int i = 0; i < 14; ++i) EXPECT_NEAR(as[i], bs[i], 1e-12 * std::abs(as[i])) << i;
    EXPECT_NEAR(a.B11, b.B21, 1e-14);
    EXPECT_NEAR(a.B14, b.B24, 1e-13);
    EXPECT_NEAR(a.B31, -b.B31, 1e-15);
    EXPECT_NEAR(a.B32, -b.B32, 1e-15);
}

// Inner chambers tuned alike with equal losses: vent 3 radiates nothing.
// The level comes from the louder inner vent, and the system curves have no
// points (NaN, which the sweeps skip) instead of the logarithm of zero.
TEST(DeltaVented, EqualInnerChambersGiveNoSystemPoints) {
    for (double vb1 : {20.0, 40.0}) {
        deltaDriver();
        state.selection.Alin = 4;
        customBox(vb1, 50.0, 7.0, 30.0, 50.0, 7.0, 25.0, 60.0, 7.0);
        DeltaCofCal();
        EXPECT_EQ(state.coef.B31, 0.0);
        EXPECT_EQ(state.coef.B32, 0.0);
        EXPECT_TRUE(std::isfinite(state.coef.KNQ));
        EXPECT_TRUE(std::isfinite(state.coef.siftUpDwn));
        // The louder inner vent (2 when chamber 1 is the smaller) stands at 0 dB at FB3.
        state.view.Magni = 0;
        atPoint(vb1 < 30.0 ? DeltaVent2FRcal : DeltaVent1FRcal, 60.0 / 40.0);
        EXPECT_NEAR(state.point.yy, 0.0, 1e-5);
        state.point.ss = 0.0;
        state.point.yy2 = 0.0f;
        state.point.fai = state.point.fai2 = 0.0;
        for (void (*e)() : {DeltaFRcal, DeltaPHcal, DeltaGDcal}) {
            atPoint(e, 1.3);
            EXPECT_TRUE(std::isnan(state.point.yy));
        }
        atPoint(DeltaNQcal, 1.3);
        EXPECT_TRUE(std::isnan(state.point.xx));
        EXPECT_EQ(state.point.ss, 0.0);
        // The vent curves stay finite.
        atPoint(DeltaVent1FRcal, 1.3);
        EXPECT_TRUE(std::isfinite(state.point.yy));
    }
}

TEST(DeltaVented, PhaseNyquistAndGroupDelayAgreeWithTheOutput) {
    deltaDriver();
    state.selection.Alin = 1;
    DeltaCofCal();
    const TransferCoefficients c = state.coef;
    auto H = [&](double f) {
        const cd s(0.0, f);
        return poly({c.B31, c.B32}, s, 3) / poly({c.A01, c.A02, c.A03, c.A04, c.A05, c.A06, c.A07, c.A08, 1.0}, s);
    };
    // The drawn phase stands a constant angle from arg H over the sweep:
    // the unwrapping holds; 150 degrees below it on the phase page and 330
    // on the Nyquist page, half a turn apart.
    double first = 0.0;
    bool have = false;
    downwardSweep(DeltaPHcal, 3.0f, [&](double f) {
        double drawn = state.point.yy;
        if (drawn < 0.0) drawn += 360.0;
        if (drawn > 360.0) drawn -= 360.0;
        const double off = degreesFrom(drawn, H(f));
        if (!have) first = off, have = true;
        EXPECT_NEAR(std::remainder(off - first, 360.0), 0.0, 1e-3) << f;
    });
    downwardSweep(DeltaNQcal, 3.0f, [&](double f) {
        const cd drawn(state.point.xx, state.point.yy);
        EXPECT_NEAR(std::abs(drawn), c.KNQ * std::abs(H(f)), 1e-6 * (1.0 + std::abs(drawn)));
        EXPECT_NEAR(std::remainder(std::arg(drawn) * 180.0 / 3.14159265358979323846 - std::arg(H(f)) * 180.0 /
                                       3.14159265358979323846 - (first - 180.0),
                                   360.0),
                    0.0, 1e-3)
            << f;
    });
    // Group delay: -d arg H / d omega by a central difference.
    for (double f : {0.5, 1.0, 2.0, 3.0}) {
        atPoint(DeltaGDcal, f);
        const double h = 1e-5;
        const double dphi = std::arg(H(f + h) / H(f - h));
        const double ms = -dphi / (2.0 * h) / (2.0 * 3.14159265358979323846 * state.speaker.FS) * 1000.0;
        EXPECT_NEAR(state.point.yy, ms, 1e-4 * (1.0 + std::abs(ms))) << f;
    }
}

TEST(DeltaVented, StepPolynomialsAndResponse) {
    deltaDriver();
    state.selection.Alin = 1;
    DeltaCofCal();
    for (double& x : state.step.NUT) x = -7.0;
    for (double& x : state.step.DET) x = -7.0;
    DeltaStepSubstitution();
    EXPECT_EQ(state.step.NUO, 4);
    EXPECT_EQ(state.step.DEO, 9);
    EXPECT_EQ(state.step.NUT[1], state.coef.B31);
    EXPECT_EQ(state.step.NUT[2], state.coef.B32);
    EXPECT_EQ(state.step.NUT[5], 0.0);
    EXPECT_EQ(state.step.DET[9], 1.0);
    EXPECT_EQ(state.step.DET[10], 0.0);
    EXPECT_EQ(state.step.NUT[6], -7.0);
    EXPECT_EQ(state.step.DET[11], -7.0);
    EXPECT_EQ(state.step.NUT[0], -7.0);
    // s * NUT/DET is the drawn system output.
    state.view.Magni = 1;
    for (double f : {0.3, 1.0, 1.7, 4.0}) {
        const cd s(0.0, f);
        const double db = 20.0 * std::log10(std::abs(s * poly(stepNumerator(), s) / poly(stepDenominator(), s)));
        atPoint(DeltaFRcal, f);
        EXPECT_NEAR(-state.point.yy, db, 1e-4) << f;
    }
}

}  // namespace
}  // namespace quendal
