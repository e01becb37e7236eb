#include "response/SweepGrid.h"

#include <cmath>
#include <limits>

#include "model/State.h"

namespace quendal {

void setGridFrequency(float k) {
    PlotPoint& p = state.point;
    p.k = k;
    p.ff = static_cast<float>(std::pow(10.0, static_cast<double>(k)));
    p.f = static_cast<float>(static_cast<double>(p.ff) / state.speaker.FS);
}

float gridScreenX(float k) { return 230.0f * k - 230.0f + 45.0f; }

void clearPointResult() {
    constexpr float kNotComputed = std::numeric_limits<float>::quiet_NaN();
    state.point.yy = kNotComputed;
    state.point.yyLinea = kNotComputed;
    state.point.xx = kNotComputed;
}

void setCurveDrawingState(double widthPx, const CurveColour& colour) {
    DrawingState& d = state.draw;
    d.LineW = widthPx;
    d.RedCol = colour.red;
    d.GrnCol = colour.green;
    d.BleCol = colour.blue;
}

void setSingleCurveDrawingState() { setCurveDrawingState(2.0, kOrange); }

void setSetCurveDrawingState(int32_t position, double firstWidthPx) {
    switch (position) {
    case 1: setCurveDrawingState(firstWidthPx, kOrange); break;
    case 2: setCurveDrawingState(1.0, kGreen); break;
    case 3: setCurveDrawingState(1.0, kBlue); break;
    case 4: setCurveDrawingState(1.0, kLightBlue); break;
    default: break;
    }
}

void CurvePen::moveTo(bool drawSegment) {
    PlotPoint& p = state.point;
    if (!std::isfinite(p.xx) || !std::isfinite(p.yy)) {
        down_ = false;
        return;
    }
    if (down_ && drawSegment) curveSegmentSink(kResponseWindow);
    p.xx1 = p.xx;
    p.yy1 = p.yy;
    down_ = true;
}

void sweepUpAndDraw(void (*computeScreenY)()) {
    CurvePen pen;
    for (float k = kGridStart; k <= kGridEnd; k += kGridStep) {
        setGridFrequency(k);
        clearPointResult();
        computeScreenY();
        state.point.xx = gridScreenX(k);
        pen.moveTo();
    }
}

PeakSearch::PeakSearch() {
    state.scales.GdOptFlag = 0;
    state.scales.G1 = 0.0;
    state.scales.G2 = 0.0;
}

void PeakSearch::visit(float value) {
    if (!std::isfinite(value)) return;
    PlotPoint& p = state.point;
    GraphScales& s = state.scales;
    if (!primed_) {
        prime(value);
        return;
    }
    const double now = std::fabs(value);
    const double before = std::fabs(p.yy1);
    if (s.GdOptFlag == 0 && now < before) {  // the curve has begun to fall
        s.G1 = before;
        s.G2 = before;
        s.GdOptFlag = 1;
    }
    if (before < now && s.G2 < s.G1 && s.G1 < now) s.G2 = before;
    s.G1 = now;
    p.yy1 = value;
}

void PeakSearch::prime(float value) {
    if (!std::isfinite(value)) return;
    state.point.yy1 = value;
    primed_ = true;
}

void peakSweepUp(void (*computeValue)(), PeakSearch& search) {
    for (float k = kGridStart; k <= kGridEnd; k += kGridStep) {
        setGridFrequency(k);
        clearPointResult();
        computeValue();
        search.visit(state.point.yy);
    }
}

}  // namespace quendal
