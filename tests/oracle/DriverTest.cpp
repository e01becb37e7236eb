// The driver alone: parameters, infinite-baffle response, impedance,
// excursion and efficiency against the closed-form results.
#include <gtest/gtest.h>

#include <cmath>

#include "oracle/TextbookCases.h"
#include "support/oracle/LumpedCircuit.h"

namespace quendal::oracle {
namespace {

constexpr double kTwoPi = 2.0 * kPi;

struct DriverCase {
    double fs, vas, qms, qes, re, sd;
};

const DriverCase kDrivers[] = {
    {30.0, 100.0, 5.0, 0.4, 6.0, 500.0},
    {55.0, 12.0, 3.2, 0.6, 3.4, 130.0},
    {18.0, 310.0, 12.0, 0.28, 7.5, 1200.0},
    {80.0, 4.0, 1.5, 1.2, 5.6, 50.0},
};

TEST(OracleDriver, ElectromechanicalValuesGiveBackTheThieleSmallSet) {
    for (const DriverCase& c : kDrivers) {
        const DriverParams d = DriverParams::fromThieleSmall({c.fs, c.vas, c.qms, c.qes, c.re, 0.0, c.sd});
        EXPECT_NEAR(d.fsHz(), c.fs, 1e-9 * c.fs);
        EXPECT_NEAR(d.vasLitre(), c.vas, 1e-9 * c.vas);
        EXPECT_NEAR(d.qms(), c.qms, 1e-9 * c.qms);
        EXPECT_NEAR(d.qes(), c.qes, 1e-9 * c.qes);
        // Cms from Vas with rho c^2 = 1.18 * 345^2 Pa.
        EXPECT_NEAR(d.cms, c.vas * 1e-3 / (1.18 * 345.0 * 345.0 * std::pow(c.sd * 1e-4, 2)), 1e-12 * d.cms);
        // eta0 = 4 pi^2 Fs^3 Vas / (c^3 Qes) from the electromechanical values.
        const double eta0 = 4.0 * kPi * kPi * std::pow(c.fs, 3) * c.vas * 1e-3 / (std::pow(345.0, 3) * c.qes);
        EXPECT_NEAR(d.referenceEfficiency(), eta0, 1e-9 * eta0);
    }
}

TEST(OracleDriver, InfiniteBaffleIsTheSecondOrderHighPassOfQts) {
    for (const DriverCase& c : kDrivers) {
        const DriverParams d = DriverParams::fromThieleSmall({c.fs, c.vas, c.qms, c.qes, c.re, 0.0, c.sd});
        const LumpedCircuit ib = infiniteBaffle(d);
        for (double f : textbook::grid()) {
            ASSERT_NEAR(ib.relativeLevelDb(f), textbook::secondOrderHighPassDb(f / c.fs, d.qts()), 1e-9) << f;
        }
        EXPECT_NEAR(ib.relativeLevelDb(c.fs), 20.0 * std::log10(d.qts()), 1e-9);
    }
}

TEST(OracleDriver, FreeAirImpedancePeaksAtFsWithReTimesOnePlusQmsOverQes) {
    for (const DriverCase& c : kDrivers) {
        const DriverParams d = DriverParams::fromThieleSmall({c.fs, c.vas, c.qms, c.qes, c.re, 0.0, c.sd});
        const LumpedCircuit ib = infiniteBaffle(d);
        const Complex z = ib.inputImpedance(c.fs);
        EXPECT_NEAR(z.real(), c.re * (1.0 + c.qms / c.qes), 1e-9 * c.re);
        EXPECT_NEAR(z.imag(), 0.0, 1e-9 * c.re);
        // Far below and far above resonance the coil resistance remains.
        EXPECT_NEAR(std::abs(ib.inputImpedance(c.fs / 1000.0)), c.re, 0.01 * c.re);
        EXPECT_NEAR(std::abs(ib.inputImpedance(c.fs * 1000.0)), c.re, 0.01 * c.re);
    }
}

TEST(OracleDriver, VoiceCoilInductanceAddsItsReactance) {
    const DriverParams d = textbook::driver(5.0, 0.4, 1.5);
    const LumpedCircuit ib = infiniteBaffle(d);
    const double f = 20000.0;
    const Complex z = ib.inputImpedance(f);
    EXPECT_NEAR(z.imag(), kTwoPi * f * 1.5e-3, 0.01 * kTwoPi * f * 1.5e-3);
    EXPECT_NEAR(z.real(), 6.0, 0.05);
}

TEST(OracleDriver, ExcursionIsTheStaticDeflectionShapedByTheResonance) {
    // x = (Bl V / Re) Cms / (1 - (f/Fs)^2 + j (f/Fs) / Qts), peak = sqrt 2 |x|.
    const DriverParams d = textbook::driver(5.0, 0.4);
    const LumpedCircuit ib = infiniteBaffle(d);
    const double volts = std::sqrt(d.re);
    EXPECT_DOUBLE_EQ(ib.driveVoltage(), volts);
    for (double f : textbook::grid()) {
        const double x = f / d.fsHz();
        const Complex shape = 1.0 / Complex(1.0 - x * x, x / d.qts());
        const double expected = std::sqrt(2.0) * d.bl * volts / d.re * d.cms * std::abs(shape);
        ASSERT_NEAR(ib.coneExcursionPeak(f, ib.find("driver")), expected, 1e-9 * expected) << f;
    }
}

TEST(OracleDriver, PressureAtOneWattMatchesTheReferenceSensitivity) {
    for (const DriverCase& c : kDrivers) {
        const DriverParams d = DriverParams::fromThieleSmall({c.fs, c.vas, c.qms, c.qes, c.re, 0.0, c.sd});
        const LumpedCircuit ib = infiniteBaffle(d);
        const double eta0 = 4.0 * kPi * kPi * std::pow(c.fs, 3) * c.vas * 1e-3 / (std::pow(345.0, 3) * c.qes);
        const double sensitivity = 10.0 * std::log10(eta0 / (1e-12 * kTwoPi));
        for (double ratio : {100.0, 300.0}) {
            EXPECT_NEAR(ib.solve(ratio * c.fs).splDb(), sensitivity, 0.1) << c.fs << " x" << ratio;
        }
        // The 0 dB reference is that same high-frequency pressure. The
        // sensitivity takes 1e-12 W/m^2 as 0 dB, which equals 20 uPa only
        // for rho c = 400 rayl; with rho c = 407.1 the two differ by
        // 10 log10(rho c / 400) = 0.076 dB.
        const double offset = 10.0 * std::log10(1.18 * 345.0 / 400.0);
        EXPECT_NEAR(20.0 * std::log10(ib.referencePressure() / 20e-6), sensitivity + offset, 1e-9);
    }
}

TEST(OracleDriver, DriveVoltageScalesPressureAndExcursionButNotTheRelativeLevel) {
    const DriverParams d = textbook::driver(5.0, 0.4);
    LumpedCircuit ib = infiniteBaffle(d);
    const double level = ib.relativeLevelDb(40.0);
    const double spl = ib.solve(40.0).splDb();
    const double x = ib.coneExcursionPeak(40.0, 0);
    ib.setDriveVoltage(2.0 * std::sqrt(d.re));  // 4 W
    EXPECT_NEAR(ib.relativeLevelDb(40.0), level, 1e-9);
    EXPECT_NEAR(ib.solve(40.0).splDb(), spl + 20.0 * std::log10(2.0), 1e-9);
    EXPECT_NEAR(ib.coneExcursionPeak(40.0, 0), 2.0 * x, 1e-12);
}

}  // namespace
}  // namespace quendal::oracle
