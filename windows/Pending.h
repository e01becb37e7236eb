// Routines of other rooms that the windows and dialogs call and that are
// not in this tree yet; each line names what replaces it.
#pragma once

#include <cstdint>
#include <string_view>

#include "selection/Pending.h"

namespace quendal {

void AsVentOpt();                 // replaced by the automatic vent sizing (vent/)

}  // namespace quendal
