// The System Info palette as real widgets: where it opens, what its lines
// say, its disclosure of the speaker connection and its pictures.
#include <QLabel>
#include <QTest>
#include <QToolButton>

#include "gui_profile/PaletteFixture.h"
#include "platform/qt/Registry.h"
#include "selection/SystemInfoPalette.h"

namespace quendal::test {
namespace {

int16_t heightOf(Rect16 r) { return int16_t(r.bottom - r.top); }

TEST_F(PaletteTest, OpensBesideTheResponseWindowWithTheDesignsLines) {
    SystemInfoFloatPalet();
    ASSERT_TRUE(platform::windowExists(8));
    EXPECT_TRUE(platform::isWindowVisible(8));
    EXPECT_EQ(platform::windowTitle(8), "System Info Palette");
    const Rect16 at = platform::windowBounds(8);
    EXPECT_EQ(at.left, kResponse.left - 210);
    EXPECT_EQ(at.top, kResponse.top);
    EXPECT_EQ(at.right - at.left, 200);
    EXPECT_EQ(heightOf(at), 350);  // the connection hidden
    EXPECT_EQ(state.shell.SysInfoFlag, 0);

    EXPECT_EQ(platform::controlText(8, 1110), "Test20-04");
    EXPECT_EQ(platform::controlText(8, 32), ": 88.3 dB");
    // The input power follows the driver's rating (the preferences' default):
    // one driver at its Pemax of 100 W.
    EXPECT_EQ(platform::controlText(8, 33), ": 100 Watts");
    EXPECT_EQ(platform::controlText(8, 37), ": No Data");
    EXPECT_EQ(state.ref.s_SPL, "88.3");
    // The closed box's names over its picture, and nothing of a vent.
    EXPECT_EQ(platform::controlText(8, 201), "Vb");
    EXPECT_EQ(platform::controlText(8, 204), "Qa");
    EXPECT_FALSE(platform::controlExists(8, 205));
    EXPECT_FALSE(platform::controlExists(8, 251));
    EXPECT_TRUE(platform::controlExists(8, 401));
    EXPECT_TRUE(platform::controlExists(8, 405));
}

TEST_F(PaletteTest, ANegativeLevelKeepsItsMinusSign) {
    state.ref.SPL = -3.24;
    SystemInfoFloatPalet();
    EXPECT_EQ(platform::controlText(8, 32), ": -3.2 dB");
}

TEST_F(PaletteTest, LowInputPowerIsReplacedByTheEnteredOne) {
    state.power.InputPowerCheck = 0;  // the power entered, not the driver's rating
    SystemInfoFloatPalet();
    state.power.PIN = 0.3;
    state.power.PinTemp = 1234.56;
    DispSPLPIN();
    EXPECT_EQ(state.power.PIN, 1234.56);
    EXPECT_EQ(platform::controlText(8, 33), ": 1234.5 Watts");  // cut after six characters, not rounded
}

TEST_F(PaletteTest, LongNamesAreSetSmallerAndLower) {
    state.selection.SysSelBtnNum = 4;  // Passive Radiator: the unit entered is named
    state.speaker.s_SP = "ABCDEFGHIJKLMN";
    state.radiator.PRDataInFlag = 1;
    state.radiator.s_PR = "ABCDEFGHIJKL";
    SystemInfoFloatPalet();
    EXPECT_EQ(platform::controlBounds(8, 1110).top, 22);
    EXPECT_EQ(platform::controlBounds(8, 37).top, 66);
    EXPECT_EQ(platform::controlText(8, 37), ": ABCDEFGHIJKL");
}

TEST_F(PaletteTest, TheTriangleShowsAndHidesTheSpeakerConnection) {
    SystemInfoFloatPalet();
    // The shell's row for the triangle, as its control handler runs it.
    platform::installControlHandler(
        8, 20, [](const platform::ControlEvent&, int32_t) { return SysFigTriBtnHandler(); }, 20);
    auto* triangle = qobject_cast<QToolButton*>(platform::qt::controlWidget(8, 20));
    ASSERT_NE(triangle, nullptr);
    const Rect16 closed = platform::windowBounds(8);

    QTest::mouseClick(triangle, Qt::LeftButton);
    Rect16 now = platform::windowBounds(8);
    EXPECT_EQ(heightOf(now), 535);
    EXPECT_EQ(now.top, closed.top);
    EXPECT_EQ(now.left, closed.left);
    EXPECT_EQ(now.right, closed.right);
    EXPECT_EQ(state.shell.sysFigTriBtn, 1);
    EXPECT_EQ(platform::controlValue(8, 20), 1);

    QTest::mouseClick(triangle, Qt::LeftButton);
    now = platform::windowBounds(8);
    EXPECT_EQ(heightOf(now), 350);
    EXPECT_EQ(state.shell.sysFigTriBtn, 0);
    EXPECT_EQ(platform::controlValue(8, 20), 0);

    // The keyboard's way (Option+S) runs the same routine.
    SysFigTriBtnHandler();
    EXPECT_EQ(heightOf(platform::windowBounds(8)), 535);
    EXPECT_TRUE(triangle->isChecked());
}

TEST_F(PaletteTest, OpensWhereItWasLeftWhenPlacesAreKept) {
    state.prefs.FastOpenFlag = 0;
    state.prefs.BoundsCheck = 1;
    state.shell.sysFigTriBtn = 1;
    state.bounds.InfoWndBounds = {60, 100, 410, 300};  // clear of the response window
    SystemInfoFloatPalet();
    const Rect16 at = platform::windowBounds(8);
    EXPECT_EQ(at.top, 60);
    EXPECT_EQ(at.left, 100);
    EXPECT_EQ(heightOf(at), 535);  // the disclosure open, whatever the saved height
}

TEST_F(PaletteTest, ChangingTheConnectionLeavesOnePictureCentredInItsPane) {
    SystemInfoFloatPalet();
    state.connection.SpConNum = 5;
    platform::setCurrentWindow(8);
    GetSpConImageForSysInfoPalet();
    ASSERT_TRUE(platform::controlExists(8, 405));
    const Rect16 picture = platform::controlBounds(8, 405);
    EXPECT_EQ(picture.left, 9);
    EXPECT_EQ(picture.top, 24);
    EXPECT_EQ(picture.right, 151);  // 9 + 142: 9 px free on both sides of the 160 px pane
    auto* pane = platform::qt::controlWidget(8, 404);
    ASSERT_NE(pane, nullptr);
    EXPECT_EQ(pane->findChildren<QLabel*>().size(), 1);
}

TEST_F(PaletteTest, PicturesThatCannotBeLoadedLeaveEmptyViews) {
    platform::setResourceFolder(folder.path().toStdString());  // holds no pictures
    SystemInfoFloatPalet();
    auto* picture = qobject_cast<QLabel*>(platform::qt::controlWidget(8, 401));
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(picture->pixmap().isNull());
    EXPECT_EQ(state.shell.SysInfoFlag, 0);
    EXPECT_EQ(platform::controlText(8, 201), "Vb");
}

}  // namespace
}  // namespace quendal::test
