// The Delta Vented unit: one driver between two vented chambers whose vents
// both open into a third chamber; only that third chamber's vent radiates.
//
// Chamber 1 (VB1, vent 1 tuned to FB1) lies on one face of the cone,
// chamber 2 (VB2, FB2) on the other; vents 1 and 2 feed chamber 3 (VB3),
// which radiates through vent 3 (FB3). Every curve shares one eighth-order
// denominator; the system output is vent 3, whose numerator is the
// difference of the two inner chambers' polynomials.
#pragma once

#include <cstdint>

namespace quendal {

// Alignments: items 1-3 of the Alignment menu ("Optimum", "High Shift",
// "Low Shift") set the box from the driver; item 4 ("Custom") takes the box
// values in place. Both leave the ratios HH1-HH3, AL1-AL3, AL12, AL13, AL23.
int32_t DeltaOpt();
int32_t DeltaCustom();

// Runs the alignment, builds A01-A08, B11-B15, B21-B25, B31-B32, B41-B46 and
// D01 (with QMS in place of QTS on the impedance page) and the level
// normalisation KNQ / siftUpDwn at vent 3's tuning.
int32_t DeltaCofCal();

// Evaluators at the normalised frequency f (one sweep point each).
int32_t DeltaFRcal();        // system (vent 3) amplitude
int32_t DeltaVent1FRcal();   // inner vent 1 amplitude
int32_t DeltaVent2FRcal();   // inner vent 2 amplitude
int32_t DeltaPWcal();        // displacement-limited power
int32_t DeltaIMPcal();       // electrical impedance
int32_t DeltaDPcal();        // cone displacement (dB or mm by Magni)
int32_t DeltaDPoptcal();     // cone displacement in mm, for the maximum search
int32_t DeltaPHcal();        // system phase
int32_t DeltaGDcal();        // system group delay
int32_t DeltaNQcal();        // system Nyquist point
int32_t DeltaVent1AScal();   // air speed in vent 1
int32_t DeltaVent2AScal();   // air speed in vent 2
int32_t DeltaVent3AScal();   // air speed in vent 3
int32_t DeltaStepSubstitution();

// True when the two inner chambers are tuned alike with equal losses: the
// flows into chamber 3 then cancel exactly and the system output (vent 3)
// vanishes at every frequency. The system curves then have no points.
bool deltaSystemOutputVanishes();

}  // namespace quendal
