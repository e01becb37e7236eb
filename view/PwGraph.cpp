#include <cmath>

#include "model/Rounding.h"
#include "model/State.h"
#include "response/PowerPlot.h"
#include "view/SystemTitle.h"
#include "view/FrameDrawing.h"
#include "view/GraphFrame.h"
#include "view/ResponseGraphs.h"

namespace quendal {

using namespace frame;

namespace {

constexpr double kPixelsPerDecade = 93.33333333333333;  // three decades over 280 px

}  // namespace

int32_t pwGraph() {
    setGridWidth();
    setGrey(kGridGrey);
    // A line at every 1-2-...-9 step of the base decades 1 W to 1000 W.
    for (int decade = 0, step = 1; decade <= 2; ++decade, step *= 10) {
        const int end = 10 * step;
        for (int v = step; v <= end; v += step) {
            const float yv = static_cast<float>(330.0 - kPixelsPerDecade * std::log10(static_cast<double>(v)));
            const double y = rint(static_cast<double>(yv) + 0.5) + 0.5;
            line(45.0, y, 505.0, y);
        }
    }
    freqDrawLine();
    setBlackText();
    text(230, 20, "Power Rating");
    DrawSystemNameFont();
    freqScale();
    text(13, 40, "Watts");

    struct Label { const char* text; double x; };
    // Labels of the base lines 1000, 500, 100, 50, 10, 5 and 1 W, per decade set.
    static constexpr Label kSets[4][7] = {
        {{"10 k", 11}, {"5 k", 17}, {"1 k", 17}, {"500", 17}, {"100", 17}, {"50", 25}, {"10", 25}},
        {{"1 k", 17}, {"500", 17}, {"100", 17}, {"50", 25}, {"10", 25}, {"5", 33}, {"1", 33}},
        {{"100", 17}, {"50", 25}, {"10", 25}, {"5", 33}, {"1", 33}, {"0.5", 20}, {"0.1", 20}},
        {{"10", 25}, {"5", 33}, {"1", 33}, {"0.5", 20}, {"0.1", 20}, {"0.05", 12}, {"0.01", 12}},
    };
    static constexpr double kBaselines[7] = {55, 83, 147, 176, 240, 269, 335};
    // The same rated power the power sweep draws for (999.9 W when none is
    // given), so that the labels fit the curve from the first drawing.
    const double pemx = ratedPowerForGraph();
    const int set = pemx > 1000 ? 0 : pemx > 100 ? 1 : pemx > 10 ? 2 : 3;
    for (int k = 0; k < 7; ++k) text(kSets[set][k].x, kBaselines[k], kSets[set][k].text);
    return 0;
}

}  // namespace quendal
