// The unsaved-changes model: what the design looked like when it was last saved or opened.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <string>

#include "model/SharedTypes.h"
#include "model/Str255.h"

namespace quendal {

// The box values at the last save or opening, elements 1-25 (element 0
// unused) of which 1-19 hold, in this order: VB, VB1, VB2, VB3, FC, FC1,
// FC2, FB, FB1, FB2, FB3, QTC, FP, QP, VAP, PIN, LVP, ImpID, SpConNum.
inline constexpr int kBoxSnapshotUsed = 19;
using BoxSnapshot = std::array<double, 26>;

// The vents at the last save or opening, elements 1-45 of which 1-42 hold:
// elements 1-24 eight selectors per vent (vent v at 8(v-1)+1 .. 8v:
// VentTypeTab, CircVentNum, RectVentNum, CircVentRadio, RectVentRadio,
// CircDuctVentInit, RectPortVentInit, RectDuctVentInit), elements 25-42 six
// dimensions per vent (vent v at 24+6(v-1)+1 .. 24+6v: CircPortDV,
// CircDuctDV, RectPortWV, RectPortHV, RectDuctWV, RectDuctHV). Integers are
// held as doubles.
inline constexpr int kVentSnapshotUsed = 42;
using VentSnapshot = std::array<double, 46>;

// What tells one state of a file on disk from another: the file itself
// (its device and inode: a file put in its place is another), its size and
// the time of its last change to the nanosecond.
struct FileIdentity {
    uint64_t device = 0;
    uint64_t inode = 0;
    int64_t size = 0;
    int64_t modifiedSeconds = 0;
    int64_t modifiedNanoseconds = 0;
    bool operator==(const FileIdentity&) const = default;
};

// The document file as this program last read or wrote it: where, which
// file, and the bytes it held (as far as a document reads). A Save compares
// the file at that place with it before writing over it. No path: none.
struct DocumentOnDisk {
    std::string path;  // UTF-8
    FileIdentity identity;
    std::string bytes;
};

struct DocumentState {
    BoxSnapshot SpParmVarOrigin{};
    VentSnapshot VentParmVarOrigin{};
    // Every value the design stores, as its document holds them less the
    // view, taken with the two snapshots: a change of any of them marks the
    // design changed, not only of those the snapshots hold. Empty until the
    // snapshots are first taken.
    std::string StoredOrigin;
    // 1 from the start of a design that no document stands for (a new one,
    // an opened stationery) until it is first drawn: that drawing takes the
    // snapshots, and every later one compares against them.
    int32_t SnapshotAtFirstDrawFlag = 0;
    // The stored values of the design, less the view, when the user last
    // answered Don't Save about its changes: the answer stands for them.
    std::string DontSaveChanges;
    // Opening a document: the file waiting for the file-open timer, and the timer.
    std::string g_FsRef;            // UTF-8 path of the document to open; "" while none waits
    int32_t FileOpenTimer = 0;      // the pending file-open timer (0: none)
    // Documents handed over while the user was being asked something (the
    // save question, the sibling's sheet, a file dialog, an alert) or while
    // another document was on its way, in the order they came (UTF-8
    // paths); the timer looks until nothing is asked any more and hands the
    // first on to be opened.
    std::deque<std::string> WaitingDocuments;
    int32_t WaitingDocumentsTimer = 0;  // 0: not looking
    // The folder of the file last chosen in an Open, Save As or snapshot
    // dialog of this run (UTF-8; "" before the first).
    std::string DialogFolder;
    // The file the response window stands for, as last read or written.
    DocumentOnDisk OnDisk;
};

}  // namespace quendal
