// Erasing part of the response window to its background.
#pragma once

namespace quendal {

// Paints the rectangle from (left, top) to (right, bottom) of the response
// window with its background (never the print page).
void eraseResponseRect(double left, double top, double right, double bottom);

}  // namespace quendal
