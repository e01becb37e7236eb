// Delta Vented evaluators and step polynomials.
//
// The system output is vent 3; its numerator N3 = s^2*(P2 - P1) vanishes at
// every frequency when the inner chambers share tuning and losses. The
// system amplitude, phase, group delay and Nyquist point then have no value
// (NaN, a point the sweeps skip), while the inner-vent curves stay finite.
#include <numbers>

#include "enclosures/DELcal.h"
#include "engine/BandPassForms.h"
#include "engine/PointForms.h"
#include "model/State.h"

namespace quendal {

namespace {

constexpr double kPi = std::numbers::pi;
// The unit's display offsets: the phase page shows the folded phase 150
// degrees down (-180 + 30), the Nyquist angle 330 degrees down.
constexpr double kPhaseOffsetDegrees = -180.0 + 30.0;
constexpr double kNyquistOffsetRadians = 1.75 * kPi + kPi / 12.0;

JfValue denominator(double f) {
    const TransferCoefficients& c = state.coef;
    return polyAtJf({c.A01, c.A02, c.A03, c.A04, c.A05, c.A06, c.A07, c.A08, 1.0}, f);
}

JfValue denominatorSlope(double f) {
    const TransferCoefficients& c = state.coef;
    return polySlopeAtJf({c.A01, c.A02, c.A03, c.A04, c.A05, c.A06, c.A07, c.A08, 1.0}, f);
}

// N3(s) = B31 s^4 + B32 s^3, the radiation of vent 3.
JfValue systemOutput(double f) { return polyAtJf({state.coef.B31, state.coef.B32}, f, 3); }
JfValue systemOutputSlope(double f) { return polySlopeAtJf({state.coef.B31, state.coef.B32}, f, 3); }

// The inner vents' flows into chamber 3, without (lowest power 0) or with
// (lowest power 2) the factor s^2 of their radiation.
JfValue vent1(double f, int lowest) {
    const TransferCoefficients& c = state.coef;
    return polyAtJf({c.B11, c.B12, c.B13, c.B14, c.B15}, f, lowest);
}

JfValue vent2(double f, int lowest) {
    const TransferCoefficients& c = state.coef;
    return polyAtJf({c.B21, c.B22, c.B23, c.B24, c.B25}, f, lowest);
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

}  // namespace

void DeltaFRcal() {
    const double f = pointFrequency();
    amplitudeForm(systemOutput(f).squared(), denominator(f).squared());
}

void DeltaVent1FRcal() {
    const double f = pointFrequency();
    amplitudeForm(vent1(f, 2).squared(), denominator(f).squared());
}

void DeltaVent2FRcal() {
    const double f = pointFrequency();
    amplitudeForm(vent2(f, 2).squared(), denominator(f).squared());
}

void DeltaPWcal() {
    const double f = pointFrequency();
    powerForm(cone(f).squared(), denominator(f).squared());
}

void DeltaIMPcal() {
    const double f = pointFrequency();
    impedanceForm(motional(f), denominator(f));
}

void DeltaDPcal() {
    const double f = pointFrequency();
    // C(0) = D(0) = 1: no relative factor.
    displacementForm(cone(f).squared(), denominator(f).squared(), 1.0, state.rscales.XD);
}

void DeltaDPoptcal() {
    const double f = pointFrequency();
    displacementPeakForm(cone(f).squared(), denominator(f).squared(), state.rscales.XD);
}

void DeltaPHcal() {
    const double f = pointFrequency();
    phaseForm(rawPhaseDegrees(systemOutput(f), denominator(f)), kPhaseOffsetDegrees);
}

void DeltaGDcal() {
    const double f = pointFrequency();
    groupDelayFormWithNumerator(systemOutput(f), systemOutputSlope(f), denominator(f), denominatorSlope(f));
}

void DeltaNQcal() {
    const double f = pointFrequency();
    const JfValue N = systemOutput(f);
    const JfValue D = denominator(f);
    const ResponseAngle angle = rawAngle(N, D);
    nyquistForm(N.squared(), D.squared(), angle, kNyquistOffsetRadians);
}

void DeltaVent1AScal() {
    const double f = pointFrequency();
    airSpeedForm(vent1(f, 0).squared(), denominator(f).squared(), state.rscales.VEL1);
}

void DeltaVent2AScal() {
    const double f = pointFrequency();
    airSpeedForm(vent2(f, 0).squared(), denominator(f).squared(), state.rscales.VEL2);
}

void DeltaVent3AScal() {
    const double f = pointFrequency();
    airSpeedForm(polyAtJf({state.coef.B31, state.coef.B32}, f, 1).squared(), denominator(f).squared(),
                 state.rscales.VEL3);
}

int32_t DeltaStepSubstitution() {
    const TransferCoefficients& c = state.coef;
    setStepPolynomials({c.B31, c.B32, 0.0, 0.0, 0.0},
                       {c.A01, c.A02, c.A03, c.A04, c.A05, c.A06, c.A07, c.A08, 1.0, 0.0});
    return 0;
}

}  // namespace quendal
