// Nodes a test plants where the program looks for a file of its own or of
// the user's, in the test's own folders: a named pipe that nobody holds
// open (an opening of it waits for ever), a folder, a link to nothing, a
// link to another file, a socket.
#pragma once

#include <chrono>
#include <cstring>
#include <functional>
#include <string>
#include <thread>

#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quendal::test {

enum class PlantedNode { Pipe, Folder, DanglingLink, LinkTo, Socket };

// Plants the node at `path` (a link names `target`). A socket is bound by
// the descriptor returned, to be closed by the caller; -1 for the others.
// -2 when the node could not be made.
inline int plantNode(PlantedNode node, const std::string& path, const std::string& target = "") {
    switch (node) {
        case PlantedNode::Pipe: return ::mkfifo(path.c_str(), 0600) == 0 ? -1 : -2;
        case PlantedNode::Folder: return ::mkdir(path.c_str(), 0700) == 0 ? -1 : -2;
        case PlantedNode::DanglingLink:
        case PlantedNode::LinkTo: return ::symlink(target.c_str(), path.c_str()) == 0 ? -1 : -2;
        case PlantedNode::Socket: {
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            if (fd < 0 || path.size() >= sizeof address.sun_path) return -2;
            std::strcpy(address.sun_path, path.c_str());
            if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) return ::close(fd), -2;
            return fd;
        }
    }
    return -2;
}

// The kind of node a planted node is (as lstat gives it in st_mode).
inline mode_t kindOf(PlantedNode node) {
    switch (node) {
        case PlantedNode::Pipe: return S_IFIFO;
        case PlantedNode::Folder: return S_IFDIR;
        case PlantedNode::Socket: return S_IFSOCK;
        default: return S_IFLNK;
    }
}

// What stands at `path` now (S_IFMT bits), 0 for nothing.
inline mode_t kindAt(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 ? info.st_mode & S_IFMT : 0;
}

// Runs `work` in a child process, so that a wait on a node cannot hold the
// tests: its exit status, or -1 when it has not ended within the bound (it
// is killed then).
inline int exitWithin(const std::function<int()>& work, std::chrono::milliseconds bound) {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(work());
    if (child < 0) return -2;
    const auto deadline = std::chrono::steady_clock::now() + bound;
    int status = 0;
    while (::waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -3;
}

}  // namespace quendal::test
