#include "FrameFixture.h"

#include <cstdlib>
#include <limits>

#include "view/ResponseGraphs.h"

namespace quendal::test {
namespace {

class PhaseFrameTest : public FrameTest {};

TEST_F(PhaseFrameTest, DottedRowsEveryThirtyDegreesAndSolidEveryNinety) {
    phGraph();
    std::vector<double> dotted, solid;
    for (const auto& l : lines()) {
        if (l.y0 != l.y1) continue;
        (l.stroke.dash == Dash::Dotted ? dotted : solid).push_back(l.y0);
    }
    EXPECT_EQ(dotted, (std::vector<double>{50.5, 74.5, 97.5, 120.5, 144.5, 167.5, 190.5, 214.5, 237.5, 260.5,
                                           284.5, 307.5}));
    EXPECT_EQ(solid, (std::vector<double>{120.5, 190.5, 260.5}));
    // The vertical grid is solid: the dash lasted one line each.
    for (const auto& l : lines())
        if (l.x0 == l.x1) { EXPECT_EQ(l.stroke.dash, Dash::Solid); }
    EXPECT_EQ(textNamed("Phase").x0, 251.0);
}

TEST_F(PhaseFrameTest, LabelsByKindOfSystem) {
    struct Label { const char* text; double x, y; };
    const std::vector<Label> highPass = {{"Degrees", 7, 35}, {"+360", 7, 55}, {"+270", 7, 125}, {"+180", 7, 195},
                                         {"+90", 15, 265},   {"0", 33, 335}};
    const std::vector<Label> bandPass = {{"Degrees", 7, 35}, {"+180", 7, 55}, {"+90", 15, 125}, {"0", 33, 195},
                                         {"-90", 18, 265},   {"-180", 10, 335}};
    for (int tab : {1, 2}) {
        screen().reset();
        state.selection.SysSelTabNum = tab;
        state.selection.SysSelBtnNum = 3;
        phGraph();
        for (const auto& l : tab == 1 ? highPass : bandPass) {
            bool found = false;
            for (const auto& t : texts())
                if (t.text == l.text && t.x0 == l.x && t.y0 == l.y) found = true;
            EXPECT_TRUE(found) << tab << " " << l.text;
        }
    }
    screen().reset();
    state.selection.SysSelTabNum = 3;
    phGraph();
    EXPECT_FALSE(hasText("Degrees"));
}

TEST_F(PhaseFrameTest, DipReadOutOnPhaseAndDelayOfSerialVentedAndTwinSerial) {
    state.box.DIP = 60;
    state.view.Disp = 2;
    for (const char* kind : {"ph", "gd"}) {
        state.view.s_Resp = kind;
        struct Case { int tab, button; bool shown; } cases[] = {{1, 5, true}, {2, 6, true}, {1, 6, false}, {2, 8, false}};
        for (const auto& c : cases) {
            screen().reset();
            state.selection.SysSelTabNum = c.tab;
            state.selection.SysSelBtnNum = c.button;
            state.scales.GDscl = 1.0;
            if (std::string(kind) == "ph") phGraph(); else gdGraph();
            EXPECT_EQ(hasText("DIP :"), c.shown) << kind << c.tab << c.button;  // boxed even with Disp 2
            EXPECT_EQ(rects().size(), c.shown ? 2u : 1u);
        }
    }
}

class GroupDelayFrameTest : public FrameTest {};

TEST_F(GroupDelayFrameTest, LabelsNameTheDelayTheSweepDrawsThere) {
    struct Case { double scale; const char* top; double topX; double unitX; } cases[] = {
        {0.5, "+5", 23, 18}, {1.0, "+10", 15, 13}, {2.5, "+25", 15, 13}, {5.0, "+50", 15, 13}, {10.0, "+100", 7, 8}};
    for (const auto& c : cases) {
        screen().reset();
        state.scales.GDscl = c.scale;
        gdGraph();
        std::vector<RecordedElement> labels;
        for (const auto& t : texts())
            if (t.x0 < 40 && t.y0 >= 55 && t.y0 <= 335) labels.push_back(t);
        ASSERT_EQ(labels.size(), 11u) << c.scale;
        EXPECT_EQ(labels[0].text, c.top);
        EXPECT_EQ(labels[0].x0, c.topX);
        EXPECT_EQ(labels[5].text, "0");
        EXPECT_EQ(labels[5].x0, 33.0);
        EXPECT_EQ(textNamed("msec").x0, c.unitX);
        for (std::size_t k = 0; k < labels.size(); ++k) {
            // The sweep draws d ms at 190 - 14 d / GDscl.
            const double ms = std::atof(labels[k].text.c_str());
            EXPECT_DOUBLE_EQ(190.0 - 14.0 * ms / c.scale, labels[k].y0 - 5.0);
            if (k > 5) {
                const std::size_t digits = labels[k].text.size() - 1;
                EXPECT_EQ(labels[k].x0, digits == 1 ? 26.0 : digits == 2 ? 18.0 : 10.0);
            }
        }
    }
    EXPECT_EQ(textNamed("-100").x0, 10.0);
    EXPECT_EQ(horizontalRows().size(), 11u);
}

TEST_F(GroupDelayFrameTest, AnUnknownScaleDrawsNoLabels) {
    for (double scale : {0.0, 2.0, 0.25, std::numeric_limits<double>::quiet_NaN()}) {
        screen().reset();
        state.scales.GDscl = scale;
        gdGraph();
        EXPECT_FALSE(hasText("msec"));
        EXPECT_FALSE(hasText("0"));
        EXPECT_TRUE(hasText("Group Delay"));
    }
}

class NyquistFrameTest : public FrameTest {};

TEST_F(NyquistFrameTest, SquareFrameWithDashedAxesAndUnitTicks) {
    nqGraph();
    const auto drawn = lines();
    ASSERT_EQ(drawn.size(), 6u);
    EXPECT_EQ(drawn[0].stroke.dash, Dash::Dense);
    EXPECT_EQ(drawn[0].y0, 190.5);
    EXPECT_EQ(drawn[1].stroke.dash, Dash::Dense);
    EXPECT_EQ(drawn[1].x0, 270.5);
    for (std::size_t i = 2; i < 6; ++i) {
        EXPECT_EQ(drawn[i].stroke.dash, Dash::Solid);
        EXPECT_EQ(drawn[i].stroke.width, 0.5);
    }
    // The sweep puts a + jb at (270 + 70a, 190 - 70b): ticks at +-1.
    EXPECT_EQ(drawn[2].y0, 190.0 + 70.0 + 0.5);
    EXPECT_EQ(drawn[3].y0, 190.0 - 70.0 + 0.5);
    EXPECT_EQ(drawn[4].x0, 270.0 - 70.0 + 0.5);
    EXPECT_EQ(drawn[5].x0, 270.0 + 70.0 + 0.5);
    const auto frame = rects();
    ASSERT_EQ(frame.size(), 1u);
    EXPECT_EQ(frame[0].x0, 130.5);
    EXPECT_EQ(frame[0].x1, 280.0);
    EXPECT_EQ(frame[0].y1, 280.0);
    EXPECT_EQ(frame[0].stroke.width, 1.0);
    EXPECT_EQ(textStrings(), (std::vector<std::string>{"Nyquist Diagram", "'Closed Box System'"}));
    EXPECT_EQ(textNamed("Nyquist Diagram").x0, 218.0);
}

TEST_F(NyquistFrameTest, PrintWidths) {
    state.draw.DoPrint = 1;
    state.selection.SysSelBtnNum = 5;  // no dip read-out here either
    state.box.DIP = 50;
    nqGraph();
    const auto page = provider.page.ofKind(Kind::Line);
    EXPECT_EQ(page[0].stroke.width, 0.5);
    EXPECT_EQ(page[2].stroke.width, 0.5);
    EXPECT_EQ(provider.page.ofKind(Kind::Rect)[0].stroke.width, 1.0);
    EXPECT_EQ(provider.page.ofKind(Kind::Text).size(), 2u);
}

}  // namespace
}  // namespace quendal::test
