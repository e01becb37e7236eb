// Routines of other rooms that the control glue calls, until they arrive.
#pragma once

#include <cstdint>

namespace quendal {


}  // namespace quendal
