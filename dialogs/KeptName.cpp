#include "dialogs/KeptName.h"

#include "platform/MacRomanText.h"

namespace quendal {

namespace {

// A line break, a tab or another control character is not shown as what
// it is.
bool isControlCharacter(char32_t c) { return c < 0x20 || c == 0x7F; }

}  // namespace

KeptName keptName(std::string_view utf8) {
    KeptName name;
    for (const char32_t c : platform::unicodeFromUtf8(utf8)) {
        const int byte = platform::macRomanOfUnicode(c);
        if (byte < 0 || isControlCharacter(c)) name.refused += c;
        else name.text += char(byte);
    }
    return name;
}

std::u32string controlCharactersIn(std::string_view name) {
    std::u32string characters;
    for (const char c : name)
        if (isControlCharacter(static_cast<unsigned char>(c))) characters += static_cast<unsigned char>(c);
    return characters;
}

}  // namespace quendal
