// The five drawing primitives.
//
// The caller fills the drawing state (model DrawingState, and the
// coordinates xx, yy, xx1, yy1 of PlotPoint) and calls a primitive with the
// window number; the primitive draws one element and resets the one-shot
// fields (DashLineType after a line, s_FrameFill after a rectangle or
// circle). With DoPrint set the element goes to the print page instead.
#pragma once

#include <cstdint>

#include "model/SharedTypes.h"

namespace quendal {

int32_t QuartzDrawLine(int32_t windowNumber);
int32_t QuartzDrawRect(int32_t windowNumber);
int32_t QuartzDrawOval(int32_t windowNumber);
int32_t QuartzDrawText(int32_t windowNumber);
// The rectangle is top, left, bottom, right in content pixels.
int32_t DrawCGImageFromBandleResource(int32_t windowNumber, Rect16 rect, const char* fileName,
                                      const char* folderName);

}  // namespace quendal
