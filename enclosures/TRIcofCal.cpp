// Triple Vented alignments and transfer coefficients.
//
// With q = 1/QTS, ak = 1/HHk^2, bk = 1/(HHk*QLk) and the vent resonance
// Rk(s) = ak*s^2 + bk*s + 1 of chamber k, driver 1's half system is
//   D1(s) = R1*R3*(s^2 + q*s + 1) + s^2*(AL1*a1*R3 + AL3*a3*R1)
//   vent 1 N1 = s^2*R3, vent 3 N3 = s^2*R1, cone C1 = R1*R3
// and driver 2's the same with chamber 2 in place of chamber 1. D02 =
// (AL3/2)*a3 couples the two drivers through chamber 3 where the pair is
// solved as one network (the pair's impedance).
#include "enclosures/TRIcal.h"

#include <cmath>

#include "enclosures/ThreeChamberRatios.h"
#include "engine/BandPassForms.h"
#include "model/State.h"

namespace quendal {

namespace {

// The box from the alignment's ratios: AL3 as the alignment writes it
// (halved), so VB3 is the whole shared chamber.
void boxFromRatios() {
    const double FS = state.speaker.FS;
    const double VAS = state.speaker.VAS;
    const AlignmentRatios& r = state.ratios;
    BoxParameters& box = state.box;
    box.VB1 = VAS / r.AL1;
    box.VB2 = VAS / r.AL2;
    box.VB3 = VAS / r.AL3;
    box.FB1 = FS * r.HH1;
    box.FB2 = FS * r.HH2;
    box.FB3 = FS * r.HH3;
}

void setAlignment(double hh1, double hh2, double hh3, double k1, double k2, double k3) {
    const double QTS = state.speaker.QTS;
    AlignmentRatios& r = state.ratios;
    r.HH1 = hh1;
    r.HH2 = hh2;
    r.HH3 = hh3;
    r.AL1 = 0.4 / (k1 * QTS);
    r.AL2 = 0.4 / (k2 * QTS);
    r.AL3 = 0.4 / (k3 * QTS) / 2.0;
    boxFromRatios();
}

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
    r.AL3 = (VAS / box.VB3) * 2.0;   // half of the shared chamber per driver
}

// The six denominator coefficients of one driver's half system, chamber k
// (ak, bk, ALk) with the shared half chamber 3.
struct HalfSystem {
    double d1, d2, d3, d4, d5, d6;
};

HalfSystem halfSystem(double q, double ak, double bk, double ALk, double a3, double b3, double AL3) {
    HalfSystem h{};
    h.d1 = ak * a3;
    h.d2 = ak * b3 + a3 * bk + q * ak * a3;
    h.d3 = ak + bk * b3 + a3 + ak * a3 * (1.0 + ALk + AL3) + q * (ak * b3 + a3 * bk);
    h.d4 = bk + b3 + q * (ak + bk * b3 + a3) + ak * b3 * (1.0 + ALk) + a3 * bk * (1.0 + AL3);
    h.d5 = 1.0 + q * (bk + b3) + bk * b3 + ak * (1.0 + ALk) + a3 * (1.0 + AL3);
    h.d6 = q + bk + b3;
    return h;
}

// Both drivers' coefficient sets, with the driver's Q in QTS (the mechanical
// Q while the impedance curves' current-drive coefficients are built).
void fillCoefficients() {
    const AlignmentRatios& r = state.ratios;
    const BoxParameters& box = state.box;
    TransferCoefficients& c = state.coef;
    const double q = 1.0 / state.speaker.QTS;

    const auto [a1, b1] = ventResonance(r.HH1, box.QL1);
    const auto [a2, b2] = ventResonance(r.HH2, box.QL2);
    const auto [a3, b3] = ventResonance(r.HH3, box.QL3);

    const HalfSystem h1 = halfSystem(q, a1, b1, r.AL1, a3, b3, r.AL3);
    c.A11 = h1.d1;
    c.A12 = h1.d2;
    c.A13 = h1.d3;
    c.A14 = h1.d4;
    c.A15 = h1.d5;
    c.A16 = h1.d6;
    c.B11 = a3;   // vent 1 carries chamber 3's resonance
    c.B12 = b3;
    c.B13 = a1;   // vent 3 through driver 1 carries chamber 1's
    c.B14 = b1;

    const HalfSystem h2 = halfSystem(q, a2, b2, r.AL2, a3, b3, r.AL3);
    c.A21 = h2.d1;
    c.A22 = h2.d2;
    c.A23 = h2.d3;
    c.A24 = h2.d4;
    c.A25 = h2.d5;
    c.A26 = h2.d6;
    c.B21 = a3;
    c.B22 = b3;
    c.B23 = a2;
    c.B24 = b2;

    c.B31 = a1 * a3;   // cone of driver 1: R1*R3
    c.B32 = a1 * b3 + a3 * b1;
    c.B33 = a1 + b1 * b3 + a3;
    c.B34 = b1 + b3;
    c.B41 = a2 * a3;   // cone of driver 2: R2*R3
    c.B42 = a2 * b3 + a3 * b2;
    c.B43 = a2 + b2 * b3 + a3;
    c.B44 = b2 + b3;

    c.D01 = q;
    // The whole chamber 3 (VAS/VB3 = AL3/2) with its vent: the load the
    // two cones share, each half system holding it twice.
    c.D02 = r.AL3 / 2.0 * a3;
}

// Level normalisation at the geometric mean of the tunings (of vents 1 and
// 3 when vents 1 and 2 share one tuning).
void normalise() {
    const TransferCoefficients& c = state.coef;
    const BoxParameters& box = state.box;
    PlotPoint& p = state.point;
    const double FS = state.speaker.FS;
    const double f = box.FB1 == box.FB2
                         ? setReferencePoint(std::pow(box.FB1 * box.FB3, 0.5) / FS)
                         : setReferencePoint(std::pow(box.FB1 * box.FB2 * box.FB3, 0.3333333333333333) / FS);

    const double f2 = f * f, f3 = f2 * f, f4 = f3 * f, f5 = f4 * f, f6 = f5 * f;
    p.N1R = c.B11 * f4 - f2;
    p.N1J = -c.B12 * f3;
    p.N2R = c.B21 * f4 - f2;
    p.N2J = -c.B22 * f3;
    p.N3R = c.B13 * f4 - f2;
    p.N3J = -c.B14 * f3;
    p.N4R = c.B23 * f4 - f2;
    p.N4J = -c.B24 * f3;
    p.D1R = 1.0 - c.A11 * f6 + c.A13 * f4 - c.A15 * f2;
    p.D1J = c.A12 * f5 - c.A14 * f3 + c.A16 * f;
    p.D2R = 1.0 - c.A21 * f6 + c.A23 * f4 - c.A25 * f2;
    p.D2J = c.A22 * f5 - c.A24 * f3 + c.A26 * f;

    p.NUR1 = p.N1R * p.D2R - p.N1J * p.D2J + p.N2R * p.D1R - p.N2J * p.D1J;
    p.NUJ1 = p.N1R * p.D2J + p.N1J * p.D2R + p.N2R * p.D1J + p.N2J * p.D1R;
    p.NUR2 = p.N3R * p.D2R - p.N3J * p.D2J + p.N4R * p.D1R - p.N4J * p.D1J;
    p.NUJ2 = p.N3R * p.D2J + p.N3J * p.D2R + p.N4R * p.D1J + p.N4J * p.D1R;
    p.DER = p.D1R * p.D2R - p.D1J * p.D2J;
    p.DEJ = p.D1R * p.D2J + p.D2R * p.D1J;

    const double nuR = p.NUR1 - p.NUR2, nuJ = p.NUJ1 - p.NUJ2;
    normaliseLevel(nuR * nuR + nuJ * nuJ, p.DER * p.DER + p.DEJ * p.DEJ);
}

}  // namespace

void TRIalin1() { setAlignment(1.6, 1.6, 0.7, 0.42, 0.42, 2.0); }
void TRIalin2() { setAlignment(0.7, 0.7, 1.6, 2.0, 2.0, 0.42); }
void TRIalin3() { setAlignment(2.4, 1.6, 0.7, 0.275, 0.45, 2.0); }
void TRIalin4() { setAlignment(2.7, 1.7, 0.5, 0.1, 0.225, 3.0); }

void TRIcofCal() {
    switch (state.selection.Alin) {
    case 0:
    case 1: TRIalin1(); break;
    case 2: TRIalin2(); break;
    case 3: TRIalin3(); break;
    case 4: TRIalin4(); break;
    default: break;   // "Custom": the box values in place
    }
    ratiosFromBox();
    buildBandPassCoefficients(fillCoefficients, normalise);
}

}  // namespace quendal
