#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

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
// drop, in any base, make it none, and so does a prefix without digits, an
// exponent without its digits or cut from them, and a sign before a base.
TEST(TextToNumber, ATypedNumberIsNeverCutShort) {
    using enum FieldUnit;
    for (const char* text : {"1 000", "1_000", "3.2.1", "&H1G5", "&O78", "&X102", "0x1G2", "0x1G", "12,5", "&", "&H",
                             "0x", "&HZZ", "&H.5", "1.5 e3", "1.5e 3", "1.5e", "1.5e+", "1.5 E-3", "-0x64", "+&H10",
                             "-&O17"}) {
        EXPECT_EQ(readTypedNumber(text, Hertz).kind, NumberTextKind::NotANumber) << text;
        EXPECT_FALSE(readTypedNumber(text, Hertz).otherUnit) << text;
    }
    // A comma between digits may be a decimal comma; one elsewhere is read
    // past, and what follows is told for what it is (another unit here).
    for (const auto& [text, decimal, other] : {std::tuple{"12,5", true, false}, std::tuple{"1,000 Hz", true, false},
                                               std::tuple{"5 kHz, 3 dB", false, true}, std::tuple{"50,", false, false},
                                               std::tuple{"50 Hz,", false, true}}) {
        const TypedNumber typed = readTypedNumber(text, Hertz);
        EXPECT_EQ(typed.kind, NumberTextKind::NotANumber) << text;
        EXPECT_TRUE(typed.comma) << text;
        EXPECT_EQ(typed.decimalComma, decimal) << text;
        EXPECT_EQ(typed.otherUnit, other) << text;
    }
    EXPECT_EQ(readTypedNumber("&H" + std::string(300, 'F'), None).kind, NumberTextKind::TooLarge);
    EXPECT_EQ(readTypedNumber("&X" + std::string(1100, '1'), None).kind, NumberTextKind::TooLarge);
    struct Case { const char* text; FieldUnit unit; double value; } taken[] = {
        {"&HFF Hz", Hertz, 255.0}, {"0x1F", None, 31.0}, {"&O17", None, 15.0}, {"&X101 ", None, 5.0},
        {"12.5 Hz", Hertz, 12.5}, {"12.5Hz", Hertz, 12.5}, {"220 cm2", SquareCentimetre, 220.0},
        {"220 cm^2", SquareCentimetre, 220.0}, {"143cm3", CubicCentimetre, 143.0}, {"143 cm^3", CubicCentimetre, 143.0},
        {"40 L", Litre, 40.0}, {"40 l", Litre, 40.0}, {"40 litre", Litre, 40.0}, {"40 liter", Litre, 40.0},
        {"6.8 \xBD", Ohm, 6.8}, {"6.8 ohm", Ohm, 6.8}, {"5 mm", Millimetre, 5.0}, {"0.9 mH", MilliHenry, 0.9},
        {"100 W", Watt, 100.0}, {"0.9 %", Percent, 0.9}, {"26 cm", Centimetre, 26.0}, {"1.5e3 Hz", Hertz, 1500.0},
        {"-5", None, -5.0}, {"0.38", None, 0.38}, {"143 cc", CubicCentimetre, 143.0},
        // The field's own unit as data sheets write it: any blanks, any case,
        // the same size spelled otherwise, a continuous power rating.
        {"52\xCAL", Litre, 52.0}, {"\xCA 52\tL\t", Litre, 52.0}, {"50 HZ", Hertz, 50.0}, {"50 Hertz", Hertz, 50.0},
        {"52 ltr", Litre, 52.0}, {"52 LITER", Litre, 52.0}, {"52 lt", Litre, 52.0}, {"52 dm^3", Litre, 52.0},
        {"52 DM3", Litre, 52.0}, {"136 sq cm", SquareCentimetre, 136.0}, {"136 Sq.\xCA cm", SquareCentimetre, 136.0},
        {"360 ml", CubicCentimetre, 360.0}, {"360 mL", CubicCentimetre, 360.0}, {"0.45 mh", MilliHenry, 0.45},
        {"5.6 OHM", Ohm, 5.6}, {"5.6 OHMS", Ohm, 5.6}, {"250 WATTS", Watt, 250.0}, {"250 w", Watt, 250.0},
        {"250 W RMS", Watt, 250.0}, {"250 W (RMS)", Watt, 250.0}, {"250 w aes", Watt, 250.0},
        {"250 W nominal", Watt, 250.0}, {"250 watts Continuous", Watt, 250.0}, {"6 MM", Millimetre, 6.0},
        {"26 CM", Centimetre, 26.0},
        // All in capitals, the field's unit in capitals: no field is in mega units.
        {"0.45 MH", MilliHenry, 0.45}, {"360 ML", CubicCentimetre, 360.0}, {"5.5 MM", Millimetre, 5.5}};
    for (const auto& c : taken) {
        EXPECT_TRUE(readTypedNumber(c.text, c.unit).number()) << c.text;
        EXPECT_DOUBLE_EQ(readTypedNumber(c.text, c.unit).value, c.value) << c.text;
    }
}

// A number is read only in its field's own unit: another unit, the field's
// unit spelled for another quantity, or any text where the field takes a
// number alone, makes it no number, never the bare number.
TEST(TextToNumber, ANumberInAnotherUnitIsNoNumberInTheField) {
    using enum FieldUnit;
    struct Case { const char* text; FieldUnit unit; bool peak = false; } cases[] = {
        {"0.03 kHz", Hertz}, {"40000 cm3", Litre}, {"5 cm", Millimetre}, {"5 k", Watt}, {"0.022 m2", SquareCentimetre},
        {"1.77 ft3", Litre}, {"6R8", Ohm}, {"2k2", Ohm}, {"220 cm3", SquareCentimetre}, {"143 cm2", CubicCentimetre},
        {"0.4 Q", None}, {"0.4 Hz", None}, {"4.7 \xB5H", MilliHenry}, {"90 %", Millimetre}, {"12.5 Hz", Litre},
        {"1e999 kHz", Hertz}, {"0.05 KHZ", Hertz}, {"6r8", Ohm}, {"52 ml", Litre}, {"52 dm3", CubicCentimetre},
        // A capital M before a small letter is the mega prefix: never the
        // milli unit; in capitals, "MHZ" is still no hertz.
        {"5 Mm", Millimetre}, {"0.45 Mh", MilliHenry}, {"360 Ml", CubicCentimetre}, {"0.05 MHZ", Hertz},
        {"136 sq m", SquareCentimetre}, {"52\xCAkL", Litre},
        // Watts of a rating that is no thermal limit are told apart...
        {"250 W peak", Watt, true}, {"250 W max", Watt, true}, {"250 W (program)", Watt, true},
        {"250 watts music", Watt, true}, {"250 W (max.)", Watt, true}, {"250 Wpeak", Watt, true},
        // ...from words that name none, refused all the same...
        {"100 W nom.", Watt}, {"100 W cont.", Watt}, {"100 W R.M.S.", Watt}, {"100 W rms.", Watt},
        {"100 W RMS (AES)", Watt}, {"60 W (IEC 268-5)", Watt}, {"100 W into 8 ohms", Watt}, {"250 Wrms", Watt},
        // ...and a peak rating in a field of no power is just another unit.
        {"250 W peak", Litre}};
    for (const auto& c : cases) {
        const TypedNumber typed = readTypedNumber(c.text, c.unit);
        EXPECT_EQ(typed.kind, NumberTextKind::NotANumber) << c.text;
        EXPECT_TRUE(typed.otherUnit) << c.text;
        EXPECT_EQ(typed.value, 0.0) << c.text;
        EXPECT_EQ(typed.peakRating, c.peak) << c.text;
    }
}

}  // namespace
}  // namespace quendal
