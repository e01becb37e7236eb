// Opening URLs and the documents of the resources with the desktop's own
// handlers.
#include <algorithm>
#include <cctype>
#include <utility>

#include "app/FilesAndFolders.h"
#include "app/UrlLoading.h"
#include "dialogs/UrlLoadingImages.h"
#include "platform/MacRomanText.h"
#include "platform/Platform.h"

namespace quendal {

namespace {

// A scheme (a letter, then letters, digits, "+", "-" or "."), a colon and
// something after it, with no blank or control character anywhere.
bool isUrlText(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == 0 || colon == std::string_view::npos || colon + 1 == text.size()) return false;
    if (!std::isalpha(static_cast<unsigned char>(text.front()))) return false;
    for (char c : text.substr(0, colon)) {
        const auto b = static_cast<unsigned char>(c);
        if (!std::isalnum(b) && c != '+' && c != '-' && c != '.') return false;
    }
    return std::none_of(text.begin(), text.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b <= ' ' || b == 0x7F;
    });
}

}  // namespace

int32_t LSLaunchURL(std::string_view urlText, std::function<void()> failed) {
    if (!isUrlText(urlText)) return kParamErr;
    return platform::desktop().openUrl(urlText, std::move(failed)) ? 0 : kLSApplicationNotFoundErr;
}

int32_t CreateURLFromBundleResourceAndLaunch(std::string_view name, std::string_view folder,
                                             std::function<void()> failed) {
    const std::optional<std::string> path = bundleResourcePath(name, folder);
    if (!path) return kParamErr;
    return LSLaunchURL(FileURL{*path}.text(), std::move(failed));
}

int32_t OpenHelpDocument(std::string_view name) {
    std::string path = platform::resourceFolder();
    path.append("/").append(kHelpFolder).append("/").append(name);
    const std::string shown = platform::macRomanFromUtf8Lossy(path);
    auto nothingOpens = [shown] {
        platform::showAlert("No program of this desktop opens the help document.", "Open " + shown + " in a web browser.");
    };
    const int32_t status = CreateURLFromBundleResourceAndLaunch(name, kHelpFolder, nothingOpens);
    if (status == kParamErr)
        platform::showAlert("The help document could not be found.", "It belongs at " + shown + ".");
    else if (status != 0)
        nothingOpens();
    return status;
}

int32_t OpenLink(std::string_view url) {
    auto nothingOpens = [shown = platform::macRomanFromUtf8Lossy(url)] {
        platform::showAlert("No program of this desktop opens this link.", "The link is " + shown + ".");
    };
    const int32_t status = LSLaunchURL(url, nothingOpens);
    if (status != 0) nothingOpens();
    return status;
}

}  // namespace quendal
