// Complex Closed alignments and coefficients.
#include <algorithm>
#include <cmath>

#include "enclosures/CBcal.h"
#include "enclosures/CCcal.h"
#include "enclosures/UnitGuards.h"
#include "model/State.h"

namespace quendal {

namespace {

// The two natural frequencies of the coupled drivers and chambers: the roots
// in h^2 of h^4 - AA1 h^2 + BB1, the lossless denominator of the system.
void resonances() {
    AlignmentRatios& r = state.ratios;
    BoxParameters& box = state.box;
    const double fs = state.speaker.FS;
    r.AA1 = 2.0 + r.AL1 + 2.0 * r.AL2;
    r.BB1 = 1.0 + r.AL1 + 2.0 * r.AL2 + r.AL1 * r.AL2;
    // AA1^2 - 4 BB1 = AL1^2 + 4 AL2^2: never below zero but for rounding.
    const double root = std::sqrt(std::max(0.0, r.AA1 * r.AA1 - 4.0 * r.BB1));
    r.HH1 = std::sqrt((r.AA1 + root) / 2.0);
    r.HH2 = std::sqrt((r.AA1 - root) / 2.0);
    units::setIfFinite(box.FC1, r.HH1 * fs);
    units::setIfFinite(box.FC2, r.HH2 * fs);
}

void runAlignment() {
    switch (state.selection.Alin) {
        case 1: CCopt(); break;
        case 2: CCCustom(); break;
        default: break;  // the ratios in place are used
    }
}

void markCoefficientsNotComputable() {
    TransferCoefficients& c = state.coef;
    units::markNotComputable({&c.A01, &c.A02, &c.A03, &c.A04, &c.B11, &c.B12, &c.B21, &c.B22,
                              &c.C11, &c.C12, &c.C21, &c.C22, &c.D01, &c.E11, &c.E12, &c.E13,
                              &c.E21, &c.E22, &c.E23, &c.E24, &c.E25, &c.E31, &c.E32, &c.E33,
                              &c.E34, &c.E35, &c.E36, &c.E37});
}

void buildCoefficients() {
    const AlignmentRatios& r = state.ratios;
    const BoxParameters& box = state.box;
    TransferCoefficients& c = state.coef;
    const double H1 = r.HH1, H2 = r.HH2, Qt = state.speaker.QTS, A1 = r.AL1, A2 = r.AL2;
    const double QA1 = box.QA1, QA2 = box.QA2;
    // Losses of chamber 1 and chamber 2 as damping seen by a cone.
    const double loss1 = A1 / (H1 * QA1);
    const double loss2 = A2 / (H2 * QA2);

    c.A01 = 2.0 / Qt + loss1 + 2.0 * loss2;
    c.A02 = 2.0 + A1 + 2.0 * A2 + 1.0 / (Qt * Qt) + A1 / (H1 * Qt * QA1) + 2.0 * A2 / (H2 * Qt * QA2)
            + A1 * A2 / (H1 * H2 * QA1 * QA2);
    c.A03 = 2.0 / Qt + A1 / Qt + 2.0 * A2 / Qt + loss1 + 2.0 * loss2 + A1 * A2 / (H1 * QA1) + A1 * A2 / (H2 * QA2);
    c.A04 = 1.0 + A1 + 2.0 * A2 + A1 * A2;

    c.B11 = 1.0 / Qt + loss1 + 2.0 * loss2;
    c.B12 = 1.0 + A1 + 2.0 * A2;
    c.B21 = 1.0 / Qt + loss1 + loss2;
    c.B22 = 1.0 + A1 + A2;
    c.C11 = 1.0 / Qt + 2.0 * loss2;
    c.C12 = 1.0 + 2.0 * A2;
    c.C21 = 1.0 / Qt + loss2;
    c.C22 = 1.0 + A2;
    c.D01 = 1.0 / Qt;

    // The pair in series: one current through both coils moves both cones,
    // so each coil sees the motion of its cone with both drivers driven: the
    // sum of the two cone numerators (C1x for speaker 1, B1x for speaker 2).
    c.E11 = 2.0 * c.D01;
    c.E12 = c.D01 * (c.C11 + c.B11);
    c.E13 = c.D01 * (c.C12 + c.B12);

    // Each speaker's own impedance in parallel with the other's, the other
    // coil open: product of the two numerators over D times their sum. The
    // pair wired in parallel is not this (both coils carry current); its
    // evaluator forms it point by point.
    const double D2 = c.D01 * c.D01;
    c.E21 = D2;
    c.E22 = D2 * (c.B21 + c.C21);
    c.E23 = D2 * (c.B22 + c.C21 * c.B21 + c.C22);
    c.E24 = D2 * (c.C21 * c.B22 + c.C22 * c.B21);
    c.E25 = D2 * c.C22 * c.B22;
    c.E31 = 2.0 * c.D01;
    c.E32 = c.D01 * (c.C21 + 2.0 * c.A01 + c.B21);
    c.E33 = c.D01 * (c.C22 + c.A01 * c.C21 + 2.0 * c.A02 + c.B22 + c.A01 * c.B21);
    c.E34 = c.D01 * (c.A01 * c.C22 + c.A02 * c.C21 + 2.0 * c.A03 + c.A01 * c.B22 + c.A02 * c.B21);
    c.E35 = c.D01 * (c.A02 * c.C22 + c.A03 * c.C21 + 2.0 * c.A04 + c.A02 * c.B22 + c.A03 * c.B21);
    c.E36 = c.D01 * (c.A03 * c.C22 + c.A04 * c.C21 + c.A03 * c.B22 + c.A04 * c.B21);
    c.E37 = c.D01 * (c.A04 * c.C22 + c.A04 * c.B22);
}

}  // namespace

int32_t CCopt() {
    SpeakerParameters& sp = state.speaker;
    BoxParameters& box = state.box;
    AlignmentRatios& r = state.ratios;
    const double q = sp.QTS;
    double vb1 = box.VB1, vb2 = box.VB2;
    if (q <= 0.2) {
        vb1 = 25.0 * q * sp.VAS / 100.0;
        vb2 = 25.0 * q * sp.VAS / 100.0;
    } else if (q > 0.2) {
        // The power law also serves above Qts 0.8, where chamber 1 passes 300 % of Vas.
        vb1 = 629.578 * std::pow(q, 3.32193) * sp.VAS / 100.0;
        vb2 = 10.0 * sp.VAS / 100.0;
    }
    units::setIfFinite(box.VB1, vb1);
    units::setIfFinite(box.VB2, vb2);
    r.AL1 = sp.VAS / vb1;
    r.AL2 = sp.VAS / vb2;
    resonances();
    return 0;
}

int32_t CCCustom() {
    SpeakerParameters& sp = state.speaker;
    BoxParameters& box = state.box;
    AlignmentRatios& r = state.ratios;
    CPopt();
    box.VAB1 = box.VB1 * box.CP1;
    box.VAB2 = box.VB2 * box.CP2;
    r.AL1 = sp.VAS / box.VAB1;
    r.AL2 = sp.VAS / box.VAB2;
    resonances();
    return 0;
}

int32_t CCcofCal() {
    const SpeakerParameters& sp = state.speaker;
    const AlignmentRatios& r = state.ratios;
    const BoxParameters& box = state.box;
    runAlignment();

    const auto usable = [&] { return units::allUsable({r.AL1, r.AL2, r.HH1, r.HH2, box.QA1, box.QA2, sp.QTS}); };
    units::buildOrMarkNotComputable(usable, buildCoefficients, markCoefficientsNotComputable);
    return 0;
}

}  // namespace quendal
