// The Twin Serial Vented unit: one driver and three vented chambers. The
// driver's rear drives chamber 1; vent 1 is two equal branches, from chamber 1
// into chamber 2 and into chamber 3; vents 2 and 3 lead from chambers 2 and 3
// to the outside. The driver's front, vent 2 and vent 3 radiate.
//
// Every output is a polynomial in s (normalised to FS) over the common
// denominator D(s) = A01 s^9 + .. + A09 s:
//   total  B01 s^9 .. B07 s^3     driver  B11 s^9 .. B17 s^3 (cone: the same over s^2)
//   vent 2 B21 s^5 .. B23 s^3     vent 3  B31 s^5 .. B33 s^3
//   vent 1 (mean of its branches) B61 s^7 .. B65 s^3; branches B41.., B51..
//   impedance factor D01 = 1/Q
#pragma once

#include <cstdint>

namespace quendal {

// Alignments: 1 "Type1", 2 "Type2", 3 "Custom".
int32_t PVtype1();
int32_t PVtype2();
int32_t PVCustom();

// Re-arms the one-time resizing of vent 1, runs the alignment of Alin and
// fills the coefficients.
int32_t PVcofCal();

int32_t PVFRcal();        // amplitude, total
int32_t PVdirctFRcal();   // amplitude, the driver's direct radiation
int32_t PVvent2FRcal();   // amplitude, vent 2
int32_t PVvent3FRcal();   // amplitude, vent 3
int32_t PVPWcal();        // power rating
int32_t PVIMPcal();       // impedance
int32_t PVDPcal();        // cone displacement as drawn
int32_t PVDPoptcal();     // cone displacement in mm, for the peak search
int32_t PVPHcal();        // phase
int32_t PVGDcal();        // group delay
int32_t PVNQcal();        // Nyquist point
int32_t PVvent1AScal();   // air speed in vent 1, its faster branch
int32_t PVvent2AScal();   // air speed in vent 2
int32_t PVvent3AScal();   // air speed in vent 3
int32_t PVStepSubstitution();

}  // namespace quendal
