// Memory files: what a printer writes before it reaches the disk.
#pragma once

#include <cerrno>
#include <string>

#include <QString>

#include <sys/mman.h>
#include <unistd.h>

namespace quendal::platform::qt {

// A file in memory that the printer writes a PDF into, read back whole once
// the document has ended: a PDF reaches the disk only as a document does,
// beside the file chosen and then in its place, so that a print that fails
// (a full disk, a folder that takes no file) leaves no file, or the old one
// whole, and knows why.
class MemoryFile {
public:
    MemoryFile() : fd_(::memfd_create("quendal-print", MFD_CLOEXEC)), error_(errno) {}
    ~MemoryFile() {
        if (fd_ >= 0) ::close(fd_);
    }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    bool made() const { return fd_ >= 0; }
    int error() const { return error_; }
    // The name under which the printer opens the file.
    QString path() const { return QStringLiteral("/proc/self/fd/%1").arg(fd_); }
    bool readAll(std::string& bytes) {
        bytes.clear();
        char chunk[64 * 1024];
        for (off_t at = 0;;) {
            const ssize_t got = ::pread(fd_, chunk, sizeof chunk, at);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) return error_ = errno, false;
            if (got == 0) return true;
            bytes.append(chunk, std::size_t(got));
            at += got;
        }
    }

private:
    int fd_;
    int error_;
};

}  // namespace quendal::platform::qt
