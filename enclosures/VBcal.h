// The Vented Box unit: one driver in one box tuned by one vent.
//
// Alignments by Alin write VB1, FB1 and the ratios AL = VAS/VB1, HH = FB1/FS:
// 1 "Optimum" (VBopti) and 2 "Extend" (VBexti) fit the box to QTS;
// 3 "Box Volume" (VBvbin) tunes an entered VB1; 4 "Custom" (VBCustom) takes
// the entered VB1 and FB1.
//
// With s normalised to FS: D(s) = A01 s^4 + A02 s^3 + A03 s^2 + A04 s + 1;
// the system H = B01 s^4 / D (B01 = A01); the driver's direct sound
// s^2 (B01 s^2 + B02 s + 1) / D; the vent |N|^2 = f^4; the cone
// displacement (B01 s^2 + B02 s + 1) / D; the motional impedance
// B03 s (B01 s^2 + B02 s + 1) / D; the volume the vent's air moves 1 / D
// (over the cone's static volume displacement).
#pragma once

#include <cstdint>

namespace quendal {

int32_t VBopti();
int32_t VBexti();
int32_t VBvbin();
int32_t VBCustom();
int32_t VBcofCal();

int32_t VBFRcal();
int32_t VBdirctFRcal();
int32_t VBventFRcal();
int32_t VBPWcal();
int32_t VBIMPcal();
int32_t VBDPcal();
int32_t VBDPoptcal();
int32_t VBPHcal();
int32_t VBGDcal();
int32_t VBNQcal();
int32_t VBAScal();
int32_t VBStepSubstitution();

}  // namespace quendal
