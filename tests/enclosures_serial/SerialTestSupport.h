// Shared helpers of the serial and compound enclosure tests.
#pragma once

#include <cmath>
#include <complex>

#include "engine/EngineTestSupport.h"
#include "model/State.h"

namespace quendal::test {

using cplx = std::complex<double>;

// Sets the point's frequency; returns it as the evaluators see it (single precision).
inline double atF(double F) {
    state.point.f = static_cast<float>(F);
    state.point.ff = static_cast<float>(F * state.speaker.FS);
    return static_cast<double>(state.point.f);
}

// A polynomial with coefficients listed from the highest power down to
// power `lowest`, at s = j f.
inline cplx polyAt(std::initializer_list<double> highestFirst, int lowest, double F) {
    const cplx s(0.0, F);
    cplx v = 0.0;
    for (double c : highestFirst) v = v * s + c;
    return v * std::pow(s, lowest);
}

// -20 log10 |h|: the level as the amplitude evaluators leave it.
inline double invertedLevel(cplx h) { return -20.0 * std::log10(std::abs(h)); }

// A test that begins from the defaults and the initial loss choices.
class SerialUnitTest : public EngineTest {};

}  // namespace quendal::test
