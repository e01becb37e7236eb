// From launch to the running event loop: the defaults, the preferences over
// them, the menus of the start state, the handlers, and the start timer that
// opens the Default Parameters window when nothing else has opened a design.
#pragma once

#include <cstdint>

#include "platform/Platform.h"

namespace quendal {

// Every step of the start before the event loop runs; `main` then runs the
// loop. Tests start the program here.
int32_t StartQuendal(int& argc, char** argv);
// The whole program: the start, then the event loop until quit. Returns
// the exit status: 0, or 128 + the number of the signal that ended it.
int QuendalMain(int argc, char** argv);

// Installs the start timer, firing after `delay` s and then every
// `interval` s (0: once). A timer an earlier call installed is removed
// first, so at most one exists.
int32_t InstallCarbonTimerSelfOpen(double delay, double interval);
// The start timer's action: the Default Parameters window, unless a message
// from the driver database, a document or the user started a design first.
void CarbonTimerActionSelfOpen(platform::TimerId timer, void* userData);

}  // namespace quendal
