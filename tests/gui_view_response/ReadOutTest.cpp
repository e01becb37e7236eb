// The read-outs: their texts and places at the examples of the layout, and
// that the value shown is where the drawn curve passes.
#include <optional>
#include <utility>

#include "ResponsePageFixture.h"
#include "enclosures/TRIcal.h"
#include "enclosures_multivent/MultiVentTestSupport.h"
#include "view/Explanation.h"
#include "view/NumberTextLayout.h"
#include "view/NyquistReadout.h"
#include "view/PointerReadout.h"
#include "view/ResponseRedraw.h"

namespace quendal::test {
namespace {

const Colour kOrange{1.0, 0.5294, 0.0}, kGreen{0.0, 0.7843, 0.0}, kBlue{0.0, 0.5112, 1.0};

bool sameColour(const Colour& a, const Colour& b) {
    return std::fabs(a.red - b.red) < 0.01 && std::fabs(a.green - b.green) < 0.01 && std::fabs(a.blue - b.blue) < 0.01;
}

// y of the drawn curve of that colour at x, between the ends of its segment.
std::optional<double> curveY(const std::vector<RecordedElement>& lines, const Colour& colour, double x) {
    for (const auto& l : lines) {
        if (!sameColour(l.stroke.colour, colour) || l.x0 == l.x1) continue;
        if (x >= std::min(l.x0, l.x1) && x <= std::max(l.x0, l.x1))
            return l.y0 + (l.y1 - l.y0) * (x - l.x0) / (l.x1 - l.x0);
    }
    return std::nullopt;
}

double shownValue(const std::string& text) { return std::stod(text); }  // the unit is left aside

class ReadOut : public ResponsePageTest {
protected:
    void pointerAt(int32_t x) {
        state.cursor.CursorPosi = x - 45;
        state.cursor.logff = static_cast<float>(1.0 + 0.004347826087 * (x - 45.0));
        state.cursor.ffpn = static_cast<float>(std::pow(10.0, double(state.cursor.logff)));
    }
    // Draws the page, then moves the pointer read-out to pointer x.
    void pageWithPointerAt(const char* page, int32_t x) {
        provider.window.reset();
        state.view.s_Resp = page;
        ReDispResposeWnd();
        pointerAt(x);
        DrawPointerContorol();
    }
    double snappedX() const { return 45.0 + 230.0 * (std::log10(double(state.point.ff)) - 1.0); }
};

// At a vast input power the displacement and the air speed lie beyond the
// single precision of the curves, far off the page: no value is shown.
TEST_F(ReadOut, AValueBeyondTheCurvesPrecisionIsNotShownAsNoNumber) {
    useSystem({1, 3, "Vented Box"});
    state.power.InputPowerCheck = 0, state.power.PinTemp = state.power.PIN = 1e308, state.view.Magni = 1;
    for (const char* page : {"dp", "as"}) {
        pageWithPointerAt(page, 200);
        for (const auto& t : textsAt(39.0)) EXPECT_EQ(t.text.find("inf"), std::string::npos) << page << t.text;
    }
}

TEST_F(ReadOut, FrequencyTextsAtTheEdgesAndAtOneHundredHertz) {
    useSystem({1, 2, "Closed Box"});
    struct Row { int32_t x; const char* text; double left; };
    for (const Row& r : {Row{45, " 10.0Hz", 385.8}, Row{505, " 1000Hz", 381.7}, Row{275, " 100Hz", 390.0}}) {
        pageWithPointerAt("amp", r.x);
        EXPECT_EQ(textsAt(39.0).back().text, r.text);
        EXPECT_NEAR(textsAt(39.0).back().x0, r.left, 1e-4);
    }
}

// The value shown is read off the drawn curve through the page's mapping:
// amplitude y = 130 + 8 dB-below, impedance y = 330 - 2.81 IMPscal Z, air
// speed y = 330 - 18.67 v / ASScale. A click on a legend picture shows the
// curve of that entry: the second entry of the symmetric Triple Vented
// air-speed legend is vent 3, the sweep's green curve 3.
TEST_F(ReadOut, ValueIsWhereTheDrawnCurvePasses) {
    struct Row { System system; const char* page; int32_t legendClick; Colour curve; };
    const Row rows[] = {{{1, 3, "Vented Box"}, "amp", 0, kOrange}, {{1, 8, "Complex Vented"}, "imp", 0, kOrange},
                        {{2, 5, "Twin Vented"}, "as", 0, kOrange},  {{2, 6, "Twin Serial"}, "amp", 0, kOrange},
                        {{2, 8, "Triple Vented"}, "as", 401, kGreen}};
    for (const Row& r : rows)
        for (int32_t x : {80, 180, 300, 450}) {
            SCOPED_TRACE(std::string(r.system.name) + " " + r.page + " x " + std::to_string(x));
            useSystem(r.system);
            pageWithPointerAt(r.page, x);
            const auto curve = drawn(Kind::Line);
            if (r.legendClick != 0) legendPictureClicked(r.legendClick);
            EXPECT_TRUE(sameColour(drawn(Kind::Rect).back().stroke.colour, r.curve));  // the boxes' colour
            const auto y = curveY(curve, r.curve, snappedX());
            ASSERT_TRUE(y.has_value());
            const std::string page = r.page;
            const double expected = page == "amp"   ? (130.0 - *y) / 8.0
                                    : page == "imp" ? (330.0 - *y) / (2.81 * state.scales.IMPscal)
                                                    : (330.0 - *y) * state.scales.ASScale / 18.666667;
            // Values are rounded with half a unit added first (up to one unit
            // above); steep curves bend between their drawn points.
            EXPECT_NEAR(shownValue(readOut().at(0)), expected, (page == "imp" ? 0.11 : 0.02) + 0.002 * std::fabs(expected));
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
    pageWithPointerAt("pw", 480);  // far above resonance the excursion limit is far away
    EXPECT_EQ(readOut().at(0), " 100.00W");
}

// Values of three and four integer digits stand inside the value box (with
// fewer decimals where needed), clear of the frequency box.
TEST_F(ReadOut, ValuesOfManyDigitsStayInsideTheValueBox) {
    const struct {
        const char* page;
        System system;
        void (*design)();
    } cases[] = {
        {"as", {1, 3, "Vented Box"}, [] { state.power.InputPowerCheck = 0, state.power.PinTemp = 5000.0; }},
        {"imp", {1, 2, "Closed Box"}, [] { state.speaker.RE = 400.0; }},
        {"dp", {1, 3, "Vented Box"}, [] {
             state.view.Magni = 1;
             state.power.InputPowerCheck = 0, state.power.PinTemp = 100000.0;
         }},
        {"pw", {1, 2, "Closed Box"}, [] { state.speaker.PEMX = 20000.0, state.speaker.XMAX = 1000.0; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.page);
        resetState();
        useEnteredDriver();
        state.cursor.detailTriBtn = 1;
        state.box.QA = state.box.QA1 = 10.0;
        state.box.QL = state.box.QL1 = 7.0;
        state.vents.SV11 = 0.005;  // m^2
        useSystem(c.system);
        c.design();
        int widest = 0;  // integer digits of the largest value seen
        for (int32_t x = 45; x <= 505; x += 20) {
            pageWithPointerAt(c.page, x);
            const auto texts = textsAt(39.0);
            ASSERT_GE(texts.size(), 2u);
            const RecordedElement& value = texts[texts.size() - 2];
            const RecordedElement& hz = texts.back();
            const double blank = value.text[0] == ' ' ? sansTextWidth(" ", 13.0) : 0.0;
            EXPECT_GE(value.x0 + blank, 439.99) << value.text;
            EXPECT_LE(value.x0 + sansTextWidth(value.text, 13.0), 503.01) << value.text;  // x is a float
            EXPECT_LT(hz.x0 + sansTextWidth(hz.text, 13.0), 438.0) << hz.text;
            const double shown = std::fabs(shownValue(value.text));
            widest = std::max(widest, shown >= 1000.0 ? 4 : shown >= 100.0 ? 3 : 0);
        }
        EXPECT_GE(widest, 3);
    }
}

TEST_F(ReadOut, BandPassPhaseIsTheCurvesPhaseLessAHalfTurn) {
    useSystem({2, 5, "Twin Vented"});
    for (int32_t x : {120, 260, 400}) {
        pageWithPointerAt("ph", x);
        // The phase page folds its curve into 0-360 degrees, y = 330 - 0.7778 deg.
        const auto y = curveY(drawn(Kind::Line), kOrange, 45.0 + 230.0 * (state.cursor.logff - 1.0));
        ASSERT_TRUE(y.has_value());
        const double turns = (shownValue(readOut().at(0)) + 180.0 - (330.0 - *y) / 0.7777778) / 360.0;
        EXPECT_NEAR(turns, std::round(turns), 1.5 / 360.0) << "x " << x;
    }
}

TEST_F(ReadOut, BoxesTakeTheColourOfTheCurveAsThePageDrawsIt) {
    struct Row { System system; const char* page; int32_t disp, respNum; Colour colour; };
    const Row rows[] = {{{1, 3, "Vented Box"}, "amp", 3, 2, {0.6196, 0.2863, 0.6314}},
                        {{1, 8, "Complex Vented"}, "imp", 3, 2, kGreen},  // no comparison curve here
                        {{2, 8, "Triple Vented"}, "as", 1, 3, kGreen},    // vent 3 of the alike halves
                        {{2, 8, "Triple Vented"}, "amp", 2, 3, kBlue},
                        {{2, 6, "Twin Serial"}, "as", 1, 3, kBlue}};
    for (const Row& r : rows) {
        useSystem(r.system);
        state.box.VB2 = state.box.VB1;  // alike chambers matter for the Triple Vented system only
        state.box.FB2 = state.box.FB1;
        state.box.QL2 = state.box.QL1;
        state.view.Disp = r.disp;
        state.view.s_Resp = r.page;
        Colour c;
        ASSERT_TRUE(readOutColour(r.respNum, c));
        EXPECT_TRUE(sameColour(c, r.colour)) << r.system.name << " " << r.page;
    }
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

TEST_F(ReadOut, NyquistDotLiesOnTheDrawnCurveAndArrowsFollowTheRange) {
    for (const System s : {System{1, 3, "Vented Box"}, System{1, 5, "Serial Vented"}, System{2, 5, "Twin Vented"},
                           System{2, 7, "Delta Vented"}}) {
        useSystem(s);
        state.view.s_Resp = "nq";
        ReDispResposeWnd();
        for (int32_t position : {0, 60, 150, 230, 300, 390, 460}) {
            provider.window.reset();
            nyquistSliderMoved(position);
            std::vector<RecordedElement> curve;
            for (const auto& l : drawn(Kind::Line))
                if (sameColour(l.stroke.colour, kOrange)) curve.push_back(l);
            const auto dot = drawn(Kind::Arc).at(0);
            EXPECT_LT(distanceToCurve(curve, dot.x0, dot.y0), 1.0) << s.name << " at " << position;
            EXPECT_EQ(platform::isControlEnabled(kResponseWindow, 407), position < 460);
            EXPECT_EQ(platform::isControlEnabled(kResponseWindow, 408), position > 0);
        }
    }
    nyquistArrowClicked(408);
    EXPECT_EQ(platform::controlValue(kResponseWindow, 406), 459);
    nyquistSliderMoved(0);
    EXPECT_EQ(textsAt(81.0).back().text, " 10.0Hz");
    EXPECT_NEAR(textsAt(81.0).back().x0, 442.4, 1e-4);
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
        DrawStepRespnseValue(float(offset));
        const auto y = curveY(curve, {1.0, 0.531, 0.0}, 46.0 + offset);
        ASSERT_TRUE(y.has_value()) << offset;
        EXPECT_NEAR(shownValue(readOut().at(0)), (190.0 - *y) / 140.0, 0.006) << offset;
    }
    DrawStepRespnseValue(460.0f);
    EXPECT_EQ(shownValue(readOut().at(1)), state.scales.CursorScale);
}

// The read-out of an unlike Triple Vented pair's impedance, near the drivers'
// and the shared chamber's resonances: the network's value at the pointer,
// to the tenth of an ohm it is rounded up to.
TEST_F(ReadOut, TripleVentedPairImpedanceIsTheNetworksAtThePointer) {
    for (int32_t alin : {3, 4})
        for (const char* wiring : {"Seri", "Para"}) {
            useSystem({2, 8, "Triple Vented"});
            state.selection.Alin = alin;
            state.view.s_Imp = wiring;
            state.view.s_Resp = "imp";
            state.view.ReDispWnd = 2;  // a new alignment is computed before it is drawn
            ReDispResposeWnd();
            oracle::LumpedCircuit model = testing::tripleVentedCircuit();
            model.setCoilInductance(state.speaker.LE / 1000.0);
            model.setSeriesConnection(std::string(wiring) == "Seri");
            for (int32_t x : {120, 150, 178, 206, 250, 330}) {
                provider.window.reset();
                pointerAt(x);
                state.point.respNum = 1;  // the pair's curve
                DrawPointerContorol();
                const double z = std::abs(model.inputImpedance(testing::evaluatedHz()));
                EXPECT_NEAR(shownValue(readOut().at(0)), z + 0.05, 0.05 + 1e-4 * z) << alin << wiring << " x " << x;
            }
        }
}

// The phase and Nyquist read-outs resume their unwrapping from kept steps,
// the Triple Vented delay takes only the last two steps of its sweep: in
// any order of positions they show what a whole sweep from the top shows.
TEST_F(ReadOut, ShortCutReadOutsEqualWholeSweeps) {
    for (const char* page : {"ph", "nq", "gd"}) {
        useSystem({2, 8, "Triple Vented"});
        state.box.QL2 = state.box.QL1 + 3.0;
        state.view.s_Resp = page;
        ReDispResposeWnd();
        for (int32_t x : {47, 505, 130, 331, 46, 250, 249, 400, 45}) {
            auto show = [&] {
                provider.window.reset();
                pointerAt(x);
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

// The first read-out after a drawing goes on from the page's own sweep
// (the Nyquist page's from 10 kHz for most systems): for every system it
// shows what a whole sweep from the top shows.
TEST_F(ReadOut, FirstReadOutsAfterADrawingEqualWholeSweeps) {
    for (int32_t system = 0; system < 16; ++system)
        for (const char* page : {"ph", "nq"}) {
            useSystem({system / 8 + 1, system % 8 + 1, ""});
            state.view.s_Resp = page;
            ReDispResposeWnd();
            for (int32_t x : {45, 46, 130, 331, 504}) {
                auto show = [&] {
                    provider.window.reset();
                    state.cursor.resweep.count = 0;  // no steps of an earlier read-out
                    pointerAt(x);
                    if (std::string(page) == "nq") DrawNyquistValue();
                    else DrawPointerContorol();
                    std::vector<std::string> texts;
                    for (const auto& t : drawn(Kind::Text)) texts.push_back(t.text);
                    return texts;
                };
                ASSERT_EQ(state.cursor.pageBranches.drawing, state.cursor.pageDrawings);
                const auto fromPage = show();
                const int32_t kind = std::exchange(state.cursor.pageBranches.kind, 0);  // from the top
                EXPECT_EQ(fromPage, show()) << page << " of system " << system + 1 << " at x " << x;
                state.cursor.pageBranches.kind = kind;
            }
        }
}

}  // namespace
}  // namespace quendal::test
