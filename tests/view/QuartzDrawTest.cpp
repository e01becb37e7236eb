// The five drawing primitives through the recording surface: what they take
// from the drawing state, what they hand to the surface, and what they reset.
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "model/State.h"
#include "view/QuartzDraw.h"
#include "view/RecordingSurface.h"

namespace quendal {
namespace {

using Kind = RecordedElement::Kind;

class PrimitivesTest : public testing::Test {
protected:
    void SetUp() override {
        resetState();
        setSurfaceProvider(&provider);
    }
    void TearDown() override { setSurfaceProvider(nullptr); }

    void setLine(float x0, float y0, float x1, float y1) {
        state.point.xx = x0;
        state.point.yy = y0;
        state.point.xx1 = x1;
        state.point.yy1 = y1;
    }
    std::vector<RecordedElement> drawn(Kind kind) const { return provider.window.ofKind(kind); }

    RecordingProvider provider;
};

TEST_F(PrimitivesTest, LineTakesColourCoordinatesAndClipsToTheGraphArea) {
    state.draw.RedCol = 1.0;
    state.draw.GrnCol = 0.25;
    state.draw.BleCol = 0.5;
    state.draw.LineW = 2.5;
    setLine(30, 100, 520, 100);
    EXPECT_EQ(QuartzDrawLine(7), 0);

    const auto lines = drawn(Kind::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_DOUBLE_EQ(lines[0].x0, 30);
    EXPECT_DOUBLE_EQ(lines[0].y0, 100);
    EXPECT_DOUBLE_EQ(lines[0].x1, 520);
    EXPECT_DOUBLE_EQ(lines[0].y1, 100);
    EXPECT_DOUBLE_EQ(lines[0].stroke.colour.red, 1.0);
    EXPECT_DOUBLE_EQ(lines[0].stroke.colour.green, 0.25);
    EXPECT_DOUBLE_EQ(lines[0].stroke.colour.blue, 0.5);
    EXPECT_DOUBLE_EQ(lines[0].stroke.width, 2.5);
    EXPECT_TRUE(lines[0].clipped);
    EXPECT_EQ(kGraphArea.left, 45.0);
    EXPECT_EQ(kGraphArea.right, 505.0);
    EXPECT_EQ(kGraphArea.top, 50.0);
    EXPECT_EQ(kGraphArea.bottom, 331.0);
}

TEST_F(PrimitivesTest, OnlyLinesWithClippingFlagZeroAreClipped) {
    for (uint8_t flag : {uint8_t(0), uint8_t(1), uint8_t(7)}) {
        provider.window.reset();
        state.draw.ClippingFlag = flag;
        setLine(30, 100, 520, 100);
        QuartzDrawLine(7);
        QuartzDrawRect(7);
        state.draw.radus = 10;
        state.draw.cirEnd = 3.0;
        QuartzDrawOval(7);
        state.draw.QuartzText = "Hz";
        QuartzDrawText(7);
        ASSERT_EQ(drawn(Kind::Line).size(), 1u);
        EXPECT_EQ(drawn(Kind::Line)[0].clipped, flag == 0) << "ClippingFlag " << int(flag);
        // Rectangles, circles and texts carry no clip at all.
        EXPECT_EQ(drawn(Kind::Rect).size(), 1u);
        EXPECT_EQ(drawn(Kind::Arc).size(), 1u);
        EXPECT_EQ(drawn(Kind::Text).size(), 1u);
    }
}

TEST_F(PrimitivesTest, DashLastsForOneLineOnly) {
    struct Case {
        int32_t type;
        Dash dash;
    };
    for (const Case c : {Case{1, Dash::Dotted}, Case{2, Dash::Dense}, Case{0, Dash::Solid}, Case{3, Dash::Solid},
                         Case{-1, Dash::Solid}}) {
        provider.window.reset();
        state.draw.DashLineType = c.type;
        setLine(50, 10, 60, 20);
        QuartzDrawLine(7);
        EXPECT_EQ(state.draw.DashLineType, 0) << "type " << c.type;
        QuartzDrawLine(7);  // the next line, DashLineType not set again
        const auto lines = drawn(Kind::Line);
        ASSERT_EQ(lines.size(), 2u);
        EXPECT_EQ(lines[0].stroke.dash, c.dash) << "type " << c.type;
        EXPECT_EQ(lines[1].stroke.dash, Dash::Solid) << "type " << c.type;
    }
}

TEST_F(PrimitivesTest, FrameOrFillLastsForOneRectangleOrCircle) {
    using Primitive = int32_t (*)(int32_t);
    for (Primitive draw : {Primitive(&QuartzDrawRect), Primitive(&QuartzDrawOval)}) {
        provider.window.reset();
        state.draw.radus = 20;
        state.draw.cirBgn = 0.0;
        state.draw.cirEnd = 6.283185307179586;
        setLine(100, 100, 200, 150);
        state.draw.s_FrameFill = "Fill";
        draw(7);
        EXPECT_EQ(state.draw.s_FrameFill, "Frame");
        draw(7);
        const auto shapes = draw == &QuartzDrawRect ? drawn(Kind::Rect) : drawn(Kind::Arc);
        ASSERT_EQ(shapes.size(), 2u);
        EXPECT_TRUE(shapes[0].fill);
        EXPECT_FALSE(shapes[1].fill);
    }
}

TEST_F(PrimitivesTest, AnyOtherFrameFillTextDrawsNothingButStillResets) {
    for (const char* text : {"fill", "Frame ", "", "Filled"}) {
        provider.window.reset();
        state.draw.radus = 5;
        state.draw.s_FrameFill = text;
        QuartzDrawRect(7);
        EXPECT_EQ(state.draw.s_FrameFill, "Frame") << '"' << text << '"';
        state.draw.s_FrameFill = text;
        QuartzDrawOval(7);
        EXPECT_EQ(state.draw.s_FrameFill, "Frame") << '"' << text << '"';
        EXPECT_TRUE(provider.window.elements().empty()) << '"' << text << '"';
    }
}

TEST_F(PrimitivesTest, WidthRules) {
    // A line and a framed rectangle never go below the default hairline of 1;
    // a circle takes the width as it is, zero included.
    struct Case {
        double lineW, line, rect, circle;
    };
    for (const Case c : {Case{0.0, 1.0, 1.0, 0.0}, Case{-2.0, 1.0, 1.0, -2.0}, Case{0.5, 0.5, 0.5, 0.5},
                         Case{3.0, 3.0, 3.0, 3.0}}) {
        provider.window.reset();
        state.draw.LineW = c.lineW;
        state.draw.radus = 10;
        setLine(60, 60, 80, 90);
        QuartzDrawLine(7);
        QuartzDrawRect(7);
        QuartzDrawOval(7);
        EXPECT_DOUBLE_EQ(drawn(Kind::Line).at(0).stroke.width, c.line) << "LineW " << c.lineW;
        EXPECT_DOUBLE_EQ(drawn(Kind::Rect).at(0).stroke.width, c.rect) << "LineW " << c.lineW;
        EXPECT_DOUBLE_EQ(drawn(Kind::Arc).at(0).stroke.width, c.circle) << "LineW " << c.lineW;
    }
}

TEST_F(PrimitivesTest, RectangleSizeIsTheCornerDifferenceSignsKept) {
    setLine(200, 150, 120, 190);
    QuartzDrawRect(7);
    const auto r = drawn(Kind::Rect).at(0);
    EXPECT_DOUBLE_EQ(r.x0, 200);
    EXPECT_DOUBLE_EQ(r.y0, 150);
    EXPECT_DOUBLE_EQ(r.x1, -80);
    EXPECT_DOUBLE_EQ(r.y1, 40);
}

TEST_F(PrimitivesTest, CircleTakesCentreRadiusAndAngles) {
    state.point.xx = 270;
    state.point.yy = 180;
    state.draw.radus = 33.5;
    state.draw.cirBgn = 0.5;
    state.draw.cirEnd = 2.0;
    QuartzDrawOval(7);
    const auto a = drawn(Kind::Arc).at(0);
    EXPECT_DOUBLE_EQ(a.x0, 270);
    EXPECT_DOUBLE_EQ(a.y0, 180);
    EXPECT_DOUBLE_EQ(a.x1, 33.5);
    EXPECT_DOUBLE_EQ(a.a0, 0.5);
    EXPECT_DOUBLE_EQ(a.a1, 2.0);
}

TEST_F(PrimitivesTest, TextTakesItsBytesFontRowSizeAndColourAndResetsNothing) {
    state.point.xx = 7;
    state.point.yy = 40;
    state.draw.QuartzText = "1.5 \xB5m";  // Mac Roman micro sign
    state.draw.QzFontNum = 8;
    state.draw.fontSize = 13.0;
    state.draw.GrnCol = 1.0;
    state.draw.DashLineType = 2;
    state.draw.s_FrameFill = "Fill";
    QuartzDrawText(7);
    const auto t = drawn(Kind::Text).at(0);
    EXPECT_EQ(t.text, "1.5 \xB5m");
    EXPECT_EQ(t.fontRow, 8);
    EXPECT_DOUBLE_EQ(t.size, 13.0);
    EXPECT_DOUBLE_EQ(t.x0, 7);
    EXPECT_DOUBLE_EQ(t.y0, 40);
    EXPECT_DOUBLE_EQ(t.colour.green, 1.0);
    EXPECT_EQ(state.draw.DashLineType, 2);
    EXPECT_EQ(state.draw.s_FrameFill, "Fill");
}

TEST_F(PrimitivesTest, PictureGetsItsRectangleAndNames) {
    EXPECT_EQ(DrawCGImageFromBandleResource(7, Rect16{10, 20, 40, 100}, "OrangeFatBtn.png", "Images"), 0);
    const auto p = drawn(Kind::Picture).at(0);
    EXPECT_DOUBLE_EQ(p.x0, 20);   // left
    EXPECT_DOUBLE_EQ(p.y0, 10);   // top
    EXPECT_DOUBLE_EQ(p.x1, 100);  // right
    EXPECT_DOUBLE_EQ(p.y1, 40);   // bottom
    EXPECT_EQ(p.text, "OrangeFatBtn.png");
    EXPECT_EQ(p.folder, "Images");
}

TEST_F(PrimitivesTest, NonFiniteCoordinatesDrawNothingAndStillReset) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    for (int field = 0; field < 4; ++field) {
        for (float bad : {nan, inf, -inf}) {
            provider.window.reset();
            setLine(50, 50, 60, 60);
            float* coordinates[4] = {&state.point.xx, &state.point.yy, &state.point.xx1, &state.point.yy1};
            *coordinates[field] = bad;
            state.draw.DashLineType = 1;
            state.draw.s_FrameFill = "Fill";
            QuartzDrawLine(7);
            QuartzDrawRect(7);
            EXPECT_EQ(state.draw.DashLineType, 0);
            EXPECT_EQ(state.draw.s_FrameFill, "Frame");
            EXPECT_TRUE(provider.window.elements().empty()) << "field " << field;
        }
    }
    // A circle or text with a non-finite centre, radius or angle.
    setLine(50, 50, 60, 60);
    for (double* value : {&state.draw.radus, &state.draw.cirBgn, &state.draw.cirEnd}) {
        provider.window.reset();
        const double kept = *value;
        *value = std::numeric_limits<double>::infinity();
        QuartzDrawOval(7);
        *value = kept;
        EXPECT_TRUE(provider.window.elements().empty());
    }
    state.point.yy = nan;
    state.draw.QuartzText = "x";
    QuartzDrawText(7);
    EXPECT_TRUE(provider.window.elements().empty());
}

TEST_F(PrimitivesTest, DoPrintSendsEveryElementToThePage) {
    state.draw.DoPrint = 1;
    setLine(10, 10, 20, 20);
    QuartzDrawLine(7);
    QuartzDrawRect(7);
    QuartzDrawOval(7);
    state.draw.QuartzText = "page";
    QuartzDrawText(7);
    DrawCGImageFromBandleResource(7, Rect16{0, 0, 10, 10}, "x.png", "Images");
    EXPECT_TRUE(provider.window.elements().empty());
    EXPECT_EQ(provider.page.elements().size(), 5u);

    state.draw.DoPrint = 0;
    QuartzDrawLine(7);
    EXPECT_EQ(provider.window.elements().size(), 1u);
    EXPECT_EQ(provider.page.elements().size(), 5u);
}

TEST_F(PrimitivesTest, WithoutASurfaceNothingIsDrawnAndResetsStillHappen) {
    setSurfaceProvider(nullptr);
    state.draw.DashLineType = 1;
    state.draw.s_FrameFill = "Fill";
    EXPECT_EQ(QuartzDrawLine(7), 0);
    EXPECT_EQ(QuartzDrawRect(7), 0);
    EXPECT_EQ(state.draw.DashLineType, 0);
    EXPECT_EQ(state.draw.s_FrameFill, "Frame");
    EXPECT_EQ(QuartzDrawText(7), 0);
    EXPECT_EQ(DrawCGImageFromBandleResource(7, Rect16{}, "a.png", "Images"), 0);
}

}  // namespace
}  // namespace quendal
