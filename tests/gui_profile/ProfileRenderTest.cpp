// A whole System Profile page drawn by the Qt backend into the response
// window and written as a PNG.
#include <QImage>
#include <gtest/gtest.h>

#include <cstdlib>

#include "gui_profile/PaletteFixture.h"
#include "view/SystemProfile.h"
#include "support/PixelColour.h"

namespace quendal::test {
namespace {

// Dark pixels in a rectangle: the ink of the texts drawn there.
int inkIn(const QImage& image, int left, int top, int right, int bottom) {
    int ink = 0;
    for (int x = left; x < right; ++x)
        for (int y = top; y < bottom; ++y)
            if (rgbAt(image, x, y).r < 110) ++ink;
    return ink;
}

TEST_F(PaletteTest, ProfilePageOfAPassiveRavezaWithItsRadiatorUnit) {
    // The page is taller than a graph page: the window is sized for it.
    platform::setWindowBounds(7, Rect16{40, 100, 760, 640});
    state.selection.SysSelTabNum = 2;
    state.selection.SysSelBtnNum = 2;
    state.view.s_Resp = "sys";
    SpeakerParameters& sp = state.speaker;
    sp.s_RANG = "35-2500";
    sp.DIA = 20; sp.FS = 50; sp.VAS = 100; sp.QTS = 0.4; sp.QES = 0.435; sp.QMS = 5; sp.EFI = 2.501;
    sp.RE = 6; sp.PEMX = 100; sp.SD = 200; sp.XMAX = 5; sp.VD = 100; sp.LE = 1;
    BoxParameters& b = state.box;
    b.VB1 = 31.5; b.FC1 = 62.4; b.QA1 = 10; b.VB2 = 18.25; b.FB2 = 48.3; b.QL1 = 7;
    PassiveRadiatorParameters& pr = state.radiator;
    pr.PRUseFlag = 1; pr.s_PR = "PR-200"; pr.PopupPRNum = 2; pr.VAPOrg = 10.5; pr.FPOrg = 22; pr.QPOrg = 6;
    state.draw.ClippingFlag = 1;
    SystemProfile();

    const std::string path = QDir(folder.path()).filePath("profile.png").toStdString();
    ASSERT_TRUE(platform::writeWindowPng(7, path));
    if (const char* keep = std::getenv("QUENDAL_KEEP_PNG")) platform::writeWindowPng(7, keep);
    const QImage image(QString::fromStdString(path));
    ASSERT_GE(image.height(), 720);

    // The figure boxes: light grey inside, a darker outline.
    const Rgb inside = rgbAt(image, 30, 90);
    EXPECT_EQ(inside.r, 237);
    EXPECT_EQ(inside.r, inside.b);
    EXPECT_LT(rgbAt(image, 20, 200).r, 120);
    EXPECT_EQ(rgbAt(image, 30, 400).r, 237);
    // Texts where the page puts them: the title, the driver rows, the
    // labels over the figure and the radiator rows at the bottom.
    EXPECT_GT(inkIn(image, 200, 26, 380, 42), 40);   // 'Passive Raveza System'
    EXPECT_GT(inkIn(image, 200, 140, 400, 152), 40); // the Fs row
    EXPECT_GT(inkIn(image, 420, 140, 476, 152), 8);  // its value in the box
    EXPECT_GT(inkIn(image, 200, 690, 400, 702), 40); // the Qmp row of the unit
    EXPECT_GT(inkIn(image, 370, 608, 476, 622), 8);  // the unit's model name
    // Nothing right of the value boxes but the units.
    EXPECT_EQ(inkIn(image, 530, 60, 540, 700), 0);
}

}  // namespace
}  // namespace quendal::test
