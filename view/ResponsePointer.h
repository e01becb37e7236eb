// The pointer over the response window's graph.
//
// While the details area is open, the read-out follows the pointer across
// the graph (x 45 to 505, y 50 to 330, borders included) under a cross-hair
// cursor; a click freezes it at a vertical marker and the next click
// releases it, recomputed where that click was. The step-response page does
// the same with its time marker. The window's mouse handling calls these
// with the pointer in window coordinates; each returns true when it acted
// on the event (the event is then consumed).
#pragma once

#include <cstdint>

namespace quendal {

// The pointer moved to (h, v) with no button held.
bool responsePointerMoved(int32_t h, int32_t v);

// The button went down at (h, v); clickCount 2 for the second press of a
// double click, which leaves the marker as its first press set it.
bool responsePointerDown(int32_t h, int32_t v, int32_t clickCount);

// Whether (h, v) lies in the graph area, borders included.
bool insideResponseGraph(int32_t h, int32_t v);

}  // namespace quendal
