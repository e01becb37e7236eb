// Twin Serial Vented alignments: the three chamber volumes and vent tunings
// from fits in the driver's Qts, or from the entered box values.
#include <cmath>

#include "enclosures/PVcal.h"
#include "enclosures/UnitGuards.h"
#include "model/State.h"

namespace quendal {

namespace {

struct Quadratic {
    double a, b, c;
    double at(double q) const { return a * std::pow(q, 2.0) + b * q + c; }
};

// Volumes, tunings and volume ratios from the ratios just set.
void boxFromRatios() {
    const SpeakerParameters& sp = state.speaker;
    BoxParameters& box = state.box;
    AlignmentRatios& r = state.ratios;
    const double vb1 = sp.VAS / r.AL1, vb2 = sp.VAS / r.AL2, vb3 = sp.VAS / r.AL3;
    units::setIfFinite(box.VB1, vb1);
    units::setIfFinite(box.VB2, vb2);
    units::setIfFinite(box.VB3, vb3);
    units::setIfFinite(box.FB1, sp.FS * r.HH1);
    units::setIfFinite(box.FB2, sp.FS * r.HH2);
    units::setIfFinite(box.FB3, sp.FS * r.HH3);
    r.AL12 = vb1 / vb2;
    r.AL13 = vb1 / vb3;
}

}  // namespace

int32_t PVtype1() {
    AlignmentRatios& r = state.ratios;
    const double q = state.speaker.QTS;
    r.AL1 = 1.666667 * q + 1.333333;
    r.AL2 = 0.833333 * q + 0.666667;
    r.AL3 = 3.333333 * q + 3.666667;
    r.HH1 = 1.8 - q;
    r.HH2 = 1.2 - q;
    r.HH3 = r.HH1;
    boxFromRatios();
    return 0;
}

int32_t PVtype2() {
    AlignmentRatios& r = state.ratios;
    const double q = state.speaker.QTS;
    r.AL1 = 2.0;
    r.HH3 = 1.4;
    if (q <= 0.4) {
        r.AL2 = Quadratic{1.481481, -1.851852, 1.17037}.at(q);
        r.AL3 = Quadratic{15.555556, -11.222222, 5.333333}.at(q);
        r.HH1 = Quadratic{10.0, -8.0, 3.6}.at(q);
        r.HH2 = Quadratic{5.0, -4.5, 1.7}.at(q);
    } else if (q > 0.4) {
        r.AL2 = Quadratic{-0.1851852, -0.01851852, 0.703704}.at(q);
        r.AL3 = Quadratic{0.444444, -1.177778, 3.733333}.at(q);
        r.HH1 = Quadratic{0.555556, -1.444444, 2.488889}.at(q);
        r.HH2 = Quadratic{0.277778, -0.555556, 0.877778}.at(q);
    }
    boxFromRatios();
    return 0;
}

int32_t PVCustom() {
    const SpeakerParameters& sp = state.speaker;
    const BoxParameters& box = state.box;
    AlignmentRatios& r = state.ratios;
    r.HH1 = box.FB1 / sp.FS;
    r.HH2 = box.FB2 / sp.FS;
    r.HH3 = box.FB3 / sp.FS;
    r.AL1 = sp.VAS / box.VB1;
    r.AL2 = sp.VAS / box.VB2;
    r.AL3 = sp.VAS / box.VB3;
    r.AL12 = box.VB1 / box.VB2;
    r.AL13 = box.VB1 / box.VB3;
    return 0;
}

}  // namespace quendal
