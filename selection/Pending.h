// Routines of other rooms that this room calls before they reach this tree.
// Each has an empty body in Pending.cpp until its own room provides it.
#pragma once

#include <cstdint>
#include <string_view>

namespace quendal {


}  // namespace quendal
