// The Closed Box unit: the driver in a sealed box of volume VB, system
// resonance FC = h FS and total Q QTC.
//
// With s normalised to FS: D(s) = s^2 + A01 s + A02 (A02 = 1 + Vas/Vab);
// the system H = s^2 / D; the cone displacement relative to the box's own
// low-frequency excursion A02 / D (relative display), and relative to the
// driver's free-air low-frequency excursion 1 / D (millimetres and power
// rating); the motional impedance relative to RES B01 s / D.
//
// Alignments by Alin: 1 "Optimum" (CBopt), 2 "Box Volume" (CBBValin),
// 3 "Qtc" (CBQTCalin). An alignment that cannot meet the requested Qtc
// builds the nearest box it can and says so in CBAlartFlag: 0 the Qtc is
// too small (the smallest box ratio h = 1.1 is built), 255 too large (the
// largest Qtc is built: 5, or, where the box for 5 would be smaller than the
// 0.01 litre a volume is kept to, the Qtc of that smallest box, taken down
// to the thousandth).
#pragma once

#include <cstdint>

namespace quendal {

// Filling factors of the sealed volumes from their loss choices: CP from QA,
// CP1 from QA1, CP2 from QA2. A damped chamber behaves as a larger one:
// Qa 5 gives 1.2, 7 gives 1.1, 10, 15 or 20 give 1.0; any other value leaves
// that factor as it was.
int32_t CPopt();

// The total Q of the driver in a sealed box: from the driver's QTS and VAS,
// the box's acoustic volume vab (litre), its resonance ratio h = FC/FS and
// its loss qa.
double closedBoxQtc(double qts, double vas, double vab, double h, double qa);

// The driver on the sealed chamber VB1 of a band-pass system as a closed
// box: VAB = CP*VB1, AL1 = VAS/VAB, FC1 = FS*(1 + AL1)^(1/2), HH1 = FC1/FS
// and its total Q QTC with the chamber's loss QA1.
void sealedChamber1AsClosedBox();

int32_t CBopt();      // Qtc 0.707, or the box with h = 1.1 when that already exceeds it
int32_t CBBValin();   // from the entered VB
int32_t CBQTCalin();  // from the target QTC
int32_t CBcofCal();

int32_t CBFRcal();
int32_t CBPWcal();
int32_t CBIMPcal();
int32_t CBDPcal();
int32_t CBDPoptcal();
int32_t CBPHcal();
int32_t CBGDcal();
int32_t CBNQcal();
int32_t CBStepSubstitution();

}  // namespace quendal
