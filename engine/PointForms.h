// Result forms of one sweep point for the units that take a magnitude as
// the square root of NU/DE: the Vented Box and Passive Radiator units and
// the serial and compound units.
//
// Each form takes the squared magnitudes NU of a curve's numerator and DE of
// the denominator at the point (the impedance takes both as complex values,
// its phase mattering where the coil is added), leaves them in
// state.point.NU and DE, and writes the point's result. The band-pass units
// have forms of their own (engine/BandPassForms.h): they normalise the
// level, and each unit keeps its own arithmetic. The air speed in a vent has
// one form for every unit.
#pragma once

#include <complex>

namespace quendal {

// Amplitude: yy = -10*log10(NU/DE), the level below the reference in dB.
void levelForm(double NU, double DE);

// Displacement-limited power rating with the ratio in double precision:
// yyLinea = P1/(NU/DE) in W, yy = log10 of it.
void powerRatingForm(double NU, double DE);

// The input impedance at the sweep point (ohm): the voice coils and the
// motional impedance in series, summed as complex values,
// |k*(RE + j*ZL*ff) + RES*zm|, with zm the motional impedance over RES and
// k the connection factor of the voice coils: 1 for one driver, 2 for a
// pair in series, 1/2 for a pair in parallel.
double inputImpedance(std::complex<double> motional, double connection = 1.0);

// The impedance of one voice coil over RES at the sweep point,
// (RE + j*ZL*ff)/RES: the coils' share in a pair solved as one network.
std::complex<double> voiceCoilOverRES();

// Impedance from the motional numerator N and denominator D at the point
// (zm = N/D over RES): NU = |N|^2, DE = |D|^2, ZVC = |zm|,
// yyLinea = inputImpedance(zm, k) (ohm). yy is not written.
void motionalImpedanceForm(std::complex<double> N, std::complex<double> D, double connection = 1.0);

// Peak speed of the air in a vent (m/s): yy = scale*f*(NU/DE)^(1/2), with
// NU/DE the squared ratio of the volume the vent's air moves to the volume
// the cone moves statically (on its suspension alone, under the same force)
// and scale the vent's VEL (ventAirSpeedScale): the air moves that volume at
// the angular frequency 2 pi FS f.
void airSpeedForm(double NU, double DE, double scale);

// The motional part of the impedance of two voice coils wired in parallel,
// over RES: one voltage across both, each coil's current the one its own
// resistance and both cones' motion leave. zij is the motional impedance
// over RES that the current in coil j induces in coil i (both drivers
// moving), r = voiceCoilOverRES() the coil's impedance on the same scale.
// The result is the pair's impedance less the two coils in parallel (r/2).
std::complex<double> parallelPairMotional(std::complex<double> z11, std::complex<double> z12,
                                          std::complex<double> z21, std::complex<double> z22,
                                          std::complex<double> r);

// Cone displacement: Magni 0 yy = -10*log10(K*(NU/DE)) with K the unit's
// relative factor, Magni 1 yy = XD*(NU/DE)^(1/2) in mm; any other Magni
// leaves yy.
void coneDisplacementForm(double NU, double DE, double relative = 1.0);

// yy = scale*(NU/DE)^(1/2): a displacement in mm for the peak search (scale
// XD or XPR).
void scaledMagnitudeForm(double NU, double DE, double scale);

}  // namespace quendal
