// The read-outs of the value under the pointer, and the two marker lines.
//
// While the details area of the response window is open (detailTriBtn 1)
// two boxes at the top right of the graph show the frequency under the
// pointer and the value of curve respNum there, framed in that curve's
// colour. No curve stays in memory: each read-out computes its one point
// anew with the page's per-point routine. On the step-response page the
// boxes show the time under the pointer and the step response then.
#pragma once

#include <cstdint>

#include "model/Str255.h"
#include "platform/DrawSurface.h"

namespace quendal {

// Draws the read-out when the details area is open and the page is none of
// "nq", "sys", "vent"; otherwise nothing. Returns 0.
int32_t DrawPointerContorol();
// The read-out of curve respNum at the frequency ffpn on the current page.
int32_t DrawPointerValue();
// The step read-out at time offset 0, under the same condition as
// DrawPointerContorol.
int32_t DrawStepPointerContorol();
// The vertical frequency marker at CursorPosi, and the time marker at
// StepCursPoint: blue, one pixel, from y 51 to 330.
int32_t DrawVerticalLineMarker();
int32_t DrawStepVerticalLineMarker();
// Snaps ff to the display step of its band and, except on the Nyquist page,
// moves CursorPosi to the snapped frequency.
int32_t PointNyqstffOptimum();

// The step read-out at `timeOffset` px from the graph's left edge: the
// time in ms and the step response then. Returns 0.
int32_t DrawStepRespnseValue(float timeOffset);

// The colour of curve `respNum` as the current page draws it: orange,
// green, blue, light blue for curves 1-4, grey for 0; curve 2 is the purple
// infinite-baffle comparison only on the amplitude page with Disp 3, and
// curve 3 is green only where the symmetric Triple Vented air-speed page
// draws vent 3 in green. False for another respNum.
bool readOutColour(int32_t respNum, Colour& colour);

// The value text of the step read-out: three decimals, 0.000 for a value
// whose magnitude is 0.001 or below.
Str255 stepValueText(double value);

}  // namespace quendal
