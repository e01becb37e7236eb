// The View menu's items that follow the page: which are enabled, and the
// marks of the magnitude, scale and display mode in force.
#pragma once

#include <cstdint>

namespace quendal {

// Disables View items 1 to 10; the menu stays enabled.
int32_t Menu9_Disable();
// The View marks from Magni, Scale and the display mode the page shows.
int32_t SetItemMarkOnViewMenu();

}  // namespace quendal
