// The Twin Serial Vented polynomials at s = j f, as real and imaginary parts.
#pragma once

#include "engine/BandPassForms.h"
#include "model/State.h"

namespace quendal::pv {

// D(s) = A01 s^9 + .. + A09 s.
inline JfValue denominator(double F) {
    const TransferCoefficients& c = state.coef;
    const double F2 = F * F, F3 = F2 * F, F4 = F2 * F2, F5 = F4 * F, F6 = F4 * F2, F7 = F6 * F, F8 = F4 * F4, F9 = F8 * F;
    return {c.A02 * F8 - c.A04 * F6 + c.A06 * F4 - c.A08 * F2,
            c.A01 * F9 - c.A03 * F7 + c.A05 * F5 - c.A07 * F3 + c.A09 * F};
}

// Total output B01 s^9 + .. + B07 s^3.
inline JfValue total(double F) {
    const TransferCoefficients& c = state.coef;
    const double F2 = F * F, F3 = F2 * F, F4 = F2 * F2, F5 = F4 * F, F6 = F4 * F2, F7 = F6 * F, F8 = F4 * F4, F9 = F8 * F;
    return {c.B02 * F8 - c.B04 * F6 + c.B06 * F4,
            c.B01 * F9 - c.B03 * F7 + c.B05 * F5 - c.B07 * F3};
}

// The driver's direct radiation B11 s^9 + .. + B17 s^3.
inline JfValue driver(double F) {
    const TransferCoefficients& c = state.coef;
    const double F2 = F * F, F3 = F2 * F, F4 = F2 * F2, F5 = F4 * F, F6 = F4 * F2, F7 = F6 * F, F8 = F4 * F4, F9 = F8 * F;
    return {c.B12 * F8 - c.B14 * F6 + c.B16 * F4,
            c.B11 * F9 - c.B13 * F7 + c.B15 * F5 - c.B17 * F3};
}

// Cone motion: the driver numerator over s^2, B11 s^7 + .. + B17 s.
inline JfValue cone(double F) {
    const TransferCoefficients& c = state.coef;
    const double F2 = F * F, F3 = F2 * F, F4 = F2 * F2, F5 = F4 * F, F6 = F4 * F2, F7 = F6 * F;
    return {-c.B12 * F6 + c.B14 * F4 - c.B16 * F2,
            -c.B11 * F7 + c.B13 * F5 - c.B15 * F3 + c.B17 * F};
}

}  // namespace quendal::pv
