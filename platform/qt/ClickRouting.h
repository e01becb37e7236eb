// Where the clicks of the window system act: only in a window that stood
// on the screen under the pointer before the click began.
#pragma once

namespace quendal::platform::qt {

// Watches every mouse button that reaches one of the program's windows:
// - a press that goes on a click begun before (the second press of a
//   double click: the same button, within the desktop's double-click time
//   and distance of the press before) acts nowhere in a window that came
//   onto the screen since the click began, nor do its double click, its
//   drags and its release: a double click on a button that opens a window
//   presses nothing in it. Whether the window came since is judged by the
//   order in which the window system reported its coming and the presses,
//   and the presses' own times, never by how long the program took;
// - a press arriving in a window the program has taken off the screen
//   (the window system had not yet heard) acts nowhere, nor does its
//   release.
// A fresh click acts wherever it lands. Once per application.
void installClickRouting();

}  // namespace quendal::platform::qt
