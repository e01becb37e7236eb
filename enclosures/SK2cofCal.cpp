// Serial Raveza Type2 alignments and coefficients.
#include <cmath>

#include "enclosures/SK2cal.h"
#include "engine/BandPassForms.h"
#include "model/State.h"

namespace quendal {

namespace {

void sk2Ratios() {
    const SpeakerParameters& sp = state.speaker;
    const BoxParameters& box = state.box;
    AlignmentRatios& r = state.ratios;
    r.AL1 = sp.VAS / box.VB1;
    r.AL2 = sp.VAS / box.VB2;
    r.AL12 = box.VB1 / box.VB2;
    r.HH1 = box.FB1 / sp.FS;
    r.HH2 = box.FB2 / sp.FS;
}

void sk2Fill() {
    const AlignmentRatios& r = state.ratios;
    const double h1 = r.HH1, h2 = r.HH2;
    const double q1 = state.box.QL1, q2 = state.box.QL2, Q = state.speaker.QTS;
    const double AL1 = r.AL1, AL2 = r.AL2, AL12 = r.AL12;
    const double h1s = std::pow(h1, 2.0), h2s = std::pow(h2, 2.0);
    // The leak of chamber 1 seen through chamber 2, HH12^2 AL12 / (HH1 QL1)
    // with HH12 = HH1 / HH2: chamber 1's loss factor belongs to chamber 1's
    // own tuning, as in its term 1 / (HH1 QL1).
    const double leak1 = std::pow(h1 / h2, 2.0) * AL12 / (h1 * q1);
    TransferCoefficients& c = state.coef;
    c.A01 = 1.0 / (h1s * h2s);
    c.A02 = 1.0 / (h1s * h2 * q2) + 1.0 / (h1 * h2s * q1) + 1.0 / (h1s * h2s * Q);
    // Chamber 2's compliance coupled through vent 1: AL12 / HH2^2, as in A05
    // and B03.
    c.A03 = 1.0 / h1s + 1.0 / (h1 * h2 * q1 * q2) + 1.0 / (h1s * h2s) + 1.0 / (h1s * h2 * Q * q2) +
            1.0 / (h1 * h2s * Q * q1) + AL12 / h2s + 1.0 / h2s + AL1 / (h1s * h2s);
    c.A04 = 1.0 / (h1 * q1) + 1.0 / (h1s * h2 * q2) + 1.0 / (h1 * h2s * q1) + 1.0 / (h1s * Q) +
            1.0 / (h1 * h2 * Q * q1 * q2) + leak1 + AL12 / (h2s * Q) + 1.0 / (h2 * q2) + 1.0 / (h2s * Q) +
            AL1 / (h1s * h2 * q2);
    c.A05 = 1.0 / h1s + 1.0 / (h1 * h2 * q1 * q2) + 1.0 / (h1 * Q * q1) + AL12 / h2s + leak1 / Q + 1.0 + 1.0 / h2s +
            1.0 / (h2 * Q * q2) + AL2 / h2s + AL1 / h1s;
    c.A06 = 1.0 / (h1 * q1) + leak1 + 1.0 / (h2 * q2) + 1.0 / Q;
    c.A07 = 1.0;
    c.B01 = 1.0 / (h1s * h2s);
    c.B02 = 1.0 / (h1s * h2 * q2) + 1.0 / (h1 * h2s * q1);
    c.B03 = 1.0 / h1s + AL12 / h2s + 1.0 / h2s + 1.0 / (h1 * h2 * q1 * q2);
    c.B04 = 1.0 / (h2 * q2) + leak1 + 1.0 / (h1 * q1);
    c.B05 = 1.0;
    c.B06 = 1.0 / Q;
    c.B07 = 1.0 / h2s;
    c.B08 = 1.0 / (h2 * q2);
}

// 0 dB of the relative view at vent 1's tuning FB1.
void sk2Normalise() {
    const TransferCoefficients& c = state.coef;
    const double f = setReferencePoint(state.box.FB1 / state.speaker.FS);
    const JfValue N = polyAtJf({c.B05, 0.0, 0.0}, f);
    const JfValue D = polyAtJf({c.A01, c.A02, c.A03, c.A04, c.A05, c.A06, c.A07}, f);
    normaliseLevel(N.squared(), D.squared());
}

}  // namespace

void SK2opt1() {
    const SpeakerParameters& sp = state.speaker;
    BoxParameters& box = state.box;
    box.FB1 = 1.3 * sp.FS;
    if (sp.QTS <= 0.4) {
        box.VB1 = sp.VAS * 1.125 * sp.QTS;
        box.VB2 = sp.VAS * 0.625 * sp.QTS;
        box.FB2 = sp.FS * (-0.75 * sp.QTS + 1.8);
    } else {
        box.VB1 = sp.VAS * (0.875 * sp.QTS + 0.1);
        box.VB2 = sp.VAS * (0.875 * sp.QTS - 0.1);
        box.FB2 = sp.FS * (-0.25 * sp.QTS + 1.6);
    }
    sk2Ratios();
}

void SK2opt2() {
    const SpeakerParameters& sp = state.speaker;
    BoxParameters& box = state.box;
    box.FB1 = sp.FS * (0.5 * sp.QTS + 0.7);
    box.FB2 = 1.2 * sp.FS;
    if (sp.QTS <= 0.4) {
        box.VB1 = sp.VAS * (0.5 * sp.QTS + 0.45);
        box.VB2 = sp.VAS * (0.375 * sp.QTS + 0.3);
    } else {
        box.VB1 = sp.VAS * (0.75 * sp.QTS + 0.35);
        box.VB2 = sp.VAS * (0.625 * sp.QTS + 0.2);
    }
    sk2Ratios();
}

void SK2Custom() { sk2Ratios(); }

void SK2cofCal() {
    switch (state.selection.Alin) {
        case 1: SK2opt1(); break;
        case 2: SK2opt2(); break;
        case 3: SK2Custom(); break;
        default: break;  // the ratios of the last run
    }
    buildBandPassCoefficients(sk2Fill, sk2Normalise);
}

}  // namespace quendal
