// The pointer over the response window's graph: following, freezing and
// releasing the read-out and the step marker, and when it does nothing.
#include "ResponsePageFixture.h"
#include "view/ResponsePointer.h"
#include "view/ResponseRedraw.h"

namespace quendal::test {
namespace {

class PointerEvents : public ResponsePageTest {
protected:
    void SetUp() override {
        ResponsePageTest::SetUp();
        useSystem({1, 3, "Vented Box"});
        state.view.s_Resp = "amp";
        ReDispResposeWnd();
        provider.window.reset();
        // Another window in front, as while the user works in a palette.
        ASSERT_TRUE(platform::createWindow(kCustomPalette, platform::WindowKind::FloatingPalette, {60, 600, 450, 805},
                                           "Custom Palette"));
        platform::selectWindow(kCustomPalette);
        platform::setCurrentWindow(kResponseWindow);
        setSurfaceProvider(&provider);  // a new window gives drawing back to the layer's surfaces
    }
    // Vertical blue marker lines drawn since the last reset, by x.
    std::vector<double> markers() const {
        std::vector<double> out;
        for (const auto& l : drawn(Kind::Line))
            if (l.x0 == l.x1 && l.y0 == 51 && l.y1 == 330 && l.stroke.colour.blue == 1.0) out.push_back(l.x0);
        return out;
    }
    bool erasedWholeWindow() const {
        for (const auto& e : drawn(Kind::Erase))
            if (e.x0 == 0 && e.y0 == 0 && e.x1 == 540 && e.y1 == 900) return true;
        return false;
    }
};

TEST_F(PointerEvents, ReadOutFollowsThePointerUnderACrossHair) {
    const platform::WindowNumber front = platform::activeWindow();
    EXPECT_TRUE(responsePointerMoved(275, 200));  // 100 Hz
    EXPECT_TRUE(crossHairShown());
    EXPECT_EQ(readOut().at(1), " 100Hz");
    // The graph's borders count as inside; 45 px is 10 Hz, 505 px 1 kHz.
    EXPECT_TRUE(responsePointerMoved(45, 50));
    EXPECT_FLOAT_EQ(state.cursor.ffpn, 10.0f);
    EXPECT_TRUE(responsePointerMoved(505, 330));
    EXPECT_FLOAT_EQ(state.cursor.logff, 3.0f);
    EXPECT_EQ(platform::activeWindow(), front);  // passing over the window does not raise it

    EXPECT_TRUE(responsePointerMoved(520, 200));  // beside the graph: the arrow
    EXPECT_TRUE(arrowShown());
    responsePointerMoved(275, 200);
    EXPECT_FALSE(responsePointerMoved(520, 360));  // below the legend line: left alone
    EXPECT_TRUE(crossHairShown());
}

TEST_F(PointerEvents, ClickFreezesAtAMarkerAndTheNextReleasesWhereItWas) {
    responsePointerMoved(200, 150);
    EXPECT_TRUE(responsePointerDown(200, 150, 1));
    EXPECT_EQ(state.cursor.MouseDown, 1);
    EXPECT_EQ(markers(), std::vector<double>{200.5});
    EXPECT_TRUE(arrowShown());

    provider.window.reset();
    responsePointerMoved(400, 150);  // frozen: the read-out stays
    EXPECT_TRUE(textsAt(39.0).empty());

    EXPECT_TRUE(responsePointerDown(400, 150, 1));
    EXPECT_EQ(state.cursor.MouseDown, 0);
    EXPECT_TRUE(erasedWholeWindow());
    EXPECT_TRUE(markers().empty());
    EXPECT_EQ(readOut().at(1), " 352Hz");  // recomputed at the releasing click: 349.5 Hz snapped
}

TEST_F(PointerEvents, DoubleClickLeavesTheMarkerItsFirstPressSet) {
    responsePointerDown(300, 150, 1);
    EXPECT_TRUE(responsePointerDown(300, 150, 2));
    EXPECT_EQ(state.cursor.MouseDown, 1);
    EXPECT_EQ(state.cursor.CursorPosi, 255);
}

TEST_F(PointerEvents, StepPageMovesItsOwnTimeMarker) {
    state.view.s_Resp = "st";
    ReDispResposeWnd();
    responsePointerMoved(275, 150);
    EXPECT_EQ(state.cursor.StepCursPoint, 230);
    responsePointerDown(275, 150, 1);
    EXPECT_EQ(state.cursor.StepMouseDown, 1);
    EXPECT_EQ(state.cursor.MouseDown, 0);
    // A redraw while frozen keeps the time marker where it was.
    provider.window.reset();
    ReDispResposeWnd();
    EXPECT_EQ(markers(), std::vector<double>{275.5});
    responsePointerDown(100, 150, 1);
    EXPECT_EQ(state.cursor.StepMouseDown, 0);
    EXPECT_EQ(state.cursor.StepCursPoint, 55);
}

TEST_F(PointerEvents, NothingHappensWhileTheReadOutCannotShow) {
    struct Row { const char* why; void (*set)(); };
    const Row rows[] = {{"details closed", [] { state.cursor.detailTriBtn = 0; }},
                        {"printing", [] { state.draw.DoPrint = 1; }},
                        {"a sheet is up", [] { state.shell.InterceptEvHnd = 1; }},
                        {"Nyquist page", [] { state.view.s_Resp = "nq"; }},
                        {"profile page", [] { state.view.s_Resp = "sys"; }}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.why);
        state.cursor.detailTriBtn = 1;
        state.draw.DoPrint = 0;
        state.shell.InterceptEvHnd = 0;
        state.view.s_Resp = "amp";
        r.set();
        platform::setCursor(platform::Cursor::PointingHand);
        provider.window.reset();
        EXPECT_FALSE(responsePointerMoved(200, 150));
        EXPECT_FALSE(responsePointerDown(200, 150, 1));
        EXPECT_EQ(state.cursor.MouseDown, 0);
        EXPECT_TRUE(pointingHandShown());
        EXPECT_TRUE(provider.window.elements().empty());
        state.draw.DoPrint = 0;
    }
    // The first click after the window was deactivated only activates it.
    state.shell.WndDeactiveFlag = 1;
    EXPECT_FALSE(responsePointerDown(200, 150, 1));
    EXPECT_EQ(state.cursor.MouseDown, 0);
}

}  // namespace
}  // namespace quendal::test
