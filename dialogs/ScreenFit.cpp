#include "dialogs/ScreenFit.h"

#include <algorithm>

namespace quendal {

Rect16 fitContentOntoArea(Rect16 content, Rect16 area, Rect16 margins) {
    const int roomTop = area.top + margins.top, roomLeft = area.left + margins.left;
    const int roomBottom = area.bottom - margins.bottom, roomRight = area.right - margins.right;
    const int width = std::clamp(content.right - content.left, 1, std::max(1, roomRight - roomLeft));
    const int height = std::clamp(content.bottom - content.top, 1, std::max(1, roomBottom - roomTop));
    const int left = std::clamp<int>(content.left, roomLeft, std::max(roomLeft, roomRight - width));
    const int top = std::clamp<int>(content.top, roomTop, std::max(roomTop, roomBottom - height));
    return {int16_t(top), int16_t(left), int16_t(top + height), int16_t(left + width)};
}

Rect16 fitOntoArea(Rect16 bounds, Rect16 area) {
    return fitContentOntoArea(bounds, area, Rect16{kPaletteTitleBarRoom, 0, 0, 0});
}

}  // namespace quendal
