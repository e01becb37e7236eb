#include "dialogs/PalettePlace.h"

#include "dialogs/ScreenFit.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"

namespace quendal {

Rect16 paletteBesideResponseWindow(int32_t offset, int16_t width, int16_t height) {
    const Rect16 response = platform::windowExists(kResponseWindow) ? platform::windowBounds(kResponseWindow)
                                                                    : state.bounds.RespWndBounds;
    const int left = response.left + offset, top = response.top;
    const Rect16 wanted{int16_t(top), int16_t(left), int16_t(top + height), int16_t(left + width)};
    const Rect16 area = platform::availableScreenArea(left + width / 2, top + height / 2);
    return fitContentOntoArea(wanted, area, Rect16{kPaletteTitleBarRoom, 0, 0, 0});
}

}  // namespace quendal
