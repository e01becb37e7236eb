#include <cmath>
#include <string>

#include "model/State.h"
#include "view/SystemTitle.h"
#include "view/FrameDrawing.h"
#include "view/GraphFrame.h"
#include "view/ResponseGraphs.h"

namespace quendal {

using namespace frame;

namespace {

// x of a signed whole-number label by its form; the phase labels follow
// the same rule.
double signedLabelX(const std::string& label) {
    if (label == "0") return 33;
    const std::size_t digits = label.size() - 1;
    if (label[0] == '+') return digits == 1 ? 23 : digits == 2 ? 15 : 7;
    return digits == 1 ? 26 : digits == 2 ? 18 : 10;
}

}  // namespace

int32_t gdGraph() {
    setGridWidth();
    setGrey(kGridGrey);
    for (int y = 50; y <= 330; y += 28) line(45.0, y + 0.5, 505.0, y + 0.5);
    freqDrawLine();
    setBlackText();
    text(231, 20, "Group Delay");
    DrawSystemNameFont();
    freqScale();
    dipReadOutOfSystem();

    // One row (28 px) is 2 * GDscl ms; zero lies on the row at y 190.
    const double scale = state.scales.GDscl;
    double unitX = 0.0;
    if (scale == 0.5) unitX = 18;
    else if (scale == 1.0 || scale == 2.5 || scale == 5.0) unitX = 13;
    else if (scale == 10.0) unitX = 8;
    else return 0;
    setBlackText();
    text(unitX, 40, "msec");
    for (int k = 0; k <= 10; ++k) {
        const long ms = std::lround((5 - k) * 2 * scale);
        std::string label = ms > 0 ? "+" : "";
        label += std::to_string(ms);
        text(signedLabelX(label), 55 + 28 * k, label);
    }
    return 0;
}

}  // namespace quendal
