// Serial Vented alignments: chamber volumes and vent tunings from the
// driver's Qts (four table alignments) or from the entered box values.
#include <cmath>

#include "enclosures/SVcal.h"
#include "enclosures/UnitGuards.h"
#include "model/State.h"

namespace quendal {

namespace {

// Tuning of the lower chamber of "Type1" to "Type3", as a ratio to FS. The
// two branches of the law meet at Qts 0.4, where both give 1.0.
double lowerTuningRatio(double qts) {
    if (qts < 0.4) return 0.459778 * std::pow(qts, -0.847997);
    return 0.4 / qts;
}

// Volumes and tunings of "Type1" to "Type3" from the ratios just set.
void boxFromRatios() {
    SpeakerParameters& sp = state.speaker;
    BoxParameters& box = state.box;
    AlignmentRatios& r = state.ratios;
    const double vb1 = sp.VAS / r.AL1;
    const double vb2 = sp.VAS / r.AL2;
    units::setIfFinite(box.VB1, vb1);
    units::setIfFinite(box.VB2, vb2);
    units::setIfFinite(box.FB1, sp.FS * r.HH1);
    units::setIfFinite(box.FB2, sp.FS * r.HH2);
    r.AL12 = vb1 / vb2;
}

}  // namespace

int32_t SVopt1() {
    AlignmentRatios& r = state.ratios;
    const double q = state.speaker.QTS;
    r.HH2 = lowerTuningRatio(q);
    r.HH1 = 2.0 * r.HH2;
    r.AL1 = 1.0 / (2.0 * q - 0.3);
    r.AL2 = r.AL1 / 3.0;
    boxFromRatios();
    return 0;
}

int32_t SVopt2() {
    AlignmentRatios& r = state.ratios;
    const double q = state.speaker.QTS;
    r.HH2 = lowerTuningRatio(q);
    r.HH1 = 2.0 * r.HH2;
    r.AL1 = 1.0;
    r.AL2 = 0.5;
    boxFromRatios();
    return 0;
}

int32_t SVopt3() {
    AlignmentRatios& r = state.ratios;
    const double q = state.speaker.QTS;
    r.HH1 = lowerTuningRatio(q);
    r.HH2 = 2.0 * r.HH1;
    r.AL2 = 1.0 / (2.0 * q - 0.3);
    r.AL1 = r.AL2 / 3.0;
    boxFromRatios();
    return 0;
}

int32_t SVopt4() {
    SpeakerParameters& sp = state.speaker;
    BoxParameters& box = state.box;
    AlignmentRatios& r = state.ratios;
    const double q = sp.QTS;
    const double vb = (2.0 * q - 0.3) * sp.VAS;
    units::setIfFinite(box.VB, vb);
    units::setIfFinite(box.VB1, vb);
    units::setIfFinite(box.VB2, vb);
    r.HH2 = -17.1875 * q * q * q + 34.6875 * q * q - 23.5 * q + 6.45;
    const double fb2 = r.HH2 * sp.FS;
    const double fb1 = 4.0 * fb2 / 3.0;
    units::setIfFinite(box.FB2, fb2);
    units::setIfFinite(box.FB1, fb1);
    r.HH1 = fb1 / sp.FS;
    r.AL1 = sp.VAS / vb;
    r.AL2 = sp.VAS / vb;
    r.AL12 = vb / vb;
    return 0;
}

int32_t SVCustom() {
    SpeakerParameters& sp = state.speaker;
    BoxParameters& box = state.box;
    AlignmentRatios& r = state.ratios;
    r.HH1 = box.FB1 / sp.FS;
    r.HH2 = box.FB2 / sp.FS;
    r.AL1 = sp.VAS / box.VB1;
    r.AL2 = sp.VAS / box.VB2;
    r.AL12 = box.VB1 / box.VB2;
    return 0;
}

}  // namespace quendal
