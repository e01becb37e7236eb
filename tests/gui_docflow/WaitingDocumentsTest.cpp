// Designs handed over by the desktop while the save question waits for its
// answer: they wait, in the order they came, and open once it is answered,
// each through the question again while the changed design is still there.
// Driven through the layer's own question, as the user answers it.
#include <QFileDialog>
#include <QLineEdit>

#include "DocflowFixture.h"
#include "app/DesktopDocuments.h"
#include "dialogs/Alerts.h"
#include "support/TimerLooks.h"

namespace quendal::test {
namespace {

class WaitingDocumentsTest : public DocflowTest {};

std::string title() {
    return platform::windowExists(kResponseWindow) ? platform::windowTitle(kResponseWindow) : std::string();
}

TEST_F(WaitingDocumentsTest, DesignsHandedOverDuringTheSaveQuestionOpenInTurnOnceItIsAnswered) {
    struct Row {
        std::vector<const char*> answers;  // the close question's, then those of the openings asked
        bool opened, saved;
    };
    const Row rows[] = {{{"Save"}, true, true},
                        {{"Don't Save"}, true, false},
                        {{"Cancel", "Don't Save"}, true, false},
                        {{"Cancel", "Cancel", "Cancel"}, false, false}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.answers.front()) + " x" + std::to_string(row.answers.size()));
        TearDown();
        SetUp();
        platform::setDocumentDialogService(nullptr);  // the layer's own question
        state.prefs.UpdateForCheck = 0;
        const std::string mine = path("Mine.qndl");  // the design as the program computes and saves it
        put(mine, encodeDesignDocument(state));
        ClikOpenDocm(mine);
        ASSERT_TRUE(QTest::qWaitFor([] { return state.document.FileOpenTimer == 0; }));
        ApplicationEventHandler(kFileMenu, 5);
        const std::string saved = contents(mine);
        change();
        const std::string changed = encodeDesignDocument(state);

        ApplicationEventHandler(kFileMenu, 3);  // Close asks
        for (const char* name : {"First.qndl", "Second.qndl"}) {
            put(path(name), documentWith([name](ProgramState& d) { d.speaker.s_SP = name; }));
            ReceiveHandedDocuments({path(name)});
        }
        // A few looks: nothing opens unanswered.
        ASSERT_TRUE(looksRan(state.document.WaitingDocumentsTimer, 3));
        EXPECT_EQ(state.document.WaitingDocuments.size(), 2u);
        std::vector<std::string> titles{title()};
        for (const char* answer : row.answers) {
            ASSERT_TRUE(QTest::qWaitFor([] { return shown<QMessageBox>() != nullptr; }, 5000)) << answer;
            clickButton(shown<QMessageBox>(), answer);
        }
        EXPECT_TRUE(QTest::qWaitFor(
            [&titles] {
                if (const std::string now = title(); !now.empty() && now != titles.back()) titles.push_back(now);
                const DocumentState& d = state.document;
                return shown<QMessageBox>() == nullptr && d.WaitingDocuments.empty() && d.FileOpenTimer == 0;
            },
            10000));
        const std::vector<std::string> opened{"Mine.qndl", "First.qndl", "Second.qndl"};
        EXPECT_EQ(titles, row.opened ? opened : std::vector<std::string>{"Mine.qndl"});
        EXPECT_EQ(state.shell.DirtyFlag, row.opened ? 0 : 1);
        EXPECT_EQ(contents(mine), row.saved ? changed : saved);
    }
}

// A document handed over while the user is asked leaves the keys with the
// question: the name typed into Save As and its Escape reach it, an alert
// over another window stays in front; only once it is answered does the
// document open and take the keyboard.
TEST_F(WaitingDocumentsTest, ADocumentHandedOverDuringADialogLeavesItTheKeys) {
    for (const bool alert : {false, true}) {
        SCOPED_TRACE(alert ? "an alert over System Select" : "Save As");
        TearDown();
        SetUp();
        platform::setDocumentDialogService(nullptr);  // the layer's own dialogs, typed into
        platform::setDialogService(nullptr);
        state.prefs.UpdateForCheck = 0;
        if (alert) {
            ASSERT_TRUE(platform::createWindow(kSystemSelectWindow, platform::WindowKind::Document,
                                               Rect16{120, 120, 400, 600}, "System Select"));
            platform::selectWindow(kSystemSelectWindow);
            ShowSheetAlert(kSystemSelectWindow, "ALERT!", "The driver is refused.");
        } else {
            ApplicationEventHandler(kFileMenu, 6);
        }
        QDialog* asking = alert ? static_cast<QDialog*>(shown<QMessageBox>()) : shown<QFileDialog>();
        ASSERT_NE(asking, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([asking] { return QApplication::activeWindow() == asking; }));
        const std::string handed = path("Handed.qndl");
        put(handed, documentWith([](ProgramState& d) { d.speaker.s_SP = "Handed"; }));
        ReceiveHandedDocuments({handed});
        ASSERT_TRUE(looksRan(state.document.WaitingDocumentsTimer, 3));  // the looks of a waiting document
        EXPECT_EQ(QApplication::activeWindow(), asking);
        if (auto* name = asking->findChild<QLineEdit*>("fileNameEdit")) {
            name->clear();
            QTest::keyClicks(QApplication::focusWidget(), "Typed");
            EXPECT_EQ(name->text(), "Typed");
        }
        EXPECT_EQ(title(), state.shell.DocFileName.str());  // the design asked about is still there
        QTest::keyClick(QApplication::focusWidget(), alert ? Qt::Key_Return : Qt::Key_Escape);
        EXPECT_TRUE(QTest::qWaitFor([] { return title() == "Handed.qndl"; }, 5000));
        // The opened design's windows have the keyboard now.
        EXPECT_TRUE(QTest::qWaitFor([] { return platform::activeWindow() != 0; }));
    }
}

// Don't Save, answered to New Box Design's question, stands for the changes
// it was given for: a document handed over meanwhile opens in place of the
// design waiting behind System Select without asking about them again.
TEST_F(WaitingDocumentsTest, DontSaveIsAskedOnceForADocumentThatWaitedForIt) {
    platform::setDocumentDialogService(nullptr);  // the layer's own question
    state.prefs.UpdateForCheck = 0;
    bindTo(path("Mine.qndl"));
    change();
    ApplicationEventHandler(kFileMenu, 1);
    ASSERT_TRUE(QTest::qWaitFor([] { return shown<QMessageBox>() != nullptr; }));
    const std::string handed = path("Handed.qndl");
    put(handed, documentWith([](ProgramState& d) { d.speaker.s_SP = "Handed"; }));
    ReceiveHandedDocuments({handed});
    clickButton(shown<QMessageBox>(), "Don't Save");
    EXPECT_TRUE(QTest::qWaitFor([] { return shown<QMessageBox>() != nullptr || title() == "Handed.qndl"; }, 5000));
    EXPECT_EQ(shown<QMessageBox>(), nullptr) << "asked again";
    EXPECT_EQ(title(), "Handed.qndl");
    EXPECT_FALSE(platform::windowExists(kSystemSelectWindow));
}

}  // namespace
}  // namespace quendal::test
