// The Vent Information page of the response window ("vent"): every vent of
// the design with the chamber it tunes, its shape, form, count and sizes,
// its area against the minimum, the outcome of its sizing, and the peak air
// speed at the input power against the limit.
#pragma once

#include <cstdint>

namespace quendal {

// Draws the page into the response window, or into the print page while
// DoPrint is set, with the drawing primitives.
int32_t VentInfo();

// Page geometry (pt): the vent columns end at these x (one to three vents
// from the left), the rows start at the first baseline, one pitch apart.
inline constexpr double kVentInfoColumnRight[3] = {300.0, 400.0, 500.0};
inline constexpr double kVentInfoColumnWidth = 100.0;
inline constexpr double kVentInfoFirstRow = 148.0;
inline constexpr double kVentInfoRowPitch = 19.0;

}  // namespace quendal
