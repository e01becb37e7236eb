// The electrical impedance magnitude, with its automatic vertical scale.
// While s_Resp is "imp" the coefficient routines build the driver with QMS
// in place of QTS.
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

// Number of impedance curves of the current system (0 for no system).
int32_t impedanceCurveCount();

}  // namespace quendal
