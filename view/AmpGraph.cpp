#include <string>

#include "model/State.h"
#include "view/SystemTitle.h"
#include "view/FrameDrawing.h"
#include "view/GraphFrame.h"
#include "view/ResponseGraphs.h"

namespace quendal {

using namespace frame;

namespace {

// The band-pass systems' responses lie at other levels than the reference
// SPL says; this moves the window of levels so their curves stay in view.
// Returns the offset in dB at 5 or 10 dB per division.
double levelOffset(int32_t tab, int32_t button, int32_t scale) {
    if (tab != 2) return 0.0;
    switch (button) {
        case 1: case 2: case 3: case 5: case 6: return 5.0;   // Raveza Box, Passive Raveza, Serial Raveza Type1, Twin Vented, Twin Serial
        case 8: return scale == 10 ? -5.0 : 0.0;                // Triple Vented
        default: return 0.0;                                    // Serial Raveza Type2, Delta Vented
    }
}

// The offset of the absolute scale for the level v: the top line shows
// 100 + sift dB (5 dB per division) or 110 + sift dB (10 dB per division).
double absoluteScaleOffset(double v, int32_t scale) {
    if (scale == 5) {
        if (v < 80) return -15;
        if (v < 85) return -10;
        if (v < 90) return -5;
        if (v < 95) return 0;
        if (v < 100) return 5;
        if (v < 105) return 10;
        if (v < 110) return 15;
        return 20;
    }
    if (v < 80) return -10;
    if (v < 90) return 0;
    if (v < 100) return 10;
    return 20;
}

void absoluteLevelLabels(int32_t scale) {
    const SystemSelection& sel = state.selection;
    const double v = state.ref.SPL - state.coef.siftUpDwn + levelOffset(sel.SysSelTabNum, sel.SysSelBtnNum, scale);
    const double sift = absoluteScaleOffset(v, scale);
    setBlackText();
    text(7, 40, "dBSPL1W1m");
    const int top = static_cast<int>((scale == 5 ? 100 : 110) + sift);
    for (int k = 0; k < 8; ++k) {
        const int level = top - k * scale;
        std::string label = "+";
        label += std::to_string(level);
        text(level >= 100 ? 7 : 15, 55 + 40 * k, label);
    }
    state.scales.sift = sift;
}

}  // namespace

int32_t ampGraph() {
    setGridWidth();
    setGrey(kGridGrey);
    for (int y = 50; y <= 330; y += 40) line(45.0, y + 0.5, 505.0, y + 0.5);
    freqDrawLine();
    setBlackText();
    text(238, 20, "Amplitude");
    DrawSystemNameFont();
    freqScale();
    dipReadOutOfSystem();

    const int32_t scale = state.view.Scale;
    if (scale != 5 && scale != 10) return 0;
    if (state.view.Magni == 0) relativeLevelLabels(scale);
    else if (state.view.Magni == 1) absoluteLevelLabels(scale);
    return 0;
}

}  // namespace quendal
