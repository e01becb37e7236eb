// The layer's own document dialogs, driven through their real widgets: the
// save dialog's exact suffix and its question before replacing a file, the
// save question's keys, and the open dialog's list.
#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QMessageBox>

#include "DocflowFixture.h"
#include "platform/qt/FileDialogs.h"

namespace quendal::test {
namespace {

class QtDialogsTest : public DocflowTest {
protected:
    void SetUp() override {
        DocflowTest::SetUp();
        platform::setDocumentDialogService(nullptr);  // the layer's own
    }
    // Asks where to save with the name typed and accepts the dialog as it
    // stands; the answer, once given, is in `chosen`.
    std::optional<std::string> saveAs(const char* typed) {
        chosen = std::string("<no answer>");
        platform::SaveFileRequest request;
        request.window = kResponseWindow;
        request.message = "Save This File As...";
        request.proposedName = typed;
        request.folder = folder.path().toStdString();
        request.suffix = "qndl";
        platform::documentDialogs().chooseFileToSave(request, [this](std::optional<std::string> p) { chosen = p; });
        QFileDialog* dialog = shown<QFileDialog>();
        if (dialog == nullptr) return chosen;
        QMetaObject::invokeMethod(dialog, "accept");
        QApplication::processEvents();
        return chosen;
    }

    std::optional<std::string> chosen;
};

// A name that ends in the suffix already, in any letter case, gets none.
TEST_F(QtDialogsTest, ASavedNameEndsInTheSuffix) {
    EXPECT_EQ(saveAs("My.Box"), path("My.Box.qndl"));
    EXPECT_EQ(saveAs("Sub.QNDL"), path("Sub.QNDL"));
    EXPECT_EQ(saveAs("Sub.Qndl"), path("Sub.Qndl"));
    EXPECT_EQ(saveAs("Loud.QNDL.bak"), path("Loud.QNDL.bak.qndl"));
    EXPECT_EQ(saveAs("Plain"), path("Plain.qndl"));
    EXPECT_EQ(saveAs("Done.qndl"), path("Done.qndl"));
}

TEST_F(QtDialogsTest, AFileThatIsThereIsReplacedOnlyWhenTheUserSaysSo) {
    put(path("Old.qndl"), "old design");
    saveAs("Old");
    QMessageBox* question = shown<QMessageBox>();
    ASSERT_NE(question, nullptr);
    EXPECT_EQ(chosen, std::string("<no answer>"));
    clickButton(question, "Cancel");  // back to the save dialog, with that name
    QApplication::processEvents();
    QFileDialog* again = shown<QFileDialog>();
    ASSERT_NE(again, nullptr);
    QMetaObject::invokeMethod(again, "accept");
    QApplication::processEvents();
    ASSERT_NE(shown<QMessageBox>(), nullptr);
    clickButton(shown<QMessageBox>(), "Replace");
    QApplication::processEvents();
    EXPECT_EQ(chosen, path("Old.qndl"));
    EXPECT_EQ(contents(path("Old.qndl")), "old design");  // the dialog writes nothing itself
}

TEST_F(QtDialogsTest, TheSaveQuestionsKeysAnswerIt) {
    using Answer = platform::SaveChangesAnswer;
    const struct {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::optional<Answer> answer;  // none: the question stays, no button pressed
        const char* typed = nullptr;   // plain typing instead of the key
    } rows[] = {
        {"Ctrl+D", Qt::Key_D, Qt::ControlModifier, Answer::DontSave},
        {"Ctrl+Backspace", Qt::Key_Backspace, Qt::ControlModifier, Answer::DontSave},
        {"Ctrl+Delete", Qt::Key_Delete, Qt::ControlModifier, Answer::DontSave},
        {"Alt+D, the underlined D", Qt::Key_D, Qt::AltModifier, Answer::DontSave},
        {"Return", Qt::Key_Return, Qt::NoModifier, Answer::Save},
        {"Enter", Qt::Key_Enter, Qt::KeypadModifier, Answer::Save},
        {"Escape", Qt::Key_Escape, Qt::NoModifier, Answer::Cancel},
        {"D alone", Qt::Key_D, Qt::NoModifier, std::nullopt},
        {"D with Shift", Qt::Key_D, Qt::ShiftModifier, std::nullopt},
        {"Space on the focused Save", Qt::Key_Space, Qt::NoModifier, std::nullopt},
        {"a name typed for a save dialog", Qt::Key_unknown, Qt::NoModifier, std::nullopt, "draft"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::optional<Answer> answer;
        platform::documentDialogs().askSaveChanges(kResponseWindow, "Box", [&answer](Answer a) { answer = a; });
        QMessageBox* question = shown<QMessageBox>();
        ASSERT_NE(question, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(question));
        int presses = 0;  // a button pressed shows it at once, and answers a moment later
        for (QAbstractButton* button : question->buttons())
            QObject::connect(button, &QAbstractButton::pressed, [&presses] { ++presses; });
        if (row.typed != nullptr)
            for (const char* c = row.typed; *c != 0; ++c) QTest::keyClick(question->windowHandle(), *c);
        else
            QTest::keyClick(question->windowHandle(), row.key, row.modifiers);
        EXPECT_EQ(presses > 0, row.answer.has_value());
        // A button's Alt letter presses it as a click does, after its press shows.
        if (row.answer) {
            EXPECT_TRUE(QTest::qWaitFor([&answer] { return answer.has_value(); }, 2000));
        }
        QApplication::processEvents();
        EXPECT_EQ(answer, row.answer);
        EXPECT_EQ(shown<QMessageBox>() == nullptr, row.answer.has_value());
        if (QMessageBox* standing = shown<QMessageBox>()) clickButton(standing, "Cancel");
    }
}

// The question before writing over a file changed on disk: neither Return
// nor Escape writes over it; Save Over's Alt letter does.
TEST_F(QtDialogsTest, TheChangedFileQuestionWritesOverOnlyWhenSaveOverIsChosen) {
    using Answer = platform::ChangedFileAnswer;
    const std::pair<QKeyCombination, Answer> rows[] = {
        {Qt::Key_Return, Answer::SaveAs}, {Qt::Key_Escape, Answer::Cancel}, {Qt::ALT | Qt::Key_O, Answer::SaveOver}};
    for (const auto& [key, expected] : rows) {
        std::optional<Answer> answer;
        platform::documentDialogs().askSaveOverChangedFile(kResponseWindow, "Box.qndl moved", "",
                                                           [&answer](Answer a) { answer = a; });
        QMessageBox* question = shown<QMessageBox>();
        ASSERT_NE(question, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(question));
        QTest::keyClick(question->windowHandle(), key.key(), key.keyboardModifiers());
        EXPECT_TRUE(QTest::qWaitFor([&answer] { return answer.has_value(); }, 2000));
        EXPECT_EQ(answer, expected);
    }
}

TEST_F(QtDialogsTest, TheOpenListShowsFoldersAndDesignFilesOnly) {
    for (const char* name : {"a.qndl", "b.qndlsta", "c.QNDL", "d.txt", "e.qndl.bak"}) put(path(name), "x");
    ASSERT_TRUE(QDir(folder.path()).mkdir("sub"));
    QFileSystemModel files;
    bool loaded = false;
    QObject::connect(&files, &QFileSystemModel::directoryLoaded, [&loaded](const QString&) { loaded = true; });
    const QModelIndex root = files.setRootPath(folder.path());
    platform::qt::FileListFilter list(OpenDialogFilter);
    list.setSourceModel(&files);
    ASSERT_TRUE(QTest::qWaitFor([&] { return loaded && files.rowCount(root) == 6; }));
    QStringList names;
    const QModelIndex listed = list.mapFromSource(root);
    for (int row = 0; row < list.rowCount(listed); ++row) names << list.index(row, 0, listed).data().toString();
    names.sort();
    EXPECT_EQ(names, (QStringList{"a.qndl", "b.qndlsta", "c.QNDL", "sub"}));
}

}  // namespace
}  // namespace quendal::test
