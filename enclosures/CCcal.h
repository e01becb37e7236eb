// The Complex Closed unit: two identical drivers and two sealed chambers.
// Speaker 2 radiates from its front; its rear drives chamber 2, which
// speaker 1's front also faces; speaker 1's rear drives chamber 1. Both
// drivers carry the same signal.
//
// Transfer functions, in s normalised to the driver's resonance FS:
//   D(s)        = s^4 + A01 s^3 + A02 s^2 + A03 s + A04
//   total       = s^2 (s^2 + B11 s + B12) / D        (speaker 2's radiation)
//   cone 1      = (s^2 + C11 s + C12) / D            (1 at DC would be free air)
//   cone 2      = (s^2 + B11 s + B12) / D
//   impedance 1 = D01 s (s^2 + C21 s + C22) / D      (speaker 2 not driven)
//   impedance 2 = D01 s (s^2 + B21 s + B22) / D      (speaker 1 not driven)
//   series pair = (E11 s^3 + E12 s^2 + E13 s) / D                 = impedance 1 + impedance 2
//   parallel    = (E21 s^6 + .. + E25 s^2) / (E31 s^7 + .. + E37 s) = product over sum
#pragma once

#include <cstdint>

namespace quendal {

// Alignments: 1 "Optimum", 2 "Custom".
int32_t CCopt();
int32_t CCCustom();

// Runs the alignment of Alin, then fills the coefficients.
int32_t CCcofCal();

int32_t CCFRcal();         // amplitude, total
int32_t CCPWSP1cal();      // power rating, speaker 1
int32_t CCPWSP2cal();      // power rating, speaker 2
int32_t CCIMPparacal();    // impedance, the pair in parallel
int32_t CCIMPserical();    // impedance, the pair in series
int32_t CCIMPSP1cal();     // impedance, speaker 1
int32_t CCIMPSP2cal();     // impedance, speaker 2
int32_t CCDPSP1cal();      // displacement as drawn, speaker 1
int32_t CCDPSP2cal();      // displacement as drawn, speaker 2
int32_t CCDPSP1optcal();   // displacement in mm for the peak search, speaker 1
int32_t CCDPSP2optcal();   // displacement in mm for the peak search, speaker 2
int32_t CCPHcal();         // phase
int32_t CCGDcal();         // group delay
int32_t CCNQcal();         // Nyquist point
int32_t CCStepSubstitution();

}  // namespace quendal
