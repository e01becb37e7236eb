// The Complex Vented unit: two identical drivers, a sealed chamber between
// them and a vented chamber behind. Speaker 1 radiates from its front; its
// rear faces chamber 2 (sealed, VB2), which speaker 2's front also faces;
// speaker 2's rear drives chamber 1 (VB1, vent tuned to FB1), whose vent
// radiates. Both drivers carry the same signal.
//
// Transfer functions, in s normalised to FS, over
//   D(s) = A01 s^6 + A02 s^5 + A03 s^4 + A04 s^3 + A05 s^2 + A06 s + A07:
//   total          C11 s^6 + .. + C15 s^2  (direct radiation minus the vent set)
//   direct         B01 s^6 + .. + B05 s^2; speaker 1's cone B01 s^4 + .. + B05
//   speaker 2 cone D11 s^4 + .. + D15
//   vent           B23 s^4 + B24 s^3 + B25 s^2; air speed B23 s^2 + B24 s + B25
//   impedance 1    D01 (B11 s^5 + .. + B15 s)  (speaker 2 not driven)
//   impedance 2    D01 (E11 s^5 + .. + E15 s)  (speaker 1 not driven)
//   series pair    E21 s^5 + .. + E25 s        (the sum of the two)
#pragma once

#include <cstdint>

namespace quendal {

// Alignments: 1 "Optimum", 2 "Custom".
int32_t CVopt();
int32_t CVCustom();

// Runs the alignment of Alin, then fills the coefficients.
int32_t CVcofCal();

int32_t CVFRcal();         // amplitude, total
int32_t CVdirectFRcal();   // amplitude, speaker 1's direct radiation
int32_t CVventFRcal();     // amplitude, the vent
int32_t CVPWSP1cal();      // power rating, speaker 1
int32_t CVPWSP2cal();      // power rating, speaker 2
int32_t CVIMPparacal();    // impedance, the pair in parallel
int32_t CVIMPserical();    // impedance, the pair in series
int32_t CVIMPSP1cal();     // impedance, speaker 1
int32_t CVIMPSP2cal();     // impedance, speaker 2
int32_t CVDPSP1cal();      // displacement as drawn, speaker 1
int32_t CVDPSP2cal();      // displacement as drawn, speaker 2
int32_t CVDPSP1optcal();   // displacement in mm for the peak search, speaker 1
int32_t CVDPSP2optcal();   // displacement in mm for the peak search, speaker 2
int32_t CVPHcal();         // phase
int32_t CVGDcal();         // group delay
int32_t CVNQcal();         // Nyquist point
int32_t CVAScal();         // air speed in the vent
int32_t CVStepSubstitution();

}  // namespace quendal
