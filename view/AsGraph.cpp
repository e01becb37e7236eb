#include <string>

#include "model/Rounding.h"
#include "model/State.h"
#include "view/SystemTitle.h"
#include "view/FrameDrawing.h"
#include "view/GraphFrame.h"
#include "view/ResponseGraphs.h"

namespace quendal {

using namespace frame;

namespace {

// m/s per row for the peak air speed: the top of the plot is 15 rows.
// 0 when the peak is not a number.
int32_t airSpeedScale(double peak) {
    if (peak <= 15) return 1;
    if (peak <= 30) return 2;
    if (peak <= 60) return 4;
    if (peak > 60) return 8;
    return 0;
}

}  // namespace

int32_t asGraph() {
    setGridWidth();
    setGrey(kGridGrey);
    // 15 rows of 18.667 px, each on the half pixel of its rounded position;
    // the bottom edge is the frame's.
    for (float y = 50.0f; y <= 315.0f; y = static_cast<float>(static_cast<double>(y) + 18.666666)) {
        const double row = rint(static_cast<double>(y) + 0.5) + 0.5;
        line(45.0, row, 505.0, row);
    }
    freqDrawLine();
    setBlackText();
    text(208, 20, "Air Vibration in Vent");
    DrawSystemNameFont();
    freqScale();
    dpPowerDisp();
    setBlackText();

    const int32_t scale = airSpeedScale(state.scales.AS0);
    if (scale == 0) return 0;  // keep the last scale; nothing to label
    static constexpr double kBaselines[16] = {55, 73, 92, 110, 129, 148, 166, 185,
                                              204, 222, 241, 260, 278, 297, 316, 335};
    text(13, 40, "m/sec");
    for (int k = 0; k <= 15; ++k) {
        const std::string label = std::to_string((15 - k) * scale);
        text(label.size() == 1 ? 31 : label.size() == 2 ? 24 : 17, kBaselines[k], label);
    }
    state.scales.ASScale = scale;
    return 0;
}

}  // namespace quendal
