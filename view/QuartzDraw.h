// The five drawing primitives.
//
// The caller fills the drawing state (model DrawingState, and the
// coordinates xx, yy, xx1, yy1 of PlotPoint) and calls a primitive with the
// window number; the primitive draws one element and resets the one-shot
// fields (DashLineType after a line, s_FrameFill after a rectangle or
// circle). With DoPrint set the element goes to the print page instead.
#pragma once

#include <cstdint>
#include <string_view>

#include "model/SharedTypes.h"

namespace quendal {

int32_t QuartzDrawLine(int32_t windowNumber);
int32_t QuartzDrawRect(int32_t windowNumber);
int32_t QuartzDrawOval(int32_t windowNumber);
int32_t QuartzDrawText(int32_t windowNumber);
// The rectangle is top, left, bottom, right in content pixels.
int32_t DrawCGImageFromBandleResource(int32_t windowNumber, Rect16 rect, const char* fileName,
                                      const char* folderName);
// Draws picture `file` of the resources' folder "Images" scaled into the
// rectangle from (left, top) to (right, bottom) of window `window`, or of
// the print page while DoPrint is set; a drawing keeps its proportions and
// stays vectors where the page can hold them. A missing picture, an empty
// rectangle or a coordinate that is no number draws nothing.
int32_t DrawPicture(int32_t window, std::string_view file, double left, double top, double right, double bottom);

}  // namespace quendal
