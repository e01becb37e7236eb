// Following a response's phase across the folds of the arc tangent.
//
// The units take a phase from arc tangents of ratios, which know it only
// modulo a half turn. The phase and Nyquist sweeps run from high to low
// frequency and fold each point's raw phase into one half turn; where the
// fold jumps against the previous point's by more than the unit's limit,
// the curve has crossed a fold and the running offset ss moves by a half
// turn. The limits differ from unit to unit, and so does the value of pi
// some units take, so every caller passes its own.
//
// The forms read and write the sweep point of the program-wide state: the
// fold of the previous point (yy2 on the phase page, fai2 on the Nyquist
// page), the offset ss, and fai, gg, xx, yy.
#pragma once

#include <cmath>
#include <limits>

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

// Phase page: folds the raw phase; where the fold fell by more than
// fallLimit against the previous point's (yy2), ss grows by 180 degrees,
// where it rose by more than riseLimit, ss shrinks by 180. Keeps the fold in
// yy2 and returns the followed phase, the fold plus ss, in double precision.
inline double followPhaseDegrees(double rawDegrees, float fallLimit, float riseLimit) {
    PlotPoint& p = state.point;
    const float folded = foldedPhaseDegrees(rawDegrees);
    const float step = p.yy2 - folded;
    if (step > fallLimit) p.ss = p.ss + 180.0;
    if (step < -riseLimit) p.ss = p.ss - 180.0;
    p.yy2 = folded;
    return static_cast<double>(folded) + p.ss;
}

// Nyquist page: the raw angle (rad) folded into 0..halfTurn in fai; ss
// moves by halfTurn where the fold fell by more than fallLimit or rose by
// more than riseLimit against fai2; fai2 keeps the fold and fai becomes the
// followed angle, the fold plus ss.
inline void followNyquistAngle(double rawRadians, double halfTurn, double fallLimit, double riseLimit) {
    PlotPoint& p = state.point;
    p.fai = rawRadians;
    if (p.fai < 0.0) p.fai = p.fai + halfTurn;
    const double step = p.fai2 - p.fai;
    if (step > fallLimit) p.ss = p.ss + halfTurn;
    if (step < -riseLimit) p.ss = p.ss - halfTurn;
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
inline void plotNyquistPoint(double rawRadians, double halfTurn, double fallLimit, double riseLimit) {
    followNyquistAngle(rawRadians, halfTurn, fallLimit, riseLimit);
    placeNyquistPoint();
}

}  // namespace quendal
