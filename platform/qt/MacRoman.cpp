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

std::string toMacRoman(const QString& text) {
    std::string bytes;
    bytes.reserve(std::size_t(text.size()));
    for (const char32_t u : text.toUcs4()) {
        if (u < 0x80) {
            bytes += char(u);
            continue;
        }
        const int b = macRomanOfUnicode(u);
        bytes += b >= 0 ? char(b) : '?';
    }
    return bytes;
}

std::string numberTextToMacRoman(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return numberTextFromUtf8(std::string_view(utf8.constData(), std::size_t(utf8.size())));
}

std::string composedUtf8(const QString& text) { return text.normalized(QString::NormalizationForm_C).toStdString(); }

QString titleFromMacRoman(std::string_view bytes) {
    return fromMacRoman(bytes).replace(QLatin1Char('&'), QLatin1String("&&"));
}

}  // namespace quendal::platform::qt
