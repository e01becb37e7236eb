#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/TextToNumber.h"

namespace quendal {
namespace {

TEST(TextToNumber, ReadsTheLongestDecimalBeginning) {
    struct Case { const char* text; double value; } cases[] = {
        {"12.5", 12.5}, {"  12.5 Hz", 12.5}, {"\t-3", -3.0}, {"+7", 7.0}, {".5", 0.5}, {"5.", 5.0},
        {"1e3", 1000.0}, {"1E-2", 0.01}, {"2.5e+1x", 25.0}, {"1e", 1.0}, {"1e+", 1.0}, {"3.2.1", 3.2},
        {"007", 7.0}, {"-0.25", -0.25}, {"1 000", 1.0},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(textToNumber(c.text), c.value) << c.text;
}

TEST(TextToNumber, NoNumberGivesZero) {
    // A decimal comma is no number rather than a value cut at the comma.
    for (const char* text : {"", "   ", "abc", ".", "-", "+", "-.", "e5", "Hz 12", "+-3", "\x80\xff", "12,5", "-0,25"})
        EXPECT_EQ(textToNumber(text), 0.0) << text;
}

TEST(TextToNumber, RefusesInfinitiesAndNotANumber) {
    for (const char* text : {"inf", "-inf", "INF", "infinity", "nan", "NaN", "-nan(0x1)", "1e999", "-1e400"}) {
        const double v = textToNumber(text);
        EXPECT_TRUE(std::isfinite(v)) << text;
        EXPECT_EQ(v, 0.0) << text;
    }
    EXPECT_EQ(textToNumber(std::string(400, '9')), 0.0);  // beyond a double
    EXPECT_EQ(textToNumber("&H" + std::string(300, 'F')), 0.0);
    EXPECT_EQ(textToNumber("1e-999"), 0.0);
}

TEST(TextToNumber, ReadsHexOctalAndBinaryIntegers) {
    struct Case { const char* text; double value; } cases[] = {
        {"&H1F", 31.0}, {"&h1f", 31.0}, {"&HFF Hz", 255.0}, {"&1F", 31.0}, {"&Z10", 16.0},
        {"0x1F", 31.0}, {"0X10", 16.0}, {"  0x20", 32.0}, {"0xG", 0.0}, {"0x", 0.0},
        {"&O17", 15.0}, {"&o8", 0.0}, {"&X101", 5.0}, {"&x102", 2.0}, {"&H", 0.0}, {"&", 0.0},
        {"&H.5", 0.0},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(textToNumber(c.text), c.value) << c.text;
}

// A typed number is the whole number typed: digits that its reading would
// drop, in any base, make it none, and so does a prefix without digits; a
// unit after it, digits in it or not, does not.
TEST(TextToNumber, ATypedNumberIsNeverCutShort) {
    for (const char* text : {"1 000", "1_000", "3.2.1", "&H1G5", "&O78", "&X102", "0x1G2", "0x1G", "12,5", "&", "&H",
                             "0x", "&HZZ", "&H.5"})
        EXPECT_EQ(readTypedNumber(text).kind, NumberTextKind::NotANumber) << text;
    EXPECT_EQ(readTypedNumber("&H" + std::string(300, 'F')).kind, NumberTextKind::TooLarge);
    EXPECT_EQ(readTypedNumber("&X" + std::string(1100, '1')).kind, NumberTextKind::TooLarge);
    struct Case { const char* text; double value; } taken[] = {{"&HFF Hz", 255.0}, {"0x1F", 31.0}, {"&O17", 15.0},
                                                              {"&X101 ", 5.0}, {"12.5 Hz", 12.5}, {"220 cm2", 220.0},
                                                              {"143cm3", 143.0}, {"5 kHz, 3 dB", 5.0}};
    for (const auto& c : taken) {
        EXPECT_TRUE(readTypedNumber(c.text).number()) << c.text;
        EXPECT_DOUBLE_EQ(readTypedNumber(c.text).value, c.value) << c.text;
    }
}

}  // namespace
}  // namespace quendal
