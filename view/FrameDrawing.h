// Small helpers the graph frames draw with: each sets the drawing state
// for one element and calls the primitive on the response window (or the
// print page while DoPrint is set).
#pragma once

#include <cstdint>
#include <string_view>

#include "model/WindowNumbers.h"

namespace quendal::frame {

// Grey levels of the frames (the same in red, green and blue).
inline constexpr double kGridGrey = 0.534;
inline constexpr double kBorderGrey = 0.229;

// Plot area of every graph, px.
inline constexpr double kPlotLeft = 45.0, kPlotRight = 505.0, kPlotTop = 50.0, kPlotBottom = 330.0;

void setGrey(double level);
// Black text in font row `fontRow` at `size` px.
void setBlackText(int32_t fontRow = 1, double size = 13.0);
// LineW for grid lines: 0 on screen (the primitive's one-pixel default),
// 0.5 on the print page.
void setGridWidth();

void line(double x0, double y0, double x1, double y1);
// A line with dashes of 1 on and 3 off.
void dottedLine(double x0, double y0, double x1, double y1);
// A line with dashes of 1 on and 1 off.
void denseDashedLine(double x0, double y0, double x1, double y1);
// The outline of the rectangle with corners (x0, y0) and (x1, y1).
void strokeRect(double x0, double y0, double x1, double y1);
// A text with the left end of its baseline at (x, y), in the current style.
void text(double x, double y, std::string_view bytes);

// The level labels of the relative amplitude and displacement graphs:
// "dB" and eight labels at 5 or 10 dB per division (Scale), 0 dB on the
// line at y 130; another Scale draws nothing.
void relativeLevelLabels(int32_t scale);

}  // namespace quendal::frame
