// The amplitude response: the total response alone (Disp 1), with its
// components (Disp 2: direct sound and each vent or radiator) or compared
// with the same driver in an infinite baffle (Disp 3).
#pragma once

#include <cstdint>

namespace quendal {

// Draws the amplitude curves of the current system and Disp.
int32_t ampPlot();
// One amplitude sweep: IBcofCal (for the comparison curve), CofCal, the grid.
int32_t ampPlot2();
// The amplitude point at f of curve respNum of the current system and Disp:
// yy = level below the reference in dB. Also used by the pointer read-out.
int32_t ampPlot3();

// The display mode the amplitude page shows: Disp where the current system
// has that curve set, else 1 (the total alone). The Infinite Baffle shows
// only its total; the Closed Box, Complex Closed, Raveza Box and Passive
// Raveza have no component curves. Disp itself is kept, so that the mode
// comes back with a system that has it and a document keeps what it stores.
int32_t shownDisp();

// The deepest level the amplitude page shows: at 10 dB a division its
// plotting rectangle ends this far below the reference level (dB).
inline constexpr double kDeepestShownAttenuation = 50.0;

// Whether the total amplitude response of the current coefficients comes
// within kDeepestShownAttenuation of the reference level at some point of
// the grid (10 Hz to 1 kHz); a design for which it is nowhere finite, or
// everywhere deeper (a vent tuned far above the range), leaves the page
// empty. Leaves the point and Disp as found.
bool totalResponseOnThePage();

// Number of amplitude curves the current system draws for Disp
// (0: none); the curve set of ampPlot.
int32_t amplitudeCurveCount();

}  // namespace quendal
