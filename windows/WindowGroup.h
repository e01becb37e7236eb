// The design's windows together: the response window and the two palettes
// beside it (the System Info palette at its left, the custom palette at
// its right), their remembered bounds, and moving the three as one.
//
// On this desktop the title bar belongs to the window manager, so the
// grouped move starts with Alt held and the mouse pressed inside the
// response window, away from the graph: the window follows the pointer and
// the palettes follow the window by the same offset until the move ends.
#pragma once

#include <cstdint>

#include "model/SharedTypes.h"

namespace quendal {

// Stores the content bounds of the response window, the custom palette and
// the System Info palette in RespWndBounds, CstmWndBounds and
// InfoWndBounds; a window that is not open keeps its last bounds.
int32_t GetWndsBounds();

// Makes the response window and the palettes that are open one group that
// moves together; releases it.
int32_t SetupWndGroup();
int32_t ReleaseWndGroup();

// A mouse-down at content pixel (x, y) of the response window with these
// modifiers: with Alt (Option) alone, outside the graph, while no sheet
// hangs on the window and no group is formed, it groups the windows
// (WndGroupFlag 1) and starts moving them with the pointer. True when it
// did: the press is then consumed.
bool startGroupedMove(int32_t x, int32_t y, uint32_t modifiers);
// The move of the response window has ended (its drag completed event,
// which comes after the last move, also when the window system ran the
// move): a group formed for it is released (WndGroupFlag 0). A press
// that moved nothing leaves the group formed until the next move ends.
int32_t groupedMoveEnded();

}  // namespace quendal
