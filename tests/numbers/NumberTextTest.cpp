#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "model/NumberText.h"
#include "model/Rounding.h"

namespace quendal {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(Rint, HalvesGoToTheEvenNeighbour) {
    struct Case { double x, expected; } cases[] = {
        {0.5, 0.0}, {1.5, 2.0}, {2.5, 2.0}, {3.5, 4.0}, {-0.5, -0.0}, {-1.5, -2.0}, {-2.5, -2.0},
        {2.4999999999999996, 2.0}, {2.5000000000000004, 3.0}, {-7.2, -7.0}, {1000.5, 1000.0},
        {4503599627370497.0, 4503599627370497.0},  // beyond 2^52 every double is whole
    };
    for (const auto& c : cases) EXPECT_EQ(rint(c.x), c.expected) << c.x;
    EXPECT_TRUE(std::signbit(rint(-0.4)));
    EXPECT_TRUE(std::isnan(rint(kNaN)));
    EXPECT_EQ(rint(-kInf), -kInf);
}

TEST(Rint, IsTheRoundingOfTheReadOuts) {
    // rint(x * 100 + 0.5) / 100: the 0.5 is added before rounding.
    EXPECT_DOUBLE_EQ(rint(12.345 * 100 + 0.5) / 100, 12.35);
    // The dip read-out: 99.96 at one decimal rounds to 100.
    EXPECT_DOUBLE_EQ(rint(10 * 99.96) / 10, 100.0);
}

TEST(NumberText, FixedPointWithTenSignificantDigits) {
    struct Case { double value; const char* text; } cases[] = {
        {45.3, " 45.3"},
        {50.0, " 50"},
        {-0.25, "-0.25"},
        {0.0, " 0"},
        {-0.0, " 0"},
        {124.0, " 124"},
        {2.5, " 2.5"},
        {100.0, " 100"},
        {2.0 / 3.0, " 0.6666666667"},
        {-2.0 / 3.0, "-0.6666666667"},
        {123456.789012345, " 123456.789"},
        {9999999999.5, " 10000000000"},      // the tenth digit rounds up into an eleventh place
        {1234567890123.0, " 1234567890000"},  // no more than ten significant digits
        {0.1 + 0.2, " 0.3"},                  // 0.30000000000000004 rounds away
        {0.000125, " 0.000125"},
        {1e-10, " 0.0000000001"},
        {-45.27, "-45.27"},
        {12.5, " 12.5"},
        {99.99999999999, " 100"},
    };
    for (const auto& c : cases) EXPECT_EQ(numberText(c.value).str(), c.text) << c.value;
}

TEST(NumberText, ExtremeMagnitudesSwitchToExponentForm) {
    EXPECT_EQ(numberText(1.5e20).str(), " 1.5e20");
    EXPECT_EQ(numberText(-2e-11).str(), "-2e-11");
    EXPECT_EQ(numberText(1e300).str(), " 1e300");
    EXPECT_EQ(numberText(5e-324).str(), " 4.940656458e-324");
    EXPECT_EQ(numberText(9.99999999999e19).str(), " 1e20");
    EXPECT_EQ(numberText(1.23e19).str(), " 12300000000000000000");
    EXPECT_LE(numberText(-1.7976931348623157e308).size(), 20u);
    // Ten digits of the largest double rounded would be 1.797693135e308,
    // past it: they are cut, and the text reads back as a number.
    EXPECT_EQ(numberText(1.7976931348623157e308).str(), " 1.797693134e308");
    EXPECT_EQ(numberText(-1.7976931348623157e308).str(), "-1.797693134e308");
    EXPECT_EQ(exponentText(1.7976931348623157e308, 2), "1.7e308");
    EXPECT_EQ(exponentText(1.7976931348623157e308, 17), "1.7976931348623157e308");
    EXPECT_EQ(exponentText(-2.5e-7, 6), "-2.5e-7");
    // The largest subnormal value rounds as every other value does.
    EXPECT_EQ(numberText(2.2250738585072009e-308).str(), " 2.225073859e-308");
}

TEST(NumberText, NonFiniteValuesAreNamed) {
    EXPECT_EQ(numberText(kNaN).str(), " nan");
    EXPECT_EQ(numberText(kInf).str(), " inf");
    EXPECT_EQ(numberText(-kInf).str(), "-inf");
}

TEST(NumberText, IgnoresTheLocale) {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    const bool comma = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr || std::setlocale(LC_ALL, "fr_FR.UTF-8") != nullptr;
    EXPECT_EQ(numberText(45.3).str(), " 45.3");
    EXPECT_EQ(maskedNumber(45.3, "####.### Hz").str(), "  45.300 Hz");
    std::setlocale(LC_ALL, before.c_str());
    if (!comma) GTEST_SKIP() << "no locale with a decimal comma installed";
}

TEST(PictureMask, LaysNumbersIntoTheField) {
    struct Case { double value; const char* mask; const char* text; } cases[] = {
        {45.3, "####.### Hz", "  45.300 Hz"},
        {1000.0, "####.### Hz", "1000.000 Hz"},
        {0.5, "####.### Hz", "   0.500 Hz"},
        {-12.25, "####.### Liter", " -12.250 Liter"},
        {8.0, "  ##.### Ohm", "   8.000 Ohm"},
        {12.3456, "  ##.### Ohm", "  12.346 Ohm"},
        {123.4, "  ##.### Ohm", " 123.400 Ohm"},      // takes a blank in front of the field
        {1234.5, "  ##.### Ohm", "1234.500 Ohm"},     // takes both
        {123456.0, "  ##.### Ohm", "123456.000 Ohm"}, // then widens: no digit lost
        {99999.9996, "####.### Hz", "100000.000 Hz"},
        {0.0125, "#.## s", "0.01 s"},                  // an exact half would go to even; 0.0125 lies just above
        {0.125, "#.## s", "0.12 s"},                   // 0.125 is exact: its half goes to even
        {0.375, "#.## s", "0.38 s"},
        {-0.0004, "##.### mm", " 0.000 mm"},           // rounded to zero: no sign
        {7.6, "### W", "  8 W"},
        {2.5, "### W", "  2 W"},
        {-3.0, "#.# dB", "-3.0 dB"},
        {5.0, "Vb = ###.## l", "Vb =   5.00 l"},
    };
    for (const auto& c : cases) EXPECT_EQ(maskedNumber(c.value, c.mask).str(), c.text) << c.value << " " << c.mask;
}

TEST(PictureMask, OddMasksAndValues) {
    EXPECT_EQ(maskedNumber(5.0, "no field").str(), "no field");
    EXPECT_EQ(maskedNumber(5.0, "").str(), "");
    EXPECT_EQ(maskedNumber(5.0, "##. Hz").str(), " 5. Hz");  // a point without "#" after it is text
    EXPECT_EQ(maskedNumber(kNaN, "####.### Hz").str(), "     nan Hz");
    EXPECT_EQ(maskedNumber(-kInf, "  ##.### Ohm").str(), "    -inf Ohm");
    EXPECT_EQ(maskedNumber(1e300, "####.### Hz").str(), "   1e300 Hz");  // too long for a text: exponent form, no digit cut
}

}  // namespace
}  // namespace quendal
