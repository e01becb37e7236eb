// The forms every band-pass and twin-vented unit is built from.
//
// A band-pass unit describes each curve as N(s)/D(s) in the complex frequency
// s normalised to the driver's resonance FS, and evaluates it at s = j*f.
// What the units have in common lives here once: evaluating a coefficient
// list at s = j*f (and the slope of its parts for the group delay), building
// the current-drive coefficients of the impedance curves, the pass-band
// level normalisation KNQ / siftUpDwn, the result form of each response kind
// with its Magni branches, the phase and Nyquist unwrapping, the group delay
// and the step polynomials. Each unit's named routines are thin uses of these.
// The other units load their step polynomials here as well.
//
// All forms read and write the program-wide state (quendal::state): the
// sweep point f, ff and the results yy, yyLinea, xx, the intermediates NU,
// DE, gg, ZVC, NU1, NU2, ... and the unwrap state ss, yy2, fai, fai2.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>

#include "engine/PhaseUnwrap.h"

namespace quendal {

// The value of a polynomial at s = j*f: real and imaginary part.
struct JfValue {
    double re = 0.0;
    double im = 0.0;
    double squared() const { return re * re + im * im; }
};

// ---- Polynomials at s = j*f -------------------------------------------------

// P(s) = c[0]*s^top + c[1]*s^(top-1) + ... + c[n-1]*s^lowest, with
// top = lowest + n - 1, at s = j*f. lowestPower is 0 for an ordinary
// polynomial, -1 for a list that ends in a term in 1/s, 2 for a numerator
// whose last coefficient multiplies s^2. Evaluated by Horner's rule in
// s = j*f, then multiplied by (j*f)^lowestPower.
JfValue polyAtJf(const double* c, std::size_t n, double f, int lowestPower = 0);
inline JfValue polyAtJf(std::initializer_list<double> c, double f, int lowestPower = 0) {
    return polyAtJf(c.begin(), c.size(), f, lowestPower);
}

// The derivative by f of the real and of the imaginary part of the same
// polynomial at s = j*f (the group delay's R' and I').
JfValue polySlopeAtJf(const double* c, std::size_t n, double f, int lowestPower = 0);
inline JfValue polySlopeAtJf(std::initializer_list<double> c, double f, int lowestPower = 0) {
    return polySlopeAtJf(c.begin(), c.size(), f, lowestPower);
}

// The product of two values at s = j*f.
JfValue times(JfValue a, JfValue b);

// The sweep point's normalised frequency f, from single precision.
double pointFrequency();

// ---- Coefficient routine ----------------------------------------------------

// Builds the coefficients and the pass-band level of a band-pass unit, after
// its alignment has run. fill() writes the unit's coefficient sets reading
// the Q from state.speaker.QTS; normalise() sets the level (usually through
// setReferencePoint and normaliseLevel below).
//
// While the current-drive coefficients of the impedance curves are built
// (engine/ImpedancePageQ.h) QMS stands in for QTS while fill() runs, and QTS
// holds the total Q again afterwards. The level normalisation is always built
// from the total-Q coefficients, so that KNQ and siftUpDwn are the same in
// both: the current-drive coefficients are built once with QTS for the level
// and then again with QMS for the curves.
void buildBandPassCoefficients(void (*fill)(), void (*normalise)());

// The reference point of the level normalisation: f := fRef in single
// precision; returns that single-precision value as a double, with which the
// unit then evaluates its system numerator and denominator.
double setReferencePoint(double fRef);

// The pass-band normalisation from the squared magnitudes of the system
// numerator and denominator at the reference point: NU, DE, gg = (NU/DE)^0.5,
// KNQ = 1/gg, siftUpDwn = -20*log10(gg). A reference gain that is zero or not
// finite leaves the level neutral (KNQ 1, siftUpDwn 0) rather than carrying
// an infinite scale into every curve.
void normaliseLevel(double numeratorSquared, double denominatorSquared);

// ---- Result forms of one sweep point ----------------------------------------
// Each takes the squared magnitudes NU of the curve's numerator and DE of the
// denominator at the point (and leaves them in state.point.NU / DE); the
// impedance takes both as complex values.

// Amplitude in dB with the sign reversed: Magni 0 relative to the system's
// level at the reference point (KNQ), Magni 1 unnormalised; any other Magni
// leaves yy as it was. A numerator that vanishes has no level: yy becomes
// NaN, a point the sweeps skip.
void amplitudeForm(double NU, double DE);

// Displacement-limited power rating: r = NU/DE in single precision,
// yyLinea = P1/r (W), yy = log10 of it.
void powerForm(double NU, double DE);

// Impedance from the motional numerator N and denominator D at the point
// (their squared magnitudes left in NU and DE): ZVC = (NU/DE)^0.5, yyLinea
// = |RE + j*ZL*ff + RES*N/D| (ohm), the coil and the motional impedance
// summed as complex values; yy is not written.
void impedanceForm(JfValue N, JfValue D);

// Displacement: Magni 0 yy = -10*log10(K^2*NU/DE) (K the unit's relative
// factor, 1 for none), Magni 1 yy = scale*(NU/DE)^0.5 in mm with the scale
// XD (cone) or XPR (passive radiator); any other Magni leaves yy.
void displacementForm(double NU, double DE, double K, double scale);

// Displacement for the maximum search: yy = scale*(NU/DE)^0.5 whatever Magni.
void displacementPeakForm(double NU, double DE, double scale);

// The air speed in a vent: airSpeedForm (engine/PointForms.h), the same for
// every unit.

// ---- Phase, group delay, Nyquist --------------------------------------------

// Raw phase in degrees of N/D from arc tangents of ratios (known modulo 180):
// (atan(Im N/Re N) - atan(Im D/Re D))*180/pi, with the full-quadrant angle of
// N/D. Leaves the two ratios in PH1 and PH2.
ResponseAngle rawPhaseDegrees(JfValue N, JfValue D);

// Raw phase in degrees of a real numerator over D: -atan(Im D/Re D)*180/pi,
// with the full-quadrant angle of 1/D; leaves Im D in NU and Re D in DE.
ResponseAngle rawDenominatorPhaseDegrees(JfValue D);

// The phase page's fold and unwrap of a raw phase (sweep from high to low
// frequency): fold into 0..180, move ss by half turns to follow the phase
// (at the first point, by 180 degrees when the fold jumped by more than 160
// against yy2; later, onto the branch the full-quadrant angle gives), keep
// the folded value in yy2, and yy = folded + ss + offsetDegrees in single
// precision. A raw phase that is not a number (a vanishing numerator) gives
// yy NaN and leaves the unwrap state alone.
void phaseForm(ResponseAngle angle, double offsetDegrees);

// Group delay (ms) for a real numerator: NU1 = I'*R, NU2 = I*R', DE = R^2+I^2
// of D and its slope; yy = ((NU1-NU2)/DE)/(FS*PI2)*1000.
void groupDelayForm(JfValue D, JfValue dD);

// Group delay (ms) for a numerator with a phase of its own: the same terms for
// N (NU11, NU12, DE1) and D (NU21, NU22, DE2);
// yy = -((NU11-NU12)/DE1 - (NU21-NU22)/DE2)/(FS*PI2)*1000. A vanishing
// numerator gives NaN.
void groupDelayFormWithNumerator(JfValue N, JfValue dN, JfValue D, JfValue dD);

// Nyquist point (sweep from high to low frequency): gg = KNQ*(NU/DE)^0.5
// whatever Magni; the raw angle (radians) folded into 0..pi, ss moved by
// half turns to follow it as on the phase page (limit 2.7925 rad against
// fai2 at the first point), fai2 kept,
// fai = fai + ss - offsetRadians; xx = gg*cos(fai), yy = gg*sin(fai) in single
// precision. An angle or radius that is not a number gives xx, yy NaN and
// leaves the unwrap state alone.
void nyquistForm(double NU, double DE, ResponseAngle angle, double offsetRadians);

// Raw angle in radians of N/D, and of a real numerator over D (which also
// leaves Im D in PN and Re D in PD), each with its full-quadrant angle.
ResponseAngle rawAngle(JfValue N, JfValue D);
ResponseAngle rawDenominatorAngle(JfValue D);

// ---- Step response ----------------------------------------------------------

// Fills StepPolynomials with H(s)/s, highest power first from index 1: the
// degree is set first, the numerator is filled first; nothing beyond degree+1
// is written and no index above 20.
void setStepPolynomials(std::initializer_list<double> numerator, std::initializer_list<double> denominator);

}  // namespace quendal
