// Network-level properties of the lumped-circuit model: conservation laws,
// several drivers, multi-chamber topologies and refused input.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "oracle/TextbookCases.h"
#include "support/oracle/ComplexSolver.h"
#include "support/oracle/LumpedCircuit.h"

namespace quendal::oracle {
namespace {

constexpr double kTwoPi = 2.0 * kPi;

// A network using every element kind: two drivers, a radiator, two chambers
// with absorption and leakage, and lossy vents.
LumpedCircuit everyElement() {
    const DriverParams d1 = textbook::driver(5.0, 0.4, 0.8);
    const DriverParams d2 = textbook::driver(3.0, 0.6, 0.3);
    LumpedCircuit c;
    const int rear = c.addNode("rear");
    const int front = c.addNode("front");
    c.addDriver(d1, rear, LumpedCircuit::kOutside, "driver");
    c.addDriver(d2, rear, front, "driver2", -1.0);
    c.addChamber(rear, 60.0, {8.0, 10.0, 35.0}, "rear");
    c.addChamber(front, 25.0, {kNoLoss, 5.0, 45.0}, "front");
    c.addVent(rear, front, ventMassForTuning(30.0, 60.0), 400.0, "vent1");
    c.addVent(front, LumpedCircuit::kOutside, ventMassForTuning(45.0, 25.0), 900.0, "vent2");
    c.addRadiator(RadiatorParams::fromFreeAir(20.0, 30.0, 6.0, 300.0), rear, LumpedCircuit::kOutside, "radiator");
    return c;
}

TEST(OracleNetwork, ElectricalPowerEqualsThePowerLostInTheResistances) {
    // Without radiation resistance every watt drawn from the source ends in
    // Re, Rms, Rmp or an acoustic resistance.
    const LumpedCircuit c = everyElement();
    const double volts = c.driveVoltage();
    for (double f : {12.0, 27.0, 44.0, 90.0, 400.0}) {
        const Solution s = c.solve(f);
        double drawn = 0.0;
        double lost = 0.0;
        for (std::size_t i = 0; i < c.elements().size(); ++i) {
            const Element& e = c.elements()[i];
            const Complex u = s.volumeVelocity[i];
            switch (e.kind) {
            case ElementKind::Driver: {
                const Complex current = s.coilCurrent[i];
                drawn += std::real(e.gain * volts * std::conj(current));
                lost += std::norm(current) * e.driver.re + std::norm(u / e.driver.sd) * e.driver.rms;
                break;
            }
            case ElementKind::Radiator:
                lost += std::norm(u / e.radiator.sp) * e.radiator.rmp;
                break;
            default:
                lost += std::norm(u) * e.r;
                break;
            }
        }
        EXPECT_NEAR(drawn, lost, 1e-9 * drawn) << f;
        EXPECT_NEAR(std::real(volts * std::conj(volts / s.inputImpedance)), drawn, 1e-9 * drawn) << f;
    }
}

TEST(OracleNetwork, VolumeVelocityIsConservedAtEveryAirSpace) {
    const LumpedCircuit c = everyElement();
    const Solution s = c.solve(33.0);
    std::vector<Complex> net(static_cast<std::size_t>(c.nodeCount()));
    double scale = 0.0;
    for (std::size_t i = 0; i < c.elements().size(); ++i) {
        net[static_cast<std::size_t>(c.elements()[i].a)] -= s.volumeVelocity[i];
        net[static_cast<std::size_t>(c.elements()[i].b)] += s.volumeVelocity[i];
        scale = std::max(scale, std::abs(s.volumeVelocity[i]));
    }
    for (int node = 2; node < c.nodeCount(); ++node) {
        EXPECT_NEAR(std::abs(net[static_cast<std::size_t>(node)]), 0.0, 1e-12 * scale) << node;
    }
    // What enters the open air is the radiated total.
    EXPECT_NEAR(std::abs(net[LumpedCircuit::kOutside] - s.outputVolumeVelocity), 0.0, 1e-12 * scale);
    // Far field of a baffled source: p = j w rho U / (2 pi r), falling as 1/r.
    const Complex p = Complex(0.0, kTwoPi * 33.0) * 1.18 / kTwoPi * s.outputVolumeVelocity;
    EXPECT_NEAR(std::abs(s.farFieldPressure - p), 0.0, 1e-12 * std::abs(p));
    EXPECT_NEAR(std::abs(c.farFieldPressure(33.0, 2.0)), std::abs(p) / 2.0, 1e-12 * std::abs(p));
}

TEST(OracleNetwork, TwoEqualDriversInTwiceTheBoxBehaveAsOne) {
    const DriverParams d = textbook::driver(5.0, 0.4);
    const LumpedCircuit one = ventedBox(d, 50.0, 32.0, {kNoLoss, 7.0, 0.0});
    LumpedCircuit two;
    const int box = two.addNode("box");
    const int a = two.addDriver(d, box, LumpedCircuit::kOutside, "driver");
    const int b = two.addDriver(d, box, LumpedCircuit::kOutside, "driver2");
    two.addChamber(box, 100.0, {kNoLoss, 7.0, 32.0}, "box");
    two.addVent(box, LumpedCircuit::kOutside, ventMassForTuning(32.0, 100.0), 0.0, "vent");
    two.setReferencePressure(2.0 * one.referencePressure());
    for (double f : textbook::grid()) {
        const Solution s1 = one.solve(f);
        const Solution s2 = two.solve(f);
        ASSERT_NEAR(two.relativeLevelDb(f), one.relativeLevelDb(f), 1e-9) << f;
        ASSERT_NEAR(s2.coneExcursionPeak(a), s1.coneExcursionPeak(0), 1e-9 * s1.coneExcursionPeak(0)) << f;
        ASSERT_NEAR(s2.coneExcursionPeak(b), s1.coneExcursionPeak(0), 1e-9 * s1.coneExcursionPeak(0)) << f;
        // Two coils in parallel: half the impedance.
        ASSERT_NEAR(std::abs(s2.inputImpedance - 0.5 * s1.inputImpedance), 0.0, 1e-9) << f;
        ASSERT_NEAR(std::abs(s2.driverImpedance(a, two.driveVoltage()) - s1.inputImpedance), 0.0, 1e-9) << f;
    }
}

TEST(OracleNetwork, ReversedDriverCancelsItsTwin) {
    const DriverParams d = textbook::driver(5.0, 0.4);
    LumpedCircuit c;
    const int box = c.addNode("box");
    c.addDriver(d, box, LumpedCircuit::kOutside, "driver");
    c.addDriver(d, box, LumpedCircuit::kOutside, "driver2", -1.0);
    c.addChamber(box, 40.0, {}, "box");
    const Solution s = c.solve(50.0);
    EXPECT_LT(std::abs(s.outputVolumeVelocity), 1e-12);
    EXPECT_NEAR(std::abs(s.pressure[static_cast<std::size_t>(box)]), 0.0, 1e-9);
}

TEST(OracleBandPass, RisesAndFallsAtTwelveDecibelsPerOctaveAroundItsPassBand) {
    const DriverParams d = textbook::driver(5.0, 0.4);
    const LumpedCircuit bp = bandPass(d, 40.0, 30.0, 60.0);
    // Only the vent radiates.
    const Solution s = bp.solve(60.0);
    EXPECT_NEAR(std::abs(s.volumeVelocity[static_cast<std::size_t>(bp.find("vent"))] - s.outputVolumeVelocity), 0.0,
                1e-12 * std::abs(s.outputVolumeVelocity));
    EXPECT_NEAR(bp.relativeLevelDb(2.0) - bp.relativeLevelDb(1.0), 20.0 * std::log10(4.0), 0.05);
    EXPECT_NEAR(bp.relativeLevelDb(8000.0) - bp.relativeLevelDb(4000.0), -20.0 * std::log10(4.0), 0.05);
    // The rear chamber with the driver is a closed box: the cone is
    // loaded, so the front vent's resonance gives the pass band's centre.
    EXPECT_GT(bp.relativeLevelDb(60.0), bp.relativeLevelDb(20.0) + 6.0);
    EXPECT_GT(bp.relativeLevelDb(60.0), bp.relativeLevelDb(300.0) + 6.0);
}

TEST(OracleSerialVented, OuterVentRadiatesAndInnerVentFeedsIt) {
    const DriverParams d = textbook::driver(5.0, 0.4);
    const LumpedCircuit sv = serialVented(d, 60.0, 40.0, 25.0, 45.0);
    for (double f : {15.0, 30.0, 60.0}) {
        const Solution s = sv.solve(f);
        const Complex driver = s.volumeVelocity[static_cast<std::size_t>(sv.find("driver"))];
        const Complex vent2 = s.volumeVelocity[static_cast<std::size_t>(sv.find("vent2"))];
        EXPECT_NEAR(std::abs(s.outputVolumeVelocity - (driver + vent2)), 0.0, 1e-12 * std::abs(driver));
    }
    // Far below the tunings the outer vent's flow cancels the cone's except
    // for what the chambers compress: the level falls at 24 dB per octave,
    // as for a single vented box.
    EXPECT_NEAR(sv.relativeLevelDb(2.0) - sv.relativeLevelDb(1.0), 4.0 * 20.0 * std::log10(2.0), 0.1);
    EXPECT_NEAR(sv.relativeLevelDb(20000.0), 0.0, 0.01);
}

TEST(OracleNetwork, RefusesWhatCannotBeSolved) {
    const DriverParams d = textbook::driver(5.0, 0.4);
    LumpedCircuit c = closedBox(d, 50.0);
    EXPECT_THROW(c.solve(0.0), std::invalid_argument);
    EXPECT_THROW(c.addVent(0, 99, 1.0), std::invalid_argument);
    EXPECT_THROW(c.addChamber(2, 10.0, {5.0, kNoLoss, 0.0}), std::invalid_argument);
    // A node with nothing attached.
    c.addNode("loose");
    EXPECT_THROW(c.solve(50.0), std::runtime_error);
    EXPECT_THROW(solveLinearSystem({1.0, 2.0, 2.0, 4.0}, {1.0, 1.0}), std::runtime_error);
    const std::vector<Complex> x = solveLinearSystem({0.0, 2.0, Complex(0.0, 1.0), 1.0}, {4.0, 3.0});
    EXPECT_NEAR(std::abs(x[1] - 2.0), 0.0, 1e-15);
    EXPECT_NEAR(std::abs(x[0] - Complex(0.0, -1.0)), 0.0, 1e-15);
}

}  // namespace
}  // namespace quendal::oracle

namespace quendal::oracle {
namespace {

// Two drivers each in its own sealed box share nothing but the wiring: in
// series the source sees the sum of their impedances, in parallel the
// parallel combination.
TEST(SeriesWiring, UncoupledDriversAddInSeriesAndCombineInParallel) {
    ThieleSmall ts{.fsHz = 30.0, .vasLitre = 70.0, .qms = 5.0, .qes = 0.4, .reOhm = 6.0, .leMilliHenry = 0.5,
                   .sdCm2 = 300.0};
    const DriverParams d = DriverParams::fromThieleSmall(ts);
    LumpedCircuit pair;
    const int a = pair.addNode("a"), b = pair.addNode("b");
    pair.addDriver(d, a, LumpedCircuit::kOutside, "driver");
    pair.addDriver(d, b, LumpedCircuit::kOutside, "driver2");
    pair.addChamber(a, 20.0);
    pair.addChamber(b, 50.0);
    for (double hz : {15.0, 40.0, 63.0, 200.0}) {
        const Complex z1 = closedBox(d, 20.0).inputImpedance(hz);
        const Complex z2 = closedBox(d, 50.0).inputImpedance(hz);
        pair.setSeriesConnection(true);
        EXPECT_NEAR(std::abs(pair.inputImpedance(hz) - (z1 + z2)), 0.0, 1e-9 * std::abs(z1 + z2)) << hz;
        pair.setSeriesConnection(false);
        EXPECT_NEAR(std::abs(pair.inputImpedance(hz) - z1 * z2 / (z1 + z2)), 0.0, 1e-9 * std::abs(z1)) << hz;
    }
}

}  // namespace
}  // namespace quendal::oracle
