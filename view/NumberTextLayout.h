// The small routines that lay out the text of a number.
//
// A read-out turns a number into text (numberText), pads it to a fixed
// count of decimals (PlusCommaZero) and then places it by its length
// (CharactCheck), the position of its decimal point (CommaCheck) or of its
// minus sign (MinusCheck), so that a column of values lines up at the point
// or at its right end. Every routine looks at no more than the first 63
// characters of its text; positions count from 1, and 0 means "not there".
#pragma once

#include <cstdint>
#include <string_view>

#include "model/Str255.h"

namespace quendal {

inline constexpr std::size_t kNumberTextLimit = 63;

// The number of characters of the text (0 to 63).
int16_t CharactCheck(const Str255& text);
// The position of the first "." (the decimal point), or 0.
int16_t CommaCheck(const Str255& text);
// The position of the first "-", or 0.
int16_t MinusCheck(const Str255& text);

// The text with a point and zeros appended so that it shows `decimals`
// decimals (1 to 4); no digit is removed and nothing is rounded:
//   decimals  no "."                       1 after "."  2 after  3 after
//   1         ".0"                         -            -        -
//   2         ".00"                        "0"          -        -
//   3         ".000" (nothing if "-" in it) "00"        "0"      -
//   4         ".0000" (nothing if "-" in it) "000"      "00"     "0"
// A text ending in "." and any other count of decimals leave the text as
// it is. The result is cut at 63 characters.
Str255 PlusCommaZero(const Str255& text, int16_t decimals);

// The advance of a Mac Roman text in the program's sans (font rows 1 and 5,
// with the widths of the classic grotesque) at `pixelSize`, in px; what a
// read-out or a box needs to keep its text inside.
double sansTextWidth(std::string_view bytes, double pixelSize);

}  // namespace quendal
