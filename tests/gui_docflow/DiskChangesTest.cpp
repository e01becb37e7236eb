// A Save that finds its file no longer as the program left it (another copy
// saved into it, a file put in its place, renamed or deleted in the file
// manager) asks before writing over it, and writes nothing until answered.
#include <cstdio>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>

#include <unistd.h>

#include "DocflowFixture.h"
#include "platform/qt/FileCalls.h"

namespace quendal::test {
namespace {

using platform::ChangedFileAnswer;

class DiskChangesTest : public DocflowTest {
public:
    const std::string file = path("Box.qndl");
    static std::string othersDesign() {
        return documentWith([](ProgramState& d) { d.box.VB = 99.0; });
    }
    std::string onDisk(const std::string& f) const {
        struct stat info{};
        return ::stat(f.c_str(), &info) == 0 ? contents(f) : std::string("(none)");
    }
    const std::string moved = path("Renamed.qndl");
};

TEST_F(DiskChangesTest, ASaveOverAFileNoLongerAsItWasAsksFirstAndCancelWritesNothing) {
    const struct {
        const char* what;
        void (*happen)(DiskChangesTest&);
        const char* said;
    } rows[] = {
        {"another copy saved into it", [](DiskChangesTest& t) { put(t.file, othersDesign()); },
         "has been changed by another program"},
        {"the same size, the time of change put back: only the bytes tell",
         [](DiskChangesTest& t) {
             struct stat before{};
             ::stat(t.file.c_str(), &before);
             put(t.file, othersDesign());
             const timespec times[2] = {before.st_atim, before.st_mtim};
             ::utimensat(AT_FDCWD, t.file.c_str(), times, 0);
         },
         "has been changed by another program"},
        {"another file put in its place",
         [](DiskChangesTest& t) {
             put(t.moved, othersDesign());
             std::rename(t.moved.c_str(), t.file.c_str());
         },
         "has been changed by another program"},
        {"renamed", [](DiskChangesTest& t) { std::rename(t.file.c_str(), t.moved.c_str()); },
         "is not where it was opened from"},
        {"deleted", [](DiskChangesTest& t) { std::remove(t.file.c_str()); }, "is not where it was opened from"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        TearDown();
        SetUp();
        bindTo(file);
        change();
        row.happen(*this);
        const std::string left = onDisk(file);
        ApplicationEventHandler(kFileMenu, 5);  // Save
        ASSERT_EQ(documentDialogs.changedFiles.size(), 1u);
        EXPECT_NE(documentDialogs.changedFiles[0].find(std::string("\"Box.qndl\" ") + row.said), std::string::npos)
            << documentDialogs.changedFiles[0];
        EXPECT_EQ(onDisk(file), left);  // nothing written while it asks
        documentDialogs.answerChangedFile(ChangedFileAnswer::Cancel);
        EXPECT_EQ(onDisk(file), left);
        EXPECT_EQ(state.shell.DirtyFlag, 1);
        EXPECT_TRUE(platform::isMenuItemEnabled(kFileMenu, 0));
    }
}

TEST_F(DiskChangesTest, SaveOverWritesThereAnUntouchedFileSavesUnaskedSaveAsLeavesTheOtherFile) {
    bindTo(file);
    change();
    put(file, othersDesign());
    SaveFile();
    documentDialogs.answerChangedFile(ChangedFileAnswer::SaveOver);
    EXPECT_EQ(contents(file), encodeDesignDocument(state));
    EXPECT_EQ(state.shell.DirtyFlag, 0);
    change();
    SaveFile();  // untouched since it was saved: no question
    EXPECT_EQ(documentDialogs.changedFiles.size(), 1u);
    EXPECT_EQ(contents(file), encodeDesignDocument(state));
    put(file, othersDesign());
    change();
    SaveFile();
    documentDialogs.answerChangedFile(ChangedFileAnswer::SaveAs);
    documentDialogs.saveTo(path("Kept.qndl"));
    EXPECT_EQ(contents(path("Kept.qndl")), encodeDesignDocument(state));
    EXPECT_EQ(contents(file), othersDesign());
    EXPECT_EQ(platform::windowTitle(kResponseWindow), "Kept.qndl");
}

TEST_F(DiskChangesTest, AQuitWhoseSaveFindsTheFileChangedStaysWhenTheQuestionIsCancelled) {
    bindTo(file);
    change();
    put(file, othersDesign());
    ApplicationEventHandler(kApplicationMenu, kQuitItem);
    documentDialogs.answer(platform::SaveChangesAnswer::Save);
    documentDialogs.answerChangedFile(ChangedFileAnswer::Cancel);
    EXPECT_EQ(contents(file), othersDesign());
    EXPECT_FALSE(quitAsked());
}

// A link to another of the user's files put at the document's name after
// the Save found the file unchanged (here: as the Save reads it for the
// last time) is never written through: the Save asks, and the other file
// stays as it was.
namespace swapping {
std::string document, other;
bool swapped = false;
ssize_t readThenSwap(int fd, void* buffer, size_t size) {
    const ssize_t got = ::read(fd, buffer, size);
    if (!swapped) {
        swapped = true;
        const std::string link = document + ".link";
        if (::symlink(other.c_str(), link.c_str()) != 0 || std::rename(link.c_str(), document.c_str()) != 0) return -1;
    }
    return got;
}
}  // namespace swapping

TEST_F(DiskChangesTest, ALinkSwappedInBetweenTheSavesCheckAndItsWriteIsNotWrittenThrough) {
    bindTo(file);
    change();
    swapping::document = file;
    swapping::other = path("Other.qndl");
    swapping::swapped = false;
    put(swapping::other, "the user's other file");
    platform::qt::fileCalls().read = swapping::readThenSwap;
    SaveFile();
    platform::qt::resetFileCalls();
    ASSERT_TRUE(swapping::swapped);
    ASSERT_EQ(documentDialogs.changedFiles.size(), 1u);
    EXPECT_NE(documentDialogs.changedFiles[0].find("has been changed by another program"), std::string::npos);
    EXPECT_EQ(contents(swapping::other), "the user's other file");
    documentDialogs.answerChangedFile(ChangedFileAnswer::Cancel);
    EXPECT_EQ(contents(swapping::other), "the user's other file");
    EXPECT_EQ(state.shell.DirtyFlag, 1);
}

// A document whose name is not UTF-8 (legal on Linux) keeps its bytes: it
// opens, and changed and saved it is written in place, unasked.
TEST_F(DiskChangesTest, ADocumentNamedWithBytesThatAreNoUtf8IsSavedInPlaceUnasked) {
    const std::string named = folder.path().toStdString() + "/d\xff\xfe.qndl";
    bindTo(named);
    EXPECT_EQ(platform::windowFilePath(kResponseWindow), named);
    change();
    SaveFile();
    EXPECT_TRUE(documentDialogs.changedFiles.empty());
    EXPECT_EQ(contents(named), encodeDesignDocument(state));
    EXPECT_EQ(state.shell.DirtyFlag, 0);
    int names = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path().toStdString()))
        names += entry.path().filename() == "d\xff\xfe.qndl" ? 1 : 100;
    EXPECT_EQ(names, 1);  // no other file beside it
    std::filesystem::remove(named);  // a name the temporary folder's own removal cannot spell
}

}  // namespace
}  // namespace quendal::test
