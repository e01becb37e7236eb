// The alerts of the design entry and of the closed-box alignment, and the
// sheets' common close.
//
// Every alert goes through the platform's dialog service (a sheet on a
// numbered window), so that tests record it instead of a person answering.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/DriverCheck.h"
#include "model/TextToNumber.h"

namespace quendal {

// Kinds of ShowAlert.
inline constexpr int16_t kAlertQtcTooSmall = 1;  // closed box: wanted Qtc below the smallest possible
inline constexpr int16_t kAlertQtsTooSmall = 2;  // the driver does not suit the system chosen
inline constexpr int16_t kAlertQtsTooLarge = 3;
inline constexpr int16_t kAlertVasTooSmall = 4;
inline constexpr int16_t kAlertQtcTooLarge = 5;  // closed box: wanted Qtc above the largest possible
// The driver's first alignment builds no real box, and no Qts would: the
// box check's own alert (QtsVasCheck shows it; ShowAlert takes no such kind).
inline constexpr int16_t kAlertNoRealBox = 6;

// The title of the alert for a value the user typed that is refused.
inline constexpr std::string_view kValueTooSmallAlert = "ALERT!   Entered numerical value is too small.";
inline constexpr std::string_view kValueTooLargeAlert = "ALERT!   Entered numerical value is too large.";
inline constexpr std::string_view kNotANumberAlert = "ALERT!   Entered text is not a number.";
// A number followed by another unit than its field's, or by any text where
// the field takes a number alone.
inline constexpr std::string_view kOtherUnitAlert = "ALERT!   Entered unit is not taken.";
// Nothing typed where only a positive value has a meaning.
inline constexpr std::string_view kEmptyFieldAlert = "ALERT!   A field is left empty.";

// The title for a refused entry of a field that takes a number of at least
// some value in `unit`: text that is not a number, a number in another
// unit, or a number too large to be read, says so; anything else was too
// small.
std::string_view refusedEntryTitle(std::string_view text, FieldUnit unit);

// Why a number in another unit than its field's is refused, naming the
// field by its label and the unit it takes, with the text as typed:
// Fs (Free Air Resonance) is in Hz: "0.03 kHz" is not taken.
// A field without a unit "takes a number alone". The text is quoted
// without the blanks around it, each blank inside it a plain one.
std::string otherUnitReason(std::string_view label, FieldUnit unit, std::string_view text);
// Follows the reason where a thermal limit is asked for (Pemax) and the
// text names a peak, max, program or music rating (TypedNumber::peakRating).
inline constexpr std::string_view kContinuousRatingNote =
    "  ( A peak, max, program or music rating is not a thermal limit: the continuous (RMS) rating is. )";

// A typed number is read one way in every field (readTypedNumber): a text
// with a comma is no number, and its refusal says how decimals are written.
inline constexpr std::string_view kDecimalPointNote = "  ( Decimals take a point, not a comma. )";

// The message of a refused field: the field's own words, followed by
// kDecimalPointNote when what it holds has a comma between digits, where
// it can be a decimal comma ("47,5"), and not after a comma elsewhere
// ("100 W, peak").
std::string refusedEntryMessage(std::string_view text, std::string_view message);

// A refused number field in its window's words: the title for the fault,
// and why, naming the field by its label as the window shows it
// ("Vd (Displacement Volume) must be greater than 0."). A value above its
// limit is told by its window, which knows the limit; a number in another
// unit is told by otherUnitReason with the field's `unit` and `text`.
std::string_view refusedValueTitle(DriverFault fault);
std::string refusedValueReason(std::string_view label, DriverFault fault, FieldUnit unit = FieldUnit::None,
                               std::string_view text = {});

// The message of a refused entry of a field that takes a number of at
// least some value: the field's own words `tooSmall` for a smaller value or
// a text that is no number, and for a number too large to be read, that it
// is too large, named as typed: "The input power 1e309 Watts is too large."
// A number in another unit than `fieldUnit` is told by otherUnitReason.
// Then kDecimalPointNote where the text has a comma, as refusedEntryMessage.
std::string leastValueMessage(std::string_view text, std::string_view name, std::string_view unit,
                              std::string_view tooSmall, FieldUnit fieldUnit);

// Compares the effective driver's QTS and VAS with what the chosen system
// (SysSelTabNum, SysSelBtnNum) admits; shows the first alert that applies
// (Qts too small, Qts too large, Vas too small) and returns true then.
// Besides the fixed ranges of some systems, a driver whose first alignment
// would give a box volume or tuning that is not a positive number is
// refused with the Qts alert of the side it falls out of; a first alignment
// that fails otherwise (its response off the page, say) is refused with
// the box check's alert naming that fault, on the same window.
bool QtsVasCheck();

// Sets s_QTS, s_QTC and s_VAS to QTS, QTC and VAS at three decimals and
// opens alert sheet `kind` (one OK button, AlertKindShown `kind`): kinds 1
// and 5 on the response window, quoting the possible Qtc; kinds 2-4 on the
// window in front (the System Select window while it is open, else the
// response window), quoting the driver's value and `value`, the limit of
// the system. Its OK runs alertSheetOk.
int32_t ShowAlert(int16_t kind, float value);

// While the closed-box alignment has failed (CBAlartFlag 0 or "too large"):
// dims the menu bar and, while the custom palette is shown, its controls.
int32_t ShowAlertInitSetup();

// What the OK of ShowAlert's sheet runs. The custom palette's follow-up of a
// failed closed-box alignment (SheetAlertWndOKReturn) is installed by the
// shell at start; without it the OK only closes the sheet.
void setAlertSheetOk(int32_t (*ok)());
bool alertSheetOkFilled();
int32_t alertSheetOk();

// A standard alert sheet with one OK button on window `windowNumber`.
int32_t ShowSheetAlert(int32_t windowNumber, std::string_view message, std::string_view informativeText);

// Hides the sheet of that window number, closes it and clears SheetWndFlag.
int32_t SheetWndClose(int32_t windowNumber);

}  // namespace quendal
