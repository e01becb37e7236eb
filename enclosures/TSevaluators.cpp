// Twin Serial evaluators and step polynomials.
//
// Every curve stands over the common denominator D; the system output
// N = s^2*(V3 - V2) combines the two radiating vents in antiphase. The
// evaluators leave the numerator's and denominator's parts at the point in
// N1R / N1J and D1R / D1J.
#include <numbers>

#include "enclosures/TScal.h"
#include "engine/BandPassForms.h"
#include "engine/PointForms.h"
#include "model/State.h"

namespace quendal {

namespace {

constexpr double kPi = std::numbers::pi;
// The unit's display offsets: the phase page shows the folded phase 60
// degrees down (-90 + 30), the Nyquist angle half a turn beyond (240 down).
constexpr double kPhaseOffsetDegrees = -90.0 + 30.0;
constexpr double kNyquistOffsetRadians = 1.25 * kPi + kPi / 12.0;

// Keeps a curve's numerator and the denominator in the named intermediates.
void keep(JfValue N, JfValue D) {
    PlotPoint& p = state.point;
    p.N1R = N.re;
    p.N1J = N.im;
    p.D1R = D.re;
    p.D1J = D.im;
}

JfValue denominator(double f) {
    const TransferCoefficients& c = state.coef;
    return polyAtJf({c.A01, c.A02, c.A03, c.A04, c.A05, c.A06, c.A07, c.A08, 1.0}, f);
}

JfValue denominatorSlope(double f) {
    const TransferCoefficients& c = state.coef;
    return polySlopeAtJf({c.A01, c.A02, c.A03, c.A04, c.A05, c.A06, c.A07, c.A08, 1.0}, f);
}

// N(s) = B11 s^6 + B12 s^5 + B13 s^4 + B14 s^3.
JfValue systemOutput(double f) {
    const TransferCoefficients& c = state.coef;
    return polyAtJf({c.B11, c.B12, c.B13, c.B14}, f, 3);
}

JfValue systemOutputSlope(double f) {
    const TransferCoefficients& c = state.coef;
    return polySlopeAtJf({c.B11, c.B12, c.B13, c.B14}, f, 3);
}

// The vent polynomials V1, V2, V3, without (lowest power 0) or with (lowest
// power 2) the factor s^2 of their radiation.
JfValue vent1(double f, int lowest) {
    const TransferCoefficients& c = state.coef;
    return polyAtJf({c.B51, c.B52, c.B53, c.B54, 1.0}, f, lowest);
}

JfValue vent2(double f, int lowest) { return polyAtJf({state.coef.B23, state.coef.B24, 1.0}, f, lowest); }

JfValue vent3(double f, int lowest) {
    const TransferCoefficients& c = state.coef;
    return polyAtJf({c.B31, c.B32, c.B33, c.B34, 1.0}, f, lowest);
}

JfValue cone(double f) {
    const TransferCoefficients& c = state.coef;
    return polyAtJf({c.B41, c.B42, c.B43, c.B44, c.B45, c.B46, 1.0}, f);
}

// D01*s*C: the motional impedance over D.
JfValue motional(double f) {
    const TransferCoefficients& c = state.coef;
    const double q = c.D01;
    return polyAtJf({q * c.B41, q * c.B42, q * c.B43, q * c.B44, q * c.B45, q * c.B46, q}, f, 1);
}

void amplitude(JfValue N, JfValue D) {
    keep(N, D);
    amplitudeForm(N.squared(), D.squared());
}

void airSpeed(JfValue N, JfValue D, double scale) {
    keep(N, D);
    airSpeedForm(N.squared(), D.squared(), scale);
}

}  // namespace

void TSFRcal() {
    const double f = pointFrequency();
    amplitude(systemOutput(f), denominator(f));
}

void TSvent1FRcal() {
    const double f = pointFrequency();
    amplitude(vent1(f, 2), denominator(f));
}

void TSvent2FRcal() {
    const double f = pointFrequency();
    amplitude(vent2(f, 2), denominator(f));
}

void TSvent3FRcal() {
    const double f = pointFrequency();
    amplitude(vent3(f, 2), denominator(f));
}

void TSPWcal() {
    const double f = pointFrequency();
    const JfValue C = cone(f), D = denominator(f);
    keep(C, D);
    powerForm(C.squared(), D.squared());
}

void TSIMPcal() {
    const double f = pointFrequency();
    const JfValue M = motional(f), D = denominator(f);
    keep(M, D);
    impedanceForm(M, D);
}

void TSDPcal() {
    const double f = pointFrequency();
    const JfValue C = cone(f), D = denominator(f);
    keep(C, D);
    // C(0) = D(0) = 1: no relative factor.
    displacementForm(C.squared(), D.squared(), 1.0, state.rscales.XD);
}

void TSDPoptcal() {
    const double f = pointFrequency();
    const JfValue C = cone(f), D = denominator(f);
    keep(C, D);
    displacementPeakForm(C.squared(), D.squared(), state.rscales.XD);
}

void TSPHcal() {
    const double f = pointFrequency();
    const JfValue N = systemOutput(f), D = denominator(f);
    keep(N, D);
    phaseForm(rawPhaseDegrees(N, D), kPhaseOffsetDegrees);
}

void TSGDcal() {
    const double f = pointFrequency();
    const JfValue N = systemOutput(f), D = denominator(f);
    keep(N, D);
    groupDelayFormWithNumerator(N, systemOutputSlope(f), D, denominatorSlope(f));
}

void TSNQcal() {
    const double f = pointFrequency();
    const JfValue N = systemOutput(f), D = denominator(f);
    keep(N, D);
    const ResponseAngle angle = rawAngle(N, D);
    nyquistForm(N.squared(), D.squared(), angle, kNyquistOffsetRadians);
}

void TSvent1AScal() {
    const double f = pointFrequency();
    airSpeed(vent1(f, 0), denominator(f), state.rscales.VEL1);
}

void TSvent2AScal() {
    const double f = pointFrequency();
    airSpeed(vent2(f, 0), denominator(f), state.rscales.VEL2);
}

void TSvent3AScal() {
    const double f = pointFrequency();
    airSpeed(vent3(f, 0), denominator(f), state.rscales.VEL3);
}

int32_t TSStepSubstitution() {
    const TransferCoefficients& c = state.coef;
    setStepPolynomials({c.B11, c.B12, c.B13, c.B14, 0.0, 0.0, 0.0},
                       {c.A01, c.A02, c.A03, c.A04, c.A05, c.A06, c.A07, c.A08, 1.0, 0.0});
    return 0;
}

}  // namespace quendal
