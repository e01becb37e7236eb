// The palette's value text and its place on a screen: no widgets here.
#include <algorithm>
#include <string_view>

#include "selection/SystemInfoPalette.h"
#include "model/NumberText.h"
#include "view/SystemProfileText.h"
#include "dialogs/ScreenFit.h"

namespace quendal {

namespace {

constexpr std::size_t kPaletteValueWidth = 6;  // characters

}  // namespace

Str255 paletteValueText(double value, int32_t decimals) {
    // The value text at its decimals, cut after six characters, not
    // rounded: 1234.56 W with 2 decimals shows "1234.5", 1999.99 W
    // "1999.9". A cut that ends in a point drops it: 12345.67 W "12345".
    const Str255 text = valueText(value, std::max(decimals, int32_t(0)));
    std::string_view shown = text.view();
    if (!shown.empty() && shown.front() == ' ') shown.remove_prefix(1);
    const std::size_t point = shown.find('.');
    const std::size_t whole = point == std::string_view::npos ? shown.size() : point;
    const bool fixedPoint = shown.find_first_not_of("-0123456789.") == std::string_view::npos;
    if (fixedPoint && whole <= kPaletteValueWidth) {
        shown = shown.substr(0, kPaletteValueWidth);
        if (shown.ends_with('.')) shown.remove_suffix(1);
        return Str255(shown);
    }
    // Digits before the point are never cut: a value whose whole part
    // does not fit, or one already in exponent form, is shown in the
    // exponent form that keeps the most digits in the place.
    return Str255(exponentTextWithin(value, kPaletteValueWidth));
}

}  // namespace quendal
