// Numbers as the program shows them: the plain number text and the picture
// masks of the value fields.
//
// Both ignore the locale: the decimal point is always ".".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "model/Str255.h"

namespace quendal {

// The plain number text: fixed point with at most 10 significant digits
// (correctly rounded), trailing zeros and then a trailing point dropped, one
// leading blank before a value that is not negative.
//   45.3 -> " 45.3"   50.0 -> " 50"   -0.25 -> "-0.25"   2/3 -> " 0.6666666667"
// Minus zero is " 0". Magnitudes from 1e-10 up to below 1e20 (after the
// rounding to 10 digits) are written in fixed point; smaller and larger ones
// switch to the exponent form (" 1.5e20", "-2e-11") so that no text grows
// past a few tens of characters. A value whose rounding would pass the
// largest finite value is cut instead (" 1.797693134e308"), so that every
// text of a finite value reads back as a finite value. Not-a-number gives
// " nan", infinities " inf" and "-inf".
Str255 numberText(double value);

// The exponent form, written one way in every text of the program: the
// first significant digit, a point and the others when there are others,
// "e", and the exponent with a minus sign when it is negative, without a
// plus sign or leading zeros: "1.5e20", "-2e-11", "1e308".
// At most `significant` (1 to 17) significant digits, trailing zeros
// dropped, correctly rounded, and cut where rounding would pass the
// largest finite value. No leading blank; "0", "nan", "inf", "-inf".
std::string exponentText(double value, int significant);
// The same in at most `width` characters, with as many significant digits
// as fit; the digits may stand as a whole number with the exponent lowered
// ("145e98" for 1.45e100 in six characters, where "1.4e100" is seven).
// When not even one digit fits, the one-digit form.
std::string exponentTextWithin(double value, std::size_t width);

// A number laid out by a picture mask such as "####.### Hz" or
// "  ##.### Ohm".
//
// The mask's number field is its first run of "#" with at most one "." in
// it; everything else of the mask is copied as it stands. The "#" after the
// point give the count of decimals: the value is correctly rounded to it
// (an exact half goes to the even neighbour) and every decimal is shown,
// zeros included. The "#" before the point are the places of the whole
// part: the digits stand right-aligned in them, unused places become
// blanks, a value below 1 shows one "0" before the point, and a minus sign
// takes the place left of the first digit. A number that needs more places
// than the field has takes over the blanks right in front of the field
// first, so that columns keep their width, and beyond those widens the
// text; a digit is never dropped. A number whose text would not fit the
// 255 characters of a text value (1e300 with its 301 digits) is shown in
// the shortest exponent form that reads back as the value ("1e300"); a
// mask longer than a text may be gives up its own texts, never a digit.
// A value that rounds to zero shows no minus sign. Not-a-number and
// infinities show "nan", "inf" or "-inf" right-aligned in the field. A mask
// without "#" is returned as it is.
//   maskedNumber(45.3, "####.### Hz")     -> "  45.300 Hz"
//   maskedNumber(8, "  ##.### Ohm")       -> "   8.000 Ohm"
//   maskedNumber(1234.5, "  ##.### Ohm")  -> "1234.500 Ohm"
Str255 maskedNumber(double value, std::string_view mask);

}  // namespace quendal
