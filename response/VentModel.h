// The acoustics of a vent: the air in a pipe is the mass of a Helmholtz
// resonator whose spring is the air of the chamber it opens from.
//
// A chamber of volume V (compliance V / (rho c^2)) and a group of vents of
// total area S and effective length Leff (mass rho Leff / S) resonate at
//   w^2 = c^2 S / (V Leff),   so   Leff = c^2 S / (w^2 V).
// The air moving in a pipe reaches beyond its ends: the effective length is
// the pipe's length plus one end correction per end, each a multiple of the
// pipe's radius (of the equivalent radius, half the hydraulic diameter, for
// a rectangle). A port is a hole through the panel, flush with both of its
// faces: both ends are flanged. A duct stands into the chamber: its outer
// end is flanged by the baffle, its inner end is free. The acoustic model is the lumped one: valid while the vent
// is short against the wavelength at the tuning.
//
// Everything here is in SI units (m, m^2, m^3, Hz, m/s) and keeps no state.
#pragma once

#include <numbers>

namespace quendal {

// End correction of an end that opens in a panel: the
// radiation mass of a piston in an infinite baffle at low frequency,
// 8 / (3 pi) of its radius (Rayleigh).
inline constexpr double kFlangedEndCorrection = 8.0 / (3.0 * std::numbers::pi);
// End correction of a duct's inner end, which stands free in the chamber: an
// unflanged circular pipe at low frequency, 0.6133 of its radius (Levine
// and Schwinger).
inline constexpr double kFreeEndCorrection = 0.6133;
// Both ends together, in radii: of a port, and of a duct.
inline constexpr double kPortEndCorrection = 2.0 * kFlangedEndCorrection;
inline constexpr double kDuctEndCorrection = kFlangedEndCorrection + kFreeEndCorrection;

// Effective length (m) of vents of total area `areaM2` that tune a chamber
// of `volumeM3` to `tuningHz` at the speed of sound `c` (m/s).
double helmholtzLength(double areaM2, double volumeM3, double tuningHz, double c);

// The radius of the circle with the same hydraulic diameter as a w x h
// rectangle: 2wh / (w + h) / 2.
double hydraulicRadius(double widthM, double heightM);

// The length (m) of a duct of total area `areaM2` and (equivalent) radius
// `radiusM` per pipe that tunes the chamber: the effective length less the
// two end corrections of a duct. Zero or negative when even the end corrections
// alone are too much mass.
double ductLength(double areaM2, double radiusM, double volumeM3, double tuningHz, double c);

// A port of given length (m), both ends flanged: `count` circular pipes of equal radius that
// tune the chamber; the radius (m) of each.
double portRadius(double lengthM, double count, double volumeM3, double tuningHz, double c);
// `count` square pipes: the side (m) of each.
double squarePortSide(double lengthM, double count, double volumeM3, double tuningHz, double c);
// `count` rectangular pipes of width `widthM`: the height (m) of each.
double rectangularPortHeight(double widthM, double lengthM, double count, double volumeM3, double tuningHz,
                             double c);

}  // namespace quendal
