#include "view/SystemProfileText.h"

#include <cmath>

#include "model/NumberText.h"
#include "model/Rounding.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "view/NumberTextLayout.h"
#include "view/QuartzDraw.h"

namespace quendal {

namespace {

constexpr double kPrintedRuleWidth = 0.75;  // pt
constexpr double kPrintedBoxWidth = 0.5;    // pt

void setCorners(double x0, double y0, double x1, double y1) {
    state.point.xx = static_cast<float>(x0);
    state.point.yy = static_cast<float>(y0);
    state.point.xx1 = static_cast<float>(x1);
    state.point.yy1 = static_cast<float>(y1);
}

}  // namespace

void setProfileGrey(double grey) {
    state.draw.RedCol = state.draw.GrnCol = state.draw.BleCol = grey;
}

void setProfileTextStyle(double grey, int32_t fontRow, double size) {
    setProfileGrey(grey);
    state.draw.QzFontNum = fontRow;
    state.draw.fontSize = size;
}

void drawProfileText(std::string_view text, double x, double y) {
    state.draw.QuartzText = text;
    state.point.xx = static_cast<float>(x);
    state.point.yy = static_cast<float>(y);
    QuartzDrawText(kResponseWindow);
}

void drawProfileRule(double x0, double x1, double y) {
    setCorners(x0, y, x1, y);
    QuartzDrawLine(kResponseWindow);
}

void drawProfileBox(double left, double top, double right, double bottom) {
    state.draw.s_FrameFill = "Frame";
    setCorners(left, top, right, bottom);
    QuartzDrawRect(kResponseWindow);
}

Str255 valueText(double value, int32_t decimals) {
    return numberText(roundedToDecimals(value, decimals));  // a vast value stays the number it is
}

double rightAlignedX(const Str255& text) {
    const int16_t length = CharactCheck(text);
    return CommaCheck(text) > 0 ? 446.0 - 4.0 * length : 444.0 - 4.0 * length;
}

void drawProfileValue(double value, int32_t decimals, double baseline) {
    const Str255 text = valueText(value, decimals);
    drawProfileText(text.view(), rightAlignedX(text), baseline);
}

double profileRuleWidth() { return state.draw.DoPrint != 0 ? kPrintedRuleWidth : 0.0; }
double profileBoxWidth() { return state.draw.DoPrint != 0 ? kPrintedBoxWidth : 0.0; }

}  // namespace quendal
