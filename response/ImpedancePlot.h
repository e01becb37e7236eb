// The electrical impedance magnitude, with its automatic vertical scale.
// The sweeps and the read-out compute with the current-drive coefficients,
// the driver with QMS in place of QTS, built for their own time only: on
// every page state.coef holds the design's total-Q coefficients otherwise.
#pragma once

#include <cstdint>

namespace quendal {

// Sets IMPscal for the current system and s_Imp from the largest impedance
// of the curves that will be drawn.
int32_t impOpt();
// One sweep without drawing; leaves the largest impedance in yy1.
int32_t impOptCal();
// IMPscal from G1 (ohm).
int32_t impSetScale();
// Draws the impedance curves of the current system.
int32_t impPlot();
// One impedance sweep with drawing.
int32_t impPlot2();
// The impedance point at f of curve respNum: yyLinea in ohm. Also used by
// the pointer read-out.
int32_t impPlot3();
// The pointer read-out's impedance point at f and ff: impPlot3 with the
// current-drive coefficients, the total-Q ones put back afterwards.
int32_t impReadOut();

// Number of impedance curves of the current system (0 for no system).
int32_t impedanceCurveCount();

}  // namespace quendal
