// Reading a number that the user typed or a record carries.
//
// Blanks, wherever a text may have them, are the ASCII ones and the
// no-break space (Mac Roman 0xCA).
#pragma once

#include <cstdint>
#include <string_view>

namespace quendal {

// The program's text-to-number rule, independent of the locale:
// - leading blanks (spaces, tabs, line ends, no-break spaces) are skipped;
// - "&H" followed by hexadecimal digits, or "&" followed by any other
//   character but "O" and "X" (that character is taken for the H, unless
//   it is itself a hexadecimal digit), or "0x", gives a hexadecimal integer;
//   "&O" an octal and "&X" a binary integer; letters in either case;
// - otherwise the longest valid beginning of the text is read as a decimal
//   number: an optional sign, digits with an optional decimal point (at
//   least one digit), and an optional exponent ("e" or "E", optional sign,
//   digits); whatever follows is ignored ("12.5 Hz" gives 12.5), but a
//   decimal comma makes it no number ("12,5" would otherwise read as 12).
// A text with no number gives 0, and so does a prefix with no digit after
// it ("&", "0x"). Infinities and not-a-number are refused: "inf", "nan"
// and numbers beyond the range of a double, in any base, give 0, so that
// callers that reject values of 0 or less reject them too.
double textToNumber(std::string_view text);

// What a text holds for textToNumber: nothing but blanks, a number, no
// number at its beginning ("abc", "inf", a prefix with no digit after it
// such as "&H"), or a number beyond the range of a double ("1e999", or a
// hexadecimal number of 300 digits; a number too small to hold reads as 0
// and is a Number).
enum class NumberTextKind { Blank, Number, NotANumber, TooLarge };
NumberTextKind numberTextKind(std::string_view text);

// The unit a number field takes. A number is read only in its field's own
// unit: after the number and its blanks there may be nothing, or one of the
// spellings of that unit data sheets use (spellsUnit); a field without a
// unit takes the number alone.
enum class FieldUnit : int32_t {
    None,              // Qts, Qes, Qms, Qtc, Qmp: a number alone
    Hertz,             // Hz, Hertz
    Litre,             // L, litre(s), liter(s), ltr, lt, and the same size dm3, dm^3
    SquareCentimetre,  // cm2, cm^2, sq cm, sq. cm
    CubicCentimetre,   // cm3, cm^3, cc, and the same size ml
    Centimetre,        // cm
    Millimetre,        // mm
    MilliHenry,        // mH
    Ohm,               // the Mac Roman Omega, ohm, ohms
    Watt,              // W, watt(s), and a continuous rating: W RMS, W (RMS), W AES, W nominal, W continuous
    Percent,           // %
};

// The unit as the alerts name it ("Hz", "liters", "cm2", "ohms"...); empty
// for a field without a unit.
std::string_view unitName(FieldUnit unit);

// Whether `text`, with no blanks around it, spells the unit. The texts are
// Mac Roman: a raised 2 or 3 after "cm", which it lacks, comes from an
// entry field as "^2" or "^3", and the Omega is its byte 0xBD. Case does
// not matter ("HZ", "mh", "OHMS", "w"), nor how many blanks stand between
// words ("sq  cm"), except that a capital M with a small letter after it is
// the mega prefix: "Mm", "Mh", "Ml" are other units, never the field's. A
// unit all in capitals is the field's own in capitals ("MM", "MH", "ML"):
// a megametre, megahenry or megalitre is no field's unit. A spelling of
// the same size is the unit ("dm3" a litre, "ml" a cm^3); nothing is ever
// converted, so another size stays another unit ("0.05 kHz").
bool spellsUnit(FieldUnit unit, std::string_view text);

// A number the user typed into a field of any window, or a record carries,
// read the one way every field reads it: by the rule above, and never as
// another number than the one typed, nor in another unit than the field's.
// After the number and its blanks there may be nothing or the field's own
// unit ("12.5 Hz" in a Hz field, "220 cm2" in a cm^2 field); any other text
// that begins with a letter, a non-ASCII character or "%" is another unit
// ("0.03 kHz", "6R8", "5 cm" in a mm field, "0.4 Q" where there is no unit),
// and the text is no number in this field (otherUnit). Otherwise a comma
// makes the text no number: it may be a decimal comma ("47,5", which would
// otherwise read as 47) or a thousands separator ("1,000", which read as a
// decimal comma would give 1); and so does another number or sign after the
// number ("1 000", "3.2.1", "1_000", or "&O78" in another base), which
// reading would drop, an exponent cut by a blank or left without digits
// ("1.5 e3", "1.5e 3", "1.5e", "1.5e+"), and a sign before a base prefix
// ("-0x64", "+&H10"). A prefixed number followed at once by a letter that
// is no digit of its base ("0x1G", "&H1G5") is no number either.
// A number too large to hold, in any base, reads as an infinity of its
// sign, beyond every limit; anything that is not a Number reads as 0.
struct TypedNumber {
    NumberTextKind kind = NumberTextKind::Blank;
    double value = 0.0;
    bool comma = false;         // no number because of a comma
    bool decimalComma = false;  // that comma stands between digits ("47,5", "1,000")
    bool otherUnit = false;  // no number in this field: another unit follows it
    // In a watts field, watts that name a peak, maximum, program or music
    // rating ("500 W peak", "W (max.)", "W program", "W music"): no thermal
    // limit. Other words after the watts ("W nom.", "W into 8 ohms") name
    // none, though they are no continuous rating either.
    bool peakRating = false;
    bool number() const { return kind == NumberTextKind::Number; }
};
TypedNumber readTypedNumber(std::string_view text, FieldUnit unit);

}  // namespace quendal
