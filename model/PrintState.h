// Printing and the PNG snapshot of the response window.
#pragma once

#include <cstdint>

#include "model/SharedTypes.h"
#include "model/Str255.h"

namespace quendal {

struct PrintState {
    double GPrintScale = 100.0;     // %, print scale of the page setup
    int32_t SnapNum = 0;            // running number of the PNG snapshots
};

}  // namespace quendal
