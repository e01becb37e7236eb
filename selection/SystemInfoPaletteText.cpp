// The palette's value text and its place on a screen: no widgets here.
#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <string>
#include <string_view>

#include "selection/SystemInfoPalette.h"
#include "view/SystemProfileText.h"
#include "dialogs/ScreenFit.h"

namespace quendal {

namespace {

constexpr std::size_t kPaletteValueWidth = 6;  // characters

// The value in exponent form, in at most `width` characters: as many
// significant digits as fit, correctly rounded, and the exponent without
// its plus sign or leading zeros ("1.23e6", "-2e308").
std::string exponentFormWithin(double value, std::size_t width) {
    std::string text;
    for (int digitsAfterPoint = static_cast<int>(width); digitsAfterPoint >= 0; --digitsAfterPoint) {
        char buffer[64];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific,
                                          digitsAfterPoint);
        const std::string_view written(buffer, static_cast<std::size_t>(result.ptr - buffer));  // -d.ddde+XX
        const std::size_t e = written.find('e');
        std::string mantissa(written.substr(0, e));
        if (mantissa.find('.') != std::string::npos) {
            while (mantissa.back() == '0') mantissa.pop_back();
            if (mantissa.back() == '.') mantissa.pop_back();
        }
        text = mantissa + "e" + std::to_string(std::atoi(std::string(written.substr(e + 1)).c_str()));
        if (text.size() <= width) break;
    }
    return text;
}

}  // namespace

Str255 paletteValueText(double value, int32_t decimals) {
    const Str255 text = valueText(value, decimals);
    std::string_view shown = text.view();
    if (!shown.empty() && shown.front() == ' ') shown.remove_prefix(1);
    // A longer text loses decimals, never a digit before the point: a value
    // whose whole part does not fit, or one already in exponent form, is
    // shown in the exponent form that fits.
    const std::size_t wholePart = std::min(shown.find('.'), shown.size());
    if (shown.size() > kPaletteValueWidth &&
        (wholePart > kPaletteValueWidth || shown.find('e') != std::string_view::npos))
        return Str255(exponentFormWithin(value, kPaletteValueWidth));
    return Str255(shown.substr(0, kPaletteValueWidth));
}

}  // namespace quendal
