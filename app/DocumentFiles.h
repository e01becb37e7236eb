// The design bound to files: saving into the document the response window
// stands for, saving under a new name or as stationery, the open dialog,
// and opening a document or stationery.
//
// The response window carries the document: its title is the file name,
// its file binding is the file, and its modified mark shows DirtyFlag.
// Design documents end in ".qndl", stationery in ".qndlsta" (both compared
// exactly, letter case counting); stationery opens as "untitled.qndl",
// bound to no file. Opening waits for a one-shot timer, so that whoever
// asked (a dialog's answer, the desktop) returns first.
//
// Nothing here loses a design: a write goes to a new file that replaces the
// old one only once it is whole, so a failed save leaves the old file as it
// was and the design marked as changed, says so, and stops whatever waited
// for the save; a file that is not a design document, or cannot be read,
// leaves the open design exactly as it was.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "app/DesignDocumentFile.h"
#include "platform/Platform.h"

namespace quendal {

inline constexpr std::string_view kUntitledDocumentName = "untitled.qndl";  // an opened stationery's title
inline constexpr std::string_view kFileErrorTitle = "The program returned a file error.";

// Saves the design into the file the response window stands for; with no
// file bound, asks for one (SaveAsFile). A file that changed, was replaced
// or is no longer there since the design was read from it or last written
// to it is not written over unasked: the question names it and offers
// Save Over, Save As... and Cancel. Returns 0.
int32_t SaveFile();
// The same, then `next` once the design is on disk. A failed write or a
// cancelled save dialog stops there: `next` never runs, the design stays
// marked as changed and its menus come back. `beforeWriting` runs once the
// file to write is known: at once for a design with a file, after the save
// dialog's choice for one without, never when that dialog is cancelled.
// Cancelling the question about a changed file stops there as well.
void SaveFileThen(std::function<void()> next, std::function<void()> beforeWriting = nullptr);

// Asks where to save the design, proposing a name (the numbered
// "<model>_<system>_<n>.qndl" for a design without a document, else the
// document's name). Returns 0.
int32_t SaveAsFile();
// The save dialog's answer: the chosen file (nothing: cancelled). Saved,
// the window stands for that file, titled with its name, unmodified;
// FileOpenFlag, SaveAsFlag 1, DirtyFlag 0. Cancelled or failed, the
// proposed number is given back. The menus come back either way. True when
// saved.
bool OpenDialogPutFileHandler(const std::optional<std::string>& path);
// Saves a copy of the design as stationery (".qndlsta"); the window, its
// file and the flags stay as they are. Returns 0.
int32_t SaveAsStationeryFile();
bool OpenDialogPutStationeryFileHandler(const std::optional<std::string>& path);

// The name proposed for a save, as a UTF-8 file name. `title` is the
// response window's title and `boundName` the name of the file it stands
// for ("" when none); `docFileName` the title of a design without a
// document, `modelName` the driver's model (both Mac Roman); `number` the
// running number of proposals. A title that, cut at its first "_", is
// `docFileName` or `modelName` gives "<model>_<system>_<number>" with the
// extension of the kind saved; otherwise the document's own name, whose
// extension "qndl" (any letter case) becomes "qndlsta" for stationery.
// Every "/" (which would name a folder) becomes "-".
std::string ProposedSaveName(std::string_view title, std::string_view boundName, std::string_view docFileName,
                             std::string_view modelName, std::string_view systemName, int32_t number,
                             bool stationery);

// The open dialog ("Select Open File."), listing folders and design
// documents and stationery only. Returns 0.
int32_t OpenDialogFile();
// Which items the open dialog lists: folders, and files whose name ends in
// ".qndl" or ".qndlsta" exactly.
bool OpenDialogFilter(const std::string& path, bool isFolder);
// The open dialog's answer: the chosen file is opened (ClikOpenDocm);
// cancelled, nothing changes. Returns 0.
int32_t OpenDialogGetFileHandler(const std::optional<std::string>& path);

// A document handed over to be opened (by the open dialog or the desktop).
// A design document or stationery: the siblings are told, and it opens
// after 0.2 s, or after the save question while the design has unsaved
// changes. Handed over while a dialog, sheet or question stands (Preferences,
// Page Setup, Vent Design or any other sheet, the save question, the
// sibling's sheet, a file dialog, an alert: dialogStands) or while another
// document is on its way, it waits, behind any that wait already, and goes
// this road once they have all closed. Any other file: two beeps
// 300 ms apart, nothing else. The path is taken as resolvedDocumentPath
// gives it (the file the system finds there). Returns 0.
int32_t ClikOpenDocm(const std::string& path);
// Whether a document handed over now would wait, as ClikOpenDocm decides.
bool DocumentOpeningWaits();
// The file-open timer: fires once after `delay` s (and again every
// `interval` s when that is above 0); replaces the one installed before.
int32_t InstallCarbonTimerFileOpen(double delay, double interval);
// Opens the waiting document (g_FsRef) while SelfOpenFlag is still 1.
void CarbonTimerActionFileOpen(platform::TimerId timer, void* userData);
// Opens the document g_FsRef: reads it first, and only when it is a design
// document replaces the design's windows with the document's (response
// window, System Info palette, custom palette), then restores the menus of
// its system. Returns 0.
int32_t OpenDocmFile();
// Reads the document at `path` into the design and sets the flags by its
// extension: ".qndl" FileOpenFlag, SaveAsFlag 1, ".qndlsta" both 0;
// DirtyFlag 0. What cannot be read or is not a design document changes
// nothing and is reported in the result; any other extension is not read.
DocumentResult ClikOpenDocmFile(const std::string& path);
// Binds the response window to the document just read from `path`: a
// design document gives its file and name, stationery the name
// "untitled.qndl" and no file; the window is unmodified.
void BindResponseWindowToDocument(const std::string& path);

// The extension of the file named by `path` (after the last "." of its
// name, "" when none) and its name.
std::string fileExtensionOf(std::string_view path);
std::string fileNameOf(std::string_view path);

}  // namespace quendal
