// The five band-pass and twin-vented systems as members of the response
// engine: every response kind is computed through the engine's dispatch and
// drawn, curve by curve, with finite points only.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "engine/ImpedancePageQ.h"
#include "model/State.h"
#include "response/ResponseCal.h"
#include "support/DrawnCurves.h"
#include "support/EngineTestSupport.h"

namespace quendal {
namespace {

using test::draw;
using test::Drawn;

// The default driver as the effective one, a sensible box and vents.
void design(int button, int alin) {
    resetState();
    test::useEnteredDriver();
    test::selectSystem(2, button, alin);
    BoxParameters& b = state.box;
    b.QA = b.QA1 = 10.0;
    b.QL1 = b.QL2 = b.QL3 = 7.0;
    b.VB1 = 40.0;
    state.vents.SV11 = state.vents.SV22 = state.vents.SV33 = 0.005;  // m^2
}

struct SystemCurves {
    const char* name;
    int button;
    int ampComponents;  // curves with Disp 2 (the total alone where it has no components)
    int displacement;   // curves of the displacement page
    int vents;          // curves of the air-speed page
};

constexpr SystemCurves kSystems[] = {
    {"Raveza Box", 1, 1, 1, 1},
    {"Passive Raveza", 2, 1, 2, 0},
    {"Serial Raveza Type1", 3, 2, 1, 2},
    {"Serial Raveza Type2", 4, 2, 1, 2},
    {"Twin Vented", 5, 3, 1, 2},
};

constexpr int kSegmentsPerCurve = 200;  // 201 grid points

TEST(BandPassDrawing, EveryResponseKindIsDrawnWithFinitePointsOnly) {
    for (const SystemCurves& sys : kSystems) {
        SCOPED_TRACE(sys.name);
        auto run = [&](const char* kind, const std::function<void()>& entry) {
            design(sys.button, 1);
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
        EXPECT_EQ(pw.segments, kSegmentsPerCurve);
        EXPECT_TRUE(pw.finite);
        const Drawn imp = run("imp", [] { impOpt(); impPlot(); });
        EXPECT_EQ(imp.segments, kSegmentsPerCurve);
        EXPECT_TRUE(imp.finite);
        EXPECT_GT(state.scales.IMPscal, 0.0);
        const Drawn dp = run("dp", [] { dpOpt(); dpPlot(); });
        EXPECT_EQ(dp.segments, sys.displacement * kSegmentsPerCurve);
        EXPECT_TRUE(dp.finite);
        EXPECT_GT(state.scales.DP, 0.0);
        const Drawn ph = run("ph", [] { phPlot(); });
        EXPECT_GE(ph.segments, kSegmentsPerCurve - 1);
        EXPECT_TRUE(ph.finite);
        const Drawn gd = run("gd", [] { gdOpt(); gdPlot(); });
        EXPECT_EQ(gd.segments, kSegmentsPerCurve);
        EXPECT_TRUE(gd.finite);
        const Drawn nq = run("nq", [] { nqPlot(); });
        EXPECT_GT(nq.segments, kSegmentsPerCurve);
        EXPECT_TRUE(nq.finite);
        const Drawn as = run("as", [] { AsDispOpt(); AsPlot(); });
        EXPECT_EQ(as.segments, sys.vents * kSegmentsPerCurve);
        EXPECT_TRUE(as.finite);
        if (sys.vents > 0) {
            EXPECT_GT(state.scales.AS0, 0.0);
        }
        const Drawn st = run("st", [] { StepPlot(); });
        EXPECT_GT(st.segments, 50);
        EXPECT_TRUE(st.finite);
    }
}

}  // namespace
}  // namespace quendal

namespace quendal {
namespace {

// The system's coefficients and level (KNQ, siftUpDwn, and with them SPL -
// siftUpDwn) are the same on every page, the impedance page included; the
// current-drive coefficients of the impedance curves carry the mechanical Q
// but the level built from the total Q, and last only as long as their scope.
TEST(BandPassDrawing, LevelShiftIsTheSameOnEveryPage) {
    for (const SystemCurves& sys : kSystems) {
        SCOPED_TRACE(sys.name);
        for (int alin : {1, 2}) {
            design(sys.button, alin);
            state.view.s_Resp = "amp";
            CofCal();
            const double knq = state.coef.KNQ, sift = state.coef.siftUpDwn, a02 = state.coef.A02;
            EXPECT_NE(sift, 0.0);
            for (const char* page : {"imp", "pw", "dp", "ph", "gd", "nq", "as", "st", "sys", "vent"}) {
                state.view.s_Resp = page;
                CofCal();
                EXPECT_DOUBLE_EQ(state.coef.KNQ, knq) << page;
                EXPECT_DOUBLE_EQ(state.coef.siftUpDwn, sift) << page;
                EXPECT_DOUBLE_EQ(state.speaker.QTS, state.speaker.QTS2) << page;
                EXPECT_DOUBLE_EQ(state.coef.A02, a02) << page;
            }
            {
                const CurrentDriveCoefficients currentDrive([] { CofCal(); });
                EXPECT_DOUBLE_EQ(state.coef.KNQ, knq);
                EXPECT_DOUBLE_EQ(state.coef.siftUpDwn, sift);
                EXPECT_DOUBLE_EQ(state.speaker.QTS, state.speaker.QTS2);
                EXPECT_NE(state.coef.A02, a02);  // only the impedance curves see QMS
            }
            EXPECT_DOUBLE_EQ(state.coef.A02, a02);
        }
    }
}

}  // namespace
}  // namespace quendal
