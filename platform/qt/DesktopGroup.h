// The program's windows as one group on an X11 desktop.
#pragma once

class QWindow;

namespace quendal::platform::qt {

// What a palette is made transient for to float over the program's windows
// as a group: the root window, which X11 window managers take for the
// whole group of the program's windows. The window manager keeps such a
// palette in front of the program's document windows and minimizes it
// alone; a transient of one window it minimizes with that window, and that
// window with it, the whole family at once. nullptr where the window
// system is not X11.
QWindow* programWindowGroup();

}  // namespace quendal::platform::qt
