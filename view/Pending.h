// Routines of other rooms that the response page calls and that are not in
// this tree yet. Each has an empty body in Pending.cpp until the room that
// owns it arrives.
#pragma once

#include <cstdint>

namespace quendal {

void VentInfo();                           // Vent Information page (vent design)
int32_t ParallelVentedVentOpt();           // Twin Serial Vented vent-1 resizing (vent design)
void AsVentOpt();                          // automatic vent design (vent design)

}  // namespace quendal
