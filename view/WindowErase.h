// Erasing part of the response window to its background.
#pragma once

namespace quendal {

// Paints the rectangle from (left, top) to (right, bottom) of the response
// window with its background (never the print page).
void eraseResponseRect(double left, double top, double right, double bottom);

// Keeps a copy of the rectangle of the response window as drawn so far;
// false when its surface keeps none.
bool keepResponseRect(double left, double top, double right, double bottom);
// Puts the copy kept last back in the response window; false, and nothing
// drawn, when none is kept.
bool restoreResponseRect();

}  // namespace quendal
