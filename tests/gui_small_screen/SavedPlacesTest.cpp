// Windows' places saved on a 1600x1200 screen, the program started on a
// 1024x768 one (this program's virtual desktop, QUENDAL_DESKTOP_SCREEN in
// tests/CMakeLists.txt): every window comes onto the screen with its frame,
// its buttons where the user can click them, and the palettes beside the
// response window, in front of it.
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

#include "gui_desktop/DesktopFixture.h"
#include "windows/PreferencesWindow.h"

namespace quendal::test {
namespace {

class SavedPlaces : public DesktopTest {
protected:
    void SetUp() override {
        DesktopTest::SetUp();
        ASSERT_EQ(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, 1024, 768))
            << "runs on a 1024x768 desktop: QUENDAL_DESKTOP_SCREEN";
        // top, left, bottom, right, as a 1600x1200 screen left them.
        prefs.put("BoundsCheck", {"1"});
        prefs.put("RespWndBounds", {"300", "800", "690", "1340"});
        prefs.put("InfoWndBounds", {"300", "590", "650", "790"});
        prefs.put("CstmWndBounds", {"300", "1350", "690", "1555"});
        prefs.put("SysSelWndBounds", {"700", "967", "1190", "1562"});
        prefs.put("PrefeBounds", {"600", "900", "1065", "1230"});
    }
    // The window's frame, once the window manager has framed it, lies on
    // the screen.
    static void onTheScreen(int32_t window) {
        SCOPED_TRACE(window);
        const QWidget* widget = platform::qt::windowWidget(window);
        ASSERT_NE(widget, nullptr);
        titleBar(widget);
        EXPECT_TRUE(QRect(0, 0, 1024, 768).contains(widget->frameGeometry()))
            << widget->frameGeometry().x() << "," << widget->frameGeometry().y() << " "
            << widget->frameGeometry().width() << "x" << widget->frameGeometry().height();
    }
    static QRect frameOf(int32_t window) { return platform::qt::windowWidget(window)->frameGeometry(); }
};

TEST_F(SavedPlaces, EveryWindowOpensOnASmallerScreenWithItsButtonsAndThePalettesBesideTheDesign) {
    start();
    ASSERT_TRUE(QTest::qWaitFor([] { return platform::windowExists(kDefaultParametersWindow); }, kAtMost));
    hit(kDefaultParametersWindow, 1);
    ASSERT_TRUE(activeWithKeyboard(kSystemSelectWindow));
    onTheScreen(kSystemSelectWindow);
    // Select, clicked where it shows, starts the design.
    state.selection.SysSelTabNum = 1;
    state.selection.SysSelBtnNum = 3;
    click(platform::qt::controlWidget(kSystemSelectWindow, 1));
    ASSERT_TRUE(QTest::qWaitFor([] { return platform::windowExists(kResponseWindow); }, kAtMost));
    ASSERT_TRUE(QTest::qWaitFor([] { return platform::activeWindow() != 0; }, kAtMost));
    settle();
    for (const int32_t window : {kResponseWindow, kSystemInfoPalette, kCustomPalette}) onTheScreen(window);
    const QRect response = frameOf(kResponseWindow);
    EXPECT_FALSE(frameOf(kSystemInfoPalette).intersects(response));
    EXPECT_FALSE(frameOf(kCustomPalette).intersects(response));
    EXPECT_FALSE(frameOf(kSystemInfoPalette).intersects(frameOf(kCustomPalette)));

    platform::qt::deliverCommand(kApplicationMenu, kPreferencesItem);
    ASSERT_TRUE(activeWithKeyboard(kPreferencesWindow));
    onTheScreen(kPreferencesWindow);
    click(platform::qt::controlWidget(kPreferencesWindow, kPreferencesOK));
    EXPECT_TRUE(QTest::qWaitFor([] { return !platform::windowExists(kPreferencesWindow); }, kAtMost));
}

// A palette the user moved over the response window stays in front of it
// when the user clicks the response window, which comes forward.
TEST_F(SavedPlaces, APaletteStaysInFrontOfTheResponseWindowClickedUnderIt) {
    ventedBox();
    const QRect response = platform::qt::windowWidget(kResponseWindow)->geometry();
    QWidget* palette = platform::qt::windowWidget(kCustomPalette);
    palette->move(response.left() + 100, response.top() + 60);
    settle();
    clickAt(QPoint(response.right() - 30, response.bottom() - 10));  // on the response window, beside the palette
    ASSERT_TRUE(activeWithKeyboard(kResponseWindow));
    // What the screen shows inside the palette's place is the palette.
    const QPoint inside = palette->mapToGlobal(QPoint(palette->width() / 2, 40));
    ASSERT_TRUE(response.contains(inside));
    const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    const QImage own = palette->grab().toImage();
    const QPoint local = palette->mapFromGlobal(inside);
    EXPECT_EQ(screen.pixel(inside), own.pixel(local));
}

}  // namespace
}  // namespace quendal::test
