#include "windows/WindowGroup.h"

#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"
#include "view/ResponsePointer.h"
#include "windows/ResponseWindow.h"

namespace quendal {

namespace {


void storeBounds(int32_t window, Rect16& bounds) {
    if (platform::windowExists(window)) bounds = platform::windowBounds(window);
}

}  // namespace

int32_t GetWndsBounds() {
    WindowBounds& b = state.bounds;
    storeBounds(kResponseWindow, b.RespWndBounds);
    storeBounds(kCustomPalette, b.CstmWndBounds);
    storeBounds(kSystemInfoPalette, b.InfoWndBounds);
    return 0;
}

int32_t SetupWndGroup() {
    platform::groupWindows({kResponseWindow, kSystemInfoPalette, kCustomPalette});
    return 0;
}

int32_t ReleaseWndGroup() {
    platform::ungroupWindows();
    return 0;
}

bool startGroupedMove(int32_t x, int32_t y, uint32_t modifiers) {
    ShellFlags& sh = state.shell;
    if (modifiers != platform::kOptionKey || sh.SheetWndFlag != 0 || sh.WndGroupFlag != 0) return false;
    if (x < 0 || y < 0 || insideResponseGraph(x, y) || !platform::windowExists(kResponseWindow)) return false;
    sh.WndGroupFlag = 1;
    SetupWndGroup();
    if (!platform::startWindowMove(kResponseWindow)) {
        groupedMoveEnded();
        return false;
    }
    return true;
}

int32_t groupedMoveEnded() {
    ShellFlags& sh = state.shell;
    if (sh.WndGroupFlag != 1) return 0;
    sh.WndGroupFlag = 0;
    return ReleaseWndGroup();
}

Rect16 paletteBesideResponseWindow(int32_t offset, int16_t width, int16_t height) {
    const Rect16 response = platform::windowExists(kResponseWindow) ? platform::windowBounds(kResponseWindow)
                                                                    : state.bounds.RespWndBounds;
    const int left = response.left + offset, top = response.top;
    const Rect16 wanted{int16_t(top), int16_t(left), int16_t(top + height), int16_t(left + width)};
    const Rect16 area = platform::availableScreenArea(left + width / 2, top + height / 2);
    return fitContentOntoArea(wanted, area, Rect16{kPaletteTitleBarRoom, 0, 0, 0});
}

}  // namespace quendal
