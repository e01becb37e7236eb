// Complex Vented coefficients.
#include <cmath>

#include "enclosures/CVcal.h"
#include "enclosures/UnitGuards.h"
#include "model/State.h"

namespace quendal {

namespace {

void runAlignment() {
    switch (state.selection.Alin) {
        case 1: CVopt(); break;
        case 2: CVCustom(); break;
        default: break;  // the ratios in place are used
    }
}

void markCoefficientsNotComputable() {
    TransferCoefficients& c = state.coef;
    units::markNotComputable({&c.A01, &c.A02, &c.A03, &c.A04, &c.A05, &c.A06, &c.A07,
                              &c.B01, &c.B02, &c.B03, &c.B04, &c.B05,
                              &c.B11, &c.B12, &c.B13, &c.B14, &c.B15, &c.B23, &c.B24, &c.B25,
                              &c.C11, &c.C12, &c.C13, &c.C14, &c.C15,
                              &c.D11, &c.D12, &c.D13, &c.D14, &c.D15,
                              &c.E11, &c.E12, &c.E13, &c.E14, &c.E15, &c.D01,
                              &c.E21, &c.E22, &c.E23, &c.E24, &c.E25});
}

void buildCoefficients() {
    const AlignmentRatios& r = state.ratios;
    const BoxParameters& box = state.box;
    TransferCoefficients& c = state.coef;
    const double h = r.HH1, g = r.HH2, q = state.speaker.QTS, l = box.QL1, a = box.QA1;
    const double a1 = r.AL1, a2 = r.AL2;
    const double h2 = std::pow(h, 2.0), q2 = std::pow(q, 2.0);

    c.A01 = 1.0 / h2;
    c.A02 = 1.0 / (h * l) + 2.0 / (h2 * q) + 2.0 * a2 / (h2 * g * a);
    c.A03 = 1.0 + 2.0 / h2 + 2.0 / (h * q * l) + 1.0 / (h2 * q2) + a1 / h2 + 2.0 * a2 / h2
            + 2.0 * a2 / (h * l * g * a) + 2.0 * a2 / (h2 * q * g * a);
    c.A04 = 2.0 / (h * l) + 2.0 / q + 2.0 / (h2 * q) + 1.0 / (h * q2 * l) + a1 / (h2 * q) + 2.0 * a2 / (h * l)
            + 2.0 * a2 / (g * a) + 2.0 * a2 / (h2 * g * a) + 2.0 * a2 / (h2 * q) + 2.0 * a2 / (h * q * l * g * a)
            + a1 * a2 / (h2 * g * a);
    c.A05 = 2.0 + 1.0 / h2 + 2.0 / (h * q * l) + 1.0 / q2 + a1 / h2 + 2.0 * a2 + 2.0 * a2 / h2
            + 2.0 * a2 / (h * l * g * a) + 2.0 * a2 / (h * q * l) + 2.0 * a2 / (q * g * a) + a1 * a2 / h2;
    c.A06 = 1.0 / (h * l) + 2.0 / q + 2.0 * a2 / (h * l) + 2.0 * a2 / (g * a) + 2.0 * a2 / q;
    c.A07 = 1.0 + 2.0 * a2;

    // Speaker 1: direct radiation and cone.
    c.B01 = 1.0 / h2;
    c.B02 = 1.0 / (h * l) + 1.0 / (h2 * q) + 2.0 * a2 / (h2 * g * a);
    c.B03 = 1.0 + 1.0 / h2 + 1.0 / (h * q * l) + 2.0 * a2 / h2 + 2.0 * a2 / (h * l * g * a) + a1 / h2;
    c.B04 = 1.0 / (h * l) + 1.0 / q + 2.0 * a2 / (h * l) + 2.0 * a2 / (g * a);
    c.B05 = 1.0 + 2.0 * a2;

    // Speaker 1's motional impedance, speaker 2 not driven.
    c.B11 = 1.0 / h2;
    c.B12 = 1.0 / (h * l) + 1.0 / (h2 * q) + a2 / (h2 * g * a);
    c.B13 = 1.0 + 1.0 / h2 + 1.0 / (h * q * l) + a2 / h2 + a2 / (h * l * g * a) + a1 / h2;
    c.B14 = 1.0 / (h * l) + 1.0 / q + a2 / (h * l) + a2 / (g * a);
    c.B15 = 1.0 + a2;

    // The vent.
    c.B23 = 1.0;
    c.B24 = 1.0 / q + 2.0 * a2 / (g * a);
    c.B25 = 1.0 + 2.0 * a2;

    // Total: direct radiation minus the vent and minus the leak of the vented
    // chamber, which goes to the outside and radiates as the vent does: s/(h l)
    // times the vent's flow. On the same powers of s; the s^3 and s^2 terms
    // cancel exactly (B04 - B24 = B25/(h l), B05 = B25).
    const double leak = 1.0 / (h * l);
    c.C11 = c.B01;
    c.C12 = c.B02 - leak * c.B23;
    c.C13 = c.B03 - c.B23 - leak * c.B24;
    c.C14 = 0.0;
    c.C15 = c.B05 - c.B25;

    // Speaker 2 drives the vented chamber: at the vent's tuning that chamber
    // holds its cone, so its cone numerator is the vent circuit
    // (s^2/h^2 + s/(h l) + 1) times the vent set, which is speaker 1's set
    // with the vented chamber's stiffness a1/h^2 taken away from the s^2 term.
    c.D11 = c.B01;
    c.D12 = c.B02;
    c.D13 = c.B03 - a1 / h2;
    c.D14 = c.B04;
    c.D15 = c.B05;

    // Speaker 2's motional impedance, likewise from speaker 1's.
    c.E11 = c.B11;
    c.E12 = c.B12;
    c.E13 = c.B13 - a1 / h2;
    c.E14 = c.B14;
    c.E15 = c.B15;

    // The series pair: one current through both coils moves both cones, so
    // each coil sees its cone's motion with both drivers driven: the sum of
    // the two cone numerators (B0x for speaker 1, D1x for speaker 2).
    c.D01 = 1.0 / q;
    c.E21 = c.D01 * (c.B01 + c.D11);
    c.E22 = c.D01 * (c.B02 + c.D12);
    c.E23 = c.D01 * (c.B03 + c.D13);
    c.E24 = c.D01 * (c.B04 + c.D14);
    c.E25 = c.D01 * (c.B05 + c.D15);
}

}  // namespace

int32_t CVcofCal() {
    const SpeakerParameters& sp = state.speaker;
    const AlignmentRatios& r = state.ratios;
    const BoxParameters& box = state.box;
    runAlignment();

    const auto usable = [&] { return units::allUsable({r.HH1, r.HH2, r.AL1, r.AL2, box.QL1, box.QA1, sp.QTS}); };
    units::buildOrMarkNotComputable(usable, buildCoefficients, markCoefficientsNotComputable);
    return 0;
}

}  // namespace quendal
