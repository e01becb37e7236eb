// Complex Vented alignments: the vented and the sealed chamber from cubic
// fits in the driver's Qts, or from the entered box values.
#include <cmath>

#include "enclosures/CBcal.h"
#include "enclosures/CVcal.h"
#include "enclosures/UnitGuards.h"
#include "model/State.h"

namespace quendal {

namespace {

double cubic(double d3, double d2, double d1, double d0, double q) {
    return d3 * std::pow(q, 3.0) + d2 * std::pow(q, 2.0) + d1 * q + d0;
}

// Resonance of a driver on chamber 2 and the tuning ratios.
void tuningRatios(double fb1) {
    const double fs = state.speaker.FS;
    AlignmentRatios& r = state.ratios;
    const double fc2 = fs * std::pow(1.0 + r.AL2, 0.5);
    units::setIfFinite(state.box.FC2, fc2);
    r.HH1 = fb1 / fs;
    r.HH2 = fc2 / fs;
}

}  // namespace

int32_t CVopt() {
    const SpeakerParameters& sp = state.speaker;
    BoxParameters& box = state.box;
    AlignmentRatios& r = state.ratios;
    const double q = sp.QTS;
    if (q <= 0.5) {
        r.CC3 = 3249.99;
        r.CC2 = -1999.99;
        r.CC1 = 557.498;
        r.CC0 = -44.9998;
        r.DD3 = -916.655;
        r.DD2 = 1449.99;
        r.DD1 = -850.83;
        r.DD0 = 214.5;
    } else if (q > 0.5) {
        r.CC3 = -3333.33;
        r.CC2 = 5499.99;
        r.CC1 = -1916.66;
        r.CC0 = 140.0;
        r.DD3 = -333.327;
        r.DD2 = 774.987;
        r.DD1 = -614.158;
        r.DD0 = 191.998;
    }
    // The volume fit gives percent of Vas, the tuning fit Fb in units of Fs/50.
    const double vb1 = cubic(r.CC3, r.CC2, r.CC1, r.CC0, q) * sp.VAS / 100.0;
    const double fb1 = cubic(r.DD3, r.DD2, r.DD1, r.DD0, q) * sp.FS / 50.0;
    const double vb2 = vb1 / 4.0;
    units::setIfFinite(box.VB1, vb1);
    units::setIfFinite(box.FB1, fb1);
    units::setIfFinite(box.VB2, vb2);
    r.AL1 = sp.VAS / vb1;
    r.AL2 = sp.VAS / vb2;
    tuningRatios(fb1);
    return 0;
}

int32_t CVCustom() {
    const SpeakerParameters& sp = state.speaker;
    BoxParameters& box = state.box;
    AlignmentRatios& r = state.ratios;
    CPopt();
    // Chamber 2's filling factor follows the loss choice that its
    // coefficients use, QA1 (the palette's chamber-2 loss sets QA and QA1).
    box.VAB2 = box.CP1 * box.VB2;
    r.AL1 = sp.VAS / box.VB1;
    r.AL2 = sp.VAS / box.VAB2;
    tuningRatios(box.FB1);
    return 0;
}

}  // namespace quendal
