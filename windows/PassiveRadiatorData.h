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

// Creates the sheet on the response window with empty fields and shows it,
// holding the received unit as it stands (holdReceivedRadiator): a unit
// pasted or received is shown in the received values, not applied, until
// Apply. Returns -1 while there is no response window, the received unit
// put back as held.
int32_t PassiveRadiDataEnterWnd();
// Shows the received unit (s_ManufOrg, s_PROrg and the seven Org values).
int32_t PassiveRadiDataInDispOrg();

// Reads the clipboard and, while the sheet is the current window, takes a
// radiator record from it (ClipTextToPRParameter): Taken, or Refused for a
// complete record with a number that does not read; an empty clipboard, a
// text of 256 bytes or more and any other text are no record (NotARecord).
RecordOutcome PasteOnQnDLInPRDataEnter();

// "Paste Parameters": a record taken shows its values and dims the button;
// a record refused is told as refusedRadiatorRecord tells it; anything else
// beeps and shows the mismatch alert on the sheet. The fields keep what
// they held unless a record is taken.
int32_t PRDataEnterPasteParameterButton();

// A complete radiator record in `text` that checkRadiatorRecord refuses:
// beeps and shows on `window` the alert naming the first refused number
// as the sheet names its field, and why (with the note on decimals for a
// comma), and returns true. Changes nothing else; false for any other text.
bool refusedRadiatorRecord(int32_t window, std::string_view text);

// "Apply": the fields are read and judged as a radiator record of the same
// texts is (checkRadiatorTexts); a refused unit beeps and shows the alert
// naming the field and why, the sheet keeps its texts and nothing changes;
// a valid unit is taken (the hold ends) and, for the two passive-radiator
// systems, becomes the design's alignment.
int32_t PRDataEnterWndApply();
// "Cancel": closes the sheet; nothing of it is taken, and a unit pasted or
// received into it gives way to the one held when it opened.
int32_t PRDataEnterWndCancel();

}  // namespace quendal
