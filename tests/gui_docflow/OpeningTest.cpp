// Opening: a document or stationery handed over by the open dialog, the
// desktop or the command line; what is not a design document changes
// nothing.
#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QWindow>

#include "DocflowFixture.h"
#include "app/DesktopDocuments.h"
#include "palette/CustomPalette.h"
#include "platform/qt/Registry.h"

namespace quendal::test {
namespace {

using platform::SaveChangesAnswer;

class OpeningTest : public DocflowTest {
protected:
    static void waitForOpening() {
        ASSERT_TRUE(QTest::qWaitFor([] { return state.document.FileOpenTimer == 0; }));
    }
    std::string anotherDesign(const char* name) {
        put(path(name), documentWith([](ProgramState& d) {
                d.box.VB = 77.0;
                d.speaker.s_SP = "Mid-5";
            }));
        return path(name);
    }
};

TEST_F(OpeningTest, ADocumentOpensAfterItsTimerWithItsValuesAndTellsTheSiblings) {
    ClikOpenDocm(anotherDesign("Other.qndl"));
    EXPECT_EQ(sent(), (std::vector<std::string>{"BootedQndlFromQnDLByFile", "BootedTsmrFromVrknByFile", "QuitPlqe"}));
    EXPECT_EQ(state.box.VB, 42.0);  // not before the timer
    waitForOpening();
    EXPECT_EQ(state.box.VB, 77.0);
    EXPECT_EQ(state.speaker.s_SP, "Mid-5");
    EXPECT_EQ(state.shell.FileOpenFlag, 1);
    EXPECT_EQ(state.shell.SaveAsFlag, 1);
    EXPECT_EQ(state.shell.AppClickOpnFlag, 1);
}

// A document keeps the display mode it stores; a system that cannot show
// it shows and checks "Total Only".
TEST_F(OpeningTest, AStoredDisplayModeTheSystemLacksShowsTheTotalAndIsKept) {
    const std::string file = path("Baffle.qndl");
    put(file, documentWith([](ProgramState& d) {
            d.selection.SysSelBtnNum = 1;  // Infinite Baffle
            d.selection.Alin = 1;
            d.view.Disp = 2;
            d.view.s_Resp = "amp";
        }));
    ClikOpenDocm(file);
    waitForOpening();
    ASSERT_EQ(state.selection.SysSelBtnNum, 1);
    EXPECT_EQ(state.view.Disp, 2);
    EXPECT_TRUE(platform::isMenuItemChecked(kViewMenu, 7));
    EXPECT_FALSE(platform::isMenuItemChecked(kViewMenu, 8));
}

TEST_F(OpeningTest, WhatCannotBeOpenedLeavesTheDesignAsItWasAndSaysWhy) {
    struct Row {
        const char* name;
        std::string bytes;  // empty: no such file
        const char* says;   // in the alert
    };
    std::string text;
    while (text.size() < 4000) text += "Hello, this is a letter and no loudspeaker design.\n";
    // A file that holds no design is told so in the user's words; a design
    // whose value is refused, by the field.
    const Row rows[] = {
        {"Short.qndl", std::string(1000, 'x'), "It is not a Quendal design"},
        {"BadTab.qndl", documentWith([](ProgramState& d) { d.selection.SysSelTabNum = 3; }), "It is not a Quendal design"},
        {"Letter.qndl", text, "It is not a Quendal design"},
        {"NoResistance.qndl", documentWith([](ProgramState& d) { d.speaker.RE2 = 0.0; }), "voice-coil resistance Re"},
        {"Missing.qndl", {}, ""}};
    const std::string mine = path("Mine.qndl");
    bindTo(mine);
    change();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        if (!row.bytes.empty()) put(path(row.name), row.bytes);
        const std::string before = encodeDesignDocument(state);
        alerts.sheets.clear();
        documentDialogs.errors.clear();
        ClikOpenDocm(path(row.name));
        documentDialogs.answer(SaveChangesAnswer::DontSave);  // unsaved changes: asked first
        waitForOpening();
        EXPECT_EQ(encodeDesignDocument(state), before);
        EXPECT_EQ(state.shell.DirtyFlag, 1);
        EXPECT_EQ(state.shell.AppClickOpnFlag, 0);  // nothing started: the start may still offer its window
        EXPECT_EQ(platform::windowTitle(kResponseWindow), "Mine.qndl");
        EXPECT_EQ(platform::windowFilePath(kResponseWindow), mine);
        if (row.bytes.empty()) {
            EXPECT_EQ(documentDialogs.errors.size(), 1u);
        } else {
            ASSERT_EQ(alerts.sheets.size(), 1u);
            EXPECT_NE(alerts.sheets[0].find("could not be opened"), std::string::npos);
            EXPECT_NE(alerts.sheets[0].find(row.says), std::string::npos) << alerts.sheets[0];
            EXPECT_EQ(alerts.sheets[0].find("system tab"), std::string::npos) << alerts.sheets[0];
        }
    }
}

// A pipe named like a document is refused before it is opened, as a folder
// is, and leaves no path waiting. Should the opening wait for a writer all
// the same, the writer comes after a few seconds, so that the test fails
// instead of hanging.
TEST_F(OpeningTest, APipeNamedLikeADocumentIsRefusedWithoutWaitingAndLeavesNoPath) {
    const std::string pipe = path("x.qndl");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    std::atomic<bool> done{false};
    std::thread writer([&] {
        for (int tick = 0; !done; ++tick) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            if (tick < 100) continue;
            const int fd = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) ::close(fd);
        }
    });
    const std::string before = encodeDesignDocument(state);
    OpenDialogGetFileHandler(pipe);
    waitForOpening();
    done = true;
    writer.join();
    EXPECT_EQ(encodeDesignDocument(state), before);
    ASSERT_EQ(documentDialogs.errors.size(), 1u);
    EXPECT_NE(documentDialogs.errors[0].find("pipe, socket or device"), std::string::npos) << documentDialogs.errors[0];
    EXPECT_EQ(state.document.g_FsRef, "");
}

TEST_F(OpeningTest, TheRadiatorCountServesTheAlignmentThatAppliesTheEnteredRadiator) {
    struct Row {
        int32_t tab, button, alin;
        bool enabled;
    };
    // Passive Radiator (tab 1, position 4) and Passive Raveza (tab 2,
    // position 2), each at its "Apply" item and at another alignment.
    const Row rows[] = {{1, 4, 3, true}, {1, 4, 1, false}, {2, 2, 4, true}, {2, 2, 1, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "system " << (row.tab - 1) * 8 + row.button << ", alignment " << row.alin);
        const std::string file = path("Radiator.qndl");
        put(file, documentWith([&row](ProgramState& d) {
                d.selection.SysSelTabNum = row.tab;
                d.selection.SysSelBtnNum = row.button;
                d.selection.InitSysType = 1;
                d.selection.Alin = row.alin;
                d.box.VB1 = 30.0;  // the chambers the alignments take as entries
                d.box.VB2 = 20.0;
                d.radiator.PRUseFlag = 1;
                d.radiator.PRDataInFlag = 1;
                d.radiator.PopupPRNum = 2;
                d.radiator.PRDIA = d.radiator.PRDIAOrg = 25.0;
                d.radiator.FP = d.radiator.FPOrg = 18.0;
                d.radiator.VAP = d.radiator.VAPOrg = 60.0;
                d.radiator.QP = d.radiator.QPOrg = 6.0;
                d.radiator.PRSD = d.radiator.PRSDOrg = 350.0;
                d.radiator.PRVD = d.radiator.PRVDOrg = 300.0;
                d.radiator.PRXMAX = d.radiator.PRXMAXOrg = 9.0;
            }));
        ClikOpenDocm(file);
        if (documentDialogs.question) documentDialogs.answer(SaveChangesAnswer::DontSave);
        waitForOpening();
        ASSERT_EQ(platform::windowFilePath(kResponseWindow), file);
        ASSERT_TRUE(platform::controlExists(kCustomPalette, kPaletteRadiatorCountPopup));
        EXPECT_EQ(platform::isControlEnabled(kCustomPalette, kPaletteRadiatorCountPopup), row.enabled);
        EXPECT_EQ(platform::controlValue(kCustomPalette, kPaletteRadiatorCountPopup), 2);
    }
}

TEST_F(OpeningTest, ADesignTheProgramSavedReopensUnmarkedAndTheTitleShowsAnEditUntilTheSave) {
    // The fixture's design as the program computes it, saved by the program.
    const std::string file = path("Shown.qndl");
    put(file, encodeDesignDocument(state));
    ClikOpenDocm(file);
    waitForOpening();
    ApplicationEventHandler(kFileMenu, 5);  // Save
    ClikOpenDocm(file);
    if (documentDialogs.question) documentDialogs.answer(SaveChangesAnswer::DontSave);
    waitForOpening();

    QWindow* handle = platform::qt::windowWidget(kResponseWindow)->windowHandle();
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(state.shell.DirtyFlag, 0);
    EXPECT_EQ(handle->title(), "Shown.qndl");
    change();
    EXPECT_EQ(handle->title(), "Shown.qndl*");
    ApplicationEventHandler(kFileMenu, 5);  // Save
    EXPECT_EQ(contents(file), encodeDesignDocument(state));
    EXPECT_EQ(handle->title(), "Shown.qndl");
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
    ApplicationEventHandler(kFileMenu, 5);  // its first Save asks where
    ASSERT_EQ(documentDialogs.saves.size(), 1u);
    EXPECT_EQ(documentDialogs.saves[0].proposedName, "untitled.qndl");
    EXPECT_EQ(contents(document), old);
}

TEST_F(OpeningTest, AFileOfAnotherKindChangesNothingButTwoBeeps) {
    const std::string before = encodeDesignDocument(state);
    for (const char* name : {"notes.txt", "Loud.QNDL.bak", "plain"}) {
        alerts.beeps = 0;
        put(path(name), documentWith([](ProgramState& d) { d.box.VB = 99.0; }));
        ClikOpenDocm(path(name));
        EXPECT_EQ(alerts.beeps, 1) << name;
        EXPECT_TRUE(QTest::qWaitFor([this] { return alerts.beeps == 2; })) << name;
    }
    EXPECT_EQ(encodeDesignDocument(state), before);
    EXPECT_TRUE(sent().empty());
    EXPECT_EQ(state.shell.SelfOpenFlag, 0);
    EXPECT_EQ(state.shell.FileOpenFlag, 0);
    EXPECT_TRUE(platform::isMenuItemEnabled(kFileMenu, 0));
}

// Designs and stationery by their extension in any letter case, as they
// are saved ("Sub.QNDL").
TEST_F(OpeningTest, TheOpenDialogListsFoldersAndDesignFiles) {
    for (const char* listed : {"/d/a.qndl", "/d/a.qndlsta", "/d/a.QNDL", "/d/a.Qndlsta"})
        EXPECT_TRUE(OpenDialogFilter(listed, false)) << listed;
    for (const char* hidden : {"/d/a.qndl.bak", "/d/.qndl", "/d/qndl", "/d/a.qndlst"})
        EXPECT_FALSE(OpenDialogFilter(hidden, false)) << hidden;
    EXPECT_TRUE(OpenDialogFilter("/d/sub.txt", true));
    OpenDialogFile();
    EXPECT_EQ(documentDialogs.opens.at(0).message, "Select Open File.");
    documentDialogs.openFile(std::nullopt);  // cancelled: nothing
    EXPECT_EQ(state.shell.SelfOpenFlag, 0);
    OpenDialogFile();
    documentDialogs.openFile(anotherDesign("Chosen.QNDL"));
    waitForOpening();
    EXPECT_EQ(state.box.VB, 77.0);
    EXPECT_EQ(platform::windowTitle(kResponseWindow), "Chosen.QNDL");  // a design, bound to its file
    EXPECT_EQ(state.shell.FileOpenFlag, 1);
}

class HandoverDouble : public platform::DocumentHandoverService {
public:
    bool handOver(const std::vector<std::string>& paths, platform::DocumentReceiver) override {
        handed = paths;
        return false;  // no program receives: this one opens them
    }
    void stopReceiving() override {}
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
    EXPECT_FALSE(HandOverDocumentsNamedAtStart(3, argv));
    std::filesystem::current_path(working);
    platform::setDocumentHandoverService(nullptr);
    EXPECT_EQ(handover.handed, (std::vector<std::string>{first, last}));
    EXPECT_EQ(state.shell.SelfOpenFlag, 0);  // nothing before the loop
    ASSERT_TRUE(QTest::qWaitFor([] { return state.shell.AppClickOpnFlag == 1; }));
    EXPECT_EQ(state.box.VB, 77.0);
}

// "link/../x.qndl", link a linked folder: the system follows the link and
// then goes up from where it leads; so does the program, for a document
// named at start, handed over, and chosen in the save dialog.
TEST_F(OpeningTest, APathThroughALinkedFolderNamesTheFileTheSystemFinds) {
    std::filesystem::create_directories(path("real/sub"));
    std::filesystem::create_directory_symlink(path("real/sub"), path("link"));
    put(path("real/x.qndl"), encodeDesignDocument(state));
    put(path("x.qndl"), "another file, where the text shortens to");
    const std::filesystem::path working = std::filesystem::current_path();
    std::filesystem::current_path(folder.path().toStdString());
    std::string name = "quendal", linked = "link/../x.qndl";
    char* argv[] = {name.data(), linked.data(), nullptr};
    HandoverDouble handover;
    platform::setDocumentHandoverService(&handover);
    EXPECT_FALSE(HandOverDocumentsNamedAtStart(2, argv));
    std::filesystem::current_path(working);
    platform::setDocumentHandoverService(nullptr);
    EXPECT_EQ(handover.handed, std::vector<std::string>{path("real/x.qndl")});
    ClikOpenDocm(path("link") + "/../x.qndl");  // handed over by a later start or the open dialog
    EXPECT_EQ(state.document.g_FsRef, path("real/x.qndl"));

    SaveAsFile();
    documentDialogs.saveTo(path("link") + "/../New.qndl");
    EXPECT_EQ(contents(path("real/New.qndl")), encodeDesignDocument(state));
    EXPECT_FALSE(std::filesystem::exists(path("New.qndl")));
    EXPECT_EQ(platform::windowFilePath(kResponseWindow), path("real/New.qndl"));
}

}  // namespace
}  // namespace quendal::test
