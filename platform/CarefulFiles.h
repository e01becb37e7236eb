// The one careful way the program opens, makes, renames and removes a path.
//
// Nothing opened here can hold the program: a pipe, socket or device is
// never opened where a file is wanted (and every opening is made without
// waiting, O_NONBLOCK), the kind of node is looked at before the opening
// (lstat) and again on what was opened (fstat), and a link is followed only
// where the user named the path (a document, a picture, a PDF to print
// to); the program's own files and folders (its lock, its sockets, its
// folders in the runtime folder) are never reached through a link.
// Descriptors are closed on exec.
//
// Qt-free, so that every room may use it; platform/qt routes the openings
// of its Qt classes through it too (the openings Qt makes itself are looked
// at here first, with the same rules).
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include <sys/stat.h>
#include <sys/types.h>

namespace quendal::platform {

// What stands at a path, its last link not followed.
enum class NodeKind { Missing, File, Folder, Link, Special, Unreachable };
NodeKind nodeAt(const std::string& path);
// What a link at the path leads to (the node itself when it is no link).
NodeKind nodeThrough(const std::string& path);

// The use a path is put to, as the recording hook hears it.
enum class PathUse { Read, Write, Create, Lock, Folder, Rename, Remove, Socket };

// Every path put to a use here is told to the recorder first; tests record
// the places the program touches. nullptr stops the recording.
void setPathRecorder(std::function<void(const std::string& path, PathUse use)> recorder);
void notePathUse(const std::string& path, PathUse use);

// How a path is opened.
enum class Opening {
    UserFile,   // an existing regular file the user named: read; a link to one is followed
    OwnFile,    // an existing regular file of the program's own: read; no link
    LockFile,   // the program's own file, made when missing (0600), read and written; no link
    Folder,     // an existing folder, for the calls relative to it; a link to one is followed
    OwnFolder,  // an existing folder of the program's own; no link
};

// A careful opening: the descriptor (-1 when refused or failed) and why not,
// a text for the user ("It is a folder, not a file.").
struct OpenedPath {
    int fd = -1;
    int error = 0;       // errno of the failure; EINVAL for a refused kind of node
    std::string reason;  // empty when opened
    struct stat info {};  // what was opened
    explicit operator bool() const { return fd >= 0; }
};

// The system's open, replaceable by tests that make a disk fail.
using OpenCall = int (*)(int dir, const char* path, int flags, mode_t mode);

OpenedPath openCarefully(const std::string& path, Opening how, OpenCall call = nullptr);

// The texts of the refusals.
extern const char* const kRefusedFolder;
extern const char* const kRefusedSpecial;
extern const char* const kRefusedLink;

// Why the node at `path` (looked at through a link) is no regular file to
// read or replace, or "" when it is one or nothing stands there.
std::string refusalOfFileAt(const std::string& path);

// Reads a regular file: all of it, or its first `limit` bytes when it is
// longer; false with the reason otherwise. Nothing is waited for.
bool readWholeFile(const std::string& path, Opening how, std::size_t limit, std::string& bytes, std::string& reason);

// Whether a regular file holding at least one byte stands at `path` (a
// link followed); looked at, never opened.
bool fileHoldsBytes(const std::string& path);

// Makes the folder for the program alone (0700) when missing; true when a
// folder of this user stands there, no link, with no one else's access.
bool ownPrivateFolder(const std::string& path);

// Removes the program's own file or socket at `path`, never a folder, and
// never what a link names.
bool removeOwnNode(const std::string& path);

// A new file written from its start, as a stream is: made exclusively (no
// link followed, nothing that stands there opened), after a regular file of
// this user left at its name (an earlier run's) is removed. Failures stick:
// the file reads false from the first failed step on.
class NewFile {
public:
    NewFile() = default;
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;
    ~NewFile() { close(); }

    bool open(const std::string& path);
    bool is_open() const { return fd_ >= 0; }
    void write(const char* bytes, std::size_t count);
    void flush() {}
    void close();
    explicit operator bool() const { return good_; }

private:
    int fd_ = -1;
    bool good_ = false;
};

}  // namespace quendal::platform
