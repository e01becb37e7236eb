// The passive-radiator data sheet driven as widgets: paste, Apply, Cancel
// and its layout.
#include <QClipboard>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "gui_messages/MessagesFixture.h"
#include "platform/qt/LocalMessages.h"
#include "platform/qt/Registry.h"
#include "model/DriverCheck.h"
#include "model/ParameterPasses.h"
#include "response/CofCal.h"
#include "selection/SystemInfoPalette.h"
#include "selection/SystemSelect.h"
#include "windows/PassiveRadiatorData.h"

namespace quendal::test {
namespace {

constexpr int32_t kSheet = kPassiveRadiatorSheet;

class RadiatorSheetTest : public MessagesTest {
protected:
    void SetUp() override {
        MessagesTest::SetUp();
        openDesign();
        ASSERT_EQ(PassiveRadiDataEnterWnd(), 0);
    }
    // Types the unit into the fields as a user would.
    void type(const std::vector<std::pair<int32_t, std::string>>& entries) {
        for (const auto& [field, text] : entries) {
            auto* edit = qobject_cast<QLineEdit*>(platform::qt::controlWidget(kSheet, field));
            ASSERT_NE(edit, nullptr) << field;
            edit->setText(QString::fromStdString(text));
        }
    }
    void typeValidUnit() {
        type({{51, "Acme Audio"}, {52, "PR-30"}, {53, "30"}, {54, "18"}, {56, "60"}, {57, "5.5"}, {58, "450"},
              {59, "12"}, {60, "540"}});
    }
    // The design as drawn at its first alignment, from the start-up driver.
    static void drawnDesign() {
        InitItemBoxParameters();
        OriginalBoxParametersPass();
        CofCal();
        BoxParameterBackup();
    }
    std::string mismatch() const { return "12|" + std::string(kPasteMismatchAlert) + "|"; }
};

TEST_F(RadiatorSheetTest, PasteShowsARadiatorRecordAndAnythingElseIsAMismatch) {
    struct Case {
        const char* name;
        std::optional<std::string> clipboard;
        bool matches;
    };
    // Fewer than 256 characters in more than 255 bytes: the clipboard's
    // characters are counted, not their bytes.
    std::vector<std::string> accented = radiatorFields();
    for (int i = 0; i < 120; ++i) accented[1] += "\u00E9";
    const std::string wide = recordText(accented);
    const std::vector<Case> cases = {
        {"255 characters in more bytes", wide.size() > 255 && QString::fromStdString(wide).size() < 256
                                             ? std::optional(wide) : std::nullopt, true},
        {"a radiator record", radiatorRecord(), true},
        {"a driver record", driverRecord(), false},
        {"an empty clipboard", std::string(), false},
        {"no text at all", std::nullopt, false},
        {"256 bytes", (radiatorRecord() + std::string(256, ' ')).substr(0, 256), false},
        {"a radiator record without Vd", radiatorRecord().substr(0, radiatorRecord().size() - 5), true},
        {"the marker alone", std::string("DUMMY&"), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        SetUp();
        state.messages.ClipText = radiatorRecord("33");  // read before: never pasted again
        clipboard.content = c.clipboard;
        PRDataEnterPasteParameterButton();
        EXPECT_EQ(platform::isControlEnabled(kSheet, kPRPasteButton), !c.matches);
        EXPECT_EQ(platform::controlText(kSheet, kPRFpField), c.matches ? "21.5" : "");
        EXPECT_EQ(state.radiator.FPOrg, 0.0);  // shown for Apply to take
        EXPECT_EQ(dialogs.beeps, c.matches ? 0 : 1);
        EXPECT_EQ(dialogs.sheets, c.matches ? std::vector<std::string>{} : std::vector<std::string>{mismatch()});
        EXPECT_EQ(state.messages.s_DummyPR, "NULL");  // the next design shows no stale record
    }
}

// Every number of a driver record with a decimal comma, from a sibling:
// refused at once over the open sheet, the alert naming the field as its
// window does; nothing is taken or waits.
TEST_F(RadiatorSheetTest, ADriverRecordWithACommaInAnyNumberIsRefusedNamingTheField) {
    const std::vector<std::pair<std::size_t, std::string>> fields = {
        {3, "Dia (Nominal Diameter)"}, {4, "Fs (Free Air Resonance)"}, {5, "Vas (Acoustic Volume)"},
        {6, "Qts (Total Q)"}, {7, "Qes (Electrical Q)"}, {8, "Qms (Mechanical Q)"}, {9, "Effi (Efficiency)"},
        {10, "Re (D.C. Resistance)"}, {11, "Pemax (Thermal Limit Power)"}, {12, "Sd (Effective Area)"},
        {13, "Xmax (Peak Linear Excursion)"}, {14, "Vd (Displacement Volume)"}, {15, "Le (Voice Coil Inductance)"}};
    for (const auto& [index, label] : fields) {
        SCOPED_TRACE(label);
        TearDown();
        SetUp();
        std::vector<std::string> record = driverFields();
        record[index] = "0,35";
        const DriverValues before = enteredDriver();
        fromOrvanel(recordText(record));
        EXPECT_EQ(dialogs.sheets, std::vector<std::string>{"12|ALERT!   Entered text is not a number.|" + label +
                                                           " is not a number.  ( Decimals take a point, not a comma. )"});
        EXPECT_EQ(dialogs.beeps, 1);
        EXPECT_EQ(state.speaker.s_SP2, SpeakerParameters{}.s_SP2);
        EXPECT_EQ(driverNumber(enteredDriver(), DriverField(index - 1)), driverNumber(before, DriverField(index - 1)));
        EXPECT_EQ(state.messages.DriverRecordWaitsFlag + state.messages.HeldDriverFlag, 0);
        EXPECT_EQ(state.messages.s_DummyPR, "NULL");
    }
}

// A driver record from a sibling whose name or range holds a control
// character, which the windows would not show: refused at once naming the
// text and the character; nothing is taken or waits.
TEST_F(RadiatorSheetTest, ADriverRecordWithAControlCharacterInANameIsRefusedNamingIt) {
    struct Case { std::size_t index; std::string text, named; };
    for (const Case& c : {Case{1, "Woofer\x1A" "8", "Model Name holds characters a design cannot keep: U+001A"},
                          Case{2, "30 Hz,\r3 kHz", "Frequency Range holds characters a design cannot keep: U+000D"}}) {
        SCOPED_TRACE(c.named);
        TearDown();
        SetUp();
        std::vector<std::string> record = driverFields();
        record[c.index] = c.text;
        fromOrvanel(recordText(record));
        EXPECT_EQ(dialogs.sheets, std::vector<std::string>{"12|ALERT!   Entered text holds characters a design cannot "
                                                           "keep.|" + c.named + ".  ( A design keeps the letters of "
                                                           "Western European languages, digits and common signs. )"});
        EXPECT_EQ(state.speaker.s_SP2, SpeakerParameters{}.s_SP2);
        EXPECT_EQ(state.messages.DriverRecordWaitsFlag + state.messages.HeldDriverFlag, 0);
    }
}

// One radiator unit with one number replaced, typed and applied, pasted or
// sent: every door ends in the same verdict. A record that arrives is
// refused at once only for a number that does not read as a number in its
// field (no number, a comma, another unit, too large), which lets its
// sender go; otherwise it is shown in the sheet, an empty field empty, and
// Apply judges it as it judges what is typed. A refusal beeps and names the
// field as the sheet labels it and why, and leaves the received unit, the
// sheet's texts and the waiting record as they were.
TEST_F(RadiatorSheetTest, EveryDoorJudgesARadiatorUnitAlike) {
    enum class Door { TypedAndApplied, Pasted, Sent };
    const std::array<int32_t, 9> sheetFields = {kPRManufacturerField, kPRModelField, kPRDiameterField,
                                                kPRFpField,           kPRVapField,   kPRQpField,
                                                kPRSdField,           kPRXmaxField,  kPRVdField};
    const std::array<std::string, 7> labels = {"Dia (Diameter)", "Fp (Free Air Resonance)", "Vap (Acoustic Volume)",
                                               "Qmp (Mechanical Q)", "Sd (Effective Area)",
                                               "Xmax (Peak Linear Excursion)", "Vd (Displacement Volume)"};
    // Each field's own unit as a data sheet writes it, another one, and the
    // alert's words for the unit the field takes.
    const std::array<std::string, 7> ownUnit = {" cm", " Hz", " L", "", " cm2", " mm", " cm^3"};
    // ... as copied from a data sheet: another blank, another case, the same
    // size spelled otherwise (text a sibling's 8-bit record cannot carry).
    const std::array<std::string, 7> copiedUnit = {"\u00A0CM", "\u2009HZ", "\u00A0dm\u00B3", "", "\u202Fsq cm",
                                                   "\tMM", "\u00A0cm\u00B3"};
    const std::array<std::string, 7> otherUnit = {"25 mm", "0.03 kHz", "48000 cm3", "6.2 Q", "0.033 m2", "1.1 cm",
                                                  "0.36 L"};
    const std::array<std::string, 7> takes = {"is in cm", "is in Hz", "is in liters", "takes a number alone",
                                              "is in cm2", "is in mm", "is in cm3"};
    using P = PassiveRadiatorParameters;
    const std::array<double P::*, 7> received = {&P::PRDIAOrg, &P::FPOrg,     &P::VAPOrg,  &P::QPOrg,
                                                 &P::PRSDOrg,  &P::PRXMAXOrg, &P::PRVDOrg};
    const std::string tooSmall = "ALERT!   Entered numerical value is too small.|";
    const std::string notANumber = "ALERT!   Entered text is not a number.|";
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const std::string& label = labels[i];
        const std::string plain = radiatorFields()[3 + i];
        const bool diameter = i == 0;  // may be left blank or 0: the radiator works by its area Sd
        const std::optional<double> takenIfDiameter = diameter ? std::optional(0.0) : std::nullopt;
        struct Case {
            std::string text;
            std::optional<double> taken;  // the value taken; none: refused with `alert`
            std::string alert;
            bool onArrival = false;  // a record is refused as it arrives
            std::string shown = "";  // what the sheet shows of a record that arrives
            bool sent = true;        // a sibling's 8-bit record can carry it
        };
        const std::vector<Case> cases = {
            {plain, std::stod(plain), "", false, plain},
            {plain + ownUnit[i], std::stod(plain), "", false, plain},
            {plain + copiedUnit[i], std::stod(plain), "", false, plain, false},
            {"nan", std::nullopt, notANumber + label + " is not a number.", true},
            {"-5", std::nullopt, tooSmall + label + (diameter ? " must not be negative." : " must be greater than 0."),
             false, "-5"},
            {"0", takenIfDiameter, tooSmall + label + " must be greater than 0.", false, "0"},
            {"", takenIfDiameter, "ALERT!   A field is left empty.|" + label + " is empty; it must be greater than 0."},
            {"0,35", std::nullopt, notANumber + label + " is not a number.  ( Decimals take a point, not a comma. )",
             true},
            {"1e999", std::nullopt,
             "ALERT!   Entered numerical value is too large.|" + label + " is too large to be read as a number.", true},
            {otherUnit[i], std::nullopt,
             "ALERT!   Entered unit is not taken.|" + label + " " + takes[i] + ": \"" + otherUnit[i] +
                 "\" is not taken.",
             true},
            {plain + " e2", std::nullopt, notANumber + label + " is not a number.", true},
        };
        for (const Case& c : cases) {
            for (const Door door : {Door::TypedAndApplied, Door::Pasted, Door::Sent}) {
                if (door == Door::Sent && !c.sent) continue;
                SCOPED_TRACE(label + " \"" + c.text + "\" door " + std::to_string(int(door)));
                TearDown();
                SetUp();
                drawnDesign();
                std::vector<std::string> unit = radiatorFields();
                unit[3 + i] = c.text;
                if (door == Door::TypedAndApplied) {
                    for (std::size_t f = 0; f < sheetFields.size(); ++f) type({{sheetFields[f], unit[1 + f]}});
                } else if (door == Door::Pasted) {
                    clipboard.content = recordText(unit);
                    PRDataEnterPasteParameterButton();
                } else {
                    platform::closeWindow(kSheet);  // a record sent with no sheet open is shown at once
                    fromOstrevane(recordText(unit));
                }
                if (door != Door::TypedAndApplied && c.onArrival) {
                    const int32_t alertWindow = door == Door::Sent ? kResponseWindow : kSheet;
                    EXPECT_EQ(dialogs.sheets, std::vector<std::string>{std::to_string(alertWindow) + "|" + c.alert});
                    EXPECT_EQ(dialogs.beeps, 1);
                    EXPECT_EQ(state.radiator.s_PROrg, "N/A");
                    EXPECT_EQ(state.messages.s_DummyPR, "NULL");
                    // A sender is let go; a paste refused leaves the sheet empty.
                    const std::vector<SentMessage> letGo = {{"Jevr", "Now I am free", "Ostrevane"}};
                    EXPECT_EQ(messenger.sent, door == Door::Sent ? letGo : std::vector<SentMessage>{});
                    EXPECT_EQ(platform::windowExists(kSheet), door != Door::Sent);
                    if (door == Door::Pasted) {
                        EXPECT_EQ(platform::controlText(kSheet, sheetFields[2 + i]), "");
                    }
                    continue;
                }
                if (door != Door::TypedAndApplied) {
                    // Shown for the user to see and complete; nothing taken yet.
                    ASSERT_TRUE(dialogs.sheets.empty());
                    EXPECT_EQ(platform::controlText(kSheet, sheetFields[2 + i]), c.shown);
                    EXPECT_EQ(platform::controlText(kSheet, kPRModelField), "PR-25");
                    EXPECT_EQ(state.radiator.s_PROrg, "N/A");
                }
                messenger.sent.clear();
                PRDataEnterWndApply();
                if (c.taken) {
                    EXPECT_TRUE(dialogs.sheets.empty());
                    EXPECT_EQ(state.radiator.s_PROrg, "PR-25");
                    EXPECT_DOUBLE_EQ(state.radiator.*received[i], *c.taken);
                    EXPECT_FALSE(platform::windowExists(kSheet));
                    continue;
                }
                EXPECT_EQ(dialogs.sheets, std::vector<std::string>{"12|" + c.alert});
                EXPECT_EQ(dialogs.beeps, 1);
                EXPECT_EQ(state.radiator.s_PROrg, "N/A");
                EXPECT_EQ(state.radiator.*received[i], 0.0);
                EXPECT_EQ(state.messages.s_DummyPR, "NULL");
                EXPECT_TRUE(messenger.sent.empty());
                // The sheet keeps what the user typed or what arrived.
                EXPECT_TRUE(platform::windowExists(kSheet));
                EXPECT_EQ(platform::controlText(kSheet, sheetFields[2 + i]),
                          door == Door::TypedAndApplied ? c.text : c.shown);
            }
        }
    }
}

// A record without Vd, pasted as many data sheets give it (cm², a no-break
// space before L): the sheet shows the other values and Vd empty; Apply
// names Vd; Vd typed with its unit is taken with the rest.
TEST_F(RadiatorSheetTest, ARecordWithoutVdIsCompletedInTheSheet) {
    drawnDesign();
    // The clipboard's own characters, the units as a data sheet writes them.
    std::vector<std::string> copied = radiatorFields();
    copied[5] = "48\u00A0L";
    copied[7] = "330 cm\u00B2";
    const std::string full = recordText(copied);
    clipboard.content = full.substr(0, full.size() - 5);  // "...  11  "
    PRDataEnterPasteParameterButton();
    ASSERT_TRUE(dialogs.sheets.empty());
    EXPECT_EQ(platform::controlText(kSheet, kPRManufacturerField), "Acme Audio");
    EXPECT_EQ(platform::controlText(kSheet, kPRFpField), "21.5");
    EXPECT_EQ(platform::controlText(kSheet, kPRXmaxField), "11");
    EXPECT_EQ(platform::controlText(kSheet, kPRSdField), "330");
    EXPECT_EQ(platform::controlText(kSheet, kPRVdField), "");

    PRDataEnterWndApply();
    EXPECT_EQ(dialogs.sheets, std::vector<std::string>{"12|ALERT!   A field is left empty.|Vd (Displacement Volume) "
                                                       "is empty; it must be greater than 0."});
    ASSERT_TRUE(platform::windowExists(kSheet));
    dialogs.sheets.clear();

    auto* vd = qobject_cast<QLineEdit*>(platform::qt::controlWidget(kSheet, kPRVdField));
    ASSERT_NE(vd, nullptr);
    vd->setFocus();
    QTest::keyClicks(vd, "360 cm");
    QTest::sendKeyEvent(QTest::Click, vd, Qt::Key_unknown, QStringLiteral("\u00B3"), Qt::NoModifier);  // Mac Roman lacks it
    ASSERT_EQ(vd->text(), QStringLiteral("360 cm\u00B3"));
    PRDataEnterWndApply();
    EXPECT_TRUE(dialogs.sheets.empty());
    EXPECT_FALSE(platform::windowExists(kSheet));
    EXPECT_EQ(state.radiator.s_PROrg, "PR-25");
    EXPECT_DOUBLE_EQ(state.radiator.FPOrg, 21.5);
    EXPECT_DOUBLE_EQ(state.radiator.PRVDOrg, 360.0);
    EXPECT_DOUBLE_EQ(state.radiator.PRSDOrg, 330.0);
    EXPECT_DOUBLE_EQ(state.radiator.VAPOrg, 48.0);
    EXPECT_DOUBLE_EQ(state.radiator.PRVD, 360.0);  // the design's radiator from now on, one of it
}

TEST_F(RadiatorSheetTest, ApplyMakesTheUnitTheAlignmentOfTheRadiatorSystems) {
    struct Case {
        int32_t tab, button;
        int32_t alin;     // expected alignment
        uint8_t useFlag;  // expected PRUseFlag
    };
    for (const Case& c : {Case{1, 4, 3, 1}, Case{2, 2, 4, 1}, Case{1, 3, 1, 0}}) {
        SCOPED_TRACE(c.tab * 10 + c.button);
        TearDown();
        SetUp();
        state.selection.SysSelTabNum = c.tab;
        state.selection.SysSelBtnNum = c.button;
        drawnDesign();
        state.radiator.PopupPRNum = 3;
        state.radiator.PRUseFlag = 1;
        typeValidUnit();
        PRDataEnterWndApply();
        EXPECT_FALSE(platform::windowExists(kSheet));
        EXPECT_EQ(state.selection.Alin, c.alin);
        EXPECT_EQ(state.radiator.PRUseFlag, c.useFlag);
        EXPECT_EQ(state.radiator.PRDataInFlag, 1);
        EXPECT_EQ(state.radiator.s_PROrg, "PR-30");
        EXPECT_DOUBLE_EQ(state.radiator.FP, 18.0);
        EXPECT_DOUBLE_EQ(state.radiator.PRXMAX, 12.0);
        if (c.useFlag == 1) {
            EXPECT_DOUBLE_EQ(state.radiator.VAP, 60.0);  // one radiator
        }
        EXPECT_EQ(messenger.sent, (std::vector<SentMessage>{{"Jevr", "Now I am free", "Ostrevane"}}));
    }
    // The radiator systems go back to one radiator; the others keep the
    // count and scale the unit by it.
    EXPECT_EQ(state.radiator.PopupPRNum, 3);
    EXPECT_DOUBLE_EQ(state.radiator.VAP, 3 * 60.0);
}

// A unit with which the alignment that applies it builds no real box (a
// resonance kept as 0 Hz at the hundredth the design keeps) is refused as
// the Alignment menus refuse one: the sheet stays, the radiator is kept.
TEST_F(RadiatorSheetTest, ApplyRefusesAUnitThatBuildsNoRealBox) {
    drawnDesign();
    const PassiveRadiatorParameters before = state.radiator;
    typeValidUnit();
    type({{54, "0.004"}});
    PRDataEnterWndApply();
    EXPECT_TRUE(platform::windowExists(kSheet));
    EXPECT_EQ(state.selection.Alin, 1);
    EXPECT_TRUE(state.radiator.FPOrg == before.FPOrg && state.radiator.FP == before.FP && !state.radiator.PRDataInFlag);
    EXPECT_EQ(dialogs.sheets, std::vector<std::string>{"12|ALERT!   Impossible alignment.  Fp is not above 0.|For this "
                                                       "driver the alignment gives Fp = 0.00 Hz.  ( Choose another "
                                                       "alignment. )"});
}

// The unit entered stays in memory, but the System Info palette names it
// only for a design that has a passive radiator.
TEST_F(RadiatorSheetTest, TheInfoPaletteNamesTheUnitOnlyForADesignWithARadiator) {
    state.prefs.InitSetupCheck = 0;
    drawnDesign();
    typeValidUnit();
    PRDataEnterWndApply();
    SystemInfoFloatPalet();
    EXPECT_EQ(platform::controlText(kSystemInfoPalette, 37), ": PR-30");

    platform::closeWindow(kSystemInfoPalette);
    platform::closeWindow(kResponseWindow);
    SystemSelectWnd();
    state.selection.SysSelBtnNum = 3;  // a Vented Box design
    systemSelectConfirm();
    ASSERT_TRUE(platform::windowExists(kSystemInfoPalette));
    EXPECT_EQ(state.radiator.PRDataInFlag, 1);
    EXPECT_EQ(platform::controlText(kSystemInfoPalette, 37), ": No Data");
}

TEST_F(RadiatorSheetTest, CancelClosesAndTakesNothing) {
    typeValidUnit();
    PRDataEnterWndCancel();
    EXPECT_FALSE(platform::windowExists(kSheet));
    EXPECT_EQ(state.radiator.s_PROrg, "N/A");
    EXPECT_EQ(messenger.sent, (std::vector<SentMessage>{{"Jevr", "Now I am free", "Ostrevane"}}));
}

// A radiator's name with characters a design cannot keep (beyond its 8-bit
// text, or a control character it would not show), typed and applied, in a
// record pasted (the clipboard's own characters) complete or leaving out
// its Vd, or sent as a sibling's 8-bit record: refused, the alert naming the
// name that holds the character and each character; nothing is taken, the
// sheet keeps what it held, and a sender is let go. A letter and its accent
// typed or copied apart are the accented letter, and kept.
TEST_F(RadiatorSheetTest, ANameADesignCannotKeepIsRefusedTypedPastedOrSent) {
    struct Case {
        int32_t field;
        std::string name;     // UTF-8, as typed or copied
        std::string message;  // the alert's; empty: the name is kept, as `kept`
        std::string model = "PR-25";
        std::string kept = "";
        bool eightBit = false;  // a sibling's 8-bit record can carry it
    };
    const std::string title = "ALERT!   Entered text holds characters a design cannot keep.|";
    const std::string note = ".  ( A design keeps the letters of Western European languages, digits and common signs. )";
    const Case cases[] = {
        {kPRManufacturerField, "Ακμή Audio",
         "Manufacturer holds characters a design cannot keep: U+0391 U+03BA U+03BC U+03AE"},
        {kPRModelField, "PR-テスト-テ", "Model Name holds characters a design cannot keep: U+30C6 U+30B9 U+30C8"},
        {kPRModelField, "PR-25\nPR-30", "Model Name holds characters a design cannot keep: U+000A", "", "", true},
        {kPRManufacturerField, "Acme\tAudio", "Manufacturer holds characters a design cannot keep: U+0009", "PR-25", "",
         true},
        // The top of each range of control characters.
        {kPRModelField, "PR-25\x1F", "Model Name holds characters a design cannot keep: U+001F", "", "", true},
        {kPRManufacturerField, "Acme\x7F", "Manufacturer holds characters a design cannot keep: U+007F", "PR-25", "",
         true},
        // The first name holds the substitute character, the second one a
        // character beyond the design's text: each is blamed for its own.
        {kPRManufacturerField, "Acme\x1A", "Manufacturer holds characters a design cannot keep: U+001A", "PR-テ"},
        {kPRModelField, "PR-Cafe\u0301", "", "PR-25", "PR-Caf\x8E"},
    };
    for (const Case& c : cases) {
        for (const char* door : {"typed", "pasted", "pasted without Vd", "sent"}) {
            SCOPED_TRACE(c.name + " " + door);
            const std::string_view d = door;
            if (d == "sent" && !c.eightBit) continue;  // a sibling's record holds 8-bit text only
            TearDown();
            SetUp();
            drawnDesign();
            std::vector<std::string> unit = radiatorFields();
            unit[c.field == kPRManufacturerField ? 1 : 2] = c.name;
            const std::string model = c.field == kPRModelField ? "PR-25" : c.model;
            if (c.field == kPRManufacturerField) unit[2] = model;
            if (d == "pasted without Vd") unit.pop_back();
            if (d == "typed") {
                typeValidUnit();
                type({{kPRModelField, model}, {c.field, c.name}});
                PRDataEnterWndApply();
            } else if (d == "sent") {
                platform::closeWindow(kSheet);
                fromOstrevane(recordText(unit));
            } else {
                // The desktop's own clipboard: it composes what it holds.
                platform::setClipboardService(&platform::qt::desktopClipboard());
                QGuiApplication::clipboard()->setText(QString::fromStdString(recordText(unit)));
                PRDataEnterPasteParameterButton();
                QGuiApplication::clipboard()->clear();
                EXPECT_EQ(platform::isControlEnabled(kSheet, kPRPasteButton), !c.message.empty());
                if (c.message.empty()) {
                    EXPECT_EQ(platform::controlText(kSheet, c.field), c.kept);
                    if (d == "pasted") PRDataEnterWndApply();
                }
            }
            if (c.message.empty()) {
                EXPECT_TRUE(dialogs.sheets.empty());
                if (d != "pasted without Vd") {
                    EXPECT_EQ(state.radiator.s_PROrg, c.kept);
                    EXPECT_EQ(state.radiator.PRDataInFlag, 1);
                }
                continue;
            }
            const int32_t window = d == "sent" ? kResponseWindow : kSheet;
            EXPECT_EQ(dialogs.sheets, std::vector<std::string>{std::to_string(window) + "|" + title + c.message + note});
            EXPECT_EQ(dialogs.beeps, 1);
            EXPECT_EQ(platform::windowExists(kSheet), d != "sent");
            EXPECT_EQ(messenger.texts(), d == "sent" ? std::vector<std::string>{"Now I am free"} : std::vector<std::string>{});
            EXPECT_EQ(state.radiator.s_ManufOrg, "N/A");
            EXPECT_EQ(state.radiator.s_PROrg, "N/A");
            EXPECT_EQ(state.radiator.PRDataInFlag, 0);
            if (d == "typed") {
                auto* edit = qobject_cast<QLineEdit*>(platform::qt::controlWidget(kSheet, c.field));
                EXPECT_EQ(edit->text(), QString::fromStdString(c.name));
            }
        }
    }
}

TEST_F(RadiatorSheetTest, EveryTextFitsItsRectangleAndEveryFieldIsThere) {
    const platform::qt::WindowRecord* record = platform::qt::findWindow(kSheet);
    ASSERT_NE(record, nullptr);
    int labels = 0;
    for (const auto& [number, control] : record->controls) {
        auto* label = qobject_cast<QLabel*>(control.widget.data());
        if (control.kind != platform::ControlKind::StaticText || label == nullptr) continue;
        ++labels;
        const QFontMetrics metrics(label->font());
        EXPECT_LE(metrics.horizontalAdvance(label->text()), label->contentsRect().width()) << number;
        EXPECT_LE(metrics.height(), label->contentsRect().height() + 2) << number;
    }
    EXPECT_GE(labels, 16);
    for (int32_t field : {51, 52, 53, 54, 56, 57, 58, 59, 60})
        EXPECT_NE(qobject_cast<QLineEdit*>(platform::qt::controlWidget(kSheet, field)), nullptr) << field;
    EXPECT_FALSE(platform::controlExists(kSheet, 55));
}

TEST_F(RadiatorSheetTest, WithoutAResponseWindowThereIsNoSheet) {
    platform::resetPlatform();
    EXPECT_EQ(PassiveRadiDataEnterWnd(), -1);
    EXPECT_FALSE(platform::windowExists(kSheet));
}

}  // namespace
}  // namespace quendal::test
