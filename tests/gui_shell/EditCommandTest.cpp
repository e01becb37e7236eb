// The Edit menu acts on the focused edit field and is enabled by what the
// field allows.
#include <QLineEdit>

#include "ShellFixture.h"

namespace quendal::test {
namespace {

constexpr int32_t kUndo = 1, kRedo = 2, kCut = 4, kCopy = 5, kPaste = 6, kDelete = 7, kSelectAll = 8;

class EditCommandTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        InitMenu14();  // the Edit menu enabled
        openWindow(kInitialSetupSheet, platform::WindowKind::Dialog);
        platform::ControlSpec field(platform::ControlKind::EditText, Rect16{10, 10, 32, 120}, "12.5");
        ASSERT_TRUE(platform::createControl(kInitialSetupSheet, 10, field));
        platform::selectWindow(kInitialSetupSheet);
        ASSERT_TRUE(QTest::qWaitForWindowActive(handleOf(kInitialSetupSheet)));
    }
    QLineEdit* field() { return qobject_cast<QLineEdit*>(platform::qt::controlWidget(kInitialSetupSheet, 10)); }
    std::string text() { return platform::controlText(kInitialSetupSheet, 10); }
};

TEST_F(EditCommandTest, WithoutAFocusedFieldEveryEditItemIsDimmed) {
    field()->clearFocus();
    EXPECT_FALSE(platform::isEditFieldFocused());
    for (int32_t item : {kUndo, kRedo, kCut, kCopy, kPaste, kDelete, kSelectAll})
        EXPECT_FALSE(enabled(kEditMenu, item)) << item;
}

// A field destroyed while it has the keyboard (its window deleted): the
// field's own destructor tells of the focus leaving it, when it is a field
// no more; the Edit items are dimmed, and nothing takes it for the field it
// was.
TEST_F(EditCommandTest, AFieldDestroyedWhileFocusedLeavesTheEditItemsDimmed) {
    platform::setKeyboardFocus(kInitialSetupSheet, 10);
    ASSERT_TRUE(platform::isEditFieldFocused());
    delete field();
    EXPECT_FALSE(platform::isEditFieldFocused());
    for (int32_t item : {kUndo, kRedo, kCut, kCopy, kPaste, kDelete, kSelectAll})
        EXPECT_FALSE(enabled(kEditMenu, item)) << item;
}

TEST_F(EditCommandTest, ItemsFollowWhatTheFocusedFieldAllows) {
    platform::setKeyboardFocus(kInitialSetupSheet, 10);
    field()->deselect();
    ASSERT_TRUE(platform::isEditFieldFocused());
    EXPECT_TRUE(enabled(kEditMenu, kPaste));
    EXPECT_TRUE(enabled(kEditMenu, kSelectAll));
    EXPECT_FALSE(enabled(kEditMenu, kCopy));  // nothing selected
    EXPECT_FALSE(enabled(kEditMenu, kUndo));  // nothing typed
    EXPECT_EQ(platform::sendCommand(kEditMenu, kSelectAll), platform::kHandled);
    EXPECT_TRUE(field()->hasSelectedText());
    EXPECT_TRUE(enabled(kEditMenu, kCopy));
    EXPECT_TRUE(enabled(kEditMenu, kCut));
}

TEST_F(EditCommandTest, CutPasteDeleteAndUndoChangeTheFieldsText) {
    platform::setKeyboardFocus(kInitialSetupSheet, 10);
    platform::sendCommand(kEditMenu, kSelectAll);
    platform::sendCommand(kEditMenu, kCut);
    EXPECT_EQ(text(), "");
    EXPECT_TRUE(enabled(kEditMenu, kUndo));
    EXPECT_FALSE(enabled(kEditMenu, kSelectAll));
    platform::sendCommand(kEditMenu, kPaste);
    platform::sendCommand(kEditMenu, kPaste);
    EXPECT_EQ(text(), "12.512.5");
    platform::sendCommand(kEditMenu, kSelectAll);
    platform::sendCommand(kEditMenu, kDelete);
    EXPECT_EQ(text(), "");
    platform::sendCommand(kEditMenu, kUndo);
    EXPECT_EQ(text(), "12.512.5");
    EXPECT_TRUE(enabled(kEditMenu, kRedo));
}

// Typed keys, not only the menu's own commands, make Undo and Redo
// available; the items follow at once, before the menu is opened.
TEST_F(EditCommandTest, UndoAndRedoFollowWhatWasTypedIntoTheField) {
    platform::setKeyboardFocus(kInitialSetupSheet, 10);
    field()->end(false);
    EXPECT_FALSE(enabled(kEditMenu, kUndo));
    QTest::keyClicks(field(), "7");
    EXPECT_EQ(text(), "12.57");
    EXPECT_TRUE(enabled(kEditMenu, kUndo));
    EXPECT_FALSE(enabled(kEditMenu, kRedo));
    QTest::keyClick(handleOf(kInitialSetupSheet), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text(), "12.5");
    EXPECT_FALSE(enabled(kEditMenu, kUndo));
    EXPECT_TRUE(enabled(kEditMenu, kRedo));
    platform::sendCommand(kEditMenu, kRedo);
    EXPECT_EQ(text(), "12.57");
    EXPECT_TRUE(enabled(kEditMenu, kUndo));
}

TEST_F(EditCommandTest, TheCommandKeyOfTheFieldStaysTheFields) {
    platform::setKeyboardFocus(kInitialSetupSheet, 10);
    field()->deselect();
    QTest::keyClick(handleOf(kInitialSetupSheet), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(field()->selectedText(), QStringLiteral("12.5"));
    QTest::keyClick(handleOf(kInitialSetupSheet), Qt::Key_Delete);
    EXPECT_EQ(text(), "");
}

}  // namespace
}  // namespace quendal::test
