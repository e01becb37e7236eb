#include "app/DocumentFiles.h"

#include <string>
#include <utility>

#include "app/AppMessages.h"
#include "app/DesignFlow.h"
#include "app/DesignQueries.h"
#include "app/DesktopDocuments.h"
#include "app/DialogFolders.h"
#include "app/MenuBar.h"
#include "model/MessageVocabulary.h"
#include "app/RepeatingTimer.h"
#include "app/Startup.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/MacRomanText.h"
#include "platform/Platform.h"
#include "selection/SystemInfoPalette.h"
#include "app/CloseWindows.h"
#include "view/SystemTitle.h"
#include "view/ResponseRedraw.h"
#include "palette/CustomPaletteDisplay.h"
#include "palette/CustomPalette.h"
#include "windows/ResponseWindow.h"
#include "app/UnsavedChanges.h"
#include "app/UpdateCheck.h"

namespace quendal {

namespace {

namespace vc = vocabulary;

constexpr std::string_view kDocumentSuffix = "qndl";
constexpr std::string_view kStationerySuffix = "qndlsta";
constexpr double kOpenDelay = 0.2;         // s: the handler that handed the document over returns first
constexpr double kSecondBeepDelay = 0.3;   // s between the two beeps of a file of another kind
constexpr double kWaitingLook = 0.1;       // s between looks whether a question has been answered
constexpr std::size_t kMostWaitingDocuments = 64;

constexpr int32_t kRadiatorCountPopup = 47;  // custom palette: number of passive radiators
constexpr int32_t kPassiveRadiatorSystem = 4;
constexpr int32_t kPassiveRavezaSystem = 10;
constexpr int32_t kPassiveRadiatorApplyItem = 3;  // "Apply Entered P.R. Unit" of their alignment menus
constexpr int32_t kPassiveRavezaApplyItem = 4;

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

enum class DocumentKind { Document, Stationery, Other };

// By the extension, in any letter case: a design saved as "Sub.QNDL" is a
// design, as the save dialog took the name.
DocumentKind kindOf(std::string_view path) {
    const std::string extension = fileExtensionOf(path);
    if (equalIgnoringCase(extension, kDocumentSuffix)) return DocumentKind::Document;
    if (equalIgnoringCase(extension, kStationerySuffix)) return DocumentKind::Stationery;
    return DocumentKind::Other;
}

// The window a dialog or alert about the design stands on: the response
// window while it is there.
platform::WindowNumber designWindow() {
    return platform::windowExists(kResponseWindow) ? kResponseWindow : 0;
}

// The file error of the file layer: Stop ends the program the way the user
// quits it (asking first while the design has unsaved changes), Continue
// goes back to the design.
void reportFileError(const std::string& description) {
    ++state.shell.DocumentDialogsAsking;
    platform::documentDialogs().fileError(designWindow(), kFileErrorTitle, description,
                                          [](bool stop) {
                                              --state.shell.DocumentDialogsAsking;
                                              if (stop) QuitAskingFirst();
                                          });
}

void reportSaveFailure(const DocumentResult& result) {
    NavUserActionCancelMenu();
    reportFileError(result.description + " The design has not been saved.");
}

// A document that could not be opened: the design on the screen stays.
void reportOpenFailure(const std::string& path, const DocumentResult& result) {
    if (result.outcome == DocumentResult::Outcome::FileError) {
        reportFileError(result.description);
        return;
    }
    const std::string name = platform::macRomanFromUtf8Lossy(fileNameOf(path));
    platform::showSheetAlert(designWindow(), "The document \"" + name + "\" could not be opened.",
                             result.description, {});
}

// Saved into `path`: the design is its document from now on.
void bindSavedDocument(const std::string& path, const DocumentOnDisk& onDisk) {
    state.document.OnDisk = onDisk;
    platform::setWindowModified(kResponseWindow, false);
    platform::setWindowFilePath(kResponseWindow, path);
    platform::setWindowTitle(kResponseWindow, platform::macRomanFromUtf8Lossy(fileNameOf(path)));
    ShellFlags& sh = state.shell;
    sh.FileOpenFlag = 1;
    sh.SaveAsFlag = 1;
    sh.DirtyFlag = 0;
}

// The save dialog for a document or for stationery; `chosen` runs once a
// file is chosen, before it is written, and `next` follows a document saved.
void askWhereToSave(bool stationery, std::function<void()> next, std::function<void()> chosen = nullptr) {
    ShellFlags& sh = state.shell;
    if (!stationery) sh.InterceptEvHnd = 1;  // a sheet stands over the response window
    InitMenu13();
    ++sh.SaveFileNum;
    const std::string bound = platform::windowFilePath(kResponseWindow);
    const std::string title =
        platform::windowExists(kResponseWindow) ? platform::windowTitle(kResponseWindow) : sh.DocFileName.str();
    platform::SaveFileRequest request;
    request.window = designWindow();
    request.message = stationery ? "Save This Stationery File As..." : "Save This File As...";
    request.proposedName = ProposedSaveName(title, fileNameOf(bound), sh.DocFileName.view(), state.speaker.s_SP.view(),
                                            SetSystemTitle(), sh.SaveFileNum, stationery);
    request.folder = DialogStartFolder();
    request.suffix = std::string(stationery ? kStationerySuffix : kDocumentSuffix);
    ++sh.DocumentDialogsAsking;
    platform::documentDialogs().chooseFileToSave(
        request, [stationery, next = std::move(next), chosen = std::move(chosen)](std::optional<std::string> path) {
            --state.shell.DocumentDialogsAsking;
            if (!platform::windowExists(kResponseWindow)) {
                // The design went while the dialog asked (the driver
                // database hid it, and the dialog with it): nothing to save,
                // and its menus went with it.
                state.shell.InterceptEvHnd = 0;
                if (next) DropHeldDriverRecord();
                return;
            }
            if (path) {
                path = resolvedDocumentPath(*path);
                RememberDialogFolder(*path);
            }
            if (path && chosen) chosen();
            const bool saved =
                stationery ? OpenDialogPutStationeryFileHandler(path) : OpenDialogPutFileHandler(path);
            if (saved && next) next();
            // The design stays: a driver record that asked for it to wait goes.
            if (!saved && next) DropHeldDriverRecord();
        });
}

// Back to what a question about saving was asked over: a sheet standing
// on the design keeps its menus, the design gets its own.
void menusBackAfterAsking() {
    if (designSheetStands())
        InitMenu13();
    else
        NavUserActionCancelMenu();
}

void askBeforeWritingOver(const std::string& path, DiskChange change, std::function<void()> next,
                          std::function<void()> beforeWriting);

// Writes the design into the file the window stands for: with `seen`, over
// that file alone (the file a Save found unchanged); should another have
// taken its place by the time it is written, the user is asked as for a
// file replaced.
void saveIntoBoundFile(const std::string& path, const std::function<void()>& next,
                       const std::function<void()>& beforeWriting, const FileIdentity* seen = nullptr) {
    if (beforeWriting) beforeWriting();
    const DocumentResult result = WriteFile(path, seen);
    if (result.outcome == DocumentResult::Outcome::NotAsSeen) {
        askBeforeWritingOver(path, DiskChange::Replaced, next, nullptr);
        return;
    }
    if (!result.ok()) {
        reportSaveFailure(result);
        return;
    }
    state.document.OnDisk = result.onDisk;
    state.shell.DirtyFlag = 0;
    platform::setWindowModified(kResponseWindow, false);
    if (next) next();
}

// The question before a Save writes over `path`, which is not as this
// program left it: what happened to the file, then what each answer does.
std::pair<std::string, std::string> changedFileQuestion(DiskChange change, const std::string& path) {
    std::string message = "The document \"";
    message += platform::macRomanFromUtf8Lossy(fileNameOf(path));
    std::string informative;
    const std::string place = platform::macRomanFromUtf8Lossy(path);
    if (change == DiskChange::Missing) {
        message += "\" is not where it was opened from or last saved to.";
        informative = "It has been moved, renamed or deleted. Save Over saves this design at its old place again (";
        informative += place;
        informative += "); Save As... saves it where you choose.";
    } else {
        // Written in place or replaced whole (as this program saves): the same to the user.
        message += "\" has been changed by another program since it was opened or last saved here.";
        informative = "Save Over writes this design over it (";
        informative += place;
        informative += "), and what the file holds now is lost. Save As... keeps it and saves this design in a new file.";
    }
    return {message, informative};
}

// Asks before writing over the window's file, which changed, was replaced or
// went since the design was read from it or written to it. Nothing is
// written before the answer: Save Over writes, Save As asks for another
// file, Cancel leaves the file and the design as they are and stops what
// waited for the save.
void askBeforeWritingOver(const std::string& path, DiskChange change, std::function<void()> next,
                          std::function<void()> beforeWriting) {
    ShellFlags& sh = state.shell;
    sh.InterceptEvHnd = 1;
    InitMenu13();
    const auto [message, informative] = changedFileQuestion(change, path);
    ++sh.DocumentDialogsAsking;
    platform::documentDialogs().askSaveOverChangedFile(
        designWindow(), message, informative,
        [path, next = std::move(next), beforeWriting = std::move(beforeWriting)](platform::ChangedFileAnswer answer) {
            --state.shell.DocumentDialogsAsking;
            if (!platform::windowExists(kResponseWindow) || platform::windowFilePath(kResponseWindow) != path) {
                // The design went while the question asked: nothing to save.
                state.shell.InterceptEvHnd = 0;
                if (next) DropHeldDriverRecord();
                return;
            }
            switch (answer) {
                case platform::ChangedFileAnswer::SaveOver:
                    menusBackAfterAsking();
                    saveIntoBoundFile(path, next, beforeWriting);
                    break;
                case platform::ChangedFileAnswer::SaveAs: askWhereToSave(false, next, beforeWriting); break;
                case platform::ChangedFileAnswer::Cancel:
                    menusBackAfterAsking();
                    // The design stays: a driver record that asked for it to wait goes.
                    if (next) DropHeldDriverRecord();
                    break;
            }
        });
}

// The passive radiator's count popup serves the alignment that applies the
// entered radiator unit.
void enableRadiatorCountForItsAlignment() {
    const int32_t system = currentSystemNumber();
    const int32_t alin = state.selection.Alin;
    const bool applyItem = (system == kPassiveRadiatorSystem && alin == kPassiveRadiatorApplyItem) ||
                           (system == kPassiveRavezaSystem && alin == kPassiveRavezaApplyItem);
    if (state.radiator.PRUseFlag == 1 && applyItem && platform::controlExists(kCustomPalette, kRadiatorCountPopup))
        platform::setControlEnabled(kCustomPalette, kRadiatorCountPopup, true);
}

// Opens the document g_FsRef; false when it could not be opened. A
// document refused as the program's first window (`atStart`) leaves the
// start's Default Parameters window open under its alert.
bool openWaitingDocument(bool atStart);

// A document handed over waits while a dialog, sheet or question stands
// (dialogStands: Preferences or a sheet with what the user is typing, the
// save question, a file dialog, an alert: whatever the user answers decides
// what is on the screen), and while the document handed over before it is
// on its way to opening.
bool openingMustWait();
// Puts the document behind those waiting and looks, every kWaitingLook,
// whether it may go on.
void keepWaiting(const std::string& path);
// The look: once nothing is asked any more, the first waiting document goes
// on to be opened; the look ends when none waits.
void handOnWaitingDocument(platform::TimerId timer, void* userData);
// The road of a design document or stationery handed over: the siblings
// are told, and it opens after its timer, or after the save question while
// the design has unsaved changes.
void startOpening(const std::string& path);

}  // namespace

std::string fileNameOf(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string fileExtensionOf(std::string_view path) {
    const std::string name = fileNameOf(path);
    const std::size_t dot = name.rfind('.');
    // A name that is all extension (".qndl") is a hidden file without one.
    if (dot == std::string::npos || dot == 0) return {};
    return name.substr(dot + 1);
}

std::string ProposedSaveName(std::string_view title, std::string_view boundName, std::string_view docFileName,
                             std::string_view modelName, std::string_view systemName, int32_t number,
                             bool stationery) {
    const std::string_view stem = title.substr(0, title.find('_'));
    std::string name;
    if (stem == docFileName || stem == modelName) {
        name = platform::utf8FromMacRoman(modelName) + "_" + std::string(systemName) + "_" + std::to_string(number) +
               "." + std::string(stationery ? kStationerySuffix : kDocumentSuffix);
    } else {
        name = boundName.empty() ? platform::utf8FromMacRoman(title) : std::string(boundName);
        const std::size_t dot = name.rfind('.');
        if (stationery && dot != std::string::npos && dot > 0 &&
            equalIgnoringCase(std::string_view(name).substr(dot + 1), kDocumentSuffix))
            name = name.substr(0, dot + 1) + std::string(kStationerySuffix);
    }
    for (char& c : name)
        if (c == '/' || c == '\0') c = '-';
    return name;
}

int32_t SaveFile() {
    SaveFileThen(nullptr);
    return 0;
}

void SaveFileThen(std::function<void()> next, std::function<void()> beforeWriting) {
    const std::string bound = platform::windowFilePath(kResponseWindow);
    if (bound.empty()) {
        // No file yet: a Save that saved nothing would let the change go.
        askWhereToSave(false, std::move(next), std::move(beforeWriting));
        return;
    }
    // Another writer (a second copy of the program, an editor) or a move
    // in the file manager since the design was read or saved: asked first.
    const DiskChange change = changeOnDisk(state.document.OnDisk, bound);
    if (change != DiskChange::Unchanged) {
        askBeforeWritingOver(bound, change, std::move(next), std::move(beforeWriting));
        return;
    }
    const FileIdentity seen = state.document.OnDisk.identity;
    saveIntoBoundFile(bound, next, beforeWriting, &seen);
}

int32_t SaveAsFile() {
    askWhereToSave(false, nullptr);
    return 0;
}

bool OpenDialogPutFileHandler(const std::optional<std::string>& path) {
    if (!path) {
        // Back to what the dialog was asked over: a sheet standing on the
        // design keeps its menus.
        if (designSheetStands())
            InitMenu13();
        else
            NavUserActionCancelMenu();
        --state.shell.SaveFileNum;  // the name proposed is free again
        return false;
    }
    const DocumentResult result = WriteFile(*path);
    if (!result.ok()) {
        --state.shell.SaveFileNum;
        reportSaveFailure(result);
        return false;
    }
    bindSavedDocument(*path, result.onDisk);
    NavUserActionCancelMenu();
    return true;
}

int32_t SaveAsStationeryFile() {
    askWhereToSave(true, nullptr);
    return 0;
}

bool OpenDialogPutStationeryFileHandler(const std::optional<std::string>& path) {
    if (!path) {
        NavUserActionCancelMenu();
        return false;
    }
    const DocumentResult result = WriteFile(*path);
    if (!result.ok()) {
        reportSaveFailure(result);
        return false;
    }
    NavUserActionCancelMenu();
    return true;
}

int32_t OpenDialogFile() {
    platform::OpenFileRequest request;
    request.message = "Select Open File.";
    request.filter = OpenDialogFilter;
    request.folder = DialogStartFolder();
    ++state.shell.DocumentDialogsAsking;
    platform::documentDialogs().chooseFileToOpen(request, [](std::optional<std::string> path) {
        --state.shell.DocumentDialogsAsking;
        if (path) RememberDialogFolder(*path);
        OpenDialogGetFileHandler(path);
    });
    return 0;
}

bool OpenDialogFilter(const std::string& path, bool isFolder) {
    return isFolder || kindOf(path) != DocumentKind::Other;
}

int32_t OpenDialogGetFileHandler(const std::optional<std::string>& path) {
    if (path) ClikOpenDocm(*path);
    return 0;
}

int32_t ClikOpenDocm(const std::string& handed) {
    // The file the system finds at that path, wherever it was handed from.
    const std::string path = resolvedDocumentPath(handed);
    if (kindOf(path) == DocumentKind::Other) {
        platform::beep();
        platform::installTimer(kSecondBeepDelay, [] { platform::beep(); });
        return 0;
    }
    // One question at a time, and the documents in the order they came.
    if (DocumentOpeningWaits()) {
        keepWaiting(path);
        return 0;
    }
    startOpening(path);
    return 0;
}

bool DocumentOpeningWaits() { return !state.document.WaitingDocuments.empty() || openingMustWait(); }

namespace {

bool openingMustWait() {
    const ShellFlags& sh = state.shell;
    const bool onItsWay = sh.SelfOpenFlag == 1 && state.document.FileOpenTimer != 0;
    return onItsWay || dialogStands();
}

void keepWaiting(const std::string& path) {
    DocumentState& d = state.document;
    if (!d.WaitingDocuments.empty() && d.WaitingDocuments.back() == path) return;  // handed twice: it opens once
    if (d.WaitingDocuments.size() >= kMostWaitingDocuments) {
        platform::beep();  // more than anyone hands over by hand: refused, and the beep says so
        return;
    }
    d.WaitingDocuments.push_back(path);
    if (d.WaitingDocumentsTimer == 0)
        replaceRepeatingTimer(d.WaitingDocumentsTimer, kWaitingLook, kWaitingLook, handOnWaitingDocument);
}

void handOnWaitingDocument(platform::TimerId /*timer*/, void* /*userData*/) {
    DocumentState& d = state.document;
    if (!d.WaitingDocuments.empty() && openingMustWait()) return;  // still asking
    if (!d.WaitingDocuments.empty()) {
        const std::string path = std::move(d.WaitingDocuments.front());
        d.WaitingDocuments.pop_front();
        // As if handed over now: through the save question while the design
        // on the screen has unsaved changes.
        startOpening(path);
    }
    if (d.WaitingDocuments.empty()) {
        platform::removeTimer(d.WaitingDocumentsTimer);
        d.WaitingDocumentsTimer = 0;
    }
}

void startOpening(const std::string& path) {
    ShellFlags& sh = state.shell;
    toOrvanel(vc::kBootedByFile);
    SndAppleEvent(vc::kToTessmir, vc::kTessmirBootedByFile, vc::kTessmir);
    SndAppleEvent(vc::kToPallique, vc::kQuitPallique, vc::kPallique);
    state.document.g_FsRef = path;
    sh.SelfOpenFlag = 1;
    // The sheets stay up while the question asks: its answer ends them, its
    // Cancel leaves them as they are.
    if (changesToAskAbout()) {
        NavAskWind(kAskForOpening);
    } else {
        InstallCarbonTimerFileOpen(kOpenDelay, 0.0);
    }
}

}  // namespace

int32_t InstallCarbonTimerFileOpen(double delay, double interval) {
    replaceRepeatingTimer(state.document.FileOpenTimer, delay, interval, CarbonTimerActionFileOpen);
    return 0;
}

void CarbonTimerActionFileOpen(platform::TimerId timer, void* userData) {
    ShellFlags& sh = state.shell;
    if (sh.SelfOpenFlag != 1) return;  // withdrawn meanwhile
    // A document that does not open has not started anything: the start
    // still offers the Default Parameters window.
    const int32_t started = sh.AppClickOpnFlag;
    sh.AppClickOpnFlag = 1;
    sh.SelfOpenFlag = 0;
    openWaitingDocument(started == 0);
}

int32_t OpenDocmFile() {
    openWaitingDocument(false);
    return 0;
}

namespace {

bool openWaitingDocument(bool atStart) {
    const std::string path = state.document.g_FsRef;
    if (path.empty()) return false;
    // A sheet's Cancel puts back the values it was changing: before the
    // document's values are read, not over them.
    EndDesignSheets();
    // The document is read before anything of the design on the screen
    // goes: one that cannot be opened leaves it as it was.
    const DocumentResult result = ClikOpenDocmFile(path);
    if (!result.ok()) {
        // Nothing waits any more: a later opening must not find this path.
        state.document.g_FsRef.clear();
        if (atStart) {
            // The start's window first, so that the alert stands in front
            // of it rather than under it.
            ShellFlags& sh = state.shell;
            platform::removeTimer(sh.SelfOpenTimer);  // it would open the window a second time
            sh.SelfOpenTimer = 0;
            sh.AppClickOpnFlag = 0;
            CarbonTimerActionSelfOpen(0, nullptr);
        }
        if (!result.description.empty()) reportOpenFailure(path, result);
        return false;
    }
    CloseWindows();
    state.shell.KeptDesignFlag = 0;  // a design waiting behind System Select went with the windows
    ResponseWnd();
    BindResponseWindowToDocument(path);
    platform::setCurrentWindow(kResponseWindow);
    // Stationery stands for no document: its changes are measured against
    // the design as first drawn.
    state.document.SnapshotAtFirstDrawFlag = state.shell.SaveAsFlag == 0 ? 1 : 0;
    state.view.ReDispWnd = 1;
    ReDispResposeWnd();
    state.shell.CtmPaletFlag = 0;
    SystemInfoFloatPalet();
    CustomFloatPalet();
    platform::setCurrentWindow(kCustomPalette);
    CustomPaletDisp();
    enableRadiatorCountForItsAlignment();
    NavUserActionCancelMenu();
    CheckForUpdateOnDocumentOpen();
    return true;
}

}  // namespace

DocumentResult ClikOpenDocmFile(const std::string& path) {
    const DocumentKind kind = kindOf(path);
    if (kind == DocumentKind::Other) {
        platform::beep();
        return {DocumentResult::Outcome::NotADesignDocument, {}, {}};
    }
    const DocumentResult result = ReadFile(path);
    if (!result.ok()) return result;
    ShellFlags& sh = state.shell;
    const int32_t bound = kind == DocumentKind::Document ? 1 : 0;
    state.document.OnDisk = bound == 1 ? result.onDisk : DocumentOnDisk{};
    sh.FileOpenFlag = bound;
    sh.SaveAsFlag = bound;
    sh.DirtyFlag = 0;
    return result;
}

void BindResponseWindowToDocument(const std::string& path) {
    const DocumentKind kind = kindOf(path);
    if (kind == DocumentKind::Other) return;
    // Stationery stands for no file: a Save must never write into the
    // document the window stood for before.
    const bool document = kind == DocumentKind::Document;
    platform::setWindowFilePath(kResponseWindow, document ? path : std::string());
    platform::setWindowModified(kResponseWindow, false);
    platform::setWindowTitle(kResponseWindow, document ? platform::macRomanFromUtf8Lossy(fileNameOf(path))
                                                       : std::string(kUntitledDocumentName));
}

}  // namespace quendal
