// Twin Serial Vented coefficients.
//
// The lumped model: the driver (total Q, compliance AL1 times that of
// chamber 1) drives chamber 1, which leaks with QL1 referred to HH1. Vent 1
// is two branches of equal mass, each of which alone would tune chamber 1 to
// HH1; one leads into chamber 2, the other into chamber 3. Chamber 2 has
// 1/AL12 of chamber 1's compliance, leaks with QL2 referred to HH2 and is
// tuned to HH2 by vent 2, which leads outside; chamber 3 likewise with AL13,
// QL3, HH3 and vent 3.
#include "enclosures/PVcal.h"
#include "enclosures/UnitGuards.h"
#include "model/State.h"

namespace quendal {

namespace {

void runAlignment() {
    switch (state.selection.Alin) {
        case 1: PVtype1(); break;
        case 2: PVtype2(); break;
        case 3: PVCustom(); break;
        default: break;  // the ratios in place are used
    }
}

void markCoefficientsNotComputable() {
    TransferCoefficients& c = state.coef;
    units::markNotComputable({&c.A01, &c.A02, &c.A03, &c.A04, &c.A05, &c.A06, &c.A07, &c.A08, &c.A09,
                              &c.B01, &c.B02, &c.B03, &c.B04, &c.B05, &c.B06, &c.B07,
                              &c.B11, &c.B12, &c.B13, &c.B14, &c.B15, &c.B16, &c.B17,
                              &c.B21, &c.B22, &c.B23, &c.B31, &c.B32, &c.B33,
                              &c.B41, &c.B42, &c.B43, &c.B44, &c.B45,
                              &c.B51, &c.B52, &c.B53, &c.B54, &c.B55,
                              &c.B61, &c.B62, &c.B63, &c.B64, &c.B65, &c.D01});
}

void buildCoefficients() {
    const AlignmentRatios& r = state.ratios;
    const BoxParameters& box = state.box;
    TransferCoefficients& c = state.coef;
    const double h1 = r.HH1, h2 = r.HH2, h3 = r.HH3;
    const double q1 = box.QL1, q2 = box.QL2, q3 = box.QL3;
    const double a1 = r.AL1, a12 = r.AL12, a13 = r.AL13;
    const double Q = state.speaker.QTS;
    const double h1s = h1 * h1, h2s = h2 * h2, h3s = h3 * h3;

    // Scale shared by every A and B coefficient; it cancels in every ratio.
    const double K = 1.0 / (h1s * h1 * h2s * h3s * q1);

    const double g = h1 / q1;                 // loss of chamber 1
    const double r21 = h2 / q2;               // R2(s) = s^2 + r21 s + r20: chamber 2 seen through its branch
    const double r20 = h2s + a12 * h1s;
    const double r31 = h3 / q3;               // R3(s) = s^2 + r31 s + r30
    const double r30 = h3s + a13 * h1s;
    const double m3 = r21 + r31;              // R2 R3 = s^4 + m3 s^3 + m2 s^2 + m1 s + m0
    const double m2 = r20 + r30 + r21 * r31;
    const double m1 = r21 * r30 + r31 * r20;
    const double m0 = r20 * r30;

    // W(s) = (s^2 + g s) R2 R3 + h1^2 (P2 R3 + P3 R2), with P2 = s^2 + r21 s + h2^2, P3 likewise.
    const double w[7] = {
        h1s * (h2s * r30 + h3s * r20),                                       // w0
        g * m0 + h1s * (r21 * r30 + r31 * r20 + h2s * r31 + h3s * r21),      // w1
        m0 + g * m1 + h1s * (r20 + r30 + h2s + h3s + 2.0 * r21 * r31),       // w2
        m1 + g * m2 + 2.0 * h1s * (r21 + r31),                               // w3
        m2 + g * m3 + 2.0 * h1s,                                             // w4
        m3 + g,                                                              // w5
        1.0,                                                                 // w6
    };

    // Driver numerator K s^3 W(s).
    c.B11 = K * w[6];
    c.B12 = K * w[5];
    c.B13 = K * w[4];
    c.B14 = K * w[3];
    c.B15 = K * w[2];
    c.B16 = K * w[1];
    c.B17 = K * w[0];

    // D(s) = (s^2 + s/Q + 1) (driver numerator) / s^2 + AL1 K s^3 R2 R3.
    c.A01 = c.B11;
    c.A02 = c.B12 + c.B11 / Q;
    c.A03 = c.B13 + c.B12 / Q + c.B11 + a1 * K;
    c.A04 = c.B14 + c.B13 / Q + c.B12 + a1 * K * m3;
    c.A05 = c.B15 + c.B14 / Q + c.B13 + a1 * K * m2;
    c.A06 = c.B16 + c.B15 / Q + c.B14 + a1 * K * m1;
    c.A07 = c.B17 + c.B16 / Q + c.B15 + a1 * K * m0;
    c.A08 = c.B17 / Q + c.B16;
    c.A09 = c.B17;

    // Vent 2: K h1^2 h2^2 s^3 R3(s); vent 3: K h1^2 h3^2 s^3 R2(s).
    c.B21 = 1.0 / (h1 * h3s * q1);
    c.B22 = c.B21 * r31;
    c.B23 = c.B21 * r30;
    c.B31 = 1.0 / (h1 * h2s * q1);
    c.B32 = c.B31 * r21;
    c.B33 = c.B31 * r20;

    // Vent-1 branches: K h1^2 s^3 P2 R3 into chamber 2, K h1^2 s^3 P3 R2 into chamber 3.
    c.B41 = K * h1s;
    c.B42 = c.B41 * (r21 + r31);
    c.B43 = c.B41 * (h2s + r30 + r21 * r31);
    c.B44 = c.B41 * (r21 * r30 + r31 * h2s);
    c.B45 = c.B41 * h2s * r30;
    c.B51 = c.B41;
    c.B52 = c.B42;
    c.B53 = c.B41 * (h3s + r20 + r21 * r31);
    c.B54 = c.B41 * (r31 * r20 + r21 * h3s);
    c.B55 = c.B41 * h3s * r20;
    c.B61 = (c.B41 + c.B51) / 2.0;
    c.B62 = (c.B42 + c.B52) / 2.0;
    c.B63 = (c.B43 + c.B53) / 2.0;
    c.B64 = (c.B44 + c.B54) / 2.0;
    c.B65 = (c.B45 + c.B55) / 2.0;

    // Every chamber leaks to the outside, and what leaks radiates as the
    // vents do. Chamber 1's pressure is K s^4 R2 R3 (on the scale of the
    // flows), its leak g times that; chambers 2 and 3 leak s/(h q) times
    // their vent's flow.
    const double leak1 = g * K;
    const double leak2 = 1.0 / (h2 * q2), leak3 = 1.0 / (h3 * q3);

    // Total: the driver minus vents 2 and 3 and the three leaks, matching
    // powers of s. What stays is the flow into the chambers' compliances,
    // which starts with s^5: the s^3 terms cancel exactly (B17 = B23 + B33),
    // and so do the s^4 terms.
    c.B01 = c.B11;
    c.B02 = c.B12 - leak1;
    c.B03 = c.B13 - leak1 * m3;
    c.B04 = c.B14 - leak1 * m2 - leak2 * c.B21 - leak3 * c.B31;
    c.B05 = c.B15 - c.B21 - c.B31 - leak1 * m1 - leak2 * c.B22 - leak3 * c.B32;
    c.B06 = 0.0;
    c.B07 = 0.0;

    c.D01 = 1.0 / Q;
}

}  // namespace

int32_t PVcofCal() {
    const SpeakerParameters& sp = state.speaker;
    const AlignmentRatios& r = state.ratios;
    const BoxParameters& box = state.box;
    state.vents.VentCalcCount = 0;
    runAlignment();

    const auto usable = [&] {
        return units::allUsable({r.HH1, r.HH2, r.HH3, r.AL1, r.AL12, r.AL13, box.QL1, box.QL2, box.QL3, sp.QTS});
    };
    units::buildOrMarkNotComputable(usable, buildCoefficients, markCoefficientsNotComputable);
    return 0;
}

}  // namespace quendal
