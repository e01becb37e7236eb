// The passive-radiator data sheet (window 12): one radiator unit entered by
// hand, pasted from the clipboard or received from Ostrevane, checked and
// applied to the design.
//
// The shell's rows call these routines: control 2 "Cancel", 3 "Paste
// Parameters", 4 "Apply"; Option alone pastes, Enter or Return applies,
// Escape cancels.
#pragma once

#include <cstdint>
#include <string_view>

#include "dialogs/ParameterRecords.h"
#include "platform/Platform.h"

namespace quendal {

inline constexpr platform::ControlNumber kPRCancelButton = 2;
inline constexpr platform::ControlNumber kPRPasteButton = 3;
inline constexpr platform::ControlNumber kPRApplyButton = 4;
// The nine fields in the order of the unit (there is no field 55).
inline constexpr platform::ControlNumber kPRManufacturerField = 51;
inline constexpr platform::ControlNumber kPRModelField = 52;
inline constexpr platform::ControlNumber kPRDiameterField = 53;  // cm
inline constexpr platform::ControlNumber kPRFpField = 54;        // Hz
inline constexpr platform::ControlNumber kPRVapField = 56;       // litre
inline constexpr platform::ControlNumber kPRQpField = 57;
inline constexpr platform::ControlNumber kPRSdField = 58;        // cm^2
inline constexpr platform::ControlNumber kPRXmaxField = 59;      // mm
inline constexpr platform::ControlNumber kPRVdField = 60;        // cm^3

inline constexpr std::string_view kPasteMismatchAlert = "ALERT!   Paste Data is Mismatched.";

// Creates the sheet on the response window with empty fields and shows it;
// does nothing and returns -1 while there is no response window.
int32_t PassiveRadiDataEnterWnd();
// Shows a received unit in the fields for the user to see and complete:
// its two names and its seven numbers as the fields show numbers, a number
// the record leaves empty as an empty field. Nothing is taken until Apply.
int32_t PassiveRadiDataInDispOrg(const RadiatorRecord& record);

// Reads the clipboard and, while the sheet is the current window, takes a
// radiator record from it (ClipTextToPRParameter): Taken (to show), or
// Refused for a record with a number that does not read in its field; an
// empty clipboard, a text of 256 bytes or more and any other text are no
// record (NotARecord).
RecordOutcome PasteOnQnDLInPRDataEnter();

// "Paste Parameters": a record that reads shows its values, empty fields
// empty, and dims the button;
// a record refused is told as refusedRadiatorRecord tells it; anything else
// beeps and shows the mismatch alert on the sheet. The fields keep what
// they held unless a record is taken.
int32_t PRDataEnterPasteParameterButton();

// A radiator record in `text` (8-bit, as a sibling sends it) or a record
// read, that checkRadiatorRecord refuses: beeps and shows on `window` the
// alert naming the first refused name or number as the sheet names its
// field, and why (the characters a design cannot keep; the note on decimals
// for a comma, or the unit the field takes), lets Ostrevane go when it
// sent the record (`fromOstrevane`, as Cancel does), and returns true.
// Changes nothing else; false for any other text.
bool refusedRadiatorRecord(int32_t window, std::string_view text, bool fromOstrevane);
bool refusedRadiatorRecord(int32_t window, const RadiatorRecord& record, bool fromOstrevane);

// "Apply": the fields are read and judged (checkRadiatorTexts: each number
// in its unit, then its range); a refused unit beeps and shows the alert
// naming the field and why, the sheet keeps its texts and nothing changes;
// a valid unit is taken and, for the two passive-radiator systems, becomes
// the design's alignment.
int32_t PRDataEnterWndApply();
// "Cancel": closes the sheet; nothing of it is taken.
int32_t PRDataEnterWndCancel();

}  // namespace quendal
