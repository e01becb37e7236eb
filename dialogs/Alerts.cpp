#include "dialogs/Alerts.h"

#include <cmath>
#include <string>

#include "model/ClosedBoxOutcome.h"
#include "model/State.h"
#include "model/TextToNumber.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"
#include "dialogs/FieldText.h"
#include "dialogs/DesignStart.h"
#include "dialogs/NameText.h"
#include "response/BoxCheck.h"
#include "view/ShellHooks.h"

namespace quendal {

namespace {

// The alert texts are Mac Roman: these are its "greater or equal" and
// "less or equal" signs.
constexpr std::string_view kAtLeast = "\xB3 ";
constexpr std::string_view kAtMost = "\xB2 ";

// The window the driver alerts stand on: the System Select window while
// the user chooses there, else the design's response window.
int32_t windowInFront() {
    if (platform::windowExists(kSystemSelectWindow)) return kSystemSelectWindow;
    if (platform::windowExists(kResponseWindow)) return kResponseWindow;
    return 0;
}

// The end of a driver alert's message: the limit of the system, as
// ".  ( Available Qts  \xB3 0.14 )"; a limit that is not a number is left out.
std::string limitText(std::string_view quantity, std::string_view sign, float limit, std::string_view unit = {}) {
    if (!std::isfinite(limit)) return ".";
    std::string s = ".  ( Available ";
    s += quantity;
    s += "  ";
    s += sign;
    s += fieldTextThreeDecimals(limit);
    s += unit;
    s += " )";
    return s;
}

// A driver refused for the system chosen: the sheet on the window in front.
// A design waiting behind System Select keeps its menus and palettes, and
// the alert's OK leaves it as it was.
void showDriverAlert(const std::string& title, const std::string& message) {
    state.entry.AlertKindShown = kAlertNoRealBox;
    state.shell.SheetWndFlag = 1;
    platform::showSheetAlert(windowInFront(), title, message, [] { alertSheetOk(); });
}

}  // namespace

bool QtsVasCheck() {
    // A system chosen in System Select starts a new design, even while the
    // last one waits behind the window.
    const DriverFit fit = driverFitForSystem(!platform::windowExists(kResponseWindow) ||
                                             platform::windowExists(kSystemSelectWindow));
    if (fit.alertKind == 0) return false;
    if (fit.alertKind == kAlertNoRealBox)
        showDriverAlert(boxFaultTitle(fit.box), boxFaultReason(fit.box, BoxChoice::System));
    else
        ShowAlert(fit.alertKind, fit.limit);
    return true;
}

int32_t ShowAlert(int16_t kind, float value) {
    DesignEntryState& entry = state.entry;
    entry.s_QTS = fieldTextThreeDecimals(state.speaker.QTS);
    entry.s_QTC = fieldTextThreeDecimals(state.box.QTC);
    entry.s_VAS = fieldTextThreeDecimals(state.speaker.VAS);

    std::string title, message;
    int32_t window = kResponseWindow;
    switch (kind) {
        case kAlertQtcTooSmall:
            title = "ALERT!   Impossible alignment.  Qtc is too small.";
            message = std::string("Enter larger Qtc.  ( Possible Qtc  ") + std::string(kAtLeast) + entry.s_QTC.str() + " )";
            break;
        case kAlertQtcTooLarge:
            title = "ALERT!   Unavailable alignment.  Qtc is too Large.";
            message = std::string("Enter smaller Qtc.  ( Possible Qtc  ") + std::string(kAtMost) + entry.s_QTC.str() + " )";
            break;
        case kAlertQtsTooSmall:
        case kAlertQtsTooLarge:
        case kAlertVasTooSmall:
            window = windowInFront();
            if (kind == kAlertVasTooSmall) {
                title = "ALERT!   Uncalculate.  Vas is too small.";
                message = "The driver's Vas is " + entry.s_VAS.str() + " Liter" + limitText("Vas", kAtLeast, value, " Liter");
            } else {
                const bool small = kind == kAlertQtsTooSmall;
                title = small ? "ALERT!   Uncalculate.  Qts is too small." : "ALERT!   Uncalculate.  Qts is too large.";
                message = "The driver's Qts is " + entry.s_QTS.str() +
                          limitText("Qts", small ? kAtLeast : kAtMost, value);
            }
            break;
        default: return 0;
    }
    entry.AlertKindShown = kind;
    state.shell.SheetWndFlag = 1;
    platform::showSheetAlert(window, title, message, [] { alertSheetOk(); });
    return 0;
}

int32_t ShowAlertInitSetup() {
    if (!closedBoxAlignmentFailed(state.box.CBAlartFlag)) return 0;
    menusFor(MenuSituation::SheetUp);
    if (state.shell.CtmPaletFlag == 0) refreshWindows(WindowRefresh::CustomPaletteDimmed);
    return 0;
}

namespace {

int32_t (*gAlertSheetOk)() = nullptr;

}  // namespace

void setAlertSheetOk(int32_t (*ok)()) { gAlertSheetOk = ok; }

bool alertSheetOkFilled() { return gAlertSheetOk != nullptr; }

int32_t alertSheetOk() {
    if (gAlertSheetOk != nullptr) return gAlertSheetOk();
    return SheetWndClose(kAlertSheet);
}

namespace {

// The blanks a number's text may hold (the ASCII ones and the Mac Roman
// no-break space).
constexpr std::string_view kBlanks = " \t\r\n\v\f\xCA";

// A refused text as an alert quotes it: without the blanks around it, and
// every blank inside it a plain one, so that a tab or a no-break space is
// seen as the blank it is rather than as nothing or a box.
std::string quoted(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    std::string s(text.substr(first, text.find_last_not_of(kBlanks) - first + 1));
    for (char& c : s)
        if (kBlanks.find(c) != std::string_view::npos) c = ' ';
    return s;
}

}  // namespace

std::string_view refusedEntryTitle(std::string_view text, FieldUnit unit) {
    const TypedNumber typed = readTypedNumber(text, unit);
    switch (typed.kind) {
        case NumberTextKind::Blank: return kNotANumberAlert;
        case NumberTextKind::NotANumber: return typed.otherUnit ? kOtherUnitAlert : kNotANumberAlert;
        case NumberTextKind::TooLarge: return kValueTooLargeAlert;
        case NumberTextKind::Number: break;
    }
    return kValueTooSmallAlert;
}

std::string otherUnitReason(std::string_view label, FieldUnit unit, std::string_view text) {
    std::string s(label);
    if (unit == FieldUnit::None) s += " takes a number alone";
    else s += " is in " + std::string(unitName(unit));
    s += ": \"" + quoted(text) + "\" is not taken.";
    return s;
}

std::string refusedEntryMessage(std::string_view text, std::string_view message) {
    std::string s(message);
    if (readTypedNumber(text, FieldUnit::None).decimalComma) s += kDecimalPointNote;
    return s;
}

std::string_view refusedValueTitle(DriverFault fault) {
    switch (fault) {
        case DriverFault::AboveLimit:
        case DriverFault::TooLarge: return kValueTooLargeAlert;
        case DriverFault::NotANumber: return kNotANumberAlert;
        case DriverFault::OtherUnit: return kOtherUnitAlert;
        case DriverFault::Empty: return kEmptyFieldAlert;
        case DriverFault::UnkeptCharacters: return kUnheldCharactersAlert;
        default: return kValueTooSmallAlert;
    }
}

std::string refusedValueReason(std::string_view label, DriverFault fault, FieldUnit unit, std::string_view text) {
    const std::string name(label);
    switch (fault) {
        case DriverFault::NotPositive: return name + " must be greater than 0.";
        case DriverFault::Negative: return name + " must not be negative.";
        case DriverFault::NotFinite: return name + " must be a finite number.";
        case DriverFault::NotANumber: return name + " is not a number.";
        case DriverFault::TooLarge: return name + " is too large to be read as a number.";
        case DriverFault::OtherUnit: return otherUnitReason(label, unit, text);
        case DriverFault::Empty: return name + " is empty; it must be greater than 0.";
        case DriverFault::UnkeptCharacters: return unheldCharactersMessage(label, controlCharactersIn(text));
        case DriverFault::AboveLimit:
        case DriverFault::None: break;
    }
    return {};
}

std::string leastValueMessage(std::string_view text, std::string_view name, std::string_view unit,
                              std::string_view tooSmall, FieldUnit fieldUnit) {
    const TypedNumber typed = readTypedNumber(text, fieldUnit);
    if (typed.otherUnit) return otherUnitReason(name, fieldUnit, text);
    if (typed.kind != NumberTextKind::TooLarge) return refusedEntryMessage(text, tooSmall);
    return std::string(name) + " " + quoted(text) + " " + std::string(unit) + " is too large.";
}

int32_t ShowSheetAlert(int32_t windowNumber, std::string_view message, std::string_view informativeText) {
    state.shell.SheetWndFlag = 1;
    platform::showSheetAlert(windowNumber, message, informativeText, [windowNumber] {
        state.shell.SheetWndFlag = 0;
        if (platform::windowExists(windowNumber)) platform::selectWindow(windowNumber);
    });
    return 0;
}

int32_t SheetWndClose(int32_t windowNumber) {
    platform::hideWindow(windowNumber);
    platform::closeWindow(windowNumber);
    state.shell.SheetWndFlag = 0;
    return 0;
}

}  // namespace quendal
