// Keeping a window on its screen: where a window's content goes so that
// the window, with what it puts around its content, lies within the usable
// part of a screen.
#pragma once

#include <cstdint>

#include "model/SharedTypes.h"

namespace quendal {

// Room kept above a palette's content for its title bar (px).
inline constexpr int16_t kPaletteTitleBarRoom = 24;

// The content rectangle moved (and cut where it is larger than the room)
// so that the window, with what it puts around its content (`margins`,
// pixels per side), lies inside `area`.
Rect16 fitContentOntoArea(Rect16 content, Rect16 area, Rect16 margins);

// The rectangle moved so that it lies inside the area with room above it
// for the title bar (and cut where it is larger than that room).
Rect16 fitOntoArea(Rect16 bounds, Rect16 area);

}  // namespace quendal
