// The palette's value text and its place on a screen: no widgets here.
#include <algorithm>
#include <string_view>

#include "selection/SystemInfoPalette.h"
#include "selection/SystemProfileText.h"

namespace quendal {

namespace {

constexpr int kTitleBarRoom = 24;  // px kept free above the content for the title bar

}  // namespace

Str255 paletteValueText(double value, int32_t decimals) {
    const Str255 text = valueText(value, decimals);
    std::string_view shown = text.view();
    if (!shown.empty() && shown.front() == ' ') shown.remove_prefix(1);
    return Str255(shown.substr(0, 6));
}

Rect16 fitOntoArea(Rect16 bounds, Rect16 area) {
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    const int top0 = area.top + kTitleBarRoom;
    const int left = std::clamp<int>(bounds.left, area.left, std::max<int>(area.left, area.right - width));
    const int top = std::clamp<int>(bounds.top, top0, std::max(top0, area.bottom - height));
    return {int16_t(top), int16_t(left), int16_t(top + height), int16_t(left + width)};
}

}  // namespace quendal
