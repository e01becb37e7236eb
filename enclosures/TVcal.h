// The Twin Vented unit. One driver sits in the wall between two vented
// chambers: chamber 1 (VB1, tuning FB1, leakage QL1) opens through vent 1,
// chamber 2 (VB2, FB2, QL2) through vent 2, and the two vents radiate in
// opposite phase: the system output is vent 1 minus vent 2.
//
// Its curves share D(s) = A01 s^6 + ... + A06 s + 1 (s = j f, f = frequency /
// FS): vent 1 N1(s) = s^2 T2(s), vent 2 N2(s) = s^2 T1(s) with the chambers'
// tuning polynomials T1, T2, the system N(s) = B13 s^4 + B23 s^3, the cone
// C(s) = T1(s) T2(s) and the motional impedance s C(s) / QTS.
#pragma once

#include <cstdint>

namespace quendal {

// Alignments "Optimum", "High Shift", "Low Shift", "Custom" (Alin 1 to 4).
void TVopt();
void TVhiSift();
void TVloSift();
void TVCustom();

// Runs the alignment of Alin and builds the coefficients with the level
// normalisation at the higher of the two tunings.
void TVcofCal();

// One sweep point at the normalised frequency f.
void TVFRcal();        // system amplitude
void TVvent1FRcal();   // vent 1 amplitude
void TVvent2FRcal();   // vent 2 amplitude
void TVPWcal();        // displacement-limited power rating
void TVIMPcal();       // impedance
void TVDPcal();        // cone displacement
void TVDPoptcal();     // cone displacement for the maximum search (mm)
void TVPHcal();        // phase
void TVGDcal();        // group delay
void TVNQcal();        // Nyquist point
void TVvent1AScal();   // air speed in vent 1
void TVvent2AScal();   // air speed in vent 2

// H(s)/s of the system output for the inverse Laplace transform; returns 0.
int32_t TVStepSubstitution();

}  // namespace quendal
