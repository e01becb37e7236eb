// A window that goes while one of its fields has the keyboard (Speaker
// Select closed at its OK, deleted before the window system has said where
// the keyboard went): the Edit menu's items are refreshed as the field
// goes, and must not read it as a field any more.
#include <QApplication>
#include <QLineEdit>

#include "DesktopFixture.h"

namespace quendal::test {
namespace {

class ClosedField : public DesktopTest {};

TEST_F(ClosedField, AFieldGoingWithTheKeyboardLeavesNoFieldForTheEditMenu) {
    auto* window = new QWidget;
    auto* field = new QLineEdit("Test20-04", window);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    field->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), field);
    EXPECT_TRUE(platform::canPerformEditCommand(platform::EditCommand::SelectAll));
    delete window;
    EXPECT_FALSE(platform::canPerformEditCommand(platform::EditCommand::SelectAll));
}

}  // namespace
}  // namespace quendal::test
