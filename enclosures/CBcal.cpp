#include "enclosures/CBcal.h"

#include <algorithm>
#include <cmath>

#include "engine/ImpedancePageQ.h"
#include "model/ClosedBoxOutcome.h"
#include "model/Rounding.h"
#include "model/State.h"

namespace quendal {

namespace {

void fillingFactor(double lossFactor, double& factor) {
    if (lossFactor == 5.0) factor = 1.2;
    else if (lossFactor == 7.0) factor = 1.1;
    else if (lossFactor == 10.0 || lossFactor == 15.0 || lossFactor == 20.0) factor = 1.0;
}

constexpr double kDefaultLossFactor = 10.0;  // the program's initial Qa
constexpr double kLargestQtc = 5.0;
constexpr double kSmallestBoxRatio = 1.1;    // h of the largest box the alignment builds
constexpr double kSmallestKeptVolume = 0.01; // litre: box volumes are kept to 0.01 litre
constexpr double kQtcKeptTo = 1000.0;        // Qtc is kept to the thousandth

// The box loss Qa as the formulas use it: a value that is not a positive
// number (a damaged design file) counts as the initial Qa 10.
double lossFactor() {
    const double qa = state.box.QA;
    return std::isfinite(qa) && qa > 0.0 ? qa : kDefaultLossFactor;
}

// The root h > 1 of a h^2 + b h + c = 0 that the Qtc formula gives, with
// the coefficients in single precision; NaN when there is none.
double boxRatioForQtc(double qts, double qtc, double qa) {
    const float a = static_cast<float>(qts * qtc - qts * qa);
    const float b = static_cast<float>(qtc * qa);
    const float c = static_cast<float>(-qts * qtc);
    const double h = (-static_cast<double>(b) - std::sqrt(static_cast<double>(b) * b - 4.0 * a * c)) / (2.0 * a);
    return h;
}

// The box of ratio h = HH: volumes, resonance and the Qtc it has.
void deriveBox() {
    BoxParameters& box = state.box;
    AlignmentRatios& r = state.ratios;
    const SpeakerParameters& sp = state.speaker;
    const double h = r.HH;
    const double qa = lossFactor();
    r.AL1 = h * h - 1.0;
    box.VAB = sp.VAS / r.AL1;
    box.VB = box.VAB / box.CP;
    box.FC = h * sp.FS;
    box.VAT = 1.0 / (1.0 / sp.VAS + 1.0 / box.VAB);
    r.AL2 = sp.VAS / box.VAT;
    box.QTC = closedBoxQtc(sp.QTS, sp.VAS, box.VAB, h, qa);
}

bool usableRatio(double h) { return std::isfinite(h) && h > 1.0; }

// The largest Qtc the alignment builds: 5, or less where the box for 5
// would be smaller than the smallest volume kept. A closed box reaches its
// loss factor Qa only as its volume goes to nothing, so near Qa (always
// with Qa 5, and with small drivers at any Qa) the box shrinks below what
// the design keeps and would be kept as no box at all. The Qtc of the
// smallest kept box is taken down to the thousandth, so that the Qtc
// offered, and kept, still builds a box of at least that volume.
double largestQtc(double qts, double qa) {
    const double vab = state.box.CP * kSmallestKeptVolume;
    const double h = std::sqrt(1.0 + state.speaker.VAS / vab);
    const double smallestBoxQtc = std::floor(closedBoxQtc(qts, state.speaker.VAS, vab, h, qa) * kQtcKeptTo) / kQtcKeptTo;
    if (!(std::isfinite(smallestBoxQtc) && smallestBoxQtc > 0.0)) return kLargestQtc;
    return std::min(kLargestQtc, smallestBoxQtc);
}

// Whether a target Qtc lies above the largest as far as Qtc is kept: the
// Qtc recomputed from a box built for the largest comes out a hair above
// it, and the next run of the alignment must build the same box again.
bool aboveLargest(double qtc, double largest) { return rint(qtc * kQtcKeptTo) > rint(largest * kQtcKeptTo); }

}  // namespace

double closedBoxQtc(double qts, double vas, double vab, double h, double qa) {
    return qts * qa * (vas + vab) / (h * vab * qa + vas * qts);
}

void sealedChamber1AsClosedBox() {
    const SpeakerParameters& sp = state.speaker;
    BoxParameters& box = state.box;
    AlignmentRatios& r = state.ratios;
    box.VAB = box.CP * box.VB1;
    r.AL1 = sp.VAS / box.VAB;
    box.FC1 = sp.FS * std::pow(1.0 + r.AL1, 0.5);
    r.HH1 = box.FC1 / sp.FS;
    box.QTC = closedBoxQtc(sp.QTS, sp.VAS, box.VAB, r.HH1, box.QA1);
}

int32_t CPopt() {
    BoxParameters& box = state.box;
    fillingFactor(box.QA, box.CP);
    fillingFactor(box.QA1, box.CP1);
    fillingFactor(box.QA2, box.CP2);
    return 0;
}

int32_t CBBValin() {
    BoxParameters& box = state.box;
    AlignmentRatios& r = state.ratios;
    const SpeakerParameters& sp = state.speaker;
    const double qa = lossFactor();
    box.VAB = box.CP * box.VB;
    r.AL1 = sp.VAS / box.VAB;
    r.HH = std::sqrt(r.AL1 + 1.0);
    box.FC = r.HH * sp.FS;
    box.QTC = closedBoxQtc(sp.QTS, sp.VAS, box.VAB, r.HH, qa);
    box.VAT = 1.0 / (1.0 / sp.VAS + 1.0 / box.VAB);
    r.AL2 = sp.VAS / box.VAT;
    box.CBAlartFlag = kCBAlartRealisable;
    return 0;
}

int32_t CBQTCalin() {
    BoxParameters& box = state.box;
    AlignmentRatios& r = state.ratios;
    const double qts = state.speaker.QTS;
    const double qa = lossFactor();
    // A closed box approaches Qa only as its volume goes to zero: a target at
    // or above Qa, above 5, or one whose box would be smaller than the
    // smallest volume kept is unreachable; the largest Qtc is built instead.
    const double largest = largestQtc(qts, qa);
    if (static_cast<float>(qts * box.QTC - qts * qa) >= 0.0f || aboveLargest(box.QTC, largest)) {
        box.QTC = largest;
        r.HH = boxRatioForQtc(qts, box.QTC, qa);
        if (!usableRatio(r.HH)) r.HH = kSmallestBoxRatio;
        deriveBox();
        box.CBAlartFlag = kCBAlartQtcTooLarge;
        return 0;
    }
    r.HH = boxRatioForQtc(qts, box.QTC, qa);
    if (usableRatio(r.HH)) {
        deriveBox();
        box.CBAlartFlag = kCBAlartRealisable;
    } else {  // no real root, or h <= 1: the target is too small
        r.HH = kSmallestBoxRatio;
        deriveBox();
        box.CBAlartFlag = kCBAlartQtcTooSmall;
    }
    return 0;
}

int32_t CBopt() {
    state.box.QTC = 0.1;
    CBQTCalin();
    if (state.box.QTC <= 0.707) {
        state.box.QTC = 0.707;
        CBQTCalin();
    }
    return 0;
}

int32_t CBcofCal() {
    CPopt();
    switch (state.selection.Alin) {
    case 1: CBopt(); break;
    case 2: CBBValin(); break;
    case 3: CBQTCalin(); break;
    default: break;
    }
    fillWithImpedancePageQ([] {
        const double qts = state.speaker.QTS;
        const AlignmentRatios& r = state.ratios;
        TransferCoefficients& c = state.coef;
        c.A01 = 1.0 / qts + r.AL2 / (r.HH * lossFactor());
        c.A02 = r.AL1 + 1.0;
        c.B01 = 1.0 / qts;
    });
    state.coef.siftUpDwn = 0.0;
    return 0;
}

}  // namespace quendal
