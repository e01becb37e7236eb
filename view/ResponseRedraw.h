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


int32_t ReDispResposeWnd();
int32_t ReDispResposeWndCommon();
// Draws the page of s_Resp for the current system, then ClippingFlag := 0,
// the box values kept as last accepted, SpConNumBak := SpConNum.
int32_t ResponsePlot();
// Enables and checks the View menu's items for the page.
int32_t MenuPlotForResponse();

}  // namespace quendal
