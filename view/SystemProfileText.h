// What every part of the System Profile page is written with: texts at a
// baseline, rules and stroked boxes in the page's grey, and values shown
// as value texts right-aligned against their value box. Everything goes to
// the response window (window 7), or to the print page while DoPrint is set.
#pragma once

#include <cstdint>
#include <string_view>

#include "model/Str255.h"

namespace quendal {

inline constexpr double kProfileLineGrey = 0.229;  // rules and value boxes

// Font rows of the page: labels in "Lucida Grande", values in "Geneva".
inline constexpr int32_t kLabelFontRow = 1;
inline constexpr int32_t kValueFontRow = 5;

void setProfileGrey(double grey);
// Colour, font row and size of the next texts.
void setProfileTextStyle(double grey, int32_t fontRow, double size);
// Draws `text` with the left end of its baseline at (x, y).
void drawProfileText(std::string_view text, double x, double y);
// A rule from x0 to x1 at height y.
void drawProfileRule(double x0, double x1, double y);
// A stroked rectangle between the two corners.
void drawProfileBox(double left, double top, double right, double bottom);

// The value text of a number: rounded to `decimals` with ties to even,
// then written by the program's number text (one leading blank unless the
// value is negative): 25.456 with 2 gives " 25.46", 30.0 gives " 30".
// A value too vast for its decimals to matter is written as it is: 1e308
// gives " 1e+308", never an overflow.
Str255 valueText(double value, int32_t decimals);
// Where a value text starts so that its right end meets the value box: 4
// pt per character, 2 pt further right when it has a decimal point.
double rightAlignedX(const Str255& text);
// Draws the value text of `value` right-aligned on the baseline.
void drawProfileValue(double value, int32_t decimals, double baseline);

// Line widths of rules and boxes: the context's default hairline (0) on
// the screen, fixed widths on paper.
double profileRuleWidth();  // 0 or 0.75
double profileBoxWidth();   // 0 or 0.5

}  // namespace quendal
