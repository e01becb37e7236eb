#include "platform/qt/SettingsFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>

#include "platform/CarefulFiles.h"
#include "platform/MacRomanText.h"

namespace quendal::platform::qt {

namespace {

// Larger than any preferences file this program writes by far; a larger
// file is not ours to read, nor to replace.
constexpr off_t kLargestSettingsFile = 1 << 20;  // bytes

}  // namespace

SettingsPlace settingsPlace(const std::string& path) {
    struct stat target {};
    if (::stat(path.c_str(), &target) == 0) return S_ISREG(target.st_mode) ? SettingsPlace::File : SettingsPlace::Refused;
    if (errno != ENOENT) return SettingsPlace::Refused;
    // Nothing there, unless a link that names nothing stands there: the
    // user's link, left as it is.
    struct stat link {};
    return ::lstat(path.c_str(), &link) == 0 ? SettingsPlace::Refused : SettingsPlace::Missing;
}

std::optional<std::string> readSettingsFile(const std::string& path) {
    switch (settingsPlace(path)) {
        case SettingsPlace::Missing: return std::string();
        case SettingsPlace::Refused: return std::nullopt;
        case SettingsPlace::File: break;
    }
    // Opened without waiting, and looked at once more through the opening:
    // a pipe put there since the look above is opened at once and refused.
    const OpenedPath file = openCarefully(path, Opening::UserFile);
    const int fd = file.fd;
    if (fd < 0) return file.error == ENOENT && settingsPlace(path) == SettingsPlace::Missing ? std::optional(std::string()) : std::nullopt;
    std::optional<std::string> text;
    const struct stat& opened = file.info;
    if (opened.st_size <= kLargestSettingsFile) {
        text.emplace();
        char buffer[4096];
        for (;;) {
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0 || off_t(text->size()) + n > kLargestSettingsFile) {
                text.reset();
                break;
            }
            if (n == 0) break;
            text->append(buffer, std::size_t(n));
        }
    }
    ::close(fd);
    return text;
}

namespace {

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Makes the folder and those above it that are missing, for the user alone.
bool makeFolders(const std::string& folder) {
    struct stat st {};
    if (::stat(folder.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
    if (errno != ENOENT || folder == "/" || folder == ".") return false;
    if (!makeFolders(folderOf(folder))) return false;
    notePathUse(folder, PathUse::Folder);
    return ::mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

bool writeWhole(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t n = ::write(fd, text.data(), text.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        text.remove_prefix(std::size_t(n));
    }
    return ::fsync(fd) == 0;
}

}  // namespace

SettingsWrite replaceSettingsFile(const std::string& path, std::string_view text) {
    std::string target = path;
    mode_t mode = 0600;
    switch (settingsPlace(path)) {
        case SettingsPlace::Refused: return SettingsWrite::Refused;
        case SettingsPlace::Missing:
            if (!makeFolders(folderOf(path))) return SettingsWrite::Failed;
            break;
        case SettingsPlace::File: {
            // Through a link, the file it names is replaced and the link stays.
            char real[PATH_MAX];
            struct stat st {};
            if (::realpath(path.c_str(), real) == nullptr || ::stat(real, &st) != 0 || ::access(real, W_OK) != 0)
                return SettingsWrite::Failed;
            target = real;
            mode = st.st_mode & 07777;
            break;
        }
    }
    const std::size_t slash = target.rfind('/');
    std::string temporary = folderOf(target) + "/." + target.substr(slash == std::string::npos ? 0 : slash + 1) + ".XXXXXX";
    // A new name, made exclusively: whatever stands at a name already taken
    // is never opened.
    notePathUse(path, PathUse::Write);
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return SettingsWrite::Failed;
    notePathUse(temporary, PathUse::Create);
    const bool written = ::fchmod(fd, mode) == 0 && writeWhole(fd, text);
    const bool closed = ::close(fd) == 0;
    const SettingsPlace now = settingsPlace(target);
    if (!written || !closed || now == SettingsPlace::Refused || ::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return now == SettingsPlace::Refused ? SettingsWrite::Refused : SettingsWrite::Failed;
    }
    return SettingsWrite::Written;
}

}  // namespace quendal::platform::qt
