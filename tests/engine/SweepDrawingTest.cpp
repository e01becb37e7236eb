// What the sweeps draw: the grid, the curve sets and their colours, the
// screen mappings and scales, and the skipping of points that have no value.
#include <cmath>
#include <limits>
#include <map>
#include <set>
#include <string>

#include "enclosures/EnclosureUnits.h"
#include "response/ResponseCal.h"
#include "support/EngineTestSupport.h"

namespace quendal {
namespace {

using test::EngineTest;
using test::selectSystem;
using test::setDriver;

class Sweeps : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        setDriver(40.0, 60.0, 0.4);
        state.box.VB = 30.0;
        state.box.VB1 = 60.0;
        state.box.QTC = 0.707;
        state.power.PIN = 1.0;
        state.vents.SV11 = 0.002;
        state.scales.DPScale = 1;
        state.scales.ASScale = 1;
        state.ref.SPL = 90.0;
    }

    // Lines drawn in one colour.
    size_t linesOf(const CurveColour& c) const {
        size_t n = 0;
        for (const auto& l : lines())
            if (l.stroke.colour.red == c.red && l.stroke.colour.green == c.green && l.stroke.colour.blue == c.blue) ++n;
        return n;
    }
};

TEST_F(Sweeps, TheGridHas201PointsFrom10HzToJustUnder1kHz) {
    int points = 0;
    float last = 0.0f;
    for (float k = kGridStart; k <= kGridEnd; k += kGridStep) {
        ++points;
        last = k;
    }
    EXPECT_EQ(points, 201);
    EXPECT_NEAR(last, 2.999998f, 1e-6f);
    EXPECT_LT(last, 3.0f);

    selectSystem(1, 1);
    state.view.Disp = 1;
    ampPlot();
    const auto drawn = lines();
    ASSERT_EQ(drawn.size(), 200u);
    // A line runs from the new point (x0) back to the previous one (x1).
    EXPECT_FLOAT_EQ(drawn.front().x1, 45.0f);
    EXPECT_NEAR(drawn.back().x0, 45.0 + 230.0 * 1.999998, 1e-3);
    EXPECT_LT(drawn.back().x0, 505.0);
    for (size_t i = 1; i < drawn.size(); ++i) EXPECT_DOUBLE_EQ(drawn[i].x1, drawn[i - 1].x0);
    for (const auto& l : drawn) {
        EXPECT_TRUE(l.clipped);
        EXPECT_DOUBLE_EQ(l.stroke.width, 2.0);
        EXPECT_DOUBLE_EQ(l.stroke.colour.green, 0.531);
    }
}

TEST_F(Sweeps, AmplitudeCurveSetsOfTheSixteenSystems) {
    struct Row {
        int32_t tab, btn, disp, curves;
    };
    const Row rows[] = {
        // A mode the system cannot show falls back to the total alone.
        {1, 1, 1, 1}, {1, 1, 2, 1}, {1, 1, 3, 1}, {1, 2, 2, 1}, {1, 2, 3, 2}, {1, 3, 2, 3}, {1, 4, 2, 3},
        {1, 5, 2, 3}, {1, 6, 2, 4}, {1, 7, 2, 1}, {1, 8, 2, 3}, {1, 7, 3, 2}, {2, 1, 1, 1}, {2, 1, 2, 1},
        {2, 2, 2, 1}, {2, 3, 2, 2}, {2, 4, 2, 2}, {2, 5, 2, 3}, {2, 7, 2, 3}, {2, 6, 2, 4}, {2, 1, 3, 2},
        {3, 1, 1, 0}, {1, 3, 4, 0},
    };
    for (const Row& r : rows) {
        selectSystem(r.tab, r.btn);
        state.view.Disp = r.disp;
        EXPECT_EQ(amplitudeCurveCount(), r.curves) << r.tab << "/" << r.btn << " Disp " << r.disp;
    }
    selectSystem(2, 8);
    state.view.Disp = 2;
    state.box.VB1 = state.box.VB2 = 20.0;
    state.box.FB1 = state.box.FB2 = 40.0;
    state.box.QL1 = state.box.QL2 = 7.0;
    EXPECT_EQ(amplitudeCurveCount(), 3);
    state.box.QL2 = 10.0;
    EXPECT_EQ(amplitudeCurveCount(), 4);
}

TEST_F(Sweeps, ComponentAndComparisonCurvesGetTheirColours) {
    selectSystem(1, 3);
    state.view.Disp = 2;
    ampPlot();
    EXPECT_EQ(lines().size(), 600u);
    EXPECT_EQ(linesOf(kOrange), 200u);
    EXPECT_EQ(linesOf(kGreen), 200u);
    EXPECT_EQ(linesOf(kBlue), 200u);
    EXPECT_EQ(state.point.respNum, 4);

    provider.window.reset();
    selectSystem(1, 2);
    state.view.Disp = 2;
    ampPlot();
    EXPECT_EQ(lines().size(), 200u);  // no components: the total alone
    provider.window.reset();
    state.view.Disp = 3;
    ampPlot();
    EXPECT_EQ(linesOf(kOrange), 200u);
    EXPECT_EQ(linesOf(kPurple), 200u);
    for (const auto& l : lines()) EXPECT_DOUBLE_EQ(l.stroke.width, l.stroke.colour.red == 1.0 ? 2.0 : 1.0);
}

TEST_F(Sweeps, ComparisonCurveIsTheDriverInAnInfiniteBaffle) {
    // Far above resonance both the closed box and the baffle are at the
    // reference: 0 dB at y = 130; the comparison curve is the second-order
    // high-pass of the driver alone.
    selectSystem(1, 2);
    state.view.Disp = 3;
    state.view.Scale = 5;
    ampPlot();
    const auto drawn = lines();
    ASSERT_EQ(drawn.size(), 400u);
    EXPECT_NEAR(drawn[199].y0, 130.0, 1.0);
    EXPECT_NEAR(drawn[399].y0, 130.0, 1.0);
    // At 40 Hz (k = log10 40, point 60) the baffle is 20 log10(1/Qts) below.
    const double level = -20.0 * std::log10(0.4);
    EXPECT_NEAR(drawn[200 + 59].y0, 130.0 + 8.0 * level, 0.5);
}

TEST_F(Sweeps, AmplitudeScreenMappings) {
    selectSystem(1, 1);
    state.view.Disp = 1;
    state.point.f = 1.0f;
    IBcofCal();
    struct Row {
        int32_t scale, magni;
        double sift, expected;
    };
    const double yy = -20.0 * std::log10(0.4);  // level at resonance
    const Row rows[] = {
        {5, 0, 0.0, 8 * yy + 130}, {10, 0, 0.0, 4 * yy + 130}, {5, 1, 10.0, 8 * yy + 850 - 720 + 80},
        {10, 1, 10.0, 4 * yy + 490 - 360 + 40},
    };
    for (const Row& r : rows) {
        provider.window.reset();
        state.view.Scale = r.scale;
        state.view.Magni = r.magni;
        state.scales.sift = r.sift;
        ampPlot();
        // The resonance 40 Hz lies at k = 1.60206, between points 60 and 61.
        const auto drawn = lines();
        ASSERT_EQ(drawn.size(), 200u);
        EXPECT_NEAR(drawn[59].y0, r.expected, 0.6) << r.scale << " " << r.magni;
    }
}

TEST_F(Sweeps, PowerDecadesFollowTheRatedPower) {
    selectSystem(1, 1);
    struct Row {
        double pemx, offset;
    };
    const Row rows[] = {{100.0, -93.0}, {101.0, 0.0}, {10.0, -186.0}, {2000.0, 93.0}};
    for (const Row& r : rows) {
        provider.window.reset();
        state.speaker.PEMX = r.pemx;
        pwPlot();
        const auto drawn = lines();
        ASSERT_EQ(drawn.size(), 200u) << r.pemx;
        // Point 2 (10.23 Hz): recompute its power independently of the sweep.
        const double f = std::pow(10.0, 1.01f) / 40.0;
        const double de = (1 - f * f) * (1 - f * f) + (2.5 * f) * (2.5 * f);
        const double watts = state.rscales.P1 * de;
        double y = -93.333333 * std::log10(watts) + 330.0;
        const double pe1 = -93.333333 * std::log10(r.pemx) + 330.0;
        if (y <= pe1) y = pe1;
        EXPECT_NEAR(drawn[0].y0, y + r.offset, 0.01) << r.pemx;
        // Above resonance the rating exceeds the rated power: flat at its line.
        EXPECT_NEAR(drawn.back().y0, pe1 + r.offset, 1e-3) << r.pemx;
    }
}

TEST_F(Sweeps, PowerSweepKeepsTheUsersRatedPower) {
    selectSystem(1, 3);
    // A rating of 999.9 W is the user's and survives; a driver without a
    // rating (0 or less) has 0 after the sweep.
    struct Row { double before, after; } rows[] = {{999.9, 999.9}, {0.0, 0.0}, {-5.0, 0.0}};
    for (const Row& r : rows) {
        state.speaker.PEMX = r.before;
        pwPlot();
        EXPECT_EQ(state.speaker.PEMX, r.after) << r.before;
    }
    EXPECT_DOUBLE_EQ(ratedPowerForGraph(), 999.9);
}

TEST_F(Sweeps, ImpedanceScaleSteps) {
    const double bounds[][2] = {{9.99, 10.0}, {10.0, 4.0}, {24.9, 4.0}, {49.0, 2.0}, {99.0, 1.0}, {148.0, 0.666666},
                                {198.0, 0.5}, {298.0, 0.333333}, {498.9, 0.2}, {499.0, 0.1}};
    for (const auto& b : bounds) {
        state.scales.G1 = b[0];
        impSetScale();
        EXPECT_DOUBLE_EQ(state.scales.IMPscal, b[1]) << b[0];
    }
}

TEST_F(Sweeps, ImpedancePeakAndCurveOfTheDriverInFreeAir) {
    selectSystem(1, 1);
    state.view.s_Resp = "imp";
    state.speaker.QES = 0.4 * 5.0 / 4.6;
    impOpt();
    // The motional peak of a driver at FS is RE + RE Qms/Qes; the grid's
    // largest point lies within a few tenths of an ohm of it.
    const double peak = 6.0 + 6.0 * 5.0 / state.speaker.QES;
    EXPECT_NEAR(state.scales.G1, peak, 0.5);
    EXPECT_DOUBLE_EQ(state.scales.IMPscal, 1.0);
    impPlot();
    const auto drawn = lines();
    ASSERT_EQ(drawn.size(), 200u);
    double top = 1e9;
    for (const auto& l : drawn) top = std::min(top, l.y0);
    EXPECT_NEAR(top, -2.81 * 1.0 * state.scales.G1 + 330.0, 1e-3);
}

TEST_F(Sweeps, DisplacementPeakAndMillimetreScale) {
    selectSystem(1, 1);
    state.view.Magni = 1;
    dpOpt();
    // The free-air driver's excursion rises towards low frequency: the first
    // point is the peak.
    state.point.f = static_cast<float>(10.0 / 40.0);
    state.view.Magni = 1;
    IBDPoptcal();
    EXPECT_NEAR(state.scales.DP, state.point.yy, 1e-6);
    state.scales.DPScale = 2;
    dpPlot();
    const auto drawn = lines();
    ASSERT_EQ(drawn.size(), 200u);
    EXPECT_NEAR(drawn[0].y1, -28.0 * state.scales.DP / 2.0 + 330.0, 1e-3);

    // Relative display with Scale 10: 20 dB below the reference at y = 210.
    state.view.Magni = 0;
    state.view.Scale = 10;
    state.point.f = 3.0f;
    IBDPcal();
    const double below = state.point.yy;
    provider.window.reset();
    dpPlot();
    EXPECT_NEAR(8.0 * 20.0 / 2.0 + 130.0, 210.0, 1e-12);
    EXPECT_GT(below, 0.0);
    EXPECT_EQ(lines().size(), 200u);
}

TEST_F(Sweeps, PassiveRadiatorDisplacementHasDriverAndRadiatorCurves) {
    setDriver(40.0, 50.0, 0.3);
    selectSystem(1, 4, 4);
    state.box.VB = 30.0;
    state.radiator.FP = 25.0;
    state.radiator.VAP = 15.0;
    state.radiator.PRSD = 100.0;  // a radiator half the driver's area moves twice as far
    state.view.Magni = 1;
    dpOpt();
    EXPECT_GE(state.scales.DP, state.scales.DP1);
    EXPECT_GE(state.scales.DP, state.scales.DP2);
    EXPECT_EQ(state.scales.DP, std::max(state.scales.DP1, state.scales.DP2));
    state.scales.DPScale = 10;
    dpPlot();
    EXPECT_EQ(linesOf(kOrange), 200u);
    EXPECT_EQ(linesOf(kGreen), 200u);
}

TEST_F(Sweeps, PhaseRunsDownwardAndFoldsIntoOneTurn) {
    selectSystem(1, 3);
    phPlot();
    const auto drawn = lines();
    ASSERT_EQ(drawn.size(), 200u);
    EXPECT_NEAR(drawn.front().x1, 505.0, 1e-3);
    EXPECT_NEAR(drawn.back().x0, 45.0, 0.01);
    for (const auto& l : drawn) {
        EXPECT_GE(l.y0, 50.0 - 1e-3);
        EXPECT_LE(l.y0, 330.0 + 1e-3);
    }
}

TEST_F(Sweeps, NyquistStartsAtTenKilohertzForTheSingleChamberSystems) {
    selectSystem(1, 3);
    nqPlot();
    EXPECT_EQ(lines().size(), 300u);
    EXPECT_FLOAT_EQ(state.point.kk, 4.0f);
    // Far above the tuning the response is 1 (the point (340, 190)).
    EXPECT_NEAR(lines().front().x1, 340.0, 0.5);
    EXPECT_NEAR(lines().front().y1, 190.0, 1.0);
}

TEST_F(Sweeps, GroupDelayScaleFromTheFirstMaximum) {
    selectSystem(1, 1);
    gdOpt();
    // The baffle's delay falls from the lowest frequency up: its first point
    // is the peak.
    state.point.f = static_cast<float>(10.0 / 40.0);
    IBGDcal();
    EXPECT_NEAR(state.scales.G2, state.point.yy, 1e-6);
    const double bounds[][2] = {{4.99, 0.5}, {5.0, 1.0}, {24.99, 2.5}, {25.0, 5.0}, {50.0, 10.0}};
    for (const auto& b : bounds) {
        state.scales.G2 = b[0];
        gdOpt2();
        EXPECT_DOUBLE_EQ(state.scales.GDscl, b[1]);
    }
    state.scales.GDscl = 1.0;
    gdPlot();
    EXPECT_EQ(lines().size(), 200u);
}

TEST_F(Sweeps, PeakSearchRule) {
    struct Case {
        std::vector<float> values;
        double peak;
    };
    const Case cases[] = {
        {{1, 2, 3, 4, 5}, 4},             // rising throughout: the point before the last
        {{1, 3, 2, 1}, 3},                // a single maximum
        {{1, 3, 2, 5, 4}, 3},             // the first maximum, then a higher rise ...
        {{1, 3, 2, 2.5, 6, 7, 1}, 6},     // ... raised to the value before a later rise that exceeds it
        {{-1, -4, -2}, 4},                // magnitudes
        {{1, std::nanf(""), 3, 2}, 3},    // a point without value is skipped
    };
    for (const Case& c : cases) {
        PeakSearch search;
        for (float v : c.values) search.visit(v);
        EXPECT_DOUBLE_EQ(state.scales.G2, c.peak);
    }
}

TEST_F(Sweeps, AirSpeedOfTheVentedBox) {
    selectSystem(1, 3);
    AsDispOpt();
    EXPECT_GT(state.scales.AS0, 0.0);
    EXPECT_NEAR(state.rscales.VEL, std::sqrt(2.0) * state.ref.PA / (1.18 * 0.002 * 40.0), 1e-9);
    AsPlot();
    EXPECT_EQ(linesOf(kOrange), 200u);
    for (const auto& l : lines()) EXPECT_DOUBLE_EQ(l.stroke.width, 2.0);

    selectSystem(1, 2);
    provider.window.reset();
    AsDispOpt();
    EXPECT_EQ(state.scales.AS0, 0.0);
    AsPlot();
    EXPECT_TRUE(lines().empty());
}

TEST_F(Sweeps, CurveCountsOfTheOtherKinds) {
    struct Row {
        int32_t tab, btn, power, impedance, displacement, vents;
    };
    const Row rows[] = {
        {1, 1, 1, 1, 1, 0}, {1, 2, 1, 1, 1, 0}, {1, 3, 1, 1, 1, 1}, {1, 4, 1, 1, 2, 0}, {1, 5, 1, 1, 1, 2},
        {1, 6, 1, 1, 1, 3}, {1, 7, 2, 3, 2, 0}, {1, 8, 2, 3, 2, 1}, {2, 1, 1, 1, 1, 1}, {2, 2, 1, 1, 2, 0},
        {2, 3, 1, 1, 1, 2}, {2, 4, 1, 1, 1, 2}, {2, 5, 1, 1, 1, 2}, {2, 6, 1, 1, 1, 3}, {2, 7, 1, 1, 1, 3},
        {2, 8, 2, 3, 2, 3}, {3, 1, 0, 0, 0, 0},
    };
    state.box.QL2 = 3.0;  // Triple Vented not symmetric
    for (const Row& r : rows) {
        selectSystem(r.tab, r.btn);
        EXPECT_EQ(powerCurveCount(), r.power) << r.tab << "/" << r.btn;
        EXPECT_EQ(impedanceCurveCount(), r.impedance) << r.tab << "/" << r.btn;
        EXPECT_EQ(displacementCurveCount(), r.displacement) << r.tab << "/" << r.btn;
        EXPECT_EQ(ventCount(), r.vents) << r.tab << "/" << r.btn;
    }
    selectSystem(2, 8);
    state.box.QL2 = state.box.QL1;
    state.box.VB2 = state.box.VB1;
    state.box.FB2 = state.box.FB1;
    EXPECT_EQ(powerCurveCount(), 1);
    EXPECT_EQ(impedanceCurveCount(), 2);
    EXPECT_EQ(displacementCurveCount(), 1);
}

TEST_F(Sweeps, PenRestartsAfterAPointWithoutValue) {
    const float ys[] = {10, 20, std::numeric_limits<float>::infinity(), 30, 40, 50};
    CurvePen pen;
    float x = 0;
    for (float y : ys) {
        state.point.xx = x++;
        state.point.yy = y;
        pen.moveTo();
    }
    const auto drawn = lines();
    ASSERT_EQ(drawn.size(), 3u);  // 0-1, 3-4, 4-5
    EXPECT_DOUBLE_EQ(drawn[1].x1, 3.0);
    EXPECT_DOUBLE_EQ(drawn[1].x0, 4.0);
}

// A sweep draws a segment to every computed point whose value is finite and
// lifts its pen at any other: a curve has all its segments when every one of
// its points was computed, and none when none was. A spoiled driver or box
// value leaves every curve whole, or absent where that value leaves the
// curve nothing to compute (the pages listed), never broken by single
// points without value.
TEST_F(Sweeps, SpoiledInputLeavesEveryCurveWholeOrAbsent) {
    struct Page {
        const char* kind;
        void (*draw)();
        int32_t (*curves)();
        size_t segments;  // of a whole curve
    };
    const Page pages[] = {
        {"amp", [] { ampPlot(); }, [] { return 1; }, 200},
        {"pw", [] { pwPlot(); }, powerCurveCount, 200},
        {"imp", [] { impOpt(); impPlot(); }, impedanceCurveCount, 200},
        {"dp", [] { dpOpt(); dpPlot(); }, displacementCurveCount, 200},
        {"ph", [] { phPlot(); }, [] { return 1; }, 200},
        {"gd", [] { gdOpt(); gdPlot(); }, [] { return 1; }, 200},
        {"nq", [] { nqPlot(); }, [] { return 1; }, 300},
        {"as", [] { AsDispOpt(); AsPlot(); }, ventCount, 200},
    };
    const std::set<std::string> everyPage{"amp", "pw", "imp", "dp", "ph", "gd", "nq", "as"};
    struct Case {
        const char* what;
        void (*spoil)();
        std::set<std::string> absent;  // pages left with nothing to compute
        std::set<int32_t> systems;     // in the systems (buttons) listed; the others whole
    };
    const Case cases[] = {
        {"FS 0", [] { state.speaker.FS = 0.0; }, everyPage, {1, 2, 3, 4}},
        {"QMS 0", [] { state.speaker.QMS = 0.0; }, {"imp"}, {1, 2, 3, 4}},
        {"SD 0", [] { state.speaker.SD = 0.0; }, {"dp"}, {1, 2, 3, 4}},
        {"vent area 0", [] { state.vents.SV11 = 0.0; }, {"as"}, {3}},
        {"VAS 0", [] { state.speaker.VAS = 0.0; }, everyPage, {2, 4}},
        {"QL 0", [] { state.box.QL = 0.0; }, everyPage, {3, 4}},
        {"scales 0", [] {
             state.scales.DPScale = 0;
             state.scales.ASScale = 0;
             state.scales.GDscl = 0.0;
         }, {"dp", "as"}, {1, 2, 3, 4}},
    };
    for (const Case& c : cases) {
        for (int32_t btn = 1; btn <= 4; ++btn) {
            SetUp();
            selectSystem(1, btn);
            state.view.Magni = 1;  // displacement in millimetres
            c.spoil();
            for (const Page& page : pages) {
                provider.window.reset();
                state.view.s_Resp = page.kind;
                page.draw();
                std::map<std::string, size_t> segments;
                for (const auto& l : lines()) {
                    const Colour& k = l.stroke.colour;
                    segments[std::to_string(k.red) + " " + std::to_string(k.green) + " " + std::to_string(k.blue)]++;
                }
                const bool absent = c.absent.count(page.kind) != 0 && c.systems.count(btn) != 0;
                EXPECT_EQ(segments.size(), absent ? 0u : static_cast<size_t>(page.curves()))
                    << c.what << ", system " << btn << ", " << page.kind;
                for (const auto& [colour, n] : segments)
                    EXPECT_EQ(n, page.segments) << c.what << ", system " << btn << ", " << page.kind << ", " << colour;
            }
        }
    }
}

// Air speeds beyond the largest scale and a Nyquist curve beyond its frame
// end at the frame: every segment is clipped to a rectangle inside the
// page's plotting rectangle, never reaching the title above y 50.
TEST_F(Sweeps, CurvesBeyondTheScaleAreClippedToThePlottingRectangle) {
    const struct {
        const char* page;
        int (*sweep)();
        ClipRect frame;
        bool leaves;  // the curve of this design leaves the rectangle
    } pages[] = {{"as", AsPlot, {45, 50, 505, 331}, true}, {"nq", nqPlot, {130, 50, 410, 331}, false}};
    selectSystem(1, 3);
    state.box.FB1 = 40.0;
    state.power.PIN = 1000.0;  // some 100 m/s in the vent, at 1 m/s a row
    for (const auto& p : pages) {
        SCOPED_TRACE(p.page);
        provider.window.reset();
        state.view.s_Resp = p.page;
        p.sweep();
        ASSERT_FALSE(lines().empty());
        bool beyond = false;
        for (const auto& l : lines()) {
            beyond = beyond || std::min(l.y0, l.y1) < p.frame.top || std::min(l.x0, l.x1) < p.frame.left;
            ASSERT_TRUE(l.clipped);
            EXPECT_GE(l.clip.left, p.frame.left);
            EXPECT_GE(l.clip.top, p.frame.top);
            EXPECT_LE(l.clip.right, p.frame.right);
            EXPECT_LE(l.clip.bottom, p.frame.bottom);
        }
        EXPECT_EQ(beyond, p.leaves);
    }
}

}  // namespace
}  // namespace quendal
