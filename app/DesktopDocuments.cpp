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
        std::error_code failed;
        const std::filesystem::path absolute = std::filesystem::absolute(argv[i], failed);
        paths.push_back(failed ? std::string(argv[i]) : absolute.lexically_normal().string());
    }
    return paths;
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
    // A document that waits for a dialog's answer leaves the dialog in front
    // and the keys with it: it takes them itself once it opens.
    if (DocumentOpeningWaits()) {
        HandleOpenDoc(paths);
        return;
    }
    for (int32_t window : {kResponseWindow, kSystemSelectWindow, kDefaultParametersWindow})
        if (platform::windowExists(window)) {
            platform::selectWindow(window);
            break;
        }
    HandleOpenDoc(paths);
}

}  // namespace quendal
