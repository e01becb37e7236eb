#include "FrameFixture.h"

#include <cmath>
#include <cstdlib>
#include <limits>

#include "view/ResponseGraphs.h"

namespace quendal::test {
namespace {

// Scale labels left of the plot, top to bottom.
std::vector<RecordedElement> leftLabels(const std::vector<RecordedElement>& drawn) {
    std::vector<RecordedElement> out;
    for (const auto& t : drawn)
        if (t.x0 < 40 && t.y0 >= 55 && t.y0 <= 335) out.push_back(t);
    return out;
}

class ImpedanceFrameTest : public FrameTest {};

TEST_F(ImpedanceFrameTest, ScaleLabelsNameTheImpedanceTheSweepDrawsThere) {
    struct Case { double factor; const char* top; const char* second; double secondX; const char* unitless; } cases[] = {
        {10, "10", "9", 33, nullptr},       {4, "25.0", "22.5", 14, "7.5"}, {2, "50", "45", 25, nullptr},
        {1, "100", "90", 25, nullptr},      {0.666666, "150", "135", 17, nullptr},
        {0.5, "200", "180", 17, nullptr},   {0.333333, "300", "270", 17, nullptr},
        {0.2, "500", "450", 17, nullptr},   {0.1, "1000", "900", 17, nullptr},
    };
    for (const auto& c : cases) {
        screen().reset();
        state.scales.IMPscal = c.factor;
        impGraph();
        const auto labels = leftLabels(texts());
        ASSERT_EQ(labels.size(), 11u) << c.factor;
        EXPECT_EQ(labels[0].text, c.top);
        EXPECT_EQ(labels[1].text, c.second);
        EXPECT_EQ(labels[1].x0, c.secondX);
        EXPECT_EQ(labels[10].text, "0");
        EXPECT_EQ(labels[10].x0, 33.0);
        for (std::size_t k = 0; k < labels.size(); ++k) {
            EXPECT_EQ(labels[k].y0, 55.0 + 28.0 * k);
            // The sweep draws |Z| at 330 - 2.81 IMPscal |Z|.
            const double ohms = std::atof(labels[k].text.c_str());
            EXPECT_NEAR(330.0 - 2.81 * c.factor * ohms, labels[k].y0 - 5.0, 1.01) << c.factor << " " << labels[k].text;
        }
        EXPECT_EQ(textNamed("Ohms").x0, c.factor == 0.1 ? 10.0 : 13.0);
        if (c.unitless != nullptr) { EXPECT_EQ(textNamed(c.unitless).x0, 21.0); }
    }
    EXPECT_EQ(horizontalRows().size(), 11u);
    EXPECT_EQ(horizontalRows().front(), 50.5);
    EXPECT_EQ(horizontalRows().back(), 330.5);
}

TEST_F(ImpedanceFrameTest, AFactorOutsideTheNineLeavesTheScaleUnlabelled) {
    for (double factor : {2.0 / 3.0, 1.0 / 3.0, 3.0, 0.0, std::numeric_limits<double>::quiet_NaN()}) {
        screen().reset();
        state.scales.IMPscal = factor;
        impGraph();
        EXPECT_TRUE(leftLabels(texts()).empty());
        EXPECT_FALSE(hasText("Ohms"));
        EXPECT_TRUE(hasText("Impedance"));
        EXPECT_TRUE(hasText("1k"));
    }
}

TEST_F(ImpedanceFrameTest, ConnectionReadOutOnlyForTheTwoDriverSystems) {
    struct Case { int tab, button; const char* imp; const char* shown; } cases[] = {
        {1, 7, "Seri", "SP Connect : Serial"}, {1, 8, "Para", "SP Connect : Parallel"},
        {2, 8, "Seri", "SP Connect : Serial"}, {2, 6, "Seri", nullptr}, {1, 3, "Para", nullptr},
        {1, 7, "Other", nullptr},
    };
    for (const auto& c : cases) {
        screen().reset();
        state.selection.SysSelTabNum = c.tab;
        state.selection.SysSelBtnNum = c.button;
        state.view.s_Imp = c.imp;
        impGraph();
        int shown = 0;
        for (const auto& t : texts())
            if (t.text.rfind("SP Connect", 0) == 0) {
                ++shown;
                EXPECT_EQ(t.text, c.shown);
                EXPECT_EQ(t.x0, 379.0);
                EXPECT_EQ(t.y0, 367.5);
            }
        EXPECT_EQ(shown, c.shown ? 1 : 0) << c.tab << c.button << c.imp;
    }
}

class DisplacementFrameTest : public FrameTest {};

TEST_F(DisplacementFrameTest, MillimetreScaleFromThePeak) {
    state.view.Magni = 1;
    struct Case { double peak; int scale; const char* top; double topX; } cases[] = {
        {0.0, 1, "10", 24},  {3.2, 1, "10", 24},  {10.0, 1, "10", 24}, {10.001, 2, "20", 24},
        {40.0, 4, "40", 24}, {70.5, 8, "80", 24}, {80.0, 8, "80", 24}, {80.001, 10, "100", 16},
        {85.0, 10, "100", 16}, {250.0, 10, "100", 16},
    };
    for (const auto& c : cases) {
        screen().reset();
        state.scales.DP = c.peak;
        state.scales.DPScale = 77;
        dpGraph();
        EXPECT_EQ(state.scales.DPScale, c.scale) << c.peak;
        const auto labels = leftLabels(texts());
        ASSERT_EQ(labels.size(), 11u);
        EXPECT_EQ(labels[0].text, c.top);
        EXPECT_EQ(labels[0].x0, c.topX);
        EXPECT_EQ(labels[9].text, std::to_string(c.scale));
        EXPECT_EQ(labels[10].text, "0");
        EXPECT_EQ(labels[10].x0, 31.0);
        EXPECT_EQ(textNamed("mm").x0, c.scale == 10 ? 17.0 : 20.0);
        // The sweep draws x mm at 330 - 28 x / DPScale: the peak stays in the
        // plot up to 100 mm, and each label names its line.
        if (c.peak <= 100) { EXPECT_GE(330.0 - 28.0 * c.peak / c.scale, 50.0 - 1e-9); }
        for (std::size_t k = 0; k < labels.size(); ++k)
            EXPECT_DOUBLE_EQ(330.0 - 28.0 * std::atof(labels[k].text.c_str()) / c.scale, labels[k].y0 - 5.0);
    }
    EXPECT_EQ(horizontalRows().size(), 11u);
    for (const auto& l : lines())
        if (l.y0 == l.y1) { EXPECT_EQ(l.x1, 505.5); }
}

TEST_F(DisplacementFrameTest, RelativeModeUsesTheAmplitudeLabelsAndKeepsTheScale) {
    state.view.Magni = 0;
    state.view.Scale = 5;
    state.scales.DP = 55;
    state.scales.DPScale = 3;
    dpGraph();
    EXPECT_EQ(state.scales.DPScale, 3);
    const auto labels = leftLabels(texts());
    ASSERT_EQ(labels.size(), 8u);
    EXPECT_EQ(labels[0].text, "+10");
    EXPECT_EQ(labels[2].text, "0");
    EXPECT_EQ(labels[2].y0, 135.0);
    EXPECT_EQ(labels[7].text, "-25");
    EXPECT_EQ(horizontalRows().size(), 8u);
    EXPECT_EQ(textNamed("dB").x0, 26.0);
}

TEST_F(DisplacementFrameTest, APeakThatIsNotANumberKeepsTheLastScale) {
    state.view.Magni = 1;
    state.scales.DP = std::numeric_limits<double>::quiet_NaN();
    state.scales.DPScale = 4;
    dpGraph();
    EXPECT_EQ(state.scales.DPScale, 4);
    EXPECT_TRUE(leftLabels(texts()).empty());
    EXPECT_TRUE(hasText("Displacement"));
}

TEST_F(DisplacementFrameTest, ShowsTheInputPowerAndReturnsToThirteenPixels) {
    state.view.Magni = 1;
    state.power.PIN = 12.5;
    dpGraph();
    EXPECT_EQ(textNamed(" 12.5").size, 12.0);
    EXPECT_EQ(textNamed("10").size, 13.0);  // scale labels after the read-out
    EXPECT_EQ(state.draw.fontSize, 13.0);
    const std::vector<std::string> order = textStrings();
    EXPECT_EQ(order[0], "Displacement");
    EXPECT_EQ(order[1], "'Closed Box System'");
    EXPECT_EQ(textNamed("Displacement").x0, 227.0);
}

}  // namespace
}  // namespace quendal::test
