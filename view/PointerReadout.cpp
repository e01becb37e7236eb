#include "view/PointerReadout.h"

#include <algorithm>
#include <cmath>

#include "response/AmplitudePlot.h"
#include "response/CofCal.h"
#include "response/ResponseCal.h"
#include "model/NumberText.h"
#include "model/Rounding.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"
#include "view/FrameDrawing.h"
#include "view/NumberTextLayout.h"
#include "view/ReSweep.h"
#include "view/WindowErase.h"

namespace quendal {

namespace {

constexpr char kDegree[] = "\xA1";  // the degree sign in Mac Roman
constexpr double kBaseline = 39.0;  // px, texts of both boxes
constexpr double kTextSize = 13.0;  // px
// The inside of the value box (stroked from 438.5 to 505.5), in px.
constexpr double kValueLeft = 440.0, kValueRight = 503.0;  // a pixel clear of the stroke

bool readOutShown() {
    const Str255& page = state.view.s_Resp;
    return state.cursor.detailTriBtn == 1 && !(page == "nq") && !(page == "sys") && !(page == "vent");
}

struct PointerValue {
    float value = 0.0f;
    const char* unit = "";
    int16_t decimals = 0;
    double shift = 0.0;  // px added to the value's x
};

float f32(double v) { return static_cast<float>(v); }

PointerValue valueOfPage() {
    PlotPoint& p = state.point;
    const Str255& page = state.view.s_Resp;
    PointerValue v;
    if (page == "amp") {
        ampPlot3();
        p.yy = f32(rint(p.yy * 1000.0 + 0.5) / 1000.0);
        p.yy = f32(rint(p.yy * 100.0) / 100.0);
        v.value = state.view.Magni == 1 ? f32(state.ref.SPL - p.yy) : -p.yy;
        v.value = f32(rint(v.value * 100.0) / 100.0);
        v.unit = "dB";
        v.decimals = 2;
        if (std::fabs(v.value) >= 100.0f) {
            v.value = f32(rint(v.value * 10.0 + 0.5) / 10.0);
            v.decimals = 1;
            v.shift = 8.2;
        }
    } else if (page == "pw") {
        pwPlot3();
        v.value = f32(rint(p.yyLinea * 100.0 + 0.5) / 100.0);
        const double rated = ratedPowerForGraph();  // the curve stops at the rated power too
        if (v.value > rated) v.value = f32(rated);
        v.unit = "W";
        v.decimals = 2;
        v.shift = 4.0;
        if (v.value >= 1000.0f) {
            v.value = f32(rint(v.value * 10.0) / 10.0);
            v.decimals = 1;
        }
    } else if (page == "imp") {
        impReadOut();
        v.value = f32(rint(p.yyLinea * 10.0 + 0.5) / 10.0);
        v.unit = "ohm";
        v.decimals = 1;
        v.shift = -2.0;
    } else if (page == "dp") {
        dpPlot3();
        p.yy = f32(rint(p.yy * 100.0 + 0.5) / 100.0);
        v.decimals = 2;
        if (state.view.Magni == 1) {
            v.value = p.yy;
            v.unit = "mm";
            v.shift = -8.0;
        } else {
            v.value = -p.yy;
            v.unit = "dB";
        }
    } else if (page == "ph") {
        resweepDown(Resweep::Phase, [] { phPlot3(); });
        v.value = f32(rint(p.yy * 10.0 + 0.5) / 10.0);
        if (state.selection.SysSelTabNum == 2) v.value = f32(v.value - 180.0);
        v.unit = kDegree;
        v.decimals = 1;
        v.shift = 18.0;
    } else if (page == "gd") {
        if (currentSystemNumber() == kTripleVented) {
            // Its delay is a difference between neighbouring points of its
            // downward sweep.
            tripleVentedDelayAtPointer();
            v.value = f32(rint(p.yy0 * 100.0 + 0.5) / 100.0);
        } else {
            gdPlot3();
            v.value = f32(rint(p.yy * 100.0 + 0.5) / 100.0);
        }
        v.unit = "ms";
        v.decimals = 2;
        v.shift = -2.0;
    } else if (page == "as") {
        AsPlot4();
        v.value = f32(rint(p.yy * 100.0 + 0.5) / 100.0);
        v.unit = "m/s";
        v.decimals = 2;
        v.shift = -8.0;
    }
    return v;
}

void setColour(const Colour& c) {
    state.draw.RedCol = c.red;
    state.draw.GrnCol = c.green;
    state.draw.BleCol = c.blue;
}

// One band of the snapping table: frequencies below `upper` (Hz).
struct SnapBand {
    double upper, a, b, n, c;
};
constexpr SnapBand kSnapBands[] = {
    {19.9, 1.004763, -0.0476257, 69, 0.346},  {29.7, 1.017646, -0.304683, 40, 0.201},
    {39.8, 0.99686, 0.31431, 29, 0.146},      {49.6, 1.019493, -0.586718, 22, 0.111},
    {59.4, 1.020637, -0.643512, 18, 0.1},     {69.7, 0.968795, 2.43681, 16, 0.09},
    {79.4, 1.03163, -1.945241, 13, 0.07},     {89.5, 0.986242, 1.660042, 12, 0.07},
    {100, 0.958984, 4.101576, 11, 0.06},      {199, 1.004761, -0.476056, 69, 0.346},
    {297, 1.017648, -3.047449, 40, 0.201},    {398, 0.996859, 3.143395, 29, 0.146},
    {496, 1.019497, -5.868938, 22, 0.111},    {594, 1.020632, -6.432227, 18, 0.1},
    {697, 0.968797, 24.366794, 16, 0.09},     {794, 1.031628, -19.450927, 13, 0.07},
    {895, 0.986241, 16.600999, 12, 0.07},     {1002, 0.958987, 41.013, 11, 0.06},
};
constexpr int kFirstHundredsBand = 9;

}  // namespace

int32_t PointNyqstffOptimum() {
    PlotPoint& p = state.point;
    for (int band = 0; band < int(std::size(kSnapBands)); ++band) {
        const SnapBand& s = kSnapBands[band];
        if (!(p.ff < s.upper)) continue;
        p.ff = f32(p.ff * s.a + s.b);
        p.ff = f32(rint(p.ff * s.n + s.c) / s.n);
        p.ff = band < kFirstHundredsBand ? f32(rint(p.ff * 10.0) / 10.0) : f32(rint(p.ff));
        break;
    }
    if (!(state.view.s_Resp == "nq")) {
        const double offset = std::trunc(std::log10(static_cast<double>(p.ff)) * 230.0 - 230.0);
        if (std::isfinite(offset)) state.cursor.CursorPosi = static_cast<int32_t>(offset);
    }
    return 0;
}

bool readOutColour(int32_t respNum, Colour& colour) {
    switch (respNum) {
        case 0: colour = {0.4, 0.4, 0.4}; return true;
        case 1: colour = {1.0, 0.5294, 0.0}; return true;
        case 2:
            if (state.view.s_Resp == "amp" && shownDisp() == 3) colour = {0.6196, 0.2863, 0.6314};
            else colour = {0.0, 0.7843, 0.0};
            return true;
        case 3:
            if (state.view.s_Resp == "as" && currentSystemNumber() == kTripleVented && tripleVentedIsSymmetric())
                colour = {0.0, 0.7843, 0.0};
            else colour = {0.0, 0.5112, 1.0};
            return true;
        case 4: colour = {0.0, 0.9412, 1.0}; return true;
        default: return false;
    }
}

namespace {

struct FittedValue {
    Str255 text;  // number and unit
    double x = 0.0;
};

// The value with its unit, lined up at its decimal point where it fits the
// value box; a value of many integer digits loses decimals until it fits
// and then stands at the box's right end, clear of the frequency box.
FittedValue fitValue(const PointerValue& v) {
    FittedValue out;
    for (int16_t decimals = v.decimals;; --decimals) {
        const double scale = decimals == v.decimals ? 100.0 : decimals == 1 ? 10.0 : 1.0;
        const Str255 number = PlusCommaZero(numberText(rint(scale * v.value) / scale), decimals);
        out.text = number + v.unit;
        out.x = 380.5;
        switch (CommaCheck(number)) {
            case 3: out.x = 450.2 + v.shift; break;
            case 4: out.x = 442.0 + v.shift; break;
            case 5:
            case 6: out.x = 433.8 + v.shift; break;
            default: break;
        }
        if (MinusCheck(number) == 0) out.x += 3.4;
        const double width = sansTextWidth(out.text.view(), kTextSize);
        // The leading blank of a positive number is not seen.
        const double blank = MinusCheck(number) == 0 ? sansTextWidth(" ", kTextSize) : 0.0;
        if (out.x + blank >= kValueLeft && out.x + width <= kValueRight) return out;
        if (kValueRight - width + blank >= kValueLeft || decimals == 0) {
            out.x = std::max(kValueRight - width, kValueLeft - blank);
            return out;
        }
    }
}

}  // namespace

int32_t DrawPointerContorol() {
    if (readOutShown()) DrawPointerValue();
    return 0;
}

int32_t DrawStepPointerContorol() {
    if (readOutShown()) DrawStepRespnseValue(0.0f);
    return 0;
}

int32_t DrawPointerValue() {
    platform::setCurrentWindow(kResponseWindow);
    PlotPoint& p = state.point;
    p.ff = state.cursor.ffpn;
    PointNyqstffOptimum();
    p.f = f32(static_cast<double>(p.ff) / state.speaker.FS);
    const PointerValue v = valueOfPage();
    const float ff = p.ff;

    eraseResponseRect(375, 23, 510, 45);
    state.draw.LineW = 0.0;
    Colour colour;
    if (readOutColour(p.respNum, colour)) setColour(colour);
    frame::strokeRect(438.5, 25.5, 505.5, 42.5);  // value
    frame::strokeRect(380.5, 25.5, 438.5, 42.5);  // frequency

    frame::setBlackText();
    // A value beyond the single precision the curves are kept in lies far off
    // the page, as its curve does (a vast input power): the box stays empty
    // rather than show it as no number.
    if (std::isfinite(v.value)) {
        const FittedValue value = fitValue(v);
        frame::text(value.x, kBaseline, value.text.view());
    }

    // The frequency, right-aligned in its box.
    const Str255 hz = PlusCommaZero(numberText(ff >= 100.0f ? rint(ff) : rint(10.0 * ff) / 10.0), ff < 99.5f ? 1 : 0);
    double x = 381.7;
    switch (CharactCheck(hz)) {
        case 4: x = 390.0; break;
        case 5: x = CommaCheck(hz) == 0 ? 381.7 : 385.8; break;
        default: x = 381.7; break;  // longer texts start at the box's left edge
    }
    frame::text(x, kBaseline, (hz + "Hz").view());
    return 0;
}

namespace {

void drawMarker(int32_t offset) {
    state.draw.LineW = 0.0;
    setColour({0.0, 0.3, 1.0});
    frame::line(offset + 45.5, 51, offset + 45.5, 330);
}

}  // namespace

int32_t DrawVerticalLineMarker() {
    drawMarker(state.cursor.CursorPosi);
    return 0;
}

int32_t DrawStepVerticalLineMarker() {
    drawMarker(state.cursor.StepCursPoint);
    return 0;
}

}  // namespace quendal
