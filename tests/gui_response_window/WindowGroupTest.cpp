// The response window and its palettes moved as one group, and the
// details triangle.
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
    // The move has ended: the group is gone; the remembered bounds follow.
    EXPECT_EQ(state.shell.WndGroupFlag, 0);
    EXPECT_TRUE(platform::groupedWindows().empty());
    GetWndsBounds();
    EXPECT_EQ(state.bounds.InfoWndBounds.left, topLeft(kSystemInfoPalette).x());
    EXPECT_EQ(state.bounds.CstmWndBounds.top, topLeft(kCustomPalette).y());

    // Not from inside the graph (its own clicks), nor under a sheet.
    const QPoint now = topLeft(kResponseWindow);
    altDrag(200, 200, 30, 30);
    state.shell.SheetWndFlag = 1;
    altDrag(20, 345, 30, 20);
    EXPECT_EQ(topLeft(kResponseWindow), now);
    EXPECT_EQ(state.shell.WndGroupFlag, 0);
}

TEST_F(WindowGroupTest, DetailsTriangleOpensAndClosesTheReadOut) {
    DispShowDetailTriBtn();
    ASSERT_TRUE(platform::controlExists(kResponseWindow, kDetailTriangle));
    EXPECT_NE(platform::helpTag(kResponseWindow, kDetailTriangle).find("Alt+D"), std::string::npos);
    state.cursor.CursorPosi = 230;
    DetailTriBtnHandler();  // Option-D
    EXPECT_EQ(platform::controlValue(kResponseWindow, kDetailTriangle), 1);
    EXPECT_EQ(std::tuple(state.cursor.detailTriBtn, state.cursor.CursorPosi, state.shell.ControlPictureProc),
              std::tuple(1, 0, 304));  // the read-out starts at 10 Hz
    state.cursor.MouseDown = 1;
    DetailTriBtnHandler();
    EXPECT_EQ(std::tuple(state.cursor.detailTriBtn, int(state.cursor.MouseDown), state.shell.ControlPictureProc),
              std::tuple(0, 0, 305));  // a frozen read-out is let go
    // The profile page has no triangle: the key changes nothing there.
    platform::removeControl(kResponseWindow, kDetailTriangle);
    DetailTriBtnHandler();
    EXPECT_EQ(state.cursor.detailTriBtn, 0);
}

}  // namespace
}  // namespace quendal::test
