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

// Number of amplitude curves the current system draws for Disp
// (0: none); the curve set of ampPlot.
int32_t amplitudeCurveCount();

}  // namespace quendal
