// The check of a driver before it is taken: every field's bad value is
// refused by name, nothing of a refused driver reaches the state.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <utility>

#include "model/DriverCheck.h"
#include "model/State.h"

namespace quendal {
namespace {

// The program's default driver as typed into the fifteen fields.
std::array<std::string, kDriverFieldCount> defaultTexts() {
    return {"Test20-04", "N/A", "20", "50", "100", "0.4", "0.435", "5", "2.501", "6", "100", "200", "5", "100", "1"};
}

// Sets one field's text (by moving a whole string in, which keeps GCC 12's
// overlap warning on literal assignment quiet).
void put(std::array<std::string, kDriverFieldCount>& texts, DriverField field, std::string text) {
    texts[std::size_t(field)] = std::move(text);
}

DriverCheckResult checkTexts(const std::array<std::string, kDriverFieldCount>& texts) {
    std::array<std::string_view, kDriverFieldCount> views;
    for (std::size_t i = 0; i < kDriverFieldCount; ++i) views[i] = texts[i];
    return checkDriver(driverFromTexts(views));
}

struct BadField {
    DriverField field;
    const char* text;
    DriverFault fault;
};

void PrintTo(const BadField& b, std::ostream* os) { *os << "field " << int(b.field) << " \"" << b.text << "\""; }

class DriverFieldRefused : public testing::TestWithParam<BadField> {};

TEST_P(DriverFieldRefused, ByNameAndKind) {
    auto texts = defaultTexts();
    put(texts, GetParam().field, GetParam().text);
    const DriverCheckResult result = checkTexts(texts);
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.field, GetParam().field);
    EXPECT_EQ(result.fault, GetParam().fault);
}

// A resonance, compliance, Q, resistance or cone area of 0 has no physical
// meaning (the normalisations divide by them); the other values may be 0
// but a negative size, power or efficiency is nonsense; a text without a
// number reads as 0.
INSTANTIATE_TEST_SUITE_P(
    EveryField, DriverFieldRefused,
    testing::Values(BadField{DriverField::FS, "0", DriverFault::NotPositive},
                    BadField{DriverField::FS, "-50", DriverFault::NotPositive},
                    BadField{DriverField::VAS, "0", DriverFault::NotPositive},
                    BadField{DriverField::QTS, "abc", DriverFault::NotPositive},
                    BadField{DriverField::QMS, "-5", DriverFault::NotPositive},
                    BadField{DriverField::RE, "", DriverFault::NotPositive},
                    BadField{DriverField::SD, "0.0", DriverFault::NotPositive},
                    BadField{DriverField::DIA, "-1", DriverFault::Negative},
                    BadField{DriverField::QES, "-0.1", DriverFault::Negative},
                    BadField{DriverField::EFI, "-2", DriverFault::Negative},
                    BadField{DriverField::EFI, "100.01", DriverFault::AboveLimit},
                    BadField{DriverField::PEMX, "-100", DriverFault::Negative},
                    BadField{DriverField::XMAX, "-5", DriverFault::Negative},
                    BadField{DriverField::VD, "-1e3", DriverFault::Negative},
                    BadField{DriverField::LE, "-0.001", DriverFault::Negative},
                    // "inf" and an overflow are no numbers: they read as 0.
                    BadField{DriverField::VAS, "inf", DriverFault::NotPositive},
                    BadField{DriverField::FS, "1e999", DriverFault::NotPositive}));

TEST(DriverCheck, TheDefaultDriverAndZeroWhereZeroMeansNothingPass) {
    EXPECT_TRUE(checkTexts(defaultTexts()).ok());
    auto texts = defaultTexts();
    for (DriverField f : {DriverField::DIA, DriverField::QES, DriverField::EFI, DriverField::PEMX, DriverField::XMAX,
                          DriverField::VD, DriverField::LE})
        put(texts, f, "0");
    put(texts, DriverField::Model, "");
    EXPECT_TRUE(checkTexts(texts).ok());
    put(texts, DriverField::EFI, "100");  // all the power radiated: the limit itself
    EXPECT_TRUE(checkTexts(texts).ok());
}

TEST(DriverCheck, NamesTheFirstRefusedFieldInTheWindowsOrder) {
    auto texts = defaultTexts();
    put(texts, DriverField::LE, "-1");
    put(texts, DriverField::VAS, "0");
    EXPECT_EQ(checkTexts(texts).field, DriverField::VAS);
}

TEST(DriverCheck, NumbersFromElsewhereMustBeFinite) {
    DriverValues d = driverFromTexts({"m", "r", "20", "50", "100", "0.4", "0.435", "5", "2.5", "6", "100", "200", "5", "100", "1"});
    ASSERT_TRUE(checkDriver(d).ok());
    d.QES = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(checkDriver(d).fault, DriverFault::NotFinite);
    d.QES = 0.4;
    d.FS = std::numeric_limits<double>::infinity();
    EXPECT_EQ(checkDriver(d).field, DriverField::FS);
    EXPECT_EQ(checkDriver(d).fault, DriverFault::NotFinite);
}

TEST(DriverCheck, ReadsNumbersWithThePointWhateverTheLocaleAndCutsTexts) {
    auto texts = defaultTexts();
    put(texts, DriverField::Model, std::string(80, 'M'));
    put(texts, DriverField::Range, std::string(60, 'R') + "tail");
    put(texts, DriverField::FS, " 38.5 Hz");
    std::array<std::string_view, kDriverFieldCount> views;
    for (std::size_t i = 0; i < kDriverFieldCount; ++i) views[i] = texts[i];
    const DriverValues d = driverFromTexts(views);
    EXPECT_EQ(d.s_SP.size(), 59u);
    EXPECT_EQ(d.s_RANG, std::string(59, 'R'));
    EXPECT_DOUBLE_EQ(d.FS, 38.5);
}

TEST(DriverCheck, TakingADriverWritesTheEnteredSetOnly) {
    resetState();
    state.speaker.FS = 11.0;
    DriverValues d = enteredDriver();
    d.FS = 27.0;
    d.s_SP = std::string(70, 'x');
    takeEnteredDriver(d);
    EXPECT_DOUBLE_EQ(state.speaker.FS2, 27.0);
    EXPECT_EQ(state.speaker.s_SP2.size(), 59u);
    EXPECT_DOUBLE_EQ(state.speaker.FS, 11.0);  // the effective driver follows only when a design starts
    EXPECT_DOUBLE_EQ(state.speaker.QTS2, 0.4);
    resetState();
}

}  // namespace
}  // namespace quendal
