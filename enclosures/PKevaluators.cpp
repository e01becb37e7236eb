// Passive Raveza evaluators and step polynomials.
#include <numbers>

#include "enclosures/PKcal.h"
#include "engine/BandPassForms.h"
#include "model/State.h"

namespace quendal {

namespace {

// The Nyquist angle of the system output lies half a turn from the
// denominator's folded phase.
constexpr double kNyquistOffsetRadians = std::numbers::pi;

JfValue pkDenominator(double f) {
    const TransferCoefficients& c = state.coef;
    return polyAtJf({c.A01, c.A02, c.A03, c.A04, c.A05, c.A06}, f, -1);
}

JfValue pkDenominatorSlope(double f) {
    const TransferCoefficients& c = state.coef;
    return polySlopeAtJf({c.A01, c.A02, c.A03, c.A04, c.A05, c.A06}, f, -1);
}

JfValue pkOutput(double f) { return polyAtJf({state.coef.B05, 0.0, 0.0}, f); }

JfValue pkCone(double f) {
    const TransferCoefficients& c = state.coef;
    return polyAtJf({c.B01, c.B02, c.B03, c.B04}, f, -1);
}

double pkRadiatorSquared() { return state.coef.B05 * state.coef.B05; }

}  // namespace

void PKFRcal() {
    const double f = pointFrequency();
    amplitudeForm(pkOutput(f).squared(), pkDenominator(f).squared());
}

void PKPWcal() {
    const double f = pointFrequency();
    powerForm(pkCone(f).squared(), pkDenominator(f).squared());
}

void PKIMPcal() {
    const double f = pointFrequency();
    impedanceForm(times({0.0, state.coef.B06 * f}, pkCone(f)), pkDenominator(f));
}

void PKdriverDPcal() {
    const double f = pointFrequency();
    displacementForm(pkCone(f).squared(), pkDenominator(f).squared(), state.coef.KX2, state.rscales.XD);
}

void PKdriverDPoptcal() {
    const double f = pointFrequency();
    displacementPeakForm(pkCone(f).squared(), pkDenominator(f).squared(), state.rscales.XD);
}

void PKprDPcal() {
    const double f = pointFrequency();
    displacementForm(pkRadiatorSquared(), pkDenominator(f).squared(), state.coef.KX2, state.rscales.XPR);
}

void PKprDPoptcal() {
    // The radiator's excursion on its own scale, as its curve draws it: the
    // maximum search must find the peak the graph shows.
    const double f = pointFrequency();
    displacementPeakForm(pkRadiatorSquared(), pkDenominator(f).squared(), state.rscales.XPR);
}

void PKPHcal() {
    const double f = pointFrequency();
    phaseForm(rawDenominatorPhaseDegrees(pkDenominator(f)), 0.0);
}

void PKGDcal() {
    const double f = pointFrequency();
    groupDelayForm(pkDenominator(f), pkDenominatorSlope(f));
}

void PKNQcal() {
    const double f = pointFrequency();
    const JfValue D = pkDenominator(f);
    const ResponseAngle angle = rawDenominatorAngle(D);
    nyquistForm(pkOutput(f).squared(), D.squared(), angle, kNyquistOffsetRadians);
}

int32_t PKStepSubstitution() {
    const TransferCoefficients& c = state.coef;
    // s D(s) is a plain fifth-degree polynomial: the 1/s term of D takes the
    // place of the step's extra power of s.
    setStepPolynomials({c.B05, 0.0, 0.0}, {c.A01, c.A02, c.A03, c.A04, c.A05, c.A06});
    return 0;
}

}  // namespace quendal
