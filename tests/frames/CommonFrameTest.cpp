#include "FrameFixture.h"

#include <cmath>

#include "view/GraphFrame.h"

namespace quendal::test {
namespace {

class CommonFrameTest : public FrameTest {};

TEST_F(CommonFrameTest, FrequencyGridLinesLieAtTheirFrequencies) {
    state.draw.LineW = 0.0;
    freqDrawLine();
    const auto drawn = lines();
    // 10..100 and 100..1000: the line at 100 Hz belongs to both decades.
    ASSERT_EQ(drawn.size(), 20u);
    const double frequencies[] = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100,
                                  100, 200, 300, 400, 500, 600, 700, 800, 900, 1000};
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        const double exact = 45.0 + 230.0 * (std::log10(frequencies[i]) - 1.0);
        EXPECT_EQ(drawn[i].x0, drawn[i].x1);
        EXPECT_EQ(drawn[i].x0 - 0.5, std::floor(exact + 1e-9)) << frequencies[i];
        EXPECT_EQ(drawn[i].y0, 50.0);
        EXPECT_EQ(drawn[i].y1, 330.0);
        EXPECT_EQ(drawn[i].stroke.width, 1.0);  // one pixel on screen
    }
    EXPECT_EQ(drawn[1].x0, 114.5);
    EXPECT_EQ(drawn[11].x0, 344.5);
    EXPECT_EQ(drawn.back().x0, 505.5);
    const auto border = rects();
    ASSERT_EQ(border.size(), 1u);
    EXPECT_EQ(border[0].x0, 45.5);
    EXPECT_EQ(border[0].y0, 50.5);
    EXPECT_EQ(border[0].x1, 460.0);
    EXPECT_EQ(border[0].y1, 280.0);
    EXPECT_FALSE(border[0].fill);
    EXPECT_DOUBLE_EQ(border[0].stroke.colour.red, 0.229);
    EXPECT_DOUBLE_EQ(state.draw.RedCol, 0.229);
}

TEST_F(CommonFrameTest, PrintedGridIsHalfAPixelAndTheBorderOne) {
    state.draw.DoPrint = 1;
    state.draw.LineW = 0.5;
    freqDrawLine();
    EXPECT_TRUE(lines().empty());
    const auto page = provider.page.ofKind(Kind::Line);
    ASSERT_FALSE(page.empty());
    for (const auto& l : page) EXPECT_EQ(l.stroke.width, 0.5);
    const auto border = provider.page.ofKind(Kind::Rect);
    ASSERT_EQ(border.size(), 1u);
    EXPECT_EQ(border[0].stroke.width, 1.0);
}

TEST_F(CommonFrameTest, FrequencyLabelsUnderThePlot) {
    freqScale();
    const std::vector<std::pair<std::string, double>> expected = {
        {"[ Hz ]", 340}, {"10", 37}, {"50", 198}, {"100", 263}, {"500", 423}, {"1k", 498}};
    const auto drawn = texts();
    ASSERT_EQ(drawn.size(), expected.size());
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        EXPECT_EQ(drawn[i].text, expected[i].first);
        EXPECT_EQ(drawn[i].x0, expected[i].second);
        EXPECT_EQ(drawn[i].y0, 347.0);
        EXPECT_EQ(drawn[i].size, 13.0);
        EXPECT_EQ(drawn[i].fontRow, 1);
    }
}

TEST_F(CommonFrameTest, DipReadOutRoundsAndRightAligns) {
    struct Case { double dip; const char* text; double x; } cases[] = {
        {45.27, " 45.3", 425}, {50.0, " 50", 433}, {123.6, " 124", 429},
        {99.96, " 100", 429},   // the one-decimal branch reaches 100
        {100.4, " 100", 429},   // the whole-hertz branch
        {100.5, " 100", 429},   // halves to even
        {45.25, " 45.2", 425},  // 452.5 rounds to even
        {8.0, " 8", 437},
    };
    for (const auto& c : cases) {
        screen().reset();
        state.box.DIP = c.dip;
        SerialVentedDrawDIPfreq();
        const auto value = textsAt(368.0);
        ASSERT_EQ(value.size(), 1u) << c.dip;
        EXPECT_EQ(value[0].text, c.text) << c.dip;
        EXPECT_EQ(value[0].x0, c.x) << c.dip;
        EXPECT_EQ(value[0].fontRow, 5);
        EXPECT_EQ(value[0].size, 12.0);
    }
    EXPECT_EQ(textNamed("DIP :").x0, 376.0);
    EXPECT_EQ(textNamed("Hz").x0, 485.0);
    const auto box = rects();
    ASSERT_EQ(box.size(), 1u);
    EXPECT_EQ(box[0].x0, 410.5);
    EXPECT_EQ(box[0].y0, 354.5);
    EXPECT_EQ(box[0].x1, 66.0);
    EXPECT_EQ(box[0].y1, 17.0);
    EXPECT_EQ(state.draw.QzFontNum, 1);
    EXPECT_EQ(state.draw.fontSize, 13.0);
}

TEST_F(CommonFrameTest, TwinSerialDipIsOneLineOnlyOnTheAmplitudeGraphWithAllCurves) {
    state.box.DIP = 45.27;
    struct Case { int disp; const char* kind; bool oneLine; } cases[] = {
        {2, "amp", true}, {2, "ph", false}, {2, "gd", false}, {1, "amp", false}, {3, "amp", false},
    };
    for (const auto& c : cases) {
        screen().reset();
        state.view.Disp = c.disp;
        state.view.s_Resp = c.kind;
        TwinSerialDrawDIPfreq();
        if (c.oneLine) {
            ASSERT_EQ(texts().size(), 1u);
            EXPECT_EQ(texts()[0].text, "DIP : 45.3Hz");
            EXPECT_EQ(texts()[0].x0, 447.0);
            EXPECT_EQ(texts()[0].y0, 368.0);
            EXPECT_TRUE(rects().empty());
        } else {
            EXPECT_TRUE(hasText("DIP :")) << c.disp << c.kind;
            EXPECT_EQ(rects().size(), 1u) << c.disp << c.kind;
        }
    }
}

TEST_F(CommonFrameTest, InputPowerIsShownUnrounded) {
    struct Case { double pin; const char* text; double x; } cases[] = {
        {12.5, " 12.5", 425}, {10.0, " 10", 433}, {2.5, " 2.5", 429}, {100.0 / 3.0, " 33.33333333", 397},
    };
    for (const auto& c : cases) {
        screen().reset();
        state.power.PIN = c.pin;
        dpPowerDisp();
        const auto value = textsAt(368.0);
        ASSERT_EQ(value.size(), 1u);
        EXPECT_EQ(value[0].text, c.text);
        EXPECT_EQ(value[0].x0, c.x);
        EXPECT_EQ(value[0].size, 12.0);
        EXPECT_EQ(value[0].fontRow, 1);
    }
    EXPECT_EQ(textNamed("Power :").x0, 359.0);
    EXPECT_EQ(textNamed("Watts").x0, 485.0);
    EXPECT_EQ(state.draw.fontSize, 12.0);  // the caller sets 13 again
}

TEST_F(CommonFrameTest, PrintedReadOutBoxIsHalfAPixel) {
    state.draw.DoPrint = 1;
    dpPowerDisp();
    SerialVentedDrawDIPfreq();
    const auto boxes = provider.page.ofKind(Kind::Rect);
    ASSERT_EQ(boxes.size(), 2u);
    for (const auto& b : boxes) EXPECT_EQ(b.stroke.width, 0.5);
}

}  // namespace
}  // namespace quendal::test
