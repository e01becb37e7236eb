#include "app/DesignDocumentFile.h"

#include "app/DesignDocument.h"
#include "app/UnsavedChanges.h"
#include "model/State.h"
#include "platform/Platform.h"
#include "response/VentSizing.h"

namespace quendal {

DocumentResult WriteFile(const std::string& path) {
    const ProgramState written = documentCopy(state);
    std::string error;
    if (!platform::documentFiles().writeFileAtomically(path, encodeDesignDocument(written), error))
        return {DocumentResult::Outcome::FileError, error};
    state.document.SpParmVarOrigin = boxSnapshotOf(written);
    state.document.VentParmVarOrigin = ventSnapshotOf(written);
    state.document.StoredOrigin = storedDesignValues(written);
    return {};
}

DocumentResult ReadFile(const std::string& path) {
    std::string bytes, error;
    if (!platform::documentFiles().readFile(path, kDesignDocumentSize, bytes, error))
        return {DocumentResult::Outcome::FileError, error};
    std::string problem;
    if (!decodeDesignDocument(bytes, state, &problem))
        return {DocumentResult::Outcome::NotADesignDocument, "This file is not a valid design document: " + problem + "."};
    deriveVentChoices();
    DirtyCheckSpParamIn();
    DirtyCheckVentParamIn();
    DirtyCheckStoredIn();
    return {};
}

}  // namespace quendal
