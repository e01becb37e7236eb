// Complex Closed evaluators: one point of every response at the normalised
// frequency f, per speaker and for the pair, and the step-response polynomials.
#include <cmath>
#include <complex>

#include "enclosures/CCcal.h"
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

struct Denominator {
    double DR, DI, DE;
};

// D(j f) = f^4 - A02 f^2 + A04 + j (A03 f - A01 f^3).
Denominator denominatorAt(double F) {
    const TransferCoefficients& c = state.coef;
    const double F2 = F * F;
    Denominator d;
    d.DR = F2 * F2 - c.A02 * F2 + c.A04;
    d.DI = c.A03 * F - c.A01 * F2 * F;
    d.DE = d.DR * d.DR + d.DI * d.DI;
    return d;
}

double frequency() { return static_cast<double>(state.point.f); }

// |s^2 + b1 s + b0|^2 at s = j f: a cone numerator.
double coneSquared(double F, double b1, double b0) {
    const double re = b0 - F * F;
    const double im = b1 * F;
    return re * re + im * im;
}

// D01 s (s^2 + b1 s + b0) at s = j f: a motional-impedance numerator.
std::complex<double> motional(double F, double b1, double b0) {
    const std::complex<double> s(0.0, F);
    return state.coef.D01 * s * ((s + b1) * s + b0);
}

std::complex<double> denominatorValue(double F) {
    const Denominator d = denominatorAt(F);
    return {d.DR, d.DI};
}

void power(double nu) { powerRatingForm(nu, denominatorAt(frequency()).DE); }

// Displacement of a cone, relative to speaker 2's low-frequency excursion in
// dB (Magni 0) or in mm (Magni 1).
void displacement(double nu) {
    PlotPoint& p = state.point;
    const TransferCoefficients& c = state.coef;
    p.NU = nu;
    p.DE = denominatorAt(frequency()).DE;
    if (state.view.Magni == 0) {
        p.K1 = (c.A04 / c.B12) * (c.A04 / c.B12);
        p.yy = static_cast<float>(-10.0 * std::log10(p.K1 * p.NU / p.DE));
    } else if (state.view.Magni == 1) {
        p.yy = static_cast<float>(state.rscales.XD * std::sqrt(p.NU / p.DE));
    }
}

void displacementMillimetres(double nu) { scaledMagnitudeForm(nu, denominatorAt(frequency()).DE, state.rscales.XD); }

// Raw phase of the total output over D, radians: leaves PH1 and PH2.
ResponseAngle totalPhase(double F) {
    const TransferCoefficients& c = state.coef;
    PlotPoint& p = state.point;
    const Denominator d = denominatorAt(F);
    p.PH1 = c.B11 * F / (c.B12 - F * F);
    p.PH2 = d.DI / d.DR;
    return {std::atan(p.PH1) - std::atan(p.PH2), fullQuadrantAngle(c.B12 - F * F, c.B11 * F, d.DR, d.DI)};
}

}  // namespace

int32_t CCFRcal() {
    const TransferCoefficients& c = state.coef;
    const double F = frequency();
    const double F2 = F * F;
    const double re = F2 * F2 - c.B12 * F2;
    const double im = c.B11 * F2 * F;
    levelForm(re * re + im * im, denominatorAt(F).DE);
    return 0;
}

int32_t CCPWSP1cal() {
    power(coneSquared(frequency(), state.coef.C11, state.coef.C12));
    return 0;
}

int32_t CCPWSP2cal() {
    power(coneSquared(frequency(), state.coef.B11, state.coef.B12));
    return 0;
}

// The pair in parallel: one voltage across both coils. Each speaker's cone
// moves by its own current (s^2 + C21 s + C22 for speaker 1, s^2 + B21 s +
// B22 for speaker 2) and by the other's through chamber 2 (what the cone
// numerators of both driven, C1x and B1x, hold beyond that).
int32_t CCIMPparacal() {
    const TransferCoefficients& c = state.coef;
    const double F = frequency();
    const std::complex<double> s(0.0, F);
    const Denominator den = denominatorAt(F);
    const std::complex<double> scale = c.D01 * s / std::complex<double>(den.DR, den.DI);
    const std::complex<double> z11 = scale * (s * s + c.C21 * s + c.C22);
    const std::complex<double> z12 = scale * ((c.C11 - c.C21) * s + (c.C12 - c.C22));
    const std::complex<double> z21 = scale * ((c.B11 - c.B21) * s + (c.B12 - c.B22));
    const std::complex<double> z22 = scale * (s * s + c.B21 * s + c.B22);
    const std::complex<double> z =
        parallelPairMotional(z11, z12, z21, z22, voiceCoilOverRES());
    motionalImpedanceForm(z, 1.0, 0.5);
    return 0;
}

int32_t CCIMPserical() {
    const TransferCoefficients& c = state.coef;
    const double F = frequency();
    // s (E11 s^2 + E12 s + E13): both coils' motional impedance in series
    const std::complex<double> s(0.0, F);
    motionalImpedanceForm(s * ((c.E11 * s + c.E12) * s + c.E13), denominatorValue(F), 2.0);
    return 0;
}

int32_t CCIMPSP1cal() {
    const double F = frequency();
    motionalImpedanceForm(motional(F, state.coef.C21, state.coef.C22), denominatorValue(F));
    return 0;
}

int32_t CCIMPSP2cal() {
    const double F = frequency();
    motionalImpedanceForm(motional(F, state.coef.B21, state.coef.B22), denominatorValue(F));
    return 0;
}

int32_t CCDPSP1cal() {
    displacement(coneSquared(frequency(), state.coef.C11, state.coef.C12));
    return 0;
}

int32_t CCDPSP2cal() {
    displacement(coneSquared(frequency(), state.coef.B11, state.coef.B12));
    return 0;
}

int32_t CCDPSP1optcal() {
    displacementMillimetres(coneSquared(frequency(), state.coef.C11, state.coef.C12));
    return 0;
}

int32_t CCDPSP2optcal() {
    displacementMillimetres(coneSquared(frequency(), state.coef.B11, state.coef.B12));
    return 0;
}

int32_t CCPHcal() {
    float yy =
        static_cast<float>(followPhaseDegrees(rawInDegrees(totalPhase(frequency()), kPi), kPhaseFoldDeg, kPhaseFoldDeg));
    // The followed phase is kept above 0 as well.
    if (yy < 0.0f) yy = yy + 180.0f;
    state.point.yy = yy;
    return 0;
}

int32_t CCGDcal() {
    const TransferCoefficients& c = state.coef;
    PlotPoint& p = state.point;
    const double F = frequency();
    const double F2 = F * F;
    p.NU1 = c.B11 * (c.B12 - F2) + 2.0 * c.B11 * F2;
    p.DE1 = (c.B11 * F) * (c.B11 * F) + (c.B12 - F2) * (c.B12 - F2);
    const Denominator d = denominatorAt(F);
    p.NU2 = (c.A03 - 3.0 * c.A01 * F2) * d.DR - d.DI * (4.0 * F2 * F - 2.0 * c.A02 * F);
    p.DE2 = d.DE;
    p.yy = static_cast<float>(-(p.NU1 / p.DE1 - p.NU2 / p.DE2) / (state.speaker.FS * state.phys.PI2) * 1000.0);
    return 0;
}

int32_t CCNQcal() {
    PlotPoint& p = state.point;
    CCFRcal();
    p.gg = std::sqrt(p.NU / p.DE);
    plotNyquistPoint(totalPhase(frequency()), kPi, kNyquistFoldRad, kNyquistFoldRad);
    return 0;
}

// The total output over s*D(s): the transform of the step response.
int32_t CCStepSubstitution() {
    const TransferCoefficients& c = state.coef;
    setStepPolynomials({1.0, c.B11, c.B12, 0.0, 0.0}, {1.0, c.A01, c.A02, c.A03, c.A04, 0.0});
    return 0;
}

}  // namespace quendal
