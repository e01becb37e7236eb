// The update check: its state between the events of the network and the timers.
#pragma once

#include <cstdint>

#include "model/SharedTypes.h"
#include "model/Str255.h"

namespace quendal {

struct UpdateCheckState {
    int32_t CheckForUpFlag = 0;
};

}  // namespace quendal
