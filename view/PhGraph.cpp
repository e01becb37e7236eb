#include "model/Rounding.h"
#include "model/State.h"
#include "view/SystemTitle.h"
#include "view/FrameDrawing.h"
#include "view/GraphFrame.h"
#include "view/ResponseGraphs.h"

namespace quendal {

using namespace frame;

int32_t phGraph() {
    setGridWidth();
    setGrey(kGridGrey);
    // Dotted rows every 30 degrees (23.333 px), each on the half pixel of
    // its rounded position.
    for (float y = 50.0f; y <= 310.0f; y = static_cast<float>(static_cast<double>(y) + 23.333)) {
        const double row = rint(static_cast<double>(y) + 0.5) + 0.5;
        dottedLine(45.0, row, 505.0, row);
    }
    // Solid rows every 90 degrees.
    for (int y = 120; y <= 260; y += 70) line(45.0, y + 0.5, 505.0, y + 0.5);
    freqDrawLine();
    setBlackText();
    text(251, 20, "Phase");
    DrawSystemNameFont();
    freqScale();
    dipReadOutOfSystem();

    struct Label { const char* text; double x; };
    // 90 degrees per 70 px; labels 5 px under the rows at 50, 120, ..., 330.
    static constexpr Label kHighPass[5] = {{"+360", 7}, {"+270", 7}, {"+180", 7}, {"+90", 15}, {"0", 33}};
    static constexpr Label kBandPass[5] = {{"+180", 7}, {"+90", 15}, {"0", 33}, {"-90", 18}, {"-180", 10}};
    const int32_t tab = state.selection.SysSelTabNum;
    const Label* labels = tab == 1 ? kHighPass : tab == 2 ? kBandPass : nullptr;
    if (labels == nullptr) return 0;
    setBlackText();
    text(7, 35, "Degrees");
    for (int k = 0; k < 5; ++k) text(labels[k].x, 55 + 70 * k, labels[k].text);
    return 0;
}

}  // namespace quendal
