// The vent model against the Helmholtz resonator of the textbook: every
// length and size it gives tunes the chamber, with the end corrections of a
// baffled and a free end, and without them in the bare formula.
#include <gtest/gtest.h>

#include <numbers>

#include "VentPhysics.h"
#include "vent/VentModel.h"

namespace quendal::test {
namespace {

constexpr double kC = oracle::kSoundSpeed;
// The textbook end corrections are given to four digits.
constexpr double kTolerance = 2e-5;

struct Tuning {
    double litre, hz, pipes;
};
const Tuning kTunings[] = {{50.0, 40.0, 1}, {12.5, 96.0, 2}, {200.0, 28.0, 4}, {3.0, 120.0, 1}};

TEST(HelmholtzLength, WithoutEndCorrectionsIsTheBareResonatorFormula) {
    // f = c / 2 pi * sqrt(S / (V L)).
    for (const Tuning& t : kTunings) {
        const double area = 0.004, volume = t.litre / 1000.0;
        const double length = helmholtzLength(area, volume, t.hz, kC);
        EXPECT_NEAR(kC / (2.0 * std::numbers::pi) * std::sqrt(area / (volume * length)), t.hz, 1e-9 * t.hz);
    }
}

TEST(HelmholtzLength, ADuctWithItsEndCorrectionsTunesTheChamber) {
    for (const Tuning& t : kTunings) {
        for (double radius : {0.01, 0.025, 0.05}) {
            const double pipeArea = std::numbers::pi * radius * radius;
            const double length = ductLength(t.pipes * pipeArea, radius, t.litre / 1000.0, t.hz, kC);
            EXPECT_NEAR(resonanceHz(ventMass(length, pipeArea, radius, t.pipes), t.litre), t.hz, kTolerance * t.hz)
                << t.litre << " l, " << t.hz << " Hz, radius " << radius;
            // The end corrections shorten the pipe by 1.46 radii.
            EXPECT_NEAR(helmholtzLength(t.pipes * pipeArea, t.litre / 1000.0, t.hz, kC) - length,
                        (kBaffledEnd + kFreeEnd) * radius, 1e-4 * radius);
        }
    }
}

TEST(PortSizes, EveryShapeOfPortOfTheGivenLengthTunesTheChamber) {
    for (const Tuning& t : kTunings) {
        for (double length : {0.003, 0.02, 0.05}) {
            const double volume = t.litre / 1000.0;
            const double a = portRadius(length, t.pipes, volume, t.hz, kC);
            EXPECT_NEAR(resonanceHz(ventMass(length, std::numbers::pi * a * a, a, t.pipes), t.litre), t.hz,
                        kTolerance * t.hz);
            const double side = squarePortSide(length, t.pipes, volume, t.hz, kC);
            EXPECT_NEAR(resonanceHz(ventMass(length, side * side, side / 2.0, t.pipes), t.litre), t.hz,
                        kTolerance * t.hz);
            for (double width : {0.01, side, 0.3}) {
                const double h = rectangularPortHeight(width, length, t.pipes, volume, t.hz, kC);
                ASSERT_GT(h, 0.0);
                EXPECT_NEAR(resonanceHz(ventMass(length, width * h, equivalentRadius(width, h), t.pipes), t.litre),
                            t.hz, kTolerance * t.hz);
            }
        }
    }
}

TEST(HelmholtzLength, GrowsWithTheSquareOfTheSpeedOfSound) {
    EXPECT_NEAR(helmholtzLength(0.003, 0.03, 50.0, 2.0 * kC), 4.0 * helmholtzLength(0.003, 0.03, 50.0, kC), 1e-12);
}

}  // namespace
}  // namespace quendal::test
