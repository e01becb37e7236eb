// The Passive Radiator unit: one driver and one to four passive radiators
// on one closed box with leakage.
//
// Alignments by Alin: 1 "Type1" (PRopt1), 2 "Type2" (PRopt2), 3 "Apply
// Entered P.R. Unit" (PRDataIn_OrgToCurrent, then PRopt3), 4 "Custom"
// (PRCustom). Each writes the ratios AL = VAS/VB, DL = VAP/VB, HH = FB/FS
// and Y0 = FP/FS, FB being the radiators' resonance on the box.
//
// With s normalised to FS:
//   D(s)  = A01 s^4 + A02 s^3 + A03 s^2 + A04 s + A05 + A06/s
//   system        N1 = B11 s^4 + B12 s^3 + B13 s^2
//   driver sound  N2 = B21 s^4 + B22 s^3 + B23 s^2 + B24 s
//   driver cone   X2 = B21 s^2 + B22 s + B23 + B24/s
//   radiator sound B14 s^2, radiator cone B14
// each over D(s).
#pragma once

#include <cstdint>

namespace quendal {

int32_t PRopt1();
int32_t PRopt2();
int32_t PRopt3();
int32_t PRCustom();
// Copies the radiator unit as entered (the Org set) into the set in use,
// VAP, PRSD and PRVD multiplied by the number of radiators PopupPRNum (1-4).
int32_t PRDataIn_OrgToCurrent();
int32_t PRcofCal();

int32_t PRFRcal();
int32_t PRdriverFRcal();
int32_t PRprFRcal();
int32_t PRPWcal();
int32_t PRIMPcal();
int32_t PRdriverDPcal();
int32_t PRprDPcal();
int32_t PRdriverDPoptcal();
int32_t PRprDPoptcal();
int32_t PRPHcal();
int32_t PRGDcal();
int32_t PRNQcal();
int32_t PRStepSubstitution();

}  // namespace quendal
