// Delta Vented alignments and transfer coefficients.
//
// The coefficient sets are built from the polynomials of the enclosure:
//   driver             P0(s) = s^2 + s/QTS + 1
//   chamber k + vent k Pk(s) = s^2/HHk^2 + s/(HHk*QLk) + 1       (k = 1, 2, 3)
//   coupling into 3    W1(s) = AL13*(s^2 + s*HH1/QL1)/HH3^2, W2 likewise
// with
//   vent 3 (system)    N3 = s^2*(P2 - P1)
//   vent 1             N1 = s^2*(P2*P3 + W1 + W2)
//   vent 2             N2 = s^2*(P1*P3 + W1 + W2)
//   cone               C  = P1*P2*P3 + W1*P2 + W2*P1
//   denominator        D  = P0*C + s^2*[(AL1/HH1^2)*(P2*P3 + W2)
//                              + (AL2/HH2^2)*(P1*P3 + W1) + (AL3/HH3^2)*(P1 + P2 - 2)]
// Each chamber's loss factor is a leak across its compliance. Multiplying
// the polynomials out gives exactly the closed-form sums of each
// coefficient; only the order of the additions differs.
#include "enclosures/DELcal.h"

#include <array>
#include <cmath>

#include "enclosures/ThreeChamberRatios.h"
#include "engine/BandPassForms.h"
#include "model/State.h"

namespace quendal {

namespace {

// A polynomial in s, lowest power first, up to the eighth degree.
using Poly = std::array<double, 9>;

Poly poly(double c0, double c1 = 0.0, double c2 = 0.0) {
    Poly p{};
    p[0] = c0;
    p[1] = c1;
    p[2] = c2;
    return p;
}

Poly operator+(const Poly& a, const Poly& b) {
    Poly r{};
    for (std::size_t i = 0; i < r.size(); ++i) r[i] = a[i] + b[i];
    return r;
}

Poly operator-(const Poly& a, const Poly& b) {
    Poly r{};
    for (std::size_t i = 0; i < r.size(); ++i) r[i] = a[i] - b[i];
    return r;
}

Poly operator*(double k, const Poly& a) {
    Poly r{};
    for (std::size_t i = 0; i < r.size(); ++i) r[i] = k * a[i];
    return r;
}

Poly operator*(const Poly& a, const Poly& b) {
    Poly r{};
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] == 0.0) continue;
        for (std::size_t j = 0; i + j < r.size(); ++j) r[i + j] += a[i] * b[j];
    }
    return r;
}

// Multiplies by s^2.
Poly timesS2(const Poly& a) {
    Poly r{};
    for (std::size_t i = 0; i + 2 < r.size(); ++i) r[i + 2] = a[i];
    return r;
}

// Sets the nine ratios from the box values in place.
void ratiosFromBox() {
    threeChamberRatiosFromBox();
    state.ratios.AL23 = state.box.VB2 / state.box.VB3;
}

// Every coefficient set of the unit, with the driver's Q in QTS (the
// mechanical Q while the current-drive coefficients are built).
void fillCoefficients() {
    const AlignmentRatios& r = state.ratios;
    const BoxParameters& box = state.box;
    const double q = 1.0 / state.speaker.QTS;

    const auto [a1, b1] = ventResonance(r.HH1, box.QL1);
    const auto [a2, b2] = ventResonance(r.HH2, box.QL2);
    const auto [a3, b3] = ventResonance(r.HH3, box.QL3);

    const Poly P0 = poly(1.0, q, 1.0);
    const Poly P1 = poly(1.0, b1, a1);
    const Poly P2 = poly(1.0, b2, a2);
    const Poly P3 = poly(1.0, b3, a3);
    const Poly W1 = (r.AL13 / std::pow(r.HH3, 2)) * poly(0.0, r.HH1 / box.QL1, 1.0);
    const Poly W2 = (r.AL23 / std::pow(r.HH3, 2)) * poly(0.0, r.HH2 / box.QL2, 1.0);

    const Poly inner1 = P2 * P3 + W1 + W2;   // N1 / s^2
    const Poly inner2 = P1 * P3 + W1 + W2;   // N2 / s^2
    const Poly cone = P1 * P2 * P3 + W1 * P2 + W2 * P1;
    const Poly load = (r.AL1 * a1) * (P2 * P3 + W2) + (r.AL2 * a2) * (P1 * P3 + W1) +
                      (r.AL3 * a3) * (P1 + P2 - poly(2.0));
    const Poly D = P0 * cone + timesS2(load);

    TransferCoefficients& c = state.coef;
    c.A01 = D[8];
    c.A02 = D[7];
    c.A03 = D[6];
    c.A04 = D[5];
    c.A05 = D[4];
    c.A06 = D[3];
    c.A07 = D[2];
    c.A08 = D[1];

    c.B31 = a2 - a1;
    c.B32 = b2 - b1;

    c.B11 = inner1[4];
    c.B12 = inner1[3];
    c.B13 = inner1[2];
    c.B14 = inner1[1];
    c.B15 = 1.0;

    c.B21 = inner2[4];
    c.B22 = inner2[3];
    c.B23 = inner2[2];
    c.B24 = inner2[1];
    c.B25 = 1.0;

    c.B41 = cone[6];
    c.B42 = cone[5];
    c.B43 = cone[4];
    c.B44 = cone[3];
    c.B45 = cone[2];
    c.B46 = cone[1];

    c.D01 = q;
}

// Level normalisation at vent 3's tuning. When the inner vents share one
// tuning, the vent-3 numerator loses its s^4 term (and vanishes with equal
// losses too), so an inner vent sets the level instead: vent 2 when chamber 1
// is the smaller, else vent 1.
void normalise() {
    const TransferCoefficients& c = state.coef;
    const BoxParameters& box = state.box;
    const double f = setReferencePoint(box.FB3 / state.speaker.FS);
    double NU = polyAtJf({c.B31, c.B32}, f, 3).squared();
    if (box.FB1 == box.FB2) {
        NU = box.VB1 < box.VB2 ? polyAtJf({c.B21, c.B22, c.B23, c.B24, c.B25}, f, 2).squared()
                               : polyAtJf({c.B11, c.B12, c.B13, c.B14, c.B15}, f, 2).squared();
    }
    normaliseLevel(NU, polyAtJf({c.A01, c.A02, c.A03, c.A04, c.A05, c.A06, c.A07, c.A08, 1.0}, f).squared());
}

}  // namespace

void DeltaOpt() {
    const double FS = state.speaker.FS;
    const double VAS = state.speaker.VAS;
    BoxParameters& box = state.box;
    switch (state.selection.Alin) {
    case 1:
        box.VB1 = 25.0 * VAS / 100.0;
        box.FB1 = 135.0 * FS / 50.0;
        box.VB2 = 75.0 * VAS / 100.0;
        box.FB2 = 40.0 * FS / 50.0;
        box.VB3 = 50.0 * VAS / 100.0;
        box.FB3 = 70.0 * FS / 50.0;
        break;
    case 2:   // smaller chambers, higher tunings
        box.VB1 = 25.0 * VAS / 100.0 / 1.5;
        box.FB1 = 135.0 * FS / 50.0 * 1.5;
        box.VB2 = 75.0 * VAS / 100.0 / 1.5;
        box.FB2 = 40.0 * FS / 50.0 * 1.5;
        box.VB3 = 50.0 * VAS / 100.0 / 1.5;
        box.FB3 = 70.0 * FS / 50.0 * 1.5;
        break;
    case 3:   // larger chambers, lower tunings
        box.VB1 = 25.0 * VAS / 100.0 * 1.5;
        box.FB1 = 135.0 * FS / 50.0 / 1.5;
        box.VB2 = 75.0 * VAS / 100.0 * 1.5;
        box.FB2 = 40.0 * FS / 50.0 / 1.5;
        box.VB3 = 50.0 * VAS / 100.0 * 1.5;
        box.FB3 = 70.0 * FS / 50.0 / 1.5;
        break;
    default:
        break;
    }
    ratiosFromBox();
}

void DeltaCustom() { ratiosFromBox(); }

void DeltaCofCal() {
    const int32_t alin = state.selection.Alin;
    if (alin >= 1 && alin <= 3) DeltaOpt();
    else if (alin == 4) DeltaCustom();
    buildBandPassCoefficients(fillCoefficients, normalise);
}

}  // namespace quendal
