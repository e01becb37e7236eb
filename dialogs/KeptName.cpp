#include "dialogs/KeptName.h"

#include "model/ControlCharacters.h"
#include "platform/MacRomanText.h"

namespace quendal {

KeptName keptName(std::string_view utf8) {
    KeptName name;
    for (const char32_t c : platform::unicodeFromUtf8(utf8)) {
        const int byte = platform::macRomanOfUnicode(c);
        if (byte < 0 || isControlCharacter(c)) name.refused += c;
        else name.text += char(byte);
    }
    return name;
}

}  // namespace quendal
