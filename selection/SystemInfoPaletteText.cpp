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
    // A text too long for the place gives up decimals, each time rounded
    // from the value itself, so that the last digit shown is the nearest:
    // 1999.99 W with 2 decimals shows "2000", never "1999.9", and 12345.67
    // W "12346", never "12345.". The number text never ends in a point.
    for (int32_t d = std::max(decimals, int32_t(0)); d >= 0; --d) {
        const Str255 text = valueText(value, d);
        std::string_view shown = text.view();
        if (!shown.empty() && shown.front() == ' ') shown.remove_prefix(1);
        if (shown.size() <= kPaletteValueWidth) return Str255(shown);
    }
    // Digits before the point are never dropped: a value whose whole part
    // does not fit, or one already in exponent form, is shown in the
    // exponent form that keeps the most digits in the place.
    return Str255(exponentTextWithin(value, kPaletteValueWidth));
}

}  // namespace quendal
