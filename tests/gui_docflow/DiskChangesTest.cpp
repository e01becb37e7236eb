// A Save that finds its file on disk no longer as the program left it
// (another copy of the program saved into it, a program put another file
// in its place, the file manager renamed or deleted it) asks before it
// writes, and writes nothing until answered.
#include <cstdio>
#include <functional>

#include <fcntl.h>
#include <sys/stat.h>

#include "DocflowFixture.h"

namespace quendal::test {
namespace {

using platform::ChangedFileAnswer;
using platform::SaveChangesAnswer;

class DiskChangesTest : public DocflowTest {
public:
    using DocflowTest::path;

protected:
    // The document Box.qndl open, its design changed on the screen.
    std::string openChanged() {
        const std::string file = path("Box.qndl");
        bindTo(file);
        change();
        return file;
    }
    // What another program writes: the design with another box.
    static std::string othersDesign() {
        return documentWith([](ProgramState& d) { d.box.VB = 99.0; });
    }
    // The file as `file` is on disk: its bytes, or "(none)".
    static std::string onDisk(const std::string& file) {
        struct stat info{};
        return ::stat(file.c_str(), &info) == 0 ? contents(file) : std::string("(none)");
    }
};

struct DiskChange {
    const char* what;
    std::function<void(DiskChangesTest&, const std::string& file)> happen;
    const char* said;  // what the question says happened to the file
};

TEST_F(DiskChangesTest, ASaveOverAFileThatIsNoLongerAsItWasAsksFirstAndCancelWritesNothing) {
    const DiskChange rows[] = {
        {"another copy saved into it", [](DiskChangesTest&, const std::string& file) { put(file, othersDesign()); },
         "\"Box.qndl\" has been changed by another program"},
        // Same size, and the time of change put back: only the bytes tell.
        {"changed within the clock's step",
         [](DiskChangesTest&, const std::string& file) {
             struct stat before{};
             ::stat(file.c_str(), &before);
             put(file, othersDesign());
             const timespec times[2] = {before.st_atim, before.st_mtim};
             ::utimensat(AT_FDCWD, file.c_str(), times, 0);
         },
         "\"Box.qndl\" has been changed by another program"},
        {"another file put in its place",
         [](DiskChangesTest& t, const std::string& file) {
             put(t.path("new.tmp"), othersDesign());
             std::rename(t.path("new.tmp").c_str(), file.c_str());
         },
         "\"Box.qndl\" has been changed by another program"},
        {"renamed in the file manager",
         [](DiskChangesTest& t, const std::string& file) { std::rename(file.c_str(), t.path("Renamed.qndl").c_str()); },
         "\"Box.qndl\" is not where it was opened from"},
        {"deleted", [](DiskChangesTest&, const std::string& file) { std::remove(file.c_str()); },
         "\"Box.qndl\" is not where it was opened from"},
    };
    for (const DiskChange& row : rows) {
        SCOPED_TRACE(row.what);
        TearDown();
        SetUp();
        const std::string file = openChanged();
        row.happen(*this, file);
        const std::string left = onDisk(file), renamed = onDisk(path("Renamed.qndl"));
        ApplicationEventHandler(kFileMenu, 5);  // Save
        ASSERT_EQ(documentDialogs.changedFiles.size(), 1u);
        EXPECT_NE(documentDialogs.changedFiles[0].find(row.said), std::string::npos) << documentDialogs.changedFiles[0];
        EXPECT_EQ(onDisk(file), left);  // nothing written while it asks
        EXPECT_FALSE(platform::isMenuItemEnabled(kFileMenu, 0));
        documentDialogs.answerChangedFile(ChangedFileAnswer::Cancel);
        EXPECT_EQ(onDisk(file), left);
        EXPECT_EQ(onDisk(path("Renamed.qndl")), renamed);
        EXPECT_EQ(state.shell.DirtyFlag, 1);
        EXPECT_TRUE(platform::isWindowModified(kResponseWindow));
        EXPECT_TRUE(platform::isMenuItemEnabled(kFileMenu, 0));
        EXPECT_TRUE(documentDialogs.saves.empty());
    }
}

TEST_F(DiskChangesTest, SaveOverWritesTheDesignThereAndTheNextSaveAsksNothing) {
    const std::string file = openChanged();
    put(file, othersDesign());
    SaveFile();
    documentDialogs.answerChangedFile(ChangedFileAnswer::SaveOver);
    EXPECT_EQ(contents(file), encodeDesignDocument(state));
    EXPECT_EQ(state.shell.DirtyFlag, 0);
    change();
    SaveFile();
    EXPECT_EQ(documentDialogs.changedFiles.size(), 1u);
    EXPECT_EQ(contents(file), encodeDesignDocument(state));
}

TEST_F(DiskChangesTest, AFileUntouchedSinceItWasSavedSavesWithoutAQuestion) {
    const std::string file = openChanged();
    SaveFile();
    change();
    SaveFile();
    EXPECT_TRUE(documentDialogs.changedFiles.empty());
    EXPECT_EQ(contents(file), encodeDesignDocument(state));
    EXPECT_EQ(state.shell.DirtyFlag, 0);
}

// Renamed while open: Save As saves the design where the user says, and
// the renamed file keeps what it held.
TEST_F(DiskChangesTest, SaveAsFromTheQuestionAsksWhereAndLeavesTheRenamedFile) {
    const std::string file = openChanged();
    std::rename(file.c_str(), path("Renamed.qndl").c_str());
    const std::string renamed = contents(path("Renamed.qndl"));
    SaveFile();
    documentDialogs.answerChangedFile(ChangedFileAnswer::SaveAs);
    ASSERT_EQ(documentDialogs.saves.size(), 1u);
    EXPECT_EQ(documentDialogs.saves[0].proposedName, "Box.qndl");
    documentDialogs.saveTo(path("Kept.qndl"));
    EXPECT_EQ(contents(path("Kept.qndl")), encodeDesignDocument(state));
    EXPECT_EQ(contents(path("Renamed.qndl")), renamed);
    EXPECT_EQ(onDisk(file), "(none)");
    EXPECT_EQ(platform::windowTitle(kResponseWindow), "Kept.qndl");
    EXPECT_EQ(state.shell.DirtyFlag, 0);
}

// A quit whose save finds the file changed: Cancel keeps the program, the
// design and the other program's file.
TEST_F(DiskChangesTest, AQuitWhoseSaveFindsTheFileChangedStaysWhenTheQuestionIsCancelled) {
    const std::string file = openChanged();
    put(file, othersDesign());
    ApplicationEventHandler(kApplicationMenu, kQuitItem);
    documentDialogs.answer(SaveChangesAnswer::Save);
    ASSERT_EQ(documentDialogs.changedFiles.size(), 1u);
    documentDialogs.answerChangedFile(ChangedFileAnswer::Cancel);
    EXPECT_EQ(contents(file), othersDesign());
    EXPECT_EQ(state.shell.DirtyFlag, 1);
    EXPECT_FALSE(quitAsked());
}

}  // namespace
}  // namespace quendal::test
