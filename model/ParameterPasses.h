// Keeping the shared parameter sets consistent: the driver as entered handed
// over to the effective driver, the initial loss factors and selectors, and
// the rounded, backed-up box values of the last accepted calculation.
//
// Every routine works on the program-wide state and returns 0.
#pragma once

#include <cstdint>

#include "model/SharedTypes.h"

namespace quendal {

// Effective driver := driver as entered (the suffix-2 set); the scaling for
// the speaker connection is a separate step that runs afterwards.
int32_t OriginalBoxParametersPass();

// Initial loss factors (Qa 10, Qb 7, radiator Q 5), the Single connection,
// the third item of every custom-palette popup and circular, ported,
// automatically sized single vents.
int32_t InitItemBoxParameters();

// The backups (VBbak, ..., QPbak) := the current box and radiator values.
int32_t TransferParametersBackup();

// A box volume (litre), a box frequency (Hz) and a vent size (mm) as the
// design keeps them: volumes to 0.01 litre (whole litres from 10000 up),
// frequencies and sizes to 0.01, halves to the even neighbour. A size so
// large that its hundredths are as fine as a double holds, or one that is
// not finite, stays as it is.
double keptVolume(double litres);
double keptFrequency(double hz);
double keptVentSize(double mm);

// Rounds the box values in place to the precision they are kept and
// compared with: volumes to 0.01 litre (whole litres from 10000 up),
// frequencies and the radiator to 0.01, Qtc to 0.001. Loss factors stay.
int32_t ValueRoundBoxParameters();
// The same rounding of any design's box values, in place; a design read
// from a document is kept as one computed here would be.
void roundBoxValues(BoxParameters& box, PassiveRadiatorParameters& radiator);

// ValueRoundBoxParameters, then TransferParametersBackup: after every plot
// and accepted calculation, so the values in use are the rounded ones and
// the backups hold exactly those.
int32_t BoxParameterBackup();

// Rounds the diameters, widths and heights of the three vents as they are
// kept (keptVentSize); lengths and areas stay.
int32_t ValueRoundVentParameters();

}  // namespace quendal
