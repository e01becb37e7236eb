// The program's texts are Mac Roman bytes; Qt's are Unicode. Conversion
// happens here and only here.
#pragma once

#include <string>
#include <string_view>

#include <QString>

namespace quendal::platform::qt {

QString fromMacRoman(std::string_view bytes);
// Characters Mac Roman cannot hold become `unheld`, one byte each (a
// character beyond the 16-bit plane is one character).
std::string toMacRoman(const QString& text, char unheld = '?');
// The characters of the text that Mac Roman cannot hold, every one in the
// order it stands.
std::u32string unheldCharacters(const QString& text);

// The same for a number typed into a field: the raised 2 and 3 of a unit
// ("cm²") become "^2" and "^3", the ohm sign the Omega, so that the unit is
// read rather than lost to a '?'.
std::string numberTextToMacRoman(QString text);

// Mac Roman bytes as a title of a button, menu item or tab: a literal '&'
// is doubled so that Qt does not take it for a mnemonic.
QString titleFromMacRoman(std::string_view bytes);

}  // namespace quendal::platform::qt
