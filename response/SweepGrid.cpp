#include "response/SweepGrid.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "model/State.h"

namespace quendal {

float gridPowerOfTen(float k) {
    // The sweeps come back to the same few hundred steps k over and over
    // (every scale search, curve and read-out runs the same grid), so each
    // power is taken once and looked up after: the same value, bit for bit,
    // without a call into the maths library at every point.
    struct Known {
        uint32_t k;
        float value;
    };
    static std::array<Known, 4096> known = [] {
        std::array<Known, 4096> empty{};
        for (Known& entry : empty) entry = {0xFFFFFFFFu, 0.0f};  // a NaN no step has
        return empty;
    }();
    const uint32_t bits = std::bit_cast<uint32_t>(k);
    Known& entry = known[(bits * 2654435761u) >> 20];
    if (entry.k != bits) entry = {bits, static_cast<float>(std::pow(10.0, static_cast<double>(k)))};
    return entry.value;
}

void setGridFrequency(float k) {
    PlotPoint& p = state.point;
    p.k = k;
    p.ff = gridPowerOfTen(k);
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
