// Driver and passive-radiator data as text: the records that sibling
// applications send and that the user pastes.
//
// A record is a text of fields, each followed by two blanks; a field may
// hold single blanks. The first field is the marker: "DUMMY#" for a driver
// (16 fields), "DUMMY&" for a passive radiator (10 fields). Its last field
// may also end the text without its two blanks. A driver record with fewer
// complete fields than it needs is not taken at all: no value changes. A
// radiator record is shown for the user to complete: the fields it leaves
// out at its end are empty.
//
// A record sent by a sibling is 8-bit text; one pasted is read from the
// clipboard's own characters, as the same text typed into the fields is.
//
// Numbers are read as a number typed into the same field is
// (readTypedNumber in the field's unit): the field's own unit after the
// number is taken ("12.5 Hz" is 12.5 Hz, "220 cm2" is 220 cm^2), "&H", "&O",
// "&X" and "0x" prefixes give integers in base 16, 8, 2 and 16, and a blank
// field reads as 0. A field with a comma ("80,5"), with another number
// after its number ("1 000"), in another unit ("0.03 kHz"), without a
// number ("abc", "&") or with one beyond the range of a double reads as no
// number, and the record is refused rather than taken with another number
// than the one it says. A driver record is then judged as Default
// Parameters judges the same values; a radiator record is shown in the
// radiator sheet, whose Apply judges its values as it judges typed ones.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/DriverCheck.h"
#include "model/SharedTypes.h"
#include "model/Str255.h"

namespace quendal {

inline constexpr std::size_t kDriverRecordFields = 16;
inline constexpr std::size_t kRadiatorRecordFields = 10;
// A clipboard text of this many characters or more is no record.
inline constexpr std::size_t kClipTextLimit = 256;

// The first field: the text before the first two blanks; empty when the
// text has no two blanks in a row (a plain command text).
std::string_view recordMarker(std::string_view text);

// The first `count` fields, or nothing when the text holds fewer complete
// fields. Fields beyond `count` are ignored. With `shortTaken` a text of
// fewer fields is taken too, the fields it leaves out at its end empty.
std::optional<std::vector<std::string_view>> cutRecord(std::string_view text, std::size_t count,
                                                       bool shortTaken = false);

// A driver record as received, in the units of the entered driver set:
// the numbers in the record's own order (Dia, Fs, Vas, Qts, Qes, Qms, Effi,
// Re, Pemax, Sd, Xmax, Vd, Le; Sd, Xmax and Vd differ from a document's
// order) with their texts. The model name and range are kept to their
// first 59 bytes, as the windows and the design document keep them.
struct DriverRecord {
    Str255 s_SP, s_RANG;
    std::array<double, 13> values{};
    std::array<Str255, 13> texts;
};

// A passive-radiator unit as received: manufacturer, model, then diameter
// (cm), Fp (Hz), Vap (litre), Qmp, Sd (cm^2), Xmax (mm), Vd (cm^3), with
// the texts of the numbers. The two names are kept to their first 59
// bytes, as the document keeps them; `refused` holds, for each name, the
// characters of it a design cannot keep (none: the name is taken).
struct RadiatorRecord {
    Str255 s_ManufOrg, s_PROrg;
    std::array<double, 7> values{};
    std::array<Str255, 7> texts;
    std::array<std::u32string, 2> refused;
};

// The record of a text, when the text is a complete record of that kind.
// A sibling's record is 8-bit text: a name that holds a control character
// (a line break, a tab) is refused (RadiatorRecord::refused, or the
// driver's check).
std::optional<DriverRecord> readDriverRecord(std::string_view text);
std::optional<RadiatorRecord> readRadiatorRecord(std::string_view text);
// A radiator record as the clipboard gives it (UTF-8, composed), cut as
// every record is: its numbers read as a number field reads the same text
// typed (numberTextFromUtf8: "330 cm²", "52 L" with a no-break space), its
// names taken into the design's 8-bit text by the name rule (keptName).
std::optional<RadiatorRecord> readPastedRadiatorRecord(std::string_view utf8);

// The fifteen texts of a driver record in the order of DriverField, as the
// Default Parameters window would hold them.
std::array<std::string_view, kDriverFieldCount> driverRecordTexts(const DriverRecord& record);

// The verdict on a driver record: the check the Default Parameters window
// makes of the same texts typed into its fields (checkDriverTexts).
DriverCheckResult checkDriverRecord(const DriverRecord& record);

// The driver record of a text when it is complete and passes that check.
std::optional<DriverRecord> passingDriverRecord(std::string_view text);

// The unit of the radiator's number `number` (0 the diameter ... 6 Vd):
// cm, Hz, litres, none (Qmp), cm^2, mm, cm^3.
FieldUnit radiatorFieldUnit(std::size_t number);

// A radiator unit from its 8-bit texts: the two names kept to their first
// 59 bytes (their control characters refused), the seven numbers (diameter
// ... Vd) read as a typed number is.
RadiatorRecord radiatorRecordOf(std::string_view manufacturer, std::string_view model,
                                const std::array<std::string_view, 7>& numbers);

// The verdict of the radiator sheet's Apply on the seven numbers of a
// unit, typed or shown from a record: each must read as a typed number in
// its field reads (OtherUnit for another unit, NotANumber for a comma or no
// number, TooLarge for one too large to hold); the diameter must not be
// negative (Negative; a blank reads as 0 and is taken); Fp, Vap, Qmp, Sd,
// Xmax and Vd must be given (Empty) and greater than 0 (NotPositive). A
// number that does not read is named before one out of its range; the
// first refused number is named by its place (0 the diameter ... 6 Vd).
struct RadiatorCheckResult {
    DriverFault fault = DriverFault::None;
    // The number refused (0 the diameter ... 6 Vd); for UnkeptCharacters
    // the name (0 the manufacturer, 1 the model).
    std::size_t number = 0;
    bool ok() const { return fault == DriverFault::None; }
};
RadiatorCheckResult checkRadiatorTexts(const std::array<std::string_view, 7>& numbers);
// The verdict on a record as it arrives, sent or pasted: a name with
// characters a design cannot keep, then a number that does not read as a
// number in its field, is refused; the ranges are for Apply to judge, once
// the user has seen and completed the unit.
RadiatorCheckResult checkRadiatorRecord(const RadiatorRecord& record);

// The driver set the record would make: the entered set (suffix 2) and the
// working model name and range replaced, everything else as it is now.
SpeakerParameters driverWithRecord(const DriverRecord& record);

// Takes the record: the entered driver set, the working model name and
// range, and the received number texts (s_DIA ... s_LE).
void takeDriverRecord(const DriverRecord& record);
// Takes the unit into the received radiator set (the Org values); the
// radiator sheet's Apply does, once the unit passes checkRadiatorTexts.
void takeRadiatorRecord(const RadiatorRecord& record);

enum class RecordOutcome : int32_t {
    Taken,       // a driver record checked and taken; a radiator record that reads, to show in its sheet
    NotARecord,  // another text (from Orvanel: the working driver was reset from the entered one)
    Refused,     // a driver record that is incomplete, or a record a field of which fails its check: nothing changed
};

// s_Masg from Orvanel: s_Dummy := its marker. A driver record that is
// complete and passes checkDriverRecord is taken; any other text resets
// the working driver set from the entered one (OriginalBoxParametersPass).
RecordOutcome MasageTextToParameter();

// The radiator record of s_MasgPR from Ostrevane, to show in the radiator
// sheet; none when it is no radiator record or checkRadiatorRecord refuses
// it. Nothing is taken until the sheet's Apply.
std::optional<RadiatorRecord> MasageTextToPRParameter();

// s_DummyPR := the marker of s_MasgPR.
void CheckDummyMasageFromAppEvent();

// Judges ClipText as a radiator record to show in the radiator sheet. The
// paste keeps its own marker (s_DummyPaste) and leaves s_DummyPR to the
// records of Ostrevane. Taken when ClipText is a radiator record that
// checkRadiatorRecord passes (readPastedRadiatorRecord gives it to show;
// nothing is taken until the sheet's Apply); Refused when it does not;
// NotARecord for any other text.
RecordOutcome ClipTextToPRParameter();

// The clipboard's text, when it holds a text of at least one byte.
std::optional<std::string> GetClipBoardHandle();
// ClipText := the block when it holds fewer than kClipTextLimit characters;
// false (ClipText unchanged) otherwise.
bool GetClipBoardText(const std::string& block);

// A driver record held aside while the design had unsaved changes is taken
// into the entered driver set when it passes checkDriverRecord; System
// Select calls it as it opens, before it derives the effective driver.
// Returns 0.
int32_t TakeHeldDriverRecord();

}  // namespace quendal
