// Files that are not designs are refused whole: the design in hand stays
// exactly as it was.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "Designs.h"
#include "app/DesignDocument.h"

namespace quendal::test {
namespace {

void putInt(std::string& bytes, std::size_t at, int32_t v) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(static_cast<uint32_t>(v) >> (8 * (3 - i)));
}
void putText(std::string& bytes, std::size_t at, std::string_view t) {
    std::string field = std::string(t) + "!%$&";
    field.resize(63, ' ');
    bytes.replace(at, 63, field);
}

// A design that differs from the documents below in every field it can.
ProgramState designInHand() {
    ProgramState d = defaultDesign();
    d.speaker.s_SP = "In hand";
    d.box.VB = 33.3;
    d.vents.vent[2].CircVentNum = 4;
    return d;
}

TEST(DocumentValidation, RefusedFilesLeaveTheDesignUntouched) {
    const std::string valid = handWritten(distinctDesign());  // Triple Vented, Alin 5
    struct Case { const char* what; std::function<void(std::string&)> spoil; } cases[] = {
        {"empty file", [](std::string& b) { b.clear(); }},
        {"one byte short", [](std::string& b) { b.pop_back(); }},
        {"tab 0", [](std::string& b) { putInt(b, 0, 0); }},
        {"tab 3", [](std::string& b) { putInt(b, 0, 3); }},
        {"button 9", [](std::string& b) { putInt(b, 4, 9); }},
        {"button 0", [](std::string& b) { putInt(b, 4, 0); }},
        {"InitSysType 0", [](std::string& b) { putInt(b, 8, 0); }},
        {"ReDispWnd 3", [](std::string& b) { putInt(b, 12, 3); }},
        {"RespID on a separator", [](std::string& b) { putInt(b, 16, 10); }},
        {"RespID 13", [](std::string& b) { putInt(b, 16, 13); }},
        {"Magni 2", [](std::string& b) { putInt(b, 20, 2); }},
        {"Scale 7", [](std::string& b) { putInt(b, 24, 7); }},
        {"Disp 4", [](std::string& b) { putInt(b, 28, 4); }},
        {"SpConSel -1", [](std::string& b) { putInt(b, 72, -1); }},
        {"SpConNum 6", [](std::string& b) { putInt(b, 76, 6); }},
        {"ImpID 0", [](std::string& b) { putInt(b, 80, 0); }},
        {"Alin 0", [](std::string& b) { putInt(b, 84, 0); }},
        {"Alin 6 of five items", [](std::string& b) { putInt(b, 84, 6); }},
        {"Alin 5 of an Infinite Baffle (two items)", [](std::string& b) { putInt(b, 0, 1); putInt(b, 4, 1); }},
        {"Alin 4 of a Closed Box (three items)", [](std::string& b) { putInt(b, 0, 1); putInt(b, 4, 2); putInt(b, 84, 4); }},
        {"unknown response code", [](std::string& b) { putText(b, 88, "ampx"); }},
        {"unknown impedance text", [](std::string& b) { putText(b, 151, "para"); }},
        {"disclosure 2", [](std::string& b) { putInt(b, 214, 2); }},
        {"radiator flag 2", [](std::string& b) { b[1037] = 2; }},
        {"Qa popup item 6", [](std::string& b) { putInt(b, 1224, 6); }},
        {"Qb popup item 7", [](std::string& b) { putInt(b, 1236, 7); }},
        {"popup item 0", [](std::string& b) { putInt(b, 1220, 0); }},
        {"five radiators", [](std::string& b) { putInt(b, 1240, 5); }},
        {"vent 2 tab 3", [](std::string& b) { putInt(b, 1440, 3); }},
        {"vent 3 with 11 circular vents", [](std::string& b) { putInt(b, 1636 + 8, 11); }},
        {"vent 1 with no rectangular vent", [](std::string& b) { putInt(b, 1244 + 12, 0); }},
        {"vent 2 circular radio 3", [](std::string& b) { putInt(b, 1440 + 16, 3); }},
        {"vent 3 rectangular radio 0", [](std::string& b) { putInt(b, 1636 + 20, 0); }},
        {"vent 1 edited flag 2", [](std::string& b) { putInt(b, 1244 + 188, 2); }},
        {"InputPowerCheck 2", [](std::string& b) { putInt(b, 1832, 2); }},
    };
    for (const auto& c : cases) {
        std::string bytes = valid;
        c.spoil(bytes);
        ProgramState design = designInHand();
        std::string problem;
        EXPECT_FALSE(decodeDesignDocument(bytes, design, &problem)) << c.what;
        EXPECT_FALSE(problem.empty()) << c.what;
        EXPECT_EQ(firstDifference(encodeDesignDocument(design), encodeDesignDocument(designInHand())), -1) << c.what;
    }
}

TEST(DocumentValidation, SelectorsAtTheEndsOfTheirRangesAreTaken) {
    struct Case { const char* what; std::function<void(std::string&)> edit; } cases[] = {
        {"nothing changed", [](std::string&) {}},
        {"Infinite Baffle custom (item 2)", [](std::string& b) { putInt(b, 0, 1); putInt(b, 4, 1); putInt(b, 84, 2); }},
        {"Passive Raveza custom (item 5)", [](std::string& b) { putInt(b, 4, 2); }},
        {"System Profile page", [](std::string& b) { putInt(b, 16, 11); putText(b, 88, "sys"); }},
        {"ten vents and the lowest selectors", [](std::string& b) {
             putInt(b, 1636 + 8, 10); putInt(b, 1440, 1); putInt(b, 72, 0); putInt(b, 20, 0); }},
        {"bytes past the record", [](std::string& b) { b += "anything at all"; }},
    };
    for (const auto& c : cases) {
        std::string bytes = handWritten(distinctDesign());
        c.edit(bytes);
        ProgramState design = designInHand();
        std::string problem;
        EXPECT_TRUE(decodeDesignDocument(bytes, design, &problem)) << c.what << ": " << problem;
        EXPECT_EQ(firstDifference(encodeDesignDocument(design), bytes.substr(0, 1844)), -1) << c.what;
    }
}

}  // namespace
}  // namespace quendal::test
