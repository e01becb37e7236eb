// The Delta Vented unit: one driver between two vented chambers whose vents
// both open into a third chamber; only that third chamber's vent radiates.
//
// Chamber 1 (VB1, vent 1 tuned to FB1) lies on one face of the cone,
// chamber 2 (VB2, FB2) on the other; vents 1 and 2 feed chamber 3 (VB3),
// which radiates through vent 3 (FB3). Every curve shares one eighth-order
// denominator; the system output is vent 3, whose numerator is the
// difference of the two inner chambers' polynomials. With the inner chambers
// tuned alike and with equal losses that difference vanishes at every
// frequency: the system curves then have no points (the sweeps skip them).
#pragma once

#include <cstdint>

namespace quendal {

// Alignments: items 1-3 of the Alignment menu ("Optimum", "High Shift",
// "Low Shift") set the box from the driver; item 4 ("Custom") takes the box
// values in place. Both leave the ratios HH1-HH3, AL1-AL3, AL12, AL13, AL23.
void DeltaOpt();
void DeltaCustom();

// Runs the alignment, builds A01-A08, B11-B15, B21-B25, B31-B32, B41-B46 and
// D01 (with QMS in place of QTS for the impedance curves) and the level
// normalisation KNQ / siftUpDwn at vent 3's tuning.
void DeltaCofCal();

// Evaluators at the normalised frequency f (one sweep point each).
void DeltaFRcal();           // system (vent 3) amplitude
void DeltaVent1FRcal();      // inner vent 1 amplitude
void DeltaVent2FRcal();      // inner vent 2 amplitude
void DeltaPWcal();           // displacement-limited power
void DeltaIMPcal();          // electrical impedance
void DeltaDPcal();           // cone displacement (dB or mm by Magni)
void DeltaDPoptcal();        // cone displacement in mm, for the maximum search
void DeltaPHcal();           // system phase
void DeltaGDcal();           // system group delay
void DeltaNQcal();           // system Nyquist point
void DeltaVent1AScal();      // air speed in vent 1
void DeltaVent2AScal();      // air speed in vent 2
void DeltaVent3AScal();      // air speed in vent 3
int32_t DeltaStepSubstitution();

}  // namespace quendal
