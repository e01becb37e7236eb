// The Default Parameters window driven through its entry fields: a refused
// field keeps the window and takes nothing; an accepted driver leads on to
// the System Select window.
#include "DesignEntryFixture.h"

#include "windows/DefaultParameters.h"

namespace quendal::test {
namespace {

class DefaultParametersWindow : public DesignEntryTest {};

struct Refusal {
    DriverField field;
    const char* typed;
    const char* title;
    const char* named;  // the alert names the field by its label
};
void PrintTo(const Refusal& r, std::ostream* os) { *os << r.named << " \"" << r.typed << "\""; }

class RefusedField : public DefaultParametersWindow, public testing::WithParamInterface<Refusal> {};

TEST_P(RefusedField, KeepsTheWindowTakesNothingAndFocusesTheField) {
    const Refusal& r = GetParam();
    DefaultParamWnd();
    type(kDefaultParametersWindow, defaultParamField(DriverField::Model), "Other model");
    type(kDefaultParametersWindow, defaultParamField(r.field), r.typed);
    DefaultParamWndOKReturn();

    EXPECT_TRUE(platform::windowExists(kDefaultParametersWindow));
    EXPECT_FALSE(platform::windowExists(kSystemSelectWindow));
    ASSERT_EQ(recorder.sheets.size(), 1u);
    EXPECT_EQ(recorder.sheets[0].window, kDefaultParametersWindow);
    EXPECT_EQ(recorder.sheets[0].title, r.title);
    EXPECT_EQ(recorder.sheets[0].message.rfind(r.named, 0), 0u) << recorder.sheets[0].message;
    EXPECT_EQ(platform::keyboardFocus(kDefaultParametersWindow), defaultParamField(r.field));
    EXPECT_EQ(state.speaker.s_SP2, "Test20-04");  // not even the fields that were right
    // The field keeps what was typed, every character of it, selected: the
    // correction typed next replaces it.
    auto* edit = qobject_cast<QLineEdit*>(platform::qt::controlWidget(kDefaultParametersWindow, defaultParamField(r.field)));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->text(), QString::fromUtf8(r.typed));
    EXPECT_EQ(edit->selectedText(), edit->text());
}

INSTANTIATE_TEST_SUITE_P(
    Fields, RefusedField,
    testing::Values(Refusal{DriverField::FS, "0", "ALERT!   Entered numerical value is too small.", "Fs"},
                    Refusal{DriverField::SD, "cm", "ALERT!   Entered text is not a number.", "Sd"},
                    Refusal{DriverField::VAS, "1e999", "ALERT!   Entered numerical value is too large.", "Vas"},
                    Refusal{DriverField::FS, "1e6", "ALERT!   Entered numerical value is too large.", "Fs"},
                    Refusal{DriverField::LE, "-1", "ALERT!   Entered numerical value is too small.", "Le"},
                    Refusal{DriverField::EFI, "150", "ALERT!   Entered numerical value is too large.", "Effi"},
                    // A design keeps 8-bit text: a name is refused, never kept with "?" for a character.
                    Refusal{DriverField::Model, "Динамик-テスト", "ALERT!   Entered text holds characters a design cannot keep.",
                            "Model Name holds characters a design cannot keep: U+0414 U+0438 U+043D U+0430 U+043C "
                            "U+043A U+30C6 U+30B9 U+30C8."},
                    // "–", "±" and "Ω" a design keeps; "½" it does not.
                    Refusal{DriverField::Range, "20 Hz – 3 kHz ±3 dB, 8 Ω, ½ W",
                            "ALERT!   Entered text holds characters a design cannot keep.",
                            "Frequency Range holds characters a design cannot keep: U+00BD."},
                    // A name holds only what it shows: no line break, no tab.
                    Refusal{DriverField::Model, "Woofer\n8", "ALERT!   Entered text holds characters a design cannot keep.",
                            "Model Name holds characters a design cannot keep: U+000A."},
                    Refusal{DriverField::Range, "30 Hz\t3 kHz", "ALERT!   Entered text holds characters a design cannot keep.",
                            "Frequency Range holds characters a design cannot keep: U+0009."},
                    // The top of each range of control characters.
                    Refusal{DriverField::Model, "Woofer\x1F" "8", "ALERT!   Entered text holds characters a design cannot keep.",
                            "Model Name holds characters a design cannot keep: U+001F."},
                    Refusal{DriverField::Range, "30 Hz\x7F", "ALERT!   Entered text holds characters a design cannot keep.",
                            "Frequency Range holds characters a design cannot keep: U+007F."},
                    // Another unit, or another rating than the continuous one, named
                    // with the field and the text as typed, its blanks plain.
                    Refusal{DriverField::PEMX, "500 W peak", "ALERT!   Entered unit is not taken.",
                            "Pemax (Thermal Limit Power) is in watts: \"500 W peak\" is not taken.  ( A peak, max, "
                            "program or music rating is not a thermal limit: the continuous (RMS) rating is. )"},
                    Refusal{DriverField::VAS, "40000\tcm3", "ALERT!   Entered unit is not taken.",
                            "Vas (Acoustic Volume) is in liters: \"40000 cm3\" is not taken."}));

// A decimal comma is no number here: the alert says so in its own words,
// and how decimals are written.
TEST_F(DefaultParametersWindow, ADecimalCommaIsReportedAsNoNumber) {
    DefaultParamWnd();
    type(kDefaultParametersWindow, defaultParamField(DriverField::QTS), "3,4");
    DefaultParamWndOKReturn();
    ASSERT_EQ(recorder.sheets.size(), 1u);
    EXPECT_EQ(recorder.sheets[0].title, "ALERT!   Entered text is not a number.");
    EXPECT_EQ(recorder.sheets[0].message, "Qts (Total Q) is not a number.  ( Decimals take a point, not a comma. )");
    EXPECT_NE(state.speaker.QTS2, 3.0);
    EXPECT_NE(state.speaker.QTS2, 3.4);
}

// At the start the window is the way in: OK and Quit, no Cancel.
TEST_F(DefaultParametersWindow, AtTheStartItOffersQuitAndNoCancel) {
    DefaultParamWnd();
    EXPECT_TRUE(platform::controlExists(kDefaultParametersWindow, 3));
    EXPECT_FALSE(platform::controlExists(kDefaultParametersWindow, 2));
}

TEST_F(DefaultParametersWindow, ShowsTheEnteredDriverAndTakesItOnOk) {
    state.speaker.FS2 = 42.5;
    DefaultParamWnd();
    EXPECT_EQ(platform::controlText(kDefaultParametersWindow, defaultParamField(DriverField::FS)), "42.5");
    EXPECT_EQ(labelsThatDoNotFit(kDefaultParametersWindow), std::vector<std::string>{});

    type(kDefaultParametersWindow, defaultParamField(DriverField::Model), QString(70, QLatin1Char('W')));
    type(kDefaultParametersWindow, defaultParamField(DriverField::Range), QString::fromUtf8("Cafe\u0301"));
    type(kDefaultParametersWindow, defaultParamField(DriverField::FS), "38");
    type(kDefaultParametersWindow, defaultParamField(DriverField::QES), "0");
    state.connection.SpConNum = 3;
    DefaultParamWndOKReturn();

    EXPECT_TRUE(recorder.sheets.empty());
    EXPECT_FALSE(platform::windowExists(kDefaultParametersWindow));
    EXPECT_TRUE(platform::isWindowVisible(kSystemSelectWindow));
    EXPECT_EQ(state.speaker.s_SP2.size(), 59u);
    EXPECT_EQ(state.speaker.s_RANG2, "Caf\x8E");  // the letter and its accent typed apart: one letter
    EXPECT_DOUBLE_EQ(state.speaker.FS2, 38.0);
    EXPECT_DOUBLE_EQ(state.speaker.QES2, 0.0);
    // A system is chosen for one driver: the effective set is the entered one.
    EXPECT_EQ(state.connection.SpConNum, 1);
    EXPECT_DOUBLE_EQ(state.speaker.FS, 38.0);
}

TEST_F(DefaultParametersWindow, QuitEndsTheProgramWithStatusZero) {
    DefaultParamWnd();
    platform::installTimer(0.0, [] { platform::quitApplication(7); });  // only if Quit did not end it
    DefaultParamWndQuit();
    EXPECT_EQ(platform::runEventLoop(), 0);
}

}  // namespace
}  // namespace quendal::test
