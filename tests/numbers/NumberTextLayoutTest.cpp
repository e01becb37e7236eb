#include <gtest/gtest.h>

#include <string>

#include "view/NumberTextLayout.h"

namespace quendal {
namespace {

TEST(NumberTextLayout, PositionsAndLength) {
    EXPECT_EQ(CommaCheck("-0.25"), 3);
    EXPECT_EQ(MinusCheck("-0.25"), 1);
    EXPECT_EQ(CharactCheck("-0.25"), 5);
    EXPECT_EQ(CommaCheck(" 100"), 0);
    EXPECT_EQ(MinusCheck(" 100"), 0);
    EXPECT_EQ(CharactCheck(""), 0);
    EXPECT_EQ(CommaCheck("1.2.3"), 2);
    // Only the first 63 characters count.
    const std::string longText = std::string(63, '1') + ".-";
    EXPECT_EQ(CharactCheck(longText), 63);
    EXPECT_EQ(CommaCheck(longText), 0);
    EXPECT_EQ(MinusCheck(longText), 0);
    EXPECT_EQ(CommaCheck(std::string(62, '1') + "."), 63);
}

TEST(NumberTextLayout, PlusCommaZeroPadsTheDecimals) {
    struct Case { const char* text; int16_t decimals; const char* expected; } cases[] = {
        {"12", 2, "12.00"}, {"12.5", 2, "12.50"}, {"12.345", 2, "12.345"},
        {"3.1", 4, "3.1000"}, {"7", 3, "7.000"}, {"-7", 3, "-7"}, {"-7", 4, "-7"}, {"-7", 1, "-7.0"},
        {"-7", 2, "-7.00"}, {"-7.5", 3, "-7.500"}, {" 45.3", 1, " 45.3"}, {" 45", 1, " 45.0"},
        {"12.", 1, "12."}, {"12.", 4, "12."}, {"12", 5, "12"}, {"12", 0, "12"}, {"12", -1, "12"},
        {"1.23", 3, "1.230"}, {"1.234", 4, "1.2340"}, {"1.2345", 4, "1.2345"}, {"1.23456", 2, "1.23456"},
        {" 0.00", 3, " 0.000"}, {"", 2, ".00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlusCommaZero(c.text, c.decimals).str(), c.expected) << c.text << " " << c.decimals;
}

TEST(NumberTextLayout, PlusCommaZeroKeepsLongTextsWithinTheLimit) {
    // A text filling all 63 places comes back as it is (nothing to append fits).
    const std::string full(63, '9');
    EXPECT_EQ(PlusCommaZero(full, 2).str(), full);
    const std::string almost = std::string(61, '9');
    EXPECT_EQ(PlusCommaZero(almost, 2).str(), almost + ".0");
    EXPECT_EQ(PlusCommaZero(std::string(100, '5'), 1).size(), 63u);
}

}  // namespace
}  // namespace quendal
