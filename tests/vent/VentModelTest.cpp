// The vent model against the Helmholtz resonator of the textbook: the bare
// formula without end corrections, and every duct and port with them.
#include <gtest/gtest.h>

#include <numbers>

#include "VentPhysics.h"
#include "response/VentModel.h"

namespace quendal::test {
namespace {

constexpr double kC = oracle::kSoundSpeed;
constexpr double kPi = std::numbers::pi;

struct Tuning {
    double litre, hz, pipes;
};
const Tuning kTunings[] = {{50.0, 40.0, 1}, {12.5, 96.0, 2}, {200.0, 28.0, 4}, {3.0, 120.0, 1}};

TEST(HelmholtzLength, WithoutEndCorrectionsIsTheBareResonatorFormula) {
    // f = c / 2 pi * sqrt(S / (V L)).
    for (const Tuning& t : kTunings) {
        const double length = helmholtzLength(0.004, t.litre / 1000.0, t.hz, kC);
        EXPECT_NEAR(kC / (2.0 * kPi) * std::sqrt(0.004 / (t.litre / 1000.0 * length)), t.hz, 1e-9 * t.hz);
    }
}

TEST(HelmholtzLength, DuctsAndPortsOfEveryShapeTuneTheChamberWithTheirEndCorrections) {
    for (const Tuning& t : kTunings) {
        const double volume = t.litre / 1000.0;
        auto expectTuned = [&](double length, double pipeArea, double radius) {
            EXPECT_NEAR(resonanceHz(ventMass(length, pipeArea, radius, t.pipes), t.litre), t.hz,
                        kTuningTolerance * t.hz)
                << t.litre << " l, " << t.hz << " Hz, length " << length << ", radius " << radius;
        };
        for (double r : {0.01, 0.05}) expectTuned(ductLength(t.pipes * kPi * r * r, r, volume, t.hz, kC), kPi * r * r, r);
        for (double length : {0.003, 0.02, 0.05}) {
            const double a = portRadius(length, t.pipes, volume, t.hz, kC);
            expectTuned(length, kPi * a * a, a);
            const double side = squarePortSide(length, t.pipes, volume, t.hz, kC);
            expectTuned(length, side * side, side / 2.0);
            for (double w : {0.01, 0.3}) {
                const double h = rectangularPortHeight(w, length, t.pipes, volume, t.hz, kC);
                expectTuned(length, w * h, equivalentRadius(w, h));
            }
        }
    }
}

}  // namespace
}  // namespace quendal::test
