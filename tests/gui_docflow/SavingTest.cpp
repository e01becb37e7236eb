// Saving: into the bound document, under a new name, as stationery; and a
// write that fails, which keeps the old file, the mark and the design.
#include <csignal>

#include <sys/resource.h>

#include "DocflowFixture.h"

namespace quendal::test {
namespace {

using platform::SaveChangesAnswer;

// The disk takes no more than `bytes` per file while it lives (a file-size
// limit stands in for a full disk, for every user).
class DiskFullAfter {
public:
    explicit DiskFullAfter(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved_;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~DiskFullAfter() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

using SavingTest = DocflowTest;

TEST_F(SavingTest, AFailedSaveKeepsTheOldFileAndTheMarkStopsTheQuitAndStopQuitsOnlyAfterAsking) {
    const std::string file = path("Box.qndl");
    bindTo(file);
    const std::string old = contents(file);
    change();
    ApplicationEventHandler(kApplicationMenu, kQuitItem);
    ASSERT_EQ(documentDialogs.questions, std::vector<std::string>{"Box.qndl"});
    {
        DiskFullAfter limit(1000);
        documentDialogs.answer(SaveChangesAnswer::Save);
    }
    EXPECT_EQ(contents(file), old);
    EXPECT_EQ(state.shell.DirtyFlag, 1);
    EXPECT_TRUE(platform::isWindowModified(kResponseWindow));
    ASSERT_EQ(documentDialogs.errors.size(), 1u);
    // The alert says what failed, without a reference of the program's own.
    EXPECT_EQ(documentDialogs.errors[0].rfind("The program returned a file error.\n", 0), 0u);
    EXPECT_EQ(documentDialogs.errors[0].find("ref"), std::string::npos) << documentDialogs.errors[0];
    EXPECT_TRUE(sent().empty());                             // the quit waits no more
    EXPECT_TRUE(platform::isMenuItemEnabled(kFileMenu, 0));  // the design's menus are back
    documentDialogs.stopOnError(true);
    ASSERT_EQ(documentDialogs.questions.size(), 2u);  // still unsaved: asked again
    documentDialogs.answer(SaveChangesAnswer::DontSave);
    EXPECT_TRUE(quitAsked());
}

TEST_F(SavingTest, SaveAsIntoAMissingFolderSaysSoAndBindsNothing) {
    SaveAsFile();
    documentDialogs.saveTo(path("no such folder/Box.qndl"));
    ASSERT_EQ(documentDialogs.errors.size(), 1u);
    EXPECT_EQ(documentDialogs.errors[0].find("File ref"), std::string::npos);
    EXPECT_EQ(platform::windowTitle(kResponseWindow), "Response");
    EXPECT_EQ(platform::windowFilePath(kResponseWindow), "");
    EXPECT_EQ(state.shell.FileOpenFlag, 0);
    EXPECT_EQ(state.shell.SaveFileNum, 0);  // the number proposed is free again
    documentDialogs.stopOnError(false);     // Continue: back to the design
    EXPECT_FALSE(quitAsked());
}

TEST_F(SavingTest, ANewDesignIsSavedWhereTheUserSaysThenItsFileWithoutAsking) {
    ApplicationEventHandler(kFileMenu, 5);
    ASSERT_EQ(documentDialogs.saves.size(), 1u);
    EXPECT_EQ(documentDialogs.saves[0].message, "Save This File As...");
    EXPECT_EQ(documentDialogs.saves[0].suffix, "qndl");
    EXPECT_EQ(documentDialogs.saves[0].proposedName.rfind("Woofer-8_", 0), 0u);
    EXPECT_TRUE(documentDialogs.saves[0].proposedName.ends_with("_1.qndl"));
    const std::string file = path("Mine.qndl");
    documentDialogs.saveTo(file);
    EXPECT_EQ(contents(file), encodeDesignDocument(state));
    EXPECT_EQ(platform::windowTitle(kResponseWindow), "Mine.qndl");
    EXPECT_EQ(platform::windowFilePath(kResponseWindow), file);
    EXPECT_EQ(state.shell.SaveAsFlag, 1);
    change();
    ApplicationEventHandler(kFileMenu, 5);
    EXPECT_EQ(documentDialogs.saves.size(), 1u);
    EXPECT_EQ(contents(file), encodeDesignDocument(state));
    EXPECT_EQ(state.shell.DirtyFlag, 0);
    EXPECT_FALSE(platform::isWindowModified(kResponseWindow));
    SaveAsFile();
    EXPECT_EQ(documentDialogs.saves.back().proposedName, "Mine.qndl");
}

TEST_F(SavingTest, ACancelledSaveAsGivesItsNumberBackACancelledStationeryDoesNot) {
    for (const char* ending : {"_1.qndl", "_1.qndl", "_1.qndlsta", "_2.qndlsta"}) {
        std::string(ending).ends_with("sta") ? SaveAsStationeryFile() : SaveAsFile();
        EXPECT_TRUE(documentDialogs.saves.back().proposedName.ends_with(ending)) << ending;
        documentDialogs.saveTo(std::nullopt);
    }
}

TEST_F(SavingTest, StationeryIsACopyTheDocumentStaysAsItWas) {
    const std::string document = path("MyBox.qndl");
    bindTo(document);
    const std::string old = contents(document);
    change();
    SaveAsStationeryFile();
    EXPECT_EQ(documentDialogs.saves.back().message, "Save This Stationery File As...");
    EXPECT_EQ(documentDialogs.saves.back().proposedName, "MyBox.qndlsta");
    documentDialogs.saveTo(path("MyBox.qndlsta"));
    EXPECT_EQ(contents(path("MyBox.qndlsta")), encodeDesignDocument(state));
    EXPECT_EQ(contents(document), old);
    EXPECT_EQ(platform::windowFilePath(kResponseWindow), document);
    EXPECT_EQ(state.shell.DirtyFlag, 1);
}

TEST(ProposedSaveName, NumberedForANewDesignElseTheDocumentsOwnName) {
    struct Row {
        const char *title, *bound, *model;
        int32_t number;
        bool stationery;
        const char* proposed;
    };
    const Row rows[] = {
        {"Response", "", "Test20-04", 1, false, "Test20-04_Vented-Box_1.qndl"},
        {"Test20-04_Vented-Box_1.qndl", "Test20-04_Vented-Box_1.qndl", "Test20-04", 2, false, "Test20-04_Vented-Box_2.qndl"},
        {"MyBox.qndl", "MyBox.qndl", "Test20-04", 3, false, "MyBox.qndl"},
        {"MyBox.qndl", "MyBox.qndl", "Test20-04", 3, true, "MyBox.qndlsta"},
        {"MyBox.QNDL", "MyBox.QNDL", "Test20-04", 3, true, "MyBox.qndlsta"},
        {"Notes.txt", "", "Test20-04", 3, true, "Notes.txt"},
        {"untitled.qndl", "", "Test20-04", 4, false, "untitled.qndl"},
        {"Response", "", "W18/8", 1, true, "W18-8_Vented-Box_1.qndlsta"},  // "/" would name a folder
        {"Caf\x8E.qndl", "Café.qndl", "Test20-04", 1, false, "Café.qndl"},  // the file's own UTF-8 name
    };
    for (const Row& row : rows)
        EXPECT_EQ(ProposedSaveName(row.title, row.bound, "Response", row.model, "Vented-Box", row.number, row.stationery),
                  row.proposed)
            << row.title;
}

// The Open and Save As dialogs start in the folder of the document on
// screen, else in the folder last chosen in this run, else at home.
TEST_F(SavingTest, FileDialogsStartInTheDocumentsFolderElseTheLastChosenElseHome) {
    const std::string home = platform::files().userFolder(platform::UserFolder::Home);
    ASSERT_TRUE(QDir(folder.path()).mkdir("sub"));
    const std::string sub = path("sub");
    OpenDialogFile();
    EXPECT_EQ(documentDialogs.opens.back().folder, home);
    documentDialogs.openFile(std::nullopt);
    SaveAsFile();
    EXPECT_EQ(documentDialogs.saves.back().folder, home);
    documentDialogs.saveTo(path("sub/Box.qndl"));
    ASSERT_EQ(platform::windowFilePath(kResponseWindow), path("sub/Box.qndl"));
    OpenDialogFile();
    EXPECT_EQ(documentDialogs.opens.back().folder, sub);
    documentDialogs.openFile(std::nullopt);
    bindTo(path("Top.qndl"));
    SaveAsFile();
    EXPECT_EQ(documentDialogs.saves.back().folder, folder.path().toStdString());
    documentDialogs.saveTo(std::nullopt);
    platform::closeWindow(kResponseWindow);
    OpenDialogFile();
    EXPECT_EQ(documentDialogs.opens.back().folder, sub);  // no document: the last folder chosen
}

}  // namespace
}  // namespace quendal::test
