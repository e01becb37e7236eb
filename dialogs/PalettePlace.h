// Where windows stand on the screen: the design's palettes beside the
// response window and clear of it, and the windows of a size of their own
// where the user can take them.
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
// px between palettes gathered beside the response window and their neighbours.
inline constexpr int16_t kPaletteGap = 10;

// Where a palette of this content size stands beside the response window:
// its content's top left `offset` px right of the response window's left
// edge (negative: left of it), tops level; moved onto the screen where it
// would leave it. From the window as it stands, else RespWndBounds.
Rect16 paletteBesideResponseWindow(int32_t offset, int16_t width, int16_t height);

// Gather Windows: the palettes that are open go beside the response window
// as it stands, tops level with it, `gap` px from it and from each other:
// the System Info palette at its left and the custom palette at its right.
// Where a side has no room on the screen for its palette, the palettes go
// to the free side (both left, or both right); only where neither works
// (a screen too narrow for the three) do they stop at the screen's edge.
// A palette the user minimized comes back there.
void gatherPalettesBesideResponseWindow(int16_t gap);

// A palette just placed (opened, or its place changed by the program) never
// stands under the response window: where the frame of a palette that is
// open lies over the response window's, or over the other palette's, the
// palettes are gathered beside the response window, kPaletteGap px apart
// (gatherPalettesBesideResponseWindow). Where they do not lie so, they stay.
void keepPalettesClearOfResponseWindow();

// Where a window of a size of its own (System Select, Preferences), just
// made at a saved place or where the windowing layer centred it, goes so
// that its frame lies on the screen nearest to it: moved, never cut. On a
// screen smaller than the window its title bar and left edge stay on the
// screen, where the user can take it.
Rect16 windowPlaceOnScreen(int32_t window);

}  // namespace quendal
