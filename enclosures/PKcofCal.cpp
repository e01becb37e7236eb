// Passive Raveza alignments and coefficients.
#include <cmath>

#include "enclosures/CBcal.h"
#include "enclosures/PKcal.h"
#include "enclosures/PRcal.h"
#include "engine/BandPassForms.h"
#include "model/State.h"

namespace quendal {

namespace {

// The radiator's free-air resonance over FS, times 50, fitted over the ratio
// r of the sealed chamber to Vas. The three fits meet at r = 0.5 (33) and
// r = 2 (26); the last one reaches 0 at r = 54.
double radiatorFit(double r) {
    if (r <= 0.5) return -744.4444 * std::pow(r, 3.0) + 870.5556 * std::pow(r, 2.0) - 359.0556 * r + 87.94444;
    if (r <= 2.0) return -1.333333 * std::pow(r, 3.0) + 8.0 * std::pow(r, 2.0) - 17.666667 * r + 40.0;
    return -0.5 * r + 27.0;
}

// Step 5: the radiator loaded by the front chamber.
void pkFrontChamber() {
    const SpeakerParameters& sp = state.speaker;
    BoxParameters& box = state.box;
    const PassiveRadiatorParameters& pr = state.radiator;
    AlignmentRatios& r = state.ratios;
    r.DL2 = pr.VAP / box.VB2;
    box.FB2 = pr.FP * std::pow(1.0 + r.DL2, 0.5);
    r.AL2 = sp.VAS / box.VB2;
    r.HH2 = box.FB2 / sp.FS;
    r.Y0 = pr.FP / sp.FS;
}

void pkFill() {
    const AlignmentRatios& r = state.ratios;
    const double u = 1.0 / std::pow(r.Y0, 2.0);               // radiator mass
    const double w = 1.0 / (r.Y0 * state.radiator.QP);         // radiator loss
    const double g = r.HH2 / state.box.QL1;                    // front-chamber leak
    const double k = r.AL1 / (r.HH1 * state.box.QA1);          // rear-chamber absorption
    const double q = 1.0 / state.speaker.QTS;
    const double a1 = r.AL1, a2 = r.AL2, d = r.DL2;
    TransferCoefficients& c = state.coef;
    c.A01 = u;
    c.A02 = w + u * g + u * q + u * k;
    c.A03 = 1.0 + d + u * (1.0 + a1 + a2) + w * (g + q + k) + u * g * (q + k);
    c.A04 = g * (1.0 + u * (1.0 + a1) + w * (q + k)) + w * (1.0 + a1 + a2) + (q + k) * (1.0 + d);
    c.A05 = 1.0 + a1 + a2 + d + a1 * d + g * (w * (1.0 + a1) + q + k);
    c.A06 = g * (1.0 + a1);
    c.B01 = u;
    c.B02 = w + u * g;
    c.B03 = 1.0 + d + w * g;
    c.B04 = g;
    c.B05 = d;
    c.B06 = q;
    // The loss-free A05 over B03: the loss-free cone curve starts at 0 dB.
    c.KX2 = (1.0 + a1 + a2 + d + a1 * d) / (1.0 + d);
}

// 0 dB of the relative view at the radiator's box resonance.
void pkNormalise() {
    const TransferCoefficients& c = state.coef;
    const double f = setReferencePoint(state.box.FB2 / state.speaker.FS);
    const JfValue N = polyAtJf({c.B05, 0.0, 0.0}, f);
    const JfValue D = polyAtJf({c.A01, c.A02, c.A03, c.A04, c.A05, c.A06}, f, -1);
    normaliseLevel(N.squared(), D.squared());
}

}  // namespace

bool passiveRavezaChamberFits(double VB1) {
    const double VAS = state.speaker.VAS;
    if (!(VB1 > 0.0) || !(VAS > 0.0)) return false;
    const double fit = radiatorFit(VB1 / VAS);
    return std::isfinite(fit) && fit > 0.0;
}

void PKopt1() {
    CPopt();
    state.box.VB1 = state.speaker.VAS;
    PKBVolin();
}

void PKopt2() {
    CPopt();
    state.box.VB1 = state.speaker.VAS / 2.0;
    PKBVolin();
}

void PKBVolin() {
    const SpeakerParameters& sp = state.speaker;
    BoxParameters& box = state.box;
    PassiveRadiatorParameters& pr = state.radiator;
    // A chamber the radiator's fit cannot serve leaves the radiator without a
    // resonance: it is refused, and the last accepted chamber comes back
    // (the "Type1" chamber of one Vas when there is none that fits).
    if (!passiveRavezaChamberFits(box.VB1)) box.VB1 = passiveRavezaChamberFits(box.VB1bak) ? box.VB1bak : sp.VAS;
    sealedChamber1AsClosedBox();  // the rear chamber
    box.VB2 = 0.15 * sp.VAS;
    pr.VAP = sp.VAS;
    pr.FP = radiatorFit(box.VB1 / sp.VAS) * sp.FS / 50.0;
    pkFrontChamber();
    // The radiator takes the driver's size.
    pr.PRDIA = sp.DIA;
    pr.QP = 5.0;
    pr.PRVD = sp.VD;
    pr.PRSD = sp.SD;
    pr.PRXMAX = sp.XMAX;
}

void PKCustom() {
    CPopt();
    sealedChamber1AsClosedBox();  // the rear chamber
    pkFrontChamber();
}

void PKcofCal() {
    switch (state.selection.Alin) {
        case 1: PKopt1(); break;
        case 2: PKopt2(); break;
        case 3: CPopt(); PKBVolin(); break;
        case 4: PRDataIn_OrgToCurrent(); PKCustom(); break;
        case 5: PKCustom(); break;
        default: break;  // the ratios as they stand
    }
    buildBandPassCoefficients(pkFill, pkNormalise);
}

}  // namespace quendal
