#include "platform/MacRomanText.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace quendal::platform {

namespace {

// Unicode of the Mac Roman bytes 0x80-0xFF.
constexpr char16_t kHighHalf[128] = {
    0x00C4, 0x00C5, 0x00C7, 0x00C9, 0x00D1, 0x00D6, 0x00DC, 0x00E1,  // 0x80
    0x00E0, 0x00E2, 0x00E4, 0x00E3, 0x00E5, 0x00E7, 0x00E9, 0x00E8,  // 0x88
    0x00EA, 0x00EB, 0x00ED, 0x00EC, 0x00EE, 0x00EF, 0x00F1, 0x00F3,  // 0x90
    0x00F2, 0x00F4, 0x00F6, 0x00F5, 0x00FA, 0x00F9, 0x00FB, 0x00FC,  // 0x98
    0x2020, 0x00B0, 0x00A2, 0x00A3, 0x00A7, 0x2022, 0x00B6, 0x00DF,  // 0xA0
    0x00AE, 0x00A9, 0x2122, 0x00B4, 0x00A8, 0x2260, 0x00C6, 0x00D8,  // 0xA8
    0x221E, 0x00B1, 0x2264, 0x2265, 0x00A5, 0x00B5, 0x2202, 0x2211,  // 0xB0
    0x220F, 0x03C0, 0x222B, 0x00AA, 0x00BA, 0x03A9, 0x00E6, 0x00F8,  // 0xB8
    0x00BF, 0x00A1, 0x00AC, 0x221A, 0x0192, 0x2248, 0x2206, 0x00AB,  // 0xC0
    0x00BB, 0x2026, 0x00A0, 0x00C0, 0x00C3, 0x00D5, 0x0152, 0x0153,  // 0xC8
    0x2013, 0x2014, 0x201C, 0x201D, 0x2018, 0x2019, 0x00F7, 0x25CA,  // 0xD0
    0x00FF, 0x0178, 0x2044, 0x20AC, 0x2039, 0x203A, 0xFB01, 0xFB02,  // 0xD8
    0x2021, 0x00B7, 0x201A, 0x201E, 0x2030, 0x00C2, 0x00CA, 0x00C1,  // 0xE0
    0x00CB, 0x00C8, 0x00CD, 0x00CE, 0x00CF, 0x00CC, 0x00D3, 0x00D4,  // 0xE8
    0xF8FF, 0x00D2, 0x00DA, 0x00DB, 0x00D9, 0x0131, 0x02C6, 0x02DC,  // 0xF0
    0x00AF, 0x02D8, 0x02D9, 0x02DA, 0x00B8, 0x02DD, 0x02DB, 0x02C7,  // 0xF8
};

// The high half sorted by character, for the way back.
using Pair = std::pair<char16_t, unsigned char>;
const std::array<Pair, 128>& reverseTable() {
    static const std::array<Pair, 128> table = [] {
        std::array<Pair, 128> t{};
        for (int i = 0; i < 128; ++i) t[std::size_t(i)] = {kHighHalf[i], static_cast<unsigned char>(0x80 + i)};
        std::sort(t.begin(), t.end());
        return t;
    }();
    return table;
}

// The next character of UTF-8 text at `i`, moving `i` past it; false on a
// malformed sequence.
bool nextUtf8(std::string_view s, std::size_t& i, char32_t& c) {
    const auto lead = static_cast<unsigned char>(s[i]);
    int extra = 0;
    if (lead < 0x80) {
        c = lead;
    } else if ((lead & 0xE0) == 0xC0) {
        c = lead & 0x1F;
        extra = 1;
    } else if ((lead & 0xF0) == 0xE0) {
        c = lead & 0x0F;
        extra = 2;
    } else if ((lead & 0xF8) == 0xF0) {
        c = lead & 0x07;
        extra = 3;
    } else {
        return false;
    }
    if (i + std::size_t(extra) >= s.size() && extra > 0) return false;  // cut short
    for (int k = 1; k <= extra; ++k) {
        const auto b = static_cast<unsigned char>(s[i + std::size_t(k)]);
        if ((b & 0xC0) != 0x80) return false;
        c = (c << 6) | (b & 0x3F);
    }
    static constexpr char32_t kSmallest[4] = {0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
    i += std::size_t(extra) + 1;
    return true;
}

}  // namespace

char32_t unicodeOfMacRoman(unsigned char byte) { return byte < 0x80 ? char32_t(byte) : char32_t(kHighHalf[byte - 0x80]); }

int macRomanOfUnicode(char32_t character) {
    if (character < 0x80) return int(character);
    if (character > 0xFFFF) return -1;
    const auto& table = reverseTable();
    const auto it = std::lower_bound(table.begin(), table.end(), Pair{char16_t(character), 0});
    return it != table.end() && it->first == character ? int(it->second) : -1;
}

std::string utf8FromMacRoman(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char b : bytes) appendUtf8(out, unicodeOfMacRoman(static_cast<unsigned char>(b)));
    return out;
}

bool macRomanFromUtf8(std::string_view utf8, std::string& out) {
    std::string bytes;
    bytes.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t c = 0;
        if (!nextUtf8(utf8, i, c)) return false;
        const int b = macRomanOfUnicode(c);
        if (b < 0) return false;
        bytes += char(b);
    }
    out = std::move(bytes);
    return true;
}

std::u32string unicodeFromUtf8(std::string_view utf8) {
    std::u32string characters;
    characters.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t c = 0;
        if (!nextUtf8(utf8, i, c)) {
            c = 0xFFFD;
            ++i;
        }
        characters += c;
    }
    return characters;
}

namespace {

// The Mac Roman byte of a character, "?" where Mac Roman has none (a
// malformed byte is U+FFFD, which it has not either).
char lossyByte(char32_t c) {
    const int b = macRomanOfUnicode(c);
    return b >= 0 ? char(b) : '?';
}

}  // namespace

std::string numberTextFromUtf8(std::string_view utf8) {
    std::string bytes;
    bytes.reserve(utf8.size());
    for (const char32_t c : unicodeFromUtf8(utf8)) {
        switch (c) {
            case 0x00B2: bytes += "^2"; continue;
            case 0x00B3: bytes += "^3"; continue;
            case 0x2126: bytes += char(macRomanOfUnicode(0x03A9)); continue;  // the ohm sign, the Omega by another code
            case 0x00A0:
            case 0x202F:
            case 0x2009: bytes += ' '; continue;
            default: break;
        }
        bytes += lossyByte(c);
    }
    return bytes;
}

std::string macRomanFromUtf8Lossy(std::string_view utf8) {
    std::string bytes;
    bytes.reserve(utf8.size());
    for (const char32_t c : unicodeFromUtf8(utf8)) bytes += lossyByte(c);
    return bytes;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c > 0x10FFFF) c = 0xFFFD;
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

}  // namespace quendal::platform
