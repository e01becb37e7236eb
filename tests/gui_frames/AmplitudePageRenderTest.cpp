// A whole amplitude page of a real design, frame and curve, drawn by the Qt
// backend into the response window and written as a PNG.
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "model/State.h"
#include "platform/Platform.h"
#include "response/ResponseCal.h"
#include "support/DrawnCurves.h"
#include "support/PixelColour.h"
#include "view/ResponseGraphs.h"

namespace quendal::test {
namespace {

// The curve's orange (1.0, 0.5294, 0.0), also where its edges blend with
// the white background.
bool isCurve(const Rgb& c) { return c.r > 230 && c.g > 110 && c.g < 215 && c.b < 120 && c.g - c.b > 80; }

class AmplitudePageRender : public testing::Test {
protected:
    void SetUp() override {
        resetState();
        platform::resetPlatform();
        // The program's default driver in a closed box.
        test::useEnteredDriver();
        state.box.QA = state.box.QA1 = state.box.QA2 = 10.0;
        state.box.QL = state.box.QL1 = state.box.QL2 = state.box.QL3 = 7.0;
        state.selection.SysSelTabNum = 1;
        state.selection.SysSelBtnNum = 2;
        state.selection.Alin = 1;
        state.view.Disp = 1;
        state.view.Magni = 1;
        state.view.Scale = 5;
        ASSERT_TRUE(platform::createWindow(7, platform::WindowKind::Document, Rect16{100, 100, 490, 640}, "Response"));
        platform::showWindow(7);
    }
    void TearDown() override {
        platform::resetPlatform();
        resetState();
    }
    QTemporaryDir folder;
};

TEST_F(AmplitudePageRender, CurveLiesInsideThePlotAtTheReferenceLevel) {
    SPLcal();
    ampGraph();
    ampPlot();
    const std::string path = QDir(folder.path()).filePath("amplitude.png").toStdString();
    ASSERT_TRUE(platform::writeWindowPng(7, path));
    if (const char* keep = std::getenv("QUENDAL_KEEP_PNG")) platform::writeWindowPng(7, keep);
    const QImage image(QString::fromStdString(path));
    ASSERT_FALSE(image.isNull());
    ASSERT_GE(image.width(), 540);
    ASSERT_GE(image.height(), 390);

    // Every curve pixel lies inside the plot area; the curve enters from
    // below (the box rolls off under its resonance) and runs to the right edge.
    int columnsWithCurve = 0, rightmost = 0;
    for (int x = 0; x < 540; ++x) {
        bool column = false;
        for (int y = 0; y < 390; ++y) {
            if (!isCurve(rgbAt(image, x, y))) continue;
            EXPECT_GE(x, 45);
            EXPECT_LE(x, 505);
            EXPECT_GE(y, 49);
            EXPECT_LE(y, 331);
            column = true;
        }
        if (column) {
            ++columnsWithCurve;
            rightmost = x;
        }
    }
    EXPECT_GT(columnsWithCurve, 350);
    EXPECT_GE(rightmost, 504);

    // Far above the resonance the closed box plays at the reference level:
    // the labels put SPL at y = 50 + 8 (100 + sift - SPL).
    const double referenceY = 50.0 + 8.0 * (100.0 + state.scales.sift - state.ref.SPL);
    ASSERT_GT(referenceY, 50.0);
    ASSERT_LT(referenceY, 330.0);
    bool near = false;
    for (int y = static_cast<int>(referenceY) - 3; y <= static_cast<int>(referenceY) + 3; ++y)
        if (isCurve(rgbAt(image, 495, y))) near = true;
    EXPECT_TRUE(near) << "reference level at y " << referenceY;

    // The frame: grey border at the plot's left edge, black title ink above the plot.
    const Rgb border = rgbAt(image, 45, 200);
    EXPECT_LT(border.r, 120);
    EXPECT_EQ(border.r, border.b);
    int titleInk = 0;
    for (int x = 238; x < 310; ++x)
        for (int y = 8; y < 22; ++y)
            if (rgbAt(image, x, y).r < 100) ++titleInk;
    EXPECT_GT(titleInk, 20);
}

}  // namespace
}  // namespace quendal::test
