#include "view/FrameDrawing.h"

#include "model/State.h"
#include "view/QuartzDraw.h"

namespace quendal::frame {

void setGrey(double level) {
    state.draw.RedCol = state.draw.GrnCol = state.draw.BleCol = level;
}

void setBlackText(int32_t fontRow, double size) {
    setGrey(0.0);
    state.draw.QzFontNum = fontRow;
    state.draw.fontSize = size;
}

void setGridWidth() { state.draw.LineW = state.draw.DoPrint != 0 ? 0.5 : 0.0; }

namespace {

void placeCorners(double x0, double y0, double x1, double y1) {
    state.point.xx = static_cast<float>(x0);
    state.point.yy = static_cast<float>(y0);
    state.point.xx1 = static_cast<float>(x1);
    state.point.yy1 = static_cast<float>(y1);
}

}  // namespace

void line(double x0, double y0, double x1, double y1) {
    placeCorners(x0, y0, x1, y1);
    QuartzDrawLine(kResponseWindow);
}

void dottedLine(double x0, double y0, double x1, double y1) {
    state.draw.DashLineType = 1;
    line(x0, y0, x1, y1);
}

void denseDashedLine(double x0, double y0, double x1, double y1) {
    state.draw.DashLineType = 2;
    line(x0, y0, x1, y1);
}

void strokeRect(double x0, double y0, double x1, double y1) {
    placeCorners(x0, y0, x1, y1);
    state.draw.s_FrameFill = "Frame";
    QuartzDrawRect(kResponseWindow);
}

void text(double x, double y, std::string_view bytes) {
    state.point.xx = static_cast<float>(x);
    state.point.yy = static_cast<float>(y);
    state.draw.QuartzText = bytes;
    QuartzDrawText(kResponseWindow);
}

void relativeLevelLabels(int32_t scale) {
    struct Label { const char* text; double x; };
    // One label per grid line, y 55 to 335 (5 px under the line it names).
    static constexpr Label kFiveDb[8] = {{"+10", 15}, {"+5", 22}, {"0", 32}, {"-5", 25},
                                         {"-10", 17}, {"-15", 17}, {"-20", 17}, {"-25", 17}};
    static constexpr Label kTenDb[8] = {{"+20", 15}, {"+10", 15}, {"0", 32}, {"-10", 17},
                                        {"-20", 17}, {"-30", 17}, {"-40", 17}, {"-50", 17}};
    const Label* labels = scale == 5 ? kFiveDb : scale == 10 ? kTenDb : nullptr;
    if (labels == nullptr) return;
    setBlackText();
    text(26, 40, "dB");
    for (int k = 0; k < 8; ++k) text(labels[k].x, 55 + 40 * k, labels[k].text);
}

}  // namespace quendal::frame
