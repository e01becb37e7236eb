// What every graph with a frequency axis shares: the vertical frequency
// grid with the border of the plot area, the frequency labels, and the two
// small boxed read-outs under the plot (dip frequency, input power).
//
// Plot area x 45 to 505, y 50 to 330; the frequency axis runs from 10 Hz at
// x 45 to 1 kHz at x 505, x = 45 + 230 * (log10 f - 1). Every routine
// returns 0 and draws into the response window, or the print page while
// DoPrint is set.
#pragma once

#include <cstdint>

#include "model/Str255.h"

namespace quendal {

// Vertical grid lines at 10, 20, ..., 100, 200, ..., 1000 Hz from y 50 to
// 330 in the caller's colour and width, then the border (45.5, 50.5) to
// (505.5, 330.5) in dark grey, one pixel on screen and 1.0 in print. Leaves
// the border's colour and width in place.
int32_t freqDrawLine();

// The frequency labels "[ Hz ]", "10", "50", "100", "500", "1k" at
// baseline y 347, black, font row 1, 13 px (left in place).
int32_t freqScale();

// The boxed dip-frequency read-out ("DIP :", the value, "Hz") of the
// Serial Vented system. Leaves black, font row 1, 13 px.
int32_t SerialVentedDrawDIPfreq();

// The Twin Serial form: one unboxed line "DIP : 45.3Hz" on the amplitude
// graph with all curves (Disp 2), else the boxed read-out.
int32_t TwinSerialDrawDIPfreq();

// The dip-frequency read-out of the systems that have one: the Serial
// Vented system (tab 1, button 5) and the Twin Serial system (tab 2,
// button 6); nothing for the others.
void dipReadOutOfSystem();

// The boxed input-power read-out ("Power :", PIN unrounded, "Watts").
// Leaves black, font row 1, and size 12.
int32_t dpPowerDisp();

// The number text of the dip frequency DIP: whole hertz from 100 Hz up,
// else one decimal (halves to even).
Str255 dipFrequencyText();

}  // namespace quendal
