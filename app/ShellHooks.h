// Fills the hooks through which the windows, palettes and pages below the
// shell ask it to act, with the shell's own routines.
#pragma once

#include <cstdint>

namespace quendal {

// Once at start, before any window is made.
int32_t installShellHooks();

}  // namespace quendal
