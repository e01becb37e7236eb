// What the System Info palette writes and where it opens, without widgets.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "dialogs/ScreenFit.h"
#include "selection/SystemInfoPalette.h"

namespace quendal::test {
namespace {

TEST(PaletteValueText, DropsOnlyALeadingBlankAndCutsWhatDoesNotFitInSixCharacters) {
    struct Case { double value; int32_t decimals; const char* text; };
    const Case cases[] = {
        {150.25, 2, "150.25"}, {88.26, 1, "88.3"}, {60.0, 2, "60"}, {-3.2, 1, "-3.2"}, {-12.375, 2, "-12.38"},
        // Too long for six characters: cut after the sixth, not rounded, and
        // a cut that would end in a point drops it.
        {1234.56, 2, "1234.5"}, {1999.99, 2, "1999.9"}, {12345.67, 2, "12345"}, {-1234.5, 1, "-1234"},
        {999999.4, 2, "999999"}, {-123.456, 2, "-123.4"},
        // Digits before the point are never cut: the exponent form that keeps
        // the most digits in six characters, never rounded past the largest value.
        {1e6, 2, "1e6"}, {1234567.0, 2, "1235e3"}, {-123456.7, 1, "-123e3"}, {1e308, 2, "1e308"},
        {1.45e100, 2, "145e98"}, {1.2345e45, 2, "123e43"}, {9.9999e99, 2, "1e100"}, {1.7976931348623157e308, 2, "17e307"},
    };
    for (const Case& c : cases) EXPECT_EQ(paletteValueText(c.value, c.decimals).str(), c.text) << c.value;
}

// Every input power from 1 kW up to where the exponent form begins: six
// characters at most, no point at the end, and never above the power at two decimals nor a unit
// of its last digit below it, as a cut figure is.
TEST(PaletteValueText, EveryPowerOfFourToSixDigitsIsCutNeverRaised) {
    for (int i = 0; i <= 200000; ++i) {
        const double watts = 1000.0 + (999999.5 - 1000.0) * i / 200000;
        const double hundredths = std::nearbyint(watts * 100.0) / 100.0;
        const std::string text = paletteValueText(watts, 2).str();
        const std::size_t point = text.find('.');
        const double unit = point == std::string::npos ? 1.0 : std::pow(10.0, -double(text.size() - point - 1));
        ASSERT_TRUE(text.size() <= 6 && text.back() != '.') << watts << " " << text;
        const double shown = std::strtod(text.c_str(), nullptr);
        ASSERT_LE(shown, hundredths * (1.0 + 1e-15)) << watts << " " << text;
        ASSERT_LT(hundredths - shown, unit * (1.0 - 1e-9)) << watts << " " << text;
    }
}

TEST(PaletteOnScreen, APlaceOffTheScreenIsMovedOntoItKeepingTheSize) {
    const Rect16 area{0, 0, 768, 1024};  // top, left, bottom, right
    struct Case { Rect16 wanted; Rect16 placed; };
    const Case cases[] = {
        {{100, 300, 450, 500}, {100, 300, 450, 500}},     // on the screen: stays
        {{100, -110, 450, 90}, {100, 0, 450, 200}},       // left of it
        {{-40, 2000, 495, 2200}, {24, 824, 559, 1024}},   // above and right: below the title bar's room
        {{700, 10, 1235, 210}, {233, 10, 768, 210}},      // below
    };
    for (const Case& c : cases) {
        const Rect16 r = fitOntoArea(c.wanted, area);
        EXPECT_EQ(r.top, c.placed.top);
        EXPECT_EQ(r.left, c.placed.left);
        EXPECT_EQ(r.bottom, c.placed.bottom);
        EXPECT_EQ(r.right, c.placed.right);
    }
}

}  // namespace
}  // namespace quendal::test
