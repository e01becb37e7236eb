#include "model/State.h"
#include "view/SystemTitle.h"
#include "view/FrameDrawing.h"
#include "view/ResponseGraphs.h"

namespace quendal {

using namespace frame;

namespace {

struct TimeAxis {
    double threshold;     // s = FS / QTS / 2 at least this
    double timeScale;
    double cursorScale;   // ms at the right edge (x 505)
    struct Label { const char* text; double x; } labels[5];
};

// The time axis: the higher the resonance over its Q, the faster the step
// response settles and the shorter the time shown.
constexpr TimeAxis kAxes[] = {
    {1750, 100, 1, {{"0.2", 128}, {"0.4", 219}, {"0.6", 311}, {"0.8", 404}, {"1.0", 496}}},
    {700, 40, 2.5, {{"0.5", 128}, {"1.0", 219}, {"1.5", 311}, {"2.0", 404}, {"2.5", 496}}},
    {350, 20, 5, {{"1", 133}, {"2", 225}, {"3", 317}, {"4", 410}, {"5", 501}}},
    {175, 10, 10, {{"2", 133}, {"4", 225}, {"6", 317}, {"8", 410}, {"10", 497}}},
    {70, 4, 25, {{"5", 133}, {"10", 221}, {"15", 313}, {"20", 405}, {"25", 497}}},
    {35, 2, 50, {{"10", 129}, {"20", 221}, {"30", 313}, {"40", 405}, {"50", 497}}},
    {17.5, 1, 100, {{"20", 129}, {"40", 221}, {"60", 313}, {"80", 405}, {"100", 493}}},
};
constexpr TimeAxis kSlowestAxis = {0, 0.5, 200, {{"40", 129}, {"80", 221}, {"120", 309}, {"160", 401}, {"200", 493}}};

const TimeAxis* timeAxis(double s) {
    if (s != s) return nullptr;  // not a number: no axis
    for (const auto& axis : kAxes)
        if (s >= axis.threshold) return &axis;
    return &kSlowestAxis;
}

}  // namespace

int32_t StepGraph() {
    setGridWidth();
    setGrey(kGridGrey);
    // Dotted rows every 0.1 of the response, solid rows at +0.5, 0, -0.5.
    for (int y = 64; y <= 316; y += 14) dottedLine(45.0, y + 0.5, 505.0, y + 0.5);
    for (int y = 120; y <= 260; y += 70) line(45.0, y + 0.5, 505.0, y + 0.5);
    // Ten time divisions of 46 px.
    for (int x = 45; x <= 505; x += 46) line(x + 0.5, 50.0, x + 0.5, 330.0);
    setGrey(kBorderGrey);  // the frame keeps the grid's width
    strokeRect(45.5, 50.5, 505.5, 330.5);
    setBlackText();
    text(224, 20, "Step Response");
    DrawSystemNameFont();
    // The title leaves black, row 1, 13 px: the labels follow in that style.
    text(20, 35, "F(t)");
    text(11, 55, "+1.0");
    text(11, 125, "+0.5");
    text(33, 195, "0");
    text(13, 265, "-0.5");
    text(13, 335, "-1.0");

    const float s = static_cast<float>(state.speaker.FS / state.speaker.QTS * 0.5);
    const TimeAxis* axis = timeAxis(static_cast<double>(s));
    if (axis == nullptr) return 0;
    state.scales.timeScale = axis->timeScale;
    state.scales.CursorScale = axis->cursorScale;
    text(437, 347, "[msec]");
    text(41, 347, "0");
    for (const auto& label : axis->labels) text(label.x, 347, label.text);
    return 0;
}

}  // namespace quendal
