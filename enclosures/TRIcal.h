// The Triple Vented unit: two drivers, each between a vented chamber of its
// own (chamber 1 for driver 1, chamber 2 for driver 2) and a vented chamber 3
// that both share. Vents 1 and 2 radiate in phase with each other and in
// antiphase with vent 3.
//
// The unit treats the system as two sixth-order systems, one per driver,
// each made of the driver, its own chamber and half of chamber 3 (AL3 is
// counted for half of chamber 3). When the two halves are alike (VB1 = VB2,
// FB1 = FB2, QL1 = QL2) this is exact; otherwise it approximates the
// coupling through the shared chamber. The impedance of the two drivers
// wired together is solved as one network, both cones loading chamber 3 at
// once, and is exact either way.
#pragma once

#include <cstdint>

namespace quendal {

// Alignments "Type1" to "Type4" (Alin 1 to 4; Alin 0 also runs Type1).
void TRIalin1();
void TRIalin2();
void TRIalin3();
void TRIalin4();

// Runs the alignment, sets HH1-HH3, AL1-AL3, builds A11-A16, A21-A26,
// B11-B14, B21-B24, B31-B34, B41-B44, D01 (QMS in place of QTS for the
// impedance curves' current-drive coefficients), the shared chamber's
// coupling D02 and the level
// normalisation KNQ / siftUpDwn.
void TRIcofCal();

// Amplitude, power and impedance.
void TRIFRcal();            // system
void TRIvent12FRcal();      // vents 1 and 2 together
void TRIvent1FRcal();
void TRIvent2FRcal();
void TRIvent3FRcal();       // vent 3, both drivers' paths
void TRIPWSP1cal();         // power rating of driver 1
void TRIPWSP2cal();         // power rating of driver 2
void TRIIMPparacal();       // the two drivers wired in parallel
void TRIIMPserical();       // the two drivers wired in series
void TRIIMPSP1cal();        // driver 1 alone
void TRIIMPSP2cal();        // driver 2 alone

// Displacement, phase, group delay, Nyquist, air speed.
void TRIDPSP1cal();
void TRIDPSP2cal();
void TRIDPSP1optcal();
void TRIDPSP2optcal();
void TRIPHcal();
// One step of the group delay along a downward sweep: differentiates the
// unwrapped phase between this point and the previous one; leaves the delay
// (ms) in yy0 and the unwrapped phase in yy. The caller resets ss, yy2, yy0,
// PP and QQ to 0 before its first point.
void TRIGDcal();
void TRINQcal();
void TRIvent1AScal();
void TRIvent2AScal();
void TRIvent3AScal();

// Step polynomials of the four partial paths (vent 1, vent 2, vent 3
// through driver 1, vent 3 through driver 2), combined by the engine.
int32_t TRIvent1StepSubstitution();
int32_t TRIvent2StepSubstitution();
int32_t TRIvent31StepSubstitution();
int32_t TRIvent32StepSubstitution();

}  // namespace quendal
