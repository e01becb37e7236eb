#include "platform/qt/PrivateFolder.h"

#include <cerrno>
#include <cstdlib>

#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

namespace quendal::platform::qt {

namespace {

std::string runtimeFolder() {
    const char* xdg = std::getenv("XDG_RUNTIME_DIR");
    if (xdg != nullptr && *xdg != '\0') return xdg;
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation).toStdString();
}

bool privateFolder(const std::string& path) {
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) return false;
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) return false;
    if (!S_ISDIR(info.st_mode) || info.st_uid != ::getuid()) return false;
    if ((info.st_mode & 0777) != 0700 && ::chmod(path.c_str(), 0700) != 0) return false;
    return true;
}

}  // namespace

std::string privateRuntimeFolder(const char* name) {
    const std::string base = runtimeFolder();
    struct stat info {};
    if (base.empty() || ::stat(base.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return {};
    const std::string folder = base + "/" + name;
    return privateFolder(folder) ? folder : std::string();
}

}  // namespace quendal::platform::qt
