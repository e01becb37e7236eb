// The Infinite Baffle unit: the driver alone in an infinite baffle, its own
// second-order high-pass at FS with total Q QTS.
//
// With s normalised to FS (s = j f): D(s) = s^2 + A01inf s + 1; the system
// H = s^2 / D; the cone displacement 1 / D; the motional impedance relative
// to RES A01inf s / D. The unit keeps its coefficient in A01inf, apart from
// the other units' A01, so that the amplitude sweep can draw it as the
// comparison curve of every system.
#pragma once

#include <cstdint>

namespace quendal {

int32_t IBcofCal();            // A01inf = 1/QTS (1/QMS for the impedance curves), siftUpDwn = 0
int32_t IBFRcal();             // amplitude, yy dB below the reference
int32_t IBPWcal();             // power rating, yyLinea W, yy its log10
int32_t IBIMPcal();            // impedance, yyLinea ohm
int32_t IBDPcal();             // displacement: Magni 0 dB, Magni 1 mm
int32_t IBDPoptcal();          // displacement in mm for the peak search
int32_t IBPHcal();             // phase, yy degrees (0-180)
int32_t IBGDcal();             // group delay, yy ms
int32_t IBNQcal();             // Nyquist point: xx real, yy imaginary
int32_t IBStepSubstitution();  // H(s)/s = s^2 / (s D(s))

}  // namespace quendal
