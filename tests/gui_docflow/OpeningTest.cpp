// Opening: a document or stationery handed over by the open dialog, the
// desktop or the command line; what is not a design document changes
// nothing.
#include <filesystem>

#include "DocflowFixture.h"
#include "app/DesktopDocuments.h"

namespace quendal::test {
namespace {

using platform::SaveChangesAnswer;

class OpeningTest : public DocflowTest {
protected:
    // Lets the file-open timer fire.
    static void waitForOpening() {
        ASSERT_TRUE(QTest::qWaitFor([] { return state.document.FileOpenTimer == 0; }));
    }
    std::string anotherDesign(const char* name) {
        const std::string file = path(name);
        put(file, documentWith([](ProgramState& d) {
            d.box.VB = 77.0;
            d.speaker.s_SP = "Mid-5";
        }));
        return file;
    }
};

TEST_F(OpeningTest, ADocumentOpensAfterItsTimerWithItsValuesAndTellsTheSiblings) {
    const std::string file = anotherDesign("Other.qndl");
    ClikOpenDocm(file);
    EXPECT_EQ(sent(), (std::vector<std::string>{"BootedQndlFromQnDLByFile", "BootedTsmrFromVrknByFile", "QuitPlqe"}));
    EXPECT_EQ(state.box.VB, 42.0);  // not before the timer
    waitForOpening();
    EXPECT_EQ(state.box.VB, 77.0);
    EXPECT_EQ(state.speaker.s_SP, "Mid-5");
    EXPECT_EQ(state.shell.FileOpenFlag, 1);
    EXPECT_EQ(state.shell.SaveAsFlag, 1);
    EXPECT_EQ(state.shell.AppClickOpnFlag, 1);
}

TEST_F(OpeningTest, WhatCannotBeOpenedLeavesTheDesignAsItWasAndSaysWhy) {
    struct Row {
        const char* name;
        std::string bytes;  // none: no such file
        bool fileError;
    };
    const Row rows[] = {
        {"Short.qndl", std::string(1000, 'x'), false},
        {"BadTab.qndl", documentWith([](ProgramState& d) { d.selection.SysSelTabNum = 3; }), false},
        {"Missing.qndl", {}, true},
    };
    const std::string mine = path("Mine.qndl");
    bindTo(mine);
    change();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string file = path(row.name);
        if (!row.bytes.empty()) put(file, row.bytes);
        const std::string before = encodeDesignDocument(state);
        alerts.sheets.clear();
        documentDialogs.errors.clear();
        ClikOpenDocm(file);
        documentDialogs.answer(SaveChangesAnswer::DontSave);  // unsaved changes: asked first
        waitForOpening();
        EXPECT_EQ(encodeDesignDocument(state), before);
        EXPECT_EQ(state.shell.DirtyFlag, 1);
        EXPECT_EQ(platform::windowTitle(kResponseWindow), "Mine.qndl");
        EXPECT_EQ(platform::windowFilePath(kResponseWindow), mine);
        EXPECT_TRUE(platform::isWindowModified(kResponseWindow));
        if (row.fileError) {
            EXPECT_EQ(documentDialogs.errors.size(), 1u);
        } else {
            ASSERT_EQ(alerts.sheets.size(), 1u);
            EXPECT_NE(alerts.sheets[0].find("could not be opened"), std::string::npos);
            EXPECT_NE(alerts.sheets[0].find("not a valid design document"), std::string::npos);
        }
    }
}

TEST_F(OpeningTest, StationeryOpensAsUntitledBoundToNoFile) {
    const std::string document = path("MyBox.qndl");
    bindTo(document);
    const std::string old = contents(document);
    const std::string stationery = path("Start.qndlsta");
    put(stationery, documentWith([](ProgramState& d) { d.box.FB = 28.0; }));
    ASSERT_TRUE(ClikOpenDocmFile(stationery).ok());
    BindResponseWindowToDocument(stationery);
    EXPECT_EQ(state.box.FB, 28.0);
    EXPECT_EQ(platform::windowTitle(kResponseWindow), "untitled.qndl");
    EXPECT_EQ(platform::windowFilePath(kResponseWindow), "");
    EXPECT_EQ(state.shell.FileOpenFlag, 0);
    EXPECT_EQ(state.shell.SaveAsFlag, 0);
    // Its first Save asks where, proposing "untitled.qndl"; the document it
    // came beside is never written.
    ApplicationEventHandler(kFileMenu, 5);
    ASSERT_EQ(documentDialogs.saves.size(), 1u);
    EXPECT_EQ(documentDialogs.saves[0].proposedName, "untitled.qndl");
    EXPECT_EQ(contents(document), old);
}

TEST_F(OpeningTest, AFileOfAnotherKindChangesNothingButTwoBeeps) {
    const std::string before = encodeDesignDocument(state);
    for (const char* name : {"notes.txt", "Loud.QNDL", "plain"}) {
        SCOPED_TRACE(name);
        alerts.beeps = 0;
        put(path(name), documentWith([](ProgramState& d) { d.box.VB = 99.0; }));
        ClikOpenDocm(path(name));
        EXPECT_EQ(alerts.beeps, 1);
        EXPECT_TRUE(QTest::qWaitFor([this] { return alerts.beeps == 2; }));
    }
    EXPECT_EQ(encodeDesignDocument(state), before);
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(state.shell.SelfOpenFlag, 0);
    EXPECT_EQ(state.shell.FileOpenFlag, 0);
    EXPECT_TRUE(platform::isMenuItemEnabled(kFileMenu, 0));
}

TEST_F(OpeningTest, TheOpenDialogListsFoldersAndDesignFilesExactly) {
    struct Row {
        const char* path;
        bool folder;
        bool listed;
    };
    const Row rows[] = {{"/d/a.qndl", false, true},      {"/d/a.qndlsta", false, true}, {"/d/a.QNDL", false, false},
                        {"/d/a.Qndlsta", false, false},  {"/d/a.qndl.bak", false, false}, {"/d/.qndl", false, false},
                        {"/d/qndl", false, false},        {"/d/sub.txt", true, true}};
    for (const Row& row : rows) EXPECT_EQ(OpenDialogFilter(row.path, row.folder), row.listed) << row.path;
    OpenDialogFile();
    ASSERT_EQ(documentDialogs.opens.size(), 1u);
    EXPECT_EQ(documentDialogs.opens[0].message, "Select Open File.");
    documentDialogs.openFile(std::nullopt);  // cancelled: nothing
    EXPECT_EQ(state.shell.SelfOpenFlag, 0);
    OpenDialogFile();
    documentDialogs.openFile(anotherDesign("Chosen.qndl"));
    waitForOpening();
    EXPECT_EQ(state.box.VB, 77.0);
}

TEST_F(OpeningTest, AnOpeningWithdrawnBeforeItsTimerOpensNothing) {
    ClikOpenDocm(anotherDesign("Other.qndl"));
    state.shell.SelfOpenFlag = 0;  // a sibling withdrew it
    waitForOpening();
    EXPECT_EQ(state.box.VB, 42.0);
}

// Decides whether a program runs that takes the documents.
class HandoverDouble : public platform::DocumentHandoverService {
public:
    bool handOver(const std::vector<std::string>& paths, platform::DocumentReceiver) override {
        handed = paths;
        return running;
    }
    void stopReceiving() override {}
    bool running = false;
    std::vector<std::string> handed;
};

TEST_F(OpeningTest, OfTheDocumentsNamedOnTheCommandLineTheLastOpensOnceTheLoopRuns) {
    const std::string first = path("First.qndl");
    put(first, encodeDesignDocument(state));
    const std::string last = anotherDesign("Last.qndl");
    const std::filesystem::path working = std::filesystem::current_path();
    std::filesystem::current_path(folder.path().toStdString());
    std::string name = "quendal", relative = "First.qndl", absolute = last;
    char* argv[] = {name.data(), relative.data(), absolute.data(), nullptr};
    HandoverDouble handover;
    platform::setDocumentHandoverService(&handover);
    const bool ended = HandOverDocumentsNamedAtStart(3, argv);
    std::filesystem::current_path(working);
    platform::setDocumentHandoverService(nullptr);
    EXPECT_FALSE(ended);
    EXPECT_EQ(handover.handed, (std::vector<std::string>{first, last}));
    EXPECT_EQ(state.shell.SelfOpenFlag, 0);  // nothing before the loop
    ASSERT_TRUE(QTest::qWaitFor([] { return state.shell.AppClickOpnFlag == 1; }));
    EXPECT_EQ(state.box.VB, 77.0);
}

TEST_F(OpeningTest, ASecondStartHandsItsDocumentsOverAndEnds) {
    HandoverDouble handover;
    handover.running = true;
    platform::setDocumentHandoverService(&handover);
    std::string name = "quendal", file = anotherDesign("Other.qndl");
    char* argv[] = {name.data(), file.data(), nullptr};
    EXPECT_TRUE(HandOverDocumentsNamedAtStart(2, argv));
    platform::setDocumentHandoverService(nullptr);
    EXPECT_EQ(handover.handed, std::vector<std::string>{file});
    EXPECT_TRUE(quitAsked());
}

}  // namespace
}  // namespace quendal::test
