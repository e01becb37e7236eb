// The record of a design: its bytes against a record placed by hand, and
// designs that come back bit for bit.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <string>

#include "Designs.h"
#include "app/DesignDocument.h"

namespace quendal::test {
namespace {

uint64_t bits(double x) { return std::bit_cast<uint64_t>(x); }

TEST(DesignDocument, DefaultDesignMatchesTheRecordPlacedByHand) {
    const ProgramState design = defaultDesign();
    const std::string bytes = encodeDesignDocument(design);
    ASSERT_EQ(bytes.size(), 1844u);
    EXPECT_EQ(firstDifference(bytes, handWritten(design)), -1);
    // A few fields spelled out: tab 1 big-endian, "amp" with its marker and
    // 56 blanks, FS2 = 50 Hz as IEEE bits, "Para" right after s_Resp.
    EXPECT_EQ(bytes.substr(0, 4), std::string("\0\0\0\1", 4));
    EXPECT_EQ(bytes.substr(88, 63), "amp!%$&" + std::string(56, ' '));
    EXPECT_EQ(bytes.substr(151, 8), "Para!%$&");
    EXPECT_EQ(bytes.substr(352, 8), std::string("\x40\x49\0\0\0\0\0\0", 8));
    EXPECT_EQ(bytes.substr(1038, 63), "!%$&" + std::string(59, ' '));  // an empty text
}

TEST(DesignDocument, EveryFieldSitsAtItsOffset) {
    const ProgramState design = distinctDesign();
    const std::string bytes = encodeDesignDocument(design);
    EXPECT_EQ(firstDifference(bytes, handWritten(design)), -1);
    // Where the groups meet: the disclosure state ends the header, the model
    // name begins the driver; the two flags lie between the radiators with no
    // padding; the popups end where vent 1 begins; the tail closes the record.
    struct Seam { std::size_t at; std::string bytes; } seams[] = {
        {210, std::string("    \0\0\0\1" "Text at 218!", 20)},
        {1036, std::string("\1\0" "Text at 1038!", 15)},
        {1240, std::string("\0\0\0\4" "\0\0\0\2", 8)},
        {1824, std::string("\0\0\0\0" "\0\0\0\1" "\0\0\0\0", 12)},
    };
    for (const auto& s : seams) EXPECT_EQ(bytes.substr(s.at, s.bytes.size()), s.bytes) << "at " << s.at;
    uint64_t last = 0;
    for (std::size_t i = 1836; i < 1844; ++i) last = last << 8 | static_cast<uint8_t>(bytes[i]);
    EXPECT_EQ(last, bits(design.power.PinTemp));
}

TEST(DesignDocument, AwkwardValuesComeBackBitForBit) {
    ProgramState design = distinctDesign();
    const double nanWithPayload = std::bit_cast<double>(uint64_t{0x7FF80000DEADBEEF});
    const double negativeNaN = std::bit_cast<double>(uint64_t{0xFFF8000000000001});
    design.box.VB = -0.0;
    design.speaker.LE = std::numeric_limits<double>::denorm_min();
    design.radiator.PRDIAOrg = nanWithPayload;  // the driver and the box must be finite; the radiator as received need not
    design.vents.vent[2].CircPortDV = negativeNaN;  // rounding leaves what is not finite alone
    design.vents.vent[3].RectDuctHV = -0.0;
    design.radiator.PRXMAX = -std::numeric_limits<double>::infinity();
    design.power.PinTemp = std::numeric_limits<double>::max();
    std::string high;
    for (int i = 0; i < 59; ++i) high += static_cast<char>(0x80 + i * 2);  // accents, symbols, 0xF4 last
    design.speaker.s_SP2 = high;
    design.radiator.s_PR = std::string(59, '\xFF');

    const std::string bytes = encodeDesignDocument(design);
    ProgramState read;
    std::string problem;
    ASSERT_TRUE(decodeDesignDocument(bytes, read, &problem)) << problem;
    EXPECT_EQ(firstDifference(encodeDesignDocument(read), bytes), -1);
    EXPECT_EQ(bits(read.box.VB), bits(-0.0));
    EXPECT_EQ(bits(read.speaker.LE), bits(std::numeric_limits<double>::denorm_min()));
    EXPECT_EQ(bits(read.radiator.PRDIAOrg), 0x7FF80000DEADBEEFu);
    EXPECT_EQ(bits(read.vents.vent[2].CircPortDV), 0xFFF8000000000001u);
    EXPECT_EQ(bits(read.vents.vent[3].RectDuctHV), bits(-0.0));
    EXPECT_EQ(read.radiator.PRXMAX, -std::numeric_limits<double>::infinity());
    EXPECT_EQ(read.power.PinTemp, std::numeric_limits<double>::max());
    EXPECT_EQ(read.speaker.s_SP2, high);
    EXPECT_EQ(read.radiator.s_PR, std::string(59, '\xFF'));
    EXPECT_EQ(read.view.s_Resp, "vent");
}

TEST(DesignDocument, ReadsTheRecordPlacedByHand) {
    const ProgramState design = distinctDesign();
    ProgramState read;
    read.box.VBbak = 42.0;  // not in the record: stays
    ASSERT_TRUE(decodeDesignDocument(handWritten(design), read));
    EXPECT_EQ(firstDifference(encodeDesignDocument(read), handWritten(design)), -1);
    EXPECT_EQ(read.box.VBbak, 42.0);
}

TEST(DesignDocument, WritingChangesNothingInTheDesign) {
    ProgramState design = defaultDesign();
    design.speaker.s_SP = std::string(80, 'L');  // too long for its field
    design.speaker.s_RANG = std::string(255, 'R');  // no room for a marker in memory either
    design.vents.vent[1].CircPortDV = 41.125;
    design.vents.vent[2].RectPortHV = 0.375;
    design.vents.vent[3].CircPortLV = 41.125;  // a length: not rounded
    const std::string bytes = encodeDesignDocument(design);

    EXPECT_EQ(design.speaker.s_SP, std::string(80, 'L'));
    EXPECT_EQ(design.speaker.s_RANG, std::string(255, 'R'));
    EXPECT_EQ(design.vents.vent[1].CircPortDV, 41.125);
    // The file holds the first 59 bytes with their marker, and the
    // dimensions rounded to 0.01 mm, halves to even.
    EXPECT_EQ(bytes.substr(448, 63), std::string(59, 'L') + "!%$&");
    ProgramState read;
    ASSERT_TRUE(decodeDesignDocument(bytes, read));
    EXPECT_EQ(read.speaker.s_SP, std::string(59, 'L'));
    EXPECT_EQ(read.speaker.s_RANG, std::string(59, 'R'));
    EXPECT_EQ(read.vents.vent[1].CircPortDV, 41.12);
    EXPECT_EQ(read.vents.vent[2].RectPortHV, 0.38);
    EXPECT_EQ(read.vents.vent[3].CircPortLV, 41.125);
}

TEST(DesignDocument, TextsWithoutMarkerKeepTheirBytes) {
    std::string bytes = encodeDesignDocument(defaultDesign());
    bytes.replace(218, 63, std::string(63, 'W'));               // a whole field of text
    bytes.replace(448, 63, "Old name" + std::string(55, ' '));  // blanks but no marker
    bytes.replace(854, 63, "A!%$&B!%$&" + std::string(53, ' '));  // cut at the first marker
    ProgramState read;
    ASSERT_TRUE(decodeDesignDocument(bytes, read));
    EXPECT_EQ(read.speaker.s_SP2, std::string(63, 'W'));
    EXPECT_EQ(read.speaker.s_SP, "Old name");
    EXPECT_EQ(read.radiator.s_ManufOrg, "A");
}

}  // namespace
}  // namespace quendal::test
