// Complex Vented evaluators: one point of every response at the normalised
// frequency f, per speaker and for the pair, the vent's air speed and the
// step-response polynomials. Every polynomial is evaluated at s = j f with
// each power of f taken by the power function.
#include <cmath>
#include <complex>

#include "enclosures/CVcal.h"
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

// D(s) = A01 s^6 + .. + A07.
JfValue denominator(double f) {
    const TransferCoefficients& c = state.coef;
    return polyAtJf({c.A01, c.A02, c.A03, c.A04, c.A05, c.A06, c.A07}, f);
}

JfValue denominatorSlope(double f) {
    const TransferCoefficients& c = state.coef;
    return polySlopeAtJf({c.A01, c.A02, c.A03, c.A04, c.A05, c.A06, c.A07}, f);
}

// The total output C11 s^6 + .. + C15 s^2.
JfValue total(double f) {
    const TransferCoefficients& c = state.coef;
    return polyAtJf({c.C11, c.C12, c.C13, c.C14, c.C15}, f, 2);
}

JfValue totalSlope(double f) {
    const TransferCoefficients& c = state.coef;
    return polySlopeAtJf({c.C11, c.C12, c.C13, c.C14, c.C15}, f, 2);
}

// The cones B01 s^4 + .. + B05 (speaker 1) and D11 s^4 + .. + D15 (speaker 2).
JfValue speaker1Cone(double f) {
    const TransferCoefficients& c = state.coef;
    return polyAtJf({c.B01, c.B02, c.B03, c.B04, c.B05}, f);
}

JfValue speaker2Cone(double f) {
    const TransferCoefficients& c = state.coef;
    return polyAtJf({c.D11, c.D12, c.D13, c.D14, c.D15}, f);
}

// A motional numerator D01 (k5 s^5 + k4 s^4 + k3 s^3 + k2 s^2 + k1 s).
JfValue motional(double f, double k5, double k4, double k3, double k2, double k1) {
    const double D01 = state.coef.D01;
    const JfValue k = polyAtJf({k5, k4, k3, k2, k1}, f, 1);
    return {D01 * k.re, D01 * k.im};
}

JfValue speaker1Motional(double f) {
    const TransferCoefficients& c = state.coef;
    return motional(f, c.B11, c.B12, c.B13, c.B14, c.B15);
}

JfValue speaker2Motional(double f) {
    const TransferCoefficients& c = state.coef;
    return motional(f, c.E11, c.E12, c.E13, c.E14, c.E15);
}

void level(const JfValue& n, double f) { levelForm(n.squared(), denominator(f).squared()); }

void power(const JfValue& n, double f) { powerRatingForm(n.squared(), denominator(f).squared()); }

// The cone of one speaker: 0 dB at its low-frequency excursion (Magni 0).
void displacement(const JfValue& n, double f) {
    displacementForm(n.squared(), denominator(f).squared(), 1.0, state.rscales.XD);
}

void displacementMillimetres(const JfValue& n, double f) {
    displacementPeakForm(n.squared(), denominator(f).squared(), state.rscales.XD);
}

// Impedance of the motional impedance zm over RES, whose squared magnitude
// NU / DE is already set, in series with the voice coils: resistance and
// inductance scaled for one driver (1), the pair in series (2) or in
// parallel (1/2).
void impedance(std::complex<double> zm, double connection) {
    PlotPoint& pt = state.point;
    pt.ZVC = std::sqrt(pt.NU / pt.DE);
    const double z = inputImpedance(zm, connection);
    pt.yyLinea = static_cast<float>(z);
    pt.yy = static_cast<float>(std::log10(z));
}

std::complex<double> ratio(const JfValue& n, const JfValue& d) {
    return std::complex<double>(n.re, n.im) / std::complex<double>(d.re, d.im);
}

// Raw phase of the total output over D, radians; leaves PH1 and PH2.
ResponseAngle totalPhase(double f) { return rawAngle(total(f), denominator(f)); }

}  // namespace

int32_t CVFRcal() {
    const double f = pointFrequency();
    level(total(f), f);
    return 0;
}

int32_t CVdirectFRcal() {
    const TransferCoefficients& c = state.coef;
    const double f = pointFrequency();
    level(polyAtJf({c.B01, c.B02, c.B03, c.B04, c.B05}, f, 2), f);
    return 0;
}

int32_t CVventFRcal() {
    const TransferCoefficients& c = state.coef;
    const double f = pointFrequency();
    level(polyAtJf({c.B23, c.B24, c.B25}, f, 2), f);
    return 0;
}

int32_t CVPWSP1cal() {
    const double f = pointFrequency();
    power(speaker1Cone(f), f);
    return 0;
}

int32_t CVPWSP2cal() {
    const double f = pointFrequency();
    power(speaker2Cone(f), f);
    return 0;
}

int32_t CVIMPSP1cal() {
    PlotPoint& pt = state.point;
    const double f = pointFrequency();
    const JfValue n = speaker1Motional(f), d = denominator(f);
    pt.NU = n.squared();
    pt.DE = d.squared();
    impedance(ratio(n, d), 1.0);
    return 0;
}

int32_t CVIMPSP2cal() {
    PlotPoint& pt = state.point;
    const double f = pointFrequency();
    const JfValue n = speaker2Motional(f), d = denominator(f);
    pt.NU = n.squared();
    pt.DE = d.squared();
    impedance(ratio(n, d), 1.0);
    return 0;
}

int32_t CVIMPserical() {
    const TransferCoefficients& c = state.coef;
    PlotPoint& pt = state.point;
    const double f = pointFrequency();
    const JfValue n = polyAtJf({c.E21, c.E22, c.E23, c.E24, c.E25}, f, 1), d = denominator(f);
    pt.NU = n.squared();
    pt.DE = d.squared();
    impedance(ratio(n, d), 2.0);
    return 0;
}

// The pair in parallel: one voltage across both coils. Each speaker's cone
// moves by its own current (N1/D, N2/D) and by the other's through chamber 2
// (what the cone numerators of both driven, B0x and D1x, hold beyond that).
int32_t CVIMPparacal() {
    const TransferCoefficients& c = state.coef;
    PlotPoint& pt = state.point;
    const double f = pointFrequency();
    const JfValue n1 = speaker1Motional(f);
    const JfValue n2 = speaker2Motional(f);
    const JfValue d = denominator(f);
    pt.N1R = n1.re;
    pt.N1J = n1.im;
    pt.N2R = n2.re;
    pt.N2J = n2.im;
    pt.DR = d.re;
    pt.DJ = d.im;
    using cplx = std::complex<double>;
    const cplx den(d.re, d.im);
    const JfValue m12 = motional(f, c.B01 - c.B11, c.B02 - c.B12, c.B03 - c.B13, c.B04 - c.B14, c.B05 - c.B15);
    const JfValue m21 = motional(f, c.D11 - c.E11, c.D12 - c.E12, c.D13 - c.E13, c.D14 - c.E14, c.D15 - c.E15);
    const cplx z = parallelPairMotional(cplx(n1.re, n1.im) / den, cplx(m12.re, m12.im) / den,
                                        cplx(m21.re, m21.im) / den, cplx(n2.re, n2.im) / den,
                                        voiceCoilOverRES());
    pt.NU = std::norm(z);
    pt.DE = 1.0;
    impedance(z, 0.5);
    return 0;
}

int32_t CVDPSP1cal() {
    const double f = pointFrequency();
    displacement(speaker1Cone(f), f);
    return 0;
}

int32_t CVDPSP2cal() {
    const double f = pointFrequency();
    displacement(speaker2Cone(f), f);
    return 0;
}

int32_t CVDPSP1optcal() {
    const double f = pointFrequency();
    displacementMillimetres(speaker1Cone(f), f);
    return 0;
}

int32_t CVDPSP2optcal() {
    const double f = pointFrequency();
    displacementMillimetres(speaker2Cone(f), f);
    return 0;
}

int32_t CVPHcal() {
    const ResponseAngle angle = rawInDegrees(totalPhase(pointFrequency()), kPi);
    state.point.yy = static_cast<float>(followPhaseDegrees(angle, kPhaseFoldDeg, kPhaseFoldDeg));
    return 0;
}

int32_t CVGDcal() {
    const double f = pointFrequency();
    groupDelayFormWithNumerator(total(f), totalSlope(f), denominator(f), denominatorSlope(f));
    return 0;
}

int32_t CVNQcal() {
    PlotPoint& pt = state.point;
    const double f = pointFrequency();
    pt.NU = total(f).squared();
    pt.DE = denominator(f).squared();
    pt.gg = std::sqrt(pt.NU / pt.DE);
    plotNyquistPoint(totalPhase(f), kPi, kNyquistFoldRad, kNyquistFoldRad);
    return 0;
}

int32_t CVAScal() {
    const TransferCoefficients& c = state.coef;
    const double f = pointFrequency();
    airSpeedForm(polyAtJf({c.B23, c.B24, c.B25}, f).squared(), denominator(f).squared(), state.rscales.VEL);
    return 0;
}

// The total output over s*D(s): the transform of the step response.
int32_t CVStepSubstitution() {
    const TransferCoefficients& c = state.coef;
    setStepPolynomials({c.C11, c.C12, c.C13, c.C14, c.C15, 0.0, 0.0},
                       {c.A01, c.A02, c.A03, c.A04, c.A05, c.A06, c.A07, 0.0});
    return 0;
}

}  // namespace quendal
