// The frames of the nine response graphs.
//
// A frame draws everything around the curves of its page: grid, border,
// title, system title, axis and value labels and the read-outs under the
// plot; the sweep of the same kind draws the curves into it afterwards.
// Each routine returns 0 and draws into the response window, or the print
// page while DoPrint is set (grid lines then 0.5 wide). A frame that chooses
// its scale leaves it in GraphScales for the sweep; no frame touches any
// other scale.
#pragma once

#include <cstdint>

namespace quendal {

// "Amplitude": 7 divisions of 5 or 10 dB (Scale). Relative (Magni 0): 0 dB
// on the line at y 130. Absolute (Magni 1): levels in dB SPL at 1 W / 1 m;
// the 35 or 70 dB shown are chosen from SPL - siftUpDwn and left in `sift`.
int32_t ampGraph();

// "Power Rating": three decades of watts, chosen from PEMX (10 W-10 kW,
// 1 W-1 kW, 0.1-100 W or 0.01-10 W). Writes no scale.
int32_t pwGraph();

// "Impedance": ten divisions from 0 ohm up to 100 / IMPscal ohm. Writes no
// scale. Shows the speaker connection of the two-driver systems.
int32_t impGraph();
// "SP Connect : Parallel" or "SP Connect : Serial" under the plot, by s_Imp.
int32_t SPConnectParaSeriDisp();

// "Displacement": relative dB as the amplitude graph (Magni 0), or ten
// divisions of DPScale mm chosen from the peak DP (Magni 1, written to
// DPScale). Shows the input power.
int32_t dpGraph();

// "Phase": 0 to +360 degrees (high-pass) or -180 to +180 (band-pass).
int32_t phGraph();
// "Group Delay": +-10 divisions' worth of 2 * GDscl ms around the row at y 190.
int32_t gdGraph();
// "Nyquist Diagram": square frame and dashed axes, 70 px per unit around (270, 190).
int32_t nqGraph();

// "Step Response": response +-1 around the row at y 190, time axis chosen
// from FS / QTS / 2 and left in timeScale and CursorScale (ms at x 505).
int32_t StepGraph();

// "Air Vibration in Vent": 15 rows of ASScale m/s, ASScale chosen from the
// peak AS0. Shows the input power.
int32_t asGraph();

}  // namespace quendal
