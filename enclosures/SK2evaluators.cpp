// Serial Raveza Type2 evaluators and step polynomials.
#include <numbers>

#include "enclosures/SK2cal.h"
#include "engine/BandPassForms.h"
#include "engine/PointForms.h"
#include "model/State.h"

namespace quendal {

namespace {

constexpr double kPi = std::numbers::pi;
// The unit's display offsets: the phase page shows the folded phase 75
// degrees down (-90 + 15), the Nyquist angle lies half a turn beyond it.
constexpr double kPhaseOffsetDegrees = -90.0 + 15.0;
constexpr double kNyquistOffsetRadians = 1.25 * kPi + kPi / 6.0;

JfValue sk2Denominator(double f) {
    const TransferCoefficients& c = state.coef;
    return polyAtJf({c.A01, c.A02, c.A03, c.A04, c.A05, c.A06, c.A07}, f);
}

JfValue sk2DenominatorSlope(double f) {
    const TransferCoefficients& c = state.coef;
    return polySlopeAtJf({c.A01, c.A02, c.A03, c.A04, c.A05, c.A06, c.A07}, f);
}

JfValue sk2Cone(double f) {
    const TransferCoefficients& c = state.coef;
    return polyAtJf({c.B01, c.B02, c.B03, c.B04, c.B05}, f);
}

// Chamber 2's resonance polynomial: the flow of vent 1 over that of vent 2.
JfValue sk2Chamber2(double f) { return polyAtJf({state.coef.B07, state.coef.B08, 1.0}, f); }

double sk2OutputSquared(double f) { return polyAtJf({state.coef.B05, 0.0, 0.0}, f).squared(); }

}  // namespace

void SK2vent2FRcal() {
    const double f = pointFrequency();
    amplitudeForm(sk2OutputSquared(f), sk2Denominator(f).squared());
}

void SK2vent1FRcal() {
    const double f = pointFrequency();
    amplitudeForm(polyAtJf({state.coef.B07, state.coef.B08, 1.0}, f, 2).squared(), sk2Denominator(f).squared());
}

void SK2PWcal() {
    const double f = pointFrequency();
    powerForm(sk2Cone(f).squared(), sk2Denominator(f).squared());
}

void SK2IMPcal() {
    const double f = pointFrequency();
    impedanceForm(times({0.0, state.coef.B06 * f}, sk2Cone(f)), sk2Denominator(f));
}

void SK2DPcal() {
    const double f = pointFrequency();
    // D(0) = 1: no relative factor.
    displacementForm(sk2Cone(f).squared(), sk2Denominator(f).squared(), 1.0, state.rscales.XD);
}

void SK2DPoptcal() {
    const double f = pointFrequency();
    displacementPeakForm(sk2Cone(f).squared(), sk2Denominator(f).squared(), state.rscales.XD);
}

void SK2PHcal() {
    const double f = pointFrequency();
    phaseForm(rawDenominatorPhaseDegrees(sk2Denominator(f)), kPhaseOffsetDegrees);
}

void SK2GDcal() {
    const double f = pointFrequency();
    groupDelayForm(sk2Denominator(f), sk2DenominatorSlope(f));
}

void SK2NQcal() {
    const double f = pointFrequency();
    const JfValue D = sk2Denominator(f);
    const ResponseAngle angle = rawDenominatorAngle(D);
    nyquistForm(polyAtJf({1.0, 0.0, 0.0}, f).squared(), D.squared(), angle, kNyquistOffsetRadians);
}

// Each vent with its own flow: vent 1 carries chamber 2's resonance
// polynomial (it feeds both the chamber and vent 2), vent 2 the output flow.
void SK2vent1AScal() {
    const double f = pointFrequency();
    airSpeedForm(sk2Chamber2(f).squared(), sk2Denominator(f).squared(), state.rscales.VEL1);
}

void SK2vent2AScal() {
    const double f = pointFrequency();
    airSpeedForm(state.coef.B05 * state.coef.B05, sk2Denominator(f).squared(), state.rscales.VEL2);
}

int32_t SK2StepSubstitution() {
    const TransferCoefficients& c = state.coef;
    // H(s)/s: the step response itself, like every other band-pass system.
    setStepPolynomials({c.B05, 0.0, 0.0}, {c.A01, c.A02, c.A03, c.A04, c.A05, c.A06, c.A07, 0.0});
    return 0;
}

}  // namespace quendal
