// Twin Serial Vented evaluators: one point of the amplitude, power,
// impedance, displacement, phase, group-delay and Nyquist responses at the
// normalised frequency f. Every polynomial is evaluated at s = j f: its real
// part collects the even powers, its imaginary part the odd powers, with the
// signs of j^n.
#include <cmath>

#include "enclosures/PVcal.h"
#include "enclosures/PVparts.h"
#include "model/State.h"

namespace quendal {

namespace {

constexpr double kPi = 3.14159265358979;

double frequency() { return static_cast<double>(state.point.f); }

float levelOf(const pv::Parts& n, double F) {
    PlotPoint& p = state.point;
    p.NU = n.squared();
    p.DE = pv::denominator(F).squared();
    return static_cast<float>(-10.0 * std::log10(p.NU / p.DE));
}

// Cone motion: the driver numerator over s^2.
void coneOverDenominator(double F) {
    PlotPoint& p = state.point;
    p.NU = pv::cone(F).squared();
    p.DE = pv::denominator(F).squared();
}

// Raw phase of the total output over D, radians; leaves N1R .. PH2.
double totalPhase(double F) {
    PlotPoint& p = state.point;
    const pv::Parts n = pv::total(F);
    const pv::Parts d = pv::denominator(F);
    p.N1R = n.re;
    p.N1J = n.im;
    p.D1R = d.re;
    p.D1J = d.im;
    p.PH1 = p.N1J / p.N1R;
    p.PH2 = p.D1J / p.D1R;
    return std::atan(p.PH1) - std::atan(p.PH2);
}

}  // namespace

int32_t PVFRcal() {
    const double F = frequency();
    state.point.yy = levelOf(pv::total(F), F);
    return 0;
}

int32_t PVdirctFRcal() {
    const double F = frequency();
    state.point.yy = levelOf(pv::driver(F), F);
    return 0;
}

int32_t PVvent2FRcal() {
    const TransferCoefficients& c = state.coef;
    const double F = frequency();
    const double F2 = F * F, F3 = F2 * F, F4 = F2 * F2, F5 = F4 * F;
    state.point.yy = levelOf({c.B22 * F4, c.B21 * F5 - c.B23 * F3}, F);
    return 0;
}

int32_t PVvent3FRcal() {
    const TransferCoefficients& c = state.coef;
    const double F = frequency();
    const double F2 = F * F, F3 = F2 * F, F4 = F2 * F2, F5 = F4 * F;
    state.point.yy = levelOf({c.B32 * F4, c.B31 * F5 - c.B33 * F3}, F);
    return 0;
}

int32_t PVPWcal() {
    PlotPoint& p = state.point;
    coneOverDenominator(frequency());
    const double watts = state.rscales.P1 / (p.NU / p.DE);
    p.yy = static_cast<float>(std::log10(watts));
    p.yyLinea = static_cast<float>(watts);
    return 0;
}

int32_t PVIMPcal() {
    PlotPoint& p = state.point;
    const double F = frequency();
    coneOverDenominator(F);
    const double d01f = state.coef.D01 * F;
    p.NU = d01f * d01f * p.NU;
    p.ZVC = std::sqrt(p.NU / p.DE);
    p.yyLinea = static_cast<float>(state.speaker.RE + state.rscales.RES * p.ZVC
                                   + state.rscales.ZL * static_cast<double>(p.ff));
    return 0;
}

int32_t PVDPcal() {
    PlotPoint& p = state.point;
    coneOverDenominator(frequency());
    if (state.view.Magni == 0) {
        p.yy = static_cast<float>(-10.0 * std::log10(p.NU / p.DE));
    } else if (state.view.Magni == 1) {
        p.yy = static_cast<float>(state.rscales.XD * std::sqrt(p.NU / p.DE));
    }
    return 0;
}

int32_t PVDPoptcal() {
    PlotPoint& p = state.point;
    coneOverDenominator(frequency());
    p.yy = static_cast<float>(state.rscales.XD * std::sqrt(p.NU / p.DE));
    return 0;
}

int32_t PVPHcal() {
    PlotPoint& p = state.point;
    float yy = static_cast<float>(totalPhase(frequency()) * 180.0 / kPi);
    if (yy < 0.0f) yy = yy + 180.0f;
    const float step = p.yy2 - yy;
    if (step > 160.0f) p.ss = p.ss + 180.0;
    if (step < -160.0f) p.ss = p.ss - 180.0;
    p.yy2 = yy;
    p.yy = static_cast<float>(static_cast<double>(yy) + p.ss);
    return 0;
}

int32_t PVGDcal() {
    const TransferCoefficients& c = state.coef;
    PlotPoint& p = state.point;
    const double F = frequency();
    const double F2 = F * F, F3 = F2 * F, F4 = F2 * F2, F5 = F4 * F, F6 = F4 * F2, F7 = F6 * F, F8 = F4 * F4;
    const pv::Parts n = pv::total(F);
    const pv::Parts d = pv::denominator(F);
    // Phase derivatives in f: d(Im)/df * Re - Im * d(Re)/df.
    p.NU11 = (9.0 * c.B01 * F8 - 7.0 * c.B03 * F6 + 5.0 * c.B05 * F4 - 3.0 * c.B07 * F2) * n.re;
    p.NU12 = n.im * (8.0 * c.B02 * F7 - 6.0 * c.B04 * F5 + 4.0 * c.B06 * F3);
    p.DE1 = n.squared();
    p.NU21 = (9.0 * c.A01 * F8 - 7.0 * c.A03 * F6 + 5.0 * c.A05 * F4 - 3.0 * c.A07 * F2 + c.A09) * d.re;
    p.NU22 = d.im * (8.0 * c.A02 * F7 - 6.0 * c.A04 * F5 + 4.0 * c.A06 * F3 - 2.0 * c.A08 * F);
    p.DE2 = d.squared();
    p.yy = static_cast<float>(-((p.NU11 - p.NU12) / p.DE1 - (p.NU21 - p.NU22) / p.DE2)
                              / (state.speaker.FS * state.phys.PI2) * 1000.0);
    return 0;
}

int32_t PVNQcal() {
    PlotPoint& p = state.point;
    const double F = frequency();
    p.NU = pv::total(F).squared();
    p.DE = pv::denominator(F).squared();
    p.gg = std::sqrt(p.NU / p.DE);
    p.fai = totalPhase(F);
    if (p.fai < 0.0) p.fai = p.fai + kPi;
    const double step = p.fai2 - p.fai;
    if (step > 2.7925) p.ss = p.ss + kPi;
    if (step < -2.7925) p.ss = p.ss - kPi;
    p.fai2 = p.fai;
    p.fai = p.fai + p.ss;
    p.xx = static_cast<float>(p.gg * std::cos(p.fai));
    p.yy = static_cast<float>(p.gg * std::sin(p.fai));
    return 0;
}

}  // namespace quendal
