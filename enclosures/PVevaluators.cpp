// Twin Serial Vented evaluators: one point of the amplitude, power,
// impedance, displacement, phase, group-delay and Nyquist responses at the
// normalised frequency f. Every polynomial is evaluated at s = j f: its real
// part collects the even powers, its imaginary part the odd powers, with the
// signs of j^n.
#include <cmath>

#include "enclosures/PVcal.h"
#include "enclosures/PVparts.h"
#include "engine/BandPassForms.h"
#include "engine/PhaseUnwrap.h"
#include "engine/PointForms.h"
#include "model/State.h"

namespace quendal {

namespace {

constexpr double kPi = 3.14159265358979;
// Folds the phase and Nyquist sweeps follow, either way (degrees, rad).
constexpr float kPhaseFoldDeg = 160.0f;
constexpr double kNyquistFoldRad = 2.7925;

double frequency() { return static_cast<double>(state.point.f); }

void level(const JfValue& n, double F) { levelForm(n.squared(), pv::denominator(F).squared()); }

// |D|^2 at the point.
double denominatorSquared() { return pv::denominator(frequency()).squared(); }

// Raw phase of the total output over D, radians; leaves N1R .. PH2.
ResponseAngle totalPhase(double F) {
    PlotPoint& p = state.point;
    const JfValue n = pv::total(F);
    const JfValue d = pv::denominator(F);
    p.N1R = n.re;
    p.N1J = n.im;
    p.D1R = d.re;
    p.D1J = d.im;
    p.PH1 = p.N1J / p.N1R;
    p.PH2 = p.D1J / p.D1R;
    return {std::atan(p.PH1) - std::atan(p.PH2), fullQuadrantAngle(n.re, n.im, d.re, d.im)};
}

}  // namespace

int32_t PVFRcal() {
    const double F = frequency();
    level(pv::total(F), F);
    return 0;
}

int32_t PVdirctFRcal() {
    const double F = frequency();
    level(pv::driver(F), F);
    return 0;
}

int32_t PVvent2FRcal() {
    const TransferCoefficients& c = state.coef;
    const double F = frequency();
    const double F2 = F * F, F3 = F2 * F, F4 = F2 * F2, F5 = F4 * F;
    level({c.B22 * F4, c.B21 * F5 - c.B23 * F3}, F);
    return 0;
}

int32_t PVvent3FRcal() {
    const TransferCoefficients& c = state.coef;
    const double F = frequency();
    const double F2 = F * F, F3 = F2 * F, F4 = F2 * F2, F5 = F4 * F;
    level({c.B32 * F4, c.B31 * F5 - c.B33 * F3}, F);
    return 0;
}

int32_t PVPWcal() {
    powerRatingForm(pv::cone(frequency()).squared(), denominatorSquared());
    return 0;
}

int32_t PVIMPcal() {
    const double F = frequency();
    const JfValue n = times({0.0, state.coef.D01 * F}, pv::cone(F));
    const JfValue d = pv::denominator(F);
    motionalImpedanceForm({n.re, n.im}, {d.re, d.im});
    return 0;
}

int32_t PVDPcal() {
    coneDisplacementForm(pv::cone(frequency()).squared(), denominatorSquared());
    return 0;
}

int32_t PVDPoptcal() {
    scaledMagnitudeForm(pv::cone(frequency()).squared(), denominatorSquared(), state.rscales.XD);
    return 0;
}

int32_t PVPHcal() {
    state.point.yy =
        static_cast<float>(followPhaseDegrees(rawInDegrees(totalPhase(frequency()), kPi), kPhaseFoldDeg, kPhaseFoldDeg));
    return 0;
}

int32_t PVGDcal() {
    const TransferCoefficients& c = state.coef;
    const double F = frequency();
    const double F2 = F * F, F3 = F2 * F, F4 = F2 * F2, F5 = F4 * F, F6 = F4 * F2, F7 = F6 * F, F8 = F4 * F4;
    // The slopes by f of the real and imaginary parts.
    const JfValue totalSlope{8.0 * c.B02 * F7 - 6.0 * c.B04 * F5 + 4.0 * c.B06 * F3,
                             9.0 * c.B01 * F8 - 7.0 * c.B03 * F6 + 5.0 * c.B05 * F4 - 3.0 * c.B07 * F2};
    const JfValue denominatorSlope{8.0 * c.A02 * F7 - 6.0 * c.A04 * F5 + 4.0 * c.A06 * F3 - 2.0 * c.A08 * F,
                                   9.0 * c.A01 * F8 - 7.0 * c.A03 * F6 + 5.0 * c.A05 * F4 - 3.0 * c.A07 * F2 + c.A09};
    groupDelayFormWithNumerator(pv::total(F), totalSlope, pv::denominator(F), denominatorSlope);
    return 0;
}

int32_t PVNQcal() {
    PlotPoint& p = state.point;
    const double F = frequency();
    p.NU = pv::total(F).squared();
    p.DE = pv::denominator(F).squared();
    p.gg = std::sqrt(p.NU / p.DE);
    plotNyquistPoint(totalPhase(F), kPi, kNyquistFoldRad, kNyquistFoldRad);
    return 0;
}

}  // namespace quendal
