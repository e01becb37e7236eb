// The program's preferences: options, a few selections and the bounds of
// five windows, kept under keys equal to the names of their values.
//
// LoadPrefs reads them once at start-up, after every value has its default;
// a key that is missing or holds an unusable value leaves the default.
// SavePrefs writes them all when the program quits and when it hands over to
// speaker selection; in between, a preference is written as soon as the
// event that changed it has been handled, and the windows' places when a
// logout or a kill ends the program, so that no ending loses what was set.
// Numbers are kept as numbers, a rectangle as the text of its four numbers
// top, left, bottom, right (" 0, 0, 390, 540").
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/SharedTypes.h"
#include "model/Str255.h"
#include "platform/Platform.h"

namespace quendal {

// Whose preferences these are: organisation and application, which name the
// file (<configuration folder>/Keldrith/Quendal.ini).
inline constexpr std::string_view kQuendalApplicationID = "Keldrith/Quendal";

// Reads every key in order, each with the current value as its default, and
// then: the first system when "SystemCheck" is 0, the port and duct lengths
// from the port thickness, and the level mode from "MagniCheck".
void LoadPrefs();
// Writes every key in order and writes the file; false when the file could
// not be written. From the first save on, windows may reopen where they
// were ("FastOpenFlag" 0).
bool SavePrefs();
// Writes every key and the file when a value differs from the one last read
// or written; nothing before they have been read. The windows keep opening
// as they did in this run ("FastOpenFlag" stays as it is in memory). False
// when the file could not be written.
bool SaveChangedPrefs();

// Held while the shell handles one event: whatever preference the event
// changed is written once it has been handled.
class PrefsWrittenAfterEvent {
public:
    PrefsWrittenAfterEvent() = default;
    ~PrefsWrittenAfterEvent() { SaveChangedPrefs(); }
    PrefsWrittenAfterEvent(const PrefsWrittenAfterEvent&) = delete;
    PrefsWrittenAfterEvent& operator=(const PrefsWrittenAfterEvent&) = delete;
};

// The identity of the preferences; the first one set stays. The shell sets
// it at start-up, before any preference is read; a getter that finds none
// sets the program's own.
void CFPrefsSetApplicationID(std::string_view identifier);
std::string CFPrefsGetApplicationID();
bool CFPrefsAppSynchronize();

std::optional<platform::StoredPreference> CFPrefsCopyAppValue(std::string_view key);
void CFPrefsSetAppValue(std::string_view key, const platform::PreferenceSetting& value);

// The getters store the value, or the default when the key is missing or
// its value unusable, and tell whether the stored value was taken.
bool CFPrefsGetLong(std::string_view key, int32_t* value, int32_t defaultValue);  // a 32-bit integer
void CFPrefsSetLong(std::string_view key, int32_t value);
bool CFPrefsGetDbl(std::string_view key, double* value, double defaultValue);  // a finite number
void CFPrefsSetDbl(std::string_view key, double value);
// A text Mac Roman can write, at most 255 characters.
bool CFPrefsGetPString(std::string_view key, Str255* value, std::string_view defaultValue);
void CFPrefsSetPString(std::string_view key, std::string_view value);
// Exactly four integers of the 16-bit range, bottom below top and right of
// left, on a screen at least in part.
bool CFPrefsGetRect(std::string_view key, Rect16* value, const Rect16* defaultValue);
void CFPrefsSetRect(std::string_view key, const Rect16* value);

// Copies `count` bytes; nothing when count is not positive.
void BlockMove(const void* source, void* destination, std::ptrdiff_t count);

// The stored text of a rectangle, and back (nothing for a text that is not
// exactly four 16-bit integers separated by commas).
std::string rectangleText(const Rect16& r);
std::optional<Rect16> parseRectangle(std::string_view text);

}  // namespace quendal
