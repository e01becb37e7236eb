// The numbers of the custom palette: the driver's Fs, Vas and Qts, and the
// box and passive-radiator values of the current system, each shown either
// as a read-only value or as an entry field, as the alignment asks.
//
// A fill builds the value controls anew for another system or alignment;
// otherwise it sets their texts, and leaves in an entry field what the
// user typed there until Calc. reads it.
#pragma once

#include <cstdint>

#include "palette/CustomPaletteValues.h"

namespace quendal {

// Control numbers of the value controls of window 9.
inline constexpr int32_t kPaletteFsValue = 206;  // 206-208: Fs, Vas, Qts
inline constexpr int32_t kPaletteQtsValue = 208;
inline constexpr int32_t kPaletteFirstValue = 211;  // 211-217: the system's values, top down
inline constexpr int32_t kPaletteLastValue = 217;

// The text size of the value controls (px).
inline constexpr double kPaletteValueTextSize = 13.0;

// Refills window 9 with the driver rows and the current system's rows for
// the alignment Alin, switches "Calc." and EditMenuFlag with them, puts the
// keyboard focus in the entry field and brings the palette to the front.
int32_t CustomPaletDisp();

// Rebuilds the text forms and, while the palette is shown, refills it.
int32_t ReDispCustomPalet();

// What the user types into an entry field stays there until Calc. reads
// it: every fill of the palette (a sheet's OK, a redraw, a loss picked, a
// design given back) keeps it while the field stands for the same system,
// alignment and value. Calc. calls this once it has read the fields, so
// that the next fill shows the values it computed or put back.
void paletteEntriesRead();

}  // namespace quendal
