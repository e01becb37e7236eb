// Windows by number, driven headless: creating, finding, showing, closing,
// and the window handler's say over the events it receives.
#include <vector>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include "PlatformFixture.h"

namespace quendal::test {
namespace {

using platform::WindowEvent;
using platform::WindowEventKind;

// What the window handler saw, and what it answers.
struct HandlerLog {
    std::vector<WindowEvent> events;
    std::vector<int32_t> userData;
    int32_t answer = platform::kEventNotHandled;
    bool closeOnClose = false;

    std::vector<WindowEvent> of(WindowEventKind kind) const {
        std::vector<WindowEvent> out;
        for (const auto& e : events)
            if (e.kind == kind) out.push_back(e);
        return out;
    }
};
HandlerLog gLog;

int32_t recordingHandler(const WindowEvent& event, int32_t userData) {
    gLog.events.push_back(event);
    gLog.userData.push_back(userData);
    if (event.kind == WindowEventKind::Close && gLog.closeOnClose) {
        platform::closeWindow(event.window);
        return platform::kHandled;
    }
    return gLog.answer;
}

int32_t gHits = 0;
int32_t countingControlHandler(const platform::ControlEvent& event, int32_t) {
    if (event.kind == platform::ControlEventKind::Hit) ++gHits;
    return platform::kHandled;
}

class WindowTest : public PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        gLog = HandlerLog{};
        gHits = 0;
    }

    QWindow* handle(platform::WindowNumber window) { return platform::qt::windowWidget(window)->windowHandle(); }

    // Shown, exposed and active, so that keys reach it.
    void bringUp(platform::WindowNumber window) {
        platform::selectWindow(window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(handle(window)));
    }

    // A point of the content in the coordinates of the window's Qt handle.
    QPoint inContent(platform::WindowNumber window, int x, int y) {
        return platform::qt::contentWidget(window)->mapTo(platform::qt::windowWidget(window), QPoint(x, y));
    }
};

TEST_F(WindowTest, CreatedHiddenFoundByNumberAndClosed) {
    EXPECT_FALSE(platform::windowExists(7));
    ASSERT_TRUE(platform::createWindow(7, platform::WindowKind::Document, Rect16{100, 120, 490, 660}, "Response"));
    EXPECT_TRUE(platform::windowExists(7));
    EXPECT_FALSE(platform::isWindowVisible(7));
    EXPECT_EQ(platform::windowTitle(7), "Response");

    const Rect16 b = platform::windowBounds(7);
    EXPECT_EQ(b.right - b.left, 540);
    EXPECT_EQ(b.bottom - b.top, 390);
    EXPECT_EQ(b.left, 120);
    EXPECT_EQ(b.top, 100);

    platform::showWindow(7);
    EXPECT_TRUE(platform::isWindowVisible(7));
    platform::hideWindow(7);
    EXPECT_FALSE(platform::isWindowVisible(7));

    platform::closeWindow(7);
    EXPECT_FALSE(platform::windowExists(7));
    platform::closeWindow(7);   // closing twice, or an unknown window, does nothing
    platform::closeWindow(42);
    platform::showWindow(42);
    EXPECT_EQ(platform::windowBounds(42).right, 0);
}

TEST_F(WindowTest, NumbersAreUniqueAWindowCreatedAgainReplacesTheOld) {
    ASSERT_TRUE(platform::createWindow(9, platform::WindowKind::FloatingPalette, Rect16{50, 50, 500, 250}, "Custom"));
    ASSERT_TRUE(platform::createControl(9, 10, {platform::ControlKind::PushButton, {10, 10, 30, 90}, "Calc."}));
    ASSERT_TRUE(platform::createWindow(9, platform::WindowKind::FloatingPalette, Rect16{50, 50, 300, 250}, "Custom"));
    EXPECT_EQ(platform::windowBounds(9).bottom - platform::windowBounds(9).top, 250);
    EXPECT_FALSE(platform::controlExists(9, 10));
}

TEST_F(WindowTest, TitleAndModifiedState) {
    openResponseWindow();
    platform::setWindowTitle(7, "Test20-04 \xD0 Amplitude");  // Mac Roman en dash
    EXPECT_EQ(platform::windowTitle(7), "Test20-04 \xD0 Amplitude");
    EXPECT_EQ(platform::qt::windowWidget(7)->windowTitle(), QStringLiteral("Test20-04 \u2013 Amplitude[*]"));
    EXPECT_FALSE(platform::isWindowModified(7));
    platform::setWindowModified(7, true);
    EXPECT_TRUE(platform::isWindowModified(7));
}

TEST_F(WindowTest, SheetsNeedTheirParentAndCloseWithIt) {
    EXPECT_FALSE(platform::createWindow(13, platform::WindowKind::Sheet, Rect16{0, 0, 120, 400}, "", 7));
    openResponseWindow();
    ASSERT_TRUE(platform::createWindow(13, platform::WindowKind::Sheet, Rect16{0, 0, 120, 400}, "", 7));
    QWidget* sheet = platform::qt::windowWidget(13);
    EXPECT_EQ(sheet->windowModality(), Qt::WindowModal);
    // A sheet without a place of its own hangs from the top of its parent's content.
    EXPECT_EQ(platform::windowBounds(13).top, platform::windowBounds(7).top);
    platform::closeWindow(7);
    EXPECT_FALSE(platform::windowExists(13));
}

TEST_F(WindowTest, CurrentAndSelectedWindow) {
    openResponseWindow();
    ASSERT_TRUE(platform::createWindow(8, platform::WindowKind::FloatingPalette, Rect16{100, 700, 466, 900}, "Info"));
    EXPECT_EQ(platform::currentWindow(), 0);
    platform::setCurrentWindow(8);
    EXPECT_EQ(platform::currentWindow(), 8);
    bringUp(7);
    EXPECT_EQ(platform::currentWindow(), 7);
    EXPECT_EQ(platform::activeWindow(), 7);
    platform::closeWindow(7);
    EXPECT_EQ(platform::currentWindow(), 0);
    platform::setCurrentWindow(99);
    EXPECT_EQ(platform::currentWindow(), 0);
}

TEST_F(WindowTest, HandlerGetsItsUserDataAndWindowEvents) {
    openResponseWindow();
    ASSERT_EQ(platform::installWindowHandler(7, recordingHandler, 7), platform::kHandled);
    EXPECT_EQ(platform::installWindowHandler(55, recordingHandler, 55), -1);
    bringUp(7);
    EXPECT_FALSE(gLog.of(WindowEventKind::Activated).empty());
    platform::setWindowBounds(7, Rect16{100, 100, 600, 640});
    EXPECT_FALSE(gLog.of(WindowEventKind::BoundsChanged).empty());
    for (int32_t data : gLog.userData) EXPECT_EQ(data, 7);
    for (const auto& e : gLog.events) EXPECT_EQ(e.window, 7);
}

TEST_F(WindowTest, MouseEventsCarryContentCoordinatesAndClickCounts) {
    openResponseWindow();
    platform::installWindowHandler(7, recordingHandler, 7);
    bringUp(7);
    QTest::mouseMove(handle(7), inContent(7, 200, 120));
    QTest::mouseClick(handle(7), Qt::LeftButton, Qt::NoModifier, inContent(7, 100, 60));
    QTest::mouseDClick(handle(7), Qt::LeftButton, Qt::NoModifier, inContent(7, 100, 60));

    bool movedThere = false;
    for (const auto& e : gLog.of(WindowEventKind::MouseMoved)) movedThere = movedThere || (e.x == 200 && e.y == 120);
    EXPECT_TRUE(movedThere);
    const auto downs = gLog.of(WindowEventKind::MouseDown);
    ASSERT_GE(downs.size(), 2u);
    EXPECT_EQ(downs.front().x, 100);
    EXPECT_EQ(downs.front().y, 60);
    EXPECT_EQ(downs.front().clickCount, 1);
    EXPECT_EQ(downs.back().clickCount, 2);
    EXPECT_FALSE(gLog.of(WindowEventKind::MouseUp).empty());
}

TEST_F(WindowTest, AHandledMouseDownNeverReachesTheControl) {
    openResponseWindow();
    ASSERT_TRUE(platform::createControl(7, 1, {platform::ControlKind::PushButton, {40, 40, 70, 140}, "OK"}));
    platform::installControlHandler(7, 1, countingControlHandler, 1);
    platform::installWindowHandler(7, recordingHandler, 7);
    bringUp(7);

    gLog.answer = platform::kEventNotHandled;  // the toolkit goes on: the button is clicked
    QTest::mouseClick(handle(7), Qt::LeftButton, Qt::NoModifier, inContent(7, 90, 55));
    EXPECT_EQ(gHits, 1);

    gLog.answer = platform::kHandled;  // consumed by the window handler
    QTest::mouseClick(handle(7), Qt::LeftButton, Qt::NoModifier, inContent(7, 90, 55));
    EXPECT_EQ(gHits, 1);
}

TEST_F(WindowTest, AHandledKeyNeverReachesTheFocusedField) {
    openResponseWindow();
    ASSERT_TRUE(platform::createControl(7, 31, {platform::ControlKind::EditText, {40, 40, 62, 140}}));
    platform::installWindowHandler(7, recordingHandler, 7);
    bringUp(7);
    platform::setKeyboardFocus(7, 31);
    EXPECT_EQ(platform::keyboardFocus(7), 31);

    gLog.answer = platform::kEventNotHandled;
    QTest::keyClick(handle(7), Qt::Key_X);
    EXPECT_EQ(platform::controlText(7, 31), "x");

    gLog.answer = platform::kHandled;
    QTest::keyClick(handle(7), Qt::Key_Y);
    EXPECT_EQ(platform::controlText(7, 31), "x");

    const auto downs = gLog.of(WindowEventKind::KeyDown);
    ASSERT_EQ(downs.size(), 2u);
    EXPECT_EQ(downs[0].character, 'x');
    EXPECT_EQ(downs[1].character, 'y');
    EXPECT_EQ(gLog.of(WindowEventKind::KeyUp).size(), 2u);
}

TEST_F(WindowTest, KeysArriveAsTheCharactersTheHandlersCompare) {
    openResponseWindow();
    gLog.answer = platform::kHandled;
    platform::installWindowHandler(7, recordingHandler, 7);
    bringUp(7);
    struct Key {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        uint8_t character;
        uint32_t flags;
    };
    const Key keys[] = {
        {Qt::Key_Return, Qt::NoModifier, 13, 0},
        {Qt::Key_Enter, Qt::NoModifier, 3, 0},
        {Qt::Key_Escape, Qt::NoModifier, 27, 0},
        {Qt::Key_Tab, Qt::NoModifier, 9, 0},
        {Qt::Key_Space, Qt::NoModifier, 32, 0},
        {Qt::Key_Left, Qt::NoModifier, 28, 0},
        {Qt::Key_Right, Qt::NoModifier, 29, 0},
        {Qt::Key_Up, Qt::NoModifier, 30, 0},
        {Qt::Key_Down, Qt::NoModifier, 31, 0},
        {Qt::Key_D, Qt::AltModifier, 0xB6, platform::kOptionKey},
        {Qt::Key_S, Qt::AltModifier, 0xA7, platform::kOptionKey},
        {Qt::Key_D, Qt::ControlModifier, 'd', platform::kCommandKey},
        {Qt::Key_Backspace, Qt::ControlModifier, 8, platform::kCommandKey},
    };
    for (const Key& k : keys) {
        gLog.events.clear();
        QTest::keyClick(handle(7), k.key, k.modifiers);
        const auto downs = gLog.of(WindowEventKind::KeyDown);
        ASSERT_EQ(downs.size(), 1u) << "key " << k.key;
        EXPECT_EQ(downs[0].character, k.character) << "key " << k.key;
        EXPECT_EQ(downs[0].modifiers, k.flags) << "key " << k.key;
    }
}

TEST_F(WindowTest, CloseBoxHandledKeepsTheWindowUnhandledClosesIt) {
    openResponseWindow();
    platform::installWindowHandler(7, recordingHandler, 7);
    gLog.answer = platform::kHandled;
    platform::qt::windowWidget(7)->close();
    EXPECT_TRUE(platform::windowExists(7));
    EXPECT_EQ(gLog.of(WindowEventKind::Close).size(), 1u);

    gLog.answer = platform::kEventNotHandled;
    platform::qt::windowWidget(7)->close();
    EXPECT_FALSE(platform::windowExists(7));

    // A handler that closes the window itself inside the close event.
    openResponseWindow();
    platform::installWindowHandler(7, recordingHandler, 7);
    gLog.closeOnClose = true;
    platform::qt::windowWidget(7)->close();
    EXPECT_FALSE(platform::windowExists(7));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace
}  // namespace quendal::test
