#include <string>

#include "model/State.h"
#include "view/SystemTitle.h"
#include "view/FrameDrawing.h"
#include "view/GraphFrame.h"
#include "view/ResponseGraphs.h"

namespace quendal {

using namespace frame;

namespace {

// Millimetres per division for the peak displacement: the smallest whole
// scale from 1 to 8 mm that holds the peak, else 10 mm (no 9 mm scale).
// 0 when the peak is not a number: no scale is chosen.
int32_t displacementScale(double peak) {
    for (int32_t mm = 1; mm <= 8; ++mm)
        if (peak <= 10.0 * mm) return mm;
    return peak > 80.0 ? 10 : 0;
}

void absoluteLabels() {
    const int32_t scale = displacementScale(state.scales.DP);
    if (scale == 0) return;  // keep the last scale; nothing to label
    setBlackText();
    text(scale == 10 ? 17 : 20, 40, "mm");
    for (int k = 0; k <= 10; ++k) {
        const std::string label = std::to_string((10 - k) * scale);
        text(label.size() == 1 ? 31 : label.size() == 2 ? 24 : 16, 55 + 28 * k, label);
    }
    state.scales.DPScale = scale;
}

}  // namespace

int32_t dpGraph() {
    setGridWidth();
    setGrey(kGridGrey);
    const int32_t magni = state.view.Magni;
    if (magni == 0 || magni == 1) {
        const int step = magni == 0 ? 40 : 28;
        for (int y = 50; y <= 330; y += step) line(45.0, y + 0.5, 505.5, y + 0.5);
    }
    freqDrawLine();
    setBlackText();
    text(227, 20, "Displacement");
    DrawSystemNameFont();
    freqScale();
    dpPowerDisp();
    setBlackText();
    if (magni == 0) relativeLevelLabels(state.view.Scale);
    else if (magni == 1) absoluteLabels();
    return 0;
}

}  // namespace quendal
