// The Serial Raveza Type2 unit: a sixth-order band-pass enclosure with two
// vented chambers in series. The driver works into chamber VB1 (leakage
// QL1); vent 1 (tuning FB1) joins VB1 to chamber VB2 (leakage QL2), and
// vent 2 (tuning FB2) radiates from VB2: its sound is the system's output.
//
// Its curves share D(s) = A01 s^6 + ... + A06 s + 1 (s = j f, f = frequency
// / FS): the system output B05 s^2, vent 1 s^2 (B07 s^2 + B08 s + 1), the cone
// B(s) = B01 s^4 + ... + B05, the motional impedance B06 s B(s); vent 1 flows
// with chamber 2's resonance polynomial B07 s^2 + B08 s + 1, vent 2 with B05.
#pragma once

#include <cstdint>

namespace quendal {

// Alignments "Type1", "Type2", "Custom" (Alin 1 to 3).
void SK2opt1();
void SK2opt2();
void SK2Custom();

// Runs the alignment of Alin and builds the coefficients with the level
// normalisation at FB1.
void SK2cofCal();

// One sweep point at the normalised frequency f.
void SK2vent2FRcal();   // system amplitude (vent 2)
void SK2vent1FRcal();   // vent 1 amplitude
void SK2PWcal();        // displacement-limited power rating
void SK2IMPcal();       // impedance
void SK2DPcal();        // cone displacement
void SK2DPoptcal();     // cone displacement for the maximum search (mm)
void SK2PHcal();        // phase
void SK2GDcal();        // group delay
void SK2NQcal();        // Nyquist point
void SK2vent1AScal();   // air speed in vent 1
void SK2vent2AScal();   // air speed in vent 2

// H(s)/s of the system output for the inverse Laplace transform; returns 0.
int32_t SK2StepSubstitution();

}  // namespace quendal
