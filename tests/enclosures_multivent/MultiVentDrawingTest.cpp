// The three multi-vent systems as members of the response engine: every
// response kind computed through the engine's dispatch and drawn curve by
// curve with finite points only, the reduced curve set of alike Triple
// Vented halves, the Triple Vented group-delay sweep from 4.2, and the
// skipped system points of cancelling Delta Vented inner chambers.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "model/State.h"
#include "response/GroupDelayPlot.h"
#include "response/ResponseCal.h"
#include "response/SweepGrid.h"
#include "support/DrawnCurves.h"
#include "support/EngineTestSupport.h"

namespace quendal {
namespace {

using test::draw;
using test::Drawn;

// The default driver as the effective one, a sensible custom box and vents.
void design(int button, int alin) {
    resetState();
    test::useEnteredDriver();
    test::selectSystem(2, button, alin);
    BoxParameters& b = state.box;
    b.QL1 = b.QL2 = b.QL3 = 7.0;
    b.VB1 = 30.0; b.VB2 = 60.0; b.VB3 = 45.0;
    b.FB1 = 110.0; b.FB2 = 40.0; b.FB3 = 70.0;
    state.vents.SV11 = state.vents.SV22 = state.vents.SV33 = 0.005;  // m^2
}

struct SystemCurves {
    const char* name;
    int button, alin;
    int ampComponents, power, impedance, displacement, vents;
};

constexpr SystemCurves kSystems[] = {
    {"Twin Serial, Optimum", 6, 1, 4, 1, 1, 1, 3},
    {"Twin Serial, Custom", 6, 3, 4, 1, 1, 1, 3},
    {"Delta Vented, Optimum", 7, 1, 3, 1, 1, 1, 3},
    {"Delta Vented, Custom", 7, 4, 3, 1, 1, 1, 3},
    // Alike halves: one curve for both drivers, vents 1 and 2 as one.
    {"Triple Vented, Type1", 8, 1, 3, 1, 2, 1, 2},
    {"Triple Vented, Type3", 8, 3, 4, 2, 3, 2, 3},
    {"Triple Vented, Custom", 8, 5, 4, 2, 3, 2, 3},
};

constexpr int kSegmentsPerCurve = 200;  // 201 grid points

TEST(MultiVentDrawing, EveryResponseKindIsDrawnWithFinitePointsOnly) {
    for (const SystemCurves& sys : kSystems) {
        SCOPED_TRACE(sys.name);
        const bool triple = sys.button == 8;
        auto run = [&](const char* kind, const std::function<void()>& entry) {
            design(sys.button, sys.alin);
            state.view.s_Resp = kind;
            SPLcal();
            return draw(entry);
        };
        for (int disp : {1, 2, 3}) {
            const Drawn d = run("amp", [&] { state.view.Disp = disp; ampPlot(); });
            const int curves = disp == 1 ? 1 : disp == 2 ? sys.ampComponents : 2;
            EXPECT_EQ(d.segments, curves * kSegmentsPerCurve) << "Disp " << disp;
            EXPECT_TRUE(d.finite);
        }
        const Drawn pw = run("pw", [] { pwPlot(); });
        EXPECT_EQ(pw.segments, sys.power * kSegmentsPerCurve);
        EXPECT_TRUE(pw.finite);
        for (const char* wiring : {"Para", "Seri"}) {
            const Drawn imp = run("imp", [&] { state.view.s_Imp = wiring; impOpt(); impPlot(); });
            EXPECT_EQ(imp.segments, sys.impedance * kSegmentsPerCurve) << wiring;
            EXPECT_TRUE(imp.finite);
            EXPECT_GT(state.scales.IMPscal, 0.0);
        }
        const Drawn dp = run("dp", [] { dpOpt(); dpPlot(); });
        EXPECT_EQ(dp.segments, sys.displacement * kSegmentsPerCurve);
        EXPECT_TRUE(dp.finite);
        EXPECT_GT(state.scales.DP, 0.0);
        const Drawn ph = run("ph", [] { phPlot(); });
        EXPECT_EQ(ph.segments, kSegmentsPerCurve);
        EXPECT_TRUE(ph.finite);
        const Drawn gd = run("gd", [&] {
            if (triple) { TRIgdOpt(); TRIgdPlot(); }
            else { gdOpt(); gdPlot(); }
        });
        EXPECT_EQ(gd.segments, kSegmentsPerCurve);
        EXPECT_TRUE(gd.finite);
        EXPECT_GT(state.scales.GDscl, 0.0);
        // The Nyquist sweep starts at 1 kHz for Delta Vented and Triple
        // Vented, at 10 kHz for Twin Serial.
        const Drawn nq = run("nq", [] { nqPlot(); });
        EXPECT_EQ(nq.segments, sys.button == 6 ? 300 : kSegmentsPerCurve);
        EXPECT_TRUE(nq.finite);
        const Drawn as = run("as", [] { AsDispOpt(); AsPlot(); });
        EXPECT_EQ(as.segments, sys.vents * kSegmentsPerCurve);
        EXPECT_TRUE(as.finite);
        EXPECT_GT(state.scales.AS0, 0.0);
        const Drawn st = run("st", [&] {
            if (triple) TRIStepPlot();
            else StepPlot();
        });
        EXPECT_GT(st.segments, 50);
        EXPECT_TRUE(st.finite);
    }
}

// From 4.2 down in single-precision steps of 0.01 the sweep has 320 points,
// 120 of them at or above 3.0 that only prime the difference; the 200 below
// are drawn, the first segment starting just right of the graph.
TEST(MultiVentDrawing, TripleVentedGroupDelaySweepFromFourPointTwo) {
    int points = 0, priming = 0;
    float lastPriming = 0.0f, last = 0.0f;
    for (float k = 4.2f; k >= 1.0f; k -= 0.01f) {
        ++points;
        if (k >= 3.0f) ++priming, lastPriming = k;
        last = k;
    }
    EXPECT_EQ(points, 320);
    EXPECT_EQ(priming, 120);
    EXPECT_NEAR(lastPriming, 3.0099964f, 2e-6f);
    EXPECT_NEAR(last, 1.0099983f, 2e-6f);

    design(8, 1);
    state.view.s_Resp = "gd";
    const Drawn gd = draw([] { TRIgdOpt(); TRIgdPlot(); });
    ASSERT_EQ(gd.segments, points - priming);
    const RecordedElement& first = gd.lines.front();
    const RecordedElement& final = gd.lines.back();
    EXPECT_NEAR(std::max(first.x0, first.x1), 45.0 + 230.0 * (lastPriming - 1.0f), 1e-3);
    EXPECT_GT(std::max(first.x0, first.x1), 505.0);
    EXPECT_NEAR(std::min(final.x0, final.x1), 45.0 + 230.0 * (last - 1.0f), 1e-3);
}

// Inner chambers alike in tuning and losses: vent 3 radiates nothing. No
// logarithm of zero reaches the screen: the system curves have no points,
// the inner vents' curves are drawn in full.
TEST(MultiVentDrawing, CancellingDeltaVentedDrawsNoSystemCurve) {
    auto run = [](const char* kind, const std::function<void()>& entry) {
        design(7, 4);
        state.box.FB1 = state.box.FB2 = 50.0;
        state.view.s_Resp = kind;
        SPLcal();
        return draw(entry);
    };
    const Drawn total = run("amp", [] { state.view.Disp = 1; ampPlot(); });
    EXPECT_EQ(total.segments, 0);
    const Drawn all = run("amp", [] { state.view.Disp = 2; ampPlot(); });
    EXPECT_EQ(all.segments, 2 * kSegmentsPerCurve);
    EXPECT_TRUE(all.finite);
    for (const char* kind : {"ph", "gd", "nq"}) {
        const Drawn d = run(kind, [&] {
            if (kind[0] == 'p') phPlot();
            else if (kind[0] == 'g') { gdOpt(); gdPlot(); }
            else nqPlot();
        });
        EXPECT_EQ(d.segments, 0) << kind;
    }
    // The cone and the vents still move.
    const Drawn dp = run("dp", [] { dpOpt(); dpPlot(); });
    EXPECT_EQ(dp.segments, kSegmentsPerCurve);
    EXPECT_TRUE(dp.finite);
    const Drawn st = run("st", [] { StepPlot(); });
    EXPECT_TRUE(st.finite);
}

}  // namespace
}  // namespace quendal
