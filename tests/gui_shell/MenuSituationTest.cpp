// The menu bar in its four situations, and the design state for systems
// whose menus differ.
#include <set>

#include <QAction>
#include <QKeySequence>
#include <QMenu>

#include "ShellFixture.h"
#include "windows/DefaultParameters.h"

namespace quendal::test {
namespace {

class MenuSituationTest : public ShellTest {};

TEST_F(MenuSituationTest, StartStateOffersOnlyWhatCanBeDoneBeforeADesign) {
    EXPECT_EQ(platform::menuBar(), (std::vector<int32_t>{kApplicationMenu, 1, 2, 7, 9, 13, 26, 30, 100, 50}));
    EXPECT_FALSE(enabled(kFileMenu, 1));
    EXPECT_FALSE(enabled(kFileMenu, 2));
    EXPECT_TRUE(enabled(kFileMenu, 3));
    EXPECT_FALSE(enabled(kFileMenu, 10));
    EXPECT_FALSE(enabled(kEditMenu, 0));  // EditMenuFlag 0
    EXPECT_FALSE(enabled(kResponseMenu, 0));
    EXPECT_TRUE(enabled(kResponseMenu, 1));
    EXPECT_TRUE(enabled(kViewMenu, 0));
    EXPECT_FALSE(enabled(kViewMenu, 14));
    EXPECT_FALSE(enabled(13, 0));
    EXPECT_FALSE(enabled(kOneVentMenu, 0));
    for (int32_t item : {1, 5, 6, 7, 9}) EXPECT_FALSE(enabled(kMiscMenu, item)) << item;
    EXPECT_TRUE(enabled(kMiscMenu, 3));  // Speaker Select: the database's, or the Default Parameters window
    EXPECT_TRUE(enabled(kHelpMenu, 7));
    EXPECT_EQ(platform::menuItemText(kHelpMenu, 2), "Quick Start");  // the second help document

    state.shell.EditMenuFlag = 1;
    state.shell.s_MasgMenu = "BootQnDL";
    InitMenu11();
    EXPECT_TRUE(enabled(kEditMenu, 0));
    EXPECT_TRUE(enabled(kMiscMenu, 3));

    // The Default Parameters window's fields take typing: Edit serves them,
    // also after the menus are built again behind it.
    state.shell.EditMenuFlag = 0;
    InitMenu11();
    DefaultParamWnd();
    EXPECT_TRUE(enabled(kEditMenu, 0));
    InitMenu11();
    EXPECT_TRUE(enabled(kEditMenu, 0));
}

TEST_F(MenuSituationTest, WithoutADesignNewAndOpenAreOffered) {
    InitMenu14();
    EXPECT_TRUE(enabled(kFileMenu, 1));
    EXPECT_TRUE(enabled(kFileMenu, 2));
    EXPECT_FALSE(enabled(kFileMenu, 3));
    EXPECT_FALSE(enabled(kFileMenu, 5));
    EXPECT_TRUE(enabled(kEditMenu, 0));
    EXPECT_TRUE(enabled(kMiscMenu, 1));
    EXPECT_FALSE(enabled(kMiscMenu, 5));
}

TEST_F(MenuSituationTest, DesignMenusFollowTheSystem) {
    const struct {
        int32_t tab, button, alignment, vent;
        bool ventOn, alignmentOn, view8, view7, impedanceConnection;
    } rows[] = {
        {1, 1, 13, 26, false, false, false, false, false},  // Infinite Baffle
        {1, 2, 14, 26, false, true, false, true, false},    // Closed Box
        {1, 6, 22, 28, true, true, false, true, false},     // Twin Serial Vented
        {1, 7, 13, 26, false, true, false, true, true},     // Complex Closed
        {2, 2, 24, 26, false, true, false, false, false},   // Passive Raveza
        {2, 4, 22, 27, true, true, true, true, false},      // Serial Raveza Type2
        {2, 7, 21, 28, true, true, true, true, false},      // Delta Vented
    };
    for (const auto& row : rows) {
        designOf(row.tab, row.button);
        const std::string system = std::to_string(row.tab) + "," + std::to_string(row.button);
        const auto bar = platform::menuBar();
        EXPECT_EQ(bar[5], row.alignment) << system;
        EXPECT_EQ(bar[6], row.vent) << system;
        EXPECT_EQ(enabled(row.vent, 0), row.ventOn) << system;
        EXPECT_EQ(enabled(row.alignment, 0), row.alignmentOn) << system;
        EXPECT_EQ(enabled(kViewMenu, 8), row.view8) << system;
        EXPECT_EQ(enabled(kViewMenu, 7), row.view7) << system;
        EXPECT_EQ(enabled(kMiscMenu, 7), row.impedanceConnection) << system;
        EXPECT_FALSE(enabled(kFileMenu, 2)) << system;
        EXPECT_TRUE(checked(row.alignment, state.selection.Alin)) << system;
    }
    EXPECT_EQ(platform::menuItemText(kOneVentMenu, 1), "Vent Design...");
    designOf(1, 7);
    EXPECT_EQ(platform::menuItemText(kOneVentMenu, 1), "Vent Design");
}

TEST_F(MenuSituationTest, TheDriverDecidesPowerAndImpedance) {
    const struct { double vd, qms, re; bool power, impedance; } rows[] = {
        {100.0, 5.0, 6.0, true, true}, {0.0, 5.0, 6.0, false, true}, {100.0, 0.0, 6.0, true, false},
        {100.0, 5.0, 0.0, true, false}};
    for (const auto& row : rows) {
        state.selection.SysSelTabNum = 1;
        state.selection.SysSelBtnNum = 3;
        state.speaker.VD = row.vd;
        state.speaker.QMS = row.qms;
        state.speaker.RE = row.re;
        InitMenu16();
        EXPECT_EQ(enabled(kResponseMenu, 2), row.power) << row.vd;
        EXPECT_EQ(enabled(kResponseMenu, 3), row.impedance) << row.qms << " " << row.re;
    }
}

TEST_F(MenuSituationTest, PassiveRadiatorTypeTwoNeedsQtsUpToPointEight) {
    state.speaker.QTS = 0.8;
    designOf(1, 4);
    EXPECT_TRUE(enabled(16, 2));
    EXPECT_FALSE(enabled(16, 3));  // no unit entered
    state.speaker.QTS = 0.81;
    state.radiator.PRDataInFlag = 1;
    InitMenu16();
    EXPECT_FALSE(enabled(16, 2));
    EXPECT_TRUE(enabled(16, 3));
}

TEST_F(MenuSituationTest, ModalStateDimsAllButEditAndTheDesignStateComesBack) {
    designOf(1, 8);
    state.view.RespID = 6;  // the group-delay page, as the Response menu leaves it
    state.view.s_Resp = "gd";
    InitMenu13();
    for (int32_t menu : {1, 7, 9, 13, 26, 30, 40, 50}) EXPECT_FALSE(enabled(menu, 0)) << menu;
    EXPECT_TRUE(enabled(kEditMenu, 0));
    for (int32_t item : {kAboutItem, kCheckForUpdatesItem, kPreferencesItem, kQuitItem})
        EXPECT_FALSE(enabled(kApplicationMenu, item)) << item;

    state.shell.InterceptEvHnd = 1;
    NavUserActionCancelMenu();
    EXPECT_EQ(state.shell.InterceptEvHnd, 0);
    for (int32_t menu : {1, 7, 9, 13, 26, 30, 50}) EXPECT_TRUE(enabled(menu, 0)) << menu;
    EXPECT_TRUE(enabled(kApplicationMenu, kQuitItem));
    EXPECT_TRUE(checked(kResponseMenu, 6));
}

TEST_F(MenuSituationTest, ViewMarksIgnoreAModeThatIsNoChoice) {
    designOf(1, 3);
    state.view.Scale = 10;
    state.view.Disp = 2;
    SetItemMarkOnViewMenu();
    state.view.Scale = 7;
    state.view.Disp = 3;
    SetItemMarkOnViewMenu();
    EXPECT_TRUE(checked(kViewMenu, 5));  // 7 dB per division is no choice: the marks stay
    EXPECT_FALSE(checked(kViewMenu, 4));
    EXPECT_TRUE(checked(kViewMenu, 9));
    EXPECT_FALSE(checked(kViewMenu, 8));
}

// Alt with a title's letter opens its menu, a letter in an open menu
// chooses its item: each letter once per bar and per menu, and never Alt+D
// or Alt+S, which the design windows keep for themselves.
TEST_F(MenuSituationTest, EveryTitleAndItemHasAMnemonicOfItsOwn) {
    const auto mnemonic = [](const QString& text) { return QKeySequence::mnemonic(text).toString(); };
    for (int32_t system = 0; system <= 16; ++system) {
        if (system == 0)
            InitMenu11();
        else
            designOf(1 + (system - 1) / 8, 1 + (system - 1) % 8);
        platform::refreshWindowMenu();
        std::set<QString> titles;
        for (int32_t number : platform::menuBar()) {
            const QMenu* menu = platform::qt::menuWidget(number);
            ASSERT_NE(menu, nullptr);
            const QString title = mnemonic(menu->title());
            EXPECT_FALSE(title.isEmpty()) << menu->title().toStdString();
            EXPECT_TRUE(titles.insert(title).second) << menu->title().toStdString();
            EXPECT_NE(title, QKeySequence(Qt::ALT | Qt::Key_D).toString());
            EXPECT_NE(title, QKeySequence(Qt::ALT | Qt::Key_S).toString());
            std::set<QString> items;
            for (const QAction* action : menu->actions()) {
                if (action->isSeparator()) continue;
                const QString item = mnemonic(action->text());
                EXPECT_FALSE(item.isEmpty()) << action->text().toStdString();
                EXPECT_TRUE(items.insert(item).second) << action->text().toStdString() << " in " << number;
            }
        }
    }
}

}  // namespace
}  // namespace quendal::test
