// The Closed Box unit's evaluators and step substitution.
#include <cmath>
#include <numbers>

#include "enclosures/CBcal.h"
#include "engine/BandPassForms.h"
#include "engine/PhaseUnwrap.h"
#include "engine/PointForms.h"
#include "model/State.h"

namespace quendal {

namespace {

constexpr double kPi = std::numbers::pi;
// The Nyquist angle follows a fold only where it falls by more than this (rad).
constexpr double kNyquistFallRad = 2.7925;

// |D(jF)|^2 = (A02 - F^2)^2 + (A01 F)^2.
double denominator(double F) {
    const TransferCoefficients& c = state.coef;
    return (c.A02 - F * F) * (c.A02 - F * F) + (c.A01 * F) * (c.A01 * F);
}

}  // namespace

int32_t CBFRcal() {
    const double F = state.point.f;
    state.point.yy = static_cast<float>(-10.0 * std::log10(F * F * F * F / denominator(F)));
    return 0;
}

// The power rating and the excursion in millimetres are taken relative to
// the driver's free-air low-frequency excursion (the scales P1 and XD):
// the air spring of the box stiffens the cone by A02 = 1 + Vas/Vab, so its
// excursion is 1 / D, A02 times below the free-air one at low frequency.
int32_t CBPWcal() {
    const double F = state.point.f;
    const float r = static_cast<float>(1.0 / denominator(F));
    const double P1 = state.rscales.P1;
    state.point.yy = static_cast<float>(std::log10(P1 / r));
    state.point.yyLinea = static_cast<float>(P1 / r);
    return 0;
}

int32_t CBIMPcal() {
    const double F = state.point.f;
    const TransferCoefficients& c = state.coef;
    // B01 s / (s^2 + A01 s + A02) at s = jF
    motionalImpedanceForm({0.0, c.B01 * F}, {c.A02 - F * F, c.A01 * F});
    return 0;
}

int32_t CBDPcal() {
    const double F = state.point.f;
    const double DE = denominator(F);
    const double a02 = state.coef.A02;
    // The relative display is normalised to the box's own low-frequency excursion.
    if (state.view.Magni == 0) state.point.yy = static_cast<float>(-10.0 * std::log10(a02 * a02 / DE));
    else if (state.view.Magni == 1) state.point.yy = static_cast<float>(state.rscales.XD * std::sqrt(1.0 / DE));
    return 0;
}

int32_t CBDPoptcal() {
    const double F = state.point.f;
    state.point.yy = static_cast<float>(state.rscales.XD * std::sqrt(1.0 / denominator(F)));
    return 0;
}

int32_t CBPHcal() {
    const double F = state.point.f;
    const TransferCoefficients& c = state.coef;
    state.point.yy = foldedPhaseDegrees(-std::atan(c.A01 * F / (c.A02 - F * F)) * 180.0 / kPi);
    return 0;
}

int32_t CBGDcal() {
    const double F = state.point.f;
    const TransferCoefficients& c = state.coef;
    const double N = c.A01 * (c.A02 - F * F) - (c.A01 * F) * (-2.0 * F);
    state.point.yy = static_cast<float>(
        ((N / ((c.A01 * F) * (c.A01 * F) + (c.A02 - F * F) * (c.A02 - F * F))) / (state.speaker.FS * state.phys.PI2)) *
        1000.0);
    return 0;
}

int32_t CBNQcal() {
    const double F = state.point.f;
    const TransferCoefficients& c = state.coef;
    PlotPoint& p = state.point;
    p.gg = std::sqrt(F * F * F * F / denominator(F));
    plotNyquistPoint({-std::atan(c.A01 * F / (c.A02 - F * F)), fullQuadrantAngle(1.0, 0.0, c.A02 - F * F, c.A01 * F)}, kPi, kNyquistFallRad, kFoldNeverFollowed);
    return 0;
}

int32_t CBStepSubstitution() {
    setStepPolynomials({1.0, 0.0, 0.0}, {1.0, state.coef.A01, state.coef.A02, 0.0});
    return 0;
}

}  // namespace quendal
