// The Passive Radiator alignments and the radiator data in use.
#include <cmath>

#include "enclosures/PRcal.h"
#include "model/State.h"

namespace quendal {

namespace {

// Type1's fit covers Qts up to 0.8 (the top of the system's range); a larger
// Qts takes the fit's value at 0.8, so that FP always belongs to the driver.
constexpr double kLargestType1Qts = 0.8;

double type1RadiatorRatio(double qts) {
    if (qts <= 0.4) return 5.0 * qts * qts - 4.5 * qts + 1.9;
    if (qts > kLargestType1Qts) qts = kLargestType1Qts;
    return -8.333333 * qts * qts * qts + 17.5 * qts * qts - 12.666667 * qts + 3.7;
}

// Steps 3 to 7 of the fitted alignments: radiators as compliant as the box,
// their resonance on it, the ratios, and the driver's size.
void completeFittedAlignment() {
    const SpeakerParameters& sp = state.speaker;
    PassiveRadiatorParameters& pr = state.radiator;
    BoxParameters& box = state.box;
    AlignmentRatios& r = state.ratios;
    pr.VAP = box.VB;
    r.DL = pr.VAP / box.VB;
    box.FB = pr.FP * std::sqrt(1.0 + r.DL);
    r.HH = box.FB / sp.FS;
    r.Y0 = pr.FP / sp.FS;
    r.AL = sp.VAS / box.VB;
    pr.PRDIA = sp.DIA;
    pr.QP = 5.0;
    pr.PRSD = sp.SD;
    pr.PRXMAX = sp.XMAX;
    pr.PRVD = sp.VD;
}

}  // namespace

int32_t PRopt1() {
    const SpeakerParameters& sp = state.speaker;
    state.radiator.FP = sp.FS * type1RadiatorRatio(sp.QTS);
    state.box.VB = 2.5 * sp.QTS * sp.VAS;
    completeFittedAlignment();
    return 0;
}

int32_t PRopt2() {
    const SpeakerParameters& sp = state.speaker;
    state.radiator.FP = sp.FS * (1.25 * sp.QTS * sp.QTS - 2.25 * sp.QTS + 1.4);
    state.box.VB = 2.0 * 2.5 * sp.QTS * sp.VAS;
    completeFittedAlignment();
    return 0;
}

int32_t PRopt3() {
    const SpeakerParameters& sp = state.speaker;
    const PassiveRadiatorParameters& pr = state.radiator;
    BoxParameters& box = state.box;
    AlignmentRatios& r = state.ratios;
    r.DL = pr.VAP / box.VB;
    box.FB = pr.FP * std::sqrt(1.0 + r.DL);
    r.HH = box.FB / sp.FS;
    r.Y0 = pr.FP / sp.FS;
    r.AL = sp.VAS / box.VB;
    return 0;
}

int32_t PRCustom() {
    const SpeakerParameters& sp = state.speaker;
    const PassiveRadiatorParameters& pr = state.radiator;
    BoxParameters& box = state.box;
    AlignmentRatios& r = state.ratios;
    r.AL = sp.VAS / box.VB;
    r.DL = pr.VAP / box.VB;
    box.FB = pr.FP * std::sqrt(1.0 + r.DL);
    r.HH = box.FB / sp.FS;
    r.Y0 = pr.FP / sp.FS;
    return 0;
}

int32_t PRDataIn_OrgToCurrent() {
    PassiveRadiatorParameters& pr = state.radiator;
    pr.s_Manuf = pr.s_ManufOrg;
    pr.s_PR = pr.s_PROrg;
    pr.PRDIA = pr.PRDIAOrg;
    pr.FP = pr.FPOrg;
    pr.VAP = pr.VAPOrg;
    pr.QP = pr.QPOrg;
    pr.PRSD = pr.PRSDOrg;
    pr.PRXMAX = pr.PRXMAXOrg;
    pr.PRVD = pr.PRVDOrg;
    const int32_t n = pr.PopupPRNum;
    if (n >= 1 && n <= 4) {
        pr.VAP = n * pr.VAPOrg;
        pr.PRSD = n * pr.PRSDOrg;
        pr.PRVD = n * pr.PRVDOrg;
    }
    return 0;
}

}  // namespace quendal
