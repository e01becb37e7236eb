// The check of a driver as entered or received, before any of it is taken.
//
// A driver is two texts (model name, usable frequency range) and thirteen
// numbers. The resonance, compliance, total and mechanical Q, resistance
// and cone area must be positive, the others may be 0 but not negative,
// every number must be finite, the efficiency is at most 100 % and the
// resonance at most 1 kHz, where every response page ends. The
// window that enters a driver and the records received later use the same
// check, so that no path lets a driver through that another refuses.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "model/Str255.h"
#include "model/TextToNumber.h"

namespace quendal {

struct SpeakerParameters;

// The fifteen fields of a driver, in the order the program lists them.
enum class DriverField : int32_t {
    Model, Range, DIA, FS, VAS, QTS, QES, QMS, EFI, RE, PEMX, SD, XMAX, VD, LE,
};
inline constexpr std::size_t kDriverFieldCount = 15;

// Model name and range text are kept to this many bytes.
inline constexpr std::size_t kDriverTextBytes = 59;

inline constexpr double kMaximumEfficiency = 100.0;  // %
// Every response page ends at 1 kHz: a resonance above it shows nothing.
inline constexpr double kHighestResonance = 1000.0;  // Hz

struct DriverValues {
    Str255 s_SP, s_RANG;
    double DIA = 0.0;   // cm
    double FS = 0.0;    // Hz
    double VAS = 0.0;   // litre
    double QTS = 0.0, QES = 0.0, QMS = 0.0;
    double EFI = 0.0;   // %
    double RE = 0.0;    // ohm
    double PEMX = 0.0;  // W
    double SD = 0.0;    // cm^2
    double XMAX = 0.0;  // mm
    double VD = 0.0;    // cm^3
    double LE = 0.0;    // mH
};

enum class DriverFault : int32_t {
    None,
    NotPositive,  // 0 or less where only a positive value has a meaning
    Negative,     // below 0
    NotFinite,    // infinite or not a number
    AboveLimit,   // the efficiency above 100 %, or Fs above kHighestResonance
    NotANumber,   // a text with no number at its beginning
    TooLarge,     // a number beyond the range of a double ("1e999")
    OtherUnit,    // a number followed by another unit than the field's ("0.03 kHz" for Fs)
    Empty,        // nothing typed where only a positive value has a meaning
    // A name holding characters a design cannot keep; in a driver's 8-bit
    // texts, a control character (a line break, a tab), which it would not show.
    UnkeptCharacters,
};

struct DriverCheckResult {
    DriverFault fault = DriverFault::None;
    DriverField field = DriverField::Model;  // the first field refused
    bool ok() const { return fault == DriverFault::None; }
};

// The value of a numeric field (0 for the two text fields).
double driverNumber(const DriverValues& driver, DriverField field);

// The unit each numeric field takes (FieldUnit::None for the Qs and the two
// texts).
FieldUnit driverFieldUnit(DriverField field);

// Reads the fields from their texts, in the order of DriverField: the two
// texts cut to kDriverTextBytes, the numbers by the program's locale-free
// text-to-number rule (a text without a number reads as 0).
DriverValues driverFromTexts(const std::array<std::string_view, kDriverFieldCount>& texts);

// Checks the fields in the order of DriverField and names the first fault.
DriverCheckResult checkDriver(const DriverValues& driver);

// The same check of a driver as typed: a numeric text that holds no number
// as a field reads one (readTypedNumber in the field's unit: a comma or
// another unit makes it none), or one too large to hold, is named as such
// rather than read as 0; a field left empty where only a positive value has
// a meaning is named as empty; a model name or range holding a control
// character is named as holding characters a design cannot keep.
DriverCheckResult checkDriverTexts(const std::array<std::string_view, kDriverFieldCount>& texts);

// The driver as entered (the suffix-2 set of the state), and taking a
// checked driver into it (texts cut to kDriverTextBytes).
DriverValues enteredDriver();
void takeEnteredDriver(const DriverValues& driver);

// The suffix-2 set of any driver, as enteredDriver() reads the state's.
DriverValues enteredDriverOf(const SpeakerParameters& speaker);
// The driver in use (the set without suffix) of a parameter set, to check.
DriverValues effectiveDriverOf(const SpeakerParameters& speaker);

}  // namespace quendal
