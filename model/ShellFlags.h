// The application shell's flags and selections: the window in front, the design's file and unsaved-changes flags, the flags of the design flow.
#pragma once

#include <cstdint>

#include "model/SharedTypes.h"
#include "model/Str255.h"

namespace quendal {

struct ShellFlags {
};

}  // namespace quendal
