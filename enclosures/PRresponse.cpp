// The Passive Radiator unit's coefficients, evaluators and step substitution.
#include <cmath>
#include <numbers>

#include "enclosures/PRcal.h"
#include "engine/BandPassForms.h"
#include "engine/ImpedancePageQ.h"
#include "engine/PhaseUnwrap.h"
#include "engine/PointForms.h"
#include "model/State.h"

namespace quendal {

namespace {

constexpr double kPi = std::numbers::pi;
// Folds the phase and Nyquist sweeps follow, either way (degrees, rad).
constexpr float kPhaseFoldDeg = 160.0f;
constexpr double kNyquistFoldRad = 2.7925;

JfValue denominator(double f) {
    const TransferCoefficients& c = state.coef;
    return {c.A01 * f * f * f * f - c.A03 * f * f + c.A05, c.A04 * f - c.A02 * f * f * f - c.A06 / f};
}

JfValue systemNumerator(double f) {
    const TransferCoefficients& c = state.coef;
    return {c.B11 * f * f * f * f - c.B13 * f * f, -c.B12 * f * f * f};
}

JfValue driverSoundNumerator(double f) {
    const TransferCoefficients& c = state.coef;
    return {c.B21 * f * f * f * f - c.B23 * f * f, c.B24 * f - c.B22 * f * f * f};
}

JfValue driverConeNumerator(double f) {
    const TransferCoefficients& c = state.coef;
    return {c.B23 - c.B21 * f * f, c.B22 * f - c.B24 / f};
}

// Sets NU and DE and returns NU / DE.
double ratio(double nu, double f) {
    PlotPoint& p = state.point;
    p.NU = nu;
    p.DE = denominator(f).squared();
    return p.NU / p.DE;
}

// The phase of N1 / D from single-argument arctangents (modulo 180 degrees).
ResponseAngle foldedPhaseRad(double f) {
    PlotPoint& p = state.point;
    const JfValue n = systemNumerator(f);
    const JfValue d = denominator(f);
    p.NU1 = n.im;
    p.DE1 = n.re;
    p.NU2 = d.im;
    p.DE2 = d.re;
    return {std::atan(p.NU1 / p.DE1) - std::atan(p.NU2 / p.DE2), fullQuadrantAngle(n.re, n.im, d.re, d.im)};
}

// The coefficients, reading the driver's Q from QTS.
void fillCoefficients() {
    const AlignmentRatios& r = state.ratios;
    const double y0 = r.Y0, qp = state.radiator.QP, ql = state.box.QL, qt = state.speaker.QTS;
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
    fillWithImpedancePageQ(fillCoefficients);
    TransferCoefficients& c = state.coef;
    const AlignmentRatios& r = state.ratios;
    c.siftUpDwn = 0.0;
    c.KX = ((1.0 + r.AL + r.DL) / (1.0 + r.DL)) * ((1.0 + r.AL + r.DL) / (1.0 + r.DL));
    return 0;
}

int32_t PRFRcal() {
    const double f = state.point.f;
    levelForm(systemNumerator(f).squared(), denominator(f).squared());
    return 0;
}

int32_t PRdriverFRcal() {
    const double f = state.point.f;
    levelForm(driverSoundNumerator(f).squared(), denominator(f).squared());
    return 0;
}

int32_t PRprFRcal() {
    const double f = state.point.f;
    const double b = state.coef.B14 * f * f;
    levelForm(b * b, denominator(f).squared());
    return 0;
}

int32_t PRPWcal() {
    const double f = state.point.f;
    powerForm(driverConeNumerator(f).squared(), denominator(f).squared());
    return 0;
}

int32_t PRIMPcal() {
    const double f = state.point.f;
    const JfValue n = times({0.0, state.coef.B25 * f}, driverConeNumerator(f));
    const JfValue d = denominator(f);
    motionalImpedanceForm({n.re, n.im}, {d.re, d.im});
    return 0;
}

int32_t PRdriverDPcal() {
    const double f = state.point.f;
    coneDisplacementForm(driverConeNumerator(f).squared(), denominator(f).squared(), state.coef.KX);
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
    scaledMagnitudeForm(driverConeNumerator(f).squared(), denominator(f).squared(), state.rscales.XD);
    return 0;
}

int32_t PRprDPoptcal() {
    const double f = state.point.f;
    const double b = state.coef.B14;
    scaledMagnitudeForm(b * b, denominator(f).squared(), state.rscales.XPR);
    return 0;
}

int32_t PRPHcal() {
    const double f = state.point.f;
    state.point.yy =
        static_cast<float>(followPhaseDegrees(rawInDegrees(foldedPhaseRad(f), kPi), kPhaseFoldDeg, kPhaseFoldDeg));
    return 0;
}

int32_t PRGDcal() {
    const double f = state.point.f;
    const TransferCoefficients& c = state.coef;
    // The slopes by f of the real and imaginary parts.
    const JfValue numeratorSlope{4.0 * c.B11 * f * f * f - 2.0 * c.B13 * f, -3.0 * c.B12 * f * f};
    const JfValue denominatorSlope{4.0 * c.A01 * f * f * f - 2.0 * c.A03 * f,
                                   -3.0 * c.A02 * f * f + c.A04 + c.A06 / (f * f)};
    groupDelayFormWithNumerator(systemNumerator(f), numeratorSlope, denominator(f), denominatorSlope);
    return 0;
}

int32_t PRNQcal() {
    const double f = state.point.f;
    PlotPoint& p = state.point;
    p.gg = std::sqrt(ratio(systemNumerator(f).squared(), f));
    plotNyquistPoint(foldedPhaseRad(f), kPi, kNyquistFoldRad, kNyquistFoldRad);
    return 0;
}

int32_t PRStepSubstitution() {
    const TransferCoefficients& c = state.coef;
    setStepPolynomials({c.B11, c.B12, c.B13, 0.0, 0.0}, {c.A01, c.A02, c.A03, c.A04, c.A05, c.A06});
    return 0;
}

}  // namespace quendal
