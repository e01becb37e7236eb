#include "FrameFixture.h"

#include <cmath>
#include <cstdlib>
#include <limits>

#include "view/ResponseGraphs.h"

namespace quendal::test {
namespace {

constexpr double kPi = 3.14159265358979323846;

class StepFrameTest : public FrameTest {
protected:
    std::vector<RecordedElement> timeLabels() const { return textsAt(347.0); }
};

TEST_F(StepFrameTest, GridRowsColumnsAndValueLabels) {
    state.speaker.FS = 50;
    state.speaker.QTS = 0.4;
    StepGraph();
    std::vector<double> dotted, solid, columns;
    for (const auto& l : lines()) {
        if (l.x0 == l.x1) columns.push_back(l.x0);
        else (l.stroke.dash == Dash::Dotted ? dotted : solid).push_back(l.y0);
    }
    ASSERT_EQ(dotted.size(), 19u);
    EXPECT_EQ(dotted.front(), 64.5);
    EXPECT_EQ(dotted.back(), 316.5);
    EXPECT_EQ(solid, (std::vector<double>{120.5, 190.5, 260.5}));
    ASSERT_EQ(columns.size(), 11u);
    for (std::size_t i = 0; i < columns.size(); ++i) EXPECT_EQ(columns[i], 45.5 + 46.0 * i);
    ASSERT_EQ(rects().size(), 1u);
    EXPECT_EQ(rects()[0].x0, 45.5);
    EXPECT_EQ(rects()[0].x1, 460.0);
    // One unit of the response per 140 px around the row at y 190, where the
    // step sweep draws the value v at 190 - 140 v.
    struct Label { const char* text; double x, y; } labels[] = {
        {"F(t)", 20, 35}, {"+1.0", 11, 55}, {"+0.5", 11, 125}, {"0", 33, 195}, {"-0.5", 13, 265}, {"-1.0", 13, 335}};
    for (const auto& l : labels) {
        const auto t = textNamed(l.text);
        EXPECT_EQ(t.x0, l.x);
        EXPECT_EQ(t.y0, l.y);
        EXPECT_EQ(t.size, 13.0);
        EXPECT_EQ(t.fontRow, 1);
        EXPECT_EQ(t.colour.red, 0.0);
        if (l.text[0] != 'F') { EXPECT_DOUBLE_EQ(190.0 - 140.0 * std::atof(l.text), l.y - 5.0); }
    }
    EXPECT_EQ(textNamed("Step Response").x0, 224.0);
    EXPECT_FALSE(hasText("[ Hz ]"));
}

TEST_F(StepFrameTest, TimeAxisAtTheThresholds) {
    struct Case { double fs, qts; double timeScale, cursorScale; const char* last; } cases[] = {
        {35, 0.4, 2, 50, "50"},           // s = 43.75
        {1750, 0.5, 100, 1, "1.0"},       // s exactly 1750
        {1749.99, 0.5, 40, 2.5, "2.5"},
        {700, 0.5, 40, 2.5, "2.5"},
        {350, 0.5, 20, 5, "5"},
        {175, 0.5, 10, 10, "10"},
        {50, 0.25, 4, 25, "25"},          // s = 100
        {70, 0.5, 4, 25, "25"},
        {17.5, 0.5, 1, 100, "100"},       // s exactly 17.5
        {17.49, 0.5, 0.5, 200, "200"},
        {20, 1.2, 0.5, 200, "200"},
        {70.0 - 2e-7, 1.0, 2, 50, "50"},  // 34.9999999 becomes 35 in single precision
        {30, 0.0, 100, 1, "1.0"},         // Q of zero: an infinitely fast decay
    };
    for (const auto& c : cases) {
        screen().reset();
        state.speaker.FS = c.fs;
        state.speaker.QTS = c.qts;
        StepGraph();
        EXPECT_EQ(state.scales.timeScale, c.timeScale) << c.fs << " " << c.qts;
        EXPECT_EQ(state.scales.CursorScale, c.cursorScale) << c.fs << " " << c.qts;
        EXPECT_EQ(state.scales.timeScale * state.scales.CursorScale, 100.0);
        const auto labels = timeLabels();
        ASSERT_EQ(labels.size(), 7u);
        EXPECT_EQ(labels[0].text, "[msec]");
        EXPECT_EQ(labels[0].x0, 437.0);
        EXPECT_EQ(labels[1].text, "0");
        EXPECT_EQ(labels[1].x0, 41.0);
        EXPECT_EQ(labels[6].text, c.last);
        // Each label marks a fifth of the time at the right edge, under
        // every second column (x 137, 229, ..., 505), centred near it.
        for (int k = 1; k <= 5; ++k) {
            const auto& label = labels[1 + k];
            EXPECT_DOUBLE_EQ(std::atof(label.text.c_str()), c.cursorScale * k / 5.0);
            const double column = 45.0 + 92.0 * k;
            EXPECT_NEAR(label.x0 + 4.0 * label.text.size() - 0.5, column, 4.0) << label.text;
        }
    }
}

TEST_F(StepFrameTest, TheTimeShownSpansTheDecayOfTheResonance) {
    // A resonance fs with total Q decays with the time constant
    // tau = 2 Q / (2 pi fs); the graph shows between 11 and 27.5 of them
    // whenever fs / Q / 2 is at least 17.5.
    for (double fs : {18.0, 25.0, 40.0, 65.0, 120.0, 300.0, 900.0}) {
        for (double q : {0.3, 0.5, 0.707, 1.0}) {
            if (fs / q / 2 < 17.5) continue;
            state.speaker.FS = fs;
            state.speaker.QTS = q;
            StepGraph();
            const double tauMs = 1000.0 * 2.0 * q / (2.0 * kPi * fs);
            const double spans = state.scales.CursorScale / tauMs;
            EXPECT_GE(spans, 10.99) << fs << " " << q;
            EXPECT_LE(spans, 27.5) << fs << " " << q;
        }
    }
}

TEST_F(StepFrameTest, NoResonanceAndNoQKeepTheLastScale) {
    state.speaker.FS = 0;
    state.speaker.QTS = 0;
    state.scales.timeScale = 4;
    state.scales.CursorScale = 25;
    StepGraph();
    EXPECT_EQ(state.scales.timeScale, 4);
    EXPECT_EQ(state.scales.CursorScale, 25);
    EXPECT_TRUE(timeLabels().empty());
    EXPECT_TRUE(hasText("+1.0"));
    EXPECT_EQ(rects().size(), 1u);
}

TEST_F(StepFrameTest, PrintedRowsAndFrameAreHalfAPixel) {
    state.draw.DoPrint = 1;
    state.speaker.FS = 50;
    state.speaker.QTS = 0.4;
    StepGraph();
    for (const auto& l : provider.page.ofKind(Kind::Line)) EXPECT_EQ(l.stroke.width, 0.5);
    EXPECT_EQ(provider.page.ofKind(Kind::Rect)[0].stroke.width, 0.5);
}

class AirSpeedFrameTest : public FrameTest {};

TEST_F(AirSpeedFrameTest, RowsAndScaleChoice) {
    struct Case { double peak; int scale; const char* top; double topX; } cases[] = {
        {0.0, 1, "15", 24}, {15.0, 1, "15", 24}, {15.01, 2, "30", 24}, {30.0, 2, "30", 24},
        {30.5, 4, "60", 24}, {60.0, 4, "60", 24}, {60.01, 8, "120", 17}, {500.0, 8, "120", 17},
    };
    for (const auto& c : cases) {
        screen().reset();
        state.scales.AS0 = c.peak;
        state.scales.ASScale = 99;
        asGraph();
        EXPECT_EQ(state.scales.ASScale, c.scale) << c.peak;
        std::vector<RecordedElement> labels;
        for (const auto& t : texts())
            if (t.x0 < 40 && t.y0 >= 55 && t.y0 <= 335) labels.push_back(t);
        ASSERT_EQ(labels.size(), 16u);
        EXPECT_EQ(labels[0].text, c.top);
        EXPECT_EQ(labels[0].x0, c.topX);
        EXPECT_EQ(labels[15].text, "0");
        EXPECT_EQ(labels[15].x0, 31.0);
        for (const auto& l : labels) {
            // The sweep draws v m/s at 330 - 18.667 v / ASScale.
            const double y = 330.0 - 18.666666666666668 * std::atof(l.text.c_str()) / c.scale;
            EXPECT_NEAR(l.y0 - 5.0, y, 1.01) << l.text;  // rows on rounded places
        }
        if (c.peak <= 120) { EXPECT_GE(330.0 - 18.666666666666668 * c.peak / c.scale, 50.0 - 1e-9); }
    }
    EXPECT_EQ(horizontalRows(), (std::vector<double>{50.5, 69.5, 88.5, 106.5, 125.5, 144.5, 162.5, 181.5, 200.5,
                                                     219.5, 237.5, 256.5, 275.5, 293.5, 312.5}));
    EXPECT_EQ(textNamed("m/sec").x0, 13.0);
    EXPECT_EQ(textNamed("Air Vibration in Vent").x0, 208.0);
    EXPECT_TRUE(hasText("Power :"));
    EXPECT_EQ(state.draw.fontSize, 13.0);
}

TEST_F(AirSpeedFrameTest, APeakThatIsNotANumberKeepsTheLastScale) {
    state.scales.AS0 = std::numeric_limits<double>::quiet_NaN();
    state.scales.ASScale = 2;
    asGraph();
    EXPECT_EQ(state.scales.ASScale, 2);
    EXPECT_FALSE(hasText("m/sec"));
    EXPECT_TRUE(hasText("Power :"));
    EXPECT_TRUE(hasText("1k"));
}

}  // namespace
}  // namespace quendal::test
