// Rounding to the nearest integer with halves going to the even neighbour.
//
// Every value the program shows is rounded this way (2.5 gives 2, 3.5
// gives 4, -2.5 gives -2). The result does not depend on the floating-point
// environment's rounding mode.
#pragma once

#include <cmath>

namespace quendal {

inline double rint(double x) {
    if (!std::isfinite(x) || std::fabs(x) >= 4503599627370496.0)  // 2^52: already whole
        return x;
    const double below = std::floor(x);
    const double rest = x - below;  // exact for |x| < 2^52
    double r = below;
    if (rest > 0.5) r = below + 1.0;
    else if (rest == 0.5) r = std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
    return r == 0.0 ? std::copysign(0.0, x) : r;
}

// x to `decimals` decimals, halves to even. A value so large that those
// decimals are already as fine as a double can hold, and a value that is
// not finite, stay as they are: rounding never makes a finite value
// infinite.
inline double roundedToDecimals(double x, int decimals) {
    const double scale = std::pow(10.0, decimals);
    if (!std::isfinite(x) || std::fabs(x) >= 4503599627370496.0 / scale) return x;  // 2^52 steps
    return rint(x * scale) / scale;
}

// x to the hundredth, halves to even, as roundedToDecimals.
inline double roundedToHundredths(double x) { return roundedToDecimals(x, 2); }

}  // namespace quendal
