// The program's windows as one group on an X11 desktop.
#pragma once

class QWindow;

namespace quendal::platform::qt {

// What a palette is made transient for so that it floats over the
// program's windows as a group (the root window, by the X11 convention
// every window manager follows): the window manager keeps it in front of
// the program's other windows, yet minimizes it alone. A window manager
// minimizes a window's own transients with it, and the whole family with
// any one of them. nullptr where the window system is not X11.
QWindow* programWindowGroup();

}  // namespace quendal::platform::qt
