// The Passive Radiator unit's coefficients, evaluators and step substitution.
#include <cmath>
#include <numbers>

#include "engine/PRcal.h"
#include "model/State.h"

namespace quendal {

namespace {

constexpr double kPi = std::numbers::pi;

struct Parts {
    double re, im;
};

Parts denominator(double f) {
    const TransferCoefficients& c = state.coef;
    return {c.A01 * f * f * f * f - c.A03 * f * f + c.A05, c.A04 * f - c.A02 * f * f * f - c.A06 / f};
}

Parts systemNumerator(double f) {
    const TransferCoefficients& c = state.coef;
    return {c.B11 * f * f * f * f - c.B13 * f * f, -c.B12 * f * f * f};
}

Parts driverSoundNumerator(double f) {
    const TransferCoefficients& c = state.coef;
    return {c.B21 * f * f * f * f - c.B23 * f * f, c.B24 * f - c.B22 * f * f * f};
}

Parts driverConeNumerator(double f) {
    const TransferCoefficients& c = state.coef;
    return {c.B23 - c.B21 * f * f, c.B22 * f - c.B24 / f};
}

double squared(Parts z) { return z.re * z.re + z.im * z.im; }

// Sets NU and DE and returns NU / DE.
double ratio(double nu, double f) {
    PlotPoint& p = state.point;
    p.NU = nu;
    p.DE = squared(denominator(f));
    return p.NU / p.DE;
}

void levelBelowReference(double nu, double f) { state.point.yy = static_cast<float>(-10.0 * std::log10(ratio(nu, f))); }

// The phase of N1 / D from single-argument arctangents (modulo 180 degrees).
double foldedPhaseRad(double f) {
    PlotPoint& p = state.point;
    const Parts n = systemNumerator(f);
    const Parts d = denominator(f);
    p.NU1 = n.im;
    p.DE1 = n.re;
    p.NU2 = d.im;
    p.DE2 = d.re;
    return std::atan(p.NU1 / p.DE1) - std::atan(p.NU2 / p.DE2);
}

}  // namespace

int32_t PRcofCal() {
    switch (state.selection.Alin) {
    case 1: PRopt1(); break;
    case 2: PRopt2(); break;
    case 3:
        PRDataIn_OrgToCurrent();
        PRopt3();
        break;
    case 4: PRCustom(); break;
    default: break;
    }
    SpeakerParameters& sp = state.speaker;
    const bool impedance = state.view.s_Resp == "imp";
    if (impedance) {
        sp.QTSbak = sp.QTS;
        sp.QTS = sp.QMS;
    }
    const AlignmentRatios& r = state.ratios;
    const double y0 = r.Y0, qp = state.radiator.QP, ql = state.box.QL, qt = sp.QTS;
    const double hh = r.HH, dl = r.DL, al = r.AL;
    TransferCoefficients& c = state.coef;
    c.A01 = 1.0 / (y0 * y0);
    c.A02 = 1.0 / (y0 * qp) + hh / (y0 * y0 * ql) + 1.0 / (y0 * y0 * qt);
    c.A03 = hh / (y0 * qp * ql) + dl + 1.0 + 1.0 / (y0 * y0) + 1.0 / (y0 * qt * qp) + hh / (y0 * y0 * qt * ql) +
            al / (y0 * y0);
    c.A04 = hh / ql + 1.0 / (y0 * qp) + hh / (y0 * y0 * ql) + hh / (y0 * qt * qp * ql) + dl / qt + 1.0 / qt +
            al / (y0 * qp);
    c.A05 = hh / (y0 * qp * ql) + dl + 1.0 + hh / (qt * ql) + al;
    c.A06 = hh / ql;
    c.B11 = 1.0 / (y0 * y0);
    c.B12 = 1.0 / (y0 * qp);
    c.B13 = 1.0;
    c.B14 = dl;
    c.B21 = 1.0 / (y0 * y0);
    c.B22 = 1.0 / (y0 * qp) + hh / (y0 * y0 * ql);
    c.B23 = hh / (y0 * qp * ql) + dl + 1.0;
    c.B24 = hh / ql;
    c.B25 = 1.0 / qt;
    if (impedance) sp.QTS = sp.QTSbak;
    c.siftUpDwn = 0.0;
    c.KX = ((1.0 + al + dl) / (1.0 + dl)) * ((1.0 + al + dl) / (1.0 + dl));
    return 0;
}

int32_t PRFRcal() {
    const double f = state.point.f;
    levelBelowReference(squared(systemNumerator(f)), f);
    return 0;
}

int32_t PRdriverFRcal() {
    const double f = state.point.f;
    levelBelowReference(squared(driverSoundNumerator(f)), f);
    return 0;
}

int32_t PRprFRcal() {
    const double f = state.point.f;
    const double b = state.coef.B14 * f * f;
    levelBelowReference(b * b, f);
    return 0;
}

int32_t PRPWcal() {
    const double f = state.point.f;
    const float g = static_cast<float>(ratio(squared(driverConeNumerator(f)), f));
    const double P1 = state.rscales.P1;
    state.point.yy = static_cast<float>(std::log10(P1 / g));
    state.point.yyLinea = static_cast<float>(P1 / g);
    return 0;
}

int32_t PRIMPcal() {
    const double f = state.point.f;
    PlotPoint& p = state.point;
    const double b = state.coef.B25 * f;
    p.ZVC = std::sqrt(ratio(b * b * squared(driverConeNumerator(f)), f));
    p.yyLinea = static_cast<float>(state.speaker.RE + state.rscales.RES * p.ZVC + state.rscales.ZL * p.ff);
    return 0;
}

int32_t PRdriverDPcal() {
    const double f = state.point.f;
    const double q = ratio(squared(driverConeNumerator(f)), f);
    if (state.view.Magni == 0) state.point.yy = static_cast<float>(-10.0 * std::log10(state.coef.KX * q));
    else if (state.view.Magni == 1) state.point.yy = static_cast<float>(state.rscales.XD * std::sqrt(q));
    return 0;
}

int32_t PRprDPcal() {
    const double f = state.point.f;
    const double b = state.coef.B14;
    const double q = ratio(b * b, f);
    if (state.view.Magni == 0) {
        // The radiator's relative level is taken against the driver's
        // low-frequency excursion, by the ratio of the two cone areas.
        const AlignmentRatios& r = state.ratios;
        const double k = (1.0 + r.AL + r.DL) / (1.0 + r.DL);
        const double areas = state.speaker.SD / state.radiator.PRSD;
        state.rscales.XPR = k * k * areas * areas;
        state.point.yy = static_cast<float>(-10.0 * std::log10(state.rscales.XPR * q));
    } else if (state.view.Magni == 1) {
        state.point.yy = static_cast<float>(state.rscales.XPR * std::sqrt(q));
    }
    return 0;
}

int32_t PRdriverDPoptcal() {
    const double f = state.point.f;
    state.point.yy = static_cast<float>(state.rscales.XD * std::sqrt(ratio(squared(driverConeNumerator(f)), f)));
    return 0;
}

int32_t PRprDPoptcal() {
    const double f = state.point.f;
    const double b = state.coef.B14;
    state.point.yy = static_cast<float>(state.rscales.XPR * std::sqrt(ratio(b * b, f)));
    return 0;
}

int32_t PRPHcal() {
    const double f = state.point.f;
    PlotPoint& p = state.point;
    p.yy = static_cast<float>(foldedPhaseRad(f) * 180.0 / kPi);
    if (p.yy < 0.0f) p.yy = p.yy + 180.0f;
    const float d = p.yy2 - p.yy;
    if (d > 160.0f) p.ss = p.ss + 180.0;
    if (d < -160.0f) p.ss = p.ss - 180.0;
    p.yy2 = p.yy;
    p.yy = static_cast<float>(p.yy + p.ss);
    return 0;
}

int32_t PRGDcal() {
    const double f = state.point.f;
    const TransferCoefficients& c = state.coef;
    PlotPoint& p = state.point;
    const Parts n = systemNumerator(f);
    const Parts d = denominator(f);
    p.NU11 = n.re * (-3.0 * c.B12 * f * f);
    p.NU12 = (4.0 * c.B11 * f * f * f - 2.0 * c.B13 * f) * n.im;
    p.DE1 = squared(n);
    p.NU21 = d.re * (-3.0 * c.A02 * f * f + c.A04 + c.A06 / (f * f));
    p.NU22 = (4.0 * c.A01 * f * f * f - 2.0 * c.A03 * f) * d.im;
    p.DE2 = squared(d);
    p.yy = static_cast<float>(-((p.NU11 - p.NU12) / p.DE1 - (p.NU21 - p.NU22) / p.DE2) / (state.phys.PI2 * state.speaker.FS) *
                              1000.0);
    return 0;
}

int32_t PRNQcal() {
    const double f = state.point.f;
    PlotPoint& p = state.point;
    p.gg = std::sqrt(ratio(squared(systemNumerator(f)), f));
    p.fai = foldedPhaseRad(f);
    if (p.fai < 0.0) p.fai = p.fai + kPi;
    const double d = p.fai2 - p.fai;
    if (d > 2.7925) p.ss = p.ss + kPi;
    if (d < -2.7925) p.ss = p.ss - kPi;
    p.fai2 = p.fai;
    p.fai = p.fai + p.ss;
    p.xx = static_cast<float>(p.gg * std::cos(p.fai));
    p.yy = static_cast<float>(p.gg * std::sin(p.fai));
    return 0;
}

int32_t PRStepSubstitution() {
    StepPolynomials& st = state.step;
    const TransferCoefficients& c = state.coef;
    st.NUO = 4;
    st.NUT[1] = c.B11;
    st.NUT[2] = c.B12;
    st.NUT[3] = c.B13;
    st.NUT[4] = 0.0;
    st.NUT[5] = 0.0;
    st.DEO = 5;
    st.DET[1] = c.A01;
    st.DET[2] = c.A02;
    st.DET[3] = c.A03;
    st.DET[4] = c.A04;
    st.DET[5] = c.A05;
    st.DET[6] = c.A06;
    return 0;
}

}  // namespace quendal
