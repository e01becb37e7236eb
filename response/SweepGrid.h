// What every sweep is built from: the logarithmic frequency grid and its
// screen mapping, the drawing state of the curves, the pen that draws each
// segment as soon as its point is known, and the peak search of the
// auto-scale sweeps.
//
// No point is kept: a sweep computes one point, draws the segment to it from
// the previous one (xx1, yy1) and forgets it.
#pragma once

#include <cstdint>

#include "model/WindowNumbers.h"

namespace quendal {

// The grid: log10 of the frequency in single precision from 1.0 while it is
// at most 3.0, in steps of 0.01 rounded to single precision each time:
// 201 points, 10 Hz to 10^2.999998 Hz.
inline constexpr float kGridStart = 1.0f;
inline constexpr float kGridEnd = 3.0f;
inline constexpr float kGridStep = 0.01f;

// 10^k in single precision, as the sweeps take their frequencies (Hz).
float gridPowerOfTen(float k);
// Sets ff := 10^k (Hz) and f := ff / FS (the division in double) for k.
void setGridFrequency(float k);
// Screen x of a grid point: 230 px per decade from x = 45 at 10 Hz.
float gridScreenX(float k);

// Marks the point's results as not computed (NaN) before its dispatcher
// runs, so that a point that no evaluator computed is not drawn.
void clearPointResult();

// Curve colours (0-1) and widths.
struct CurveColour {
    double red, green, blue;
};
inline constexpr CurveColour kOrange{1.0, 0.5294, 0.0};
inline constexpr CurveColour kGreen{0.0, 0.7843, 0.0};
inline constexpr CurveColour kBlue{0.0, 0.5112, 1.0};
inline constexpr CurveColour kLightBlue{0.0, 0.9412, 1.0};
inline constexpr CurveColour kPurple{0.6196, 0.2863, 0.6314};

void setCurveDrawingState(double widthPx, const CurveColour& colour);
// The single curve of a kind: 2 px, orange.
void setSingleCurveDrawingState();
// Curve `position` (1-4) of a set: orange, green, blue, light blue; the
// first `firstWidthPx` wide, the others 1 px.
void setSetCurveDrawingState(int32_t position, double firstWidthPx);

// Where a curve's segments go: the drawing layer defines it as its line
// primitive, which draws from (xx1, yy1) to (xx, yy) of the drawing state
// into window `windowNumber` (or the print page while printing).
extern int32_t (*const curveSegmentSink)(int32_t windowNumber);

// The pen of one curve. A point whose screen coordinates (xx, yy) are not
// finite is skipped and the pen is lifted, so the curve restarts after it.
class CurvePen {
public:
    // Draws the segment from (xx1, yy1) to (xx, yy) when the pen is down
    // and `drawSegment` holds, then moves the pen to (xx, yy).
    void moveTo(bool drawSegment = true);
    void lift() { down_ = false; }

private:
    bool down_ = false;
};

// Runs the upward grid: at each point sets ff and f, clears the result and
// calls computeScreenY (which computes the point with the kind's per-point
// dispatcher and maps yy to the screen y in yy), sets xx and draws.
void sweepUpAndDraw(void (*computeScreenY)());

// The peak search of the auto-scale sweeps: G2 ends as the first maximum of
// |value|, raised to the value before a later rise where that exceeds it.
class PeakSearch {
public:
    PeakSearch();          // GdOptFlag := 0, G1 := 0, G2 := 0
    void visit(float value);  // one point, in sweep order; non-finite points are skipped
    void prime(float value);  // takes value as the previous point (yy1) without a step

private:
    bool primed_ = false;
};

// Runs the upward grid without drawing: at each point sets ff and f, clears
// the result, calls computeValue (which leaves the value in yy) and hands yy
// to the peak search.
void peakSweepUp(void (*computeValue)(), PeakSearch& search);

}  // namespace quendal
