// A Save that finds its file no longer as the program left it (another copy
// saved into it, a file put in its place, renamed or deleted in the file
// manager) asks before writing over it, and writes nothing until answered.
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>

#include "DocflowFixture.h"

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

}  // namespace
}  // namespace quendal::test
