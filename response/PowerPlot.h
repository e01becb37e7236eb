// The power-rating response: for each frequency the electrical power at
// which the driver reaches its excursion limit, clipped at the rated power.
#pragma once

#include <cstdint>

namespace quendal {

// Draws the power curves of the current system.
int32_t pwPlot();
// One power sweep with the rated-power clip.
int32_t pwPlot2();
// The power point at f of curve respNum: yyLinea in W, yy its log10.
// Also used by the pointer read-out.
int32_t pwPlot3();

// Number of power curves of the current system (1 or 2; 0 for no system).
int32_t powerCurveCount();

// The rated power the power graph is drawn for: PEMX, or 999.9 W when
// PEMX is not positive (no rating given).
double ratedPowerForGraph();

}  // namespace quendal
