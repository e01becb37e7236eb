// The Vented Box alignments.
#include <cmath>

#include "enclosures/VBcal.h"
#include "engine/ImpedancePageQ.h"
#include "model/State.h"

namespace quendal {

namespace {

// One band of a fit: volume polynomial (100 Vb/Vas) and tuning polynomial
// (50 Fb/Fs) in q = QTS.
struct FitBand {
    double cc2, cc1, cc0, dd2, dd1, dd0;
};

constexpr FitBand kOptimum[7] = {
    {866.6667, -203.33333, 18.0, 2266.667, -1433.3333, 291.0},
    {3000.0, -1500.0, 215.0, 250.0, -325.0, 140.0},
    {1250.0, 275.0, -235.0, 100.0, -180.0, 105.0},
    {-3500.0, 7250.0, -2790.0, 50.0, -105.0, 77.0},
    {-2000.0, 5000.0, -1980.0, 25.0, -57.5, 54.5},
    {-3500.0, 9050.0, -4620.0, 10.0, -29.0, 41.3},
    {-500.0, 1750.0, -200.0, 5.0, -16.5, 33.5},
};

constexpr FitBand kExtend[7] = {
    {933.3333, -66.66667, 16.0, 700.0, -495.0, 138.5},
    {2500.0, -1050.0, 170.0, 75.0, -157.5, 93.5},
    {1500.0, 150.0, -180.0, 75.0, -137.5, 83.5},
    {-500.0, 2650.0, -950.0, 50.0, -95.0, 66.0},
    {-1000.0, 3200.0, -1040.0, 25.0, -57.5, 52.5},
    {-1500.0, 4250.0, -1590.0, 5.0, -14.5, 29.4},
    {-1000.0, 3300.0, -1200.0, 10.0, -33.0, 45.0},
};

// The last band's volume polynomials fall to zero near Qts 3.38 (Optimum)
// and 2.88 (Extend) and would give a zero or negative box beyond; a larger
// Qts is fitted at a value just below that root, where the box is still a
// proper (if tiny) one.
constexpr double kLargestOptimumQts = 3.3;
constexpr double kLargestExtendQts = 2.8;

void fitBox(const FitBand (&table)[7], double largestFittedQts) {
    const SpeakerParameters& sp = state.speaker;
    AlignmentRatios& r = state.ratios;
    BoxParameters& box = state.box;
    double q = sp.QTS;
    if (q > largestFittedQts) q = largestFittedQts;
    int band = 6;
    if (q < 0.3) band = 0;
    else if (q < 0.5) band = 1;
    else if (q < 0.7) band = 2;
    else if (q < 0.9) band = 3;
    else if (q < 1.1) band = 4;
    else if (q < 1.3) band = 5;
    const FitBand& b = table[band];
    r.CC2 = b.cc2;
    r.CC1 = b.cc1;
    r.CC0 = b.cc0;
    r.DD2 = b.dd2;
    r.DD1 = b.dd1;
    r.DD0 = b.dd0;
    r.AL = 1.0 / ((r.CC2 * q * q + r.CC1 * q + r.CC0) / 100.0);
    r.HH = (r.DD2 * q * q + r.DD1 * q + r.DD0) / 50.0;
    box.VB1 = sp.VAS / r.AL;
    box.FB1 = sp.FS * r.HH;
}

constexpr double kInverseTuningExponent = 3.2258064516129035;  // 1 / 0.31

// K = h^(1/0.31) Vb / Vas of the alignment just fitted.
float tuningMeasure() {
    const SpeakerParameters& sp = state.speaker;
    const BoxParameters& box = state.box;
    return static_cast<float>(std::pow(box.FB1 / sp.FS, kInverseTuningExponent) * box.VB1 / sp.VAS);
}

}  // namespace

int32_t VBopti() {
    fitBox(kOptimum, kLargestOptimumQts);
    return 0;
}

int32_t VBexti() {
    fitBox(kExtend, kLargestExtendQts);
    return 0;
}

int32_t VBvbin() {
    BoxParameters& box = state.box;
    AlignmentRatios& r = state.ratios;
    const SpeakerParameters& sp = state.speaker;
    const float vin = static_cast<float>(box.VB1);

    VBopti();
    const float vopt = static_cast<float>(box.VB1);
    const float kopt = tuningMeasure();
    VBexti();
    const float vext = static_cast<float>(box.VB1);
    const float kext = tuningMeasure();

    float khigh = kext, vhigh = vext, klow = kopt, vlow = vopt;
    if (kopt > kext) {
        khigh = kopt;
        vhigh = vopt;
        klow = kext;
        vlow = vext;
    }
    float k = kopt;
    const double span = static_cast<double>(vhigh) / sp.VAS - static_cast<double>(vlow) / sp.VAS;
    if (span != 0.0) {  // the two alignments' volumes coincide only for a Qts near 0.0145
        const float slope = static_cast<float>((static_cast<double>(khigh) - klow) / span);
        const float intercept = static_cast<float>(klow - static_cast<double>(slope) * vlow / sp.VAS);
        k = static_cast<float>(static_cast<double>(slope) * vin / sp.VAS + intercept);
    }
    if (k >= khigh) k = khigh;
    if (klow >= k) k = klow;

    box.VB1 = vin;
    box.FB1 = std::pow(sp.VAS / (box.VB1 / k), 0.31) * sp.FS;
    r.HH = box.FB1 / sp.FS;
    r.AL = sp.VAS / box.VB1;
    return 0;
}

int32_t VBCustom() {
    const BoxParameters& box = state.box;
    AlignmentRatios& r = state.ratios;
    r.HH = box.FB1 / state.speaker.FS;
    r.AL = state.speaker.VAS / box.VB1;
    return 0;
}

int32_t VBcofCal() {
    switch (state.selection.Alin) {
    case 1: VBopti(); break;
    case 2: VBexti(); break;
    case 3: VBvbin(); break;
    case 4: VBCustom(); break;
    default: break;
    }
    fillWithImpedancePageQ([] {
        const double h = state.ratios.HH;
        const double al = state.ratios.AL;
        const double qt = state.speaker.QTS;
        const double ql = state.box.QL;
        TransferCoefficients& c = state.coef;
        c.A01 = 1.0 / (h * h);
        c.A02 = 1.0 / (h * h * qt) + 1.0 / (h * ql);
        c.A03 = al / (h * h) + 1.0 / (h * h) + 1.0 / (h * qt * ql) + 1.0;
        c.A04 = 1.0 / (h * ql) + 1.0 / qt;
        c.B01 = 1.0 / (h * h);
        c.B02 = 1.0 / (h * ql);
        c.B03 = 1.0 / qt;
    });
    state.coef.siftUpDwn = 0.0;
    return 0;
}

}  // namespace quendal
