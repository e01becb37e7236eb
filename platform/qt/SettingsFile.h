// The preferences file as text and as a file on the disk, without Qt.
//
// The file is an INI file: "[General]" for the program's own keys, other
// sections kept as they stand, and one line "key=value" a key. It is read
// and replaced by this code alone, so that nothing but the file itself is
// ever opened: no other file is read in its place, and no lock file is
// made beside it. Nothing here waits on what stands at the file's place:
// a named pipe, a device, a folder or a socket there is never opened.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quendal::platform::qt {

// The name of a section. The entries of one section share one copy of it,
// so that a long name costs its reading once, not once for each entry.
class SectionName {
public:
    SectionName() = default;
    SectionName(std::string_view name)
        : name_(name.empty() ? nullptr : std::make_shared<const std::string>(name)) {}
    SectionName(const std::string& name) : SectionName(std::string_view(name)) {}
    SectionName(const char* name) : SectionName(std::string_view(name)) {}
    std::string_view view() const { return name_ ? std::string_view(*name_) : std::string_view(); }
    bool empty() const { return view().empty(); }
    // The copy of the name: the same for the entries that share it.
    const void* identity() const { return name_.get(); }
    friend bool operator==(const SectionName& a, const SectionName& b) { return a.name_ == b.name_ || a.view() == b.view(); }

private:
    std::shared_ptr<const std::string> name_;
};

// One line of the file. `raw` is the value as the file holds it, written
// back as it stands while the key is not set anew; `texts` is what it reads
// as: one text, or the parts of a list ("30, 12, 420, 560" unquoted).
struct SettingsEntry {
    SectionName section;  // empty for [General]
    std::string key;
    std::string raw;
    std::vector<std::string> texts;
    bool readable = true;  // false for a value of a typed form ("@Rect(...)")
};

// The entries of a file's text, in the file's order. Blank lines and
// comments (";" or "#" first) are dropped. A value reads as its parts
// split at commas outside double quotes, each without the blanks around
// it; a ";" outside quotes starts a comment; backslash escapes (\n, \t,
// \", \\, \xhhhh, \ooo, a backslash ending the line) stand for their
// character; "@@" at the start stands for "@".
std::vector<SettingsEntry> parseSettingsText(std::string_view text);

// The value as a line of the file holds one text: quoted when it has a
// comma, semicolon or equals sign, or blanks at either end; a backslash,
// quote and control character escaped; "@" at the start doubled.
std::string settingsValueText(std::string_view text);

// The file's text: [General] first, then each other section in the order
// of its first entry.
std::string settingsText(const std::vector<SettingsEntry>& entries);

// What a look at the file's place found, following links.
enum class SettingsPlace {
    Missing,  // nothing there, in a folder that may hold it
    File,     // a regular file
    Refused,  // anything else: a pipe, device, folder, socket, a link to
              // nothing or to one of those, or no place that can be looked at
};
SettingsPlace settingsPlace(const std::string& path);

// The file's text, empty when there is none; nothing when what stands
// there is no regular file or it cannot be read whole (then the file must
// not be replaced either: it would lose what it holds).
std::optional<std::string> readSettingsFile(const std::string& path);

enum class SettingsWrite { Written, Refused, Failed };
// Replaces the file with `text`: a new file beside it (beside the file a
// link names, so that the link stays) written whole and renamed over it,
// so that a program killed at any moment leaves the old file or the new.
// The folders are made (mode 0700) where missing. Refused, with nothing
// changed, when what stands there is no regular file; Failed when the
// folder or disk refuses the write, or the file is one the user may not
// write (made read-only, it stays as it is).
SettingsWrite replaceSettingsFile(const std::string& path, std::string_view text);

}  // namespace quendal::platform::qt
