// Raveza Box evaluators and step polynomials.
#include <numbers>

#include "enclosures/KTcal.h"
#include "engine/BandPassForms.h"
#include "engine/PointForms.h"
#include "model/State.h"

namespace quendal {

namespace {

// The Nyquist angle of the system output s^2 lies half a turn from the
// denominator's folded phase.
constexpr double kNyquistOffsetRadians = std::numbers::pi;

JfValue ktDenominator(double f) {
    const TransferCoefficients& c = state.coef;
    return polyAtJf({c.A01, c.A02, c.A03, c.A04, c.A05}, f);
}

JfValue ktDenominatorSlope(double f) {
    const TransferCoefficients& c = state.coef;
    return polySlopeAtJf({c.A01, c.A02, c.A03, c.A04, c.A05}, f);
}

JfValue ktOutput(double f) { return polyAtJf({1.0, 0.0, 0.0}, f); }

JfValue ktCone(double f) {
    const TransferCoefficients& c = state.coef;
    return polyAtJf({c.B01, c.B02, 1.0}, f);
}

}  // namespace

void KTFRcal() {
    const double f = pointFrequency();
    amplitudeForm(ktOutput(f).squared(), ktDenominator(f).squared());
}

void KTPWcal() {
    const double f = pointFrequency();
    powerForm(ktCone(f).squared(), ktDenominator(f).squared());
}

void KTIMPcal() {
    const double f = pointFrequency();
    // B03 s C(s)
    impedanceForm(times({0.0, state.coef.B03 * f}, ktCone(f)), ktDenominator(f));
}

void KTDPcal() {
    const double f = pointFrequency();
    // A05 = D(0): the relative curve starts at 0 dB at the lowest frequencies.
    displacementForm(ktCone(f).squared(), ktDenominator(f).squared(), state.coef.A05, state.rscales.XD);
}

void KTDPoptcal() {
    const double f = pointFrequency();
    displacementPeakForm(ktCone(f).squared(), ktDenominator(f).squared(), state.rscales.XD);
}

void KTPHcal() {
    const double f = pointFrequency();
    phaseForm(rawDenominatorPhaseDegrees(ktDenominator(f)), 0.0);
}

void KTGDcal() {
    const double f = pointFrequency();
    groupDelayForm(ktDenominator(f), ktDenominatorSlope(f));
}

void KTNQcal() {
    const double f = pointFrequency();
    const JfValue D = ktDenominator(f);
    const ResponseAngle angle = rawDenominatorAngle(D);
    nyquistForm(ktOutput(f).squared(), D.squared(), angle, kNyquistOffsetRadians);
}

void KTAScal() {
    const double f = pointFrequency();
    airSpeedForm(1.0, ktDenominator(f).squared(), state.rscales.VEL);
}

int32_t KTStepSubstitution() {
    const TransferCoefficients& c = state.coef;
    setStepPolynomials({1.0, 0.0, 0.0}, {c.A01, c.A02, c.A03, c.A04, c.A05, 0.0});
    return 0;
}

}  // namespace quendal
