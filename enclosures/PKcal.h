// The Passive Raveza unit: a fifth-order band-pass enclosure. The driver
// works between a sealed rear chamber (VB1, loss QA1, counted as VAB =
// CP*VB1) and a front chamber (VB2, leakage QL1) that radiates only through a
// passive radiator (FP, VAP, QP), which the front chamber tunes to FB2.
//
// Its curves share D(s) = A01 s^4 + A02 s^3 + A03 s^2 + A04 s + A05 + A06/s
// (s = j f, f = frequency / FS): the system output B05 s^2, the cone
// C(s) = B01 s^2 + B02 s + B03 + B04/s, the motional impedance B06 s C(s) and
// the radiator's displacement B05.
#pragma once

#include <cstdint>

namespace quendal {

// Alignments: "Type1", "Type2", "Closed Volume" (PKBVolin), "Apply Entered
// P.R. Unit" and "Custom" (Alin 1 to 5).
void PKopt1();
void PKopt2();
void PKBVolin();
void PKCustom();

// Runs the alignment of Alin and builds the coefficients, the displacement
// level KX2 and the level normalisation at the radiator's box resonance FB2.
void PKcofCal();

// True when a sealed chamber of VB1 litres can carry the "Closed Volume"
// alignment: the radiator's fit over VB1/VAS gives it a positive resonance.
// A larger chamber (54 Vas and more) or none at all is refused.
bool passiveRavezaChamberFits(double VB1);

// One sweep point at the normalised frequency f.
void PKFRcal();           // system amplitude
void PKPWcal();           // displacement-limited power rating
void PKIMPcal();          // impedance
void PKdriverDPcal();     // cone displacement
void PKdriverDPoptcal();  // cone displacement for the maximum search (mm)
void PKprDPcal();         // radiator displacement
void PKprDPoptcal();      // radiator displacement for the maximum search (mm)
void PKPHcal();           // phase
void PKGDcal();           // group delay
void PKNQcal();           // Nyquist point

// H(s)/s of the system output for the inverse Laplace transform; returns 0.
int32_t PKStepSubstitution();

}  // namespace quendal
