// The frames together with the response engine's scale searches and
// sweeps: the curves land where the frames' labels say.
#include "FrameFixture.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "response/ResponseCal.h"
#include "view/ResponseGraphs.h"

namespace quendal::test {
namespace {

class FramesWithCurvesTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        state.box.QA = state.box.QA1 = state.box.QA2 = 10.0;
        state.box.QL = state.box.QL1 = state.box.QL2 = state.box.QL3 = 7.0;
        SpeakerParameters& sp = state.speaker;
        sp.FS = 30.0; sp.VAS = 100.0; sp.QTS = 0.35; sp.QMS = 5.0; sp.QES = 0.35 * 5.0 / (5.0 - 0.35);
        sp.RE = 6.0; sp.LE = 0.0; sp.SD = 500.0; sp.VD = 250.0; sp.XMAX = 5.0; sp.PEMX = 100.0;
        sp.EFI = 0.0;
        state.power.PIN = 10.0;
        state.selection.Alin = 1;
        state.view.Disp = 1;
    }
    void select(int32_t tab, int32_t button) {
        state.selection.SysSelTabNum = tab;
        state.selection.SysSelBtnNum = button;
    }
    // The curve segments: the lines drawn after the frame's last element.
    std::vector<RecordedElement> curveAfter(std::size_t frameElements) const {
        std::vector<RecordedElement> out;
        const auto& all = screen_().elements();
        for (std::size_t i = frameElements; i < all.size(); ++i)
            if (all[i].kind == Kind::Line) out.push_back(all[i]);
        return out;
    }
    const RecordingSurface& screen_() const { return provider.window; }
    // The labels left of the plot as (y of their line, value).
    std::vector<std::pair<double, double>> valueLabels() const {
        std::vector<std::pair<double, double>> out;
        for (const auto& t : texts())
            if (t.x0 < 40 && t.y0 >= 55 && t.y0 <= 335) out.push_back({t.y0 - 5.0, std::atof(t.text.c_str())});
        return out;
    }
    // The value the labels give to height y, by linear interpolation.
    double valueAt(double y) const {
        const auto labels = valueLabels();
        const auto& a = labels.front();
        const auto& b = labels.back();
        return a.second + (y - a.first) * (b.second - a.second) / (b.first - a.first);
    }
};

TEST_F(FramesWithCurvesTest, ClosedBoxLevelAboveResonanceReadsAsTheReferenceLevel) {
    // Far above its resonance a closed box radiates at the driver's
    // reference level: the curve at 1 kHz must read SPL on the absolute
    // scale and 0 dB on the relative one.
    select(1, 2);
    for (int32_t magni : {0, 1}) {
        for (int32_t scale : {5, 10}) {
            screen().reset();
            state.view.Magni = magni;
            state.view.Scale = scale;
            SPLcal();
            ampGraph();
            const std::size_t frame = screen().elements().size();
            ampPlot();
            const auto curve = curveAfter(frame);
            ASSERT_GT(curve.size(), 150u);
            // The segment's end nearest 1 kHz.
            const auto& last = curve.back();
            const bool firstEnd = last.x0 > last.x1;
            EXPECT_NEAR(firstEnd ? last.x0 : last.x1, 505.0, 0.01);
            const double expected = magni == 1 ? state.ref.SPL : 0.0;
            EXPECT_NEAR(valueAt(firstEnd ? last.y0 : last.y1), expected, 0.3) << magni << " " << scale;
            for (const auto& l : curve) EXPECT_TRUE(l.clipped);
        }
    }
}

TEST_F(FramesWithCurvesTest, ScaleSearchesKeepThePeaksInsideThePlot) {
    // Whatever peak the engine finds, the frame's scale holds it: no curve
    // point rises above the top line.
    struct Page { const char* name; int32_t (*search)(); int32_t (*frame)(); int32_t (*sweep)(); };
    const Page pages[] = {
        {"imp", impOpt, impGraph, impPlot},
        {"dp", dpOpt, dpGraph, dpPlot},
        {"gd", gdOpt, gdGraph, gdPlot},
    };
    for (int32_t button : {1, 2, 3, 4}) {
        for (const auto& page : pages) {
            for (double qts : {0.2, 0.35, 0.7}) {
                screen().reset();
                select(1, button);
                state.speaker.QTS = qts;
                state.speaker.QES = qts * 5.0 / (5.0 - qts);
                state.view.s_Resp = page.name;
                state.view.Magni = 1;
                page.search();
                page.frame();
                const std::size_t frame = screen().elements().size();
                page.sweep();
                const auto curve = curveAfter(frame);
                ASSERT_FALSE(curve.empty()) << page.name << " " << button;
                double top = 1e9;
                for (const auto& l : curve) top = std::min({top, l.y0, l.y1});
                EXPECT_GE(top, 49.0) << page.name << " system " << button << " Qts " << qts;
                EXPECT_FALSE(valueLabels().empty()) << page.name;
            }
        }
    }
}

TEST_F(FramesWithCurvesTest, ImpedancePeakJustUnderAndOverTwentyFiveOhm) {
    struct Case { double peak; const char* top; } cases[] = {
        {9.99, "10"}, {10.0, "25.0"}, {24.99, "25.0"}, {25.0, "50"}, {99.99, "100"}, {148.9, "150"}, {149.0, "200"},
        {600.0, "1000"}};
    for (const auto& c : cases) {
        screen().reset();
        state.scales.G1 = c.peak;
        impSetScale();
        impGraph();
        const auto labels = valueLabels();
        ASSERT_EQ(labels.size(), 11u) << c.peak;
        EXPECT_EQ(textsAt(55.0).front().text, c.top) << c.peak;
        EXPECT_GE(labels.front().second, c.peak);  // the full scale holds the peak
    }
}

TEST_F(FramesWithCurvesTest, GroupDelayPeakChoosesTheLabels) {
    struct Case { double peak; const char* top; } cases[] = {
        {4.99, "+5"}, {5.0, "+10"}, {9.99, "+10"}, {10.0, "+25"}, {25.0, "+50"}, {50.0, "+100"}};
    for (const auto& c : cases) {
        screen().reset();
        state.scales.G2 = c.peak;
        gdOpt2();
        gdGraph();
        EXPECT_EQ(textsAt(55.0).front().text, c.top) << c.peak;
    }
}

TEST_F(FramesWithCurvesTest, StepCurveCrossesZeroWhereTheTimeLabelsPutIt) {
    // An infinite baffle of Q 0.5 answers a step with e^-t (1 - t) in the
    // normalised time t = 2 pi FS seconds: it crosses zero 1 / (2 pi FS)
    // seconds after the step, whatever axis the frame chose.
    select(1, 1);
    for (double fs : {20.0, 35.0, 50.0, 120.0, 400.0}) {
        screen().reset();
        state.speaker.FS = fs;
        state.speaker.QTS = 0.5;
        StepGraph();
        const std::size_t frame = screen().elements().size();
        StepPlot();
        const auto curve = curveAfter(frame);
        ASSERT_GT(curve.size(), 10u);
        double crossing = -1;
        for (const auto& l : curve)
            if (crossing < 0 && (l.y0 - 190.0) * (l.y1 - 190.0) <= 0.0 && l.y0 != l.y1)
                crossing = l.x0 + (190.0 - l.y0) * (l.x1 - l.x0) / (l.y1 - l.y0);
        // Time under x by the frame's labels: "0" under the column at x 45.5,
        // the last label (CursorScale ms) under the one at x 505.5.
        const double ms = (crossing - 45.5) / 460.0 * state.scales.CursorScale;
        const double expected = 1000.0 / (2.0 * std::numbers::pi * fs);
        EXPECT_NEAR(ms, expected, state.scales.CursorScale / 460.0 * 1.0) << fs;  // within a pixel
    }
}

}  // namespace
}  // namespace quendal::test
