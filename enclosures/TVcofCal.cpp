// Twin Vented alignments and coefficients.
#include <cmath>

#include "enclosures/TVcal.h"
#include "engine/BandPassForms.h"
#include "model/State.h"

namespace quendal {

namespace {

void tvRatios() {
    const SpeakerParameters& sp = state.speaker;
    const BoxParameters& box = state.box;
    AlignmentRatios& r = state.ratios;
    r.HH1 = box.FB1 / sp.FS;
    r.HH2 = box.FB2 / sp.FS;
    r.AL1 = sp.VAS / box.VB1;
    r.AL2 = sp.VAS / box.VB2;
}

// A table alignment: the ratios give the box, and the box gives the ratios
// the coefficients use.
void tvTable(double HH1, double HH2, double AL1, double AL2) {
    const SpeakerParameters& sp = state.speaker;
    BoxParameters& box = state.box;
    AlignmentRatios& r = state.ratios;
    r.HH1 = HH1;
    r.HH2 = HH2;
    r.AL1 = AL1;
    r.AL2 = AL2;
    box.VB1 = sp.VAS / r.AL1;
    box.VB2 = sp.VAS / r.AL2;
    box.FB1 = sp.FS * r.HH1;
    box.FB2 = sp.FS * r.HH2;
    tvRatios();
}

double optimumAL1() { return 0.4 / (0.42 * state.speaker.QTS); }
double optimumAL2() { return 0.4 / (2.0 * state.speaker.QTS); }

void tvFill() {
    const AlignmentRatios& r = state.ratios;
    const double h1 = r.HH1, h2 = r.HH2, a1 = r.AL1, a2 = r.AL2;
    const double q1 = state.box.QL1, q2 = state.box.QL2, Q = state.speaker.QTS;
    const double h1s = std::pow(h1, 2.0), h2s = std::pow(h2, 2.0);
    // T1(s) T2(s) = c4 s^4 + c3 s^3 + c2 s^2 + c1 s + 1.
    const double c4 = 1.0 / (h1s * h2s);
    const double c3 = 1.0 / (h1s * h2 * q2) + 1.0 / (h2s * h1 * q1);
    const double c2 = 1.0 / h1s + 1.0 / (h1 * q1 * h2 * q2) + 1.0 / h2s;
    const double c1 = 1.0 / (h1 * q1) + 1.0 / (h2 * q2);
    TransferCoefficients& c = state.coef;
    // D = (s^2 + s/Q + 1) T1 T2 + s^2 ((a1/h1^2) T2 + (a2/h2^2) T1).
    c.A01 = c4;
    c.A02 = 1.0 / (h1s * h2 * q2) + 1.0 / (h2s * h1 * q1) + 1.0 / (Q * h1s * h2s);
    c.A03 = c2 + c4 * (1.0 + a1 + a2);
    c.A03 = (1.0 / Q) * c3 + c.A03;
    c.A04 = c1 + (1.0 / Q) * c2;
    c.A04 = (1.0 / (h1s * h2 * q2)) * (1.0 + a1) + (1.0 / (h2s * h1 * q1)) * (1.0 + a2) + c.A04;
    c.A05 = 1.0 + (1.0 / Q) * c1 + 1.0 / (h1 * q1 * h2 * q2);
    c.A05 = (1.0 / h1s) * (1.0 + a1) + (1.0 / h2s) * (1.0 + a2) + c.A05;
    c.A06 = 1.0 / Q + 1.0 / (h1 * q1) + 1.0 / (h2 * q2);
    c.B11 = 1.0 / h2s;
    c.B21 = 1.0 / (h2 * q2);
    c.B12 = 1.0 / h1s;
    c.B22 = 1.0 / (h1 * q1);
    c.B13 = 1.0 / h2s - 1.0 / h1s;
    c.B23 = 1.0 / (h2 * q2) - 1.0 / (h1 * q1);
    c.B14 = c4;
    c.B24 = c3;
    c.B34 = c2;
    c.B44 = c1;
    c.B15 = (1.0 / Q) * c4;
    c.B25 = (1.0 / Q) * c3;
    c.B35 = (1.0 / Q) * c2;
    c.B45 = (1.0 / Q) * c1;
    c.B55 = 1.0 / Q;
}

// 0 dB of the relative view at the higher tuning; with equal tunings the
// system numerator loses its s^4 term and the level is taken from vent 1.
void tvNormalise() {
    const TransferCoefficients& c = state.coef;
    const BoxParameters& box = state.box;
    const double FS = state.speaker.FS;
    double f = setReferencePoint((box.FB1 > box.FB2 ? box.FB1 : box.FB2) / FS);
    double NU = polyAtJf({c.B13, c.B23, 0.0, 0.0, 0.0}, f).squared();
    if (box.FB1 == box.FB2) {
        f = setReferencePoint(box.FB1 / FS);
        NU = polyAtJf({c.B11, c.B21, 1.0, 0.0, 0.0}, f).squared();
    }
    normaliseLevel(NU, polyAtJf({c.A01, c.A02, c.A03, c.A04, c.A05, c.A06, 1.0}, f).squared());
}

}  // namespace

void TVopt() { tvTable(1.6, 0.7, optimumAL1(), optimumAL2()); }

void TVhiSift() { tvTable(2.0, 0.7, optimumAL1() * 2.0, optimumAL2() * 2.0); }

// The lower tuning is one unit in the last place below 0.54.
void TVloSift() { tvTable(1.4, 0.5399999999999999, optimumAL1(), optimumAL2()); }

void TVCustom() { tvRatios(); }

void TVcofCal() {
    switch (state.selection.Alin) {
        case 1: TVopt(); break;
        case 2: TVhiSift(); break;
        case 3: TVloSift(); break;
        case 4: TVCustom(); break;
        default: break;  // the ratios as they stand
    }
    buildBandPassCoefficients(tvFill, tvNormalise);
}

}  // namespace quendal
