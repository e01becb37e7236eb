// Serial Vented coefficients: the dip of the total output, the two coupled
// vent resonances and the transfer-function coefficients.
#include <algorithm>
#include <cmath>

#include "enclosures/SVcal.h"
#include "enclosures/UnitGuards.h"
#include "model/State.h"

namespace quendal {

namespace {

void runAlignment() {
    switch (state.selection.Alin) {
        case 1: SVopt1(); break;
        case 2: SVopt2(); break;
        case 3: SVopt3(); break;
        case 4: SVopt4(); break;
        case 5: SVCustom(); break;
        default: break;  // the ratios in place are used
    }
}

// The notch of the lossless total output and the two resonances of the
// coupled vent circuits, in Hz.
void dipAndCoupledResonances() {
    const SpeakerParameters& sp = state.speaker;
    BoxParameters& box = state.box;
    AlignmentRatios& r = state.ratios;
    const double h1s = r.HH1 * r.HH1;
    const double h2s = r.HH2 * r.HH2;
    r.AA1 = 1.0 / (h1s * h2s);
    r.BB1 = 1.0 / h1s + r.AL12 / h2s + 1.0 / h2s;
    // A sum of squares for positive ratios; kept from going below zero by rounding.
    const double root = std::sqrt(std::max(0.0, r.BB1 * r.BB1 - 4.0 * r.AA1));
    // Ratios far out of range overflow or underflow here: a dip or resonance
    // that is not a finite number is shown as 0, as for unusable ratios.
    const auto finiteOrZero = [](double v) { return std::isfinite(v) ? v : 0.0; };
    box.DIP = finiteOrZero(sp.FS * std::sqrt(h1s * (1.0 + r.AL12) + h2s));
    box.FBH = finiteOrZero(sp.FS * std::sqrt((r.BB1 + root) / (2.0 * r.AA1)));
    box.FBL = finiteOrZero(sp.FS * std::sqrt((r.BB1 - root) / (2.0 * r.AA1)));
}

void markCoefficientsNotComputable() {
    TransferCoefficients& c = state.coef;
    units::markNotComputable({&c.A01, &c.A02, &c.A03, &c.A04, &c.A05, &c.A06,
                              &c.B01, &c.B02, &c.B03, &c.B04, &c.B05,
                              &c.B11, &c.B12, &c.B13, &c.B14, &c.B15});
}

void buildCoefficients() {
    const AlignmentRatios& r = state.ratios;
    const BoxParameters& box = state.box;
    TransferCoefficients& c = state.coef;
    const double H1 = r.HH1, H2 = r.HH2, Q1 = box.QL1, Q2 = box.QL2, Qt = state.speaker.QTS;
    const double AL1 = r.AL1, AL2 = r.AL2, AL12 = r.AL12;
    const double H1s = H1 * H1, H2s = H2 * H2, H12s = H1s * H2s;

    c.A01 = 1.0 / H12s;
    c.A02 = 1.0 / (H1 * H2s * Q1) + 1.0 / (H1s * H2 * Q2) + 1.0 / (H12s * Qt);
    c.A03 = 1.0 / H1s + 1.0 / H2s + 1.0 / H12s + 1.0 / (H1s * H2 * Q2 * Qt) + 1.0 / (H1 * H2 * Q1 * Q2)
            + 1.0 / (H1 * H2s * Q1 * Qt) + AL12 / H2s + AL1 / H12s;
    c.A04 = 1.0 / (H2 * Q2) + 1.0 / (H2s * Qt) + 1.0 / (H1s * H2 * Q2) + 1.0 / (H1s * Qt) + 1.0 / (H1 * Q1)
            + 1.0 / (H1 * H2s * Q1) + 1.0 / (H1 * H2 * Q1 * Q2 * Qt) + AL12 / (H2s * Qt) + AL1 / (H1s * H2 * Q2)
            + H1 * AL12 / (H2s * Q1);
    c.A05 = 1.0 + 1.0 / H2s + 1.0 / (H2 * Q2 * Qt) + 1.0 / H1s + 1.0 / (H1 * H2 * Q1 * Q2) + 1.0 / (H1 * Q1 * Qt)
            + AL12 / H2s + H1 * AL12 / (H2s * Q1 * Qt) + AL1 / H1s + AL2 / H2s;
    c.A06 = 1.0 / Qt + 1.0 / (H1 * Q1) + 1.0 / (H2 * Q2) + H1 * AL12 / (H2s * Q1);

    c.B01 = 1.0 / H12s;
    c.B02 = 1.0 / (H1s * H2 * Q2);
    c.B03 = 1.0 / H1s + (1.0 + AL12) / H2s;
    c.B04 = 1.0 / H2s;
    c.B05 = 1.0 / (H2 * Q2);
    c.B11 = 1.0 / H12s;
    c.B12 = 1.0 / (H1 * H2s * Q1) + 1.0 / (H1s * H2 * Q2);
    c.B13 = 1.0 / H1s + 1.0 / H2s + 1.0 / (H1 * H2 * Q1 * Q2) + AL12 / H2s;
    c.B14 = 1.0 / (H1 * Q1) + 1.0 / (H2 * Q2) + H1 * AL12 / (H2s * Q1);
    c.B15 = 1.0 / Qt;
}

}  // namespace

int32_t SVcofCal() {
    const SpeakerParameters& sp = state.speaker;
    BoxParameters& box = state.box;
    const AlignmentRatios& r = state.ratios;
    runAlignment();

    const bool ratiosUsable = units::allUsable({r.HH1, r.HH2, r.AL1, r.AL2, r.AL12, sp.FS});
    if (ratiosUsable) {
        dipAndCoupledResonances();
    } else {
        box.DIP = 0.0;
        box.FBH = 0.0;
        box.FBL = 0.0;
    }

    const auto usable = [&] { return ratiosUsable && units::allUsable({box.QL1, box.QL2, sp.QTS}); };
    units::buildOrMarkNotComputable(usable, buildCoefficients, markCoefficientsNotComputable);
    return 0;
}

}  // namespace quendal
