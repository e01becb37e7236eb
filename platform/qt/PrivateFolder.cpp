#include "platform/qt/PrivateFolder.h"

#include <cstdlib>

#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

#include "platform/CarefulFiles.h"

namespace quendal::platform::qt {

namespace {

std::string runtimeFolder() {
    const char* xdg = std::getenv("XDG_RUNTIME_DIR");
    if (xdg != nullptr && *xdg != '\0') return xdg;
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation).toStdString();
}

}  // namespace

std::string privateRuntimeFolder(const char* name) {
    const std::string base = runtimeFolder();
    struct stat info {};
    if (base.empty() || ::stat(base.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return {};
    const std::string folder = base + "/" + name;
    return ownPrivateFolder(folder) ? folder : std::string();
}

}  // namespace quendal::platform::qt
