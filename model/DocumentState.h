// The unsaved-changes model: what the design looked like when it was last saved or opened.
#pragma once

#include <cstdint>

#include "model/SharedTypes.h"
#include "model/Str255.h"

namespace quendal {

struct DocumentState {
};

}  // namespace quendal
