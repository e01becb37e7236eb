// Helpers shared by the band-pass unit tests: a driver, one sweep point, and
// exact references computed in complex arithmetic.
#pragma once

#include <complex>
#include <vector>

#include "model/State.h"

namespace quendal::testing {

using cd = std::complex<double>;

// The effective driver every calculation reads.
inline void setDriver(double FS, double VAS, double QTS, double QMS = 4.0, double QES = 0.0) {
    SpeakerParameters& sp = state.speaker;
    sp.FS = FS;
    sp.VAS = VAS;
    sp.QTS = QTS;
    sp.QMS = QMS;
    sp.QES = QES > 0.0 ? QES : QTS * QMS / (QMS - QTS);
    sp.RE = 6.0;
    sp.LE = 0.5;
}

// Sets the sweep point f (normalised) and ff (Hz) as the engine does and runs
// one evaluator.
inline void atPoint(void (*evaluator)(), double fNorm) {
    state.point.f = static_cast<float>(fNorm);
    state.point.ff = static_cast<float>(fNorm * state.speaker.FS);
    evaluator();
}

// A polynomial (highest power first) by Horner's rule, times s^lowest.
inline cd poly(const std::vector<double>& c, cd s, int lowest = 0) {
    cd v = 0.0;
    for (double x : c) v = v * s + x;
    return v * std::pow(s, lowest);
}

// The single-precision grid of the sweeps: 10^k Hz, k = 1.0 .. 3.0 by 0.01.
inline std::vector<double> gridHz() {
    std::vector<double> hz;
    for (float k = 1.0f; k <= 3.0f; k += 0.01f) hz.push_back(static_cast<double>(static_cast<float>(std::pow(10.0, k))));
    return hz;
}

}  // namespace quendal::testing
