// The Raveza Box unit: a fourth-order band-pass enclosure. The driver works
// between a sealed chamber 1 (VB1, loss QA1, counted as VAB1 = CP1*VB1) and a
// vented chamber 2 (VB2 tuned to FB2, leakage QL1); only the vent radiates.
//
// Its curves share the denominator D(s) = A01 s^4 + A02 s^3 + A03 s^2 +
// A04 s + A05 (s = j f, f = frequency / FS): the system output s^2, the cone
// C(s) = B01 s^2 + B02 s + 1, the motional impedance B03 s C(s) and the vent
// velocity 1.
#pragma once

#include <cstdint>

namespace quendal {

// Alignments of the Alignment menu: "Type1", "Type2", "Closed Volume",
// "Custom" (Alin 1 to 4).
void KTopt1();
void KTopt2();
void KTBVolin();
void KTCustom();

// Runs the alignment of Alin and builds the coefficients with the level
// normalisation at the vent's tuning FB2.
void KTcofCal();

// One sweep point at the normalised frequency f.
void KTFRcal();      // system amplitude
void KTPWcal();      // displacement-limited power rating
void KTIMPcal();     // impedance
void KTDPcal();      // cone displacement
void KTDPoptcal();   // cone displacement for the maximum search (mm)
void KTPHcal();      // phase
void KTGDcal();      // group delay
void KTNQcal();      // Nyquist point
void KTAScal();      // air speed in the vent

// H(s)/s of the system output for the inverse Laplace transform; returns 0.
int32_t KTStepSubstitution();

}  // namespace quendal
