// Printing and the PNG snapshot of the response window.
#pragma once

#include <cstdint>

#include "model/SharedTypes.h"
#include "model/Str255.h"

namespace quendal {

struct PrintState {
};

}  // namespace quendal
