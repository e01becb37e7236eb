#include "view/NyquistReadout.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "response/CofCal.h"
#include "response/ResponseCal.h"
#include "model/NumberText.h"
#include "model/Rounding.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"
#include "view/FrameDrawing.h"
#include "view/NumberTextLayout.h"
#include "view/PointerReadout.h"
#include "view/QuartzDraw.h"
#include "view/ReSweep.h"
#include "view/ResponseGraphs.h"
#include "view/WindowErase.h"
#include "platform/HelpTag.h"
#include "view/ShellHooks.h"

namespace quendal {

namespace {

constexpr int32_t kDetailsTriangle = 405;
constexpr int32_t kSlider = 406;
constexpr int32_t kUpArrow = 407;
constexpr int32_t kDownArrow = 408;
constexpr double kPxPerDecade = 0.004347826087;  // decades per px: 1/230

// The slider's scale: one tick per grid line of the frequency axis.
constexpr double kTickY[19] = {50.5,  56.5,  63.5,  71.5,  81.5,  92.5,  105.5, 123.5, 148.5, 191.5,
                               197.5, 204.5, 212.5, 222.5, 233.5, 246.5, 263.5, 288.5, 330.5};

bool isPage(const char* page) { return state.view.s_Resp == page; }

void setArrowStates() {
    const int32_t position = state.cursor.CursorPosi;
    platform::setControlEnabled(kResponseWindow, kUpArrow, position < state.cursor.SlidMax);
    platform::setControlEnabled(kResponseWindow, kDownArrow, position >= 1);
}

// The frequency of slider position CursorPosi.
void frequencyOfSlider() {
    CursorState& c = state.cursor;
    c.logff = static_cast<float>(c.CursorPosi * kPxPerDecade + 1.0);
    c.ffpn = static_cast<float>(std::pow(10.0, static_cast<double>(c.logff)));
}

void labelRow(double y, const char* label) { frame::text(423, y, label); }

// The slider's tick marks, beside it on the page.
void drawSliderTicks() {
    state.draw.ClippingFlag = 1;
    state.draw.LineW = 0.0;
    frame::setGrey(0.35);
    for (double y : kTickY) frame::line(506, y, 511, y);
    state.draw.ClippingFlag = 0;
}

}  // namespace

Str255 nyquistMagnitudeText(double magnitude) {
    const float m = static_cast<float>(rint(10000.0 * magnitude + 0.5) / 10000.0);
    // Four decimals in fixed point: small magnitudes keep their leading zeros.
    return PlusCommaZero(numberText(rint(10000.0 * m) / 10000.0), 4);
}

int32_t DispNyquistOtherBtn() {
    CursorState& c = state.cursor;
    platform::setCurrentWindow(kResponseWindow);
    c.SlidMax = 460;
    // The slider and its arrows standing from the drawing before are kept.
    if (platform::controlExists(kResponseWindow, kSlider) && platform::controlExists(kResponseWindow, kUpArrow) &&
        platform::controlExists(kResponseWindow, kDownArrow)) {
        platform::setControlValue(kResponseWindow, kSlider, c.CursorPosi);
        setArrowStates();
        drawSliderTicks();
        return 0;
    }
    platform::ControlSpec slider(platform::ControlKind::Slider, Rect16{44, 510, 338, 530}, "", c.CursorPosi, 0,
                                 c.SlidMax);
    platform::createControl(kResponseWindow, kSlider, slider);
    platform::setHelpTag(kResponseWindow, kSlider, "Frequency Variable Slider\\@R");
    platform::InstallSliderControlAction(kSlider);

    platform::ControlSpec up(platform::ControlKind::BevelButton, Rect16{267, 470, 292, 495});
    up.image = "UpArrow.png";
    platform::createControl(kResponseWindow, kUpArrow, up);
    platform::setHelpTag(kResponseWindow, kUpArrow, "Moved to Upper Slider Position\\@R");
    platform::ControlSpec down(platform::ControlKind::BevelButton, Rect16{307, 470, 332, 495});
    down.image = "DownArrow.png";
    platform::createControl(kResponseWindow, kDownArrow, down);
    platform::setHelpTag(kResponseWindow, kDownArrow, "Moved to Lower Slider Position\\@R");
    setArrowStates();
    drawSliderTicks();
    return 0;
}

int32_t NyquistSliderControl() {
    setArrowStates();
    frequencyOfSlider();
    platform::setCurrentWindow(kResponseWindow);
    DrawingState& d = state.draw;
    d.NyquistStepDrawing = 1;
    // The frame and curve do not change from one step to the next: when
    // the last step kept them and nothing else was drawn since, they are
    // put back and only computed again, for the state the read-out reads.
    if (d.NyquistAreaKept != 0 && d.DoPrint == 0 && restoreResponseRect()) {
        d.PaintingHeld = 1;
        nqGraph();
        nqPlot();
        d.PaintingHeld = 0;
    } else {
        eraseResponseRect(0, 0, 415, 335);
        nqGraph();
        nqPlot();
        d.NyquistAreaKept = d.DoPrint == 0 && keepResponseRect(0, 0, 415, 335) ? 1 : 0;
    }
    DrawNyquistValue();
    d.NyquistStepDrawing = 0;
    return 0;
}

void nyquistSliderMoved(int32_t position) {
    state.cursor.CursorPosi = std::clamp(position, 0, state.cursor.SlidMax);
    NyquistSliderControl();
}

// The Nyquist page owns the response window's only slider.
void (*const platform::responseSliderMoved)(int32_t value) = &nyquistSliderMoved;

void nyquistArrowClicked(int32_t control) {
    const int32_t step = control == kUpArrow ? 1 : control == kDownArrow ? -1 : 0;
    if (step == 0) return;
    platform::selectWindow(kResponseWindow);
    state.cursor.CursorPosi = std::clamp(state.cursor.CursorPosi + step, 0, state.cursor.SlidMax);
    platform::setControlValue(kResponseWindow, kSlider, state.cursor.CursorPosi);
    NyquistSliderControl();
}

int32_t DrawNyquistValue() {
    PlotPoint& p = state.point;
    p.ff = state.cursor.ffpn;
    PointNyqstffOptimum();
    const float ff = p.ff;

    eraseResponseRect(415, 47, 505, 260);
    state.draw.LineW = 0.0;
    frame::setGrey(0.4);
    frame::strokeRect(421.5, 67.5, 497.5, 84.5);
    frame::strokeRect(421.5, 101.5, 497.5, 118.5);
    frame::strokeRect(421.5, 135.5, 497.5, 152.5);
    frame::strokeRect(421.5, 169.5, 497.5, 186.5);
    frame::setBlackText(1, 11.0);
    labelRow(63, "Frequency");
    labelRow(97, "Magnitude");
    labelRow(131, "Relative Level");
    labelRow(165, "Phase");
    frame::setBlackText();

    // Frequency, right-aligned in its box.
    const Str255 hz = PlusCommaZero(numberText(rint(10.0 * ff) / 10.0), 1);
    double x = 423.0;
    switch (CharactCheck(hz)) {
        case 5: x = 442.4; break;
        case 6: x = 434.2; break;
        case 7: x = 426.0; break;
        default: break;
    }
    frame::text(x, 81.0, (hz + "Hz").view());

    // Relative level of the total response.
    p.f = static_cast<float>(static_cast<double>(ff) / state.speaker.FS);
    const int32_t curve = p.respNum;
    p.respNum = 1;
    ampPlot3();
    p.respNum = curve;
    float level = static_cast<float>(rint(p.yy * 1000.0 + 0.5) / 1000.0);
    level = static_cast<float>(rint(level * 100.0) / 100.0);

    // The point on the curve: its phase unwrapped from 1 kHz downward.
    resweepDown(Resweep::Nyquist, [] { nqPlot2(); });
    const double re = p.xx, im = p.yy;

    frame::text(435.0, 115.0, nyquistMagnitudeText(p.gg).view());

    const Str255 db = PlusCommaZero(numberText(rint(100.0 * -level) / 100.0), 2);
    x = 430.0;
    if (CommaCheck(db) == 3) x += 8.2;
    else if (CommaCheck(db) == 5) x -= 8.2;
    if (MinusCheck(db) == 0) x += 3.4;
    frame::text(x, 149.0, (db + "dB").view());

    const float degrees = static_cast<float>(rint((180.0 * p.fai / std::numbers::pi) * 10.0 + 0.5) / 10.0);
    const Str255 phase = PlusCommaZero(numberText(rint(10.0 * degrees) / 10.0), 1);
    // Lined up at the decimal point, 8.2 px per digit before it.
    if (CommaCheck(phase) >= 3) x = 451.2 - 8.2 * (CommaCheck(phase) - 3);
    if (MinusCheck(phase) == 0) x += 3.5;
    frame::text(x, 183.0, (phase + "\xA1").view());

    // The dot, in the Nyquist frame's mapping.
    state.draw.RedCol = 0.0;
    state.draw.GrnCol = 0.0;
    state.draw.BleCol = 1.0;
    state.draw.s_FrameFill = "Fill";
    state.draw.LineW = 1.0;
    state.draw.radus = 4.0;
    state.draw.cirBgn = -std::numbers::pi;
    state.draw.cirEnd = std::numbers::pi;
    p.xx = static_cast<float>(70.0 * re + 270.0);
    p.yy = static_cast<float>(-70.0 * im + 190.0);
    QuartzDrawOval(kResponseWindow);
    return 0;
}

int32_t ShowDetailTriBtnSetting() {
    platform::setCurrentWindow(kResponseWindow);
    CursorState& c = state.cursor;
    if (isPage("sys") || isPage("vent")) {
        platform::removeControl(kResponseWindow, kDetailsTriangle);
        platform::removeControl(kResponseWindow, kSlider);
        return 0;
    }
    if (isPage("nq")) {
        refreshWindows(WindowRefresh::DetailsTriangle);
        if (c.detailTriBtn == 1) {
            state.point.respNum = 1;
            DispNyquistOtherBtn();
            DrawNyquistValue();
        } else {
            platform::removeControl(kResponseWindow, kSlider);  // no slider without the read-out
        }
        return 0;
    }
    platform::removeControl(kResponseWindow, kSlider);
    refreshWindows(WindowRefresh::DetailsTriangle);
    if (c.detailTriBtn != 1) return 0;
    if (isPage("st")) {
        DrawStepPointerContorol();
        if (c.StepMouseDown == 1) {
            DrawStepVerticalLineMarker();
            DrawStepRespnseValue(static_cast<float>(c.StepCursPoint));
        }
    } else {
        state.point.respNum = 1;
        DrawPointerContorol();
        if (c.MouseDown == 1) DrawVerticalLineMarker();
    }
    return 0;
}

}  // namespace quendal
