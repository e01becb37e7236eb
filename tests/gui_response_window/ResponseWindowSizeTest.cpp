// The response window's place and size for each page, on the screen the
// tests run on and on screens too small for the page.
#include <QFontMetricsF>
#include <QImage>
#include <QScrollBar>
#include <QWheelEvent>

#include "gui_response_window/ResponseWindowFixture.h"
#include "platform/qt/Fonts.h"
#include "selection/SystemTitle.h"
#include "view/RecordingSurface.h"
#include "windows/ResponseTitle.h"
#include "windows/ResponseWindow.h"

namespace quendal::test {
namespace {

// The room the response window's content has on the screen holding the
// point (the short first screen by default).
Rect16 room(int32_t x = 0, int32_t y = 0) {
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

struct PageCase {
    const char* kind;
    int pageHeight;
};

TEST_F(ResponseWindowTest, EachPageGetsItsHeightAndATallPageScrollsOnAShortScreen) {
    ResponseWnd();
    ASSERT_TRUE(platform::windowExists(kResponseWindow));
    const Rect16 screenRoom = room();
    for (const PageCase& c : {PageCase{"sys", 720}, PageCase{"amp", 390}, PageCase{"vent", kVentInfoPageHeight},
                              PageCase{"st", 390}, PageCase{"sys", 720}, PageCase{"nq", 390}}) {
        SCOPED_TRACE(c.kind);
        showPage(c.kind);
        const Rect16 b = platform::windowBounds(kResponseWindow);
        const int shown = std::min(c.pageHeight, height(screenRoom));
        EXPECT_EQ(width(b), 540);
        EXPECT_EQ(height(b), shown);
        EXPECT_TRUE(inside(b, screenRoom));
        // The page keeps its full height; what the window cannot show scrolls.
        EXPECT_EQ(platform::qt::contentWidget(kResponseWindow)->height(), std::max(c.pageHeight, shown));
        EXPECT_EQ(pageScrollBar()->isVisible(), c.pageHeight > shown);
        if (c.pageHeight > shown) {
            EXPECT_EQ(pageScrollBar()->maximum(), c.pageHeight - shown);
        }
        // The user cannot resize it.
        const QWidget* frame = platform::qt::windowWidget(kResponseWindow);
        EXPECT_EQ(frame->minimumSize(), frame->maximumSize());
    }
    EXPECT_EQ(state.shell.curentWndID, kResponseWindow);
    EXPECT_EQ(state.shell.WindCloseFlag, 0);
    EXPECT_EQ(platform::windowTitle(kResponseWindow), "Response");
}

TEST_F(ResponseWindowTest, ScrolledPageKeepsItsOwnCoordinatesForTheMouse) {
    ResponseWnd();
    showPage("sys");
    const int hidden = 720 - height(platform::windowBounds(kResponseWindow));
    ASSERT_GT(hidden, 0);  // the first screen is too short for the profile page
    gPressedAt = -1;
    platform::installWindowHandler(kResponseWindow, recordPress, kResponseWindow);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(handle(kResponseWindow)));

    // Two notches of the wheel down: the page moves up under the window.
    const QPointF where = at(kResponseWindow, 200, 200);
    QWheelEvent wheel(where, handle(kResponseWindow)->mapToGlobal(where), QPoint(), QPoint(0, -240), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(handle(kResponseWindow), &wheel);
    const int32_t scrolled = platform::windowPageScroll(kResponseWindow);
    EXPECT_GT(scrolled, 0);
    EXPECT_LE(scrolled, hidden);

    // A press on the page's line 650, now in view, reaches the handler as
    // line 650.
    ASSERT_LT(650 - scrolled, height(platform::windowBounds(kResponseWindow)));
    QTest::mouseClick(handle(kResponseWindow), Qt::LeftButton, Qt::NoModifier, at(kResponseWindow, 100, 650));
    EXPECT_EQ(gPressedAt, 650);
}

TEST_F(ResponseWindowTest, ASavedPlaceOffEveryScreenComesBackOntoOne) {
    state.prefs.BoundsCheck = 1;
    state.prefs.FastOpenFlag = 0;
    state.bounds.RespWndBounds = {3000, 5000, 3390, 5540};
    ResponseWnd();
    const Rect16 b = platform::windowBounds(kResponseWindow);
    EXPECT_GE(b.left, 1024);  // onto the screen nearest to where it was: the small one at the right
    EXPECT_TRUE(inside(b, room(b.left, b.top)));
    EXPECT_EQ(width(b), 540);
    // What it records is where it really is.
    EXPECT_EQ(state.bounds.RespWndBounds.left, b.left);
    EXPECT_EQ(state.bounds.RespWndBounds.top, b.top);
}

TEST_F(ResponseWindowTest, OnTheSmallSecondScreenTheWindowKeepsToThatScreen) {
    state.prefs.BoundsCheck = 1;
    state.prefs.FastOpenFlag = 0;
    state.bounds.RespWndBounds = {300, 1300, 690, 1840};  // partly beyond the small screen's right and bottom
    ResponseWnd();
    const Rect16 small = room(1300, 300);
    EXPECT_EQ(small.left, 1024 + platform::windowFrameMargins(kResponseWindow).left);
    Rect16 b = platform::windowBounds(kResponseWindow);
    EXPECT_TRUE(inside(b, small));
    EXPECT_EQ(height(b), 390);
    showPage("sys");
    b = platform::windowBounds(kResponseWindow);
    EXPECT_TRUE(inside(b, small));
    EXPECT_EQ(height(b), height(small));  // as tall as that screen allows; the rest scrolls
    EXPECT_EQ(pageScrollBar()->maximum(), 720 - height(small));
}

TEST_F(ResponseWindowTest, ASavedPlaceOnTheScreenIsKept) {
    state.prefs.BoundsCheck = 1;
    state.prefs.FastOpenFlag = 0;
    const Rect16 r = room();
    state.bounds.RespWndBounds = {int16_t(r.top + 7), int16_t(r.left + 11), int16_t(r.top + 397), int16_t(r.left + 551)};
    ResponseWnd();
    const Rect16 b = platform::windowBounds(kResponseWindow);
    EXPECT_EQ(b.top, r.top + 7);
    EXPECT_EQ(b.left, r.left + 11);
}

TEST_F(ResponseWindowTest, ResetBoundsGivesTheSizeOfThePageShownAtTheRecordedPlace) {
    ResponseWnd();
    showPage("amp");
    state.bounds.RespWndBounds = {int16_t(room().top + 5), int16_t(room().left + 9), 0, 0};
    ResetResponseWndBounds();
    const Rect16 saved = state.bounds.RespWndBounds;
    EXPECT_EQ(saved.top, room().top + 5);
    EXPECT_EQ(saved.left, room().left + 9);
    EXPECT_EQ(width(saved), 540);
    EXPECT_EQ(height(saved), 390);
}

// Content rectangles on screens of several sizes; margins of a framed
// document window (title bar and menu bar above, a border around).
struct FitCase {
    const char* what;
    Rect16 content, area, expected;
};

TEST(ResponseWindowFit, TheWindowWithItsFrameStaysOnTheScreen) {
    const Rect16 margins{48, 2, 2, 2};
    const FitCase cases[] = {
        {"fits as it is", {100, 100, 490, 640}, {0, 0, 768, 1024}, {100, 100, 490, 640}},
        {"profile page on a 640 x 480 screen: as tall as the room", {100, 50, 820, 590}, {0, 0, 480, 640}, {48, 50, 478, 590}},
        {"off the right and bottom edges", {700, 900, 1090, 1440}, {0, 0, 768, 1024}, {376, 482, 766, 1022}},
        {"above the top: the title bar stays reachable", {-50, 10, 340, 550}, {0, 0, 768, 1024}, {48, 10, 438, 550}},
        {"a screen narrower than the page", {60, 10, 450, 550}, {0, 0, 480, 400}, {60, 2, 450, 398}},
        {"a second screen to the right", {100, 1900, 490, 2440}, {0, 1024, 900, 2624}, {100, 1900, 490, 2440}},
    };
    for (const FitCase& c : cases) {
        SCOPED_TRACE(c.what);
        const Rect16 r = fitContentOntoArea(c.content, c.area, margins);
        EXPECT_EQ(r.top, c.expected.top);
        EXPECT_EQ(r.left, c.expected.left);
        EXPECT_EQ(r.bottom, c.expected.bottom);
        EXPECT_EQ(r.right, c.expected.right);
    }
}

// Every system's title on the graph pages ends left of the pointer
// read-out's boxes (whose erased area begins at x 375), in the fonts the
// program installs.
TEST_F(ResponseWindowTest, EverySystemTitleEndsLeftOfTheReadOutBoxes) {
    constexpr double kReadOutLeft = 375.0;
    RecordingProvider recording;
    setSurfaceProvider(&recording);
    const QImage device(540, 390, QImage::Format_RGB32);
    for (int32_t tab = 1; tab <= 2; ++tab) {
        for (int32_t button = 1; button <= 8; ++button) {
            state.selection.SysSelTabNum = tab;
            state.selection.SysSelBtnNum = button;
            recording.window.reset();
            DrawSystemNameFont();
            const auto texts = recording.window.ofKind(RecordedElement::Kind::Text);
            ASSERT_EQ(texts.size(), 1u);
            const RecordedElement& t = texts.front();
            const QFontMetricsF metrics(platform::qt::fontForRow(t.fontRow, t.size, device), &device);
            const double end = t.x0 + metrics.horizontalAdvance(QString::fromLatin1(t.text.c_str()));
            EXPECT_LT(end, kReadOutLeft) << t.text;
            EXPECT_FALSE(SetSystemTitle().empty());
        }
    }
    platform::resetPlatform();
}

TEST_F(ResponseWindowTest, NamesMadeFromTheTitleHoldNoFolderSeparator) {
    state.speaker.s_SP = "TS/20-04 A/B";
    state.view.s_Resp = "st";
    EXPECT_EQ(responseNameStem(), "TS-20-04 A-B_Step Response");
    state.view.s_Resp = "as";
    EXPECT_EQ(SetResponseTitle(), "Air Vibration in Vent");
    state.selection.SysSelTabNum = 1;
    state.selection.SysSelBtnNum = 6;
    EXPECT_EQ(SetSystemTitle(), "Parallel-Vented");
    state.selection.SysSelBtnNum = 9;
    EXPECT_EQ(SetSystemTitle(), "");
}

}  // namespace
}  // namespace quendal::test
