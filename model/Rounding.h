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

// x to the hundredth, halves to even. A value so large that its hundredths
// are already as fine as a double can hold, and a value that is not
// finite, stay as they are.
inline double roundedToHundredths(double x) {
    constexpr double kWholeInHundredths = 4503599627370496.0 / 100.0;  // 2^52 hundredths
    if (!std::isfinite(x) || std::fabs(x) >= kWholeInHundredths) return x;
    return rint(x * 100.0) / 100.0;
}

}  // namespace quendal
