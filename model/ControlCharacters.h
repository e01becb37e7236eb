// Control characters (U+0000-U+001F and U+007F: a line break, a tab, ...)
// are not shown as what they are, so a name that holds one does not hold
// only what it shows. The same codes in Unicode and in the 8-bit text a
// design keeps.
#pragma once

#include <string>
#include <string_view>

namespace quendal {

constexpr bool isControlCharacter(char32_t c) { return c < 0x20 || c == 0x7F; }

// The control characters of an 8-bit text, every one in the order it stands.
inline std::u32string controlCharactersIn(std::string_view text) {
    std::u32string characters;
    for (const char c : text)
        if (isControlCharacter(static_cast<unsigned char>(c))) characters += static_cast<unsigned char>(c);
    return characters;
}

}  // namespace quendal
