#include "app/DesktopDocuments.h"

#include <filesystem>
#include <system_error>

#include "app/AppMessages.h"
#include "app/DocumentFiles.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"

namespace quendal {

std::vector<std::string> DocumentsNamedAtStart(int argc, char** argv) {
    std::vector<std::string> paths;
    for (int i = 1; i < argc; ++i) {
        if (argv[i] == nullptr || *argv[i] == '\0') continue;
        paths.push_back(resolvedDocumentPath(argv[i]));
    }
    return paths;
}

std::string resolvedDocumentPath(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code failed;
    // absolute() only puts the working folder in front: "link/.." stays for
    // the system to resolve.
    const fs::path absolute = fs::absolute(path, failed);
    if (failed) return path;
    const fs::path name = absolute.filename();
    if (name.empty() || name == "." || name == "..") return absolute.string();  // a folder, not a document
    const fs::path folder = fs::canonical(absolute.parent_path(), failed);
    return failed ? absolute.string() : (folder / name).string();
}

bool HandOverDocumentsNamedAtStart(int argc, char** argv) {
    const std::vector<std::string> paths = DocumentsNamedAtStart(argc, argv);
    if (platform::documentHandover().handOver(paths, ReceiveHandedDocuments)) {
        platform::quitApplication(0);  // the loop, when it starts, ends at once
        return true;
    }
    if (!paths.empty()) platform::installTimer(0.0, [paths] { HandleOpenDoc(paths); });
    return false;
}

void ReceiveHandedDocuments(const std::vector<std::string>& paths) {
    // A question waiting for its answer comes forward and keeps the keys; a
    // document that waits for it takes them itself once it opens.
    // Otherwise the program's windows come forward together, the window
    // the user was in (or a dialog in front of it) on top with the keys;
    // before the user was in any, the first of these windows there is.
    const bool questionInFront = platform::bringLayerWindowForward();
    if (!questionInFront && !DocumentOpeningWaits() && !platform::bringProgramForward()) {
        for (int32_t window : {kResponseWindow, kSystemSelectWindow, kDefaultParametersWindow, kPreferencesWindow,
                               kUpdateWindow, kAboutWindow})
            if (platform::windowExists(window)) {
                platform::selectWindow(window);
                break;
            }
    }
    HandleOpenDoc(paths);
}

}  // namespace quendal
