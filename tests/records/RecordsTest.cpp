// Parameter records as text: cutting, numbers, the driver check, and the
// clipboard read for a paste.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "dialogs/ParameterRecords.h"
#include "model/State.h"
#include "support/MessagingDoubles.h"

namespace quendal {
namespace {

// Every field followed by two blanks, as the siblings write records.
std::string record(const std::vector<std::string>& fields) {
    std::string text;
    for (const std::string& f : fields) text += f + "  ";
    return text;
}

// A 16-field driver: Dia 20, Fs 38, Vas 62, Qts 0.32, Qes 0.35, Qms 4.1,
// Effi 0.9, Re 5.6, Pemax 80, then Sd 220, Xmax 6.5, Vd 143, Le 0.8; units
// that hold a digit stay units.
std::vector<std::string> driverFields() {
    return {"DUMMY#", "Test20-04", "30 Hz - 3 kHz", "20", "38", "62", "0.32", "0.35", "4.1",
            "0.9",    "5.6",       "80",            "220 cm2", "6.5", "143 cm3", "0.8"};
}

std::vector<std::string> radiatorFields() {
    return {"DUMMY&", "Acme Audio", "PR-25", "25", "21.5", "48", "6.2", "330", "11", "360"};
}

class RecordsTest : public testing::Test {
protected:
    void SetUp() override {
        resetState();
        platform::setClipboardService(&clipboard);
    }
    void TearDown() override {
        platform::setClipboardService(nullptr);
        resetState();
    }
    test::ClipboardDouble clipboard;
};

TEST(RecordCutter, CountsOnlyCompleteFieldsAndLetsTheLastOneEndTheText) {
    struct Case {
        std::string text;
        std::size_t count;
        std::optional<std::vector<std::string>> fields;
    };
    const std::vector<Case> cases = {
        {"A  b c  d  ", 3, std::vector<std::string>{"A", "b c", "d"}},  // single blanks stay inside
        {"A  b  d", 3, std::vector<std::string>{"A", "b", "d"}},        // last field up to the end
        {"A  b  d  extra  ", 3, std::vector<std::string>{"A", "b", "d"}},
        {"A    d  ", 3, std::vector<std::string>{"A", "", "d"}},        // an empty field between pairs
        {"A  b  ", 3, std::nullopt},                                     // last field missing
        {"A  b d", 3, std::nullopt},                                     // a pair missing inside
        {"", 1, std::nullopt},
    };
    for (const Case& c : cases) {
        const auto got = cutRecord(c.text, c.count);
        ASSERT_EQ(got.has_value(), c.fields.has_value()) << c.text;
        if (got) {
            EXPECT_EQ(std::vector<std::string>(got->begin(), got->end()), *c.fields) << c.text;
        }
    }
    EXPECT_EQ(recordMarker("DUMMY&  x  "), "DUMMY&");
    EXPECT_EQ(recordMarker("HideQnDL"), "");  // a command text has no marker
}

TEST_F(RecordsTest, DriverRecordFillsTheEnteredSetInTheRecordsOwnFieldOrder) {
    state.messages.s_Masg = record(driverFields());
    ASSERT_EQ(MasageTextToParameter(), RecordOutcome::Taken);
    const SpeakerParameters& d = state.speaker;
    EXPECT_EQ(d.s_SP2, "Test20-04");
    EXPECT_EQ(d.s_SP, "Test20-04");  // the working model name at once
    EXPECT_EQ(d.s_RANG2, "30 Hz - 3 kHz");
    EXPECT_DOUBLE_EQ(d.FS2, 38.0);
    EXPECT_DOUBLE_EQ(d.QTS2, 0.32);
    EXPECT_DOUBLE_EQ(d.SD2, 220.0);  // Sd, Xmax, Vd: the record's order, not a document's
    EXPECT_DOUBLE_EQ(d.XMAX2, 6.5);
    EXPECT_DOUBLE_EQ(d.VD2, 143.0);
    EXPECT_DOUBLE_EQ(d.LE2, 0.8);
    EXPECT_EQ(state.messages.s_FS, "38");
    EXPECT_EQ(state.messages.s_Dummy, "DUMMY#");
}

// Numbers read as a typed field reads them, in the field's own unit; a
// field that holds no number so read refuses the record (no value), a
// blank Fp is shown empty for the sheet's Apply to judge. Nothing is taken
// before Apply.
TEST_F(RecordsTest, NumericFieldsReadAsTypedFieldsAndAnUnreadOneRefusesTheRecord) {
    struct Case {
        std::string field;
        std::optional<double> value;
    };
    const std::vector<Case> cases = {{"12.5 Hz", 12.5}, {"abc", {}},     {"&H1F", 31.0}, {"0x10", 16.0},
                                     {"&O17", 15.0},    {"&X101", 5.0},  {"1e999", {}},  {" 7", 7.0},
                                     {"21,5", {}},      {"1,000", {}},   {"1 000", {}},  {" ", 0.0},
                                     {"", 0.0},         {"12.5Hz", 12.5}, {"0.03 kHz", {}}, {"5 kHz", {}},
                                     {"21.5 cm", {}},   {"1.5 e3", {}},  {"1.5e", {}},   {"-0x64", {}},
                                     {"&", {}},         {"&H", {}},      {"0x", {}},     {"&HZZ", {}},
                                     {"0x1G", {}}};
    for (const Case& c : cases) {
        resetState();
        std::vector<std::string> fields = radiatorFields();
        fields[4] = c.field;  // Fp
        state.messages.s_MasgPR = record(fields);
        const std::optional<RadiatorRecord> shown = MasageTextToPRParameter();
        ASSERT_EQ(shown.has_value(), c.value.has_value()) << c.field;
        if (shown) {
            EXPECT_DOUBLE_EQ(shown->values[1], *c.value) << c.field;
            EXPECT_EQ(shown->s_PROrg, "PR-25");
        }
        EXPECT_EQ(state.radiator.FPOrg, 0.0) << c.field;
        EXPECT_EQ(state.radiator.s_PROrg, "N/A") << c.field;
    }
    // The other fields take their own units, and only those.
    std::vector<std::string> units = {"DUMMY&", "Acme", "PR-25", "25 cm", "21.5 Hz", "48 L", "6.2",
                                      "330 cm^2", "11 mm", "360 cm3"};
    state.messages.s_MasgPR = record(units);
    const std::optional<RadiatorRecord> shown = MasageTextToPRParameter();
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->values, (std::array<double, 7>{25.0, 21.5, 48.0, 6.2, 330.0, 11.0, 360.0}));
    for (const auto& [i, text] : {std::pair{3, "25 mm"}, std::pair{4, "21.5 kHz"}, std::pair{5, "48 cm3"},
                                  std::pair{6, "6.2 Q"}, std::pair{7, "330 cm3"}, std::pair{8, "11 cm"},
                                  std::pair{9, "360 L"}}) {
        std::vector<std::string> other = units;
        other[std::size_t(i)] = text;
        state.messages.s_MasgPR = record(other);
        EXPECT_FALSE(MasageTextToPRParameter()) << text;
    }
}

TEST_F(RecordsTest, ADriverTheProgramWouldRefuseIsNotTaken) {
    for (auto [index, value] : {std::pair{5, "-3"}, std::pair{9, "150"}, std::pair{15, "-0.1"}, std::pair{10, "0"},
                                std::pair{11, "80,5"}, std::pair{8, "0,35"}, std::pair{3, "abc"},
                                // in another unit than the field's, or no number at all
                                std::pair{4, "0.03 kHz"}, std::pair{5, "1.77 ft3"}, std::pair{10, "6R8"},
                                std::pair{10, "2k2"}, std::pair{11, "5 k"}, std::pair{12, "0.022 m2"},
                                std::pair{6, "0.32 Q"}, std::pair{4, "1.5 e3"}, std::pair{4, "38e"},
                                std::pair{11, "-0x64"}, std::pair{11, "+&H10"}}) {
        std::vector<std::string> fields = driverFields();
        fields[std::size_t(index)] = value;  // negative Vas, Effi above 100 %, negative Le, Re 0
        state.messages.s_Masg = record(fields);
        EXPECT_EQ(MasageTextToParameter(), RecordOutcome::Refused) << value;
        EXPECT_EQ(state.speaker.s_SP2, "Test20-04");
        EXPECT_EQ(state.speaker.VAS2, SpeakerParameters{}.VAS2);
    }
    state.messages.s_Masg = "HideQnDL";
    EXPECT_EQ(MasageTextToParameter(), RecordOutcome::NotARecord);
    state.messages.s_Masg = record(radiatorFields());  // a radiator record is no driver
    EXPECT_EQ(MasageTextToParameter(), RecordOutcome::NotARecord);
}

// A name or range longer than the windows and the design document keep is
// cut to those 59 bytes when the record is read, not at the next save.
TEST_F(RecordsTest, LongNamesAreKeptToTheFiftyNineBytesADocumentHolds) {
    std::vector<std::string> fields = driverFields();
    fields[1] = std::string(240, 'N');
    fields[2] = std::string(70, 'R');
    const std::optional<DriverRecord> driver = readDriverRecord(record(fields));
    ASSERT_TRUE(driver);
    EXPECT_EQ(driver->s_SP, std::string(59, 'N'));
    EXPECT_EQ(driver->s_RANG, std::string(59, 'R'));
    fields[1] = std::string(150, 'N');  // as much as a 255-byte message holds
    fields[2] = "30 Hz - 3 kHz";
    state.messages.s_Masg = record(fields);
    ASSERT_EQ(MasageTextToParameter(), RecordOutcome::Taken);
    EXPECT_EQ(state.speaker.s_SP2, std::string(59, 'N'));
    EXPECT_EQ(state.speaker.s_SP, std::string(59, 'N'));
    std::vector<std::string> unit = radiatorFields();
    unit[1] = std::string(100, 'M');
    state.messages.s_MasgPR = record(unit);
    const std::optional<RadiatorRecord> shown = MasageTextToPRParameter();
    ASSERT_TRUE(shown);
    EXPECT_EQ(shown->s_ManufOrg, std::string(59, 'M'));
}

// A radiator record that leaves out its last fields (Vd, which many data
// sheets leave out) is a radiator record with those fields empty, to be
// completed in the sheet; nothing is taken.
TEST_F(RecordsTest, ARadiatorRecordWithoutItsLastFieldsIsShownWithThemEmpty) {
    const std::string text = record(radiatorFields());
    for (const std::string& cut : {text.substr(0, text.find("360")), text.substr(0, text.find("  360")),
                                   text.substr(0, text.find("11  360"))}) {
        state.messages.s_MasgPR = cut;
        const std::optional<RadiatorRecord> shown = MasageTextToPRParameter();
        ASSERT_TRUE(shown) << cut;
        EXPECT_EQ(shown->s_PROrg, "PR-25");
        EXPECT_DOUBLE_EQ(shown->values[1], 21.5);
        EXPECT_EQ(shown->texts[6], "");
        EXPECT_EQ(state.radiator.s_PROrg, "N/A");
        EXPECT_EQ(state.radiator.FPOrg, 0.0);
    }
    CheckDummyMasageFromAppEvent();
    EXPECT_EQ(state.messages.s_DummyPR, "DUMMY&");
    state.messages.s_MasgPR = "DUMMY&";  // no field at all: no record
    EXPECT_FALSE(MasageTextToPRParameter());
}

TEST_F(RecordsTest, ClipboardTextsOfTwoHundredFiftySixBytesOrNoneAreNotTaken) {
    state.messages.ClipText = "older";
    clipboard.content = std::string(256, 'x');
    const auto long256 = GetClipBoardHandle();
    ASSERT_TRUE(long256);
    EXPECT_FALSE(GetClipBoardText(*long256));
    EXPECT_EQ(state.messages.ClipText, "older");

    clipboard.content = std::string(255, 'y');
    EXPECT_TRUE(GetClipBoardText(*GetClipBoardHandle()));
    EXPECT_EQ(state.messages.ClipText.size(), 255u);

    clipboard.content = std::string();
    EXPECT_FALSE(GetClipBoardHandle());
    clipboard.content.reset();
    EXPECT_FALSE(GetClipBoardHandle());
}

TEST_F(RecordsTest, APasteKeepsItsOwnMarkerAndTakesOnlyRadiatorRecords) {
    state.messages.ClipText = record(driverFields());
    EXPECT_EQ(ClipTextToPRParameter(), RecordOutcome::NotARecord);
    EXPECT_EQ(state.radiator.s_ManufOrg, "N/A");
    EXPECT_EQ(state.messages.s_DummyPR, "NULL");

    // The clipboard's own characters, as a data sheet writes the units.
    std::vector<std::string> pasted = radiatorFields();
    pasted[5] = "48\u00A0L";
    pasted[7] = "330 cm\u00B2";
    pasted[9] = "360\u202Fcm\u00B3";
    state.messages.ClipText = record(pasted);
    ASSERT_EQ(ClipTextToPRParameter(), RecordOutcome::Taken);
    EXPECT_EQ(state.messages.s_DummyPaste, "DUMMY&");
    EXPECT_EQ(state.messages.s_DummyPR, "NULL");  // no record from Ostrevane waits because of a paste
    EXPECT_EQ(state.radiator.s_ManufOrg, "N/A");  // shown in the sheet, taken by its Apply
    const std::optional<RadiatorRecord> shown = readPastedRadiatorRecord(state.messages.ClipText);
    ASSERT_TRUE(shown);
    takeRadiatorRecord(*shown);
    const PassiveRadiatorParameters& p = state.radiator;
    EXPECT_EQ(p.s_ManufOrg, "Acme Audio");
    EXPECT_EQ(p.s_PROrg, "PR-25");
    EXPECT_DOUBLE_EQ(p.PRDIAOrg, 25.0);
    EXPECT_DOUBLE_EQ(p.VAPOrg, 48.0);
    EXPECT_DOUBLE_EQ(p.PRSDOrg, 330.0);
    EXPECT_DOUBLE_EQ(p.PRXMAXOrg, 11.0);
    EXPECT_DOUBLE_EQ(p.PRVDOrg, 360.0);
}

}  // namespace
}  // namespace quendal
