#include "app/DesignDocumentFile.h"

#include "app/DesignDocument.h"
#include "app/UnsavedChanges.h"
#include "model/AppliedDesign.h"
#include "model/State.h"
#include "platform/Platform.h"
#include "response/VentSizing.h"

namespace quendal {

DocumentResult WriteFile(const std::string& path) {
    // The design as applied: a connection picked in the connection sheet
    // still standing is not written, whichever road saves.
    const ProgramState written = documentCopy(appliedDesign(state));
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
    // A document written while the connection sheet took picks may say so;
    // the design read is the one in force, with no sheet over it.
    state.connection.SpConSel = 0;
    state.connection.SpConNumBak = state.connection.SpConNum;
    deriveVentChoices();
    DirtyCheckSpParamIn();
    DirtyCheckVentParamIn();
    DirtyCheckStoredIn();
    return {};
}

}  // namespace quendal
