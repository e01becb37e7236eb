#include "platform/CarefulFiles.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

namespace quendal::platform {

const char* const kRefusedFolder = "It is a folder, not a file.";
const char* const kRefusedSpecial = "It is not a file but a pipe, socket or device.";
const char* const kRefusedLink = "It is a link, where the program keeps a file of its own.";

namespace {

// Paths are reached from the event loop and from the threads that read
// archives away from it.
std::mutex gRecording;
std::function<void(const std::string&, PathUse)> gRecorder;

int systemOpen(int dir, const char* path, int flags, mode_t mode) { return ::openat(dir, path, flags, mode); }

NodeKind kindOf(const struct stat& info) {
    if (S_ISREG(info.st_mode)) return NodeKind::File;
    if (S_ISDIR(info.st_mode)) return NodeKind::Folder;
    if (S_ISLNK(info.st_mode)) return NodeKind::Link;
    return NodeKind::Special;
}

NodeKind look(const std::string& path, bool follow) {
    struct stat info {};
    if ((follow ? ::stat(path.c_str(), &info) : ::lstat(path.c_str(), &info)) == 0) return kindOf(info);
    return errno == ENOENT ? NodeKind::Missing : NodeKind::Unreachable;
}

const char* refusalOf(NodeKind kind, bool fileWanted) {
    if (fileWanted) {
        if (kind == NodeKind::Folder) return kRefusedFolder;
        if (kind == NodeKind::Special) return kRefusedSpecial;
        if (kind == NodeKind::Link) return kRefusedLink;
        return nullptr;
    }
    if (kind == NodeKind::File || kind == NodeKind::Special) return "It is not a folder.";
    if (kind == NodeKind::Link) return kRefusedLink;
    return nullptr;
}

OpenedPath refused(const char* why) {
    OpenedPath opened;
    opened.error = EINVAL;
    opened.reason = why;
    return opened;
}

OpenedPath failedWith(int error) {
    OpenedPath opened;
    opened.error = error;
    opened.reason = std::strerror(error);
    return opened;
}

}  // namespace

NodeKind nodeAt(const std::string& path) { return look(path, false); }
NodeKind nodeThrough(const std::string& path) { return look(path, true); }

void setPathRecorder(std::function<void(const std::string&, PathUse)> recorder) {
    const std::lock_guard<std::mutex> lock(gRecording);
    gRecorder = std::move(recorder);
}

void notePathUse(const std::string& path, PathUse use) {
    const std::lock_guard<std::mutex> lock(gRecording);
    if (gRecorder) gRecorder(path, use);
}

OpenedPath openCarefully(const std::string& path, Opening how, OpenCall call) {
    if (call == nullptr) call = systemOpen;
    const bool fileWanted = how != Opening::Folder && how != Opening::OwnFolder;
    const bool linksFollowed = how == Opening::UserFile || how == Opening::Folder;
    notePathUse(path, how == Opening::LockFile ? PathUse::Lock : fileWanted ? PathUse::Read : PathUse::Folder);

    // Before: what stands there, and where a link may be followed, what it leads to.
    struct stat before {};
    bool there = ::lstat(path.c_str(), &before) == 0;
    if (!there && errno != ENOENT) return failedWith(errno);
    if (there && S_ISLNK(before.st_mode) && linksFollowed) {
        if (::stat(path.c_str(), &before) != 0) return failedWith(errno);  // a link to nothing
    }
    if (there) {
        if (const char* why = refusalOf(kindOf(before), fileWanted)) return refused(why);
    } else if (how != Opening::LockFile) {
        return failedWith(ENOENT);
    }

    int flags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    if (!linksFollowed) flags |= O_NOFOLLOW;
    if (how == Opening::LockFile) flags |= O_RDWR | O_CREAT;
    else flags |= O_RDONLY;
    if (!fileWanted) flags |= O_DIRECTORY;
    const int fd = call(AT_FDCWD, path.c_str(), flags, 0600);
    if (fd < 0) {
        const int error = errno;
        // O_NOFOLLOW meets a link put there since the look.
        if (error == ELOOP) return refused(kRefusedLink);
        if (error == ENOTDIR && !fileWanted) return refused("It is not a folder.");
        return failedWith(error);
    }

    // After: what was opened must be what was wanted, and what was seen.
    OpenedPath opened;
    opened.fd = fd;
    const char* why = nullptr;
    if (::fstat(fd, &opened.info) != 0) {
        opened.error = errno;
        opened.reason = std::strerror(errno);
    } else if ((why = refusalOf(kindOf(opened.info), fileWanted)) != nullptr) {
        opened.error = EINVAL;
        opened.reason = why;
    } else if (there && (opened.info.st_dev != before.st_dev || opened.info.st_ino != before.st_ino)) {
        opened.error = EAGAIN;
        opened.reason = "It changed while it was being opened.";
    } else if ((how == Opening::LockFile || how == Opening::OwnFolder) && opened.info.st_uid != ::getuid()) {
        opened.error = EPERM;
        opened.reason = "It belongs to another user.";
    }
    if (opened.error != 0) {
        ::close(fd);
        opened.fd = -1;
    }
    return opened;
}

std::string refusalOfFileAt(const std::string& path) {
    const char* why = refusalOf(nodeThrough(path), true);
    return why != nullptr ? why : "";
}

bool readWholeFile(const std::string& path, Opening how, std::size_t limit, std::string& bytes, std::string& reason) {
    OpenedPath opened = openCarefully(path, how);
    if (!opened) {
        reason = opened.reason;
        return false;
    }
    constexpr std::size_t kChunk = 64 * 1024;
    std::string data;
    bool ok = true;
    while (data.size() < limit) {
        const std::size_t had = data.size();
        const std::size_t wanted = std::min(limit - had, kChunk);
        data.resize(had + wanted);
        const ssize_t got = ::read(opened.fd, data.data() + had, wanted);
        data.resize(had + std::size_t(std::max<ssize_t>(got, 0)));
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            reason = std::strerror(errno);
            ok = false;
        }
        if (got <= 0) break;
    }
    ::close(opened.fd);
    if (ok) bytes = std::move(data);
    return ok;
}

bool fileHoldsBytes(const std::string& path) {
    notePathUse(path, PathUse::Read);
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0;
}

bool ownPrivateFolder(const std::string& path) {
    notePathUse(path, PathUse::Folder);
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) return false;
    OpenedPath folder = openCarefully(path, Opening::OwnFolder);
    if (!folder) return false;
    const bool kept = (folder.info.st_mode & 0777) == 0700 || ::fchmod(folder.fd, 0700) == 0;
    ::close(folder.fd);
    return kept;
}

bool removeOwnNode(const std::string& path) {
    notePathUse(path, PathUse::Remove);
    const NodeKind kind = nodeAt(path);
    if (kind == NodeKind::Missing) return true;
    if (kind == NodeKind::Folder || kind == NodeKind::Unreachable) return false;
    return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

bool NewFile::open(const std::string& path) {
    close();
    notePathUse(path, PathUse::Create);
    struct stat left {};
    if (::lstat(path.c_str(), &left) == 0 && S_ISREG(left.st_mode) && left.st_uid == ::getuid())
        ::unlink(path.c_str());
    fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0666);
    good_ = fd_ >= 0;
    return good_;
}

void NewFile::write(const char* bytes, std::size_t count) {
    while (good_ && count > 0) {
        const ssize_t written = ::write(fd_, bytes, count);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            good_ = false;
            break;
        }
        bytes += written;
        count -= std::size_t(written);
    }
}

void NewFile::close() {
    if (fd_ < 0) return;
    if (::close(fd_) != 0) good_ = false;
    fd_ = -1;
}

}  // namespace quendal::platform
