// The user's document files: read whole, written atomically and durably.
#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/CarefulFiles.h"
#include "platform/Platform.h"
#include "platform/qt/FileCalls.h"

namespace quendal::platform {

namespace qt {

namespace {

int systemOpen(int dir, const char* path, int flags, mode_t mode) { return ::openat(dir, path, flags, mode); }

constexpr FileCalls kSystemCalls{systemOpen, ::read, ::write, ::fsync, ::close, ::renameat, ::unlinkat};
FileCalls gFileCalls = kSystemCalls;

}  // namespace

FileCalls& fileCalls() { return gFileCalls; }
void resetFileCalls() { gFileCalls = kSystemCalls; }

}  // namespace qt

namespace {

constexpr std::size_t kReadChunk = 64 * 1024;  // bytes read per call
constexpr int kTemporaryNameTries = 16;
// The hidden new file's name begins so, then the document name's hash, the
// program's process id and a serial number: short whatever the document's
// name, and telling which document and which run it was made for.
constexpr const char* kTemporaryPrefix = ".qn";

const char* const kFolderNotFile = "It is a folder, not a file.";
const char* const kSpecialFile = "It is not a document file but a pipe, socket or device.";
const char* const kNameTooLong = "The document's name is too long for the file system.";
const char* const kNotAsSeen = "Another file has taken the document's place since it was looked at.";

// The reason of the last failed call, for the user (the system's texts are ASCII).
std::string reasonOf(int error) { return std::strerror(error); }

std::string failed(const char* step, int error) { return std::string(step) + " (" + reasonOf(error) + ")."; }

// The document name's mark in the names of its hidden new files (FNV-1a).
std::string nameHash(const std::string& name) {
    uint32_t hash = 2166136261u;
    for (const char c : name) hash = (hash ^ uint8_t(c)) * 16777619u;
    char text[9];
    std::snprintf(text, sizeof text, "%08x", hash);
    return text;
}

// The hidden new files a Save of the document `name` made and left behind
// when its program was killed (its process is gone) are removed: regular
// files only, in the folder held open.
void removeLeftovers(int folder, const std::string& name, const std::string& folderPath, qt::FileCalls& sys) {
    const std::string mark = std::string(kTemporaryPrefix) + nameHash(name) + "-";
    const int listing = ::openat(folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (listing < 0) return;
    DIR* dir = ::fdopendir(listing);
    if (dir == nullptr) {
        ::close(listing);
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        const std::string left = entry->d_name;
        if (left.compare(0, mark.size(), mark) != 0) continue;
        const long pid = std::strtol(left.c_str() + mark.size(), nullptr, 10);
        if (pid <= 0 || pid == ::getpid() || ::kill(pid_t(pid), 0) == 0 || errno != ESRCH) continue;
        struct stat info {};
        if (::fstatat(folder, left.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(info.st_mode)) continue;
        notePathUse(folderPath + "/" + left, PathUse::Remove);
        sys.unlink(folder, left.c_str(), 0);
    }
    ::closedir(dir);
}

class QtDocumentFiles : public DocumentFileService {
public:
    // Only a regular file is opened: a pipe, socket or device named like a
    // document could hold the program at the open, or at the first read, for
    // ever. The type is checked before the open and again on what was
    // opened (without waiting), in case the name changed hands in between.
    bool readFile(const std::string& path, std::size_t limit, std::string& bytes, std::string& error) override {
        qt::FileCalls& sys = qt::fileCalls();
        OpenedPath opened = openCarefully(path, Opening::UserFile, sys.open);
        if (!opened) {
            error = opened.reason == kRefusedSpecial ? kSpecialFile : opened.reason;
            return false;
        }
        const int fd = opened.fd;
        std::string data;
        bool ok = true;
        while (data.size() < limit) {
            const std::size_t wanted = std::min(limit - data.size(), kReadChunk);
            const std::size_t had = data.size();
            data.resize(had + wanted);
            const ssize_t got = sys.read(fd, data.data() + had, wanted);
            if (got < 0 && errno == EINTR) {
                data.resize(had);
                continue;
            }
            if (got < 0) {
                error = reasonOf(errno);
                ok = false;
                break;
            }
            data.resize(had + static_cast<std::size_t>(got));
            if (got == 0) break;
        }
        sys.close(fd);
        if (ok) bytes = std::move(data);
        return ok;
    }

    std::optional<FileIdentity> identify(const std::string& path) override {
        struct stat info{};
        if (::stat(path.c_str(), &info) != 0) return std::nullopt;
        return FileIdentity{static_cast<uint64_t>(info.st_dev), static_cast<uint64_t>(info.st_ino),
                            static_cast<int64_t>(info.st_size), static_cast<int64_t>(info.st_mtim.tv_sec),
                            static_cast<int64_t>(info.st_mtim.tv_nsec)};
    }

    bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string& error) override {
        bool changed = false;
        return replace(path, bytes, nullptr, changed, error);
    }

    bool replaceFileSeen(const std::string& path, std::string_view bytes, const FileIdentity& seen, bool& changed,
                         std::string& error) override {
        return replace(path, bytes, &seen, changed, error);
    }

private:
    // The bytes go to a new file beside the document, which takes its place
    // only once it is written, on the disk (fsync) and closed without
    // complaint; the folder is then synchronised so that the new name lasts
    // too. Write-back errors of a device or network file system show at
    // fsync or close: a save is reported only when neither complains. Any
    // failure before the rename leaves the old document whole and removes
    // the new file. Writing in place is never tried, since a failure half
    // way would destroy the old document. The folder is held open from the
    // first look to the last step, and every step names the file within
    // it: the file replaced is the one looked at, in the folder looked at,
    // and the renaming replaces a name, never what a link there names.
    bool replace(const std::string& path, std::string_view bytes, const FileIdentity* seen, bool& changed,
                 std::string& error) {
        qt::FileCalls& sys = qt::fileCalls();
        changed = false;
        notePathUse(path, PathUse::Write);
        std::string target = path;
        // A link to a document: the document it points to is replaced, the link stays.
        if (nodeAt(path) == NodeKind::Link) {
            if (char* resolved = ::realpath(path.c_str(), nullptr)) {
                target = resolved;
                std::free(resolved);
            }
        }
        const std::size_t slash = target.rfind('/');
        const std::string folderPath = slash == std::string::npos ? "." : slash == 0 ? "/" : target.substr(0, slash);
        const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
        if (name.empty()) {
            error = kFolderNotFile;
            return false;
        }
        const OpenedPath folder = openCarefully(folderPath, Opening::Folder, sys.open);
        if (!folder) {
            error = folder.error == ENAMETOOLONG ? kNameTooLong : failed("The new document could not be made", folder.error);
            return false;
        }
        const int dir = folder.fd;
        const auto giveUpWith = [&](std::string why) {
            sys.close(dir);
            error = std::move(why);
            return false;
        };
        // What stands at the name now, a link not followed.
        struct stat info{};
        const auto lookAtName = [&] { return ::fstatat(dir, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0; };
        const auto stillAsSeen = [&] {
            return lookAtName() && S_ISREG(info.st_mode) && uint64_t(info.st_dev) == seen->device &&
                   uint64_t(info.st_ino) == seen->inode;
        };
        bool there = lookAtName();
        if (!there && errno == ENAMETOOLONG) return giveUpWith(kNameTooLong);
        if (!there && errno != ENOENT) return giveUpWith(failed("The document cannot be replaced", errno));
        if (seen != nullptr && !stillAsSeen()) {
            changed = true;
            return giveUpWith(kNotAsSeen);
        }
        if (there && S_ISDIR(info.st_mode)) return giveUpWith(kFolderNotFile);
        if (there && !S_ISREG(info.st_mode) && !S_ISLNK(info.st_mode)) return giveUpWith(kSpecialFile);
        // A link that names nothing is replaced by the document itself.
        const bool replacing = there && S_ISREG(info.st_mode);
        // A document the user may not write stays as it is, though its folder would take a new file.
        if (replacing && ::faccessat(dir, name.c_str(), W_OK, 0) != 0)
            return giveUpWith(failed("The document cannot be replaced", errno));
        const mode_t mode = info.st_mode & 07777;

        removeLeftovers(dir, name, folderPath, sys);
        // The new file: hidden, short, unique, made exclusively.
        static unsigned serial = 0;
        const std::string stem = std::string(kTemporaryPrefix) + nameHash(name) + "-" + std::to_string(::getpid()) + "-";
        std::string temporary;
        int fd = -1;
        for (int attempt = 0; attempt < kTemporaryNameTries && fd < 0; ++attempt) {
            temporary = stem + std::to_string(++serial);
            notePathUse(folderPath + "/" + temporary, PathUse::Create);
            fd = sys.open(dir, temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0666);
            if (fd < 0 && errno != EEXIST) break;
        }
        if (fd < 0) return giveUpWith(failed("The new document could not be made", errno));
        auto giveUp = [&](const char* step, int why, bool open) {
            if (open) sys.close(fd);
            sys.unlink(dir, temporary.c_str(), 0);
            return giveUpWith(failed(step, why));
        };
        // The document keeps its permissions.
        if (replacing && ::fchmod(fd, mode) != 0) return giveUp("The document's permissions could not be kept", errno, true);

        const char* next = bytes.data();
        std::size_t left = bytes.size();
        while (left > 0) {
            const ssize_t written = sys.write(fd, next, left);
            if (written < 0 && errno == EINTR) continue;
            if (written < 0) return giveUp("The document could not be written", errno, true);
            if (written == 0) return giveUp("The document could not be written", ENOSPC, true);
            next += written;
            left -= static_cast<std::size_t>(written);
        }
        if (sys.fsync(fd) != 0) return giveUp("The document could not be written to the disk", errno, true);
        // The descriptor is gone even when close complains.
        if (sys.close(fd) != 0) return giveUp("The document could not be written to the disk", errno, false);
        // The file looked at must still stand there as the new one takes its place.
        if (seen != nullptr && !stillAsSeen()) {
            sys.unlink(dir, temporary.c_str(), 0);
            changed = true;
            return giveUpWith(kNotAsSeen);
        }
        notePathUse(target, PathUse::Rename);
        if (sys.rename(dir, temporary.c_str(), dir, name.c_str()) != 0) {
            const int why = errno;
            giveUp(replacing ? "The new document could not take the old one's place"
                             : "The new document could not be given its name",
                   why, false);
            if (why == ENAMETOOLONG) error = kNameTooLong;
            return false;
        }

        // A file system that cannot synchronise folders (EINVAL) has done all it can.
        const bool synced = sys.fsync(dir) == 0 || errno == EINVAL;
        const int why = errno;
        const bool closed = sys.close(dir) == 0;
        if (!synced || !closed) {
            error = failed("The folder of the document could not be written to the disk", synced ? errno : why);
            return false;
        }
        return true;
    }
};

QtDocumentFiles gQtDocumentFiles;
DocumentFileService* gDocumentFiles = nullptr;

}  // namespace

void setDocumentFileService(DocumentFileService* service) { gDocumentFiles = service; }

DocumentFileService& documentFiles() { return gDocumentFiles != nullptr ? *gDocumentFiles : gQtDocumentFiles; }

}  // namespace quendal::platform
