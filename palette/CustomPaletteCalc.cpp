#include "palette/CustomPaletteCalc.h"

#include <cmath>
#include <memory>
#include <span>
#include <string>
#include <utility>

#include "response/BoxCheck.h"
#include "response/CofCal.h"
#include "response/VentSizing.h"
#include "enclosures/PKcal.h"
#include "model/ClosedBoxOutcome.h"
#include "model/Rounding.h"
#include "model/State.h"
#include "model/TextToNumber.h"
#include "model/WindowNumbers.h"
#include "palette/CustomPalette.h"
#include "palette/CustomPaletteDisplay.h"
#include "palette/CustomPaletteEnable.h"
#include "platform/Platform.h"
#include "dialogs/Alerts.h"
#include "model/ParameterPasses.h"
#include "view/ResponseRedraw.h"
#include "view/ShellHooks.h"

namespace quendal {

namespace {

constexpr int32_t kWindow = kCustomPalette;
constexpr int32_t kCustomClosedVolume = 3;  // the Passive Raveza's "Closed Volume" alignment

constexpr double kQaChoices[] = {5.0, 7.0, 10.0, 15.0, 20.0};
constexpr double kQbChoices[] = {3.0, 5.0, 7.0, 10.0, 15.0, 20.0};

// A value the palette can hold: finite, and positive still at the
// precision it is shown and kept at (0.004 litres would be kept as 0).
bool usable(const PaletteValueRow& row) {
    const double value = boxValue(row.value);
    return std::isfinite(value) && shownBoxValue(row.value, value) > 0.0;
}

// Reads the entry fields of the alignment, in the order of their ids:
// each text into its value's text form, then into the value, as every
// field reads a number in its unit (a text that holds none reads as 0, one
// too large to hold as infinite). Gives the first value whose text has a
// comma or another unit than the value's.
const PaletteValueRow* readEntryFields(std::span<const PaletteValueRow> rows, PaletteFieldRange entries) {
    const PaletteValueRow* refused = nullptr;
    for (int32_t id = entries.first; id <= entries.last; ++id) {
        for (const PaletteValueRow& row : rows) {
            if (row.entryId != id) continue;
            Str255& text = textForm(row.value);
            text = platform::numberFieldText(kWindow, id);
            const TypedNumber typed = readTypedNumber(text.view(), boxValueUnit(row.value));
            boxValue(row.value) = typed.value;
            if ((typed.comma || typed.otherUnit) && refused == nullptr) refused = &row;
        }
    }
    return refused;
}

// The system's own check list: the values a palette of the system takes as
// entries, at whichever alignment.
bool checkListUsable(std::span<const PaletteValueRow> rows) {
    for (const PaletteValueRow& row : rows)
        if (row.entryId != 0 && !usable(row)) return false;
    return true;
}

void restoreCheckList(std::span<const PaletteValueRow> rows) {
    for (const PaletteValueRow& row : rows) {
        if (row.entryId == 0) continue;
        if (const double* accepted = acceptedBoxValue(row.value)) boxValue(row.value) = *accepted;
    }
}

struct Refusal {
    std::string_view title;
    std::string_view reason;
};

// An entry from which no box can be built, found before the alignment
// runs; {} when there is none.
Refusal impossibleEntry(PaletteFieldRange entries) {
    const int32_t system = currentSystemNumber();
    if (entries.empty()) return {};
    if (system == kPassiveRaveza && state.selection.Alin == kCustomClosedVolume &&
        !passiveRavezaChamberFits(state.box.VB1))
        return {kValueTooLargeAlert, kClosedVolumeTooLargeReason};
    // The system output is the difference of the two chambers' outputs: with
    // the chambers tuned alike it vanishes, or nearly so.
    if (tuningsCancel())
        return {kEqualTuningsAlert, kEqualTuningsReason};
    return {};
}

// Calc. computes the design again with vents 2 and 3 at one circular vent
// each.
void calcVentCounts() {
    state.vents.vent[2].CircVentNum = 1;
    state.vents.vent[3].CircVentNum = 1;
}

// The design Calc. keeps: the values rounded and backed up, the vent counts
// started again.
void takeCalcDesign() {
    BoxParameterBackup();
    calcVentCounts();
}

// The first vent to which the design the entries give, sized as the
// redraw after Calc. sizes it, computed on the side, gives a size, length
// or area that is not a finite number; 0 when every vent's are finite.
int32_t overflowingVent() {
    const int32_t vents = ventsOfSystem(currentSystemNumber());
    if (vents == 0) return 0;
    const auto saved = std::make_unique<ProgramState>(state);
    takeCalcDesign();
    RecalculateDesign();
    int32_t found = 0;
    for (int32_t vent = 1; vent <= vents && found == 0; ++vent)
        if (!finiteRecord(state.vents.vent[vent])) found = vent;
    state = *saved;
    return found;
}

// Why entries that overflow a vent are refused: the entries of the chamber
// it tunes, as typed ("Vb1 1e308 Liter"), make its port vast beyond any
// number (a port's area grows with the volume and the square of the
// tuning).
std::string ventRefusal(std::span<const PaletteValueRow> rows, PaletteFieldRange entries, int32_t vent) {
    const int32_t chamber = ventChamberNumber(vent);
    constexpr BoxValue kVolumes[] = {BoxValue::VB1, BoxValue::VB2, BoxValue::VB3};
    constexpr BoxValue kTunings[] = {BoxValue::FB1, BoxValue::FB2, BoxValue::FB3};
    const BoxValue volume = kVolumes[chamber - 1], tuning = kTunings[chamber - 1];
    std::string named, names;
    int count = 0;
    for (const PaletteValueRow& row : rows) {
        if (!entries.contains(row.entryId) || (row.value != volume && row.value != tuning)) continue;
        const std::string name(boxValueName(row.value));
        const std::string_view text = textForm(row.value).view();
        const std::size_t first = text.find_first_not_of(' '), last = text.find_last_not_of(' ');
        named += (count == 0 ? "" : " and ") + name + " " + std::string(text.substr(first, last - first + 1)) +
                 (row.value == volume ? kLitreUnit : kHertzUnit);
        names += (count == 0 ? "" : " or ") + name;
        ++count;
    }
    if (count == 0) return "The values entered give vent " + std::to_string(vent) +
                           " a size, length or area that is not a finite number.  ( Enter smaller values. )";
    return named + (count == 1 ? " gives" : " give") + " vent " + std::to_string(vent) +
           " a size, length or area that is not a finite number.  ( Enter a smaller " + names + ". )";
}

// The sheet's OK: the menus and the palette come back as they were.
void refusalAnswered() {
    SheetWndClose(kAlertSheet);
    menusFor(MenuSituation::SheetEnded);
    if (state.shell.CtmPaletFlag != 0) return;
    EnableCustomPalet();
    if (currentEntryFields().contains(state.shell.EdtFldID)) platform::setKeyboardFocus(kWindow, state.shell.EdtFldID);
}

// Says why a change is refused in an alert sheet on the response window;
// menus and palette are dimmed while it stands.
void showRefusal(std::string_view title, std::string_view reason) {
    state.shell.SheetWndFlag = 1;
    menusFor(MenuSituation::SheetUp);
    if (state.shell.CtmPaletFlag == 0) DisableCustomPalet();
    platform::showSheetAlert(kResponseWindow, title, reason, [] { refusalAnswered(); });
}

// Puts the last accepted values back, with the box they describe, and says
// why.
void refuse(std::span<const PaletteValueRow> rows, const Refusal& why) {
    restoreCheckList(rows);
    CofCal();
    BoxParameterBackup();  // on this path too the values in use are the rounded ones
    ReDispCustomPalet();
    showRefusal(why.title, why.reason);
}

// The closed-box alignment could not build the Qtc asked for. Only the
// alignments that take a volume or a Qtc alert, and only once for the Qtc
// the alert offered; otherwise the nearest box that can be built stands.
// While the alert stands the design in force stays: the values it refused
// are neither kept nor drawn, and its OK enters the Qtc it offers.
void closedBoxOutcome(bool withOfferedQtc, std::span<const PaletteValueRow> rows) {
    BoxParameters& box = state.box;
    if (!closedBoxAlignmentFailed(box.CBAlartFlag)) return;
    const int32_t alin = state.selection.Alin;
    const bool takesEntry = alin == 2 || alin == 3;
    if (!takesEntry || withOfferedQtc) {
        box.CBAlartFlag = kCBAlartRealisable;
        return;
    }
    const uint8_t outcome = box.CBAlartFlag;
    const int16_t kind = outcome == kCBAlartQtcTooSmall ? kAlertQtcTooSmall : kAlertQtcTooLarge;
    ShowAlertInitSetup();
    ShowAlert(kind, 0.0f);  // offers the Qtc the alignment left
    restoreCheckList(rows);
    CofCal();
    box.CBAlartFlag = outcome;
}

// What a loss popup sets in a box: its item, and the loss factors it gives
// (the second may be none) with their last accepted copies.
struct LossPopup {
    int32_t* item = nullptr;
    std::span<const double> choices;
    double* values[2] = {};
    double accepted[2] = {};
};
LossPopup lossPopup(BoxParameters& box, int32_t controlId) {
    switch (controlId) {
        case kPaletteQaPopup1: return {&box.PopupItem1, kQaChoices, {&box.QA, &box.QA1}, {box.QAbak, box.QA1bak}};
        case kPaletteQaPopup2: return {&box.PopupItem2, kQaChoices, {&box.QA2}, {box.QA2bak}};
        case kPaletteQbPopup1: return {&box.PopupItem3, kQbChoices, {&box.QL, &box.QL1}, {box.QLbak, box.QL1bak}};
        case kPaletteQbPopup2: return {&box.PopupItem4, kQbChoices, {&box.QL2}, {box.QL2bak}};
        case kPaletteQbPopup3: return {&box.PopupItem5, kQbChoices, {&box.QL3}, {box.QL3bak}};
        default: return {};
    }
}

// Stores the item and sets each loss factor from it (an item outside the
// list leaves them); with `mark`, a value that differs from its last
// accepted copy marks the design changed.
void takeLossChoice(const LossPopup& popup, int32_t item, bool mark) {
    *popup.item = item;
    for (int i = 0; i < 2 && popup.values[i] != nullptr; ++i) {
        if (item >= 1 && item <= int32_t(popup.choices.size())) *popup.values[i] = popup.choices[item - 1];
        if (mark && *popup.values[i] != popup.accepted[i]) compareDesign(DesignComparison::MarkChanged);
    }
}

}  // namespace

int32_t CustumPaletCalcReturn() {
    platform::setCurrentWindow(kWindow);
    BoxParameters& box = state.box;
    const bool withOfferedQtc = std::exchange(state.palette.calcWithOfferedQtc, 0) != 0;
    const std::span<const PaletteValueRow> rows = currentValueRows();
    const PaletteFieldRange entries = currentEntryFields();

    // A comma, or another unit than the value's, is no number to the
    // palette either: rather than only beeping, it says so, naming the value,
    // and how decimals are written or the unit it takes.
    const PaletteValueRow* notANumber = readEntryFields(rows, entries);
    paletteEntriesRead();
    if (notANumber != nullptr) {
        const std::string_view name = boxValueName(notANumber->value);
        const std::string_view text = textForm(notANumber->value).view();
        const FieldUnit unit = boxValueUnit(notANumber->value);
        if (readTypedNumber(text, unit).otherUnit) {
            refuse(rows, {kOtherUnitAlert, otherUnitReason(name, unit, text)});
            return 0;
        }
        refuse(rows, {kNotANumberAlert, refusedEntryMessage(text, std::string(name) + " is not a number.")});
        return 0;
    }

    // A value that is not a positive number puts the last accepted ones back;
    // the run goes on with them.
    const bool refusedEntry = !checkListUsable(rows);
    if (refusedEntry) {
        restoreCheckList(rows);
    } else if (const Refusal why = impossibleEntry(entries); !why.title.empty()) {
        refuse(rows, why);
        return 0;
    }

    CofCal();
    // Entries for which the system's response lies nowhere on the page from
    // 10 Hz to 1 kHz (a tuning far above the range) are refused like a 0,
    // judged as every design is, on the amplitude page whatever is shown.
    bool refused = refusedEntry;
    if (!refused && !entries.empty() && builtBoxCheck().fault == BoxFault::NoResponse) {
        refused = true;
        restoreCheckList(rows);
        CofCal();
    }
    // An alignment may build no box at all for this driver (a fit used
    // outside its range gives a negative volume): nothing of it is kept.
    if (!checkBoxValues().ok()) {  // every value the palette shows, as every design is checked
        refuse(rows, {kBoxValueAlert, kBoxValueReason});
        return 0;
    }
    // Nor is a design kept whose vents overflow: the file would hold them.
    if (const int32_t vent = refused || entries.empty() ? 0 : overflowingVent(); vent != 0) {
        const std::string reason = ventRefusal(rows, entries, vent);
        refuse(rows, {kValueTooLargeAlert, reason});
        return 0;
    }
    // Nor any design the program would refuse to open once saved (a Qtc the
    // entries leave not a number, say): the one check of a design, on the
    // design the redraw computes.
    if (const BoxCheckResult held = changedBoxCheck(takeCalcDesign); !held.ok()) {
        const std::string reason = "The values entered give a design in which " + boxFaultWords(held) +
                                   ".  ( Enter other values, or choose another alignment. )";
        refuse(rows, {boxFaultTitle(held), reason});
        return 0;
    }
    if (refused) {
        platform::beep();
        ReDispCustomPalet();
    }
    if (currentSystemNumber() == kClosedBox) closedBoxOutcome(withOfferedQtc, rows);

    // The vent menu lists vents 1 and 2 as one design exactly while the
    // Triple Vented chambers 1 and 2 are alike: rebuilt after every change.
    if (!refused && currentSystemNumber() == kTripleVented) menusFor(MenuSituation::VentItems);

    BoxParameterBackup();

    if (closedBoxAlignmentFailed(box.CBAlartFlag)) return 0;  // the Qtc alert stands
    platform::setKeyboardFocus(kWindow, kPaletteCalcButton);
    // The field last edited, when it is one of the palette's (Initial
    // Setup's fields share the record, and Snap bears one of their numbers).
    if (currentEntryFields().contains(state.shell.EdtFldID))
        platform::setKeyboardFocus(kWindow, state.shell.EdtFldID);
    platform::selectWindow(kWindow);
    calcVentCounts();
    state.view.ReDispWnd = 2;
    state.vents.VentCalcCount = 0;
    ReDispResposeWnd();
    return 0;
}

bool calcKeyAccepted() {
    const ShellFlags& shell = state.shell;
    return shell.SheetWndFlag == 0 && shell.InterceptEvHnd == 0 &&
           platform::isControlEnabled(kWindow, kPaletteCalcButton);
}

namespace {

constexpr int32_t kQtcFieldId = 32;  // the Closed Box Qtc entry field

}  // namespace

int32_t SheetAlertWndOKReturn() {
    // Only the closed-box Qtc alerts are followed by the nearest box; a
    // driver refused for a system leaves the design on the screen alone.
    const int16_t kind = state.entry.AlertKindShown;
    state.entry.AlertKindShown = 0;
    SheetWndClose(kAlertSheet);
    if (kind != kAlertQtcTooSmall && kind != kAlertQtcTooLarge) return 0;
    if (!closedBoxAlignmentFailed(state.box.CBAlartFlag)) return 0;
    menusFor(MenuSituation::SheetEnded);
    state.box.CBAlartFlag = kCBAlartRealisable;
    if (state.shell.CtmPaletFlag != 0) return 0;
    EnableCustomPalet();
    DrawBevelBtnMenu();
    platform::setControlEnabled(kCustomPalette, kPaletteCalcButton, true);
    platform::setControlText(kCustomPalette, kQtcFieldId, state.entry.s_QTC.view());
    // The run with the offered Qtc builds the nearest box rather than
    // alerting again, so that the cycle ends.
    state.palette.calcWithOfferedQtc = 1;
    CustumPaletCalcReturn();
    return 0;
}

int32_t CustumPaletPopupClick(int32_t controlId) {
    const int32_t item = platform::controlValue(kWindow, controlId);
    if (const LossPopup popup = lossPopup(state.box, controlId); popup.item != nullptr) {
        // The choice is a new box: one the alignment cannot build with this
        // loss is refused as the Alignment menus refuse an alignment, and
        // the design in force stays, its values, its popup item and its
        // drawing.
        const BoxCheckResult box = changedBoxCheck([&] { takeLossChoice(popup, item, false); });
        if (!box.ok()) {
            platform::setControlValue(kWindow, controlId, *popup.item);
            showRefusal(boxFaultTitle(box), boxFaultReason(box));
            return 0;
        }
        takeLossChoice(popup, item, true);
    }
    // Equal losses of the Triple Vented chambers 1 and 2 change the vent menu.
    if (currentSystemNumber() == kTripleVented && (controlId == kPaletteQbPopup1 || controlId == kPaletteQbPopup2))
        menusFor(MenuSituation::VentItems);
    // A new loss factor is a new design: recalculated, its vents sized
    // again and both palettes refreshed.
    state.view.ReDispWnd = 2;
    ReDispResposeWnd();
    return 0;
}

}  // namespace quendal
