// The numbers of the custom palette: the driver's Fs, Vas and Qts, and the
// box and passive-radiator values of the current system, each shown either
// as a read-only value or as an entry field, as the alignment asks.
//
// The palette is never updated in place: every fill removes its value
// controls and creates those of the current system and alignment anew.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

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

// The texts standing in the palette's entry fields, typed perhaps and not
// yet read by Calc., taken before the palette is filled again with the same
// design's values (the design given back after System Select or Speaker
// Select) and put back after it: the palette keeps what was typed until
// Calc. reads it, as it does under any sheet.
class PaletteTypedTexts {
public:
    PaletteTypedTexts();  // takes them, while the palette is shown
    // Into the same fields, while they stand for the same system and alignment.
    void putBack() const;

private:
    int32_t system_ = 0, alin_ = 0;
    std::vector<std::pair<int32_t, std::string>> texts_;
};

}  // namespace quendal
