// Design documents on disk: the design in `state` written to a file and read
// back from one, with the unsaved-changes snapshots that go with each.
//
// Neither routine touches the flags of the design flow (DirtyFlag,
// SaveAsFlag, FileOpenFlag), the window's title or its modified mark: what
// follows a read or a write depends on the document's extension and is the
// caller's.
#pragma once

#include <string>
#include <string_view>

#include "model/DocumentState.h"

namespace quendal {

// What a file that holds no design is told, as the file layer tells a
// folder or a device named like a document.
inline constexpr std::string_view kNotAQuendalDesign =
    "It is not a Quendal design: Quendal opens only the designs and stationery it has saved.";

struct DocumentResult {
    // NotAsSeen: a Save over a file seen unchanged found another in its place
    // as it wrote, and wrote nothing.
    enum class Outcome { Done, FileError, NotADesignDocument, NotAsSeen };
    Outcome outcome = Outcome::Done;
    std::string description;  // Mac Roman, for the user: what went wrong; empty when done
    // Done: the file as it was read or written, for the caller that binds
    // the design to it (state.document.OnDisk).
    DocumentOnDisk onDisk;
    bool ok() const { return outcome == Outcome::Done; }
};

// Writes the design in `state` as applied (appliedDesign: a connection
// picked in the connection sheet that still stands is left out) as the
// document at `path` (UTF-8), replacing the file in one step.
// On success the snapshots of the unsaved-changes model are taken from the
// design as written (vent dimensions rounded), so it becomes the saved
// state. The design in `state` is never changed; a
// failure (FileError) leaves the old file and the snapshots as they were.
// With `seen`, only the file it identifies is replaced (replaceFileSeen).
DocumentResult WriteFile(const std::string& path, const FileIdentity* seen = nullptr);

// Reads the document at `path` (UTF-8) into `state`, derives from the
// design read who chose each vent's form (deriveVentChoices), and takes
// both snapshots. No sheet stands over a design just read: the
// connection sheet's flag is taken as 0, whatever an older document holds.
// A file that cannot be read (FileError) or that is not a valid
// design document (NotADesignDocument) leaves `state` exactly as it was.
// A file that holds no design's record at all (holdsDesignRecord: too
// short, or a selector out of its range, as another program's file or a
// text) is told so in the user's words, kNotAQuendalDesign; a design whose
// values are refused, by the field in words. The record is read whatever
// the file's extension.
DocumentResult ReadFile(const std::string& path);

// How the file at `path` stands against `known`, the document as this
// program last read or wrote it there: the same file with the same bytes
// (Unchanged); the same file written since (Changed); another file put in
// its place (Replaced); nothing there any more, the document moved,
// renamed or deleted (Missing). A `known` of another place counts as
// Replaced: what is there now is not what the design was read from.
enum class DiskChange { Unchanged, Changed, Replaced, Missing };
DiskChange changeOnDisk(const DocumentOnDisk& known, const std::string& path);

}  // namespace quendal
