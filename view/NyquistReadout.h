// The Nyquist page's read-out and frequency slider, and the set-up of each
// page's details controls after a redraw.
//
// On the Nyquist page the frequency comes from a vertical slider right of
// the graph (control 406, 0 to 460 px: 10 Hz to 1 kHz) and two arrow
// buttons that move it by one step (407 up, 408 down); a panel shows the
// frequency, magnitude, relative level and phase of the total response
// there, and a blue dot marks the point on the curve.
#pragma once

#include <cstdint>

#include "model/Str255.h"

namespace quendal {

// Creates the details controls of the current page and draws its read-outs
// and markers. Returns 0.
int32_t ShowDetailTriBtnSetting();
// Creates the slider 406 and the arrow buttons 407 and 408 and draws the
// slider's 19 ticks. Returns 0.
int32_t DispNyquistOtherBtn();
// After the slider or an arrow moved CursorPosi (or a legend picture was
// clicked on the Nyquist page): enables the arrows, sets the frequency and
// redraws the Nyquist graph, its curve and the read-out. Returns 0.
int32_t NyquistSliderControl();
// The read-out panel and the dot for the frequency ffpn. Returns 0.
int32_t DrawNyquistValue();

// The slider's value moved to `position` (0-460) by the user: CursorPosi
// follows and the page is redrawn for it.
void nyquistSliderMoved(int32_t position);
// The arrow button `control` (407 up, 408 down) was clicked: CursorPosi
// moves by one step within 0-460, the slider follows, the page is redrawn.
void nyquistArrowClicked(int32_t control);

// The magnitude text of the panel: four decimals, never in exponent form.
Str255 nyquistMagnitudeText(double magnitude);

}  // namespace quendal
