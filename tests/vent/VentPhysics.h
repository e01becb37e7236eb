// Textbook acoustics of a vent, written here apart from the program's:
// the mass of the air in a pipe with its end corrections, and the
// Helmholtz resonance with the chamber's air spring (the oracle's).
#pragma once

#include <cmath>

#include "support/oracle/LumpedCircuit.h"

namespace quendal::test {

// Low-frequency end corrections in radii: an end in a baffle (a piston in
// an infinite baffle, Rayleigh: 8 / 3 pi) and a free end (an unflanged
// pipe, Levine and Schwinger).
inline constexpr double kBaffledEnd = 0.8488;
inline constexpr double kFreeEnd = 0.6133;

// Acoustic mass (kg/m^4) of the air in `pipes` equal pipes in parallel,
// each of length `lengthM`, area `pipeAreaM2` and (equivalent) radius
// `radiusM`, with one baffled and one free end.
inline double ventMass(double lengthM, double pipeAreaM2, double radiusM, double pipes) {
    return oracle::kAirDensity * (lengthM + (kBaffledEnd + kFreeEnd) * radiusM) / (pipes * pipeAreaM2);
}

// The Helmholtz resonance (Hz) of that mass with a chamber of `volumeLitre`.
inline double resonanceHz(double massKgM4, double volumeLitre) {
    return 1.0 / (2.0 * oracle::kPi * std::sqrt(massKgM4 * oracle::chamberCompliance(volumeLitre)));
}

// Half the hydraulic diameter 4 A / P of a w x h rectangle.
inline double equivalentRadius(double w, double h) { return 0.5 * 4.0 * w * h / (2.0 * (w + h)); }

}  // namespace quendal::test
