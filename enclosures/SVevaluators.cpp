// Serial Vented evaluators: one point of every response at the normalised
// frequency f, and the step-response polynomials.
#include <cmath>
#include <complex>

#include "enclosures/SVcal.h"
#include "engine/BandPassForms.h"
#include "engine/PhaseUnwrap.h"
#include "engine/PointForms.h"
#include "model/State.h"

namespace quendal {

namespace {

constexpr double kPi = 3.14159265358979;
// The folds the phase and Nyquist sweeps follow: a fall of more than the
// first limit, a rise of more than the second (degrees, rad).
constexpr float kPhaseFallDeg = 160.0f;
constexpr float kPhaseRiseDeg = 100.0f;
constexpr double kNyquistFallRad = 2.7925;
constexpr double kNyquistRiseRad = 2.5;

// The common denominator at s = j*f, its real part taken with the opposite
// sign (only squares and ratios of the two parts are used).
struct Denominator {
    double DR, DI, DE;
};

Denominator denominatorAt(double F) {
    const TransferCoefficients& c = state.coef;
    const double F2 = F * F, F3 = F2 * F, F4 = F2 * F2, F5 = F4 * F, F6 = F4 * F2;
    Denominator d;
    d.DR = c.A01 * F6 - c.A03 * F4 + c.A05 * F2 - 1.0;
    d.DI = c.A02 * F5 - c.A04 * F3 + c.A06 * F;
    d.DE = d.DR * d.DR + d.DI * d.DI;
    return d;
}

// Squared magnitude of the cone numerator B11 s^4 + B12 s^3 + B13 s^2 + B14 s + 1.
double coneSquared(double F) {
    const TransferCoefficients& c = state.coef;
    const double F2 = F * F, F3 = F2 * F, F4 = F2 * F2;
    const double XR = c.B11 * F4 - c.B13 * F2 + 1.0;
    const double XI = c.B12 * F3 - c.B14 * F;
    return XR * XR + XI * XI;
}

double frequency() { return static_cast<double>(state.point.f); }

// Raw phase of the total output over the denominator, folded into 0..pi
// before the unwrap; leaves NU1, DE1, NU2, DE2.
ResponseAngle totalPhase(double F) {
    const TransferCoefficients& c = state.coef;
    PlotPoint& p = state.point;
    const double F2 = F * F, F4 = F2 * F2, F5 = F4 * F, F6 = F4 * F2;
    const Denominator d = denominatorAt(F);
    p.NU1 = c.B02 * F5;
    p.DE1 = c.B01 * F6 - c.B03 * F4;
    p.NU2 = d.DI;
    p.DE2 = d.DR;
    return {-(std::atan(p.NU1 / p.DE1) - std::atan(p.NU2 / p.DE2)), -fullQuadrantAngle(p.DE1, p.NU1, p.DE2, p.NU2)};
}

}  // namespace

int32_t SVFRcal() {
    const TransferCoefficients& c = state.coef;
    const double F = frequency();
    const double F2 = F * F, F4 = F2 * F2, F5 = F4 * F, F6 = F4 * F2;
    const double re = c.B01 * F6 - c.B03 * F4;
    const double im = c.B02 * F5;
    levelForm(re * re + im * im, denominatorAt(F).DE);
    return 0;
}

int32_t SVdirctFRcal() {
    const TransferCoefficients& c = state.coef;
    const double F = frequency();
    const double F2 = F * F, F3 = F2 * F, F4 = F2 * F2, F5 = F4 * F, F6 = F4 * F2;
    const double re = c.B11 * F6 - c.B13 * F4 + F2;
    const double im = c.B12 * F5 - c.B14 * F3;
    levelForm(re * re + im * im, denominatorAt(F).DE);
    return 0;
}

int32_t SVvent2FRcal() {
    const double F = frequency();
    const double F2 = F * F;
    levelForm(F2 * F2, denominatorAt(F).DE);
    return 0;
}

int32_t SVPWcal() {
    const double F = frequency();
    powerRatingForm(coneSquared(F), denominatorAt(F).DE);
    return 0;
}

int32_t SVIMPcal() {
    const double F = frequency();
    const TransferCoefficients& c = state.coef;
    // B15 s (B11 s^4 + B12 s^3 + B13 s^2 + B14 s + 1) at s = jF over D, whose
    // real part denominatorAt keeps with the opposite sign.
    const std::complex<double> s(0.0, F);
    const std::complex<double> cone = (((c.B11 * s + c.B12) * s + c.B13) * s + c.B14) * s + 1.0;
    const Denominator d = denominatorAt(F);
    motionalImpedanceForm(c.B15 * s * cone, {-d.DR, d.DI});
    return 0;
}

int32_t SVDPcal() {
    const double F = frequency();
    coneDisplacementForm(coneSquared(F), denominatorAt(F).DE);
    return 0;
}

int32_t SVDPoptcal() {
    const double F = frequency();
    scaledMagnitudeForm(coneSquared(F), denominatorAt(F).DE, state.rscales.XD);
    return 0;
}

int32_t SVPHcal() {
    state.point.yy =
        static_cast<float>(followPhaseDegrees(rawInDegrees(totalPhase(frequency()), kPi), kPhaseFallDeg, kPhaseRiseDeg));
    return 0;
}

int32_t SVGDcal() {
    const TransferCoefficients& c = state.coef;
    PlotPoint& p = state.point;
    const double F = frequency();
    const double F2 = F * F, F3 = F2 * F, F4 = F2 * F2, F5 = F4 * F, F6 = F4 * F2, F8 = F4 * F4;
    const double R = c.B01 * F6 - c.B03 * F4;
    const double I = c.B02 * F5;
    p.NU1 = 5.0 * c.B02 * F8 * (c.B01 * F2 - c.B03) - 2.0 * c.B02 * F8 * (3.0 * c.B01 * F2 - 2.0 * c.B03);
    p.DE1 = R * R + I * I;
    const Denominator d = denominatorAt(F);
    p.NU21 = (5.0 * c.A02 * F4 - 3.0 * c.A04 * F2 + c.A06) * d.DR;
    p.NU22 = d.DI * (6.0 * c.A01 * F5 - 4.0 * c.A03 * F3 + 2.0 * c.A05 * F);
    p.DE2 = d.DE;
    p.yy = static_cast<float>((p.NU1 / p.DE1 - (p.NU21 - p.NU22) / p.DE2) / (state.phys.PI2 * state.speaker.FS) * 1000.0);
    return 0;
}

int32_t SVNQcal() {
    PlotPoint& p = state.point;
    const double F = frequency();
    SVFRcal();
    p.gg = std::sqrt(p.NU / p.DE);
    plotNyquistPoint(totalPhase(F), kPi, kNyquistFallRad, kNyquistRiseRad);
    return 0;
}

int32_t SVvent1AScal() {
    const TransferCoefficients& c = state.coef;
    const double F = frequency();
    const double re = 1.0 - c.B04 * F * F;
    const double im = c.B05 * F;
    airSpeedForm(re * re + im * im, denominatorAt(F).DE, state.rscales.VEL1);
    return 0;
}

int32_t SVvent2AScal() {
    airSpeedForm(1.0, denominatorAt(frequency()).DE, state.rscales.VEL2);
    return 0;
}

// The total output over s*D(s): the transform of the step response.
int32_t SVStepSubstitution() {
    const TransferCoefficients& c = state.coef;
    setStepPolynomials({c.B01, c.B02, c.B03, 0.0, 0.0, 0.0, 0.0},
                       {c.A01, c.A02, c.A03, c.A04, c.A05, c.A06, 1.0, 0.0});
    return 0;
}

}  // namespace quendal
