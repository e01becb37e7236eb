// The downward re-sweeps of the read-outs.
//
// A phase is unwrapped from point to point as a curve is swept from high to
// low frequency, so a read-out reaches its one point the same way: from the
// top down to the first step not below the pointer (logff), at least one
// step. The unwrap state (fold, offset and the full-quadrant angle the next
// step follows from) after every 16th step is kept for the page being
// shown, so that the next pointer position starts from the nearest kept
// step above it. The page's own sweep keeps its unwrap state at each of its
// points as well, so that even the first read-out after a drawing starts
// close above the pointer. The result is the same as sweeping from the top:
// from any point on, the branch follows the response's own angle.
#pragma once

#include <cstdint>

namespace quendal {

enum class Resweep : int32_t { Phase = 1, Nyquist = 2 };

// From 1 kHz (k = 3.0) down in steps of 0.0025 decade, calling `point`
// with ff (Hz) and f (ff / FS) set; ff is given back afterwards.
void resweepDown(Resweep kind, void (*point)());

// The Triple Vented group delay at the pointer: its sweep runs from 4.2
// down in steps of 0.01 decade and leaves in yy0 the difference between its
// last two points, so only those two are computed.
void tripleVentedDelayAtPointer();

// A new drawing of the page: the kept steps are stale.
void forgetResweeps();

}  // namespace quendal
