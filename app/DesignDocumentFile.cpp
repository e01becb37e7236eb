#include "app/DesignDocumentFile.h"

#include <optional>
#include <utility>

#include "app/DesignDocument.h"
#include "app/UnsavedChanges.h"
#include "model/AppliedDesign.h"
#include "model/State.h"
#include "platform/Platform.h"
#include "response/VentSizing.h"

namespace quendal {

namespace {

// The file at `path` as it stands, holding `bytes`. The identity is taken
// after the bytes moved: a writer in between shows as bytes that differ at
// the next look.
DocumentOnDisk onDiskNow(const std::string& path, std::string bytes) {
    const std::optional<FileIdentity> identity = platform::documentFiles().identify(path);
    return {path, identity.value_or(FileIdentity{}), std::move(bytes)};
}

}  // namespace

DocumentResult WriteFile(const std::string& path, const FileIdentity* seen) {
    // The design as applied: a connection picked in the connection sheet
    // still standing is not written, whichever road saves.
    const ProgramState written = documentCopy(appliedDesign(state));
    std::string error;
    std::string bytes = encodeDesignDocument(written);
    bool changed = false;
    platform::DocumentFileService& files = platform::documentFiles();
    const bool saved = seen != nullptr ? files.replaceFileSeen(path, bytes, *seen, changed, error)
                                       : files.writeFileAtomically(path, bytes, error);
    if (!saved)
        return {changed ? DocumentResult::Outcome::NotAsSeen : DocumentResult::Outcome::FileError, error, {}};
    state.document.SpParmVarOrigin = boxSnapshotOf(written);
    state.document.VentParmVarOrigin = ventSnapshotOf(written);
    state.document.StoredOrigin = storedDesignValues(written);
    return {DocumentResult::Outcome::Done, {}, onDiskNow(path, std::move(bytes))};
}

DiskChange changeOnDisk(const DocumentOnDisk& known, const std::string& path) {
    platform::DocumentFileService& files = platform::documentFiles();
    const std::optional<FileIdentity> now = files.identify(path);
    if (!now) return DiskChange::Missing;
    if (known.path != path || now->device != known.identity.device || now->inode != known.identity.inode)
        return DiskChange::Replaced;
    if (*now != known.identity) return DiskChange::Changed;
    // Written within the clock's step, or while it was being read: the
    // bytes tell.
    std::string bytes, error;
    if (!files.readFile(path, kDesignDocumentSize, bytes, error) || bytes != known.bytes) return DiskChange::Changed;
    return DiskChange::Unchanged;
}

DocumentResult ReadFile(const std::string& path) {
    std::string bytes, error;
    if (!platform::documentFiles().readFile(path, kDesignDocumentSize, bytes, error))
        return {DocumentResult::Outcome::FileError, error, {}};
    std::string problem;
    if (!decodeDesignDocument(bytes, state, &problem))
        return {DocumentResult::Outcome::NotADesignDocument,
                holdsDesignRecord(bytes) ? "This file is not a valid design document: " + problem + "."
                                         : std::string(kNotAQuendalDesign),
                {}};
    // A document written while the connection sheet took picks may say so;
    // the design read is the one in force, with no sheet over it.
    state.connection.SpConSel = 0;
    state.connection.SpConNumBak = state.connection.SpConNum;
    deriveVentChoices();
    DirtyCheckSpParamIn();
    DirtyCheckVentParamIn();
    DirtyCheckStoredIn();
    return {DocumentResult::Outcome::Done, {}, onDiskNow(path, std::move(bytes))};
}

}  // namespace quendal
