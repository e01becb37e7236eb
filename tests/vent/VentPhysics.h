// Textbook acoustics of a vent, apart from the program's: the air mass of
// a pipe with the end corrections of a baffled end (a piston in an
// infinite baffle, Rayleigh: 8 / 3 pi radii) and a free end (an unflanged
// pipe, Levine and Schwinger: 0.6133 radii), and its Helmholtz resonance
// with the oracle's chamber.
#pragma once

#include <cmath>

#include "support/oracle/LumpedCircuit.h"

namespace quendal::test {

// A port (a hole through the panel) has two baffled ends; a duct one
// baffled and one free end.
inline constexpr double kPortEndCorrections = 0.8488 + 0.8488;  // radii
inline constexpr double kDuctEndCorrections = 0.8488 + 0.6133;  // radii
// The textbook end corrections are given to four digits.
inline constexpr double kTuningTolerance = 2e-5;            // relative

// Mass (kg/m^4) of `pipes` equal ducts in parallel, each `lengthM` long
// with area `pipeAreaM2` and (equivalent) radius `radiusM`; `ends` are the
// end corrections of the form.
inline double ventMass(double lengthM, double pipeAreaM2, double radiusM, double pipes,
                       double ends = kDuctEndCorrections) {
    return oracle::kAirDensity * (lengthM + ends * radiusM) / (pipes * pipeAreaM2);
}
inline double resonanceHz(double massKgM4, double volumeLitre) {
    return 1.0 / (2.0 * oracle::kPi * std::sqrt(massKgM4 * oracle::chamberCompliance(volumeLitre)));
}
// Half the hydraulic diameter 4 A / P of a w x h rectangle.
inline double equivalentRadius(double w, double h) { return 0.5 * 4.0 * w * h / (2.0 * (w + h)); }

}  // namespace quendal::test
