// Exact references in complex arithmetic for the calculation units' tests:
// one sweep point set as the engine sets it, and polynomials evaluated at a
// complex frequency by Horner's rule.
#pragma once

#include <cmath>
#include <complex>
#include <numbers>

#include "model/State.h"

namespace quendal::test {

using cplx = std::complex<double>;

// Sets the sweep point f (normalised) and ff (Hz) as the engine does; returns
// f as the evaluators see it (single precision).
inline double atF(double F) {
    state.point.f = static_cast<float>(F);
    state.point.ff = static_cast<float>(F * state.speaker.FS);
    return static_cast<double>(state.point.f);
}

// A polynomial with its coefficients listed from the highest power down,
// times s^lowest, at s.
template <typename Coefficients>
cplx horner(const Coefficients& highestFirst, cplx s, int lowest = 0) {
    cplx v = 0.0;
    for (double c : highestFirst) v = v * s + c;
    return v * std::pow(s, lowest);
}

// The group delay in ms of a response h (a complex function of the
// normalised frequency) at F: minus the slope of its phase over F +- dF,
// in the units' time scale 1 / (2 pi FS).
template <typename Response>
double groupDelayMs(Response h, double F, double dF, double fs) {
    double dphi = std::arg(h(F + dF)) - std::arg(h(F - dF));
    if (dphi > std::numbers::pi) dphi -= 2 * std::numbers::pi;
    if (dphi < -std::numbers::pi) dphi += 2 * std::numbers::pi;
    return -dphi / (2 * dF) / (state.phys.PI2 * fs) * 1000.0;
}

}  // namespace quendal::test
