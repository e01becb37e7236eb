// Whether the window manager is still at work on the windows the program
// showed or hid. As a window shows or hides, the window manager hands the
// keyboard on by itself (to the window shown, or to another when one goes);
// such an activation is the window system's, not the user's choice. The
// window manager answers a request for a window's frame only once it is
// through with every event before it, so its hand-over comes before its
// answer, however busy the machine.
#pragma once

namespace quendal::platform::qt {

// Asks the window manager for an answer after what the program has sent
// it so far (a window shown or hidden).
void askWindowManager();

// Whether an answer asked for is still to come. A window manager that has
// never answered (none, another window system, or one that does not
// answer such requests) is taken to be at work for a short while after
// each request, as the window system's own hand-overs come at once.
bool windowManagerAtWork();

}  // namespace quendal::platform::qt
