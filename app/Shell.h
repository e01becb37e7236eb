// The application shell as far as it stands: a File menu whose Quit ends
// the program, and the response window on screen.
#pragma once

#include <cstdint>

#include "model/WindowNumbers.h"

namespace quendal {

inline constexpr int32_t kFileMenu = 1;

// Builds the menu bar, installs the command handler and shows the response
// window (540 x 390, or the bounds kept in the state).
void openShell();

}  // namespace quendal
