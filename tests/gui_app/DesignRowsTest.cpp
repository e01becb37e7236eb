// The rows of the design's windows and sheets, each handing its event to
// the routine of the window's own room, driven on a design as a user has
// it on screen.
#include <QLineEdit>
#include <QWidget>

#include "AppFixture.h"
#include "app/CommandDispatch.h"
#include "app/ControlHits.h"
#include "platform/HelpTag.h"
#include "selection/SystemSelect.h"
#include "vent/VentDesignSheet.h"
#include "view/ReSweep.h"
#include "windows/InitialSetup.h"
#include "windows/ResponseWindow.h"

namespace quendal::test {
namespace {

class DesignRowsTest : public AppTest {
protected:
    // The design of a system with its three windows, as System Select and
    // an answered Initial Setup leave it.
    void design(int32_t tab, int32_t button) {
        start();
        platform::removeTimer(state.shell.SelfOpenTimer);
        state.prefs.InitSetupCheck = 0;
        state.selection.SysSelTabNum = tab;
        state.selection.SysSelBtnNum = button;
        SystemSelectWnd();
        InitialSetupSelect();
        ASSERT_TRUE(platform::windowExists(kResponseWindow));
        ASSERT_TRUE(platform::windowExists(kCustomPalette));
    }
    void hit(int32_t window, int32_t control) {
        platform::ControlEvent event;
        event.window = window;
        event.kind = platform::ControlEventKind::Hit;
        ControlHitHandler(event, control);
    }
};

TEST_F(DesignRowsTest, TheNyquistReadOutIsTheSameWhicheverWayTheSliderCameThere) {
    design(1, 3);
    ApplicationEventHandler(kResponseMenu, 7);
    platform::setControlValue(kResponseWindow, kDetailTriangle, 1);
    hit(kResponseWindow, kDetailTriangle);
    ASSERT_TRUE(platform::controlExists(kResponseWindow, 406));

    // Above the box's tuning the phase swings through a quarter turn:
    // each position read after a visit to 10 Hz, and read afresh.
    for (int32_t position : {150, 180, 200, 230, 300}) {
        platform::setControlValue(kResponseWindow, 406, 0);
        platform::SliderControlAction(kResponseWindow, 406, 129);
        platform::setControlValue(kResponseWindow, 406, position);
        platform::SliderControlAction(kResponseWindow, 406, 129);
        EXPECT_EQ(state.cursor.CursorPosi, position);
        const double afterAVisit = state.point.fai;
        forgetResweeps();
        platform::SliderControlAction(kResponseWindow, 406, 129);
        EXPECT_NEAR(afterAVisit, state.point.fai, 1e-9) << position;
    }
    // The arrows step one pixel and the slider follows; never below 10 Hz.
    hit(kResponseWindow, 407);
    EXPECT_EQ(state.cursor.CursorPosi, 301);
    EXPECT_EQ(platform::controlValue(kResponseWindow, 406), 301);
    platform::setControlValue(kResponseWindow, 406, 0);
    platform::SliderControlAction(kResponseWindow, 406, 129);
    hit(kResponseWindow, 408);
    EXPECT_EQ(state.cursor.CursorPosi, 0);

}

TEST_F(DesignRowsTest, TheConnectionSheetAppliesOnReturnAndPutsTheConnectionBackOnEscapeOrItsCloseBox) {
    design(1, 3);
    const double vas = state.speaker.VAS;
    ApplicationEventHandler(kMiscMenu, 6);
    ASSERT_TRUE(platform::windowExists(kSpeakerConnectionSheet));
    EXPECT_FALSE(platform::isMenuItemEnabled(kFileMenu, 0));
    press(kSpeakerConnectionSheet, Qt::Key_Right);
    EXPECT_EQ(state.connection.SpConNum, 2);
    press(kSpeakerConnectionSheet, Qt::Key_Escape);
    EXPECT_FALSE(platform::windowExists(kSpeakerConnectionSheet));
    EXPECT_EQ(state.connection.SpConNum, 1);
    EXPECT_TRUE(platform::isMenuItemEnabled(kFileMenu, 0));
    EXPECT_EQ(state.shell.InterceptEvHnd, 0);

    ApplicationEventHandler(kMiscMenu, 6);
    press(kSpeakerConnectionSheet, Qt::Key_Left);  // round to Push-Pull Serial
    EXPECT_EQ(state.connection.SpConNum, 5);
    platform::qt::windowWidget(kSpeakerConnectionSheet)->close();  // its close box
    EXPECT_FALSE(platform::windowExists(kSpeakerConnectionSheet));
    EXPECT_EQ(state.connection.SpConNum, 1);
    EXPECT_TRUE(platform::isMenuItemEnabled(kFileMenu, 0));

    // Two drivers in parallel act as one of twice the compliance volume.
    ApplicationEventHandler(kMiscMenu, 6);
    press(kSpeakerConnectionSheet, Qt::Key_Right);
    press(kSpeakerConnectionSheet, Qt::Key_Return);
    EXPECT_FALSE(platform::windowExists(kSpeakerConnectionSheet));
    EXPECT_EQ(state.connection.SpConNum, 2);
    EXPECT_DOUBLE_EQ(state.speaker.VAS, 2.0 * vas);
}

TEST_F(DesignRowsTest, ReturnInTheCustomPaletteCalculatesAndItsCloseBoxOffersItAgain) {
    design(1, 3);
    ApplicationEventHandler(15, 4);  // the Vented Box's custom alignment
    auto* volume = qobject_cast<QLineEdit*>(platform::qt::controlWidget(kCustomPalette, 31));
    ASSERT_NE(volume, nullptr);
    volume->setText("120");
    press(kCustomPalette, Qt::Key_Return);
    EXPECT_DOUBLE_EQ(state.box.VB1, 120.0);

    platform::qt::windowWidget(kCustomPalette)->close();  // its close box
    EXPECT_FALSE(platform::windowExists(kCustomPalette));
    EXPECT_EQ(state.shell.CtmPaletFlag, 1);
    EXPECT_EQ(platform::menuItemText(kViewMenu, 11), "Show Custom Palette");
    EXPECT_TRUE(platform::isMenuItemEnabled(kViewMenu, 11));
    ApplicationEventHandler(kViewMenu, 11);
    EXPECT_TRUE(platform::windowExists(kCustomPalette));
}

TEST_F(DesignRowsTest, TheTwinSerialVentedFirstVentTakesItsCountFromTheEvenCountPopup) {
    design(1, 6);
    ApplicationEventHandler(kThreeVentMenu, 1);
    ASSERT_TRUE(platform::windowExists(kVentDesignSheet));
    EXPECT_TRUE(branchedVentInSheet());
    const int32_t other = state.vents.vent[1].CircVentRadio == 2 ? 1 : 2;  // the form not in force
    platform::setControlValue(kVentDesignSheet, kCircularBranchCountPopup, 4);
    platform::setControlValue(kVentDesignSheet, kCircularRadio, other);
    hit(kVentDesignSheet, kCircularRadio);
    EXPECT_EQ(state.vents.working.CircVentRadio, other);
    EXPECT_EQ(state.vents.working.CircVentNum, 4);

    // Cancel: the vent as it was, the menus of the design.
    hit(kVentDesignSheet, kVentCancelButton);
    EXPECT_FALSE(platform::windowExists(kVentDesignSheet));
    EXPECT_NE(state.vents.vent[1].CircVentRadio, other);
    EXPECT_TRUE(platform::isMenuItemEnabled(kFileMenu, 0));
}

}  // namespace
}  // namespace quendal::test
