// The response window's place and size for each page, on a short screen
// and on a small second one (Screens.json).
#include <QFontMetricsF>
#include <QImage>
#include <QScrollBar>
#include <QWheelEvent>

#include "gui_response_window/ResponseWindowFixture.h"
#include "platform/qt/Fonts.h"
#include "view/SystemTitle.h"
#include "view/RecordingSurface.h"
#include "windows/ResponseTitle.h"
#include "windows/ResponseWindow.h"
#include "dialogs/PalettePlace.h"
#include "windows/WindowGroup.h"

namespace quendal::test {
namespace {

// The room a window's content has on the screen holding the point.
Rect16 room(int32_t x, int32_t y) {
    const Rect16 area = platform::availableScreenArea(x, y);
    const Rect16 m = platform::windowFrameMargins(kResponseWindow);
    return {int16_t(area.top + m.top), int16_t(area.left + m.left), int16_t(area.bottom - m.bottom),
            int16_t(area.right - m.right)};
}

bool inside(Rect16 r, Rect16 area) {
    return r.top >= area.top && r.left >= area.left && r.bottom <= area.bottom && r.right <= area.right;
}

QScrollBar* pageScrollBar() {
    return platform::qt::windowWidget(kResponseWindow)->findChild<QScrollBar*>("page-scroll");
}

void showPage(const char* kind) {
    state.view.s_Resp = kind;
    ResizeResponseWndSetBoundLimit();
    ResizeResponseWnd();
}

int32_t gPressedAt = -1;
int32_t recordPress(const platform::WindowEvent& e, int32_t) {
    if (e.kind == platform::WindowEventKind::MouseDown) gPressedAt = e.y;
    return platform::kEventNotHandled;
}

TEST_F(ResponseWindowTest, EachPageGetsItsHeightAndATallPageScrollsOnAShortScreen) {
    ResponseWnd();
    const Rect16 screenRoom = room(0, 0);
    for (const auto& [kind, pageHeight] : {std::pair{"sys", 720}, {"amp", 390}, {"vent", int(kVentInfoPageHeight)},
                                           {"nq", 390}}) {
        SCOPED_TRACE(kind);
        showPage(kind);
        const Rect16 b = platform::windowBounds(kResponseWindow);
        const int shown = std::min(pageHeight, height(screenRoom));
        EXPECT_EQ(width(b), 540);
        EXPECT_EQ(height(b), shown);
        EXPECT_TRUE(inside(b, screenRoom));
        // The page keeps its full height; what the window cannot show scrolls.
        EXPECT_EQ(platform::qt::contentWidget(kResponseWindow)->height(), std::max(pageHeight, shown));
        EXPECT_EQ(pageScrollBar()->isVisible() ? pageScrollBar()->maximum() : 0, pageHeight - shown);
        const QWidget* frame = platform::qt::windowWidget(kResponseWindow);
        EXPECT_EQ(frame->minimumSize(), frame->maximumSize());  // the user does not resize it
    }
    EXPECT_EQ(state.shell.curentWndID, kResponseWindow);
    EXPECT_EQ(platform::windowTitle(kResponseWindow), "Response");

    // Two notches of the wheel down move the profile page up under the
    // window; a press on the page's line 650, now in view, reaches the
    // handler as line 650.
    showPage("sys");
    platform::installWindowHandler(kResponseWindow, recordPress, kResponseWindow);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(handle(kResponseWindow)));
    const QPointF where = at(kResponseWindow, 200, 200);
    QWheelEvent wheel(where, handle(kResponseWindow)->mapToGlobal(where), QPoint(), QPoint(0, -240), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(handle(kResponseWindow), &wheel);
    const int32_t scrolled = platform::windowPageScroll(kResponseWindow);
    ASSERT_GT(scrolled, 0);
    ASSERT_LT(650 - scrolled, height(platform::windowBounds(kResponseWindow)));
    QTest::mouseClick(handle(kResponseWindow), Qt::LeftButton, Qt::NoModifier, at(kResponseWindow, 100, 650));
    EXPECT_EQ(gPressedAt, 650);
}

// Saved places while the preferences keep them: on a screen it is kept;
// off every screen, or beyond a screen's edge, the window comes onto the
// nearest screen, and so does a palette placed beside it.
TEST_F(ResponseWindowTest, ASavedPlaceIsKeptOnItsScreenAndBroughtBackOntoOne) {
    state.prefs.BoundsCheck = 1;
    state.prefs.FastOpenFlag = 0;
    const struct {
        Rect16 saved;
        int32_t screenX;  // a point of the screen it should end on
        bool kept;
    } cases[] = {
        {{60, 40, 450, 580}, 10, true},
        {{3000, 5000, 3390, 5540}, 1500, false},  // nearest: the small screen at the right
        {{300, 1300, 690, 1840}, 1500, false},    // beyond the small screen's right and bottom
    };
    for (const auto& c : cases) {
        state.bounds.RespWndBounds = c.saved;
        ResponseWnd();
        Rect16 b = platform::windowBounds(kResponseWindow);
        const Rect16 screen = room(c.screenX, 10);
        EXPECT_TRUE(inside(b, screen));
        EXPECT_EQ(b.left == c.saved.left, c.kept);
        EXPECT_EQ(state.bounds.RespWndBounds.left, b.left);  // what it records is where it is
        const Rect16 palette = paletteBesideResponseWindow(550, 205, 390);
        EXPECT_TRUE(inside(palette, platform::availableScreenArea(palette.left, palette.top)));
        showPage("sys");  // as tall as the screen allows
        b = platform::windowBounds(kResponseWindow);
        EXPECT_TRUE(inside(b, screen));
        EXPECT_EQ(height(b), std::min(720, height(screen)));
        state.view.s_Resp = "amp";
    }
}

// Every system's title ends left of the pointer read-out's boxes (whose
// erased area begins at x 375), in the fonts the program installs.
TEST_F(ResponseWindowTest, EverySystemTitleEndsLeftOfTheReadOutBoxes) {
    RecordingProvider recording;
    setSurfaceProvider(&recording);
    const QImage device(540, 390, QImage::Format_RGB32);
    for (int32_t system = 0; system < 16; ++system) {
        state.selection.SysSelTabNum = 1 + system / 8;
        state.selection.SysSelBtnNum = 1 + system % 8;
        recording.window.reset();
        DrawSystemNameFont();
        const auto texts = recording.window.ofKind(RecordedElement::Kind::Text);
        ASSERT_EQ(texts.size(), 1u);
        const RecordedElement& t = texts.front();
        const QFontMetricsF metrics(platform::qt::fontForRow(t.fontRow, t.size, device), &device);
        EXPECT_LT(t.x0 + metrics.horizontalAdvance(QString::fromLatin1(t.text.c_str())), 375.0) << t.text;
    }
    platform::resetPlatform();
}

TEST_F(ResponseWindowTest, NamesMadeFromTheTitlesHoldNoFolderSeparator) {
    state.speaker.s_SP = "TS/20-04 A/B";
    state.view.s_Resp = "st";
    EXPECT_EQ(responseNameStem(), "TS-20-04 A-B_Step Response");
}

}  // namespace
}  // namespace quendal::test
