// Following a response's phase across the folds of the arc tangent.
//
// The units take a phase from arc tangents of ratios, which know it only
// modulo a half turn. The phase and Nyquist sweeps run from high to low
// frequency and fold each point's raw phase into one half turn; where the
// fold jumps against the previous point's by more than the unit's limit,
// the curve has crossed a fold and the running offset ss moves by a half
// turn. The limits differ from unit to unit, and so does the value of pi
// some units take, so every caller passes its own. The fold rule alone takes
// the wrong branch where the phase moves by more than the limits' margin
// between two points; past the first point the full-quadrant angle of the
// response says which branch is the right one.
//
// The forms read and write the sweep point of the program-wide state: the
// fold of the previous point (yy2 on the phase page, fai2 on the Nyquist
// page), the offset ss, and fai, gg, xx, yy.
#pragma once

#include <cmath>
#include <limits>
#include <numbers>

#include "model/State.h"

namespace quendal {

// A limit that is never passed: for a unit that follows the fold in one
// direction only.
inline constexpr double kFoldNeverFollowed = std::numeric_limits<double>::infinity();

// A raw phase in degrees, in single precision and folded into 0..180.
inline float foldedPhaseDegrees(double rawDegrees) {
    float yy = static_cast<float>(rawDegrees);
    if (yy < 0.0f) yy = yy + 180.0f;
    return yy;
}

// The phase of a response known two ways: `raw` from arc tangents of
// ratios, known only modulo a half turn (degrees on the phase page, radians
// on the Nyquist page), and `full`, the full-quadrant angle of the same
// response in radians, known modulo a whole turn.
struct ResponseAngle {
    double raw;
    double full;
};

// The same angle with its raw part turned from radians into degrees, with
// the caller's value of pi.
inline ResponseAngle rawInDegrees(ResponseAngle angle, double pi) { return {angle.raw * 180.0 / pi, angle.full}; }

// The full-quadrant angle (rad) of N/D from the real and imaginary parts of
// numerator and denominator.
inline double fullQuadrantAngle(double nRe, double nIm, double dRe, double dIm) {
    return std::atan2(nIm, nRe) - std::atan2(dIm, dRe);
}

// How many half turns the offset must move so that fold + offset lands on
// the branch nearest the previous point, as the response's own angle says:
// the previous point stood at previousFold + offset, and the response has
// turned by the full-quadrant step since (less than a half turn between
// neighbouring points). Not a number when the step is not known (a previous
// angle that is not a number), and the fold rule then decides.
inline double halfTurnsToFollow(double previousFold, double fold, double fullStep, double turn) {
    const double halfTurn = turn / 2.0;
    return std::round((previousFold + std::remainder(fullStep, turn) - fold) / halfTurn);
}

// Phase page: folds the raw phase and follows it from point to point. The
// first point after a reset (yy2 and ss both 0) takes the fold rule: where
// the fold fell by more than fallLimit against yy2, ss grows by 180 degrees,
// where it rose by more than riseLimit, ss shrinks by 180. Every later point
// takes the branch nearest the previous point, as the step of the full-
// quadrant angle gives it; this is what the fold rule gives wherever the
// phase moves by less than the limits' margin between two points, and stays
// right where it moves faster. Keeps the fold in yy2 and returns the
// followed phase, the fold plus ss, in double precision.
inline double followPhaseDegrees(ResponseAngle angle, float fallLimit, float riseLimit) {
    constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;
    PlotPoint& p = state.point;
    const float folded = foldedPhaseDegrees(angle.raw);
    const double halfTurns = halfTurnsToFollow(p.yy2, folded, (angle.full - p.prevAngle) * kDegreesPerRadian, 360.0);
    if ((p.yy2 == 0.0f && p.ss == 0.0) || !std::isfinite(halfTurns)) {
        const float step = p.yy2 - folded;
        if (step > fallLimit) p.ss = p.ss + 180.0;
        if (step < -riseLimit) p.ss = p.ss - 180.0;
    } else {
        p.ss = p.ss + 180.0 * halfTurns;
    }
    p.prevAngle = angle.full;
    p.yy2 = folded;
    return static_cast<double>(folded) + p.ss;
}

// Nyquist page: the raw angle (rad) folded into 0..halfTurn in fai; the
// offset ss follows as on the phase page, by the fold rule (limits
// fallLimit, riseLimit against fai2) at the first point after a reset (fai2
// and ss both 0) and by the full-quadrant step after it, in steps of
// halfTurn; fai2 keeps the fold and fai becomes the followed angle, the
// fold plus ss.
inline void followNyquistAngle(ResponseAngle angle, double halfTurn, double fallLimit, double riseLimit) {
    PlotPoint& p = state.point;
    p.fai = angle.raw;
    if (p.fai < 0.0) p.fai = p.fai + halfTurn;
    const double halfTurns = halfTurnsToFollow(p.fai2, p.fai, angle.full - p.prevAngle, 2.0 * halfTurn);
    if ((p.fai2 == 0.0 && p.ss == 0.0) || !std::isfinite(halfTurns)) {
        const double step = p.fai2 - p.fai;
        if (step > fallLimit) p.ss = p.ss + halfTurn;
        if (step < -riseLimit) p.ss = p.ss - halfTurn;
    } else {
        p.ss = p.ss + halfTurn * halfTurns;
    }
    p.prevAngle = angle.full;
    p.fai2 = p.fai;
    p.fai = p.fai + p.ss;
}

// The Nyquist point of radius gg at the angle fai, in single precision.
inline void placeNyquistPoint() {
    PlotPoint& p = state.point;
    p.xx = static_cast<float>(p.gg * std::cos(p.fai));
    p.yy = static_cast<float>(p.gg * std::sin(p.fai));
}

// Both steps, for a unit that draws the followed angle as it is.
inline void plotNyquistPoint(ResponseAngle angle, double halfTurn, double fallLimit, double riseLimit) {
    followNyquistAngle(angle, halfTurn, fallLimit, riseLimit);
    placeNyquistPoint();
}

}  // namespace quendal
