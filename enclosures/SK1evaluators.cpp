// Serial Raveza Type1 evaluators and step polynomials.
#include <numbers>

#include "enclosures/SK1cal.h"
#include "engine/BandPassForms.h"
#include "engine/PointForms.h"
#include "model/State.h"

namespace quendal {

namespace {

constexpr double kPi = std::numbers::pi;
// The unit's display offsets: the phase page shows the folded phase 90
// degrees down, the Nyquist angle lies half a turn beyond it.
constexpr double kPhaseOffsetDegrees = -90.0;
constexpr double kNyquistOffsetRadians = 285.0 * kPi / 180.0 - kPi / 12.0;

JfValue sk1Denominator(double f) {
    const TransferCoefficients& c = state.coef;
    return polyAtJf({c.A01, c.A02, c.A03, c.A04, c.A05, c.A06, c.A07}, f);
}

JfValue sk1DenominatorSlope(double f) {
    const TransferCoefficients& c = state.coef;
    return polySlopeAtJf({c.A01, c.A02, c.A03, c.A04, c.A05, c.A06, c.A07}, f);
}

JfValue sk1Cone(double f) {
    const TransferCoefficients& c = state.coef;
    return polyAtJf({c.B01, c.B02, c.B03, c.B04, c.B05}, f);
}

// Chamber 3's resonance polynomial: the flow of vent 1 over that of vent 2.
JfValue sk1Chamber3(double f) { return polyAtJf({state.coef.B07, state.coef.B08, 1.0}, f); }

double sk1OutputSquared(double f) { return polyAtJf({1.0, 0.0, 0.0}, f).squared(); }

}  // namespace

void SK1vent2FRcal() {
    const double f = pointFrequency();
    amplitudeForm(sk1OutputSquared(f), sk1Denominator(f).squared());
}

void SK1vent1FRcal() {
    const double f = pointFrequency();
    amplitudeForm(polyAtJf({state.coef.B07, state.coef.B08, 1.0}, f, 2).squared(), sk1Denominator(f).squared());
}

void SK1PWcal() {
    const double f = pointFrequency();
    powerForm(sk1Cone(f).squared(), sk1Denominator(f).squared());
}

void SK1IMPcal() {
    const double f = pointFrequency();
    impedanceForm(times({0.0, state.coef.B06 * f}, sk1Cone(f)), sk1Denominator(f));
}

void SK1DPcal() {
    const double f = pointFrequency();
    // A07 = D(0): the relative curve starts at 0 dB at the lowest frequencies.
    displacementForm(sk1Cone(f).squared(), sk1Denominator(f).squared(), state.coef.A07, state.rscales.XD);
}

void SK1DPoptcal() {
    const double f = pointFrequency();
    displacementPeakForm(sk1Cone(f).squared(), sk1Denominator(f).squared(), state.rscales.XD);
}

void SK1PHcal() {
    const double f = pointFrequency();
    phaseForm(rawDenominatorPhaseDegrees(sk1Denominator(f)), kPhaseOffsetDegrees);
}

void SK1GDcal() {
    const double f = pointFrequency();
    groupDelayForm(sk1Denominator(f), sk1DenominatorSlope(f));
}

void SK1NQcal() {
    const double f = pointFrequency();
    const JfValue D = sk1Denominator(f);
    const ResponseAngle angle = rawDenominatorAngle(D);
    nyquistForm(sk1OutputSquared(f), D.squared(), angle, kNyquistOffsetRadians);
}

void SK1vent1AScal() {
    const double f = pointFrequency();
    airSpeedForm(sk1Chamber3(f).squared(), sk1Denominator(f).squared(), state.rscales.VEL1);
}

void SK1vent2AScal() {
    const double f = pointFrequency();
    airSpeedForm(1.0, sk1Denominator(f).squared(), state.rscales.VEL2);
}

int32_t SK1StepSubstitution() {
    const TransferCoefficients& c = state.coef;
    setStepPolynomials({1.0, 0.0, 0.0}, {c.A01, c.A02, c.A03, c.A04, c.A05, c.A06, c.A07, 0.0});
    return 0;
}

}  // namespace quendal
