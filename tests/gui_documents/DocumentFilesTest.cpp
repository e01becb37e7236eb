// The file service: whole files in and out, and a failed write that leaves
// the old document whole.
#include <cerrno>
#include <csignal>
#include <string>

#include <fcntl.h>

#include <QDir>
#include <sys/resource.h>
#include <sys/wait.h>
#include <sys/stat.h>
#include <unistd.h>

#include "DocumentFixture.h"
#include "platform/qt/FileCalls.h"

namespace quendal::test {
namespace {

class DocumentFilesTest : public DocumentTest {
protected:
    platform::DocumentFileService& files = platform::documentFiles();
    std::string error;

    std::string everyByte() const {
        std::string bytes;
        for (int i = 0; i < 512; ++i) bytes += static_cast<char>(i);
        return bytes;
    }
    // The folder holds exactly these names: no half-written file left beside them.
    void expectOnlyFiles(const QStringList& names) {
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System), names);
    }
};

TEST_F(DocumentFilesTest, BytesGoOutAndComeBackUnchanged) {
    const std::string file = path("Gehäuse Ø20.qndl");  // a UTF-8 name
    ASSERT_TRUE(files.writeFileAtomically(file, everyByte(), error)) << error;
    EXPECT_EQ(contents(file), everyByte());
    std::string bytes;
    ASSERT_TRUE(files.readFile(file, 10000, bytes, error)) << error;
    EXPECT_EQ(bytes, everyByte());
    ASSERT_TRUE(files.readFile(file, 10, bytes, error));
    EXPECT_EQ(bytes, everyByte().substr(0, 10));
    // A shorter design replaces a longer one whole: nothing of the old is left.
    ASSERT_TRUE(files.writeFileAtomically(file, "short", error)) << error;
    EXPECT_EQ(contents(file), "short");
    expectOnlyFiles({"Gehäuse Ø20.qndl"});
}

TEST_F(DocumentFilesTest, WhatCannotBeReadSaysWhy) {
    std::string bytes = "untouched";
    EXPECT_FALSE(files.readFile(path("missing.qndl"), 1844, bytes, error));
    EXPECT_FALSE(error.empty());
    error.clear();
    EXPECT_FALSE(files.readFile(folder.path().toStdString(), 1844, bytes, error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(bytes, "untouched");
}

TEST_F(DocumentFilesTest, WriteIntoAMissingFolderFails) {
    const std::string file = path("no such folder/design.qndl");
    EXPECT_FALSE(files.writeFileAtomically(file, everyByte(), error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(QDir(folder.path()).exists("no such folder"));
}

// No old document to replace: the failure says what is wrong, the name.
TEST_F(DocumentFilesTest, ANameTooLongForTheFileSystemIsSaidToBeSo) {
    const std::string file = path((std::string(300, 'a') + ".qndl").c_str());
    EXPECT_FALSE(files.writeFileAtomically(file, everyByte(), error));
    EXPECT_EQ(error, "The document's name is too long for the file system.");
    expectOnlyFiles({});
}

TEST_F(DocumentFilesTest, WriteIntoAReadOnlyFolderKeepsTheOldFile) {
    const std::string file = path("design.qndl");
    put(file, "old design");
    const QByteArray name = folder.path().toUtf8();
    ASSERT_EQ(chmod(name.constData(), 0555), 0);
    if (access(name.constData(), W_OK) == 0) {
        chmod(name.constData(), 0700);
        GTEST_SKIP() << "this user may write into read-only folders";
    }
    EXPECT_FALSE(files.writeFileAtomically(file, everyByte(), error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(contents(file), "old design");
    chmod(name.constData(), 0700);
}

// The disk refuses the rest after a few bytes (a file-size limit stands in
// for a full disk, and holds for every user): the write fails, and the old
// file is whole with nothing left beside it.
TEST_F(DocumentFilesTest, WriteCutShortKeepsTheOldFile) {
    const std::string file = path("design.qndl");
    put(file, "old design");
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 1000;
    auto* previous = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = files.writeFileAtomically(file, std::string(1844, 'n'), error);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(written);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(contents(file), "old design");
    expectOnlyFiles({"design.qndl"});
}

// Each call of a save fails in turn, as a failing disk makes it fail: the
// save says so, the new file is gone, and the old document is whole (but
// for the folder's synchronisation, which comes after the new file took
// its place).
namespace failing {
int fsyncsToPass = 0;  // fsync calls that succeed before one fails
int failTemporaryOpen(int dir, const char* path, int flags, mode_t mode) {
    if (flags & O_CREAT) return errno = EACCES, -1;
    return ::openat(dir, path, flags, mode);
}
ssize_t failWrite(int, const void*, size_t) { return errno = ENOSPC, -1; }
int failFsync(int fd) { return fsyncsToPass-- > 0 ? ::fsync(fd) : (errno = EIO, -1); }
int failClose(int fd) { return ::close(fd), errno = EIO, -1; }  // the descriptor goes all the same
int failRename(int, const char*, int, const char*) { return errno = EXDEV, -1; }
}  // namespace failing

TEST_F(DocumentFilesTest, AFailingCallOfASaveIsReportedAndKeepsTheOldFile) {
    using platform::qt::FileCalls;
    struct Case { const char* call; void (*inject)(FileCalls&); int fsyncsToPass; bool oldKept; } cases[] = {
        {"open", [](FileCalls& c) { c.open = failing::failTemporaryOpen; }, 0, true},
        {"write", [](FileCalls& c) { c.write = failing::failWrite; }, 0, true},
        {"fsync of the file", [](FileCalls& c) { c.fsync = failing::failFsync; }, 0, true},
        {"close", [](FileCalls& c) { c.close = failing::failClose; }, 0, true},
        {"rename", [](FileCalls& c) { c.rename = failing::failRename; }, 0, true},
        {"fsync of the folder", [](FileCalls& c) { c.fsync = failing::failFsync; }, 1, false},
    };
    const std::string file = path("design.qndl");
    for (const Case& c : cases) {
        put(file, "old design");
        failing::fsyncsToPass = c.fsyncsToPass;
        c.inject(platform::qt::fileCalls());
        error.clear();
        const bool saved = files.writeFileAtomically(file, everyByte(), error);
        platform::qt::resetFileCalls();
        EXPECT_FALSE(saved) << c.call;
        EXPECT_FALSE(error.empty()) << c.call;
        EXPECT_EQ(contents(file), c.oldKept ? "old design" : everyByte()) << c.call;
        expectOnlyFiles({"design.qndl"});
    }
}

// A save keeps the document's permissions, and one the user may not write
// is not replaced.
TEST_F(DocumentFilesTest, ASaveKeepsTheDocumentsPermissions) {
    const std::string file = path("design.qndl");
    put(file, "old design");
    ASSERT_EQ(chmod(file.c_str(), 0640), 0);
    ASSERT_TRUE(files.writeFileAtomically(file, everyByte(), error)) << error;
    struct stat info{};
    ASSERT_EQ(stat(file.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    ASSERT_EQ(chmod(file.c_str(), 0440), 0);
    if (access(file.c_str(), W_OK) == 0) GTEST_SKIP() << "this user may write read-only files";
    EXPECT_FALSE(files.writeFileAtomically(file, "new", error));
    EXPECT_EQ(contents(file), everyByte());
    expectOnlyFiles({"design.qndl"});
}


namespace {

// A Save killed while its new file is being written: the first fsync ends
// the process as SIGKILL would.
int killedAtFsync(int) { return ::raise(SIGKILL); }

}  // namespace

// The hidden new file's name is short whatever the document's: a document
// at a path as long as the system takes (4095 bytes) is saved; and what a
// Save killed half way left beside the document goes with its next Save.
TEST_F(DocumentFilesTest, TheNewFilesHiddenNameIsShortAndAKilledSavesLeftoverGoesWithTheNextSave) {
    std::string deep = folder.path().toStdString();
    while (deep.size() + 201 + 20 < 4095) {
        deep += "/" + std::string(200, 'f');
        ASSERT_EQ(::mkdir(deep.c_str(), 0700), 0) << deep.size();
    }
    // A name of some 20 to 220 bytes fills the path to its limit.
    const std::string longest = deep + "/" + std::string(4095 - deep.size() - 1 - 5, 'a') + ".qndl";
    ASSERT_EQ(longest.size(), 4095u);
    ASSERT_TRUE(files.writeFileAtomically(longest, everyByte(), error)) << error;
    EXPECT_EQ(contents(longest), everyByte());

    const std::string file = path("design.qndl");
    put(file, "old design");
    const pid_t child = ::fork();
    if (child == 0) {
        platform::qt::fileCalls().fsync = killedAtFsync;
        std::string ignored;
        files.writeFileAtomically(file, everyByte(), ignored);
        ::_exit(0);
    }
    ASSERT_GT(child, 0);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);  // the document and the leftover
    ASSERT_TRUE(files.writeFileAtomically(file, "new design", error)) << error;
    EXPECT_EQ(contents(file), "new design");
    expectOnlyFiles({"design.qndl"});
}

}  // namespace
}  // namespace quendal::test
