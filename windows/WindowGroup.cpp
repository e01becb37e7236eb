#include "windows/WindowGroup.h"

#include <vector>

#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"
#include "view/ResponsePointer.h"
#include "windows/ResponseWindow.h"
#include "dialogs/ScreenFit.h"

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

void gatherPalettesBesideResponseWindow(int16_t gap) {
    if (!platform::windowExists(kResponseWindow)) return;
    const Rect16 response = platform::windowBounds(kResponseWindow);
    const Rect16 area = platform::availableScreenArea((response.left + response.right) / 2, response.top);
    struct Palette {
        int32_t window;
        int width = 0, height = 0;
    };
    std::vector<Palette> open;
    for (int32_t window : {kSystemInfoPalette, kCustomPalette})
        if (platform::windowExists(window)) {
            const Rect16 b = platform::windowBounds(window);
            open.push_back({window, b.right - b.left, b.bottom - b.top});
        }
    // A layout places the palettes one after the other, each on its side
    // (true: left) beyond those placed there before it; it fits when every
    // palette stays on the screen. The lefts come in the order of `open`.
    struct Step {
        std::size_t palette;
        bool left;
    };
    std::vector<int> lefts(open.size(), 0);
    const auto layout = [&](const std::vector<Step>& steps) {
        int leftEdge = response.left, rightEdge = response.right;
        bool fits = true;
        for (const Step& step : steps) {
            const Palette& p = open[step.palette];
            if (step.left) {
                leftEdge -= gap + p.width;
                lefts[step.palette] = leftEdge;
                fits = fits && leftEdge >= area.left;
            } else {
                lefts[step.palette] = rightEdge + gap;
                rightEdge += gap + p.width;
                fits = fits && rightEdge <= area.right;
            }
        }
        return fits;
    };
    // Each palette on its own side; else both on the side that has room,
    // the one that belongs there nearer the response window.
    std::vector<std::vector<Step>> choices;
    if (open.size() == 2)
        choices = {{{0, true}, {1, false}}, {{0, true}, {1, true}}, {{1, false}, {0, false}}};
    else if (open.size() == 1)
        choices = {{{0, open[0].window == kSystemInfoPalette}}, {{0, open[0].window != kSystemInfoPalette}}};
    bool placed = false;
    for (const std::vector<Step>& choice : choices)
        if (layout(choice)) {
            placed = true;
            break;
        }
    if (!placed && !choices.empty()) layout(choices.front());
    for (std::size_t i = 0; i < open.size(); ++i) {
        const Rect16 wanted{response.top, int16_t(lefts[i]), int16_t(response.top + open[i].height),
                            int16_t(lefts[i] + open[i].width)};
        platform::setWindowBounds(open[i].window,
                                  fitContentOntoArea(wanted, area, Rect16{kPaletteTitleBarRoom, 0, 0, 0}));
    }
}


}  // namespace quendal
