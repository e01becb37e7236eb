// The user's document files: read whole, written atomically and durably.
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/Platform.h"
#include "platform/qt/FileCalls.h"

namespace quendal::platform {

namespace qt {

namespace {

int systemOpen(const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); }

constexpr FileCalls kSystemCalls{systemOpen, ::read, ::write, ::fsync, ::close, ::rename, ::unlink};
FileCalls gFileCalls = kSystemCalls;

}  // namespace

FileCalls& fileCalls() { return gFileCalls; }
void resetFileCalls() { gFileCalls = kSystemCalls; }

}  // namespace qt

namespace {

constexpr std::size_t kReadChunk = 64 * 1024;     // bytes read per call
constexpr std::size_t kTemporaryNameStem = 200;   // bytes of the document's name kept in the temporary file's name
constexpr int kTemporaryNameTries = 16;

const char* const kFolderNotFile = "It is a folder, not a file.";
const char* const kSpecialFile = "It is not a document file but a pipe, socket or device.";
const char* const kNameTooLong = "The document's name is too long for the file system.";

// The reason of the last failed call, for the user (the system's texts are ASCII).
std::string reasonOf(int error) { return std::strerror(error); }

std::string failed(const char* step, int error) { return std::string(step) + " (" + reasonOf(error) + ")."; }

// What is at `info` and cannot be read as a document, or nullptr.
const char* notADocumentFile(const struct stat& info) {
    if (S_ISDIR(info.st_mode)) return kFolderNotFile;
    if (!S_ISREG(info.st_mode)) return kSpecialFile;
    return nullptr;
}

class QtDocumentFiles : public DocumentFileService {
public:
    // Only a regular file is opened: a pipe, socket or device named like a
    // document could hold the program at the open, or at the first read, for
    // ever. The type is checked before the open and again on what was
    // opened (without waiting), in case the name changed hands in between.
    bool readFile(const std::string& path, std::size_t limit, std::string& bytes, std::string& error) override {
        qt::FileCalls& sys = qt::fileCalls();
        struct stat info{};
        if (::stat(path.c_str(), &info) != 0) {
            error = reasonOf(errno);
            return false;
        }
        if (const char* why = notADocumentFile(info)) {
            error = why;
            return false;
        }
        const int fd = sys.open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0);
        if (fd < 0) {
            error = reasonOf(errno);
            return false;
        }
        std::string data;
        bool ok = true;
        if (::fstat(fd, &info) != 0) {
            error = reasonOf(errno);
            ok = false;
        } else if (const char* why = notADocumentFile(info)) {
            error = why;
            ok = false;
        }
        while (ok && data.size() < limit) {
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

    // The bytes go to a new file beside the document, which takes its place
    // only once it is written, on the disk (fsync) and closed without
    // complaint; the folder is then synchronised so that the new name lasts
    // too. Write-back errors of a device or network file system show at
    // fsync or close: a save is reported only when neither complains. Any
    // failure before the rename leaves the old document whole and removes
    // the new file. Writing in place is never tried, since a failure half
    // way would destroy the old document.
    bool writeFileAtomically(const std::string& path, std::string_view bytes, std::string& error) override {
        qt::FileCalls& sys = qt::fileCalls();
        std::string target = path;
        // A link to a document: the document it points to is replaced, the link stays.
        struct stat info{};
        if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
            if (char* resolved = ::realpath(path.c_str(), nullptr)) {
                target = resolved;
                std::free(resolved);
            }
        }
        const std::size_t slash = target.rfind('/');
        const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : target.substr(0, slash);
        const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
        const bool replacing = ::stat(target.c_str(), &info) == 0;
        if (!replacing && errno == ENAMETOOLONG) {
            error = kNameTooLong;
            return false;
        }
        if (replacing && S_ISDIR(info.st_mode)) {
            error = kFolderNotFile;
            return false;
        }
        // A document the user may not write stays as it is, though its folder would take a new file.
        if (replacing && ::access(target.c_str(), W_OK) != 0) {
            error = failed("The document cannot be replaced", errno);
            return false;
        }

        // The new file: hidden, named after the document, unique.
        static unsigned serial = 0;
        std::string temporary;
        int fd = -1;
        for (int attempt = 0; attempt < kTemporaryNameTries && fd < 0; ++attempt) {
            temporary = folder + "/." + name.substr(0, kTemporaryNameStem) + "." + std::to_string(::getpid()) + "-" +
                        std::to_string(++serial) + ".tmp";
            fd = sys.open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd < 0 && errno != EEXIST) break;
        }
        if (fd < 0) {
            error = failed("The new document could not be made", errno);
            return false;
        }
        auto giveUp = [&](const char* step, int why, bool open) {
            if (open) sys.close(fd);
            sys.unlink(temporary.c_str());
            error = failed(step, why);
            return false;
        };
        // The document keeps its permissions.
        if (replacing && S_ISREG(info.st_mode) && ::fchmod(fd, info.st_mode & 07777) != 0)
            return giveUp("The document's permissions could not be kept", errno, true);

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
        if (sys.rename(temporary.c_str(), target.c_str()) != 0) {
            const int why = errno;
            giveUp(replacing ? "The new document could not take the old one's place"
                             : "The new document could not be given its name",
                   why, false);
            if (why == ENAMETOOLONG) error = kNameTooLong;
            return false;
        }

        const int dir = sys.open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
        if (dir < 0) {
            error = failed("The folder of the document could not be written to the disk", errno);
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
