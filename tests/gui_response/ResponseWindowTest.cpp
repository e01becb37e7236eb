// The response page in a real window, offscreen: the pointer's read-out
// driven by real mouse events, legend pictures clicked as widgets, and the
// rendered page checked by its pixels.
#include <cstdlib>
#include <vector>

#include <QGuiApplication>
#include <QImage>
#include <QStyleHints>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include "response/CofCal.h"
#include "model/State.h"
#include "platform/Platform.h"
#include "platform/qt/Registry.h"
#include "support/DrawnCurves.h"
#include "view/Explanation.h"
#include "view/NyquistReadout.h"
#include "view/ResponsePointer.h"
#include "view/ResponseRedraw.h"

namespace quendal::test {
namespace {

// What the shell's rows for window 7 do with the pointer and the legend.
int32_t pointerRows(const platform::WindowEvent& e, int32_t) {
    bool consumed = false;
    if (e.kind == platform::WindowEventKind::MouseMoved) consumed = responsePointerMoved(e.x, e.y);
    if (e.kind == platform::WindowEventKind::MouseDown) consumed = responsePointerDown(e.x, e.y, e.clickCount);
    return consumed ? platform::kHandled : platform::kEventNotHandled;
}
int32_t legendRows(const platform::ControlEvent& e, int32_t) {
    if (e.kind != platform::ControlEventKind::Hit) return platform::kEventNotHandled;
    legendPictureClicked(e.control);
    return platform::kHandled;
}

class ResponseWindow : public testing::Test {
protected:
    void SetUp() override {
        resetState();
        platform::resetPlatform();
        useEnteredDriver();
        state.box.QA = state.box.QA1 = state.box.QA2 = 10.0;
        state.box.QL = state.box.QL1 = state.box.QL2 = state.box.QL3 = 7.0;
        state.selection.SysSelTabNum = 1;
        state.selection.SysSelBtnNum = 3;  // Vented Box
        state.selection.Alin = 1;
        CofCal();
        state.view.Disp = 2;
        state.cursor.detailTriBtn = 1;
        ASSERT_TRUE(platform::createWindow(7, platform::WindowKind::Document, Rect16{100, 100, 490, 640}, "Response"));
        platform::installWindowHandler(7, pointerRows, 7);
        platform::showWindow(7);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(handle()));
    }
    void TearDown() override {
        platform::resetPlatform();
        resetState();
    }

    QWindow* handle() { return platform::qt::windowWidget(7)->windowHandle(); }
    QPoint at(int x, int y) { return platform::qt::contentWidget(7)->mapTo(platform::qt::windowWidget(7), QPoint(x, y)); }
    QImage drawing() { return platform::qt::findWindow(7)->surface->image(); }
    void redraw(const char* page) {
        state.view.s_Resp = page;
        ReDispResposeWnd();
        for (int32_t c = 400; c <= 403; ++c)
            if (platform::controlExists(7, c)) platform::installControlHandler(7, c, legendRows, c);
    }
};

// Counts pixels of the colour (within a tolerance) in the rectangle.
int count(const QImage& image, QRect area, QColor colour, int tolerance = 40) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
                         std::abs(c.blue() - colour.blue()) < tolerance ? 1 : 0;
        }
    return n;
}
const QColor kMarkerBlue = QColor::fromRgbF(0.0f, 0.3f, 1.0f);
const QColor kOrange = QColor::fromRgbF(1.0f, 0.5294f, 0.0f);

TEST_F(ResponseWindow, RealMouseEventsFreezeAndReleaseTheReadOut) {
    redraw("amp");
    QTest::mouseMove(handle(), at(275, 200));
    EXPECT_FLOAT_EQ(state.cursor.ffpn, 100.0f);
    EXPECT_GT(count(drawing(), QRect(381, 25, 124, 18), kOrange), 100);  // the read-out's frame

    QTest::mousePress(handle(), Qt::LeftButton, Qt::NoModifier, at(300, 200));
    QTest::mouseRelease(handle(), Qt::LeftButton, Qt::NoModifier, at(300, 200));
    EXPECT_EQ(state.cursor.MouseDown, 1);
    const float frozen = state.cursor.ffpn;
    EXPECT_GT(count(drawing(), QRect(300, 60, 2, 260), kMarkerBlue, 60), 200);  // the marker at x 300.5

    QTest::mouseMove(handle(), at(150, 200));
    EXPECT_EQ(state.cursor.ffpn, frozen);
    // The next press, stamped a double click's interval later, is a click of its own.
    QTest::mousePress(handle(), Qt::LeftButton, Qt::NoModifier, at(150, 200),
                      QGuiApplication::styleHints()->mouseDoubleClickInterval());
    EXPECT_EQ(state.cursor.MouseDown, 0);
    EXPECT_LT(count(drawing(), QRect(300, 60, 2, 260), kMarkerBlue, 60), 20);  // redrawn without it
}

TEST_F(ResponseWindow, LegendPictureClickSelectsItsCurveAtPressOrRelease) {
    for (int32_t kind : {305, 304}) {
        state.shell.ControlPictureProc = kind;
        state.point.respNum = 1;
        redraw("amp");
        QWidget* picture = platform::qt::controlWidget(7, 402);
        ASSERT_NE(picture, nullptr);
        QTest::mousePress(picture, Qt::LeftButton);
        EXPECT_EQ(state.point.respNum, kind == 305 ? 3 : 1) << kind;
        QTest::mouseRelease(picture, Qt::LeftButton);
        EXPECT_EQ(state.point.respNum, 3) << kind;
        // The read-out now wears the curve's blue.
        EXPECT_GT(count(drawing(), QRect(381, 25, 124, 18), QColor::fromRgbF(0.0f, 0.5112f, 1.0f)), 100) << kind;
    }
}

TEST_F(ResponseWindow, PageWithItsLegendRendersAndAPageChangeRemovesIt) {
    redraw("amp");
    const QImage shot = platform::qt::contentWidget(7)->grab().toImage();
    ASSERT_GE(shot.width(), 540);
    if (const char* keep = std::getenv("QUENDAL_KEEP_PNG")) shot.save(QString::fromLocal8Bit(keep));
    // The thick orange total crosses the plot (the direct sound's green covers
    // it at the top); the labels' ink stands in the strip.
    EXPECT_GT(count(shot, QRect(45, 50, 460, 280), kOrange), 250);
    EXPECT_GT(count(shot, QRect(102, 352, 38, 16), Qt::black, 200), 10);   // "Total"
    EXPECT_GT(count(shot, QRect(302, 352, 38, 16), Qt::black, 200), 10);   // "Vent"
    EXPECT_EQ(count(shot, QRect(402, 352, 100, 16), Qt::black, 200), 0);   // no fourth entry
    EXPECT_EQ(count(shot, QRect(0, 0, 540, 390), kMarkerBlue, 30), 0);

    redraw("ph");
    for (int32_t c : {400, 401, 402, 71, 72, 73, 406, 407, 408}) EXPECT_FALSE(platform::controlExists(7, c)) << c;
    const QImage phase = platform::qt::contentWidget(7)->grab().toImage();
    EXPECT_EQ(count(phase, QRect(102, 352, 300, 16), Qt::black, 200), 0);  // the strip is gone
    redraw("nq");
    EXPECT_TRUE(platform::controlExists(7, 406) && platform::controlExists(7, 407));
    EXPECT_GT(count(drawing(), QRect(130, 50, 280, 280), QColor::fromRgbF(0.0f, 0.0f, 1.0f), 60), 20);  // the dot
    redraw("st");
    EXPECT_FALSE(platform::controlExists(7, 406) || platform::controlExists(7, 407) || platform::controlExists(7, 408));
}


// A Nyquist slider step puts back the frame and curve the step before kept:
// the window shows the same pixels as when every step draws them anew, and
// a redraw of the page in between (here of a changed design) is drawn in
// full, not covered by what was kept.
TEST_F(ResponseWindow, NyquistSliderStepsFromTheKeptCurveDrawTheSamePixels) {
    auto steps = [&](bool keep) {
        state.box.QL = state.box.QL1 = 7.0;
        CofCal();
        redraw("nq");
        std::vector<QImage> shots;
        const auto step = [&](int32_t position) {
            if (!keep) state.draw.NyquistAreaKept = 0;
            nyquistSliderMoved(position);
            shots.push_back(drawing());
        };
        for (int32_t position : {0, 1, 120, 460}) step(position);
        EXPECT_EQ(state.draw.NyquistAreaKept, 1);
        state.box.QL = state.box.QL1 = 3.0;
        CofCal();
        redraw("nq");
        EXPECT_EQ(state.draw.NyquistAreaKept, 0);
        for (int32_t position : {200, 201}) step(position);
        return shots;
    };
    const std::vector<QImage> kept = steps(true), drawn = steps(false);
    ASSERT_EQ(kept.size(), drawn.size());
    for (size_t i = 0; i < kept.size(); ++i) EXPECT_TRUE(kept[i] == drawn[i]) << "step " << i;
    EXPECT_FALSE(kept[3] == kept[4]);  // the changed design shows
}

}  // namespace
}  // namespace quendal::test
