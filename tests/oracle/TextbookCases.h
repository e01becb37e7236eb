// Closed-form textbook responses the lumped-circuit model is checked against.
#pragma once

#include <cmath>
#include <complex>
#include <vector>

#include "support/oracle/LumpedCircuit.h"

namespace quendal::oracle::textbook {

// A test driver: Fs 30 Hz, Vas 100 l, Re 6 ohm, Sd 500 cm^2, no inductance,
// with the given Qms and Qes.
inline DriverParams driver(double qms, double qes, double leMilliHenry = 0.0) {
    return DriverParams::fromThieleSmall({30.0, 100.0, qms, qes, 6.0, leMilliHenry, 500.0});
}

// Level in dB of s^2 / (s^2 + s/q + 1) at s = j x.
inline double secondOrderHighPassDb(double x, double q) {
    const std::complex<double> s(0.0, x);
    return 20.0 * std::log10(std::abs(s * s / (s * s + s / q + 1.0)));
}

// Level in dB of the vented-box high-pass with leakage, in the normalised
// form s^4 / (s^4 + a1 s^3 + a2 s^2 + a3 s + 1), s = j f / sqrt(Fs Fb),
// h = Fb / Fs, alpha = Vas / Vb, leakage Q quoted at Fb.
inline double ventedBoxDb(double fHz, double fsHz, double h, double alpha, double qt, double ql) {
    const double root = std::sqrt(h);
    const double a1 = std::isinf(ql) ? 1.0 / (root * qt) : (ql + h * qt) / (root * ql * qt);
    const double a2 = std::isinf(ql) ? (alpha + 1.0 + h * h) / h
                                     : (h + (alpha + 1.0 + h * h) * qt * ql) / (h * qt * ql);
    const double a3 = std::isinf(ql) ? root / qt : (h * ql + qt) / (root * ql * qt);
    const std::complex<double> s(0.0, fHz / (fsHz * root));
    const std::complex<double> s2 = s * s;
    const std::complex<double> d = s2 * s2 + a1 * s2 * s + a2 * s2 + a3 * s + 1.0;
    return 20.0 * std::log10(std::abs(s2 * s2 / d));
}

// Logarithmic grid from 10 Hz to 1 kHz, as the response graphs use.
inline std::vector<double> grid() {
    std::vector<double> hz;
    for (int i = 0; i <= 200; ++i) {
        hz.push_back(10.0 * std::pow(10.0, i / 100.0));
    }
    return hz;
}

// Frequency of the smallest value of fn between lo and hi (fn unimodal there).
template <typename Fn>
double minimumBetween(double lo, double hi, Fn fn) {
    const double golden = (std::sqrt(5.0) - 1.0) / 2.0;
    double a = std::log(lo);
    double b = std::log(hi);
    for (int i = 0; i < 200 && b - a > 1e-12; ++i) {
        const double c = b - golden * (b - a);
        const double d = a + golden * (b - a);
        if (fn(std::exp(c)) < fn(std::exp(d))) {
            b = d;
        } else {
            a = c;
        }
    }
    return std::exp((a + b) / 2.0);
}

}  // namespace quendal::oracle::textbook
