#include "view/SystemProfileFigures.h"

#include "model/State.h"
#include "model/WindowNumbers.h"
#include "view/ParameterLabels.h"
#include "view/QuartzDraw.h"

namespace quendal {

namespace {

constexpr SystemPicture kSystemPictures[2][8] = {
    {   // High Pass System
        {"InfiniteImage.png", ltrb(71, 80, 126, 282), ltrb(71, 110, 126, 312)},
        {"ClosedImage.png", ltrb(46, 84, 161, 278), ltrb(46, 114, 161, 308)},
        {"VentedImage.png", ltrb(42, 84, 162, 278), ltrb(43, 114, 161, 308)},
        {"PassiveRadiatorImage.png", ltrb(43, 84, 160, 278), ltrb(43, 114, 160, 308)},
        {"SerialVentedImage.png", ltrb(43, 84, 161, 280), ltrb(44, 114, 160, 308)},
        {"ParallelVentedImage.png", ltrb(43, 82, 163, 280), ltrb(41, 112, 163, 310)},
        {"ComplexClosedImage.png", ltrb(43, 84, 162, 278), ltrb(43, 114, 161, 308)},
        {"ComplexVentedImage.png", ltrb(43, 84, 162, 278), ltrb(43, 114, 161, 308)},
    },
    {   // Band Pass System
        {"RavezaBoxImage.png", ltrb(47, 84, 154, 278), ltrb(47, 114, 154, 308)},
        {"PassiveRavezaImage.png", ltrb(45, 84, 161, 278), ltrb(45, 114, 161, 308)},
        {"SerialRavezaType1Image.png", ltrb(55, 84, 146, 280), ltrb(55, 114, 146, 310)},
        {"SerialRavezaType2Image.png", ltrb(34, 84, 167, 278), ltrb(34, 114, 167, 308)},
        {"TwinVentedImage.png", ltrb(56, 84, 145, 278), ltrb(56, 114, 146, 308)},
        {"TwinSerialImage.png", ltrb(51, 81, 150, 282), ltrb(51, 111, 150, 312)},
        {"DeltaVentedImage.png", ltrb(29, 84, 171, 280), ltrb(29, 114, 171, 310)},
        {"TripleVentedImage.png", ltrb(52, 80, 147, 283), ltrb(52, 110, 147, 313)},
    },
};

// Single and dual drivers stand 34 px from the pane's left edge; the wider
// push-pull pictures are centred in it.
constexpr ConnectionPicture kConnectionPictures[5] = {
    {"SpConSingle.png", ltrb(56, 334, 142, 469), 34, 4, 88, 137},
    {"SpConDualParallel.png", ltrb(56, 334, 142, 469), 34, 4, 88, 137},
    {"SpConDualSeries.png", ltrb(56, 334, 142, 469), 34, 4, 88, 137},
    {"SpConPushPullParallel.png", ltrb(29, 354, 171, 450), 9, 24, 142, 97},
    {"SpConPushPullSeries.png", ltrb(29, 354, 171, 450), 9, 24, 142, 97},
};

constexpr double kBoxFillGrey = 0.93;
constexpr double kBoxLineGrey = 0.229;
constexpr double kPrintedBoxLineWidth = 0.75;  // pt

void setGrey(double g) {
    state.draw.RedCol = state.draw.GrnCol = state.draw.BleCol = g;
}

void box(double left, double top, double right, double bottom, bool fill) {
    state.draw.s_FrameFill = fill ? "Fill" : "Frame";
    state.point.xx = static_cast<float>(left);
    state.point.yy = static_cast<float>(top);
    state.point.xx1 = static_cast<float>(right);
    state.point.yy1 = static_cast<float>(bottom);
    QuartzDrawRect(kResponseWindow);
}

void picture(std::string_view file, Rect16 r, int16_t offset) {
    DrawPicture(kResponseWindow, file, r.left, r.top + offset, r.right, r.bottom + offset);
}

}  // namespace

const SystemPicture* profileSystemPicture(int32_t tab, int32_t button) {
    if (tab < 1 || tab > 2 || button < 1 || button > 8) return nullptr;
    return &kSystemPictures[tab - 1][button - 1];
}

const ConnectionPicture* profileConnectionPicture(int32_t spConNum) {
    if (spConNum < 1 || spConNum > 5) return nullptr;
    return &kConnectionPictures[spConNum - 1];
}

int32_t DrawSystemSpconImageBackGroundColor(int16_t offset) {
    if (state.draw.DoPrint == 0) {
        state.draw.LineW = 0.0;
        setGrey(kBoxFillGrey);
        box(20.5, 72.5, 180.5, 290.5, true);
        state.draw.LineW = 0.0;
        box(20.5, 327.5, 180.5, 476.5, true);
        setGrey(kBoxLineGrey);
        box(20.5, 72.5, 180.5, 290.5, false);
        box(20.5, 327.5, 180.5, 476.5, false);
        return 0;
    }
    // On paper the connection box keeps its place under the system box on
    // the profile page; under a graph it moves with the figures.
    const double s = offset;
    const double t = offset == 0 ? 17.0 : s;
    state.draw.LineW = kPrintedBoxLineWidth;
    setGrey(kBoxLineGrey);
    box(20, 72 + s, 180, 290 + s, false);
    box(20, 310 + t, 180, 459 + t, false);
    return 0;
}

int32_t GetSysImageForSystemProfile(int16_t offset) {
    if (const SystemPicture* p = profileSystemPicture(state.selection.SysSelTabNum, state.selection.SysSelBtnNum))
        picture(p->file, p->page, offset);
    return 0;
}

int32_t GetSpConImageForSystemProfile(int16_t offset) {
    if (const ConnectionPicture* p = profileConnectionPicture(state.connection.SpConNum)) picture(p->file, p->page, offset);
    return 0;
}

}  // namespace quendal
