// Serial Raveza Type1 alignments and coefficients.
#include <cmath>

#include "enclosures/CBcal.h"
#include "enclosures/SK1cal.h"
#include "engine/BandPassForms.h"
#include "model/State.h"

namespace quendal {

namespace {

void sk1Ratios() {
    const SpeakerParameters& sp = state.speaker;
    const BoxParameters& box = state.box;
    AlignmentRatios& r = state.ratios;
    r.AL1 = sp.VAS / box.VAB;
    r.AL2 = sp.VAS / box.VB2;
    r.AL3 = sp.VAS / box.VB3;
    r.AL23 = box.VB2 / box.VB3;
    r.HH1 = box.FC1 / sp.FS;
    r.HH2 = box.FB2 / sp.FS;
    r.HH3 = box.FB3 / sp.FS;
    r.HH23 = box.FB2 / box.FB3;
}

// The optimum chambers; the last Qts band is open-ended, so a driver above
// Qts 1 gets the same chamber 3 as one at 1 rather than whatever VB3 held.
struct Sk1Alignment {
    double vb1, vb2PerQts, vb2Base, fb2, fb3;
    double vb3PerQts, vb3Base;  // Qts <= 0.4: vb3PerQts * Qts + vb3Base
    double vb3Mid, vb3High;     // 0.4 < Qts <= 0.8, Qts > 0.8
};

void sk1Optimum(const Sk1Alignment& a) {
    const SpeakerParameters& sp = state.speaker;
    BoxParameters& box = state.box;
    box.VB1 = sp.VAS * a.vb1;
    sealedChamber1AsClosedBox();
    box.VB2 = sp.VAS * (a.vb2PerQts * sp.QTS + a.vb2Base);
    box.FB2 = a.fb2 * sp.FS;
    box.FB3 = a.fb3 * sp.FS;
    if (sp.QTS <= 0.4) box.VB3 = sp.VAS * (a.vb3PerQts * sp.QTS + a.vb3Base);
    else if (sp.QTS <= 0.8) box.VB3 = a.vb3Mid * sp.VAS;
    else box.VB3 = a.vb3High * sp.VAS;
    sk1Ratios();
}

void sk1Fill() {
    const AlignmentRatios& r = state.ratios;
    const double h1 = r.HH1, h2 = r.HH2, h3 = r.HH3;
    const double q1 = state.box.QL1, q2 = state.box.QL2, a = state.box.QA1;
    const double Q = state.speaker.QTS;
    const double AL1 = r.AL1, AL2 = r.AL2, AL3 = r.AL3, AL23 = r.AL23;
    const double h2s = std::pow(h2, 2.0), h3s = std::pow(h3, 2.0);
    const double hh23s = std::pow(r.HH23, 2.0);
    TransferCoefficients& c = state.coef;
    c.A01 = 1.0 / (h2s * h3s);
    c.A02 = 1.0 / (h2s * h3 * q2) + 1.0 / (h2 * q1 * h3s) + 1.0 / (Q * h2s * h3s) + AL1 / (h1 * a * h2s * h3s);
    c.A03 = 1.0 / h2s + 1.0 / (h2 * q1 * h3 * q2) + 1.0 / (h2s * h3s) + 1.0 / (Q * h2s * h3 * q2) +
            1.0 / (Q * h2 * q1 * h3s) + AL23 / h3s + 1.0 / h3s + AL1 / (h2s * h3s) + AL1 / (h1 * a * h2s * h3 * q2) +
            AL1 / (h1 * a * h2 * q1 * h3s) + AL2 / (h2s * h3s);
    // The leak of chamber 2 seen through chamber 3: HH23^2 AL23 / (HH2 QL1),
    // as in B04 and A06 (the lumped model of the three chambers gives it).
    c.A04 = 1.0 / (h2 * q1) + 1.0 / (h2s * h3 * q2) + 1.0 / (h2 * q1 * h3s) + 1.0 / (Q * h2s) +
            1.0 / (Q * h2 * q1 * h3 * q2) + hh23s * AL23 / (h2 * q1) + AL23 / (Q * h3s) + 1.0 / (h3 * q2) +
            1.0 / (Q * h3s) + AL1 / (h2s * h3 * q2) + AL1 / (h2 * q1 * h3s) + AL1 / (h1 * a * h2s) +
            AL1 / (h1 * a * h2 * q1 * h3 * q2) + AL2 / (h2s * h3 * q2) + AL1 / (h1 * a * h3s) +
            AL1 * AL23 / (h1 * a * h3s);
    // The last sealed-chamber term: the rear absorption times the same leak
    // coupling, HH23^2 AL1 AL23 / (HH1 QA1 HH2 QL1).
    c.A05 = 1.0 / h2s + 1.0 / (h2 * q1 * h3 * q2) + 1.0 / (Q * h2 * q1) + AL23 / h3s + hh23s * AL23 / (Q * h2 * q1) +
            1.0 + 1.0 / h3s + 1.0 / (Q * h3 * q2) + AL1 / h2s + AL1 / (h2 * q1 * h3 * q2) + AL1 / (h1 * a * h2 * q1) +
            AL2 / h2s + AL1 / h3s + AL1 / (h1 * a * h3 * q2) + AL1 * AL23 / h3s +
            hh23s * AL1 * AL23 / (h1 * a * h2 * q1) + AL3 / h3s;
    c.A06 = 1.0 / (h2 * q1) + hh23s * AL23 / (h2 * q1) + 1.0 / (h3 * q2) + 1.0 / Q + AL1 / (h2 * q1) +
            AL1 / (h3 * q2) + AL1 / (h1 * a) + hh23s * AL1 * AL23 / (h2 * q1);
    c.A07 = 1.0 + AL1;
    c.B01 = 1.0 / (h2s * h3s);
    c.B02 = 1.0 / (h2s * h3 * q2) + 1.0 / (h2 * q1 * h3s);
    // Chamber 3's compliance coupled through vent 1: AL23 / HH3^2, as in A03.
    c.B03 = 1.0 / h2s + 1.0 / (h2 * q1 * h3 * q2) + AL23 / h3s + 1.0 / h3s;
    c.B04 = 1.0 / (h2 * q1) + hh23s * AL23 / (h2 * q1) + 1.0 / (h3 * q2);
    c.B05 = 1.0;
    c.B06 = 1.0 / Q;
    c.B07 = 1.0 / h3s;
    c.B08 = 1.0 / (h3 * q2);
}

// 0 dB of the relative view at 1.15 FB3.
void sk1Normalise() {
    const TransferCoefficients& c = state.coef;
    const double f = setReferencePoint(1.15 * state.box.FB3 / state.speaker.FS);
    const JfValue N = polyAtJf({1.0, 0.0, 0.0}, f);
    const JfValue D = polyAtJf({c.A01, c.A02, c.A03, c.A04, c.A05, c.A06, c.A07}, f);
    normaliseLevel(N.squared(), D.squared());
}

// The upper and lower resonance of the two coupled vented chambers.
void sk1CoupledResonances() {
    AlignmentRatios& r = state.ratios;
    BoxParameters& box = state.box;
    const double FS = state.speaker.FS;
    r.AA1 = 1.0 / std::pow(r.HH2, 2.0) / std::pow(r.HH3, 2.0);
    r.BB1 = 1.0 / std::pow(r.HH2, 2.0) + r.AL23 / std::pow(r.HH3, 2.0) + 1.0 / std::pow(r.HH3, 2.0);
    // Never negative while AL23 is not.
    const double root = std::pow(std::pow(r.BB1, 2.0) - 4.0 * r.AA1, 0.5);
    box.FBH = FS * std::pow((r.BB1 + root) / (2.0 * r.AA1), 0.5);
    box.FBL = FS * std::pow((r.BB1 - root) / (2.0 * r.AA1), 0.5);
}

}  // namespace

void SK1opt() { CPopt(); }

void SK1opt1() {
    sk1Optimum({.vb1 = 0.5, .vb2PerQts = 0.25, .vb2Base = 0.15, .fb2 = 2.4, .fb3 = 1.5,
                .vb3PerQts = 0.0, .vb3Base = 0.35, .vb3Mid = 0.35, .vb3High = 0.4});
}

void SK1opt2() {
    sk1Optimum({.vb1 = 1.0, .vb2PerQts = 0.5, .vb2Base = 0.1, .fb2 = 2.0, .fb3 = 1.3,
                .vb3PerQts = 1.0, .vb3Base = 0.1, .vb3Mid = 0.5, .vb3High = 0.6});
}

void SK1Custom() {
    sealedChamber1AsClosedBox();
    sk1Ratios();
}

void SK1cofCal() {
    switch (state.selection.Alin) {
        case 1: SK1opt(); SK1opt1(); break;
        case 2: SK1opt(); SK1opt2(); break;
        case 3: SK1opt(); SK1Custom(); break;
        default: break;  // the ratios of the last run
    }
    buildBandPassCoefficients(sk1Fill, sk1Normalise);
    sk1CoupledResonances();
}

}  // namespace quendal
