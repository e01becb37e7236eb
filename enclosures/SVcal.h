// The Serial Vented unit: one driver loading two vented chambers in series.
// The driver's rear drives chamber 1, vent 1 joins chamber 1 to chamber 2 and
// vent 2 leads from chamber 2 to the outside; the driver's front and vent 2
// radiate.
//
// Transfer functions, in s normalised to the driver's resonance FS:
//   D(s)      = A01 s^6 + A02 s^5 + A03 s^4 + A04 s^3 + A05 s^2 + A06 s + 1
//   total     = (B01 s^6 + B02 s^5 + B03 s^4) / D
//   cone      = (B11 s^4 + B12 s^3 + B13 s^2 + B14 s + 1) / D   (1 at DC: free-air excursion)
//   direct    = s^2 * cone;  motional impedance = B15 s * cone
//   vent 1    = (B04 s^2 + B05 s + 1) / D  (air speed)
//   vent 2    = s^2 / D (output), 1 / D (air speed)
#pragma once

#include <cstdint>

namespace quendal {

// Alignments of the Alignment menu: 1 "Type1" .. 4 "Type4", 5 "Custom".
int32_t SVopt1();
int32_t SVopt2();
int32_t SVopt3();
int32_t SVopt4();
int32_t SVCustom();

// Runs the alignment of Alin, then leaves DIP, FBH, FBL and the coefficients.
int32_t SVcofCal();

// Per-point evaluators at the normalised frequency f.
int32_t SVFRcal();        // amplitude, total
int32_t SVdirctFRcal();   // amplitude, the driver's direct radiation
int32_t SVvent2FRcal();   // amplitude, vent 2
int32_t SVPWcal();        // power rating
int32_t SVIMPcal();       // impedance
int32_t SVDPcal();        // cone displacement as drawn
int32_t SVDPoptcal();     // cone displacement in mm, for the peak search
int32_t SVPHcal();        // phase
int32_t SVGDcal();        // group delay
int32_t SVNQcal();        // Nyquist point
int32_t SVvent1AScal();   // air speed in vent 1
int32_t SVvent2AScal();   // air speed in vent 2
int32_t SVStepSubstitution();

}  // namespace quendal
