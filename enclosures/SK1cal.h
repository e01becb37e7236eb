// The Serial Raveza Type1 unit: a sixth-order band-pass enclosure with three
// chambers. The driver works between a sealed chamber VB1 (loss QA1, counted
// as VAB = CP*VB1) and a vented chamber VB2 (leakage QL1); vent 1 (tuning FB2)
// joins VB2 to a second vented chamber VB3 (leakage QL2), and vent 2 (tuning
// FB3) radiates from VB3: its sound is the system's output.
//
// Its curves share D(s) = A01 s^6 + ... + A06 s + A07 (s = j f, f =
// frequency / FS): the system output s^2, vent 1 s^2 (B07 s^2 + B08 s + 1),
// the cone B(s) = B01 s^4 + ... + B05, the motional impedance B06 s B(s), and
// the vent velocities B07 s^2 + B08 s + 1 (vent 1) and 1 (vent 2).
#pragma once

#include <cstdint>

namespace quendal {

// Refreshes the sealed chamber's filling factor from the loss choice.
void SK1opt();
// Alignments "Type1", "Type2", "Custom" (Alin 1 to 3).
void SK1opt1();
void SK1opt2();
void SK1Custom();

// Runs the alignment of Alin and builds the coefficients, the coupled
// resonances FBH and FBL of the two vented chambers, and the level
// normalisation at 1.15 FB3.
void SK1cofCal();

// One sweep point at the normalised frequency f.
void SK1vent2FRcal();   // system amplitude (vent 2)
void SK1vent1FRcal();   // vent 1 amplitude
void SK1PWcal();        // displacement-limited power rating
void SK1IMPcal();       // impedance
void SK1DPcal();        // cone displacement
void SK1DPoptcal();     // cone displacement for the maximum search (mm)
void SK1PHcal();        // phase
void SK1GDcal();        // group delay
void SK1NQcal();        // Nyquist point
void SK1vent1AScal();   // air speed in vent 1
void SK1vent2AScal();   // air speed in vent 2

// H(s)/s of the system output for the inverse Laplace transform; returns 0.
int32_t SK1StepSubstitution();

}  // namespace quendal
