// The file service: whole files in and out, and a failed write that leaves
// the old document whole.
#include <csignal>
#include <string>

#include <QDir>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include "DocumentFixture.h"

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

}  // namespace
}  // namespace quendal::test
