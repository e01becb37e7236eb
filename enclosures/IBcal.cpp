#include "enclosures/IBcal.h"

#include <cmath>
#include <numbers>

#include "engine/BandPassForms.h"
#include "engine/ImpedancePageQ.h"
#include "engine/PhaseUnwrap.h"
#include "engine/PointForms.h"
#include "model/State.h"

namespace quendal {

namespace {

constexpr double kPi = std::numbers::pi;
// The Nyquist angle follows a fold only where it falls by more than this (rad).
constexpr double kNyquistFallRad = 2.7925;

// |D(jF)|^2 = (1 - F^2)^2 + (a F)^2.
double denominator(double F, double a) { return (1.0 - F * F) * (1.0 - F * F) + (a * F) * (a * F); }

double pointF() { return state.point.f; }

}  // namespace

int32_t IBcofCal() {
    fillWithImpedancePageQ([] { state.coef.A01inf = 1.0 / state.speaker.QTS; });
    state.coef.siftUpDwn = 0.0;
    return 0;
}

int32_t IBFRcal() {
    const double F = pointF();
    const double DE = denominator(F, state.coef.A01inf);
    state.point.yy = static_cast<float>(-10.0 * std::log10(F * F * F * F / DE));
    return 0;
}

int32_t IBPWcal() {
    const double F = pointF();
    const float r = static_cast<float>(1.0 / denominator(F, state.coef.A01inf));
    const double P1 = state.rscales.P1;
    state.point.yy = static_cast<float>(std::log10(P1 / r));
    state.point.yyLinea = static_cast<float>(P1 / r);
    return 0;
}

int32_t IBIMPcal() {
    const double F = pointF();
    const double a = state.coef.A01inf;
    // a s / (s^2 + a s + 1) at s = jF
    motionalImpedanceForm({0.0, a * F}, {1.0 - F * F, a * F});
    return 0;
}

int32_t IBDPcal() {
    const double F = pointF();
    const double DE = denominator(F, state.coef.A01inf);
    if (state.view.Magni == 0) state.point.yy = static_cast<float>(-10.0 * std::log10(1.0 / DE));
    else if (state.view.Magni == 1) state.point.yy = static_cast<float>(state.rscales.XD * std::sqrt(1.0 / DE));
    return 0;
}

int32_t IBDPoptcal() {
    const double F = pointF();
    state.point.yy = static_cast<float>(state.rscales.XD * std::sqrt(1.0 / denominator(F, state.coef.A01inf)));
    return 0;
}

int32_t IBPHcal() {
    const double F = pointF();
    const double a = state.coef.A01inf;
    state.point.yy = foldedPhaseDegrees(-std::atan(a * F / (1.0 - F * F)) * 180.0 / kPi);
    return 0;
}

int32_t IBGDcal() {
    const double F = pointF();
    const double a = state.coef.A01inf;
    const double N = a * (1.0 - F * F) - (a * F) * (-2.0 * F);
    state.point.yy = static_cast<float>(
        ((N / ((a * F) * (a * F) + (1.0 - F * F) * (1.0 - F * F))) / (state.speaker.FS * state.phys.PI2)) * 1000.0);
    return 0;
}

int32_t IBNQcal() {
    const double F = pointF();
    const double a = state.coef.A01inf;
    PlotPoint& p = state.point;
    p.gg = std::sqrt(F * F * F * F / denominator(F, a));
    plotNyquistPoint({-std::atan(a * F / (1.0 - F * F)), fullQuadrantAngle(1.0, 0.0, 1.0 - F * F, a * F)}, kPi, kNyquistFallRad, kFoldNeverFollowed);
    return 0;
}

int32_t IBStepSubstitution() {
    setStepPolynomials({1.0, 0.0, 0.0}, {1.0, state.coef.A01inf, 1.0, 0.0});
    return 0;
}

}  // namespace quendal
