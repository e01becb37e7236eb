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
    const double FS = state.speaker.FS;
    const double VAS = state.speaker.VAS;
    const BoxParameters& box = state.box;
    AlignmentRatios& r = state.ratios;
    r.HH1 = box.FB1 / FS;
    r.HH2 = box.FB2 / FS;
    r.HH3 = box.FB3 / FS;
    r.AL1 = VAS / box.VB1;
    r.AL2 = VAS / box.VB2;
    r.AL3 = VAS / box.VB3;
    r.AL12 = box.VB1 / box.VB2;
    r.AL13 = box.VB1 / box.VB3;
    r.AL23 = box.VB2 / box.VB3;
}

// Every coefficient set of the unit for the driver's Q (QTS or QMS).
void buildCoefficients(double Q) {
    const AlignmentRatios& r = state.ratios;
    const BoxParameters& box = state.box;
    const double q = 1.0 / Q;

    const double a1 = 1.0 / std::pow(r.HH1, 2), b1 = 1.0 / (r.HH1 * box.QL1);
    const double a2 = 1.0 / std::pow(r.HH2, 2), b2 = 1.0 / (r.HH2 * box.QL2);
    const double a3 = 1.0 / std::pow(r.HH3, 2), b3 = 1.0 / (r.HH3 * box.QL3);

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
// losses too), so the louder inner vent sets the level instead.
void normalise() {
    const TransferCoefficients& c = state.coef;
    const BoxParameters& box = state.box;
    PlotPoint& p = state.point;

    p.f = static_cast<float>(box.FB3 / state.speaker.FS);
    const double f = p.f;

    p.NU = std::pow(c.B31 * std::pow(f, 4), 2) + std::pow(c.B32 * std::pow(f, 3), 2);
    if (box.FB1 == box.FB2) {
        if (box.VB1 < box.VB2) {
            p.NU = std::pow(-c.B21 * std::pow(f, 6) + c.B23 * std::pow(f, 4) - c.B25 * std::pow(f, 2), 2) +
                   std::pow(c.B22 * std::pow(f, 5) - c.B24 * std::pow(f, 3), 2);
        } else {
            p.NU = std::pow(-c.B11 * std::pow(f, 6) + c.B13 * std::pow(f, 4) - c.B15 * std::pow(f, 2), 2) +
                   std::pow(c.B12 * std::pow(f, 5) - c.B14 * std::pow(f, 3), 2);
        }
    }
    p.DE = std::pow(c.A01 * std::pow(f, 8) - c.A03 * std::pow(f, 6) + c.A05 * std::pow(f, 4) -
                        c.A07 * std::pow(f, 2) + 1.0,
                    2) +
           std::pow(-c.A02 * std::pow(f, 7) + c.A04 * std::pow(f, 5) - c.A06 * std::pow(f, 3) + c.A08 * f, 2);
    p.gg = std::pow(p.NU / p.DE, 0.5);
    state.coef.KNQ = 1.0 / p.gg;
    state.coef.siftUpDwn = -20.0 * std::log10(p.gg);
}

}  // namespace

int32_t DeltaOpt() {
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
    return 0;
}

int32_t DeltaCustom() {
    ratiosFromBox();
    return 0;
}

bool deltaSystemOutputVanishes() {
    return state.coef.B31 == 0.0 && state.coef.B32 == 0.0;
}

int32_t DeltaCofCal() {
    const int32_t alin = state.selection.Alin;
    if (alin >= 1 && alin <= 3) DeltaOpt();
    else if (alin == 4) DeltaCustom();

    // The level normalisation always stands on the total-Q response, so the
    // system's level does not change with the page on screen.
    SpeakerParameters& sp = state.speaker;
    const bool impedancePage = state.view.s_Resp == "imp";
    buildCoefficients(sp.QTS);
    normalise();
    if (impedancePage) {
        sp.QTSbak = sp.QTS;
        sp.QTS = sp.QMS;
        buildCoefficients(sp.QTS);
        sp.QTS = sp.QTSbak;
    }
    return 0;
}

}  // namespace quendal
