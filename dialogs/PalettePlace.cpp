#include "dialogs/PalettePlace.h"

#include <optional>
#include <vector>

#include "dialogs/ScreenFit.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"

namespace quendal {

namespace {

// A window's frame on the screen: its content with what it puts around it.
Rect16 frameOf(Rect16 content, Rect16 margins) {
    return {int16_t(content.top - margins.top), int16_t(content.left - margins.left),
            int16_t(content.bottom + margins.bottom), int16_t(content.right + margins.right)};
}

// Of a window that is open, shown yet or not.
std::optional<Rect16> frameOf(int32_t window) {
    if (!platform::windowExists(window)) return std::nullopt;
    return frameOf(platform::windowBounds(window), platform::windowFrameMargins(window));
}

bool overlap(const Rect16& a, const Rect16& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

Rect16 sized(Rect16 r, int width, int height) {
    return {r.top, r.left, int16_t(r.top + height), int16_t(r.left + width)};
}

Rect16 areaAround(const Rect16& r) {
    return platform::availableScreenArea((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

}  // namespace

Rect16 paletteBesideResponseWindow(int32_t offset, int16_t width, int16_t height) {
    const Rect16 response = platform::windowExists(kResponseWindow) ? platform::windowBounds(kResponseWindow)
                                                                    : state.bounds.RespWndBounds;
    const int left = response.left + offset, top = response.top;
    const Rect16 wanted{int16_t(top), int16_t(left), int16_t(top + height), int16_t(left + width)};
    const Rect16 area = platform::availableScreenArea(left + width / 2, top + height / 2);
    return fitContentOntoArea(wanted, area, Rect16{kPaletteTitleBarRoom, 0, 0, 0});
}

void gatherPalettesBesideResponseWindow(int16_t gap) {
    if (!platform::windowExists(kResponseWindow)) return;
    const Rect16 response = platform::windowBounds(kResponseWindow);
    const Rect16 area = platform::availableScreenArea((response.left + response.right) / 2, response.top);
    struct Palette {
        int32_t window;
        int width = 0, height = 0;
        Rect16 margins;  // what its frame puts around its content
    };
    std::vector<Palette> open;
    for (int32_t window : {kSystemInfoPalette, kCustomPalette})
        if (platform::windowExists(window)) {
            const Rect16 b = platform::windowBounds(window);
            open.push_back({window, b.right - b.left, b.bottom - b.top, platform::windowFrameMargins(window)});
        }
    // A layout places the palettes one after the other, each on its side
    // (true: left) beyond those placed there before it; it fits when every
    // palette's frame stays on the screen. The lefts come in the order of
    // `open`.
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
                fits = fits && leftEdge - p.margins.left >= area.left;
            } else {
                lefts[step.palette] = rightEdge + gap;
                rightEdge += gap + p.width;
                fits = fits && rightEdge + p.margins.right <= area.right;
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
        platform::setWindowBounds(open[i].window, fitContentOntoArea(wanted, area, open[i].margins));
        platform::unminimizeWindow(open[i].window);
    }
}

void keepPalettesClearOfResponseWindow() {
    const std::optional<Rect16> response = frameOf(kResponseWindow);
    const std::optional<Rect16> info = frameOf(kSystemInfoPalette), custom = frameOf(kCustomPalette);
    if (!response) return;
    const bool under = (info && overlap(*info, *response)) || (custom && overlap(*custom, *response)) ||
                       (info && custom && overlap(*info, *custom));
    if (under) gatherPalettesBesideResponseWindow(kPaletteGap);
}

Rect16 windowPlaceOnScreen(int32_t window) {
    const Rect16 content = platform::windowBounds(window);
    const Rect16 placed = fitContentOntoArea(content, areaAround(content), platform::windowFrameMargins(window));
    // The size stays: where the screen is too small, the window runs past
    // its right and bottom edges.
    return sized(placed, content.right - content.left, content.bottom - content.top);
}

}  // namespace quendal
