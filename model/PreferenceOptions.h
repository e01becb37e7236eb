// The options kept in the preferences, as the program uses them.
#pragma once

#include <cstdint>

#include "model/SharedTypes.h"
#include "model/Str255.h"

namespace quendal {

struct PreferenceOptions {
};

}  // namespace quendal
