// Messages between applications and parameter records waiting to be applied.
#pragma once

#include <cstdint>

#include "model/SharedTypes.h"
#include "model/Str255.h"

namespace quendal {

struct MessageState {
    Str255 s_Masg = "null";         // the last message from Orvanel; "null" before any
};

}  // namespace quendal
