#include "FrameFixture.h"

#include <cmath>
#include <cstdlib>

#include "view/ResponseGraphs.h"

namespace quendal::test {
namespace {

class AmplitudeFrameTest : public FrameTest {
protected:
    // The level labels at the left of the plot, top to bottom, with their x.
    std::vector<RecordedElement> levelLabels() const {
        std::vector<RecordedElement> out;
        for (const auto& t : texts())
            if (t.x0 < 40 && t.y0 >= 55 && t.y0 <= 335) out.push_back(t);
        return out;
    }
    // Where the amplitude sweep draws a level yy dB below the reference SPL.
    double sweepY(double yy) const {
        const double spl = state.ref.SPL, sift = state.scales.sift;
        return state.view.Scale == 5 ? 8 * yy + 850 - 8 * spl + 8 * sift : 4 * yy + 490 - 4 * spl + 4 * sift;
    }
};

TEST_F(AmplitudeFrameTest, DrawsItsElementsInOrder) {
    state.view.Magni = 0;
    state.view.Scale = 5;
    ampGraph();
    EXPECT_EQ(horizontalRows(), (std::vector<double>{50.5, 90.5, 130.5, 170.5, 210.5, 250.5, 290.5, 330.5}));
    const std::vector<std::string> expected = {"Amplitude", "'Closed Box System'", "[ Hz ]", "10", "50", "100",
                                               "500", "1k", "dB", "+10", "+5", "0", "-5", "-10", "-15", "-20",
                                               "-25"};
    EXPECT_EQ(textStrings(), expected);
    EXPECT_EQ(textNamed("Amplitude").x0, 238.0);
    EXPECT_EQ(textNamed("Amplitude").y0, 20.0);
    // Grid first, then the vertical grid and border, then texts.
    const auto& all = screen().elements();
    ASSERT_EQ(all.front().kind, Kind::Line);
    std::size_t firstText = 0;
    while (all[firstText].kind != Kind::Text) ++firstText;
    EXPECT_EQ(all[firstText - 1].kind, Kind::Rect);  // the border closes the grid
    for (const auto& l : lines()) EXPECT_DOUBLE_EQ(l.stroke.colour.red, 0.534);
}

TEST_F(AmplitudeFrameTest, RelativeLabelsAtTenDbPerDivisionAndSiftUntouched) {
    state.view.Magni = 0;
    state.view.Scale = 10;
    state.scales.sift = 7.0;
    ampGraph();
    const auto labels = levelLabels();
    const std::vector<std::pair<std::string, double>> expected = {
        {"+20", 15}, {"+10", 15}, {"0", 32}, {"-10", 17}, {"-20", 17}, {"-30", 17}, {"-40", 17}, {"-50", 17}};
    ASSERT_EQ(labels.size(), expected.size());
    for (std::size_t k = 0; k < labels.size(); ++k) {
        EXPECT_EQ(labels[k].text, expected[k].first);
        EXPECT_EQ(labels[k].x0, expected[k].second);
        EXPECT_EQ(labels[k].y0, 55.0 + 40.0 * k);
    }
    EXPECT_EQ(textNamed("dB").x0, 26.0);
    EXPECT_EQ(state.scales.sift, 7.0);
}

TEST_F(AmplitudeFrameTest, AbsoluteScaleChoiceAtItsThresholds) {
    state.view.Magni = 1;
    struct Case { int scale; double v; double sift; const char* top; } cases[] = {
        {5, 79.99, -15, "+85"},  {5, 80, -10, "+90"},  {5, 84.99, -10, "+90"}, {5, 85, -5, "+95"},
        {5, 90, 0, "+100"},      {5, 95, 5, "+105"},   {5, 100, 10, "+110"},   {5, 105, 15, "+115"},
        {5, 109.99, 15, "+115"}, {5, 110, 20, "+120"}, {5, 150, 20, "+120"},   {5, 20, -15, "+85"},
        {10, 79.99, -10, "+100"}, {10, 80, 0, "+110"}, {10, 89.99, 0, "+110"}, {10, 90, 10, "+120"},
        {10, 100, 20, "+130"},   {10, 140, 20, "+130"},
    };
    for (const auto& c : cases) {
        screen().reset();
        state.view.Scale = c.scale;
        state.ref.SPL = c.v;
        state.scales.sift = 99;
        ampGraph();
        EXPECT_EQ(state.scales.sift, c.sift) << c.scale << " " << c.v;
        const auto labels = levelLabels();
        ASSERT_EQ(labels.size(), 8u);
        EXPECT_EQ(labels[0].text, c.top) << c.scale << " " << c.v;
        EXPECT_EQ(textNamed("dBSPL1W1m").x0, 7.0);
    }
}

TEST_F(AmplitudeFrameTest, AbsoluteLabelsFollowTheSweepMapping) {
    // For every reference level the labels name the levels the sweep puts
    // on their grid lines, and the reference level lies inside the plot.
    state.view.Magni = 1;
    for (int scale : {5, 10}) {
        for (double spl = 75.0; spl <= 112.0; spl += 0.25) {
            screen().reset();
            state.view.Scale = scale;
            state.ref.SPL = spl;
            ampGraph();
            const auto labels = levelLabels();
            ASSERT_EQ(labels.size(), 8u);
            for (const auto& label : labels) {
                const double level = std::atof(label.text.c_str() + 1);
                ASSERT_EQ(label.text[0], '+');
                EXPECT_NEAR(sweepY(spl - level), label.y0 - 5.0, 1e-9) << spl;
                EXPECT_EQ(label.x0, level >= 100 ? 7.0 : 15.0);
            }
            const double reference = sweepY(0.0);
            EXPECT_GE(reference, 50.0) << scale << " " << spl;
            EXPECT_LE(reference, 330.0) << scale << " " << spl;
        }
    }
}

TEST_F(AmplitudeFrameTest, BandPassSystemsShiftTheChoice) {
    state.view.Magni = 1;
    struct Case { int button; double splLessShift; int scale; double sift; } cases[] = {
        {1, 77, 5, -10}, {1, 77, 10, 0},    // Raveza Box: v = 82
        {8, 82, 5, -10}, {8, 82, 10, -10},  // Triple Vented: v = 82, then 77
        {4, 82, 5, -10}, {7, 79, 5, -15},   // Serial Raveza Type2, Delta Vented: no shift
        {6, 84, 10, 0},  {6, 85, 10, 10},   // Twin Serial: +5
    };
    for (const auto& c : cases) {
        state.selection.SysSelTabNum = 2;
        state.selection.SysSelBtnNum = c.button;
        state.view.Scale = c.scale;
        state.coef.siftUpDwn = 12.5;
        state.ref.SPL = c.splLessShift + 12.5;
        ampGraph();
        EXPECT_EQ(state.scales.sift, c.sift) << c.button << " " << c.scale;
    }
}

TEST_F(AmplitudeFrameTest, UnknownScaleOrModeDrawsNoLevelLabels) {
    for (auto [scale, magni] : {std::pair{7, 1}, {5, 2}, {0, 0}}) {
        screen().reset();
        state.view.Scale = scale;
        state.view.Magni = magni;
        state.scales.sift = 3;
        ampGraph();
        EXPECT_TRUE(levelLabels().empty());
        EXPECT_FALSE(hasText("dB") || hasText("dBSPL1W1m"));
        EXPECT_EQ(state.scales.sift, 3);
        EXPECT_EQ(horizontalRows().size(), 8u);
    }
}

TEST_F(AmplitudeFrameTest, DipReadOutOnlyForSerialVentedAndTwinSerial) {
    state.box.DIP = 45.27;
    state.view.Disp = 2;
    state.view.s_Resp = "amp";
    struct Case { int tab, button; bool boxed, oneLine; } cases[] = {
        {1, 5, true, false}, {2, 6, false, true}, {1, 6, false, false}, {2, 5, false, false}, {1, 2, false, false}};
    for (const auto& c : cases) {
        screen().reset();
        state.selection.SysSelTabNum = c.tab;
        state.selection.SysSelBtnNum = c.button;
        ampGraph();
        EXPECT_EQ(hasText("DIP :"), c.boxed) << c.tab << c.button;
        EXPECT_EQ(hasText("DIP : 45.3Hz"), c.oneLine) << c.tab << c.button;
    }
}

TEST_F(AmplitudeFrameTest, PrintedPageUsesThePrintWidths) {
    state.draw.DoPrint = 1;
    ampGraph();
    EXPECT_TRUE(screen().elements().empty());
    const auto page = provider.page.ofKind(Kind::Line);
    ASSERT_EQ(page.size(), 8u + 20u);
    for (const auto& l : page) EXPECT_EQ(l.stroke.width, 0.5);
    ASSERT_EQ(provider.page.ofKind(Kind::Rect).size(), 1u);
    EXPECT_EQ(provider.page.ofKind(Kind::Rect)[0].stroke.width, 1.0);
}

class PowerFrameTest : public FrameTest {
protected:
    std::vector<std::string> powerLabels() const {
        std::vector<std::string> out;
        for (const auto& t : texts())
            if (t.x0 < 40 && t.y0 >= 55 && t.y0 <= 335) out.push_back(t.text);
        return out;
    }
};

TEST_F(PowerFrameTest, LogarithmicRowsOfThreeDecades) {
    state.speaker.PEMX = 100;
    pwGraph();
    const std::vector<double> expected = {330.5, 302.5, 286.5, 274.5, 265.5, 258.5, 252.5, 246.5, 241.5, 237.5,
                                          237.5, 209.5, 193.5, 181.5, 172.5, 165.5, 158.5, 153.5, 148.5, 144.5,
                                          144.5, 116.5, 99.5,  88.5,  79.5,  71.5,  65.5,  60.5,  55.5,  50.5};
    EXPECT_EQ(horizontalRows(), expected);
    EXPECT_EQ(textNamed("Power Rating").x0, 230.0);
    EXPECT_EQ(textNamed("Watts").x0, 13.0);
}

TEST_F(PowerFrameTest, DecadesFollowTheRatedPower) {
    using Labels = std::vector<std::string>;
    const Labels tenKilo = {"10 k", "5 k", "1 k", "500", "100", "50", "10"};
    const Labels kilo = {"1 k", "500", "100", "50", "10", "5", "1"};
    const Labels hundred = {"100", "50", "10", "5", "1", "0.5", "0.1"};
    const Labels ten = {"10", "5", "1", "0.5", "0.1", "0.05", "0.01"};
    struct Case { double pemx; const Labels* labels; double shift; } cases[] = {
        {1000.01, &tenKilo, 93}, {5000, &tenKilo, 93}, {1000, &kilo, 0}, {100.01, &kilo, 0},
        {100, &hundred, -93},    {10.01, &hundred, -93}, {10, &ten, -186}, {0.5, &ten, -186},
    };
    for (const auto& c : cases) {
        screen().reset();
        state.speaker.PEMX = c.pemx;
        pwGraph();
        ASSERT_EQ(powerLabels(), *c.labels) << c.pemx;
        // The sweep draws a power P at 330 - 93.33 log10 P shifted by the
        // same choice: each label's value lands on its line.
        const auto drawn = texts();
        for (const auto& t : drawn) {
            if (t.x0 >= 40 || t.y0 < 55 || t.y0 > 335) continue;
            double watts = std::atof(t.text.c_str());
            if (t.text.find(" k") != std::string::npos) watts *= 1000;
            const double y = 330.0 - 93.33333333333333 * std::log10(watts) + c.shift;
            EXPECT_GE(t.y0 - y, 2.0) << c.pemx << " " << t.text;  // baseline 2.5-4.5 px under its line
            EXPECT_LE(t.y0 - y, 5.5) << c.pemx << " " << t.text;  // the sweep shifts by 93, not 93.33
        }
    }
}

TEST_F(PowerFrameTest, NoRatedPowerLabelsTheDecadesTheSweepWillUse) {
    // The sweep takes a rated power of 0 or less for 999.9 W; the labels
    // must agree with the curve from the first drawing.
    for (double pemx : {0.0, -5.0}) {
        screen().reset();
        state.speaker.PEMX = pemx;
        pwGraph();
        EXPECT_EQ(powerLabels().front(), "1 k");
        EXPECT_EQ(powerLabels().back(), "1");
        EXPECT_EQ(state.speaker.PEMX, pemx);  // the frame itself changes nothing
    }
}

}  // namespace
}  // namespace quendal::test
