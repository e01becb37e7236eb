// Raveza Box alignments and coefficients.
#include <cmath>

#include "enclosures/CBcal.h"
#include "enclosures/KTcal.h"
#include "engine/BandPassForms.h"
#include "model/State.h"

namespace quendal {

namespace {

// The ratios of the box as it stands.
void ktRatios() {
    const SpeakerParameters& sp = state.speaker;
    const BoxParameters& box = state.box;
    AlignmentRatios& r = state.ratios;
    r.AL1 = sp.VAS / box.VAB1;
    r.AL2 = sp.VAS / box.VB2;
    r.HH1 = box.FC1 / sp.FS;
    r.HH2 = box.FB2 / sp.FS;
}

// The sealed chamber: its acoustic volume with the filling factor of its
// loss choice, and the closed-box resonance of the driver on it.
void ktSealedChamber() {
    const SpeakerParameters& sp = state.speaker;
    BoxParameters& box = state.box;
    AlignmentRatios& r = state.ratios;
    CPopt();
    box.VAB1 = box.CP1 * box.VB1;
    r.AL1 = sp.VAS / box.VAB1;
    box.FC1 = sp.FS * std::pow(1.0 + r.AL1, 0.5);
    r.HH1 = box.FC1 / sp.FS;
}

void ktFill() {
    const AlignmentRatios& r = state.ratios;
    const double h1 = r.HH1, h2 = r.HH2, a1 = r.AL1, a2 = r.AL2;
    const double Qa = state.box.QA1, Ql = state.box.QL1, Qt = state.speaker.QTS;
    const double h2sq = std::pow(h2, 2.0);
    TransferCoefficients& c = state.coef;
    c.A01 = 1.0 / h2sq;
    c.A02 = 1.0 / (h2 * Ql) + 1.0 / (h2sq * Qt) + a1 / (h1 * h2sq * Qa);
    c.A03 = 1.0 + 1.0 / h2sq + 1.0 / (h2 * Qt * Ql) + a1 / h2sq + a1 / (h1 * Qa * h2 * Ql) + a2 / h2sq;
    c.A04 = 1.0 / (h2 * Ql) + 1.0 / Qt + a1 / (h2 * Ql) + a1 / (h1 * Qa);
    c.A05 = 1.0 + a1;
    c.B01 = 1.0 / h2sq;
    c.B02 = 1.0 / (h2 * Ql);
    c.B03 = 1.0 / Qt;
}

// 0 dB of the relative view at the vent's tuning.
void ktNormalise() {
    const TransferCoefficients& c = state.coef;
    const double f = setReferencePoint(state.box.FB2 / state.speaker.FS);
    const JfValue N = polyAtJf({1.0, 0.0, 0.0}, f);
    const JfValue D = polyAtJf({c.A01, c.A02, c.A03, c.A04, c.A05}, f);
    normaliseLevel(N.squared(), D.squared());
}

}  // namespace

void KTopt1() {
    state.box.VB1 = state.speaker.VAS;
    KTBVolin();
}

void KTopt2() {
    state.box.VB1 = state.speaker.VAS / 2.0;
    KTBVolin();
}

void KTBVolin() {
    const SpeakerParameters& sp = state.speaker;
    BoxParameters& box = state.box;
    ktSealedChamber();
    // The vented chamber of half Qts times Vas, tuned to the closed-box
    // resonance.
    box.VB2 = 0.5 * sp.QTS * sp.VAS;
    box.FB2 = box.FC1;
    ktRatios();
}

void KTCustom() {
    ktSealedChamber();
    ktRatios();
}

void KTcofCal() {
    switch (state.selection.Alin) {
        case 1: KTopt1(); break;
        case 2: KTopt2(); break;
        case 3: KTBVolin(); break;
        case 4: KTCustom(); break;
        default: break;  // the ratios as they stand
    }
    buildBandPassCoefficients(ktFill, ktNormalise);
}

}  // namespace quendal
