#include <algorithm>

#include "app/UpdateCheck.h"
#include "platform/MacRomanText.h"

namespace quendal {

namespace {

constexpr std::size_t kMostDigits = 9;  // per part: an int32 without overflow

std::string_view firstLine(std::string_view body) {
    if (body.substr(0, 3) == "\xEF\xBB\xBF") body.remove_prefix(3);  // a byte-order mark
    body = body.substr(0, body.find_first_of("\r\n"));
    const std::size_t begin = body.find_first_not_of(" \t");
    if (begin == std::string_view::npos) return {};
    const std::size_t end = body.find_last_not_of(" \t");
    return body.substr(begin, end - begin + 1);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::optional<std::vector<int32_t>> VersionNumbers(std::string_view text) {
    const std::string_view line = firstLine(text);
    if (line.empty() || !isDigit(line.front())) return std::nullopt;
    std::vector<int32_t> numbers;
    std::size_t at = 0;
    while (true) {
        const std::size_t dot = line.find('.', at);
        const std::string_view part = line.substr(at, dot == std::string_view::npos ? std::string_view::npos : dot - at);
        std::size_t digits = 0;
        while (digits < part.size() && isDigit(part[digits])) ++digits;
        if (digits == 0 || digits > kMostDigits) return std::nullopt;
        int32_t value = 0;
        for (std::size_t i = 0; i < digits; ++i) value = value * 10 + (part[i] - '0');
        numbers.push_back(value);
        // A part with a suffix ("3-beta") ends the numbers.
        if (dot == std::string_view::npos || digits < part.size()) break;
        at = dot + 1;
    }
    return numbers;
}

int CompareVersions(const std::vector<int32_t>& a, const std::vector<int32_t>& b) {
    const std::size_t parts = std::max(a.size(), b.size());
    for (std::size_t i = 0; i < parts; ++i) {
        const int32_t x = i < a.size() ? a[i] : 0, y = i < b.size() ? b[i] : 0;
        if (x != y) return x < y ? -1 : 1;
    }
    return 0;
}

bool IsNewerVersion(std::string_view serverText, std::string_view ownText) {
    const auto server = VersionNumbers(serverText), own = VersionNumbers(ownText);
    return server && own && CompareVersions(*server, *own) > 0;
}

Str255 VersionTextForDisplay(std::string_view body) {
    std::string text(firstLine(body));
    text.erase(std::remove_if(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }),
               text.end());
    return Str255(platform::macRomanFromUtf8Lossy(text));
}

bool IsPlainFileName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos &&
           name.find('\0') == std::string_view::npos;
}

}  // namespace quendal
