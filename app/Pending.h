// Routines of other rooms that the records and messages call before they
// reach this tree. Each has an empty body in Pending.cpp until its own room
// provides it; each line names what replaces it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/Placeholders.h"
#include "model/SharedTypes.h"

namespace quendal {

std::string_view SetSystemTitle();       // replaced by the system titles (selection/SystemTitle, the response window's services)


}  // namespace quendal
