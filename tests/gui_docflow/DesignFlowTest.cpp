// The transitions that end a design and the questions that guard them:
// nothing unsaved goes without the user's word.
#include <algorithm>

#include <QAbstractButton>

#include "DocflowFixture.h"
#include "platform/qt/Registry.h"
#include "windows/SaveChangesSheet.h"

namespace quendal::test {
namespace {

using platform::SaveChangesAnswer;

class DesignFlowTest : public DocflowTest {
protected:
    void SetUp() override {
        DocflowTest::SetUp();
        document = path("Box.qndl");
        bindTo(document);
        saved = contents(document);
    }
    std::string document, saved;
};

// Don't Save stands for the design it was given for while that design waits
// behind System Select: Close ends it unasked. Given back, it asks again.
TEST_F(DesignFlowTest, ClosingAsksOnlyWhileTheDesignHasUnsavedChanges) {
    struct Row {
        const char* name;
        std::optional<SaveChangesAnswer> answer;  // none: nothing asked
        bool closed, written;
        int waiting = 0;  // 1: Don't Save for System Select first; 2: and its Cancel
    };
    const Row rows[] = {{"unchanged", std::nullopt, true, false},
                        {"Save", SaveChangesAnswer::Save, true, true},
                        {"Don't Save", SaveChangesAnswer::DontSave, true, false},
                        {"Cancel", SaveChangesAnswer::Cancel, false, false},
                        {"waiting after Don't Save", std::nullopt, true, false, 1},
                        {"given back", SaveChangesAnswer::Cancel, false, false, 2}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TearDown();
        SetUp();
        if (row.answer || row.waiting > 0) change();
        const std::string design = encodeDesignDocument(state);
        if (row.waiting > 0) {
            ApplicationEventHandler(kMiscMenu, 1);
            documentDialogs.answer(SaveChangesAnswer::DontSave);
            if (row.waiting == 2) CancelSystemSelect();
            documentDialogs.questions.clear();
        }
        ApplicationEventHandler(kFileMenu, 3);
        ASSERT_EQ(documentDialogs.questions.size(), row.answer ? 1u : 0u);
        if (row.answer) {
            EXPECT_EQ(documentDialogs.questions[0], "Box.qndl");
            EXPECT_FALSE(platform::isMenuItemEnabled(kFileMenu, 0));  // dimmed while asked
            documentDialogs.answer(*row.answer);
        }
        EXPECT_EQ(platform::windowExists(kResponseWindow), !row.closed);
        EXPECT_FALSE(platform::windowExists(kSystemSelectWindow));
        EXPECT_EQ(contents(document), row.written ? design : saved);
        EXPECT_EQ(state.shell.DirtyFlag, row.closed ? 0 : 1);
        EXPECT_EQ(platform::isMenuItemEnabled(kFileMenu, 0), true);
    }
}

TEST_F(DesignFlowTest, QuittingUnchangedTellsBothSiblingsAndKeepsThePreferences) {
    ApplicationEventHandler(kApplicationMenu, kQuitItem);
    EXPECT_EQ(sent(), (std::vector<std::string>{"QuitQndl", "Now I Closed"}));
    EXPECT_EQ(preferences.synchronized, 1);
    EXPECT_TRUE(quitAsked());
}

TEST_F(DesignFlowTest, QuittingThroughTheQuestionSavesFirstAndLeavesTheDatabaseRunning) {
    change();
    ApplicationEventHandler(kApplicationMenu, kQuitItem);
    EXPECT_TRUE(sent().empty());  // nothing before the answer
    const std::string design = encodeDesignDocument(state);
    documentDialogs.answer(SaveChangesAnswer::Save);
    EXPECT_EQ(contents(document), design);
    EXPECT_EQ(sent(), std::vector<std::string>{"Now I Closed"});
    EXPECT_EQ(preferences.synchronized, 1);
    EXPECT_TRUE(quitAsked());
}

// After the question the changed design waits behind System Select: its
// Cancel gives the design back still changed, and only a chosen system ends
// it, with nothing of it left.
TEST_F(DesignFlowTest, SystemSelectAfterTheQuestionKeepsTheDesignUntilASystemIsChosen) {
    change();
    state.print.GPrintScale = 80.0;
    state.shell.CtmPaletFlag = 0;
    ApplicationEventHandler(kMiscMenu, 1);
    documentDialogs.answer(SaveChangesAnswer::DontSave);
    EXPECT_TRUE(platform::windowExists(kSystemSelectWindow));
    EXPECT_TRUE(platform::windowExists(kResponseWindow));
    CancelSystemSelect();
    EXPECT_FALSE(platform::windowExists(kSystemSelectWindow));
    EXPECT_EQ(state.shell.DirtyFlag, 1);
    EXPECT_TRUE(sent().empty());

    ApplicationEventHandler(kMiscMenu, 1);
    documentDialogs.answer(SaveChangesAnswer::DontSave);
    EndKeptDesign();  // Initial Setup's OK for the chosen system
    EXPECT_FALSE(platform::windowExists(kResponseWindow));
    EXPECT_EQ(sent(), (std::vector<std::string>{"HideQndl", "Now I Closed"}));
    EXPECT_EQ(contents(document), saved);
    EXPECT_EQ(state.shell.DirtyFlag, 0);
    EXPECT_EQ(state.shell.SaveAsFlag, 0);
    EXPECT_EQ(state.shell.CtmPaletFlag, 1);
    EXPECT_EQ(state.print.GPrintScale, 100.0);
}

// The sibling's sheet 14, through its real buttons and keys.
TEST_F(DesignFlowTest, TheSiblingsSheetSavesOrDiscardsThenClosesOrQuits) {
    const auto click = [](int32_t button) {
        return [button] { static_cast<QAbstractButton*>(platform::qt::controlWidget(kSaveChangesSheet, button))->click(); };
    };
    const auto key = [](Qt::Key k, Qt::KeyboardModifiers m) {
        return [k, m] {
            QTest::keyClick(platform::qt::windowWidget(kSaveChangesSheet)->windowHandle(), k, m);
            // A button's Alt letter presses it as a click does, after its press shows.
            EXPECT_TRUE(QTest::qWaitFor([] { return !platform::windowExists(kSaveChangesSheet); }, 2000));
        };
    };
    struct Row {
        const char* name;
        int32_t fromTessmir;
        std::function<void()> press;
        bool written, quits;
    };
    const Row rows[] = {
        {"Save", 0, click(kSaveChangesSaveButton), true, false},
        {"Don't Save", 0, click(kSaveChangesDontSaveButton), false, false},
        {"Return saves", 0, key(Qt::Key_Return, Qt::NoModifier), true, false},
        {"Ctrl+D discards", 0, key(Qt::Key_D, Qt::ControlModifier), false, false},
        {"Ctrl+Backspace discards", 0, key(Qt::Key_Backspace, Qt::ControlModifier), false, false},
        {"Ctrl+Delete discards", 0, key(Qt::Key_Delete, Qt::ControlModifier), false, false},
        {"Alt+D, the underlined D, discards", 0, key(Qt::Key_D, Qt::AltModifier), false, false},
        {"Save, then quit", 1, click(kSaveChangesSaveButton), true, true},
        {"Ctrl+D, then quit", 1, key(Qt::Key_D, Qt::ControlModifier), false, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TearDown();
        SetUp();
        change();
        const std::string design = encodeDesignDocument(state);
        state.shell.NavAskSDFlag = row.fromTessmir;
        NavAskSaveDontWnd();
        ASSERT_TRUE(platform::windowExists(kSaveChangesSheet));
        EXPECT_EQ(platform::controlText(kSaveChangesSheet, kSaveChangesDontSaveButton), "Don't Save");
        ASSERT_TRUE(QTest::qWaitForWindowActive(platform::qt::windowWidget(kSaveChangesSheet)->windowHandle()));
        row.press();
        EXPECT_FALSE(platform::windowExists(kSaveChangesSheet));
        EXPECT_EQ(contents(document), row.written ? design : saved);
        EXPECT_EQ(state.shell.NavAskSDFlag, 0);
        const std::vector<std::string> texts = sent();
        EXPECT_EQ(std::count(texts.begin(), texts.end(), "OpenFileQndlFromQnDL"), row.quits ? 0 : 1);
        EXPECT_EQ(platform::windowExists(kResponseWindow), row.quits);  // a quit leaves the windows to the end
        EXPECT_EQ(quitAsked(), row.quits);
    }
}

TEST_F(DesignFlowTest, ASaveThatSavesNothingStopsTheQuitItWasFor) {
    platform::setWindowFilePath(kResponseWindow, "");  // a design without a file
    state.shell.NavAskSDFlag = 1;
    NavAskSaveDontWnd();
    static_cast<QAbstractButton*>(platform::qt::controlWidget(kSaveChangesSheet, kSaveChangesSaveButton))->click();
    ASSERT_EQ(documentDialogs.saves.size(), 1u);  // where to?
    documentDialogs.saveTo(std::nullopt);
    EXPECT_TRUE(platform::windowExists(kResponseWindow));
    EXPECT_FALSE(quitAsked());
}

TEST_F(DesignFlowTest, ATabShowsThePaneOfTheSelectedTabOnly) {
    platform::ControlSpec tabs(platform::ControlKind::Tab, {10, 10, 200, 300}, {}, 1, 1, 3);
    tabs.items = {"One", "Two", "Three"};
    ASSERT_TRUE(platform::createControl(kResponseWindow, 300, tabs));
    for (int32_t pane : {301, 302, 303}) {
        platform::ControlSpec desc(platform::ControlKind::UserPane, {40, 20, 180, 280});
        desc.parent = 300;
        ASSERT_TRUE(platform::createControl(kResponseWindow, pane, desc));
    }
    platform::setControlValue(kResponseWindow, 300, 2);
    platform::setCurrentWindow(kResponseWindow);
    HandleTabs(300);
    EXPECT_FALSE(platform::isControlVisible(kResponseWindow, 301));
    EXPECT_TRUE(platform::isControlVisible(kResponseWindow, 302));
    EXPECT_FALSE(platform::isControlVisible(kResponseWindow, 303));
}

}  // namespace
}  // namespace quendal::test
