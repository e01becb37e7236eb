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

}  // namespace quendal
