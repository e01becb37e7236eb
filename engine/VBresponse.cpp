// The Vented Box unit's evaluators and step substitution.
#include <cmath>
#include <numbers>

#include "engine/VBcal.h"
#include "model/State.h"

namespace quendal {

namespace {

constexpr double kPi = std::numbers::pi;

double realD(double F) {
    const TransferCoefficients& c = state.coef;
    return c.A01 * F * F * F * F - c.A03 * F * F + 1.0;
}

double imagD(double F) {
    const TransferCoefficients& c = state.coef;
    return c.A04 * F - c.A02 * F * F * F;
}

// Sets NU and DE (|D|^2) and returns NU / DE.
double ratio(double nu, double F) {
    PlotPoint& p = state.point;
    p.NU = nu;
    p.DE = realD(F) * realD(F) + imagD(F) * imagD(F);
    return p.NU / p.DE;
}

// |B01 s^2 + B02 s + 1|^2 at s = jF: the cone's numerator.
double coneNumerator(double F) {
    const TransferCoefficients& c = state.coef;
    return (1.0 - c.B01 * F * F) * (1.0 - c.B01 * F * F) + (c.B02 * F) * (c.B02 * F);
}

void levelBelowReference(double nu, double F) { state.point.yy = static_cast<float>(-10.0 * std::log10(ratio(nu, F))); }

}  // namespace

int32_t VBFRcal() {
    const double F = state.point.f;
    const double b = state.coef.B01 * F * F * F * F;
    levelBelowReference(b * b, F);
    return 0;
}

int32_t VBdirctFRcal() {
    const double F = state.point.f;
    const TransferCoefficients& c = state.coef;
    const double re = c.B01 * F * F * F * F - F * F;
    const double im = c.B02 * F * F * F;
    levelBelowReference(re * re + im * im, F);
    return 0;
}

int32_t VBventFRcal() {
    const double F = state.point.f;
    levelBelowReference((F * F) * (F * F), F);
    return 0;
}

int32_t VBPWcal() {
    const double F = state.point.f;
    const float r = static_cast<float>(ratio(coneNumerator(F), F));
    const double P1 = state.rscales.P1;
    state.point.yy = static_cast<float>(std::log10(P1 / r));
    state.point.yyLinea = static_cast<float>(P1 / r);
    return 0;
}

int32_t VBIMPcal() {
    const double F = state.point.f;
    const TransferCoefficients& c = state.coef;
    PlotPoint& p = state.point;
    const double re = c.B02 * F * F;
    const double im = F - c.B01 * F * F * F;
    p.ZVC = std::sqrt(ratio(c.B03 * c.B03 * (re * re + im * im), F));
    p.yyLinea = static_cast<float>(state.speaker.RE + state.rscales.RES * p.ZVC + state.rscales.ZL * p.ff);
    return 0;
}

int32_t VBDPcal() {
    const double F = state.point.f;
    const double q = ratio(coneNumerator(F), F);
    if (state.view.Magni == 0) state.point.yy = static_cast<float>(-10.0 * std::log10(q));
    else if (state.view.Magni == 1) state.point.yy = static_cast<float>(state.rscales.XD * std::sqrt(q));
    return 0;
}

int32_t VBDPoptcal() {
    const double F = state.point.f;
    state.point.yy = static_cast<float>(state.rscales.XD * std::sqrt(ratio(coneNumerator(F), F)));
    return 0;
}

int32_t VBPHcal() {
    const double F = state.point.f;
    PlotPoint& p = state.point;
    p.yy = static_cast<float>(-std::atan(imagD(F) / realD(F)) * 180.0 / kPi);
    if (p.yy < 0.0f) p.yy = p.yy + 180.0f;
    const float d = p.yy2 - p.yy;
    if (d > 160.0f) p.ss = p.ss + 180.0;
    if (d < -160.0f) p.ss = p.ss - 180.0;
    p.yy2 = p.yy;
    p.yy = static_cast<float>(p.yy + p.ss);
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
    p.gg = std::sqrt(ratio(b * b, F));
    p.fai = -std::atan(imagD(F) / realD(F));
    if (p.fai < 0.0) p.fai = p.fai + kPi;
    if (p.fai2 - p.fai > 2.7925) p.ss = p.ss + kPi;
    if (p.fai2 - p.fai < -2.7925) p.ss = p.ss - kPi;
    p.fai2 = p.fai;
    p.fai = p.fai + p.ss;
    p.xx = static_cast<float>(p.gg * std::cos(p.fai));
    p.yy = static_cast<float>(p.gg * std::sin(p.fai));
    return 0;
}

int32_t VBAScal() {
    const double F = state.point.f;
    state.point.yy = static_cast<float>(state.rscales.VEL * std::sqrt(ratio(1.0, F)));
    return 0;
}

int32_t VBStepSubstitution() {
    StepPolynomials& st = state.step;
    const TransferCoefficients& c = state.coef;
    st.NUO = 4;
    st.NUT[1] = c.B01;
    for (int i = 2; i <= 5; ++i) st.NUT[i] = 0.0;
    st.DEO = 5;
    st.DET[1] = c.A01;
    st.DET[2] = c.A02;
    st.DET[3] = c.A03;
    st.DET[4] = c.A04;
    st.DET[5] = 1.0;
    st.DET[6] = 0.0;
    return 0;
}

}  // namespace quendal
