// The names of the vents ("Vent", "Vent1" to "Vent3") and, in three
// systems, of the two drivers ("SP1", "SP2") written over the system
// figure. Like the parameter labels they depend on the system alone: a
// vent's form, shape or count never changes them. Where vent 1 is narrow it
// is named downwards, one character per label ("V", "t", "1").
#pragma once

#include <cstdint>
#include <span>

#include "view/ParameterLabels.h"

namespace quendal {

// The vent and driver labels of a system (none to 5), in palette id order
// from 251; empty for the Infinite Baffle, Closed Box, Passive Radiator and
// Passive Raveza and for a selection that names no system.
std::span<const FigureLabel> ventLabels(int32_t tab, int32_t button);

inline constexpr int32_t kFirstVentLabelId = 251;

// Draws the current system's vent labels, grey 0.2, each y moved down by
// the page offset. Without labels it still leaves grey 0.2, 12 pt and
// font row 1 in the drawing state.
int32_t DrawVentFontForSystemProfile(int16_t offset);

// Makes the current system's vent labels static texts 251 upward of the
// System Info palette (window 8).
int32_t DrawVentFontForSysInfoPalet();

}  // namespace quendal
