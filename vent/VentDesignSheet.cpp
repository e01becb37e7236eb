#include "vent/VentDesignSheet.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "response/BoxCheck.h"
#include "response/CofCal.h"
#include "model/State.h"
#include "model/TextToNumber.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"
#include "response/VentRecords.h"
#include "response/VentSizing.h"
#include "dialogs/Alerts.h"
#include "dialogs/FieldText.h"
#include "model/ParameterPasses.h"
#include "view/ResponseRedraw.h"
#include "dialogs/DialogControls.h"
#include "view/ShellHooks.h"

namespace quendal {

namespace {

using platform::ControlKind;
using platform::ControlNumber;
using platform::ControlSpec;
using platform::TextAlign;

constexpr int16_t kSheetWidth = 460;
constexpr int16_t kSheetHeight = 396;
constexpr double kCm2PerM2 = 10000.0;
constexpr double kMm2PerCm2 = 100.0;

constexpr ControlNumber kHeading = 360;
constexpr ControlNumber kChamberText = 361;
constexpr ControlNumber kLimitText = 362;

// The controls of one pane of the tab. Each pane has six rows of a label,
// a value (or an entry field in its place) and a unit, the last the peak
// air speed of the vent shown, then the outcome.
constexpr int kRows = 6;
constexpr int kSpeedRow = 5;
struct Pane {
    ControlNumber pane, radio, countLabel, setupButton;
    ControlNumber labels[kRows], values[kRows], units[kRows];
    ControlNumber outcome;
    const char* rowTitles[kRows];
    const char* rowUnits[kRows];
};

constexpr Pane kCircular{kCircularPane,
                         kCircularRadio,
                         308,
                         kCircularSetupButton,
                         {370, 371, 372, 373, 374, 390},
                         {331, 332, 333, 334, 335, 337},
                         {380, 381, 382, 383, 384, 392},
                         336,
                         {"Diameter", "Minimum Diameter", "Length", "Total Area", "Minimum Area", "Peak Air Speed"},
                         {"mm", "mm", "mm", "sq cm", "sq cm", "m/s"}};
constexpr Pane kRectangular{kRectangularPane,
                            kRectangularRadio,
                            309,
                            kRectangularSetupButton,
                            {375, 376, 377, 378, 379, 391},
                            {341, 342, 343, 344, 345, 347},
                            {385, 386, 387, 388, 389, 393},
                            346,
                            {"Width", "Height", "Length", "Total Area", "Minimum Area", "Peak Air Speed"},
                            {"mm", "mm", "mm", "sq cm", "sq cm", "m/s"}};

// Rows of a pane, in the pane's own coordinates.
constexpr int16_t kFirstRowTop = 56;
constexpr int16_t kRowPitch = 24;
int16_t rowTop(int row) { return int16_t(kFirstRowTop + kRowPitch * row); }
Rect16 labelRect(int row) { return {int16_t(rowTop(row) + 3), 12, int16_t(rowTop(row) + 19), 160}; }
Rect16 valueRect(int row) { return {int16_t(rowTop(row) + 3), 166, int16_t(rowTop(row) + 19), 256}; }
Rect16 fieldRect(int row) { return {rowTop(row), 166, int16_t(rowTop(row) + 22), 256}; }
// The outcome below the rows.
constexpr Rect16 kOutcomeRect{206, 12, 222, 416};
// The first row leaves room for the "Initial Setup..." button beside it.
Rect16 unitRect(int row) {
    return {int16_t(rowTop(row) + 3), 262, int16_t(rowTop(row) + 19), int16_t(row == 0 ? 288 : 316)};
}

void addText(ControlNumber id, Rect16 rect, std::string_view text, ControlNumber parent = 0,
             platform::TextStyle style = labelStyle()) {
    ControlSpec desc(ControlKind::StaticText, rect, text);
    desc.style = style;
    desc.parent = parent;
    platform::createControl(kVentDesignSheet, id, desc);
}

void addButton(ControlNumber id, Rect16 rect, std::string_view title, ControlNumber parent = 0,
               bool isDefault = false) {
    ControlSpec desc(ControlKind::PushButton, rect, title);
    desc.style = labelStyle(13.0);
    desc.parent = parent;
    desc.defaultButton = isDefault;
    platform::createControl(kVentDesignSheet, id, desc);
}

// Sizes from here up are shown as they are: a double holds their
// hundredths no longer exactly.
constexpr double kHeldInHundredths = 1e12;

// A size as the sheet shows it: two decimals, no padding (a vast size as it
// is); "-" for no number.
std::string sizeText(double value) {
    if (!std::isfinite(value)) return "-";
    if (std::fabs(value) >= kHeldInHundredths) return fieldText(value);
    return fieldText(rint(value * 100.0) / 100.0);
}

int32_t selectedVent() { return std::clamp(state.vents.VentID, 1, 3); }

ControlNumber circularCountPopup() {
    return branchedVentInSheet() ? kCircularBranchCountPopup : kCircularCountPopup;
}
ControlNumber rectangularCountPopup() {
    return branchedVentInSheet() ? kRectangularBranchCountPopup : kRectangularCountPopup;
}

void buildPane(const Pane& p, ControlNumber countPopup, std::string_view radioTitle) {
    ControlSpec pane(ControlKind::UserPane, {30, 8, 258, 420});
    pane.parent = kVentTypeTab;
    platform::createControl(kVentDesignSheet, p.pane, pane);

    ControlSpec radio(ControlKind::RadioGroup, {6, 12, 46, 150});
    radio.items = {"Ported", "Ducted"};
    radio.value = 1;
    radio.parent = p.pane;
    radio.style = labelStyle();
    platform::createControl(kVentDesignSheet, p.radio, radio);
    platform::setHelpTag(kVentDesignSheet, p.radio, std::string(radioTitle) + "\rShortcut is Alt+D.\\@B");

    addText(p.countLabel, {10, 184, 26, 300}, "Number of Vents", p.pane, labelStyle(12.0, false, TextAlign::Right));
    ControlSpec count(ControlKind::PopupButton, {6, 304, 30, 404});
    count.menu = branchedVentInSheet() ? kVentNumPopupMenuPV : kVentNumPopupMenu;
    count.value = 1;
    count.parent = p.pane;
    count.style = labelStyle();
    platform::createControl(kVentDesignSheet, countPopup, count);

    for (int row = 0; row < kRows; ++row) {
        addText(p.labels[row], labelRect(row), p.rowTitles[row], p.pane);
        addText(p.values[row], valueRect(row), "", p.pane, labelStyle(12.0, false, TextAlign::Right));
        addText(p.units[row], unitRect(row), p.rowUnits[row], p.pane);
    }
    addText(p.outcome, kOutcomeRect, "", p.pane, labelStyle(11.0));
    addButton(p.setupButton, {rowTop(0), 292, int16_t(rowTop(0) + 24), 404}, "Initial Setup...", p.pane);
}

// Why a form is not built as shown, after the name the Vent Information
// page gives its outcome; the form shown is named a port or a duct.
std::string outcomeText(VentForm form, VentShape shape) {
    const bool ported = shape == VentShape::CircularPort || shape == VentShape::RectangularPort;
    std::string why;
    switch (form) {
        case VentForm::Realisable: return "This vent can be built as shown.";
        case VentForm::NotDesigned: return "";
        case VentForm::BelowMinimumArea:
            why = "the air moves faster than " + fieldText(kVentAirSpeedLimit) + " m/s.";
            break;
        case VentForm::ChamberTooSmall:
            why = std::string("no ") + (ported ? "port" : "duct") + " of the minimum area fits the chamber.";
            break;
        case VentForm::LengthNotPositive: why = "its two ends alone are more air than the tuning takes."; break;
        case VentForm::LongerThanBox: why = "it is longer than the chamber allows."; break;
        case VentForm::ShorterThanPanel: why = "it is shorter than the panel is thick; use a port."; break;
        case VentForm::WiderThanPanel: why = "it is wider than the chamber's panel."; break;
    }
    return std::string(ventFormName(static_cast<int32_t>(form))) + ": " + why;
}

platform::TextStyle warningStyle(platform::TextStyle style, bool warn) {
    if (warn) {
        style.coloured = true;
        style.colour = {0.8, 0.0, 0.0};
    }
    return style;
}

// The outcome of the form shown, and the peak air speed its area gives,
// marked as the Vent Information page marks it past the limit.
void showOutcome(const Pane& p, VentShape shape) {
    const VentRecord& w = state.vents.working;
    const VentChamber chamber = ventChamber(selectedVent());
    const bool valid = chamber.valid();
    const VentForm form = valid ? outcomeOf(w, shape, chamber, conditionsOfRecord(w)) : VentForm::NotDesigned;
    addText(p.outcome, kOutcomeRect, outcomeText(form, shape), p.pane,
            warningStyle(labelStyle(11.0), form != VentForm::Realisable));
    const double speed = valid ? peakAirSpeedOf(w, shape) : NAN;
    addText(p.values[kSpeedRow], valueRect(kSpeedRow), sizeText(speed), p.pane,
            warningStyle(labelStyle(12.0, false, TextAlign::Right), overAirSpeedLimit(speed)));
}

void setValues(const Pane& p, const double (&values)[5]) {
    for (int row = 0; row < 5; ++row) {
        platform::setControlText(kVentDesignSheet, p.values[row], sizeText(values[row]));
        platform::setControlVisible(kVentDesignSheet, p.values[row], true);
    }
}

// An entry field in the place of the value of `row`.
void addField(const Pane& p, int row, ControlNumber field, double value) {
    ControlSpec desc(ControlKind::EditText, fieldRect(row), sizeText(value));
    desc.style = labelStyle(12.0, false, TextAlign::Right);
    desc.parent = p.pane;
    platform::createControl(kVentDesignSheet, field, desc);
    platform::setControlVisible(kVentDesignSheet, p.values[row], false);
}

// Reads a size field: whether the user changed what the sheet showed, and
// the number typed. The number shown typed again, in any spelling, is no
// change: the size keeps the digits the sheet does not show. A number too
// large to be read is taken as infinite, above every limit.
struct Entry {
    bool changed = false;
    double value = 0.0;
    bool otherUnit = false;  // a number in another unit than mm
    std::string text;        // as typed
};
Entry readField(ControlNumber field, double shown) {
    Entry entry;
    entry.value = shown;
    if (!platform::controlExists(kVentDesignSheet, field)) return entry;
    entry.text = platform::numberFieldText(kVentDesignSheet, field);
    const TypedNumber typed = readTypedNumber(entry.text, FieldUnit::Millimetre);
    entry.otherUnit = typed.otherUnit;
    entry.changed = entry.text != sizeText(shown) && !(typed.number() && typed.value == rint(shown * 100.0) / 100.0);
    if (entry.changed) entry.value = typed.kind == NumberTextKind::TooLarge ? INFINITY : typed.value;
    return entry;
}

// An entered size as an alert quotes it: as the sheet shows sizes, with its
// own digits where two decimals would show a size that is not 0 as 0; a
// text that is no number, or too large to be one, as typed.
std::string quoted(const Entry& entry) {
    const NumberTextKind kind = readTypedNumber(entry.text, FieldUnit::Millimetre).kind;
    if (kind == NumberTextKind::NotANumber || kind == NumberTextKind::TooLarge) {
        const std::size_t first = entry.text.find_first_not_of(" \t\r\n");
        const std::size_t last = entry.text.find_last_not_of(" \t\r\n");
        return entry.text.substr(first, last - first + 1);
    }
    if (entry.value != 0.0 && rint(entry.value * 100.0) == 0.0) return fieldText(entry.value);
    return sizeText(entry.value);
}

// The largest size as an alert names it: rounded down to what the sheet
// shows (hundredths, or three significant digits for a vast one), so that
// the size named is itself taken.
double namedLargest(double largest) {
    if (!(largest > 0.0)) return 0.0;
    if (largest < kHeldInHundredths) {
        double hundredths = std::floor(largest * 100.0);
        if (hundredths / 100.0 > largest) hundredths -= 1.0;
        return hundredths / 100.0;
    }
    const int exponent = static_cast<int>(std::floor(std::log10(largest))) - 2;
    for (double digits = std::floor(largest / std::pow(10.0, exponent)); digits > 0.0; digits -= 1.0) {
        const double named = textToNumber(fieldText(digits) + "e" + std::to_string(exponent));
        if (named <= largest) return named;
    }
    return 0.0;
}

// A size the sheet refuses: the field, the alert and its message, which
// names the size and its limit.
struct Refusal {
    ControlNumber field = 0;
    std::string_view title;
    std::string message;
    bool any() const { return field != 0; }
};

std::string named(std::string_view name, const Entry& entry) {
    return std::string(name) + " " + quoted(entry) + " mm";
}

std::string mustBeMore(const std::string& what, double minimum) {
    return what + "; it must be more than " + sizeText(minimum) + " mm.";
}

// Below the smallest size the record keeps.
Refusal belowSmallest(ControlNumber field, std::string_view name, const Entry& entry) {
    if (entry.value >= kSmallestVentSizeMm) return {};
    return {field, refusedEntryTitle(entry.text, FieldUnit::Millimetre),
            named(name, entry) + "; it must be at least " + sizeText(kSmallestVentSizeMm) + " mm."};
}

// Above the largest size of the form that gives a real vent (or, with
// `always`, refused as such whatever the size), the other size of a
// rectangular duct as in `entered` or, where that one is too large to be a
// size, as the working copy has it.
Refusal aboveLargest(ControlNumber field, std::string_view name, const Entry& entry, VentRecord entered,
                     VentShape shape, bool height, const VentChamber& chamber, const VentConditions& conditions,
                     bool always = false) {
    if (shape == VentShape::RectangularDuct) {
        double& other = enteredSize(entered, shape, !height);
        if (!std::isfinite(other)) other = enteredSize(state.vents.working, shape, !height);
    }
    const double largest = namedLargest(largestEnteredSizeMm(entered, shape, height, chamber, conditions));
    if (entry.value <= largest && !always) return {};
    return {field, kValueTooLargeAlert, named(name, entry) + "; it must be at most " + sizeText(largest) + " mm."};
}

void refuse(const Refusal& why) {
    ShowSheetAlert(kVentDesignSheet, why.title,
                   refusedEntryMessage(platform::controlText(kVentDesignSheet, why.field), why.message));
    if (platform::controlExists(kVentDesignSheet, why.field)) platform::setKeyboardFocus(kVentDesignSheet, why.field);
}

// A size typed in another unit than mm, named as the sheet names it.
Refusal otherUnitRefusal(VentShape shape, const Entry& first, const Entry& second) {
    const std::string_view firstName = shape == VentShape::CircularDuct ? "Diameter" : "Width";
    if (first.changed && first.otherUnit)
        return {kVentSizeField, kOtherUnitAlert, otherUnitReason(firstName, FieldUnit::Millimetre, first.text)};
    if (second.changed && second.otherUnit)
        return {kVentSecondSizeField, kOtherUnitAlert, otherUnitReason("Height", FieldUnit::Millimetre, second.text)};
    return {};
}

// Why the sizes entered into `entered` for the form in force give no vent,
// naming the size and its limit; none when they give one. A size is at
// least the smallest the record keeps; a duct takes a length above 0;
// its sizes, length and area must stay finite numbers, and a rectangular
// port's height at least the smallest size.
Refusal sizeRefusal(const VentRecord& entered, VentShape shape, const Entry& first, const Entry& second,
                    const VentChamber& chamber, const VentConditions& conditions) {
    const int32_t n = admittedCount(countOf(entered, shape), chamber.branches);
    const bool kept = keepsEnteredSize(entered, shape, chamber, conditions);
    Refusal why;
    switch (shape) {
        case VentShape::CircularPort: break;
        case VentShape::CircularDuct: {
            const double shortest = shortestDuctDiameterMm(n, chamber, conditions);
            const Refusal noLength{kVentSizeField, refusedEntryTitle(first.text, FieldUnit::Millimetre),
                                   mustBeMore(named("Diameter", first), shortest)};
            why = first.value <= shortest && shortest >= kSmallestVentSizeMm
                      ? noLength
                      : belowSmallest(kVentSizeField, "Diameter", first);
            if (!why.any())
                why = aboveLargest(kVentSizeField, "Diameter", first, entered, shape, false, chamber, conditions);
            if (!why.any() && !kept) why = noLength;
            break;
        }
        case VentShape::RectangularPort:
            why = belowSmallest(kVentSizeField, "Width", first);
            if (!why.any())
                why = aboveLargest(kVentSizeField, "Width", first, entered, shape, false, chamber, conditions, !kept);
            break;
        case VentShape::RectangularDuct: {
            why = belowSmallest(kVentSizeField, "Width", first);
            if (!why.any()) why = belowSmallest(kVentSecondSizeField, "Height", second);
            if (why.any()) break;
            const double shortest = shortestDuctWidthPlusHeightMm(n, chamber, conditions);
            const Refusal noLength{kVentSizeField, kValueTooSmallAlert,
                                   "Width " + quoted(first) + " mm and height " + quoted(second) +
                                       " mm; together they must be more than " + sizeText(shortest) + " mm."};
            if (first.value + second.value <= shortest) {
                why = noLength;
                break;
            }
            // The size the user changed first, the larger first when both
            // were: the other is judged as it stands.
            const bool heightFirst =
                second.changed != first.changed ? second.changed : second.value > first.value;
            for (const bool height : {heightFirst, !heightFirst}) {
                if (!why.any())
                    why = aboveLargest(height ? kVentSecondSizeField : kVentSizeField, height ? "Height" : "Width",
                                       height ? second : first, entered, shape, height, chamber, conditions);
            }
            if (!why.any() && !kept) why = noLength;
            break;
        }
    }
    return why;
}

// Takes the sizes entered for the form in force into the working copy as
// the user's; false (and an alert naming the size and its limit) when they
// give no vent. A vent below the minimum area is taken, its air faster
// than the limit.
bool takeEnteredSizes(const VentChamber& chamber, const VentConditions& conditions) {
    VentRecord& w = state.vents.working;
    const VentShape shape = shapeInForce(w);
    if (shape == VentShape::CircularPort) return true;
    const Entry first = readField(kVentSizeField, enteredSize(w, shape));
    const Entry second =
        shape == VentShape::RectangularDuct ? readField(kVentSecondSizeField, w.RectDuctHV) : Entry{};
    if (!first.changed && !second.changed) return true;
    VentRecord entered = w;
    enteredSize(entered, shape) = first.value;
    if (shape == VentShape::RectangularDuct) entered.RectDuctHV = second.value;
    if (const Refusal why = otherUnitRefusal(shape, first, second); why.any()) {
        refuse(why);
        return false;
    }
    if (const Refusal why = sizeRefusal(entered, shape, first, second, chamber, conditions); why.any()) {
        refuse(why);
        return false;
    }
    *editedMark(entered, shape) = 1;
    w = entered;
    return true;
}

// The design with the sheet's vent taken: the record of vent `vent` and its
// area in the model, and vent 2 with it in a symmetric Triple Vented design.
void takeSheetVent(int32_t vent) {
    VentParameters& v = state.vents;
    PostVentParameterChange();
    ventModelArea(vent) = designedAreaCm2(v.working) / kCm2PerM2;
    if (vent == 1 && currentSystemNumber() == kTripleVented && tripleVentedIsSymmetric()) {
        // Vents 1 and 2 of a symmetric design are designed as one.
        v.vent[2] = v.working;
        v.SV22 = v.SV11;
    }
}

}  // namespace

bool branchedVentInSheet() { return currentSystemNumber() == kTwinSerialVented && state.vents.VentID == 1; }

int32_t VentDesignWnd() {
    if (!platform::windowExists(kResponseWindow)) return 0;
    if (!platform::createWindow(kVentDesignSheet, platform::WindowKind::Sheet, {0, 0, kSheetHeight, kSheetWidth},
                                "Vent Design", kResponseWindow))
        return 0;
    const VentParameters& v = state.vents;

    addText(kHeading, {12, 20, 30, 440}, state.shell.s_VentTitle.str() + " Design", 0, labelStyle(13.0, true));
    const VentChamber chamber = ventChamber(selectedVent());
    std::string tuning = chamber.branches == 2 ? "Two branches, each tuning " : "Tunes ";
    tuning += sizeText(chamber.volumeLitre) + " Liter to " + sizeText(chamber.tuningHz) + " Hz";
    addText(kChamberText, {36, 20, 52, 440}, tuning + ".", 0, labelStyle(11.0));
    addText(kLimitText, {52, 20, 68, 440},
            "Peak air speed up to " + fieldText(kVentAirSpeedLimit) + " m/s at an input power of " +
                sizeText(state.power.PIN) + " W.",
            0, labelStyle(11.0));

    ControlSpec tab(ControlKind::Tab, {78, 16, 346, 444});
    tab.items = {"Circular", "Rectangular"};
    tab.value = v.working.VentTypeTab == 2 ? 2 : 1;
    tab.style = labelStyle();
    platform::createControl(kVentDesignSheet, kVentTypeTab, tab);
    buildPane(kCircular, circularCountPopup(), "Circular vents: a port through the panel or a duct");
    buildPane(kRectangular, rectangularCountPopup(), "Rectangular vents: a port through the panel or a duct");

    addButton(kVentInitializeButton, {358, 16, 382, 116}, "Initialize");
    addButton(kVentCancelButton, {358, 200, 382, 280}, "Cancel");
    addButton(kVentCalcButton, {358, 288, 382, 368}, "Calc.");
    addButton(kVentOkButton, {358, 376, 382, 444}, "OK", 0, true);
    platform::setHelpTag(kVentDesignSheet, kVentInitializeButton, "Size the vent automatically again\\@B");
    platform::setHelpTag(kVentDesignSheet, kVentCalcButton,
                         "Size the vent for the values entered\rShortcut is Alt+Return.\\@B");
    for (ControlNumber setup : {kCircularSetupButton, kRectangularSetupButton})
        platform::setHelpTag(kVentDesignSheet, setup, "Input power and port thickness\\@B");

    VentDesignDisp();
    platform::selectWindow(kVentDesignSheet);
    return 0;
}

int32_t VentDesignDisp() {
    if (!platform::windowExists(kVentDesignSheet)) return 0;
    const VentRecord& w = state.vents.working;
    const bool rectangular = w.VentTypeTab == 2;
    platform::setControlValue(kVentDesignSheet, kVentTypeTab, rectangular ? 2 : 1);
    platform::setControlVisible(kVentDesignSheet, kCircularPane, !rectangular);
    platform::setControlVisible(kVentDesignSheet, kRectangularPane, rectangular);
    platform::setControlValue(kVentDesignSheet, kCircularRadio, w.CircVentRadio == 2 ? 2 : 1);
    platform::setControlValue(kVentDesignSheet, kRectangularRadio, w.RectVentRadio == 2 ? 2 : 1);
    // The item number of either count menu is the count.
    platform::setControlValue(kVentDesignSheet, circularCountPopup(), w.CircVentNum);
    platform::setControlValue(kVentDesignSheet, rectangularCountPopup(), w.RectVentNum);

    platform::removeControl(kVentDesignSheet, kVentSizeField);
    platform::removeControl(kVentDesignSheet, kVentSecondSizeField);

    const bool circularDuct = w.CircVentRadio == 2;
    if (circularDuct) {
        setValues(kCircular, {w.CircDuctDV, w.CircDuctDVmin, w.CircDuctLV, w.CircDuctSV, w.CircDuctSVmin});
    } else {
        setValues(kCircular, {w.CircPortDV, w.CircPortDVmin, w.CircPortLV, w.CircPortSV, w.CircPortSVmin});
    }
    const bool rectangularDuct = w.RectVentRadio == 2;
    if (rectangularDuct) {
        setValues(kRectangular, {w.RectDuctWV, w.RectDuctHV, w.RectDuctLV, w.RectDuctSV, w.RectDuctSVmin});
    } else {
        setValues(kRectangular, {w.RectPortWV, w.RectPortHV, w.RectPortLV, w.RectPortSV, w.RectPortSVmin});
    }
    showOutcome(kCircular, circularDuct ? VentShape::CircularDuct : VentShape::CircularPort);
    showOutcome(kRectangular, rectangularDuct ? VentShape::RectangularDuct : VentShape::RectangularPort);

    // The entry fields of the form in force.
    if (rectangular) {
        addField(kRectangular, 0, kVentSizeField, rectangularDuct ? w.RectDuctWV : w.RectPortWV);
        if (rectangularDuct) addField(kRectangular, 1, kVentSecondSizeField, w.RectDuctHV);
    } else if (circularDuct) {
        addField(kCircular, 0, kVentSizeField, w.CircDuctDV);
    }
    if (platform::controlExists(kVentDesignSheet, kVentSizeField))
        platform::setKeyboardFocus(kVentDesignSheet, kVentSizeField);
    return 0;
}

int32_t VentDesignCalcOKReturn(int32_t isOK) {
    if (!platform::windowExists(kVentDesignSheet)) return 0;
    const int32_t vent = selectedVent();
    const VentChamber chamber = ventChamber(vent);
    const VentConditions conditions = ventConditions(vent);
    if (chamber.valid() && std::isfinite(conditions.minimumAreaCm2)) {
        if (!takeEnteredSizes(chamber, conditions)) return 0;
        designVentRecord(state.vents.working, chamber, conditions);
    }
    if (isOK == 1) return VentDesignCalcOkCommon();
    return VentDesignDisp();
}

int32_t VentDesignCalcOkCommon() {
    VentParameters& v = state.vents;
    const int32_t vent = selectedVent();
    // A form changed in the sheet, or a size entered for it, is the user's
    // choice from now on; and so is a form shown that the automatic design
    // would not choose for the vent (kept through a new count), so that the
    // vent stays as the user saw it.
    VentRecord& w = v.working;
    const int32_t formSetBy = w.FormSetBy;
    if (formChosenInSheet() || automaticDesignChoosesAnotherForm()) w.FormSetBy = kFormSetByUser;
    // A form left to the automatic design keeps its kinds alike, as that
    // design makes them: Ported or Ducted clicked on the rectangular pane
    // and left there for the circular form is not kept, since the design
    // recalculated would make it alike again, and a document reading a
    // rectangular kind of its own takes it for the user's form.
    const int32_t rectangularKind = w.RectVentRadio;
    if (w.FormSetBy != kFormSetByUser && formIsAutomatic(w)) w.RectVentRadio = w.CircVentRadio;
    // The design with this vent must be one the program may hold, as every
    // design is checked; otherwise the sheet stays, and the design as it was.
    if (const BoxCheckResult held = changedBoxCheck([vent] { takeSheetVent(vent); }); !held.ok()) {
        w.FormSetBy = formSetBy;
        w.RectVentRadio = rectangularKind;
        refuse({kVentSizeField, kValueTooLargeAlert,
                "This vent gives a design in which " + boxFaultWords(held) + ".  ( Enter smaller sizes. )"});
        return 0;
    }
    takeSheetVent(vent);
    SheetWndClose(kVentDesignSheet);
    menusFor(MenuSituation::SheetEnded);
    state.shell.VentSheetFlag = 0;
    state.view.ReDispWnd = 1;
    ReDispResposeWnd();
    if (state.shell.CtmPaletFlag == 0) refreshWindows(WindowRefresh::CustomPaletteEnabled);
    ValueRoundVentParameters();
    compareDesign(DesignComparison::Vents);
    return 0;
}

int32_t VentInitializeOkReturnCalc() {
    VentRecord& w = state.vents.working;
    if (int32_t* mark = editedMark(w, shapeInForce(w))) *mark = 0;
    designWorkingVent();
    return VentDesignDisp();
}

}  // namespace quendal
