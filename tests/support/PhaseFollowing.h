// The phase and Nyquist sweeps of the current system against a network's
// output, step by step: between neighbouring grid points the unit's followed
// phase must turn as the network's does (a branch taken wrongly shows as a
// half turn too much or too little).
#pragma once

#include <cmath>
#include <complex>
#include <functional>
#include <numbers>
#include <string>

#include <gtest/gtest.h>

#include "model/State.h"
#include "response/CofCal.h"
#include "response/PhasePlot.h"
#include "response/SweepGrid.h"

namespace quendal::testing {

// The largest difference (degrees) between the unit's step and the network's
// step of the phase, over the downward sweep of the phase page, and where.
struct WorstStep {
    double degrees = 0.0;
    double atHz = 0.0;
};

inline void note(WorstStep& worst, double stepMismatchDegrees, double hz) {
    const double off = std::fabs(std::remainder(stepMismatchDegrees, 360.0));
    if (off > worst.degrees) worst = {off, hz};
}

inline double degreesOf(std::complex<double> h) { return std::arg(h) * 180.0 / std::numbers::pi; }

// The phase page: the unit's phase before the page folds it into 0..360.
inline WorstStep phaseStepsAgainst(const std::function<std::complex<double>(double)>& network) {
    PlotPoint& p = state.point;
    CofCal();
    p.ss = 0.0;
    p.yy2 = 0.0f;
    WorstStep worst;
    bool first = true;
    double previousUnit = 0.0;
    std::complex<double> previousNet;
    for (float k = 3.0f; k >= 1.0f; k -= kGridStep) {
        setGridFrequency(k);
        phPlot3();
        const double hz = static_cast<double>(p.f) * state.speaker.FS;
        const std::complex<double> net = network(hz);
        const double unit = p.yy;
        if (!first) note(worst, (unit - previousUnit) - degreesOf(net / previousNet), hz);
        first = false;
        previousUnit = unit;
        previousNet = net;
    }
    return worst;
}

// The Nyquist page: the turn of the drawn point against the network's.
inline WorstStep nyquistStepsAgainst(const std::function<std::complex<double>(double)>& network) {
    PlotPoint& p = state.point;
    CofCal();
    p.ss = 0.0;
    p.fai = 0.0;
    p.fai2 = 0.0;
    const int32_t n = currentSystemNumber();
    const float start = (n == kDeltaVented || n == kTripleVented) ? 3.0f : 4.0f;
    WorstStep worst;
    bool first = true;
    double previousUnit = 0.0;
    std::complex<double> previousNet;
    for (float k = start; k >= 1.0f; k -= kGridStep) {
        setGridFrequency(k);
        nqPlot2();
        const double hz = static_cast<double>(p.f) * state.speaker.FS;
        const std::complex<double> net = network(hz);
        const double unit = std::atan2(static_cast<double>(p.yy), static_cast<double>(p.xx)) * 180.0 / std::numbers::pi;
        if (!first) note(worst, (unit - previousUnit) - degreesOf(net / previousNet), hz);
        first = false;
        previousUnit = unit;
        previousNet = net;
    }
    return worst;
}

// Both sweeps of the current design turn as `network` does, within 2 degrees
// a step; `design` names it in a failure.
inline void expectStepsFollow(const std::function<std::complex<double>(double)>& network,
                              const std::string& design) {
    const WorstStep ph = phaseStepsAgainst(network);
    EXPECT_LT(ph.degrees, 2.0) << design << ": phase at " << ph.atHz << " Hz";
    const WorstStep nq = nyquistStepsAgainst(network);
    EXPECT_LT(nq.degrees, 2.0) << design << ": Nyquist at " << nq.atHz << " Hz";
}

}  // namespace quendal::testing
