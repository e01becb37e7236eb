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
    const Str255 text = valueText(value, decimals);
    std::string_view shown = text.view();
    if (!shown.empty() && shown.front() == ' ') shown.remove_prefix(1);
    // A longer text loses decimals, never a digit before the point: a value
    // whose whole part does not fit, or one already in exponent form, is
    // shown in the exponent form that keeps the most digits in the place.
    const std::size_t wholePart = std::min(shown.find('.'), shown.size());
    if (shown.size() > kPaletteValueWidth &&
        (wholePart > kPaletteValueWidth || shown.find('e') != std::string_view::npos))
        return Str255(exponentTextWithin(value, kPaletteValueWidth));
    return Str255(shown.substr(0, kPaletteValueWidth));
}

}  // namespace quendal
