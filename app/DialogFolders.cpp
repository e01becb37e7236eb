#include "app/DialogFolders.h"

#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"

namespace quendal {

namespace {

std::string folderOfFile(const std::string& file) {
    const std::size_t slash = file.rfind('/');
    if (slash == std::string::npos) return {};
    return slash == 0 ? std::string("/") : file.substr(0, slash);
}

bool isFolder(const std::string& path) {
    return !path.empty() && platform::files().kindOf(path) == platform::FileKind::Folder;
}

}  // namespace

std::string DialogStartFolder() {
    if (platform::windowExists(kResponseWindow)) {
        const std::string documentFolder = folderOfFile(platform::windowFilePath(kResponseWindow));
        if (isFolder(documentFolder)) return documentFolder;
    }
    if (isFolder(state.document.DialogFolder)) return state.document.DialogFolder;
    return platform::files().userFolder(platform::UserFolder::Home);
}

void RememberDialogFolder(const std::string& chosenFile) {
    const std::string folder = folderOfFile(chosenFile);
    if (!folder.empty()) state.document.DialogFolder = folder;
}

}  // namespace quendal
