// The Vented Box unit's evaluators and step substitution.
#include <cmath>
#include <complex>
#include <numbers>

#include "enclosures/VBcal.h"
#include "engine/BandPassForms.h"
#include "engine/PhaseUnwrap.h"
#include "engine/PointForms.h"
#include "model/State.h"

namespace quendal {

namespace {

constexpr double kPi = std::numbers::pi;
// Folds the phase and Nyquist sweeps follow, either way (degrees, rad).
constexpr float kPhaseFoldDeg = 160.0f;
constexpr double kNyquistFoldRad = 2.7925;

double realD(double F) {
    const TransferCoefficients& c = state.coef;
    return c.A01 * F * F * F * F - c.A03 * F * F + 1.0;
}

double imagD(double F) {
    const TransferCoefficients& c = state.coef;
    return c.A04 * F - c.A02 * F * F * F;
}

// |D|^2 at s = jF.
double denominatorSquared(double F) { return realD(F) * realD(F) + imagD(F) * imagD(F); }

// |B01 s^2 + B02 s + 1|^2 at s = jF: the cone's numerator.
double coneNumerator(double F) {
    const TransferCoefficients& c = state.coef;
    return (1.0 - c.B01 * F * F) * (1.0 - c.B01 * F * F) + (c.B02 * F) * (c.B02 * F);
}

}  // namespace

int32_t VBFRcal() {
    const double F = state.point.f;
    const double b = state.coef.B01 * F * F * F * F;
    levelForm(b * b, denominatorSquared(F));
    return 0;
}

int32_t VBdirctFRcal() {
    const double F = state.point.f;
    const TransferCoefficients& c = state.coef;
    const double re = c.B01 * F * F * F * F - F * F;
    const double im = c.B02 * F * F * F;
    levelForm(re * re + im * im, denominatorSquared(F));
    return 0;
}

int32_t VBventFRcal() {
    const double F = state.point.f;
    levelForm((F * F) * (F * F), denominatorSquared(F));
    return 0;
}

int32_t VBPWcal() {
    const double F = state.point.f;
    powerForm(coneNumerator(F), denominatorSquared(F));
    return 0;
}

int32_t VBIMPcal() {
    const double F = state.point.f;
    const TransferCoefficients& c = state.coef;
    // B03 s (B01 s^2 + B02 s + 1) at s = jF
    const std::complex<double> s(0.0, F);
    motionalImpedanceForm(c.B03 * s * ((c.B01 * s + c.B02) * s + 1.0), {realD(F), imagD(F)});
    return 0;
}

int32_t VBDPcal() {
    const double F = state.point.f;
    coneDisplacementForm(coneNumerator(F), denominatorSquared(F));
    return 0;
}

int32_t VBDPoptcal() {
    const double F = state.point.f;
    scaledMagnitudeForm(coneNumerator(F), denominatorSquared(F), state.rscales.XD);
    return 0;
}

int32_t VBPHcal() {
    const double F = state.point.f;
    state.point.yy = static_cast<float>(
        followPhaseDegrees({-std::atan(imagD(F) / realD(F)) * 180.0 / kPi, fullQuadrantAngle(1.0, 0.0, realD(F), imagD(F))},
                           kPhaseFoldDeg, kPhaseFoldDeg));
    return 0;
}

int32_t VBGDcal() {
    const double F = state.point.f;
    const TransferCoefficients& c = state.coef;
    PlotPoint& p = state.point;
    p.NU1 = (c.A04 - 3.0 * c.A02 * F * F) * (c.A01 * F * F * F * F - c.A03 * F * F + 1.0);
    p.NU2 = (c.A04 * F - c.A02 * F * F * F) * (4.0 * c.A01 * F * F * F - 2.0 * c.A03 * F);
    p.DE = imagD(F) * imagD(F) + realD(F) * realD(F);
    p.yy = static_cast<float>(((p.NU1 - p.NU2) / p.DE) / (state.speaker.FS * state.phys.PI2) * 1000.0);
    return 0;
}

int32_t VBNQcal() {
    const double F = state.point.f;
    PlotPoint& p = state.point;
    const double b = state.coef.B01 * F * F * F * F;
    p.NU = b * b;
    p.DE = denominatorSquared(F);
    p.gg = std::sqrt(p.NU / p.DE);
    plotNyquistPoint({-std::atan(imagD(F) / realD(F)), fullQuadrantAngle(1.0, 0.0, realD(F), imagD(F))}, kPi, kNyquistFoldRad, kNyquistFoldRad);
    return 0;
}

int32_t VBAScal() {
    const double F = state.point.f;
    airSpeedForm(1.0, denominatorSquared(F), state.rscales.VEL);
    return 0;
}

int32_t VBStepSubstitution() {
    const TransferCoefficients& c = state.coef;
    setStepPolynomials({c.B01, 0.0, 0.0, 0.0, 0.0}, {c.A01, c.A02, c.A03, c.A04, 1.0, 0.0});
    return 0;
}

}  // namespace quendal
