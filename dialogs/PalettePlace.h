// Where the design's palettes stand beside the response window.
#pragma once

#include <cstdint>

#include "model/SharedTypes.h"

namespace quendal {

// The custom palette's content width (px); its left edge stands this far
// right of the response window's.
inline constexpr int16_t kPaletteWidth = 205;
inline constexpr int16_t kPaletteOffsetFromResponse = 550;
// pt from the System Info palette's left edge to the response window's.
inline constexpr int16_t kGapToResponseWindow = 210;

// Where a palette of this content size stands beside the response window:
// its content's top left `offset` px right of the response window's left
// edge (negative: left of it), tops level; moved onto the screen where it
// would leave it. From the window as it stands, else RespWndBounds.
Rect16 paletteBesideResponseWindow(int32_t offset, int16_t width, int16_t height);

}  // namespace quendal
