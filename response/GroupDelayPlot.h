// The group delay in milliseconds with its automatic scale. The Triple
// Vented system computes its delay by differences between neighbouring
// points (its TRIGDcal) and has its own two sweeps.
#pragma once

#include <cstdint>

namespace quendal {

// CofCal, the peak search over the upward grid with gdPlot3, then gdOpt2.
int32_t gdOpt();
// GDscl (ms per division) from the peak G2.
int32_t gdOpt2();
// The group-delay sweep with drawing.
int32_t gdPlot();
// The group-delay point at f (yy, ms). Also used by the pointer read-out.
int32_t gdPlot3();

// The Triple Vented scale search and sweep, with TRIGDcal (delay in yy0).
int32_t TRIgdOpt();
int32_t TRIgdPlot();

}  // namespace quendal
