// The speed of the air in each vent at the input power, one curve per vent,
// with an automatic vertical scale. Systems without vents draw nothing.
#pragma once

#include <cstdint>

namespace quendal {

// Sets AS0 (m/s), the largest vent air speed of the current system.
int32_t AsDispOpt();
// One peak-search sweep for the vent of respNum; leaves the peak in G2 and AS0.
int32_t AsOpt2();
// Draws one curve per vent.
int32_t AsPlot();
// One air-speed sweep with drawing.
int32_t AsPlot2();
// The air speed (yy, m/s) at f in the vent of curve respNum. Also used by
// the pointer read-out.
int32_t AsPlot4();
// The air speed at f in the vent of respNum in the order of the peak search.
int32_t AsOptPoint();

// Number of vents (curves) of the current system: 0, 1, 2 or 3.
int32_t ventCount();

}  // namespace quendal
