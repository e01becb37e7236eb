#include "windows/DefaultParameters.h"

#include <array>
#include <optional>
#include <string>

#include "model/KeptDesign.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"
#include "selection/SystemSelect.h"
#include "dialogs/Alerts.h"
#include "dialogs/FieldText.h"
#include "dialogs/ParameterRecords.h"
#include "dialogs/DialogControls.h"
#include "dialogs/NameText.h"
#include "model/ParameterPasses.h"

namespace quendal {

namespace {

using platform::ControlKind;
using platform::ControlSpec;
using platform::TextAlign;

constexpr int32_t kWindow = kDefaultParametersWindow;
constexpr int16_t kWidth = 540, kHeight = 488;  // content, px: wide enough for the whole menu bar

constexpr platform::ControlNumber kOkButton = 1;
constexpr platform::ControlNumber kCancelButton = 2;
constexpr platform::ControlNumber kQuitButton = 3;
constexpr platform::ControlNumber kHeading = 4;
constexpr platform::ControlNumber kTopSeparator = 5;
constexpr platform::ControlNumber kBottomSeparator = 6;
constexpr platform::ControlNumber kFirstField = 21;  // 21-35
constexpr platform::ControlNumber kFirstLabel = 41;  // 41-55
constexpr platform::ControlNumber kFirstUnit = 61;   // 61-75
constexpr platform::ControlNumber kFirstExponent = 76;

// The rows of the window, in the order of DriverField: the label, the unit
// and the exponent of the unit ("cm" with "2" or "3").
struct Row {
    std::string_view label;
    std::string_view unit;
    std::string_view exponent;
};
constexpr std::array<Row, kDriverFieldCount> kRows = {{
    {"Model Name", "", ""},
    {"Frequency Range", "", ""},
    {"Dia (Nominal Diameter)", "cm", ""},
    {"Fs (Free Air Resonance)", "Hz", ""},
    {"Vas (Acoustic Volume)", "Liter", ""},
    {"Qts (Total Q)", "", ""},
    {"Qes (Electrical Q)", "", ""},
    {"Qms (Mechanical Q)", "", ""},
    {"Effi (Efficiency)", "%", ""},
    {"Re (D.C. Resistance)", "Ohms", ""},
    {"Pemax (Thermal Limit Power)", "Watts", ""},
    {"Sd (Effective Area)", "cm", "2"},
    {"Xmax (Peak Linear Excursion)", "mm", ""},
    {"Vd (Displacement Volume)", "cm", "3"},
    {"Le (Voice Coil Inductance)", "mH", ""},
}};

// The two text rows, then the thirteen number rows 24 px apart.
constexpr int16_t kTextRowTop = 44, kTextRowStep = 28;
constexpr int16_t kNumberRowTop = 112, kNumberRowStep = 24;
constexpr int16_t kLabelLeft = 24, kTextFieldLeft = 250, kRight = 516;
constexpr int16_t kNumberFieldLeft = 300, kNumberFieldRight = 400, kUnitLeft = 406;

void addText(platform::ControlNumber id, Rect16 rect, std::string_view text, double size = 12.0) {
    ControlSpec desc(ControlKind::StaticText, rect, text);
    desc.style = labelStyle(size);
    platform::createControl(kWindow, id, desc);
}

std::string valueText(const DriverValues& d, DriverField field) {
    if (field == DriverField::Model) return d.s_SP.str();
    if (field == DriverField::Range) return d.s_RANG.str();
    return fieldText(driverNumber(d, field));
}

void addRow(DriverField field, const DriverValues& driver) {
    const std::size_t i = std::size_t(field);
    const Row& row = kRows[i];
    const bool text = field == DriverField::Model || field == DriverField::Range;
    const int16_t top = text ? int16_t(kTextRowTop + kTextRowStep * int(i))
                             : int16_t(kNumberRowTop + kNumberRowStep * (int(i) - 2));
    addText(kFirstLabel + int32_t(i), {int16_t(top + 3), kLabelLeft, int16_t(top + 19), int16_t((text ? kTextFieldLeft : kNumberFieldLeft) - 4)},
            row.label);
    ControlSpec entry(ControlKind::EditText,
                      {top, text ? kTextFieldLeft : kNumberFieldLeft, int16_t(top + 22), text ? kRight : kNumberFieldRight},
                      valueText(driver, field));
    entry.style = labelStyle();
    if (!text) entry.style.align = TextAlign::Right;
    platform::createControl(kWindow, defaultParamField(field), entry);
    if (!row.unit.empty())
        addText(kFirstUnit + int32_t(i), {int16_t(top + 3), kUnitLeft, int16_t(top + 19), int16_t(kUnitLeft + (row.exponent.empty() ? 60 : 19))},
                row.unit);
    if (!row.exponent.empty())  // a raised, smaller figure after "cm"
        addText(kFirstExponent + (row.exponent == "2" ? 0 : 1), {int16_t(top + 1), int16_t(kUnitLeft + 19), int16_t(top + 12), int16_t(kUnitLeft + 27)},
                row.exponent, 9.0);
}

// What the alert says about a refused field.
std::string whyRefused(const DriverCheckResult& result, std::string_view text) {
    const std::string_view name = kRows[std::size_t(result.field)].label;
    if (result.fault != DriverFault::AboveLimit) {
        std::string why = refusedValueReason(name, result.fault, driverFieldUnit(result.field), text);
        // Pemax asks for a thermal limit: a peak rating there is told why.
        if (result.field == DriverField::PEMX && readTypedNumber(text, FieldUnit::Watt).peakRating)
            why += kContinuousRatingNote;
        return why;
    }
    if (result.field == DriverField::FS)
        return std::string(name) + " must not exceed 1000 Hz: the response pages end at 1 kHz.";
    return std::string(name) + " must not exceed 100 %.";
}

// A design waits behind the window for the driver to be corrected.
bool designKept() {
    return state.shell.KeptDesignFlag == 1 && platform::windowExists(kResponseWindow);
}

}  // namespace

int32_t defaultParamField(DriverField field) { return kFirstField + int32_t(field); }

std::string_view driverRefusalTitle(const DriverCheckResult& result) { return refusedValueTitle(result.fault); }

std::string driverRefusalMessage(const std::array<std::string_view, kDriverFieldCount>& texts,
                                 const DriverCheckResult& result) {
    const std::string_view text = texts[std::size_t(result.field)];
    if (result.fault == DriverFault::UnkeptCharacters) return whyRefused(result, text);  // a name: no note on decimals
    return refusedEntryMessage(text, whyRefused(result, text));
}

int32_t DefaultParamWnd() {
    const NextDesignInState next;  // the next design's inputs in the state while a design waits
    platform::createWindow(kWindow, platform::WindowKind::Document, {0, 0, kHeight, kWidth},
                           "Quendal Default Parameters");
    platform::setWindowThemeBackground(kWindow, true);

    ControlSpec heading(ControlKind::StaticText, {14, kLabelLeft, 32, kRight}, "Thiele/Small parameters of the driver");
    heading.style = labelStyle(13.0, true);
    platform::createControl(kWindow, kHeading, heading);

    // A driver record held for the next design is the driver to correct.
    DriverValues driver = enteredDriver();
    MessageState& m = state.messages;
    if (m.HeldDriverFlag == 1) {
        if (const std::optional<DriverRecord> record = readDriverRecord(m.HeldDriverRecord.view()))
            driver = enteredDriverOf(driverWithRecord(*record));
        m.HeldDriverFlag = 0;
        m.HeldDriverRecord = "";
    }
    for (std::size_t i = 0; i < kDriverFieldCount; ++i) {
        addRow(DriverField(i), driver);
        if (i == 1)
            platform::createControl(kWindow, kTopSeparator, ControlSpec(ControlKind::Separator, {98, kLabelLeft, 102, kRight}));
    }
    platform::createControl(kWindow, kBottomSeparator, ControlSpec(ControlKind::Separator, {430, kLabelLeft, 434, kRight}));
    // At the start the window is the way into the program, and Quit the way
    // out; over a design, Cancel gives the design back in its place (the
    // File menu's Quit still asks about unsaved changes).
    const bool cancels = designKept();
    ControlSpec leave(ControlKind::PushButton, {448, 336, 472, 416}, cancels ? "Cancel" : "Quit");
    leave.style = labelStyle(13.0);
    platform::createControl(kWindow, cancels ? kCancelButton : kQuitButton, leave);
    ControlSpec ok(ControlKind::PushButton, {448, 436, 472, kRight}, "OK");
    ok.style = labelStyle(13.0);
    ok.defaultButton = true;
    platform::createControl(kWindow, kOkButton, ok);

    platform::selectWindow(kWindow);
    platform::setMenuItemEnabled(kEditMenu, 0, true);  // for the values typed here
    state.shell.curentWndID = kWindow;
    return 0;
}

int32_t DefaultParamWndOKReturn() {
    const NextDesignInState next;
    if (!platform::windowExists(kWindow)) return 0;
    // A name with characters the design cannot keep is refused as typed.
    for (const DriverField name : {DriverField::Model, DriverField::Range})
        if (refusedUnheldName(kWindow, defaultParamField(name), kRows[std::size_t(name)].label)) return 0;
    std::array<std::string, kDriverFieldCount> texts;
    std::array<std::string_view, kDriverFieldCount> views;
    for (std::size_t i = 0; i < kDriverFieldCount; ++i) {
        texts[i] = i < std::size_t(DriverField::DIA) ? nameFieldText(kWindow, defaultParamField(DriverField(i)))
                                                     : platform::numberFieldText(kWindow, defaultParamField(DriverField(i)));
        views[i] = texts[i];
    }
    const DriverValues driver = driverFromTexts(views);
    const DriverCheckResult result = checkDriverTexts(views);
    if (!result.ok()) {
        const platform::ControlNumber field = defaultParamField(result.field);
        platform::setKeyboardFocus(kWindow, field);
        ShowSheetAlert(kWindow, refusedValueTitle(result.fault),
                       driverRefusalMessage(views, result));
        return 0;
    }
    // A design waiting behind the window goes on waiting: System Select's
    // Cancel gives it back with its own driver, and only the design chosen
    // there replaces it.
    takeEnteredDriver(driver);
    OriginalBoxParametersPass();
    platform::closeWindow(kWindow);
    return SystemSelectWnd();
}

bool DefaultParamWndShows(const DriverValues& driver) {
    if (!platform::windowExists(kWindow)) return false;
    for (std::size_t i = 0; i < kDriverFieldCount; ++i)
        if (platform::controlText(kWindow, defaultParamField(DriverField(i))) != valueText(driver, DriverField(i)))
            return false;
    return true;
}

void DefaultParamWndShowDriver(const DriverValues& driver) {
    if (!platform::windowExists(kWindow)) return;
    for (std::size_t i = 0; i < kDriverFieldCount; ++i)
        platform::setControlText(kWindow, defaultParamField(DriverField(i)), valueText(driver, DriverField(i)));
}

int32_t DefaultParamWndQuit() {
    platform::quitApplication(0);
    return 0;
}

}  // namespace quendal
