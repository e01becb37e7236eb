// Window events: the keys of each window through the real key path, the
// close boxes, and what the rows consume.
#include "ShellFixture.h"

namespace quendal::test {
namespace {

using platform::kEventNotHandled;
using platform::kHandled;
using platform::WindowEvent;
using platform::WindowEventKind;

class WindowEventTest : public ShellTest {
protected:
    void press(int32_t window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(handleOf(window), key, modifiers);
    }
    void activate(int32_t window) {
        platform::selectWindow(window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(handleOf(window)));
    }
    static WindowEvent keyDown(int32_t window, uint8_t character, uint32_t modifiers = 0) {
        WindowEvent e;
        e.kind = WindowEventKind::KeyDown;
        e.window = window;
        e.character = character;
        e.modifiers = modifiers;
        return e;
    }
};

TEST_F(WindowEventTest, ArrowsRunThroughTheEightSystemsOfATab) {
    openWindow(kSystemSelectWindow, platform::WindowKind::Document);
    activate(kSystemSelectWindow);
    const struct { int32_t from; Qt::Key key; int32_t to; } rows[] = {
        {1, Qt::Key_Left, 8}, {8, Qt::Key_Right, 1}, {4, Qt::Key_Right, 5}, {3, Qt::Key_Up, 3},
        {6, Qt::Key_Up, 2}, {2, Qt::Key_Down, 6}, {7, Qt::Key_Down, 7}};
    for (const auto& row : rows) {
        state.selection.SysSelBtnNum = row.from;
        press(kSystemSelectWindow, row.key);
        EXPECT_EQ(state.selection.SysSelBtnNum, row.to) << row.from << " " << row.key;
        EXPECT_EQ(state.selection.preSysSelBtnNum, row.to);
    }
}

TEST_F(WindowEventTest, SpaceSwitchesTheSystemTabAndEscapeLeaves) {
    openWindow(kSystemSelectWindow, platform::WindowKind::Document);
    platform::ControlSpec tabs(platform::ControlKind::Tab, Rect16{10, 20, 400, 575});
    tabs.items = {"High Pass System", "Band Pass System"};
    tabs.value = 1;
    ASSERT_TRUE(platform::createControl(kSystemSelectWindow, 3, tabs));
    activate(kSystemSelectWindow);
    press(kSystemSelectWindow, Qt::Key_Space);
    EXPECT_EQ(state.selection.SysSelTabNum, 2);
    EXPECT_EQ(platform::controlValue(kSystemSelectWindow, 3), 2);
    state.shell.curentWndID = kSystemSelectWindow;
    press(kSystemSelectWindow, Qt::Key_Escape);
    EXPECT_FALSE(platform::windowExists(kSystemSelectWindow));
    EXPECT_EQ(state.shell.curentWndID, 0);
    EXPECT_TRUE(enabled(kFileMenu, 1));
}

TEST_F(WindowEventTest, ASingleClickAmongTheSystemsGoesOnADoubleClickIsTaken) {
    WindowEvent click;
    click.kind = WindowEventKind::MouseDown;
    click.window = kSystemSelectWindow;
    click.x = 80;
    click.y = 100;
    click.clickCount = 1;
    state.shell.curentWndID = kSystemSelectWindow;
    EXPECT_EQ(WindowEventHandler(click, kSystemSelectWindow), kEventNotHandled);
    EXPECT_EQ(state.shell.DoubleClick, 0);
    EXPECT_EQ(state.shell.curentWndID, kSystemSelectWindow);
    click.clickCount = 2;
    EXPECT_EQ(WindowEventHandler(click, kSystemSelectWindow), kHandled);
    EXPECT_EQ(state.shell.DoubleClick, 0);  // taken: the start of the design clears it
    EXPECT_EQ(state.shell.curentWndID, 0);
    click.y = 45;  // above the pictures: only the position is kept
    click.x = 12;
    EXPECT_EQ(WindowEventHandler(click, kSystemSelectWindow), kEventNotHandled);
    EXPECT_EQ(state.shell.mouseH, 12);
}

TEST_F(WindowEventTest, ConnectionArrowsWrapAroundTheFiveConnections) {
    openWindow(kResponseWindow, platform::WindowKind::Document);
    openWindow(kSpeakerConnectionSheet, platform::WindowKind::Sheet, kResponseWindow);
    activate(kSpeakerConnectionSheet);
    state.connection.SpConNum = 1;
    press(kSpeakerConnectionSheet, Qt::Key_Left);
    EXPECT_EQ(state.connection.SpConNum, 5);
    EXPECT_EQ(state.connection.PreSpCon, 5);
    press(kSpeakerConnectionSheet, Qt::Key_Right);
    EXPECT_EQ(state.connection.SpConNum, 1);
}

TEST_F(WindowEventTest, TabInThePaletteRecordsTheFieldThatNowHasTheFocus) {
    openWindow(kCustomPalette, platform::WindowKind::FloatingPalette);
    for (int32_t field : {31, 32})
        ASSERT_TRUE(platform::createControl(kCustomPalette, field,
                                            {platform::ControlKind::EditText, Rect16{int16_t(field * 30 - 900), 10, int16_t(field * 30 - 878), 100}, "1"}));
    activate(kCustomPalette);
    platform::setKeyboardFocus(kCustomPalette, 31);
    press(kCustomPalette, Qt::Key_Tab);
    EXPECT_EQ(state.shell.EdtFldID, 32);
}

TEST_F(WindowEventTest, OptionKeysOfTheVentDesignSheetSwitchTheVentForm) {
    openWindow(kResponseWindow, platform::WindowKind::Document);
    openWindow(kVentDesignSheet, platform::WindowKind::Sheet, kResponseWindow);
    platform::ControlSpec radios(platform::ControlKind::RadioGroup, Rect16{10, 10, 50, 200});
    radios.items = {"Ported", "Ducted"};
    radios.value = 1;
    ASSERT_TRUE(platform::createControl(kVentDesignSheet, 307, radios));
    platform::ControlSpec tabs(platform::ControlKind::Tab, Rect16{60, 10, 250, 380});
    tabs.items = {"Circular", "Rectangular"};
    tabs.value = 2;
    ASSERT_TRUE(platform::createControl(kVentDesignSheet, 300, tabs));
    activate(kVentDesignSheet);
    VentRecord& vent = state.vents.working;
    vent.VentTypeTab = 2;
    vent.RectVentRadio = 1;
    press(kVentDesignSheet, Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(vent.RectVentRadio, 2);
    EXPECT_EQ(platform::controlValue(kVentDesignSheet, 307), 2);
    platform::setKeyboardFocus(kVentDesignSheet, 300);  // Space is the tabs' while they have the keyboard
    press(kVentDesignSheet, Qt::Key_Space);
    EXPECT_EQ(vent.VentTypeTab, 1);
    EXPECT_EQ(platform::controlValue(kVentDesignSheet, 300), 1);
}

TEST_F(WindowEventTest, OptionAloneMeansOptionAndNothingElse) {
    const uint32_t option = platform::kOptionKey;
    EXPECT_EQ(WindowEventHandler(keyDown(kPassiveRadiatorSheet, 'x', option), kPassiveRadiatorSheet), kHandled);
    EXPECT_EQ(WindowEventHandler(keyDown(kPassiveRadiatorSheet, 'x', option | platform::kShiftKey), kPassiveRadiatorSheet),
              kEventNotHandled);
    EXPECT_EQ(WindowEventHandler(keyDown(kPassiveRadiatorSheet, platform::kReturnChar), kPassiveRadiatorSheet), kHandled);
    // Command-D is "Don't Save"; D alone, or with Shift added, is nothing.
    EXPECT_EQ(WindowEventHandler(keyDown(kSaveChangesSheet, 'd', platform::kCommandKey), kSaveChangesSheet), kHandled);
    EXPECT_EQ(WindowEventHandler(keyDown(kSaveChangesSheet, 'd'), kSaveChangesSheet), kEventNotHandled);
    EXPECT_EQ(WindowEventHandler(keyDown(kSaveChangesSheet, 'D', platform::kCommandKey | platform::kShiftKey),
                                 kSaveChangesSheet),
              kEventNotHandled);
    EXPECT_EQ(WindowEventHandler(keyDown(kSaveChangesSheet, platform::kBackspaceChar, platform::kCommandKey),
                                 kSaveChangesSheet),
              kHandled);
}

TEST_F(WindowEventTest, ClosingTheSystemInfoPaletteOffersToShowItAgain) {
    designOf(1, 3);
    openWindow(kSystemInfoPalette, platform::WindowKind::FloatingPalette);
    state.shell.SysInfoFlag = 0;
    platform::setMenuItemText(kViewMenu, 12, "Hide System Info Palette");
    platform::qt::windowWidget(kSystemInfoPalette)->close();
    EXPECT_FALSE(platform::windowExists(kSystemInfoPalette));
    EXPECT_EQ(state.shell.SysInfoFlag, 1);
    EXPECT_EQ(platform::menuItemText(kViewMenu, 12), "Show System Info Palette");
    EXPECT_EQ(state.bounds.InfoWndBounds.right - state.bounds.InfoWndBounds.left, 400);
}

TEST_F(WindowEventTest, ClosingTheAboutWindowRestoresTheMenusOfTheWindowInUse) {
    // Return, Escape and Ctrl+W close it; Ctrl+W is the window's while the
    // File menu (whose Close it is otherwise) is off.
    const struct { int32_t current; bool fileNew, fileClose; Qt::Key key; Qt::KeyboardModifiers modifiers; } rows[] = {
        {0, true, false, Qt::Key_Return, Qt::NoModifier},
        {kDefaultParametersWindow, false, false, Qt::Key_Escape, Qt::NoModifier},
        {kSystemSelectWindow, false, true, Qt::Key_W, Qt::ControlModifier}};
    for (const auto& row : rows) {
        state.shell.curentWndID = row.current;
        ApplicationEventHandler(kApplicationMenu, kAboutItem);
        openWindow(kAboutWindow, platform::WindowKind::Dialog);
        activate(kAboutWindow);
        press(kAboutWindow, row.key, row.modifiers);
        EXPECT_FALSE(platform::windowExists(kAboutWindow)) << row.current;
        EXPECT_EQ(state.shell.AboutWndflag, 0) << row.current;
        EXPECT_EQ(enabled(kFileMenu, 1), row.fileNew) << row.current;
        EXPECT_EQ(enabled(kFileMenu, 3), row.fileClose) << row.current;
        EXPECT_TRUE(enabled(kApplicationMenu, kQuitItem)) << row.current;
    }
}

TEST_F(WindowEventTest, NoCloseButtonLeavesTheMenusDimmedBehindIt) {
    // Each dialog's close button does what its Cancel or only button does;
    // the save question stays until answered.
    const int32_t windows[] = {kAboutWindow, kSpeakerConnectionSheet, kInitialSetupSheet, kVentInitialSetupSheet, kVentDesignSheet,
                               kPassiveRadiatorSheet, kAlertSheet, kSaveChangesSheet, kPreferencesWindow,
                               kUpdateWindow, kDefaultParametersWindow};
    WindowEvent close;
    close.kind = WindowEventKind::Close;
    for (int32_t window : windows) EXPECT_EQ(WindowEventHandler(close, window), kHandled) << window;

    state.shell.curentWndID = 0;
    InitMenu13();
    openWindow(kPreferencesWindow, platform::WindowKind::Dialog);
    platform::qt::windowWidget(kPreferencesWindow)->close();
    EXPECT_FALSE(platform::windowExists(kPreferencesWindow));
    EXPECT_TRUE(enabled(kFileMenu, 1));
    EXPECT_TRUE(enabled(kApplicationMenu, kPreferencesItem));

    state.shell.PINbak = 12.0;
    state.power.PIN = 50.0;
    WindowEventHandler(close, kVentInitialSetupSheet);
    EXPECT_EQ(state.power.PIN, 12.0);
    state.connection.SpConNumBak = 2;
    state.connection.SpConNum = 4;
    state.shell.InterceptEvHnd = 1;
    WindowEventHandler(close, kSpeakerConnectionSheet);
    EXPECT_EQ(state.connection.SpConNum, 2);
    EXPECT_EQ(state.shell.InterceptEvHnd, 0);
}

}  // namespace
}  // namespace quendal::test
