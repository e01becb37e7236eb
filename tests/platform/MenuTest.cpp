// Menus and items by number, the menu bar, and the one command handler.
#include <initializer_list>
#include <utility>
#include <vector>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWindow>

#include "PlatformFixture.h"

namespace quendal::test {
namespace {

std::vector<std::pair<int32_t, int32_t>> gCommands;
int32_t gAnswer = platform::kHandled;

int32_t recordingCommands(platform::MenuNumber menu, int32_t item) {
    gCommands.emplace_back(menu, item);
    return gAnswer;
}

// A handler that rebuilds the menu its command came from, as a menu bar
// rebuilt inside a command does.
int32_t rebuildingCommands(platform::MenuNumber menu, int32_t item) {
    gCommands.emplace_back(menu, item);
    platform::createMenu(menu, "Alignment");
    platform::appendMenuItem(menu, "Type1/1");
    return platform::kHandled;
}

class MenuTest : public PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        gCommands.clear();
        gAnswer = platform::kHandled;
        platform::setCommandHandler(recordingCommands);
    }

    QAction* action(platform::MenuNumber menu, int32_t item) {
        QMenu* m = platform::qt::menuWidget(menu);
        return m != nullptr && item >= 1 && item <= m->actions().size() ? m->actions().at(item - 1) : nullptr;
    }

    void buildFile() {
        platform::createMenu(1, "File");
        for (const char* item : {"New Box Design.../N", "Open.../O", "Close/W", "-", "Save/S"}) platform::appendMenuItem(1, item);
        EXPECT_EQ(platform::appendMenuItem(1, "Save As.../S", platform::kShiftKey), 6);
    }
};

TEST_F(MenuTest, ItemsAreNumberedSeparatorsIncludedAndCarryTheirKeys) {
    buildFile();
    EXPECT_TRUE(platform::menuExists(1));
    EXPECT_EQ(platform::menuItemCount(1), 6);
    EXPECT_EQ(platform::menuItemText(1, 2), "Open...");
    EXPECT_EQ(platform::menuItemText(1, 4), "-");
    EXPECT_TRUE(action(1, 4)->isSeparator());
    EXPECT_EQ(action(1, 1)->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
    EXPECT_EQ(action(1, 6)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    EXPECT_EQ(action(1, 6)->text(), QStringLiteral("Save &As..."));  // its Alt mnemonic: S is Save's

    platform::createMenu(28, "Vent");
    platform::appendMenuItem(28, "Vent1 & 2 Design.../1", platform::kOptionKey);
    EXPECT_EQ(action(28, 1)->text(), QStringLiteral("&Vent1 && 2 Design..."));  // the & is shown; V is the mnemonic
    EXPECT_EQ(action(28, 1)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Alt+1")));
    EXPECT_EQ(platform::menuItemText(28, 1), "Vent1 & 2 Design...");

    // Creating it again clears it.
    platform::createMenu(1, "File");
    EXPECT_EQ(platform::menuItemCount(1), 0);
    EXPECT_EQ(platform::appendMenuItem(77, "nowhere"), 0);
}

TEST_F(MenuTest, MenuBarOrderFollowsTheNumbers) {
    for (const auto& [number, title] : std::vector<std::pair<int32_t, const char*>>{
             {9, "View"}, {1, "File"}, {30, "Misc."}, {7, "Response"}, {100, "Window"}, {50, "Help"}, {2, "Edit"}}) {
        platform::createMenu(number, title);
        platform::insertMenu(number);
    }
    EXPECT_EQ(platform::menuBar(), (std::vector<int32_t>{1, 2, 7, 9, 30, 100, 50}));
    platform::createMenu(15, "Alignment");
    platform::insertMenu(15);  // before Misc. (30), the first higher number below 32
    EXPECT_EQ(platform::menuBar(), (std::vector<int32_t>{1, 2, 7, 9, 15, 30, 100, 50}));
    platform::removeMenu(7);
    platform::removeMenu(7);
    EXPECT_EQ(platform::menuBar(), (std::vector<int32_t>{1, 2, 9, 15, 30, 100, 50}));
    EXPECT_TRUE(platform::menuExists(7));  // off the bar, not gone

    // Document windows show the bar; palettes have none.
    openResponseWindow();
    ASSERT_TRUE(platform::createWindow(9, platform::WindowKind::FloatingPalette, Rect16{100, 700, 500, 900}, "Custom"));
    auto* bar = platform::qt::windowWidget(7)->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    QStringList titles;
    for (QAction* a : bar->actions()) titles << a->text();
    EXPECT_EQ(titles, (QStringList{"&File", "&Edit", "&View", "&Alignment", "&Misc.", "&Window", "&Help"}));
    EXPECT_EQ(platform::qt::windowWidget(9)->findChild<QMenuBar*>(), nullptr);
    // The bar does not eat into the content.
    EXPECT_EQ(platform::windowBounds(7).bottom - platform::windowBounds(7).top, 390);
}

TEST_F(MenuTest, ABatchShowsItsMenuBarChangesTogetherWhenTheLastBatchEnds) {
    openResponseWindow();
    for (const auto& [number, title] :
         std::vector<std::pair<int32_t, const char*>>{{1, "File"}, {2, "Edit"}, {9, "View"}}) {
        platform::createMenu(number, title);
        platform::insertMenu(number);
    }
    auto* bar = platform::qt::windowWidget(7)->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    const QList<QAction*> before = bar->actions();
    const auto titles = [bar] {
        QStringList shown;
        for (QAction* a : bar->actions()) shown << a->text();
        return shown;
    };
    {
        const platform::MenuBarBatch outer;
        platform::removeMenu(2);
        platform::removeMenu(9);
        {
            const platform::MenuBarBatch inner;
            platform::insertMenu(9);
        }
        platform::createMenu(15, "Alignment");
        platform::insertMenu(15);
        EXPECT_EQ(platform::menuBar(), (std::vector<int32_t>{1, 9, 15}));  // the numbers follow at once
        EXPECT_EQ(bar->actions(), before);                                 // the bar waits for the outer batch
    }
    EXPECT_EQ(titles(), (QStringList{"&File", "&View", "&Alignment"}));

    // A rebuild that ends with the menus it began with leaves the bar as it
    // was, each title with its key.
    const QList<QAction*> rebuilt = bar->actions();
    {
        const platform::MenuBarBatch batch;
        for (int32_t menu : {1, 9, 15}) platform::removeMenu(menu);
        for (const auto& [number, title] :
             std::vector<std::pair<int32_t, const char*>>{{1, "File"}, {9, "View"}, {15, "Alignment"}}) {
            platform::createMenu(number, title);
            platform::insertMenu(number);
        }
    }
    EXPECT_EQ(bar->actions(), rebuilt);
    EXPECT_EQ(titles(), (QStringList{"&File", "&View", "&Alignment"}));

    // Without a batch, every change shows at once.
    platform::removeMenu(9);
    EXPECT_EQ(titles(), (QStringList{"&File", "&Alignment"}));
}

TEST_F(MenuTest, AMenuRebuiltInABatchTakesItsSameItemsAgainAsNewOnesAndLosesTheRest) {
    platform::createMenu(31, "");
    platform::appendMenuItem(31, "Parallel");
    const auto buildMisc = [](std::initializer_list<const char*> items) {
        platform::createMenu(30, "Misc.");
        for (const char* item : items) platform::appendMenuItem(30, item);
    };
    buildMisc({"System Select/E", "-", "Complex Speaker Connect", "Passive Radiator Data Enter.../U"});
    platform::setMenuItemSubmenu(30, 3, 31);
    platform::setMenuItemChecked(30, 1, true);
    platform::setMenuItemEnabled(30, 3, false);
    const QList<QAction*> before = platform::qt::menuWidget(30)->actions();

    {
        const platform::MenuBarBatch batch;
        platform::setMenuItemEnabled(30, 0, false);  // a disabled menu leaves its command keys to the window
        buildMisc({"System Select/E", "-", "Complex Speaker Connect"});
    }
    ASSERT_EQ(platform::menuItemCount(30), 3);
    ASSERT_EQ(platform::qt::menuWidget(30)->actions().size(), 3);  // the fourth went with the batch
    for (int32_t item = 1; item <= 3; ++item) EXPECT_EQ(action(30, item), before[item - 1]);
    EXPECT_FALSE(platform::isMenuItemChecked(30, 1));
    EXPECT_FALSE(action(30, 1)->isCheckable());
    EXPECT_EQ(action(30, 3)->menu(), nullptr);
    EXPECT_TRUE(action(30, 3)->isEnabled());
    EXPECT_EQ(action(30, 1)->shortcut(), QKeySequence());
    EXPECT_EQ(action(30, 1)->text(), QStringLiteral("&System Select"));
    platform::setMenuItemEnabled(30, 0, true);
    EXPECT_EQ(action(30, 1)->shortcut(), QKeySequence(QStringLiteral("Ctrl+E")));
    action(30, 1)->trigger();
    EXPECT_EQ(gCommands, (std::vector<std::pair<int32_t, int32_t>>{{30, 1}}));

    // Another item at a place: from there on the items are new, labelled as
    // a menu built without a batch labels them.
    {
        const platform::MenuBarBatch batch;
        buildMisc({"System Select/E", "Speaker Select/R", "-"});
    }
    ASSERT_EQ(platform::qt::menuWidget(30)->actions().size(), 3);
    EXPECT_EQ(action(30, 1), before[0]);
    EXPECT_NE(action(30, 2), before[1]);
    EXPECT_TRUE(action(30, 3)->isSeparator());
    const QString shown = action(30, 2)->text();
    buildMisc({"System Select/E", "Speaker Select/R", "-"});
    EXPECT_EQ(action(30, 2)->text(), shown);
    EXPECT_EQ(action(30, 2)->shortcut(), QKeySequence(QStringLiteral("Ctrl+R")));
}

TEST_F(MenuTest, AppendedItemsTakeTheKeysARelabellingGivesAndAClearedMenuFreesThem) {
    platform::createMenu(1, "File");
    for (const char* item : {"Save/S", "Save As...", "Save As Stationery...", "Print"})
        platform::appendMenuItem(1, item);
    const QStringList expected{"&Save", "Save &As...", "Save As S&tationery...", "&Print"};
    const auto shown = [this] {
        QStringList texts;
        for (int32_t item = 1; item <= platform::menuItemCount(1); ++item) texts << action(1, item)->text();
        return texts;
    };
    EXPECT_EQ(shown(), expected);
    platform::setMenuItemText(1, 4, "Print");  // labels the whole menu again
    EXPECT_EQ(shown(), expected);

    platform::createMenu(1, "File");
    platform::appendMenuItem(1, "Print");
    platform::appendMenuItem(1, "Save");
    EXPECT_EQ(shown(), (QStringList{"&Print", "&Save"}));
}

TEST_F(MenuTest, EnabledAndCheckedStates) {
    platform::createMenu(9, "View");
    for (const char* item : {"Relative/J", "Absolute/K", "-", "5dB per div/5", "10dB per div/1"})
        platform::appendMenuItem(9, item);
    EXPECT_TRUE(platform::isMenuItemEnabled(9, 0));
    EXPECT_TRUE(platform::isMenuItemEnabled(9, 2));
    platform::setMenuItemEnabled(9, 2, false);
    EXPECT_FALSE(platform::isMenuItemEnabled(9, 2));
    platform::setMenuItemEnabled(9, 0, false);  // the whole menu
    EXPECT_FALSE(platform::isMenuItemEnabled(9, 0));
    EXPECT_FALSE(platform::qt::menuWidget(9)->menuAction()->isEnabled());
    platform::setMenuItemEnabled(9, 0, true);

    platform::setMenuItemChecked(9, 1, true);
    EXPECT_TRUE(platform::isMenuItemChecked(9, 1));
    EXPECT_TRUE(action(9, 1)->isChecked());
    platform::checkOneMenuItem(9, 2);
    EXPECT_FALSE(platform::isMenuItemChecked(9, 1));
    EXPECT_TRUE(platform::isMenuItemChecked(9, 2));
    EXPECT_FALSE(action(9, 1)->isCheckable());  // an unchecked item shows no empty box

    platform::setMenuItemText(9, 1, "Relative Level");
    EXPECT_EQ(platform::menuItemText(9, 1), "Relative Level");
}

TEST_F(MenuTest, CheckOneLeavesItemsWithSubmenusAlone) {
    platform::createMenu(30, "Misc.");
    for (const char* item : {"System Select/E", "-", "Complex Speaker Connect"}) platform::appendMenuItem(30, item);
    platform::createMenu(31, "");
    platform::appendMenuItem(31, "Parallel");
    platform::appendMenuItem(31, "Serial");
    platform::setMenuItemSubmenu(30, 3, 31);
    EXPECT_EQ(action(30, 3)->menu(), platform::qt::menuWidget(31));
    platform::setMenuItemChecked(30, 3, true);
    platform::checkOneMenuItem(30, 1);
    EXPECT_TRUE(platform::isMenuItemChecked(30, 1));
    EXPECT_TRUE(platform::isMenuItemChecked(30, 3));

    // The submenu's items arrive as its own commands.
    action(31, 2)->trigger();
    ASSERT_EQ(gCommands.size(), 1u);
    EXPECT_EQ(gCommands[0], std::make_pair(31, 2));
}

TEST_F(MenuTest, ChosenItemsReachTheCommandHandlerAndKeepTheirMarks) {
    buildFile();
    platform::setMenuItemChecked(1, 2, true);
    action(1, 2)->trigger();  // what choosing it in the menu does
    action(1, 5)->trigger();
    ASSERT_EQ(gCommands.size(), 2u);
    EXPECT_EQ(gCommands[0], std::make_pair(1, 2));
    EXPECT_EQ(gCommands[1], std::make_pair(1, 5));
    // Qt flips a checkable item when chosen; the mark stays what the program set.
    EXPECT_TRUE(platform::isMenuItemChecked(1, 2));
    EXPECT_TRUE(action(1, 2)->isChecked());
    EXPECT_FALSE(action(1, 5)->isChecked());
}

TEST_F(MenuTest, SendCommandReachesOnlyEnabledItems) {
    buildFile();
    EXPECT_EQ(platform::sendCommand(1, 3), platform::kHandled);
    platform::setMenuItemEnabled(1, 3, false);
    EXPECT_EQ(platform::sendCommand(1, 3), platform::kEventNotHandled);
    platform::setMenuItemEnabled(1, 0, false);
    EXPECT_EQ(platform::sendCommand(1, 2), platform::kEventNotHandled);
    EXPECT_EQ(platform::sendCommand(1, 4), platform::kEventNotHandled);  // a separator
    EXPECT_EQ(platform::sendCommand(1, 40), platform::kEventNotHandled);
    EXPECT_EQ(platform::sendCommand(66, 1), platform::kEventNotHandled);
    EXPECT_EQ(gCommands.size(), 1u);
    gAnswer = platform::kEventNotHandled;
    platform::setMenuItemEnabled(1, 0, true);
    EXPECT_EQ(platform::sendCommand(1, 2), platform::kEventNotHandled);  // the handler's own answer
}

TEST_F(MenuTest, CommandKeyChoosesTheItem) {
    buildFile();
    platform::insertMenu(1);
    openResponseWindow();
    platform::selectWindow(7);
    QWindow* handle = platform::qt::windowWidget(7)->windowHandle();
    ASSERT_TRUE(QTest::qWaitForWindowActive(handle));
    QTest::keyClick(handle, Qt::Key_O, Qt::ControlModifier);
    QTest::keyClick(handle, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(gCommands.size(), 2u);
    EXPECT_EQ(gCommands[0], std::make_pair(1, 2));
    EXPECT_EQ(gCommands[1], std::make_pair(1, 6));
    platform::setMenuItemEnabled(1, 2, false);
    QTest::keyClick(handle, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(gCommands.size(), 2u);
}

TEST_F(MenuTest, AMenuRebuiltInsideItsOwnCommandIsSafe) {
    platform::createMenu(18, "Alignment");
    platform::appendMenuItem(18, "Type1/1");
    platform::appendMenuItem(18, "Custom/5");
    platform::setCommandHandler(rebuildingCommands);
    action(18, 2)->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(gCommands.size(), 1u);
    EXPECT_EQ(platform::menuItemCount(18), 1);
}

}  // namespace
}  // namespace quendal::test
