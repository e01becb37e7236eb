// The program's texts are Mac Roman bytes; file paths, URLs and stored
// preferences are UTF-8. These convert between the two without a toolkit.
#pragma once

#include <string>
#include <string_view>

namespace quendal::platform {

// What stands for a character Mac Roman cannot hold in a text that must
// tell it from a "?" typed: the ASCII substitute character.
inline constexpr char kUnheldCharacter = '\x1A';

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

}  // namespace quendal::platform
