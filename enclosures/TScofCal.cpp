// Twin Serial alignments, coupled resonances, dip frequency and transfer
// coefficients.
//
// With ak = 1/HHk^2, bk = 1/(HHk*QLk) and the mass ratios mk = ALk*ak:
//   V2 = a3*s^2 + b3*s + 1                 (vent 2 carries chamber 3's resonance)
//   V3 = the chain of chambers 1 and 2     (B31-B34)
//   V1 = chamber 2's times chamber 3's resonance
//   C  = V3*V2                              (cone)
//   D  = (s^2 + s/QTS + 1)*C + s^2*(m1*V1 + m2*V2 + m3*V3)
//   N  = s^2*(V3 - V2)                      (system: vents 3 and 2 in antiphase)
#include "enclosures/TScal.h"

#include <cmath>

#include "enclosures/ThreeChamberRatios.h"
#include "engine/BandPassForms.h"
#include "model/State.h"

namespace quendal {

namespace {

// The frequency at which the lossless system output vanishes; 0 when the
// radicand is negative (vent 3 tuned so low that the two outputs never
// cancel): the system then has no notch.
double dipFrequency() {
    const AlignmentRatios& r = state.ratios;
    const double radicand = (1.0 / std::pow(r.HH1, 2) + (1.0 + r.AL12) / std::pow(r.HH2, 2) -
                             1.0 / std::pow(r.HH3, 2)) /
                            (1.0 / (std::pow(r.HH1, 2) * std::pow(r.HH2, 2)));
    if (!(radicand >= 0.0)) return 0.0;
    return state.speaker.FS * std::pow(radicand, 0.5);
}

// Every coefficient set, with the driver's Q in QTS (the mechanical Q while
// the current-drive coefficients are built).
void fillCoefficients() {
    const AlignmentRatios& r = state.ratios;
    const BoxParameters& box = state.box;
    TransferCoefficients& c = state.coef;
    const double q = 1.0 / state.speaker.QTS;

    const auto [a1, b1] = ventResonance(r.HH1, box.QL1);
    const auto [a2, b2] = ventResonance(r.HH2, box.QL2);
    const auto [a3, b3] = ventResonance(r.HH3, box.QL3);
    const double m1 = r.AL1 * a1, m2 = r.AL2 * a2, m3 = r.AL3 * a3;

    // vent 3: the chain of chambers 1 and 2
    c.B31 = a1 * a2;
    c.B32 = a1 * b2 + a2 * b1;
    c.B33 = a1 + (1.0 + r.AL12) * a2 + b1 * b2;
    c.B34 = b1 + b2 + r.AL12 * r.HH1 / (std::pow(r.HH2, 2) * box.QL1);
    // vent 2: chamber 3
    c.B23 = a3;
    c.B24 = b3;
    // system: s^2 * (V3 - V2)
    c.B11 = c.B31;
    c.B12 = c.B32;
    c.B13 = c.B33 - c.B23;
    c.B14 = c.B34 - c.B24;
    // cone: V3 * V2
    c.B41 = c.B31 * a3;
    c.B42 = c.B31 * b3 + c.B32 * a3;
    c.B43 = c.B31 + c.B32 * b3 + c.B33 * a3;
    c.B44 = c.B32 + c.B33 * b3 + c.B34 * a3;
    c.B45 = c.B33 + c.B34 * b3 + a3;
    c.B46 = c.B34 + b3;
    // vent 1: chambers 2 and 3
    c.B51 = a2 * a3;
    c.B52 = a2 * b3 + b2 * a3;
    c.B53 = a2 + b2 * b3 + a3;
    c.B54 = b2 + b3;

    c.A01 = c.B41;
    c.A02 = c.B42 + q * c.B41;
    c.A03 = c.B43 + q * c.B42 + c.B41 + m1 * c.B51 + m3 * c.B31;
    c.A04 = c.B44 + q * c.B43 + c.B42 + m1 * c.B52 + m3 * c.B32;
    c.A05 = c.B45 + q * c.B44 + c.B43 + m1 * c.B53 + m2 * a3 + m3 * c.B33;
    c.A06 = c.B46 + q * c.B45 + c.B44 + m1 * c.B54 + m2 * b3 + m3 * c.B34;
    c.A07 = 1.0 + q * c.B46 + c.B45 + m1 + m2 + m3;
    c.A08 = q + c.B46;

    c.D01 = q;
}

// Level normalisation at the geometric mean of the chain's resonances
// (FBH * FBL = FB1 * FB2), where the pass band of the system lies.
void normalise() {
    const TransferCoefficients& c = state.coef;
    PlotPoint& p = state.point;
    const double f = setReferencePoint(std::pow(state.box.FBH * state.box.FBL, 0.5) / state.speaker.FS);
    const JfValue N = polyAtJf({c.B11, c.B12, c.B13, c.B14}, f, 3);
    const JfValue D = polyAtJf({c.A01, c.A02, c.A03, c.A04, c.A05, c.A06, c.A07, c.A08, 1.0}, f);
    p.N1R = N.re;
    p.N1J = N.im;
    p.D1R = D.re;
    p.D1J = D.im;
    normaliseLevel(N.squared(), D.squared());
}

}  // namespace

void TShlCal() {
    AlignmentRatios& r = state.ratios;
    BoxParameters& box = state.box;
    const double FS = state.speaker.FS;
    r.AA1 = (1.0 / std::pow(r.HH1, 2)) * (1.0 / std::pow(r.HH2, 2));
    r.BB1 = 1.0 / std::pow(r.HH1, 2) + r.AL12 / std::pow(r.HH2, 2) + 1.0 / std::pow(r.HH2, 2);
    const double root = std::pow(std::pow(r.BB1, 2) - 4.0 * r.AA1, 0.5);
    box.FBH = std::pow((r.BB1 + root) / (2.0 * r.AA1), 0.5) * FS;
    box.FBL = std::pow((r.BB1 - root) / (2.0 * r.AA1), 0.5) * FS;
}

void TSopt() {
    const double FS = state.speaker.FS;
    const double VAS = state.speaker.VAS;
    const double QTS = state.speaker.QTS;
    AlignmentRatios& r = state.ratios;
    BoxParameters& box = state.box;
    r.HH1 = 1.5;
    r.HH2 = 0.8;
    r.AL1 = 0.4 / (0.5 * QTS);
    r.AL2 = 0.4 / (1.5 * QTS);
    r.AL3 = 0.4 / (0.45 * QTS);
    box.VB1 = VAS / r.AL1;
    box.VB2 = VAS / r.AL2;
    box.VB3 = VAS / r.AL3;
    r.AL12 = box.VB1 / box.VB2;
    TShlCal();
    box.FB1 = FS * r.HH1;
    box.FB2 = FS * r.HH2;
    box.FB3 = box.FBH;   // vent 3 on the chain's upper resonance
}

void TSdip() {
    const double FS = state.speaker.FS;
    const double VAS = state.speaker.VAS;
    const double QTS = state.speaker.QTS;
    AlignmentRatios& r = state.ratios;
    BoxParameters& box = state.box;
    r.HH1 = 3.0;
    r.HH2 = 0.8;
    r.HH3 = 1.6;
    r.AL1 = 0.4 / (0.5 * QTS);
    r.AL2 = 0.4 / (1.5 * QTS);
    r.AL3 = 0.4 / (0.375 * QTS);
    box.VB1 = VAS / r.AL1;
    box.VB2 = VAS / r.AL2;
    box.VB3 = VAS / r.AL3;
    box.FB1 = FS * r.HH1;
    box.FB2 = FS * r.HH2;
    box.FB3 = FS * r.HH3;
    r.AL12 = box.VB1 / box.VB2;
}

void TScofCal() {
    switch (state.selection.Alin) {
    case 1: TSopt(); break;
    case 2: TSdip(); break;
    default: break;   // "Custom": the box values in place
    }
    threeChamberRatiosFromBox();
    TShlCal();
    state.box.DIP = dipFrequency();
    buildBandPassCoefficients(fillCoefficients, normalise);
}

}  // namespace quendal
