// The ratios of a design with three vented chambers, from its box values,
// and the terms of each chamber's vent resonance.
#pragma once

#include <cmath>

#include "model/State.h"

namespace quendal {

// HHk = FBk/FS and ALk = VAS/VBk of chambers 1 to 3, and the volume ratios
// AL12 = VB1/VB2 and AL13 = VB1/VB3.
inline void threeChamberRatiosFromBox() {
    const double FS = state.speaker.FS;
    const double VAS = state.speaker.VAS;
    const BoxParameters& box = state.box;
    AlignmentRatios& r = state.ratios;
    r.HH1 = box.FB1 / FS;
    r.HH2 = box.FB2 / FS;
    r.HH3 = box.FB3 / FS;
    r.AL1 = VAS / box.VB1;
    r.AL2 = VAS / box.VB2;
    r.AL3 = VAS / box.VB3;
    r.AL12 = box.VB1 / box.VB2;
    r.AL13 = box.VB1 / box.VB3;
}

// The vent resonance R(s) = a*s^2 + b*s + 1 of one chamber, from its tuning
// ratio hh (to FS) and its leakage ql: a = 1/hh^2, b = 1/(hh*ql).
struct VentResonance {
    double a, b;
};

inline VentResonance ventResonance(double hh, double ql) { return {1.0 / std::pow(hh, 2), 1.0 / (hh * ql)}; }

}  // namespace quendal
