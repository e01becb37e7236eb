// Files that are not designs are refused whole: the design in hand stays
// exactly as it was.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "Designs.h"
#include "app/DesignDocument.h"
#include "model/ParameterPasses.h"
#include "response/BoxCheck.h"
#include "response/CofCal.h"
#include "response/SpConCal.h"

namespace quendal::test {
namespace {

void putInt(std::string& bytes, std::size_t at, int32_t v) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>(static_cast<uint32_t>(v) >> (8 * (3 - i)));
}
void putDouble(std::string& bytes, std::size_t at, double v) {
    const auto bits = std::bit_cast<uint64_t>(v);
    for (int i = 0; i < 8; ++i) bytes[at + i] = static_cast<char>(bits >> (8 * (7 - i)));
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

namespace quendal::test {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// A document is checked as the Default Parameters window and received
// records check a driver, and as the custom palette checks a box value; the
// refusal names the field in words and leaves the design in hand as it was.
TEST(DocumentValidation, DriverAndBoxValuesAreCheckedAsEveryOtherRoadChecksThem) {
    const std::string valid = handWritten(distinctDesign());  // Triple Vented, custom alignment
    struct Case { const char* what; std::function<void(std::string&)> spoil; const char* words; } cases[] = {
        {"NaN Fs and negative Vas as entered", [](std::string& b) { putDouble(b, 352, kNaN); putDouble(b, 360, -62.0); },
         "the resonance Fs of the driver as entered is not a finite number"},
        {"Re 0 as entered", [](std::string& b) { putDouble(b, 400, 0.0); }, "voice-coil resistance Re of the driver as entered"},
        {"efficiency above 100 % as entered", [](std::string& b) { putDouble(b, 392, 150.0); }, "efficiency"},
        {"negative Le in use", [](std::string& b) { putDouble(b, 670, -0.5); }, "voice-coil inductance Le of the driver in use is negative"},
        {"infinite Qts in use", [](std::string& b) { putDouble(b, 598, kInfinity); }, "total Q (Qts) of the driver in use"},
        {"NaN area of vent 3", [](std::string& b) { putDouble(b, 846, kNaN); }, "area of vent 3 is not a finite number"},
        {"Qa 0", [](std::string& b) { putDouble(b, 766, 0.0); }, "loss factor Qa is not above 0"},
        {"entered chamber volume negative", [](std::string& b) { putDouble(b, 702, -1.0); }, "volume of chamber 3 is not above 0"},
        {"tab 3, in words", [](std::string& b) { putInt(b, 0, 3); }, "the system tab is 3"},
        // No connection changes Fs: the driver in use keeps one driver's limit.
        {"Fs 5000 in use", [](std::string& b) { putDouble(b, 582, 5000.0); }, "resonance Fs of the driver in use is above"},
        {"largest Fs in use", [](std::string& b) { putDouble(b, 582, std::numeric_limits<double>::max()); },
         "resonance Fs of the driver in use is above"},
        // The box as the Alignment menus and the custom palette hold it.
        {"Serial Vented custom with a negative tuning",
         [](std::string& b) { putInt(b, 0, 1); putInt(b, 4, 5); putInt(b, 84, 5); putDouble(b, 742, -375.0); },
         "tuning frequency of chamber 1 is not above 0"},
        {"volume kept as 0", [](std::string& b) { putDouble(b, 686, 0.004); }, "volume of chamber 1 is not above 0"},
        {"Twin Vented custom tuned alike", [](std::string& b) {
             putInt(b, 4, 5); putInt(b, 84, 4); putDouble(b, 742, 40.0); putDouble(b, 750, 40.0); },
         "tuning frequencies of chambers 1 and 2 are alike"},
        // Judged as kept (0.0004 is kept as 0, a vast value stays itself) and
        // as drawn: a vast chamber or tuning overflows its vent, or Qtc.
        {"Closed Box custom Qtc kept as 0", [](std::string& b) {
             putInt(b, 0, 1); putInt(b, 4, 2); putInt(b, 84, 3); putDouble(b, 822, 0.0004); },
         "closed-box total Q (Qtc) is not above 0"},
        {"tuning of chamber 1 1e307", [](std::string& b) { putDouble(b, 742, 1e307); }, "area of vent 1 is not a finite"},
        {"Vb1 1e308", [](std::string& b) { putDouble(b, 686, 1e308); }, "area of vent 1 is not a finite number"},
        {"Serial Raveza Type1 custom Vb1 1e308", [](std::string& b) { putInt(b, 4, 3); putInt(b, 84, 3); putDouble(b, 686, 1e308); },
         "closed-box total Q (Qtc) is not a finite number"},
        {"Passive Raveza custom Vb1 1e308", [](std::string& b) { putInt(b, 4, 2); putInt(b, 84, 5); putDouble(b, 686, 1e308); },
         "closed-box total Q (Qtc) is not a finite number"},
        {"Vented Box custom tuned far above the page", [](std::string& b) {
             putInt(b, 0, 1); putInt(b, 4, 3); putInt(b, 84, 4); putDouble(b, 742, 1e7); },
         "response lies nowhere between 10 Hz and 1 kHz"},
    };
    for (const auto& c : cases) {
        std::string bytes = valid;
        c.spoil(bytes);
        ProgramState design = designInHand();
        std::string problem;
        EXPECT_FALSE(decodeDesignDocument(bytes, design, &problem)) << c.what;
        EXPECT_NE(problem.find(c.words), std::string::npos) << c.what << ": " << problem;
        EXPECT_EQ(firstDifference(encodeDesignDocument(design), encodeDesignDocument(designInHand())), -1) << c.what;
    }
    // Two drivers in parallel double the efficiency in use past that of one driver.
    std::string twoDrivers = valid;
    putDouble(twoDrivers, 392, 60.0);
    putDouble(twoDrivers, 622, 120.0);
    ProgramState design = designInHand();
    std::string problem;
    EXPECT_TRUE(decodeDesignDocument(twoDrivers, design, &problem)) << problem;
    // The level follows from the driver; what the file says of it is not taken.
    std::string level = valid;
    putDouble(level, 32, 1e300);
    ASSERT_TRUE(decodeDesignDocument(level, design, &problem)) << problem;
    EXPECT_EQ(design.ref.SPL, distinctDesign().ref.SPL);
    // Sound power eta * 1 W into half-space, against 1e-12 W: 1 W / 1 m in dB, to 0.01 dB.
    EXPECT_NEAR(design.ref.SPL, 10.0 * std::log10(design.speaker.EFI / 100.0 / (2.0 * M_PI * 1e-12)), 0.005);
}

// Every design the program makes, system by system and alignment by
// alignment (the custom one last, from the values before it), is taken back.
TEST(DocumentValidation, EveryDesignTheProgramWritesIsTakenBack) {
    constexpr int32_t kItems[2][8] = {{2, 3, 4, 4, 5, 3, 2, 2}, {4, 5, 3, 3, 4, 3, 4, 5}};
    for (int32_t tab = 1; tab <= 2; ++tab)
        for (int32_t button = 1; button <= 8; ++button) {
            resetState();
            InitItemBoxParameters();
            OriginalBoxParametersPass();
            state.connection.SpConNum = 2;
            SpconCal();
            for (int32_t alin = 1; alin <= kItems[tab - 1][button - 1]; ++alin) {
                state.selection.SysSelTabNum = tab;
                state.selection.SysSelBtnNum = button;
                state.selection.InitSysType = tab == 1 && (button <= 2 || button == 7) ? 1 : 2;
                if (!alignmentBoxCheck(alin).ok()) continue;  // refused at choice: never held
                state.selection.Alin = alin;
                CofCal();
                BoxParameterBackup();
                ProgramState read;
                std::string problem;
                EXPECT_TRUE(decodeDesignDocument(encodeDesignDocument(state), read, &problem))
                    << tab << "/" << button << " alignment " << alin << ": " << problem;
            }
        }
    resetState();
}

}  // namespace
}  // namespace quendal::test
