// The menus from the keyboard, through the real key path of a window: the
// command keys with Shift and Option, F10 and Alt into the menu bar, and
// the Window menu.
#include <utility>
#include <vector>

#include <QApplication>
#include <QMenu>
#include <QMenuBar>

#include "ShellFixture.h"

namespace quendal::test {
namespace {

std::vector<std::pair<int32_t, int32_t>> gChosen;

int32_t recordCommand(platform::MenuNumber menu, int32_t item) {
    gChosen.emplace_back(menu, item);
    return platform::kHandled;
}

class KeyboardMenuTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        gChosen.clear();
        state.box.VB2 = 25.0;  // chambers 1 and 2 differ: three vents
        designOf(2, 8);        // Triple Vented: the three-vent menu and its Option keys
        platform::setCommandHandler(recordCommand);
        openWindow(kResponseWindow, platform::WindowKind::Document);
        platform::selectWindow(kResponseWindow);
        ASSERT_TRUE(QTest::qWaitForWindowActive(handleOf(kResponseWindow)));
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(handleOf(kResponseWindow), key, modifiers);
    }
};

TEST_F(KeyboardMenuTest, CommandKeysWithShiftAndOptionChooseTheirItems) {
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const struct { Qt::Key key; Qt::KeyboardModifiers modifiers; int32_t menu, item; } rows[] = {
        {Qt::Key_5, ctrl | Qt::ShiftModifier, kViewMenu, 4},
        {Qt::Key_1, ctrl | Qt::ShiftModifier, kViewMenu, 5},
        {Qt::Key_W, ctrl | Qt::ShiftModifier, kViewMenu, 14},
        {Qt::Key_A, ctrl | Qt::AltModifier, kResponseMenu, 1},
        {Qt::Key_R, ctrl | Qt::AltModifier, kResponseMenu, 8},
        {Qt::Key_P, ctrl | Qt::AltModifier, kResponseMenu, 11},
        {Qt::Key_V, ctrl | Qt::AltModifier, kResponseMenu, 12},
        {Qt::Key_S, ctrl | Qt::AltModifier, kResponseMenu, 14},
        {Qt::Key_1, ctrl | Qt::AltModifier, kThreeVentMenu, 1},
        {Qt::Key_3, ctrl | Qt::AltModifier, kThreeVentMenu, 3},
        {Qt::Key_S, ctrl | Qt::ShiftModifier, kFileMenu, 6},
        {Qt::Key_P, ctrl | Qt::ShiftModifier, kFileMenu, 9},
        {Qt::Key_S, ctrl, kFileMenu, 5},
        {Qt::Key_5, ctrl, 18, 5},
        {Qt::Key_Comma, ctrl, kApplicationMenu, kPreferencesItem},
        {Qt::Key_Slash, ctrl, kHelpMenu, 1},
        {Qt::Key_U, ctrl, kMiscMenu, 9},
        {Qt::Key_Q, ctrl, kApplicationMenu, kQuitItem},
    };
    for (const auto& row : rows) {
        gChosen.clear();
        press(row.key, row.modifiers);
        ASSERT_EQ(gChosen.size(), 1u) << QKeySequence(row.key | row.modifiers).toString().toStdString();
        EXPECT_EQ(gChosen[0], std::make_pair(row.menu, row.item))
            << QKeySequence(row.key | row.modifiers).toString().toStdString();
    }
}

TEST_F(KeyboardMenuTest, CommandKeysOfADimmedMenuDoNothing) {
    InitMenu13();
    press(Qt::Key_W, Qt::ControlModifier);      // File: Close
    press(Qt::Key_A, Qt::ControlModifier | Qt::AltModifier);
    press(Qt::Key_Q, Qt::ControlModifier);      // Quit is dimmed while a sheet is up
    EXPECT_TRUE(gChosen.empty());
}

TEST_F(KeyboardMenuTest, F10OpensTheMenuBarAndReturnChoosesTheItem) {
    press(Qt::Key_F10);
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup, platform::qt::menuWidget(kApplicationMenu));
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Return);
    ASSERT_EQ(gChosen.size(), 1u);
    EXPECT_EQ(gChosen[0], std::make_pair(kApplicationMenu, kAboutItem));
}

TEST_F(KeyboardMenuTest, AltAloneTakesTheKeyboardToTheMenuBar) {
    auto* bar = platform::qt::windowWidget(kResponseWindow)->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    press(Qt::Key_Alt, Qt::AltModifier);
    EXPECT_TRUE(bar->hasFocus());
    // The arrows now belong to the bar, not to the window's own keys.
    press(Qt::Key_Right);
    press(Qt::Key_Down);
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup, platform::qt::menuWidget(kFileMenu));
    QTest::keyClick(popup, Qt::Key_Escape);
}

// Alt with a title's mnemonic opens its menu and an item's letter chooses
// it; Alt+D stays the window's own key and opens no menu.
TEST_F(KeyboardMenuTest, AltWithALetterOpensItsMenuAndTheItemsLetterChoosesIt) {
    press(Qt::Key_V, Qt::AltModifier);
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(popup, platform::qt::menuWidget(kViewMenu));
    QTest::keyClick(popup, Qt::Key_G);  // "Gather Windows"
    ASSERT_EQ(gChosen.size(), 1u);
    EXPECT_EQ(gChosen[0], std::make_pair(kViewMenu, 14));
    press(Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

TEST_F(KeyboardMenuTest, TheWindowMenuListsTheOpenWindowsAndBringsOneForward) {
    platform::setCommandHandler(ApplicationEventHandler);
    openWindow(kCustomPalette, platform::WindowKind::FloatingPalette);
    platform::setWindowTitle(kCustomPalette, "Custom");
    platform::setWindowTitle(kResponseWindow, "Response");
    platform::selectWindow(kResponseWindow);
    ASSERT_TRUE(QTest::qWaitForWindowActive(handleOf(kResponseWindow)));
    platform::refreshWindowMenu();
    ASSERT_EQ(platform::menuItemCount(kWindowMenu), 2);
    EXPECT_EQ(platform::menuItemText(kWindowMenu, 1), "Response");
    EXPECT_EQ(platform::menuItemText(kWindowMenu, 2), "Custom");
    EXPECT_TRUE(checked(kWindowMenu, 1));
    EXPECT_EQ(platform::sendCommand(kWindowMenu, 2), platform::kHandled);
    EXPECT_EQ(platform::currentWindow(), kCustomPalette);
    EXPECT_TRUE(QTest::qWaitForWindowActive(handleOf(kCustomPalette)));
}

}  // namespace
}  // namespace quendal::test
