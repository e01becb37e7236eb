// Complex Vented evaluators: one point of every response at the normalised
// frequency f, per speaker and for the pair, the vent's air speed and the
// step-response polynomials. With s = j f a term c s^n adds -c f^6, c f^4,
// -c f^2 or c (n = 6, 4, 2, 0) to the real part and c f^5, -c f^3 or c f
// (n = 5, 3, 1) to the imaginary part.
#include <cmath>

#include "enclosures/CVcal.h"
#include "model/State.h"

namespace quendal {

namespace {

constexpr double kPi = 3.14159265358979;

struct Powers {
    double f1, f2, f3, f4, f5, f6;
};

Powers powersOf(float f) {
    const double F = static_cast<double>(f);
    return {F, std::pow(F, 2.0), std::pow(F, 3.0), std::pow(F, 4.0), std::pow(F, 5.0), std::pow(F, 6.0)};
}

struct Parts {
    double re, im;
    double squared() const { return re * re + im * im; }
};

Parts denominator(const Powers& p) {
    const TransferCoefficients& c = state.coef;
    return {-c.A01 * p.f6 + c.A03 * p.f4 - c.A05 * p.f2 + c.A07, c.A02 * p.f5 - c.A04 * p.f3 + c.A06 * p.f1};
}

// The total output C11 s^6 + .. + C15 s^2.
Parts total(const Powers& p) {
    const TransferCoefficients& c = state.coef;
    return {c.C13 * p.f4 - c.C11 * p.f6 - c.C15 * p.f2, c.C12 * p.f5 - c.C14 * p.f3};
}

// A cone k4 s^4 + k3 s^3 + k2 s^2 + k1 s + k0.
Parts cone(const Powers& p, double k4, double k3, double k2, double k1, double k0) {
    return {k4 * p.f4 - k2 * p.f2 + k0, k1 * p.f1 - k3 * p.f3};
}

// A motional numerator D01 (k5 s^5 + k4 s^4 + k3 s^3 + k2 s^2 + k1 s).
Parts motional(const Powers& p, double k5, double k4, double k3, double k2, double k1) {
    const double D01 = state.coef.D01;
    return {D01 * (k4 * p.f4 - k2 * p.f2), D01 * (k5 * p.f5 - k3 * p.f3 + k1 * p.f1)};
}

Parts speaker1Cone(const Powers& p) {
    const TransferCoefficients& c = state.coef;
    return cone(p, c.B01, c.B02, c.B03, c.B04, c.B05);
}

Parts speaker2Cone(const Powers& p) {
    const TransferCoefficients& c = state.coef;
    return cone(p, c.D11, c.D12, c.D13, c.D14, c.D15);
}

void level(const Parts& n, const Powers& p) {
    PlotPoint& pt = state.point;
    pt.NU = n.squared();
    pt.DE = denominator(p).squared();
    pt.yy = static_cast<float>(-10.0 * std::log10(pt.NU / pt.DE));
}

void power(const Parts& n, const Powers& p) {
    PlotPoint& pt = state.point;
    pt.NU = n.squared();
    pt.DE = denominator(p).squared();
    const double watts = state.rscales.P1 / (pt.NU / pt.DE);
    pt.yyLinea = static_cast<float>(watts);
    pt.yy = static_cast<float>(std::log10(watts));
}

void displacement(const Parts& n, const Powers& p) {
    PlotPoint& pt = state.point;
    pt.NU = n.squared();
    pt.DE = denominator(p).squared();
    if (state.view.Magni == 0) {
        pt.yy = static_cast<float>(-10.0 * std::log10(pt.NU / pt.DE));
    } else if (state.view.Magni == 1) {
        pt.yy = static_cast<float>(state.rscales.XD * std::pow(pt.NU / pt.DE, 0.5));
    }
}

void displacementMillimetres(const Parts& n, const Powers& p) {
    PlotPoint& pt = state.point;
    pt.NU = n.squared();
    pt.DE = denominator(p).squared();
    pt.yy = static_cast<float>(state.rscales.XD * std::pow(pt.NU / pt.DE, 0.5));
}

// Impedance from NU and DE already set: resistance and inductance scaled for
// one driver (1), the pair in series (2) or in parallel (1/2).
void impedance(double connection) {
    PlotPoint& pt = state.point;
    pt.ZVC = std::pow(pt.NU / pt.DE, 0.5);
    const double z = connection * state.speaker.RE + state.rscales.RES * pt.ZVC
                     + connection * state.rscales.ZL * static_cast<double>(pt.ff);
    pt.yyLinea = static_cast<float>(z);
    pt.yy = static_cast<float>(std::log10(z));
}

// Raw phase of the total output over D, radians; leaves PH1 and PH2.
double totalPhase(const Powers& p) {
    PlotPoint& pt = state.point;
    const Parts n = total(p);
    const Parts d = denominator(p);
    pt.PH1 = n.im / n.re;
    pt.PH2 = d.im / d.re;
    return std::atan(pt.PH1) - std::atan(pt.PH2);
}

}  // namespace

int32_t CVFRcal() {
    const Powers p = powersOf(state.point.f);
    level(total(p), p);
    return 0;
}

int32_t CVdirectFRcal() {
    const TransferCoefficients& c = state.coef;
    const Powers p = powersOf(state.point.f);
    level({c.B03 * p.f4 - c.B01 * p.f6 - c.B05 * p.f2, c.B02 * p.f5 - c.B04 * p.f3}, p);
    return 0;
}

int32_t CVventFRcal() {
    const TransferCoefficients& c = state.coef;
    const Powers p = powersOf(state.point.f);
    level({c.B23 * p.f4 - c.B25 * p.f2, -c.B24 * p.f3}, p);
    return 0;
}

int32_t CVPWSP1cal() {
    const Powers p = powersOf(state.point.f);
    power(speaker1Cone(p), p);
    return 0;
}

int32_t CVPWSP2cal() {
    const Powers p = powersOf(state.point.f);
    power(speaker2Cone(p), p);
    return 0;
}

int32_t CVIMPSP1cal() {
    const TransferCoefficients& c = state.coef;
    PlotPoint& pt = state.point;
    const Powers p = powersOf(pt.f);
    pt.NU = motional(p, c.B11, c.B12, c.B13, c.B14, c.B15).squared();
    pt.DE = denominator(p).squared();
    impedance(1.0);
    return 0;
}

int32_t CVIMPSP2cal() {
    const TransferCoefficients& c = state.coef;
    PlotPoint& pt = state.point;
    const Powers p = powersOf(pt.f);
    pt.NU = motional(p, c.E11, c.E12, c.E13, c.E14, c.E15).squared();
    pt.DE = denominator(p).squared();
    impedance(1.0);
    return 0;
}

int32_t CVIMPserical() {
    const TransferCoefficients& c = state.coef;
    PlotPoint& pt = state.point;
    const Powers p = powersOf(pt.f);
    const double re = c.E22 * p.f4 - c.E24 * p.f2;
    const double im = c.E21 * p.f5 - c.E23 * p.f3 + c.E25 * p.f1;
    pt.NU = re * re + im * im;
    pt.DE = denominator(p).squared();
    impedance(2.0);
    return 0;
}

// The two motional impedances N1/D and N2/D in parallel: N1 N2 / (D (N1 + N2)).
int32_t CVIMPparacal() {
    const TransferCoefficients& c = state.coef;
    PlotPoint& pt = state.point;
    const Powers p = powersOf(pt.f);
    const Parts n1 = motional(p, c.B11, c.B12, c.B13, c.B14, c.B15);
    const Parts n2 = motional(p, c.E11, c.E12, c.E13, c.E14, c.E15);
    const Parts d = denominator(p);
    pt.N1R = n1.re;
    pt.N1J = n1.im;
    pt.N2R = n2.re;
    pt.N2J = n2.im;
    pt.DR = d.re;
    pt.DJ = d.im;
    const double prodRe = pt.N1R * pt.N2R - pt.N1J * pt.N2J;
    const double prodIm = pt.N1R * pt.N2J + pt.N1J * pt.N2R;
    pt.NU = prodRe * prodRe + prodIm * prodIm;
    const double sumRe = pt.DR * pt.N1R - pt.DJ * pt.N1J + pt.DR * pt.N2R - pt.DJ * pt.N2J;
    const double sumIm = pt.DR * pt.N1J + pt.DJ * pt.N1R + pt.DR * pt.N2J + pt.DJ * pt.N2R;
    pt.DE = sumRe * sumRe + sumIm * sumIm;
    impedance(0.5);
    return 0;
}

int32_t CVDPSP1cal() {
    const Powers p = powersOf(state.point.f);
    displacement(speaker1Cone(p), p);
    return 0;
}

int32_t CVDPSP2cal() {
    const Powers p = powersOf(state.point.f);
    displacement(speaker2Cone(p), p);
    return 0;
}

int32_t CVDPSP1optcal() {
    const Powers p = powersOf(state.point.f);
    displacementMillimetres(speaker1Cone(p), p);
    return 0;
}

int32_t CVDPSP2optcal() {
    const Powers p = powersOf(state.point.f);
    displacementMillimetres(speaker2Cone(p), p);
    return 0;
}

int32_t CVPHcal() {
    PlotPoint& pt = state.point;
    float yy = static_cast<float>(totalPhase(powersOf(pt.f)) * 180.0 / kPi);
    if (yy < 0.0f) yy = yy + 180.0f;
    const float step = pt.yy2 - yy;
    if (step > 160.0f) pt.ss = pt.ss + 180.0;
    if (step < -160.0f) pt.ss = pt.ss - 180.0;
    pt.yy2 = yy;
    pt.yy = static_cast<float>(static_cast<double>(yy) + pt.ss);
    return 0;
}

int32_t CVGDcal() {
    const TransferCoefficients& c = state.coef;
    PlotPoint& pt = state.point;
    const Powers p = powersOf(pt.f);
    const Parts n = total(p);
    const Parts d = denominator(p);
    const double nRe1 = -6.0 * c.C11 * p.f5 + 4.0 * c.C13 * p.f3 - 2.0 * c.C15 * p.f1;
    const double nIm1 = 5.0 * c.C12 * p.f4 - 3.0 * c.C14 * p.f2;
    const double dRe1 = -6.0 * c.A01 * p.f5 + 4.0 * c.A03 * p.f3 - 2.0 * c.A05 * p.f1;
    const double dIm1 = 5.0 * c.A02 * p.f4 - 3.0 * c.A04 * p.f2 + c.A06;
    pt.NU11 = nIm1 * n.re;
    pt.NU12 = n.im * nRe1;
    pt.DE1 = n.squared();
    pt.NU21 = dIm1 * d.re;
    pt.NU22 = d.im * dRe1;
    pt.DE2 = d.squared();
    pt.yy = static_cast<float>(-((pt.NU11 - pt.NU12) / pt.DE1 - (pt.NU21 - pt.NU22) / pt.DE2)
                               / (state.speaker.FS * state.phys.PI2) * 1000.0);
    return 0;
}

int32_t CVNQcal() {
    PlotPoint& pt = state.point;
    const Powers p = powersOf(pt.f);
    pt.NU = total(p).squared();
    pt.DE = denominator(p).squared();
    pt.gg = std::pow(pt.NU / pt.DE, 0.5);
    pt.fai = totalPhase(p);
    if (pt.fai < 0.0) pt.fai = pt.fai + kPi;
    const double step = pt.fai2 - pt.fai;
    if (step > 2.7925) pt.ss = pt.ss + kPi;
    if (step < -2.7925) pt.ss = pt.ss - kPi;
    pt.fai2 = pt.fai;
    pt.fai = pt.fai + pt.ss;
    pt.xx = static_cast<float>(pt.gg * std::cos(pt.fai));
    pt.yy = static_cast<float>(pt.gg * std::sin(pt.fai));
    return 0;
}

int32_t CVAScal() {
    const TransferCoefficients& c = state.coef;
    PlotPoint& pt = state.point;
    const Powers p = powersOf(pt.f);
    const Parts vent{c.B25 - c.B23 * p.f2, c.B24 * p.f1};
    pt.NU = vent.squared();
    pt.DE = denominator(p).squared();
    pt.yy = static_cast<float>(state.rscales.VEL * std::pow(pt.NU / pt.DE, 0.5));
    return 0;
}

// The total output over s*D(s): the transform of the step response.
int32_t CVStepSubstitution() {
    const TransferCoefficients& c = state.coef;
    StepPolynomials& st = state.step;
    st.NUO = 6;
    const double nut[7] = {c.C11, c.C12, c.C13, c.C14, c.C15, 0.0, 0.0};
    for (int i = 0; i < 7; ++i) st.NUT[i + 1] = nut[i];
    st.DEO = 7;
    const double det[8] = {c.A01, c.A02, c.A03, c.A04, c.A05, c.A06, c.A07, 0.0};
    for (int i = 0; i < 8; ++i) st.DET[i + 1] = det[i];
    return 0;
}

}  // namespace quendal
