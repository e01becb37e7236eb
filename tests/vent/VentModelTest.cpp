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
        auto expectTuned = [&](double length, double pipeArea, double radius, double ends = kPortEndCorrections) {
            EXPECT_NEAR(resonanceHz(ventMass(length, pipeArea, radius, t.pipes, ends), t.litre), t.hz,
                        kTuningTolerance * t.hz)
                << t.litre << " l, " << t.hz << " Hz, length " << length << ", radius " << radius;
        };
        for (double r : {0.01, 0.05})
            expectTuned(ductLength(t.pipes * kPi * r * r, r, volume, t.hz, kC), kPi * r * r, r, kDuctEndCorrections);
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

// 50 litres tuned to 40 Hz at c = 343 m/s: w = 251.33 rad/s and
// c^2 / (w^2 V) = 37.251 per metre, so a vent of area S needs an effective
// length of 37.251 S.
//   A 100 mm duct: S = 78.540 cm^2, effective length 292.57 mm; its ends,
//   one in the baffle (0.8488 a) and one free (0.6133 a), give 73.11 mm at
//   a = 50 mm: 219.46 mm of duct.
//   A port through a 19 mm panel, both ends in a panel (2 x 0.8488 a):
//   37.251 pi a^2 = 0.019 + 1.6977 a, a = 21.915 mm, 43.83 mm across.
//   Sized as a duct it would come out 40.88 mm and, built through the
//   panel, tune to 38.2 Hz.
TEST(HelmholtzLength, PortsHaveTwoFlangedEndsAndDuctsAFlangedAndAFreeOne) {
    EXPECT_NEAR(1e3 * ductLength(kPi * 0.05 * 0.05, 0.05, 0.05, 40.0, 343.0), 219.46, 0.01);
    EXPECT_NEAR(2e3 * portRadius(0.019, 1.0, 0.05, 40.0, 343.0), 43.83, 0.01);
}

}  // namespace
}  // namespace quendal::test
