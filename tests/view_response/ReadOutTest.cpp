// The read-outs: their texts and places at the examples of the layout, and
// that the value shown is where the drawn curve passes.
#include <optional>

#include "ResponsePageFixture.h"
#include "engine/ResponseCal.h"
#include "enclosures/TRIcal.h"
#include "view/Explanation.h"
#include "view/NyquistReadout.h"
#include "view/PointerReadout.h"
#include "view/ResponseRedraw.h"

namespace quendal::test {
namespace {

bool sameColour(const Colour& a, const Colour& b) {
    return std::fabs(a.red - b.red) < 0.01 && std::fabs(a.green - b.green) < 0.01 && std::fabs(a.blue - b.blue) < 0.01;
}

// y of the drawn curve of that colour at x, between the ends of its segment.
std::optional<double> curveY(const std::vector<RecordedElement>& lines, const Colour& colour, double x) {
    for (const auto& l : lines) {
        if (!sameColour(l.stroke.colour, colour) || l.x0 == l.x1) continue;
        const double lo = std::min(l.x0, l.x1), hi = std::max(l.x0, l.x1);
        if (x >= lo && x <= hi) return l.y0 + (l.y1 - l.y0) * (x - l.x0) / (l.x1 - l.x0);
    }
    return std::nullopt;
}

// The value of the read-out: its text without the unit.
double shownValue(const std::string& text) { return std::stod(text); }

class ReadOut : public ResponsePageTest {
protected:
    // Draws the page, then moves the pointer read-out to pointer x.
    void pageWithPointerAt(const char* page, int32_t x) {
        state.view.s_Resp = page;
        ReDispResposeWnd();
        state.cursor.logff = static_cast<float>(1.0 + 0.004347826087 * (x - 45.0));
        state.cursor.ffpn = static_cast<float>(std::pow(10.0, double(state.cursor.logff)));
        DrawPointerContorol();
    }
    double snappedX() const { return 45.0 + 230.0 * (std::log10(double(state.point.ff)) - 1.0); }
    Colour boxColour() const { return drawn(Kind::Rect).back().stroke.colour; }
};

TEST_F(ReadOut, FrequencyTextsAtTheEdgesAndAtOneHundredHertz) {
    useSystem({1, 2, "Closed Box"});
    struct Row { int32_t x; const char* text; double left; };
    for (const Row& r : {Row{45, " 10.0Hz", 385.8}, Row{505, " 1000Hz", 381.7}, Row{275, " 100Hz", 390.0}}) {
        provider.window.reset();
        pageWithPointerAt("amp", r.x);
        const auto texts = textsAt(39.0);
        ASSERT_GE(texts.size(), 2u);
        EXPECT_EQ(texts.back().text, r.text);
        EXPECT_NEAR(texts.back().x0, r.left, 1e-4);
    }
}

// The value shown is read off the drawn curve through the page's own
// mapping: amplitude y = 130 + 8 dB-below (5 dB a division), impedance
// y = 330 - 2.81 IMPscal Z, air speed y = 330 - 18.67 v / ASScale.
TEST_F(ReadOut, ValueIsWhereTheDrawnCurvePasses) {
    struct Row { System system; const char* page; double tolerance; };
    // Values are rounded with half a unit added first: up to one unit above.
    const Row rows[] = {{{1, 3, "Vented Box"}, "amp", 0.02}, {{1, 8, "Complex Vented"}, "imp", 0.11},
                        {{2, 5, "Twin Vented"}, "as", 0.02}, {{2, 6, "Twin Serial"}, "amp", 0.02}};
    for (const Row& r : rows) {
        for (int32_t x : {80, 180, 300, 450}) {
            SCOPED_TRACE(std::string(r.system.name) + " " + r.page + " x " + std::to_string(x));
            useSystem(r.system);
            provider.window.reset();
            pageWithPointerAt(r.page, x);
            const auto y = curveY(drawn(Kind::Line), {1.0, 0.5294, 0.0}, snappedX());
            ASSERT_TRUE(y.has_value());
            const double v = shownValue(readOut().at(0));
            const std::string page = r.page;
            const double expected = page == "amp"   ? (130.0 - *y) / 8.0
                                    : page == "imp" ? (330.0 - *y) / (2.81 * state.scales.IMPscal)
                                                    : (330.0 - *y) * state.scales.ASScale / 18.666667;
            EXPECT_NEAR(v, expected, r.tolerance);
        }
    }
}

TEST_F(ReadOut, LoudLevelsShowOneDecimalAndPowerStopsAtTheRating) {
    useSystem({1, 2, "Closed Box"});
    state.speaker.EFI = 10.0;  // % : 102 dB at 1 W / 1 m
    state.view.Magni = 1;
    pageWithPointerAt("amp", 480);
    const std::string level = readOut().at(0);
    EXPECT_EQ(level.size() - level.find('.'), 4u) << level;  // ".d" and "dB"
    EXPECT_GT(shownValue(level), 100.0);

    provider.window.reset();
    pageWithPointerAt("pw", 480);  // far above resonance the excursion limit is far away
    EXPECT_EQ(readOut().at(0), " 100.00W");
}

TEST_F(ReadOut, BandPassPhaseIsTheCurvesPhaseLessAHalfTurn) {
    useSystem({2, 5, "Twin Vented"});
    for (int32_t x : {120, 260, 400}) {
        provider.window.reset();
        pageWithPointerAt("ph", x);
        // The phase page folds its curve into 0-360 degrees, y = 330 - 0.7778 deg.
        const auto y = curveY(drawn(Kind::Line), {1.0, 0.5294, 0.0}, 45.0 + 230.0 * (state.cursor.logff - 1.0));
        ASSERT_TRUE(y.has_value());
        const double curve = (330.0 - *y) / 0.7777778;
        const double turns = (shownValue(readOut().at(0)) + 180.0 - curve) / 360.0;
        EXPECT_NEAR(turns, std::round(turns), 1.5 / 360.0) << "x " << x;
    }
}

TEST_F(ReadOut, BoxesTakeTheColourOfTheCurveAsThePageDrawsIt) {
    struct Row { System system; const char* page; int32_t disp, respNum; Colour colour; };
    const Colour purple{0.6196, 0.2863, 0.6314}, green{0.0, 0.7843, 0.0}, blue{0.0, 0.5112, 1.0};
    const Row rows[] = {{{1, 3, "Vented Box"}, "amp", 3, 2, purple},
                        {{1, 8, "Complex Vented"}, "imp", 3, 2, green},  // no comparison curve here
                        {{2, 8, "Triple Vented"}, "as", 1, 3, green},    // vent 3 of the alike halves
                        {{2, 8, "Triple Vented"}, "amp", 2, 3, blue},
                        {{2, 6, "Twin Serial"}, "as", 1, 3, blue}};
    for (const Row& r : rows) {
        useSystem(r.system);
        state.box.VB2 = state.box.VB1;  // alike chambers must not matter outside the Triple Vented system
        state.box.FB2 = state.box.FB1;
        state.box.QL2 = state.box.QL1;
        state.view.Disp = r.disp;
        state.view.s_Resp = r.page;
        state.point.respNum = r.respNum;
        Colour c;
        ASSERT_TRUE(readOutColour(r.respNum, c));
        EXPECT_TRUE(sameColour(c, r.colour)) << r.system.name << " " << r.page;
    }
}

// The second entry of the symmetric Triple Vented air-speed legend names
// vent 3, drawn as the sweep's green curve 3.
TEST_F(ReadOut, LegendClickShowsTheCurveOfThatEntry) {
    useSystem({2, 8, "Triple Vented"});
    pageWithPointerAt("as", 200);
    provider.window.reset();
    legendPictureClicked(401);
    EXPECT_EQ(state.point.respNum, 3);
    const Colour green{0.0, 0.7843, 0.0};
    EXPECT_TRUE(sameColour(boxColour(), green));
    const double x = snappedX();
    provider.window.reset();
    AsPlot();
    const auto y = curveY(drawn(Kind::Line), green, x);
    ASSERT_TRUE(y.has_value());
    state.point.respNum = 3;
    provider.window.reset();
    DrawPointerContorol();
    const double curveValue = (330.0 - *y) * state.scales.ASScale / 18.666667;
    EXPECT_NEAR(shownValue(readOut().at(0)), curveValue, 0.02 + 0.002 * curveValue);  // the curve is steep here
}

// Distance from (x, y) to the nearest drawn segment.
double distanceToCurve(const std::vector<RecordedElement>& lines, double x, double y) {
    double best = 1e9;
    for (const auto& l : lines) {
        const double dx = l.x1 - l.x0, dy = l.y1 - l.y0, len = dx * dx + dy * dy;
        const double t = len > 0 ? std::clamp(((x - l.x0) * dx + (y - l.y0) * dy) / len, 0.0, 1.0) : 0.0;
        best = std::min(best, std::hypot(l.x0 + t * dx - x, l.y0 + t * dy - y));
    }
    return best;
}

TEST_F(ReadOut, NyquistDotLiesOnTheDrawnCurve) {
    for (const System s : {System{1, 3, "Vented Box"}, System{1, 5, "Serial Vented"}, System{2, 5, "Twin Vented"},
                           System{2, 7, "Delta Vented"}}) {
        useSystem(s);
        state.view.s_Resp = "nq";
        ReDispResposeWnd();
        for (int32_t position : {0, 60, 150, 230, 300, 390, 460}) {
            provider.window.reset();
            state.cursor.CursorPosi = position;
            NyquistSliderControl();
            const auto dots = drawn(Kind::Arc);
            ASSERT_EQ(dots.size(), 1u);
            std::vector<RecordedElement> curve;
            for (const auto& l : drawn(Kind::Line))
                if (sameColour(l.stroke.colour, {1.0, 0.5294, 0.0})) curve.push_back(l);
            EXPECT_LT(distanceToCurve(curve, dots[0].x0, dots[0].y0), 1.0) << s.name << " at " << position;
        }
    }
}

TEST_F(ReadOut, SliderArrowsFollowTheEndsOfTheRange) {
    useSystem({1, 2, "Closed Box"});
    state.view.s_Resp = "nq";
    ReDispResposeWnd();
    for (const auto& [position, up, down] : {std::tuple{460, false, true}, {0, true, false}, {230, true, true}}) {
        state.cursor.CursorPosi = position;
        NyquistSliderControl();
        EXPECT_EQ(layer.controls.at(407).enabled, up);
        EXPECT_EQ(layer.controls.at(408).enabled, down);
    }
    nyquistArrowClicked(408);
    EXPECT_EQ(state.cursor.CursorPosi, 229);
    EXPECT_EQ(layer.controls.at(406).value, 229);
    provider.window.reset();
    nyquistSliderMoved(0);
    EXPECT_EQ(textsAt(81.0).at(0).text, " 10.0Hz");
    EXPECT_NEAR(textsAt(81.0).at(0).x0, 442.4, 1e-4);
}

TEST_F(ReadOut, NumberTextsOfTheSmallValues) {
    EXPECT_EQ(nyquistMagnitudeText(0.0004), " 0.0004");
    EXPECT_EQ(nyquistMagnitudeText(0.00449), " 0.0045");
    EXPECT_EQ(nyquistMagnitudeText(0.5), " 0.5000");
    EXPECT_EQ(stepValueText(0.0042), " 0.004");
    EXPECT_EQ(stepValueText(-0.0042), "-0.004");
    EXPECT_EQ(stepValueText(0.0004), " 0.000");
    EXPECT_EQ(stepValueText(0.00996), " 0.010");  // rounds up into the next decimal
    EXPECT_EQ(stepValueText(-1.0), "-1.000");
}

// Offset 0 is time 0 (a high-pass system starts at the full step); the
// right edge is CursorScale ms; between, the value is the drawn curve's.
TEST_F(ReadOut, StepReadOutFollowsTheGraphsTimeAxis) {
    useSystem({1, 2, "Closed Box"});
    state.view.s_Resp = "st";
    ReDispResposeWnd();
    EXPECT_EQ(readOut(), (std::vector<std::string>{" 1.000", " 0.00ms"}));
    const auto curve = drawn(Kind::Line);
    for (int32_t offset : {23, 92, 230, 459}) {
        provider.window.reset();
        DrawStepRespnseValue(float(offset));
        const auto y = curveY(curve, {1.0, 0.531, 0.0}, 46.0 + offset);
        ASSERT_TRUE(y.has_value()) << offset;
        EXPECT_NEAR(shownValue(readOut().at(0)), (190.0 - *y) / 140.0, 0.006) << offset;
    }
    DrawStepRespnseValue(460.0f);
    EXPECT_EQ(shownValue(readOut().at(1)), state.scales.CursorScale);
}

}  // namespace
}  // namespace quendal::test

namespace quendal::test {
namespace {

// The phase and Nyquist read-outs resume their unwrapping from kept steps:
// in any order of pointer positions they show what a sweep from the top
// shows.
TEST_F(ResponsePageTest, ReadOutsFromKeptStepsEqualSweepsFromTheTop) {
    for (const char* page : {"ph", "nq", "gd"}) {
        useSystem({2, 8, "Triple Vented"});
        state.box.QL2 = state.box.QL1 + 3.0;
        state.view.s_Resp = page;
        ReDispResposeWnd();
        for (int32_t x : {47, 505, 130, 331, 46, 250, 249, 400, 45}) {
            auto show = [&] {
                provider.window.reset();
                state.cursor.CursorPosi = x - 45;
                state.cursor.logff = static_cast<float>(1.0 + 0.004347826087 * (x - 45.0));
                state.cursor.ffpn = static_cast<float>(std::pow(10.0, double(state.cursor.logff)));
                if (std::string(page) == "nq") NyquistSliderControl();
                else DrawPointerContorol();
                std::vector<std::string> texts;
                for (const auto& t : drawn(Kind::Text)) texts.push_back(t.text);
                return texts;
            };
            const auto resumed = show();
            ++state.cursor.pageDrawings;  // nothing kept: from the top
            EXPECT_EQ(resumed, show()) << page << " at x " << x;
            if (std::string(page) != "gd") continue;
            // The delay, a difference of neighbouring points, from its two
            // last points as from the whole sweep from 4.2 down.
            PlotPoint& p = state.point;
            p.ss = p.PP = p.QQ = 0.0;
            p.yy2 = p.yy0 = 0.0f;
            for (float k = 4.2f; state.cursor.logff <= k; k -= 0.01f) {
                p.ff = static_cast<float>(std::pow(10.0, double(k)));
                p.f = static_cast<float>(double(p.ff) / state.speaker.FS);
                TRIGDcal();
            }
            EXPECT_NEAR(shownValue(readOut().at(0)), std::rint(p.yy0 * 100.0 + 0.5) / 100.0, 1e-9) << x;
        }
    }
}

}  // namespace
}  // namespace quendal::test
