// The program's texts are Mac Roman bytes; Qt's are Unicode. Conversion
// happens here and only here.
#pragma once

#include <string>
#include <string_view>

#include <QString>

namespace quendal::platform::qt {

QString fromMacRoman(std::string_view bytes);
// Characters Mac Roman cannot hold become "?", one each (a character
// beyond the 16-bit plane is one character).
std::string toMacRoman(const QString& text);
// The text in UTF-8, composed (Unicode NFC): a letter followed by its
// combining accent becomes the accented letter, as typed on most desktops.
std::string composedUtf8(const QString& text);

// The same for a number typed into a field, as numberTextFromUtf8 reads it.
std::string numberTextToMacRoman(const QString& text);

// Mac Roman bytes as a title of a button, menu item or tab: a literal '&'
// is doubled so that Qt does not take it for a mnemonic.
QString titleFromMacRoman(std::string_view bytes);

}  // namespace quendal::platform::qt
