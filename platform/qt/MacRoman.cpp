#include "platform/qt/MacRoman.h"

#include <QList>

#include "platform/MacRomanText.h"

namespace quendal::platform::qt {

QString fromMacRoman(std::string_view bytes) {
    QString text;
    text.reserve(qsizetype(bytes.size()));
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text += QChar(char16_t(unicodeOfMacRoman(b)));
    }
    return text;
}

std::string toMacRoman(const QString& text, char unheld) {
    std::string bytes;
    bytes.reserve(std::size_t(text.size()));
    for (const char32_t u : text.toUcs4()) {
        if (u < 0x80) {
            bytes += char(u);
            continue;
        }
        const int b = macRomanOfUnicode(u);
        bytes += b >= 0 ? char(b) : unheld;
    }
    return bytes;
}

std::string numberTextToMacRoman(QString text) {
    text.replace(QChar(0x00B2), QLatin1String("^2"));
    text.replace(QChar(0x00B3), QLatin1String("^3"));
    text.replace(QChar(0x2126), QChar(0x03A9));  // the ohm sign, the Omega by another code
    return toMacRoman(text);
}

std::u32string unheldCharacters(const QString& text) {
    std::u32string unheld;
    for (const char32_t u : text.toUcs4())
        if (u >= 0x80 && macRomanOfUnicode(u) < 0) unheld += u;
    return unheld;
}

QString titleFromMacRoman(std::string_view bytes) {
    return fromMacRoman(bytes).replace(QLatin1Char('&'), QLatin1String("&&"));
}

}  // namespace quendal::platform::qt
