#pragma once

#include "platform/Platform.h"

namespace quendal {

using TimerAction = void (*)(platform::TimerId timer, void* userData);

// Takes down the timer `slot` holds, then arms `action` after `delay`
// seconds and again every `interval` seconds when that is above zero. `slot`
// holds the armed timer, and 0 from the moment it fires until it is armed
// again.
void replaceRepeatingTimer(platform::TimerId& slot, double delay, double interval, TimerAction action);

}  // namespace quendal
