// Twin Vented evaluators and step polynomials.
//
// With equal tunings and equal losses the two vents cancel: the system
// numerator vanishes at every frequency, and the system amplitude, phase,
// group delay and Nyquist point have no value there (NaN, a point the sweeps
// skip), while the vent curves stay finite.
#include <numbers>

#include "enclosures/TVcal.h"
#include "engine/BandPassForms.h"
#include "engine/PointForms.h"
#include "model/State.h"

namespace quendal {

namespace {

constexpr double kPi = std::numbers::pi;
// The unit's display offsets: the phase page shows the folded phase 67.5
// degrees down (-90 + 15 + 7.5), the Nyquist angle lies half a turn beyond.
constexpr double kPhaseOffsetDegrees = -90.0 + 15.0 + 7.5;
constexpr double kNyquistOffsetRadians = 1.25 * kPi + kPi / 8.0;

JfValue tvDenominator(double f) {
    const TransferCoefficients& c = state.coef;
    return polyAtJf({c.A01, c.A02, c.A03, c.A04, c.A05, c.A06, 1.0}, f);
}

JfValue tvDenominatorSlope(double f) {
    const TransferCoefficients& c = state.coef;
    return polySlopeAtJf({c.A01, c.A02, c.A03, c.A04, c.A05, c.A06, 1.0}, f);
}

// N(s) = B13 s^4 + B23 s^3, vent 1 minus vent 2.
JfValue tvOutput(double f) { return polyAtJf({state.coef.B13, state.coef.B23}, f, 3); }
JfValue tvOutputSlope(double f) { return polySlopeAtJf({state.coef.B13, state.coef.B23}, f, 3); }

// Vent flows over the cone's: chamber 2's tuning polynomial for vent 1,
// chamber 1's for vent 2.
JfValue tvVent1Flow(double f) { return polyAtJf({state.coef.B11, state.coef.B21, 1.0}, f); }
JfValue tvVent2Flow(double f) { return polyAtJf({state.coef.B12, state.coef.B22, 1.0}, f); }

JfValue tvCone(double f) {
    const TransferCoefficients& c = state.coef;
    return polyAtJf({c.B14, c.B24, c.B34, c.B44, 1.0}, f);
}

}  // namespace

void TVFRcal() {
    const double f = pointFrequency();
    amplitudeForm(tvOutput(f).squared(), tvDenominator(f).squared());
}

void TVvent1FRcal() {
    const double f = pointFrequency();
    amplitudeForm(polyAtJf({state.coef.B11, state.coef.B21, 1.0}, f, 2).squared(), tvDenominator(f).squared());
}

void TVvent2FRcal() {
    const double f = pointFrequency();
    amplitudeForm(polyAtJf({state.coef.B12, state.coef.B22, 1.0}, f, 2).squared(), tvDenominator(f).squared());
}

void TVPWcal() {
    const double f = pointFrequency();
    powerForm(tvCone(f).squared(), tvDenominator(f).squared());
}

void TVIMPcal() {
    const double f = pointFrequency();
    const TransferCoefficients& c = state.coef;
    impedanceForm(polyAtJf({c.B15, c.B25, c.B35, c.B45, c.B55}, f, 1), tvDenominator(f));
}

void TVDPcal() {
    const double f = pointFrequency();
    // D(0) = 1: no relative factor.
    displacementForm(tvCone(f).squared(), tvDenominator(f).squared(), 1.0, state.rscales.XD);
}

void TVDPoptcal() {
    const double f = pointFrequency();
    displacementPeakForm(tvCone(f).squared(), tvDenominator(f).squared(), state.rscales.XD);
}

void TVPHcal() {
    const double f = pointFrequency();
    phaseForm(rawPhaseDegrees(tvOutput(f), tvDenominator(f)), kPhaseOffsetDegrees);
}

void TVGDcal() {
    const double f = pointFrequency();
    groupDelayFormWithNumerator(tvOutput(f), tvOutputSlope(f), tvDenominator(f), tvDenominatorSlope(f));
}

void TVNQcal() {
    const double f = pointFrequency();
    const JfValue N = tvOutput(f);
    const JfValue D = tvDenominator(f);
    const ResponseAngle angle = rawAngle(N, D);
    nyquistForm(N.squared(), D.squared(), angle, kNyquistOffsetRadians);
}

void TVvent1AScal() {
    const double f = pointFrequency();
    airSpeedForm(tvVent1Flow(f).squared(), tvDenominator(f).squared(), state.rscales.VEL1);
}

void TVvent2AScal() {
    const double f = pointFrequency();
    airSpeedForm(tvVent2Flow(f).squared(), tvDenominator(f).squared(), state.rscales.VEL2);
}

int32_t TVStepSubstitution() {
    const TransferCoefficients& c = state.coef;
    setStepPolynomials({c.B13, c.B23, 0.0, 0.0, 0.0}, {c.A01, c.A02, c.A03, c.A04, c.A05, c.A06, 1.0, 0.0});
    return 0;
}

}  // namespace quendal
