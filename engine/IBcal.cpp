#include "engine/IBcal.h"

#include <cmath>
#include <numbers>

#include "model/State.h"

namespace quendal {

namespace {

constexpr double kPi = std::numbers::pi;

// |D(jF)|^2 = (1 - F^2)^2 + (a F)^2.
double denominator(double F, double a) { return (1.0 - F * F) * (1.0 - F * F) + (a * F) * (a * F); }

double pointF() { return state.point.f; }

}  // namespace

int32_t IBcofCal() {
    SpeakerParameters& sp = state.speaker;
    const bool impedance = state.view.s_Resp == "imp";
    if (impedance) {
        sp.QTSbak = sp.QTS;
        sp.QTS = sp.QMS;
    }
    state.coef.A01inf = 1.0 / sp.QTS;
    if (impedance) sp.QTS = sp.QTSbak;
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
    PlotPoint& p = state.point;
    p.ZVC = std::sqrt((a * F) * (a * F) / denominator(F, a));
    p.yyLinea = static_cast<float>(state.speaker.RE + state.rscales.RES * p.ZVC + state.rscales.ZL * p.ff);
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
    PlotPoint& p = state.point;
    p.yy = static_cast<float>(-std::atan(a * F / (1.0 - F * F)) * 180.0 / kPi);
    if (p.yy < 0.0f) p.yy = p.yy + 180.0f;
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
    p.fai = -std::atan(a * F / (1.0 - F * F));
    if (p.fai < 0.0) p.fai = p.fai + kPi;
    if (p.fai2 - p.fai > 2.7925) p.ss = p.ss + kPi;
    p.fai2 = p.fai;
    p.fai = p.fai + p.ss;
    p.xx = static_cast<float>(p.gg * std::cos(p.fai));
    p.yy = static_cast<float>(p.gg * std::sin(p.fai));
    return 0;
}

int32_t IBStepSubstitution() {
    StepPolynomials& st = state.step;
    st.NUO = 2;
    st.NUT[1] = 1.0;
    st.NUT[2] = 0.0;
    st.NUT[3] = 0.0;
    st.DEO = 3;
    st.DET[1] = 1.0;
    st.DET[2] = state.coef.A01inf;
    st.DET[3] = 1.0;
    st.DET[4] = 0.0;
    return 0;
}

}  // namespace quendal
