// Every number field of every window, typed into: a comma is refused with the
// field's own message, which says how decimals are written, and so are entries
// whose design overflows; the stored design, preferences and page stay.
#include "PaletteFixture.h"

#include <cctype>
#include <functional>

#include "app/DesignDocument.h"
#include "app/PopupMenus.h"
#include "dialogs/FieldText.h"
#include "response/VentRecords.h"
#include "response/VentSizing.h"
#include "vent/VentDesignSheet.h"
#include "vent/VentSetupSheet.h"
#include "windows/DefaultParameters.h"
#include "windows/InitialSetup.h"
#include "windows/PageSetup.h"
#include "windows/PassiveRadiatorData.h"
#include "windows/PreferencesWindow.h"

namespace quendal::test {
namespace {

using Step = std::function<void()>;
struct Window { Step open; int32_t number; Step ok; };

void design(int32_t tab, int32_t button) {
    state.selection = {tab, button, 2, 1};  // a vented system asks for the port thickness too
    state.power.InputPowerCheck = 0;        // the power fields take what is typed
    CofCal(), AsVentOpt(), BoxParameterBackup();
}
Window palette(int32_t tab, int32_t button, int32_t alin) {
    return {[=] { design(tab, button), state.selection.Alin = alin, CustomFloatPalet(), CustomPaletDisp(); },
            kCustomPalette, [] { CustumPaletCalcReturn(); }};
}
// Vent 1 of a Vented Box in the Vent Design sheet, with a form that takes a size.
Window ventSheet(int32_t tab, int32_t radio) {
    return {[=] {
                BuildVentNumPopupMenu(), design(1, 3), state.vents.VentID = 1, PreVentParameterChange();
                VentRecord& w = state.vents.working;
                w.VentTypeTab = tab, (tab == 1 ? w.CircVentRadio : w.RectVentRadio) = radio, VentDesignWnd();
            },
            kVentDesignSheet, [] { VentDesignCalcOKReturn(1); }};
}
const Window kSetup{[] { design(1, 3), InitialSetupWnd(); }, kInitialSetupSheet, [] { InitSetupOkReturn(); }};
const Window kVentSetup{[] { ventSheet(1, 2).open(), InitialSetupWndForVentDesign(); }, kVentInitialSetupSheet,
                        [] { InitSetupOkReturnForVentDesignWnd(); }};
const Window kDriver{[] { DefaultParamWnd(); }, kDefaultParametersWindow, [] { DefaultParamWndOKReturn(); }};
const Window kRadiator{[] { PassiveRadiDataEnterWnd(); }, kPassiveRadiatorSheet, [] { PRDataEnterWndApply(); }};
const Window kPrefs{[] { PreferenceWnd(); }, kPreferencesWindow, [] { PreferenceWndOKReturn(); }};
const Window kPage{[] { PageSetupWnd(kResponseWindow); }, kPageSetupSheet, [] { PageSetupWndOKReturn(); }};

struct Typed { Window window; platform::ControlNumber field; const char* text; const char* named; const char* title = nullptr; };
constexpr const char* kUnit = "ALERT!   Entered unit is not taken.";
constexpr const char* kNoNumber = "ALERT!   Entered text is not a number.";
void PrintTo(const Typed& t, std::ostream* os) { *os << t.window.number << "/" << t.field << " \"" << t.text << "\""; }

std::vector<Typed> everyNumberField() {
    std::vector<Typed> rows = {
        {palette(1, 2, 2), 31, "47,5", "Vb is"}, {palette(1, 2, 3), 32, "0,707", "Qtc is"},
        {palette(1, 3, 4), 32, "1,000", "Fb is"}, {palette(1, 4, 4), 34, "5,5", "Qmp is"},
        {palette(2, 8, 5), 36, "60,5", "Fb3 is"},
        // A chamber too vast for a double overflows its port's area.
        {palette(1, 3, 4), 31, "1e308", "Vb 1e308 Liter and Fb "}, {palette(2, 8, 5), 31, "1e300", "Vb1 1e300"},
        {kSetup, 10, "0,4", "input power"}, {kSetup, 11, "12,5", "port thickness"},
        {kVentSetup, kVentSetupPowerField, "1,000", "input power"},
        {kVentSetup, kVentSetupThicknessField, "12,5", "port thickness"},
        {ventSheet(1, 2), kVentSizeField, "90,5", "Diameter 90,5 mm"},
        {ventSheet(2, 1), kVentSizeField, "120,5", "Width 120,5 mm"},
        {ventSheet(2, 2), kVentSecondSizeField, "80,5", "Height 80,5 mm"},
        {ventSheet(1, 2), kVentSizeField, "1e308", "Diameter 1e308 mm"},
        {kPrefs, kInputPowerField, "12,5", "input power"}, {kPrefs, kPortThicknessField, "1,000", "port thickness"},
        {kPage, kScaleField, "87,5", "Scale"}, {kPage, kScaleField, "1e999", "Scale"},
        // Beyond any number: said to be too large, not to be below the least power.
        {kSetup, 10, "1e309", "The input power 1e309 Watts is too large."},
        {kVentSetup, kVentSetupPowerField, "1e309", "The input power 1e309 Watts is too large."},
        {kPrefs, kInputPowerField, "1e309", "The input power 1e309 W is too large."},
        // A number is taken only in its field's own unit; another one, or an
        // exponent or sign that would be dropped, refuses it by name.
        {kDriver, defaultParamField(DriverField::FS), "0.03 kHz",
         "Fs (Free Air Resonance) is in Hz: \"0.03 kHz\" is not taken.", kUnit},
        {kDriver, defaultParamField(DriverField::VAS), "1.77 ft3", "Vas (Acoustic Volume) is in liters", kUnit},
        {kDriver, defaultParamField(DriverField::SD), "0.022 m2", "Sd (Effective Area) is in cm2", kUnit},
        {kDriver, defaultParamField(DriverField::RE), "6R8", "Re (D.C. Resistance) is in ohms: \"6R8\"", kUnit},
        {kDriver, defaultParamField(DriverField::RE), "2k2", "Re (D.C. Resistance) is in ohms", kUnit},
        {kDriver, defaultParamField(DriverField::QTS), "0.4 Q", "Qts (Total Q) takes a number alone", kUnit},
        {kDriver, defaultParamField(DriverField::PEMX), "-0x64", "Pemax (Thermal Limit Power) is not a number.", kNoNumber},
        {kDriver, defaultParamField(DriverField::FS), "1.5 e3", "Fs (Free Air Resonance) is not a number.", kNoNumber},
        {kDriver, defaultParamField(DriverField::FS), "1.5e 3", "Fs (Free Air Resonance) is not a number.", kNoNumber},
        {palette(1, 2, 2), 31, "40000 cm3", "Vb is in liters: \"40000 cm3\" is not taken.", kUnit},
        {palette(1, 3, 4), 32, "0.05 kHz", "Fb is in Hz", kUnit},
        {palette(1, 2, 3), 32, "0.707 Q", "Qtc takes a number alone", kUnit},
        {kSetup, 11, "5 cm", "The port thickness is in mm: \"5 cm\" is not taken.", kUnit},
        {kSetup, 10, "5 k", "The input power is in watts", kUnit},
        {kVentSetup, kVentSetupPowerField, "0.1 kW", "The input power is in watts", kUnit},
        {kPrefs, kInputPowerField, "5 k", "The input power is in watts: \"5 k\" is not taken.", kUnit},
        {kPrefs, kPortThicknessField, "0.5 cm", "The port thickness is in mm", kUnit},
        {ventSheet(1, 2), kVentSizeField, "9 cm", "Diameter is in mm: \"9 cm\" is not taken.", kUnit},
        {ventSheet(2, 2), kVentSecondSizeField, "8 cm", "Height is in mm", kUnit},
        {kPage, kScaleField, "150 dpi", "Scale is in %: \"150 dpi\" is not taken.", kUnit},
        {kRadiator, kPRFpField, "0.03 kHz", "Fp (Free Air Resonance) is in Hz", kUnit},
        {kRadiator, kPRVdField, "1.5e", "Vd (Displacement Volume) is not a number.", kNoNumber},
        // Only Pemax asks for a thermal limit, and only a peak rating there is
        // told that it is none; other words after the watts are just refused.
        {kDriver, defaultParamField(DriverField::PEMX), "500 W peak",
         "Pemax (Thermal Limit Power) is in watts: \"500 W peak\" is not taken.  ( A peak, max, program or music "
         "rating is not a thermal limit: the continuous (RMS) rating is. )", kUnit},
        // A comma that is no decimal comma is told for what follows it, with
        // no word of decimals.
        {kDriver, defaultParamField(DriverField::PEMX), "100 W, peak",
         "Pemax (Thermal Limit Power) is in watts: \"100 W, peak\" is not taken.  ( A peak, max, program or music "
         "rating is not a thermal limit: the continuous (RMS) rating is. )", kUnit},
        {kDriver, defaultParamField(DriverField::FS), "50,", "Fs (Free Air Resonance) is not a number.", kNoNumber},
        {palette(1, 2, 2), 31, "47, 5", "Vb is not a number.", kNoNumber},
        {kDriver, defaultParamField(DriverField::PEMX), "100 W nom.",
         "Pemax (Thermal Limit Power) is in watts: \"100 W nom.\" is not taken.", kUnit},
        {kDriver, defaultParamField(DriverField::PEMX), "60 W (IEC 268-5)", "is in watts", kUnit},
        {kDriver, defaultParamField(DriverField::PEMX), "250 Wrms", "is in watts: \"250 Wrms\" is not taken.", kUnit},
        {kDriver, defaultParamField(DriverField::VAS), "250 W peak", "Vas (Acoustic Volume) is in liters", kUnit},
        {kPrefs, kInputPowerField, "500 W peak", "The input power is in watts: \"500 W peak\" is not taken.", kUnit},
        {kSetup, 10, "250 W max", "The input power is in watts", kUnit},
        // A capital M before a small letter is the mega prefix.
        {kDriver, defaultParamField(DriverField::LE), "0.45 Mh", "Le (Voice Coil Inductance) is in mH", kUnit},
        {kDriver, defaultParamField(DriverField::VD), "360 Ml", "Vd (Displacement Volume) is in cm3", kUnit},
        {kDriver, defaultParamField(DriverField::FS), "0.05 MHZ", "Fs (Free Air Resonance) is in Hz", kUnit},
    };
    const char* driver[] = {"Dia", "Fs", "Vas", "Qts", "Qes", "Qms", "Effi", "Re", "Pe", "Sd", "Xmax", "Vd", "Le"};
    for (int i = 0; i < 13; ++i) rows.push_back({kDriver, defaultParamField(DriverField(i + 2)), "0,38", driver[i]});
    const char* radiator[] = {"Dia", "Fp", "", "Vap", "Qmp", "Sd", "Xmax", "Vd"};  // fields 53-60, 55 unused
    for (int i = 0; i < 8; ++i)
        if (*radiator[i] != 0) rows.push_back({kRadiator, kPRDiameterField + i, "12,5", radiator[i]});
    return rows;
}

std::string stored() {
    return storedDesignValues(state) + fieldText(state.power.InputPower) + "/" + fieldText(state.power.PortThickness) +
           "/" + fieldText(state.print.GPrintScale) + "/" + fieldText(state.power.PIN) + "/" + fieldText(state.shell.LVP);
}

class TypedNumber : public CustomPaletteTest, public testing::WithParamInterface<Typed> {};

TEST_P(TypedNumber, IsRefusedWithTheFieldsMessageAndNothingStoredChanges) {
    const Typed& t = GetParam();
    t.window.open();
    if (t.window.number == kCustomPalette) t.window.ok();  // the design the palette shows, settled
    dialogs.sheets.clear();
    const std::string before = stored();
    auto* edit = qobject_cast<QLineEdit*>(platform::qt::controlWidget(t.window.number, t.field));
    ASSERT_NE(edit, nullptr);
    if (t.window.number == kCustomPalette) type(t.field, t.text);
    else edit->setFocus(), edit->selectAll(), QTest::keyClick(edit, Qt::Key_Backspace), QTest::keyClicks(edit, t.text);
    EXPECT_EQ(platform::controlText(t.window.number, t.field), t.text);  // every character kept
    t.window.ok();

    ASSERT_EQ(dialogs.sheets.size(), 1u);
    // A comma between digits, where it may be a decimal comma.
    const std::string_view text(t.text);
    bool comma = false;
    for (std::size_t i = 1; i + 1 < text.size(); ++i)
        comma = comma || (text[i] == ',' && std::isdigit(static_cast<unsigned char>(text[i - 1])) &&
                          std::isdigit(static_cast<unsigned char>(text[i + 1])));
    EXPECT_EQ(dialogs.sheets[0].title, t.title != nullptr ? t.title
                                       : comma            ? "ALERT!   Entered text is not a number."
                                                          : "ALERT!   Entered numerical value is too large.");
    const std::string& message = dialogs.sheets[0].message;
    EXPECT_NE(message.find(t.named), std::string::npos) << message;
    EXPECT_EQ(message.find("thermal limit:") != std::string::npos,
              std::string_view(t.named).find("thermal limit:") != std::string_view::npos) << message;
    EXPECT_EQ(message.ends_with("  ( Decimals take a point, not a comma. )"), comma) << message;
    EXPECT_TRUE(platform::windowExists(t.window.number));
    EXPECT_EQ(stored(), before);
}
INSTANTIATE_TEST_SUITE_P(EveryNumberField, TypedNumber, testing::ValuesIn(everyNumberField()));

// The field's own unit typed after the number is taken, as data sheets
// write it, the raised 2 of cm² too, which the 8-bit text lacks.
TEST_F(CustomPaletteTest, TheFieldsOwnUnitIsTakenWithTheNumber) {
    const auto retype = [](int32_t window, platform::ControlNumber field, const QString& text) {
        auto* edit = qobject_cast<QLineEdit*>(platform::qt::controlWidget(window, field));
        ASSERT_NE(edit, nullptr);
        edit->setFocus(), edit->selectAll(), QTest::keyClick(edit, Qt::Key_Backspace);
        for (const QChar c : text) {
            if (c.unicode() < 0x80) QTest::keyClick(edit, c.toLatin1());
            else QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
        ASSERT_EQ(edit->text(), text);
    };
    kDriver.open();
    retype(kDefaultParametersWindow, defaultParamField(DriverField::FS), "12.5 Hz");
    retype(kDefaultParametersWindow, defaultParamField(DriverField::SD), QStringLiteral("220 cm\u00B2"));
    retype(kDefaultParametersWindow, defaultParamField(DriverField::RE), QStringLiteral("6.8 \u2126"));
    retype(kDefaultParametersWindow, defaultParamField(DriverField::VAS), "62 litre");
    retype(kDefaultParametersWindow, defaultParamField(DriverField::LE), "0.45 MH");  // capitals: the unit's
    retype(kDefaultParametersWindow, defaultParamField(DriverField::VD), "360 ML");
    kDriver.ok();
    EXPECT_TRUE(dialogs.sheets.empty());
    EXPECT_DOUBLE_EQ(state.speaker.FS2, 12.5);
    EXPECT_DOUBLE_EQ(state.speaker.SD2, 220.0);
    EXPECT_DOUBLE_EQ(state.speaker.RE2, 6.8);
    EXPECT_DOUBLE_EQ(state.speaker.VAS2, 62.0);
    EXPECT_DOUBLE_EQ(state.speaker.LE2, 0.45);
    EXPECT_DOUBLE_EQ(state.speaker.VD2, 360.0);

    kPrefs.open();
    retype(kPreferencesWindow, kInputPowerField, "25 W");
    retype(kPreferencesWindow, kPortThicknessField, "12mm");
    kPrefs.ok();
    EXPECT_TRUE(dialogs.sheets.empty());
    EXPECT_DOUBLE_EQ(state.power.InputPower, 25.0);
    EXPECT_DOUBLE_EQ(state.power.PortThickness, 12.0);

    kPage.open();
    retype(kPageSetupSheet, kScaleField, "150 %");
    kPage.ok();
    EXPECT_TRUE(dialogs.sheets.empty());
    EXPECT_DOUBLE_EQ(state.print.GPrintScale, 150.0);

    palette(1, 2, 2).open();
    type(31, "40 L");
    CustumPaletCalcReturn();
    EXPECT_TRUE(dialogs.sheets.empty());
    EXPECT_DOUBLE_EQ(state.box.VB, 40.0);
}

}  // namespace
}  // namespace quendal::test
