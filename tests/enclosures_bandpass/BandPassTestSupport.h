// Helpers shared by the band-pass unit tests: a driver, one sweep point, and
// exact references computed in complex arithmetic.
#pragma once

#include <algorithm>
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

// The downward sweeps of the phase and Nyquist pages (k from kStart to 1.0 in
// single-precision steps), with their unwrap state reset first; check(f) runs
// after every point but the first, which only primes the unwrapping.
template <typename Check>
void downwardSweep(void (*evaluator)(), float kStart, Check check) {
    state.point.ss = 0.0;
    state.point.yy2 = 0.0f;
    state.point.fai = state.point.fai2 = 0.0;
    bool first = true;
    for (float k = kStart; k >= 1.0f; k -= 0.01f) {
        const double hz = static_cast<double>(static_cast<float>(std::pow(10.0, static_cast<double>(k))));
        atPoint(evaluator, static_cast<double>(static_cast<float>(hz / state.speaker.FS)));
        if (!first) check(static_cast<double>(state.point.f));
        first = false;
    }
}

// The angle in degrees, folded into (-180, 180], by which the drawn phase
// (folded into 0..360 as the phase sweep does) or the Nyquist point stands
// from the output H at f: constant over a sweep when the unwrapping holds.
inline double degreesFrom(double drawnDegrees, cd H) {
    return std::remainder(drawnDegrees - std::arg(H) * 180.0 / 3.14159265358979323846, 360.0);
}

// The roots of a polynomial (highest power first, leading coefficient not 0)
// by the Durand-Kerner iteration.
inline std::vector<cd> roots(const std::vector<double>& c) {
    const std::size_t n = c.size() - 1;
    std::vector<cd> z(n);
    for (std::size_t i = 0; i < n; ++i) z[i] = std::pow(cd(0.4, 0.9), static_cast<double>(i));
    for (int iter = 0; iter < 2000; ++iter) {
        double moved = 0.0;
        for (std::size_t i = 0; i < n; ++i) {
            cd denom = c[0];
            for (std::size_t j = 0; j < n; ++j)
                if (j != i) denom *= z[i] - z[j];
            const cd step = poly(c, z[i]) / denom;
            z[i] -= step;
            moved = std::max(moved, std::abs(step));
        }
        if (moved < 1e-15) break;
    }
    return z;
}

// The step response at normalised time t as the exact sum of the residues of
// N(s) e^(st) / Q(s) at the (simple) roots of Q, from the polynomials handed
// to the inverse Laplace transform.
inline double residueStep(const std::vector<double>& num, const std::vector<double>& den, double t) {
    std::vector<double> slope;
    const std::size_t n = den.size() - 1;
    for (std::size_t i = 0; i < n; ++i) slope.push_back(den[i] * static_cast<double>(n - i));
    cd sum = 0.0;
    for (const cd& p : roots(den)) sum += poly(num, p) * std::exp(p * t) / poly(slope, p);
    return sum.real();
}

// The loaded StepPolynomials as lists.
inline std::vector<double> stepNumerator() {
    return std::vector<double>(state.step.NUT + 1, state.step.NUT + state.step.NUO + 2);
}
inline std::vector<double> stepDenominator() {
    return std::vector<double>(state.step.DET + 1, state.step.DET + state.step.DEO + 2);
}

}  // namespace quendal::testing
