// The cone displacement of the driver (and of the passive radiator, or of
// each of two drivers) at the input power: in relative mode (Magni 0) a
// response in dB, in absolute mode (Magni 1) the peak excursion in mm.
#pragma once

#include <cstdint>

namespace quendal {

// Sets DP (mm), the largest displacement of the curves, before the frame
// picks its scale DPScale from it.
int32_t dpOpt();
// One peak-search sweep for curve respNum; leaves the peak in G2 and DP.
int32_t dpOpt2();
// Draws the displacement curves of the current system.
int32_t dpPlot();
// One displacement sweep with drawing.
int32_t dpPlot2();
// The displacement point at f of curve respNum (yy: dB or mm by Magni).
// Also used by the pointer read-out.
int32_t dpPlot3();
// The displacement in mm at f of curve respNum, by the peak evaluators.
int32_t dpOptPoint();

// Number of displacement curves of the current system (0 for no system).
int32_t displacementCurveCount();

}  // namespace quendal
