// The check of a driver before it is taken: each field's bad value is
// refused by name, in the order the fields are listed.
#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <string>
#include <utility>

#include "model/DriverCheck.h"

namespace quendal {
namespace {

using Texts = std::array<std::string, kDriverFieldCount>;

// The program's default driver as typed into the fifteen fields, with one
// field changed.
Texts defaultWith(DriverField field, std::string text) {
    Texts t{"Test20-04", "N/A", "20", "50", "100", "0.4", "0.435", "5", "2.501", "6", "100", "200", "5", "100", "1"};
    t[std::size_t(field)] = std::move(text);
    return t;
}

DriverValues read(const Texts& t) {
    std::array<std::string_view, kDriverFieldCount> views;
    for (std::size_t i = 0; i < kDriverFieldCount; ++i) views[i] = t[i];
    return driverFromTexts(views);
}

struct Case {
    DriverField field;
    const char* text;
    DriverFault fault;
};
void PrintTo(const Case& c, std::ostream* os) { *os << "field " << int(c.field) << " \"" << c.text << "\""; }

class DriverFieldCheck : public testing::TestWithParam<Case> {};

// A resonance, compliance, Q, resistance or cone area of 0 has no meaning
// (the normalisations divide by them); the other values may be 0 but not
// negative; a text without a number, "inf" or an overflow reads as 0.
TEST_P(DriverFieldCheck, RefusedByNameAndKindOrTaken) {
    const DriverCheckResult r = checkDriver(read(defaultWith(GetParam().field, GetParam().text)));
    EXPECT_EQ(r.fault, GetParam().fault);
    if (!r.ok()) {
        EXPECT_EQ(r.field, GetParam().field);
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryField, DriverFieldCheck,
    testing::Values(Case{DriverField::FS, "0", DriverFault::NotPositive}, Case{DriverField::FS, "1e999", DriverFault::NotPositive},
                    Case{DriverField::VAS, "inf", DriverFault::NotPositive}, Case{DriverField::QTS, "abc", DriverFault::NotPositive},
                    Case{DriverField::QMS, "-5", DriverFault::NotPositive}, Case{DriverField::RE, "", DriverFault::NotPositive},
                    Case{DriverField::SD, "0.0", DriverFault::NotPositive}, Case{DriverField::DIA, "-1", DriverFault::Negative},
                    Case{DriverField::QES, "-0.1", DriverFault::Negative}, Case{DriverField::EFI, "-2", DriverFault::Negative},
                    Case{DriverField::EFI, "100.01", DriverFault::AboveLimit}, Case{DriverField::PEMX, "-100", DriverFault::Negative},
                    Case{DriverField::XMAX, "-5", DriverFault::Negative}, Case{DriverField::VD, "-1e3", DriverFault::Negative},
                    Case{DriverField::LE, "-0.001", DriverFault::Negative},
                    // taken: 0 where it means nothing, the whole power radiated, no model name
                    Case{DriverField::QES, "0", DriverFault::None}, Case{DriverField::LE, "0", DriverFault::None},
                    Case{DriverField::EFI, "100", DriverFault::None}, Case{DriverField::Model, "", DriverFault::None}));

// As typed, a text with no number and one beyond any double are named as
// such; a resonance above 1 kHz, where every page ends, is refused as too
// large on either path.
TEST(DriverCheck, TypedTextsAreNamedForWhatIsWrongWithThem) {
    const Case cases[] = {
        {DriverField::QTS, "abc", DriverFault::NotANumber},  {DriverField::VAS, "inf", DriverFault::NotANumber},
        {DriverField::FS, "1e999", DriverFault::TooLarge},   {DriverField::LE, "-1e999", DriverFault::TooLarge},
        {DriverField::FS, "1e6", DriverFault::AboveLimit},   {DriverField::FS, "1000.01", DriverFault::AboveLimit},
        {DriverField::FS, "1e-999", DriverFault::NotPositive}, {DriverField::RE, " ", DriverFault::Empty},
        {DriverField::FS, "1000", DriverFault::None},        {DriverField::LE, "", DriverFault::None},
        {DriverField::PEMX, "&", DriverFault::NotANumber},   {DriverField::PEMX, "0x", DriverFault::NotANumber},
        {DriverField::SD, "220 cm2", DriverFault::None},     {DriverField::VD, "143 cm3", DriverFault::None},
        {DriverField::VD, "1 000", DriverFault::NotANumber}, {DriverField::PEMX, "&HZZ", DriverFault::NotANumber},
        // Only the field's own unit is taken after the number.
        {DriverField::FS, "0.03 kHz", DriverFault::OtherUnit}, {DriverField::VAS, "40000 cm3", DriverFault::OtherUnit},
        {DriverField::SD, "0.022 m2", DriverFault::OtherUnit}, {DriverField::VAS, "1.77 ft3", DriverFault::OtherUnit},
        {DriverField::RE, "6R8", DriverFault::OtherUnit},      {DriverField::RE, "2k2", DriverFault::OtherUnit},
        {DriverField::PEMX, "5 k", DriverFault::OtherUnit},    {DriverField::XMAX, "5 cm", DriverFault::OtherUnit},
        {DriverField::QTS, "0.4 Q", DriverFault::OtherUnit},   {DriverField::VD, "143 cm2", DriverFault::OtherUnit},
        {DriverField::PEMX, "-0x64", DriverFault::NotANumber}, {DriverField::PEMX, "+&H10", DriverFault::NotANumber},
        {DriverField::FS, "1.5 e3", DriverFault::NotANumber},  {DriverField::FS, "1.5e 3", DriverFault::NotANumber},
        {DriverField::FS, "1.5e", DriverFault::NotANumber},    {DriverField::FS, "1.5e+", DriverFault::NotANumber},
        {DriverField::FS, "12.5 Hz", DriverFault::None},       {DriverField::RE, "6.8 ohm", DriverFault::None},
        {DriverField::VAS, "62 litre", DriverFault::None},     {DriverField::LE, "0.8 mH", DriverFault::None},
        {DriverField::EFI, "0.9 %", DriverFault::None},        {DriverField::PEMX, "100 W", DriverFault::None},
        {DriverField::FS, "", DriverFault::Empty},             {DriverField::DIA, "", DriverFault::None},
        // The nominal diameter is in cm, the unit data sheets give it in.
        {DriverField::DIA, "20 cm", DriverFault::None},        {DriverField::DIA, "200 mm", DriverFault::OtherUnit},
        // A name holds only what it shows.
        {DriverField::Model, "Woofer\n8", DriverFault::UnkeptCharacters},
        {DriverField::Range, "30 Hz\t3 kHz", DriverFault::UnkeptCharacters},
        {DriverField::Model, "Woofer\x1A", DriverFault::UnkeptCharacters},
    };
    for (const Case& c : cases) {
        const Texts texts = defaultWith(c.field, c.text);
        std::array<std::string_view, kDriverFieldCount> views;
        for (std::size_t i = 0; i < kDriverFieldCount; ++i) views[i] = texts[i];
        const DriverCheckResult r = checkDriverTexts(views);
        EXPECT_EQ(r.fault, c.fault) << c.text;
        if (!r.ok()) {
            EXPECT_EQ(r.field, c.field) << c.text;
        }
    }
    EXPECT_EQ(checkDriver(read(defaultWith(DriverField::FS, "1e6"))).fault, DriverFault::AboveLimit);
}

TEST(DriverCheck, NamesTheFirstRefusedFieldInTheListedOrder) {
    Texts t = defaultWith(DriverField::LE, "-1");
    t[std::size_t(DriverField::VAS)] = std::string("0");
    EXPECT_EQ(checkDriver(read(t)).field, DriverField::VAS);
}

TEST(DriverCheck, NumbersFromElsewhereMustBeFinite) {
    DriverValues d = read(defaultWith(DriverField::Model, "m"));
    d.QES = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(checkDriver(d).fault, DriverFault::NotFinite);
    d.QES = 0.4;
    d.FS = std::numeric_limits<double>::infinity();
    EXPECT_EQ(checkDriver(d).field, DriverField::FS);
}

}  // namespace
}  // namespace quendal
