// The windowing layer as the rest of the program sees it: windows, controls
// and menus addressed by number, handlers, timers, alerts. Qt-free; the Qt
// backend in platform/qt implements it.
#pragma once

#include <cstdint>

namespace quendal::platform {

// Runs the event loop until the program quits; returns the exit status.
int runEventLoop(int argc, char** argv);

}  // namespace quendal::platform
