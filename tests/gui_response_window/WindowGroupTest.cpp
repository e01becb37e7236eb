// The response window and its palettes moved as one group, the bounds the
// design remembers, and the details triangle.
#include "gui_response_window/ResponseWindowFixture.h"
#include "selection/SystemInfoPalette.h"
#include "windows/ResponseWindow.h"
#include "windows/WindowGroup.h"

namespace quendal::test {
namespace {

// What the shell's rows of window 7 do with a press and with the end of a
// move.
int32_t responseRows(const platform::WindowEvent& e, int32_t) {
    switch (e.kind) {
        case platform::WindowEventKind::MouseDown:
            return startGroupedMove(e.x, e.y, e.modifiers) ? platform::kHandled : platform::kEventNotHandled;
        case platform::WindowEventKind::DragCompleted:
        case platform::WindowEventKind::MouseUp:
            groupedMoveEnded();
            return platform::kHandled;
        default:
            return platform::kEventNotHandled;
    }
}

class WindowGroupTest : public ResponseWindowTest {
protected:
    void SetUp() override {
        ResponseWindowTest::SetUp();
        ResponseWnd();
        platform::installWindowHandler(kResponseWindow, responseRows, kResponseWindow);
        SystemInfoFloatPalet();
        // The custom palette's own window is not built here: a floating
        // window of its size at its place stands in for it.
        const Rect16 r = platform::windowBounds(kResponseWindow);
        platform::createWindow(kCustomPalette, platform::WindowKind::FloatingPalette,
                               {r.top, int16_t(r.left + 550), int16_t(r.top + 390), int16_t(r.left + 755)},
                               "Custom Palette");
        platform::showWindow(kCustomPalette);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(handle(kResponseWindow)));
    }

    // Alt held, pressed at content point (x, y), dragged by (dx, dy), released.
    void altDrag(int x, int y, int dx, int dy) {
        QWindow* w = handle(kResponseWindow);
        const QPoint from = at(kResponseWindow, x, y);
        QTest::mousePress(w, Qt::LeftButton, Qt::AltModifier, from);
        QTest::mouseMove(w, from + QPoint(dx, dy));
        QTest::mouseRelease(w, Qt::LeftButton, Qt::AltModifier, at(kResponseWindow, x, y));
    }

    static QPoint topLeft(platform::WindowNumber window) {
        const Rect16 r = platform::windowBounds(window);
        return {r.left, r.top};
    }
};

TEST_F(WindowGroupTest, PalettesFollowTheResponseWindowByTheSameOffset) {
    const QPoint response = topLeft(kResponseWindow), info = topLeft(kSystemInfoPalette),
                 custom = topLeft(kCustomPalette);
    altDrag(20, 360, 37, 21);  // below the graph, beside the legend
    const QPoint moved = topLeft(kResponseWindow) - response;
    EXPECT_EQ(moved, QPoint(37, 21));
    EXPECT_EQ(topLeft(kSystemInfoPalette) - info, moved);
    EXPECT_EQ(topLeft(kCustomPalette) - custom, moved);
    // The move has ended: the group is gone, and the palettes stay where
    // they are when the program moves the response window.
    EXPECT_EQ(state.shell.WndGroupFlag, 0);
    EXPECT_TRUE(platform::groupedWindows().empty());
    const QPoint infoNow = topLeft(kSystemInfoPalette);
    Rect16 r = platform::windowBounds(kResponseWindow);
    r.top = int16_t(r.top + 5);
    r.bottom = int16_t(r.bottom + 5);
    platform::setWindowBounds(kResponseWindow, r);
    EXPECT_EQ(topLeft(kSystemInfoPalette), infoNow);
}

TEST_F(WindowGroupTest, NoGroupedMoveFromTheGraphWithoutAltOrUnderASheet) {
    const QPoint response = topLeft(kResponseWindow), info = topLeft(kSystemInfoPalette);
    altDrag(200, 200, 30, 30);  // inside the graph: the graph's own clicks
    EXPECT_EQ(topLeft(kResponseWindow), response);
    QTest::mousePress(handle(kResponseWindow), Qt::LeftButton, Qt::NoModifier, at(kResponseWindow, 20, 360));
    QTest::mouseMove(handle(kResponseWindow), at(kResponseWindow, 50, 380));
    QTest::mouseRelease(handle(kResponseWindow), Qt::LeftButton, Qt::NoModifier, at(kResponseWindow, 50, 380));
    EXPECT_EQ(topLeft(kResponseWindow), response);
    state.shell.SheetWndFlag = 1;
    altDrag(20, 345, 30, 20);
    EXPECT_EQ(topLeft(kResponseWindow), response);
    EXPECT_EQ(topLeft(kSystemInfoPalette), info);
    EXPECT_EQ(state.shell.WndGroupFlag, 0);
}

TEST_F(WindowGroupTest, BoundsOfTheOpenWindowsAreRemembered) {
    platform::closeWindow(kCustomPalette);
    state.bounds.CstmWndBounds = {11, 22, 33, 44};
    GetWndsBounds();
    const Rect16 r = state.bounds.RespWndBounds, i = state.bounds.InfoWndBounds;
    EXPECT_EQ(QPoint(r.left, r.top), topLeft(kResponseWindow));
    EXPECT_EQ(QPoint(i.left, i.top), topLeft(kSystemInfoPalette));
    EXPECT_EQ(state.bounds.CstmWndBounds.left, 22);  // a closed palette keeps its last bounds
}

TEST_F(WindowGroupTest, APaletteBesideAWindowAtTheScreensEdgeStaysOnTheScreen) {
    // At the right edge of the small screen, the rightmost of all.
    const Rect16 small = platform::availableScreenArea(1300, 100);
    platform::setWindowBounds(kResponseWindow, {60, int16_t(small.right - 560), 450, int16_t(small.right - 20)});
    const Rect16 custom = paletteBesideResponseWindow(550, 205, 390);
    EXPECT_LE(custom.right, small.right);
    EXPECT_GE(custom.left, small.left);
    EXPECT_EQ(custom.right - custom.left, 205);
    // At the left edge of the first screen, nothing beyond it.
    const Rect16 first = platform::availableScreenArea(0, 0);
    platform::setWindowBounds(kResponseWindow, {100, int16_t(first.left + 30), 490, int16_t(first.left + 570)});
    const Rect16 info = paletteBesideResponseWindow(-210, 200, 350);
    EXPECT_GE(info.left, first.left);
    EXPECT_EQ(info.top, 100);
}

TEST_F(WindowGroupTest, DetailsTriangleOpensAndClosesTheReadOut) {
    DispShowDetailTriBtn();
    ASSERT_TRUE(platform::controlExists(kResponseWindow, kDetailTriangle));
    EXPECT_NE(platform::helpTag(kResponseWindow, kDetailTriangle).find("Option + D"), std::string::npos);
    state.cursor.CursorPosi = 230;
    state.cursor.ffpn = 100.0f;
    DetailTriBtnHandler();  // Option-D
    EXPECT_EQ(state.cursor.detailTriBtn, 1);
    EXPECT_EQ(platform::controlValue(kResponseWindow, kDetailTriangle), 1);
    EXPECT_EQ(state.cursor.CursorPosi, 0);  // the read-out starts at 10 Hz
    EXPECT_FLOAT_EQ(state.cursor.ffpn, 10.0f);
    EXPECT_EQ(state.shell.ControlPictureProc, 304);
    state.cursor.MouseDown = 1;
    DetailTriBtnHandler();
    EXPECT_EQ(state.cursor.detailTriBtn, 0);
    EXPECT_EQ(state.cursor.MouseDown, 0);  // a frozen read-out is let go
    EXPECT_EQ(state.shell.ControlPictureProc, 305);
    // The profile page has no triangle: the key changes nothing there.
    platform::removeControl(kResponseWindow, kDetailTriangle);
    DetailTriBtnHandler();
    EXPECT_EQ(state.cursor.detailTriBtn, 0);
}

}  // namespace
}  // namespace quendal::test
