// The system calls that reading and writing documents make, in one table,
// so that a test can make any one of them fail as a failing disk would.
// Paths are named relative to a folder held open (AT_FDCWD for none).
#pragma once

#include <sys/types.h>

namespace quendal::platform::qt {

struct FileCalls {
    int (*open)(int dir, const char* path, int flags, mode_t mode);
    ssize_t (*read)(int fd, void* buffer, size_t size);
    ssize_t (*write)(int fd, const void* buffer, size_t size);
    int (*fsync)(int fd);
    int (*close)(int fd);
    int (*rename)(int fromDir, const char* from, int toDir, const char* to);
    int (*unlink)(int dir, const char* path, int flags);
};

// The calls in use; a test replaces entries and puts the system's back
// with resetFileCalls().
FileCalls& fileCalls();
void resetFileCalls();

}  // namespace quendal::platform::qt
