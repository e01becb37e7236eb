#include "response/VentModel.h"

#include <cmath>

namespace quendal {

namespace {

// c^2 / (w^2 V): the effective length per unit of area that tunes the
// chamber (1/m).
double lengthPerArea(double volumeM3, double tuningHz, double c) {
    const double w = 2.0 * std::numbers::pi * tuningHz;
    return c * c / (w * w * volumeM3);
}

// The positive root of a x^2 + b x - q = 0 for a > 0, q >= 0, written so
// that neither sign of b loses digits.
double positiveRoot(double a, double b, double q) {
    const double d = std::sqrt(b * b + 4.0 * a * q);
    return b >= 0.0 ? 2.0 * q / (b + d) : (d - b) / (2.0 * a);
}

}  // namespace

double helmholtzLength(double areaM2, double volumeM3, double tuningHz, double c) {
    return areaM2 * lengthPerArea(volumeM3, tuningHz, c);
}

double hydraulicRadius(double widthM, double heightM) { return widthM * heightM / (widthM + heightM); }

double ductLength(double areaM2, double radiusM, double volumeM3, double tuningHz, double c) {
    return helmholtzLength(areaM2, volumeM3, tuningHz, c) - kDuctEndCorrection * radiusM;
}

// G n pi a^2 = L + k a.
double portRadius(double lengthM, double count, double volumeM3, double tuningHz, double c) {
    const double g = lengthPerArea(volumeM3, tuningHz, c);
    return positiveRoot(g * count * std::numbers::pi, -kPortEndCorrection, lengthM);
}

// G n w^2 = L + k w / 2.
double squarePortSide(double lengthM, double count, double volumeM3, double tuningHz, double c) {
    const double g = lengthPerArea(volumeM3, tuningHz, c);
    return positiveRoot(g * count, -kPortEndCorrection / 2.0, lengthM);
}

// G n w h = L + k w h / (w + h); times (w + h):
// G n w h^2 + (G n w^2 - L - k w) h - L w = 0.
double rectangularPortHeight(double widthM, double lengthM, double count, double volumeM3, double tuningHz,
                             double c) {
    const double g = lengthPerArea(volumeM3, tuningHz, c);
    const double a = g * count * widthM;
    return positiveRoot(a, a * widthM - lengthM - kPortEndCorrection * widthM, lengthM * widthM);
}

}  // namespace quendal
