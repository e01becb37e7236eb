// Single-chamber enclosures against the closed-form box theory.
#include <gtest/gtest.h>

#include <cmath>

#include "oracle/TextbookCases.h"
#include "support/oracle/LumpedCircuit.h"

namespace quendal::oracle {
namespace {

TEST(OracleClosedBox, IsASecondOrderHighPassAtFcWithQtc) {
    const DriverParams d = textbook::driver(5.0, 0.4);
    for (double vb : {20.0, 50.0, 100.0, 400.0}) {
        const double h = std::sqrt(1.0 + 100.0 / vb);
        const double fc = 30.0 * h;
        const double qtc = d.qts() * h;
        const LumpedCircuit box = closedBox(d, vb);
        for (double f : textbook::grid()) {
            ASSERT_NEAR(box.relativeLevelDb(f), textbook::secondOrderHighPassDb(f / fc, qtc), 1e-9) << vb << " " << f;
        }
        // The impedance peak moves to fc and keeps its height.
        const Complex z = box.inputImpedance(fc);
        EXPECT_NEAR(z.real(), 6.0 * (1.0 + 5.0 / 0.4), 1e-9);
        EXPECT_NEAR(z.imag(), 0.0, 1e-9);
    }
}

TEST(OracleClosedBox, StiffensTheConeByOnePlusVasOverVb) {
    // Far below fc the excursion is the driver's static deflection divided
    // by 1 + Vas/Vb: the box air adds its stiffness to the suspension's.
    const DriverParams d = textbook::driver(5.0, 0.4);
    const LumpedCircuit free = infiniteBaffle(d);
    for (double vb : {25.0, 100.0}) {
        const LumpedCircuit box = closedBox(d, vb);
        EXPECT_NEAR(box.coneExcursionPeak(0.01, 0) * (1.0 + 100.0 / vb), free.coneExcursionPeak(0.01, 0),
                    1e-6 * free.coneExcursionPeak(0.01, 0));
    }
}

TEST(OracleClosedBox, AbsorptionLowersQtcAsASeriesLoss) {
    // An absorption resistance in series with the box compliance, of Q = Qa
    // at fc, keeps the response second order with
    // 1/Qtc = 1/(h Qts) + (Vas / (Vas + Vb)) / Qa.
    const DriverParams d = textbook::driver(5.0, 0.4);
    for (double qa : {5.0, 10.0, 20.0}) {
        const double vb = 40.0;
        const double h = std::sqrt(1.0 + 100.0 / vb);
        const double qtc = 1.0 / (1.0 / (h * d.qts()) + (100.0 / (100.0 + vb)) / qa);
        const LumpedCircuit box = closedBox(d, vb, {qa, kNoLoss, 0.0});
        for (double f : textbook::grid()) {
            ASSERT_NEAR(box.relativeLevelDb(f), textbook::secondOrderHighPassDb(f / (30.0 * h), qtc), 1e-9) << qa << " " << f;
        }
    }
}

TEST(OracleVentedBox, ButterworthB4IsThreeDecibelsDownAtFs) {
    // B4: h = 1, alpha = sqrt 2, Qts = 1 / sqrt(4 + 2 sqrt 2) = 0.3827;
    // |H|^2 = f^8 / (1 + f^8) with f = frequency / Fs.
    const double qts = 1.0 / std::sqrt(4.0 + 2.0 * std::sqrt(2.0));
    const double qms = 8.0;
    const DriverParams d = textbook::driver(qms, 1.0 / (1.0 / qts - 1.0 / qms));
    ASSERT_NEAR(d.qts(), 0.3827, 1e-4);
    const LumpedCircuit box = ventedBox(d, 100.0 / std::sqrt(2.0), 30.0);
    EXPECT_NEAR(box.relativeLevelDb(30.0), -10.0 * std::log10(2.0), 1e-9);
    for (double f : textbook::grid()) {
        const double x8 = std::pow(f / 30.0, 8);
        ASSERT_NEAR(box.relativeLevelDb(f), 10.0 * std::log10(x8 / (1.0 + x8)), 1e-8) << f;
    }
}

TEST(OracleVentedBox, FollowsTheFourthOrderFunctionWithLeakage) {
    const DriverParams d = textbook::driver(5.0, 0.4);
    struct Case {
        double vb, fb, ql;
    };
    for (const Case& c : {Case{100.0, 30.0, 7.0}, Case{60.0, 36.0, 3.0}, Case{150.0, 24.0, 15.0},
                          Case{80.0, 33.0, kNoLoss}}) {
        const LumpedCircuit box = ventedBox(d, c.vb, c.fb, {kNoLoss, c.ql, 0.0});
        for (double f : textbook::grid()) {
            ASSERT_NEAR(box.relativeLevelDb(f),
                        textbook::ventedBoxDb(f, 30.0, c.fb / 30.0, 100.0 / c.vb, d.qts(), c.ql), 1e-8)
                << c.vb << " " << c.ql << " " << f;
        }
    }
}

TEST(OracleVentedBox, ConeStandsStillAtFbAndImpedanceFallsToRe) {
    const DriverParams d = textbook::driver(5.0, 0.4);
    const LumpedCircuit box = ventedBox(d, 70.0, 28.0);
    const int driver = box.find("driver");
    const double fMin = textbook::minimumBetween(15.0, 60.0, [&](double f) { return box.coneExcursionPeak(f, driver); });
    EXPECT_NEAR(fMin, 28.0, 1e-4);
    EXPECT_LT(box.coneExcursionPeak(28.0, driver), 1e-9 * box.coneExcursionPeak(10.0, driver));
    const Complex z = box.inputImpedance(28.0);
    EXPECT_NEAR(z.real(), 6.0, 1e-9);
    EXPECT_NEAR(z.imag(), 0.0, 1e-9);
    // At Fb the vent carries the whole output.
    const Solution s = box.solve(28.0);
    EXPECT_NEAR(std::abs(s.volumeVelocity[box.find("vent")] - s.outputVolumeVelocity), 0.0,
                1e-9 * std::abs(s.outputVolumeVelocity));
}

TEST(OracleVentedBox, LeakageBlursTheExcursionNullButKeepsItNearFb) {
    const DriverParams d = textbook::driver(5.0, 0.4);
    const LumpedCircuit box = ventedBox(d, 70.0, 28.0, {kNoLoss, 7.0, 0.0});
    const int driver = box.find("driver");
    const double fMin = textbook::minimumBetween(15.0, 60.0, [&](double f) { return box.coneExcursionPeak(f, driver); });
    EXPECT_NEAR(fMin, 28.0, 0.5);
    EXPECT_GT(box.coneExcursionPeak(28.0, driver), 0.01 * box.coneExcursionPeak(10.0, driver));
}

TEST(OraclePassiveRadiator, NotchesAtItsOwnFreeAirResonance) {
    const DriverParams d = textbook::driver(5.0, 0.4);
    for (double fp : {18.0, 25.0}) {
        const RadiatorParams p = RadiatorParams::fromFreeAir(fp, 60.0, kNoLoss, 500.0);
        ASSERT_NEAR(p.fpHz(), fp, 1e-9);
        ASSERT_NEAR(p.vapLitre(), 60.0, 1e-9);
        const LumpedCircuit box = passiveRadiatorBox(d, 80.0, p);
        const double notch = textbook::minimumBetween(fp / 1.5, fp * 1.5,
                                                      [&](double f) { return box.relativeLevelDb(f); });
        EXPECT_NEAR(notch, fp, 1e-3 * fp);
        EXPECT_LT(box.relativeLevelDb(fp), -100.0);
        // The cone stands still at the box tuning Fb = Fp sqrt(1 + Vap/Vb).
        const double fb = fp * std::sqrt(1.0 + 60.0 / 80.0);
        const double still = textbook::minimumBetween(fb / 1.5, fb * 1.5,
                                                      [&](double f) { return box.coneExcursionPeak(f, 0); });
        EXPECT_NEAR(still, fb, 1e-3 * fb);
        // Far above, the radiator is mass-bound and the box is stiff: the
        // driver's cone alone gives the level, as in a closed box.
        EXPECT_NEAR(box.relativeLevelDb(3000.0), closedBox(d, 80.0).relativeLevelDb(3000.0), 0.5);
    }
}

TEST(OraclePassiveRadiator, LossyRadiatorFillsTheNotch) {
    const DriverParams d = textbook::driver(5.0, 0.4);
    const LumpedCircuit lossless = passiveRadiatorBox(d, 80.0, RadiatorParams::fromFreeAir(20.0, 60.0, kNoLoss, 500.0));
    const LumpedCircuit lossy = passiveRadiatorBox(d, 80.0, RadiatorParams::fromFreeAir(20.0, 60.0, 5.0, 500.0));
    EXPECT_GT(lossy.relativeLevelDb(20.0), lossless.relativeLevelDb(20.0) + 40.0);
    EXPECT_LT(lossy.relativeLevelDb(20.0), lossy.relativeLevelDb(60.0) - 10.0);
}

}  // namespace
}  // namespace quendal::oracle
