// The program's texts are Mac Roman bytes; file paths, URLs and stored
// preferences are UTF-8. These convert between the two without a toolkit.
#pragma once

#include <string>
#include <string_view>

namespace quendal::platform {

// The Unicode character of a Mac Roman byte (bytes below 0x80 are ASCII).
char32_t unicodeOfMacRoman(unsigned char byte);
// The Mac Roman byte of a character, or -1 when Mac Roman has none.
int macRomanOfUnicode(char32_t character);

std::string utf8FromMacRoman(std::string_view bytes);
// False, and `out` left as it was, when the text is not valid UTF-8 or holds
// a character Mac Roman cannot write.
bool macRomanFromUtf8(std::string_view utf8, std::string& out);
// The same, with "?" for every character (or malformed byte) Mac Roman
// cannot write.
std::string macRomanFromUtf8Lossy(std::string_view utf8);

// The characters of UTF-8 text; a malformed byte is U+FFFD.
std::u32string unicodeFromUtf8(std::string_view utf8);
// Appends the UTF-8 bytes of a character; one beyond U+10FFFF is U+FFFD.
void appendUtf8(std::string& out, char32_t character);

// A number with its unit, typed or copied from a data sheet, as the
// program's number reader takes it: the raised 2 and 3 of a unit ("cm²",
// "dm³") become "^2" and "^3", the ohm sign the Omega, and the no-break,
// narrow no-break and thin spaces (U+00A0, U+202F, U+2009) plain blanks, so
// that the unit is read rather than lost to a "?"; any other character Mac
// Roman cannot write is a "?".
std::string numberTextFromUtf8(std::string_view utf8);

}  // namespace quendal::platform
