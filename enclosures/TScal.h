// The Twin Serial unit: one driver; on one face a chain of two vented
// chambers (chamber 1 vents into chamber 2, chamber 2 vents outside), on the
// other face a single vented chamber 3. Vents 2 and 3 radiate in antiphase,
// so the system output has a notch, the dip frequency DIP.
#pragma once

#include <cstdint>

namespace quendal {

// Alignments: item 1 "Optimum" (vent 3 tuned to the chain's upper
// resonance), item 2 "Dipped"; item 3 "Custom" keeps the box values.
void TSopt();
void TSdip();

// The two lossless resonances of the chain of chambers 1 and 2: AA1, BB1
// and FBH (upper), FBL (lower), in Hz.
void TShlCal();

// Runs the alignment, sets the ratios, FBH, FBL and DIP, builds A01-A08,
// B11-B14, B23-B24, B31-B34, B41-B46, B51-B54, D01 (QMS in place of QTS for
// the impedance curves) and the level normalisation KNQ / siftUpDwn at the
// geometric mean of the chain's resonances. DIP is 0 when the system has no
// notch (the lossless output then vanishes at no real frequency).
void TScofCal();

void TSFRcal();           // system amplitude
void TSvent1FRcal();      // vent 1 amplitude
void TSvent2FRcal();      // vent 2 amplitude
void TSvent3FRcal();      // vent 3 amplitude
void TSPWcal();           // displacement-limited power
void TSIMPcal();          // electrical impedance
void TSDPcal();           // cone displacement (dB or mm by Magni)
void TSDPoptcal();        // cone displacement in mm, for the maximum search
void TSPHcal();           // system phase
void TSGDcal();           // system group delay
void TSNQcal();           // system Nyquist point
void TSvent1AScal();      // air speed in vent 1
void TSvent2AScal();      // air speed in vent 2
void TSvent3AScal();      // air speed in vent 3
int32_t TSStepSubstitution();

}  // namespace quendal
