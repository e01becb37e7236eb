// The full redraw of the response window and the dispatch from the page
// (s_Resp) to its auto-scale pass, frame, sweep and legend.
//
// Whatever changes what the page shows sets ReDispWnd (1 redraw, 2
// recalculate and redraw) and calls ReDispResposeWnd: the window is erased,
// the previous page's controls are removed, the View menu is set for the
// page, the page is drawn and its read-out controls are made again, so
// nothing of the previous page survives. Each routine returns 0.
#pragma once

#include <cstdint>

#include "model/WindowNumbers.h"

namespace quendal {

// Where a page is drawn: the response window, or a printed page, which
// keeps the impedance scale and the vents the screen found.
enum class PageTarget { Screen, Print };
// Draws the page of s_Resp for the current system: a graph's frame, sweep
// and legend (the legend with ClippingFlag 1), or the System Profile or
// Vent Information page with ClippingFlag 1. True for a graph page.
bool DrawResponsePage(PageTarget target);

// The design computed again from its inputs, as a recalculating redraw
// (ReDispWnd 2) does before it draws: the input power of the connection,
// the alignment with its coefficients and the reference level, and the
// vents sized for that power.
int32_t RecalculateDesign();

int32_t ReDispResposeWnd();
int32_t ReDispResposeWndCommon();
// Draws the page of s_Resp for the current system, then ClippingFlag := 0,
// the box values kept as last accepted, SpConNumBak := SpConNum (unless the
// connection sheet takes picks: its Cancel goes back to SpConNumBak).
int32_t ResponsePlot();
// Enables and checks the View menu's items for the page.
int32_t MenuPlotForResponse();

}  // namespace quendal
