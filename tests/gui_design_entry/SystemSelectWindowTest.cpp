// The System Select window driven as a user drives it: the mouse through
// the window's own events, the keys and the tab through the routines the
// shell's rows call.
#include "DesignEntryFixture.h"

#include <QTabBar>
#include <QWindow>

#include "model/WindowNumbers.h"
#include "selection/SystemChooser.h"
#include "selection/SystemSelect.h"

namespace quendal::test {
namespace {

// What the shell's rows of window 3 do with a mouse-down.
int32_t chooserRows(const platform::WindowEvent& event, int32_t) {
    if (event.kind != platform::WindowEventKind::MouseDown) return platform::kEventNotHandled;
    return systemSelectMouseDown(event.x, event.y, event.clickCount) ? platform::kHandled : platform::kEventNotHandled;
}

class SystemSelectWindow : public DesignEntryTest {
protected:
    void SetUp() override {
        DesignEntryTest::SetUp();
        state.prefs.InitSetupCheck = 0;
        state.speaker.QTS2 = 0.4;
    }

    void open() {
        SystemSelectWnd();
        platform::installWindowHandler(kSystemSelectWindow, chooserRows, kSystemSelectWindow);
        QWindow* handle = platform::qt::windowWidget(kSystemSelectWindow)->windowHandle();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(handle));
    }

    QWindow* handle() { return platform::qt::windowWidget(kSystemSelectWindow)->windowHandle(); }

    // The window point of the middle of a position's frame.
    QPoint middleOf(int32_t position) {
        const ChooserPicture frame = systemSelectPictures()[std::size_t(position - 1)];
        const QPoint local(int((frame.left + frame.right) / 2), int((frame.top + frame.bottom) / 2));
        return platform::qt::contentWidget(kSystemSelectWindow)->mapTo(platform::qt::windowWidget(kSystemSelectWindow), local);
    }

    int widgetCount() { return int(platform::qt::windowWidget(kSystemSelectWindow)->findChildren<QObject*>().size()); }
};

TEST_F(SystemSelectWindow, ASingleClickSelectsTheSystemUnderIt) {
    open();
    QTest::mouseClick(handle(), Qt::LeftButton, Qt::NoModifier, middleOf(6));
    EXPECT_EQ(state.selection.SysSelBtnNum, 6);
    EXPECT_EQ(state.selection.preSysSelBtnNum, 6);
    EXPECT_EQ(state.entry.mouseH, 0);  // put back after the hit test
    EXPECT_TRUE(platform::windowExists(kSystemSelectWindow));
    EXPECT_EQ(state.shell.curentWndID, kSystemSelectWindow);
}

TEST_F(SystemSelectWindow, ADoubleClickStartsTheDesignOfTheSystemUnderTheSecondClick) {
    state.view.s_Resp = "imp";
    state.box.QL1 = 20.0;
    state.selection.Alin = 4;
    open();
    QTest::mouseDClick(handle(), Qt::LeftButton, Qt::NoModifier, middleOf(3));
    EXPECT_FALSE(platform::windowExists(kSystemSelectWindow));
    EXPECT_EQ(state.selection.SysSelTabNum, 1);
    EXPECT_EQ(state.selection.SysSelBtnNum, 3);
    EXPECT_EQ(state.selection.InitSysType, 2);  // the Vented Box has a vent
    EXPECT_EQ(state.shell.DoubleClick, 0);
    // A new design starts from the amplitude view, the initial loss factors
    // and the first alignment, computed for the driver.
    EXPECT_EQ(state.view.s_Resp, "amp");
    EXPECT_DOUBLE_EQ(state.box.QL1, 7.0);
    EXPECT_EQ(state.selection.Alin, 1);
    EXPECT_GT(state.box.VB1, 0.0);
    EXPECT_GT(state.box.FB1, 0.0);
}

TEST_F(SystemSelectWindow, ADoubleClickBesideThePicturesStartsNothing) {
    open();
    const QPoint between = platform::qt::contentWidget(kSystemSelectWindow)
                               ->mapTo(platform::qt::windowWidget(kSystemSelectWindow), QPoint(100, 215));
    QTest::mouseDClick(handle(), Qt::LeftButton, Qt::NoModifier, between);
    EXPECT_TRUE(platform::windowExists(kSystemSelectWindow));
    EXPECT_EQ(state.shell.curentWndID, kSystemSelectWindow);
    EXPECT_EQ(state.shell.DoubleClick, 0);
    EXPECT_EQ(state.selection.SysSelBtnNum, 1);
}

TEST_F(SystemSelectWindow, PickingNeverAddsWidgets) {
    open();
    const int before = widgetCount();
    for (int i = 0; i < 20; ++i) {
        systemSelectArrowKey(platform::kRightArrowChar);
        systemSelectArrowKey(platform::kDownArrowChar);
        QTest::mouseClick(handle(), Qt::LeftButton, Qt::NoModifier, middleOf(1 + i % 8));
        if (i % 5 == 0) systemSelectToggleTab();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(widgetCount(), before);
}

TEST_F(SystemSelectWindow, SpaceShowsTheOtherTabAtTheSamePosition) {
    state.selection.SysSelBtnNum = 3;
    open();
    EXPECT_EQ(platform::controlText(kSystemSelectWindow, 13), "Vented Box");
    systemSelectToggleTab();
    EXPECT_EQ(state.selection.SysSelTabNum, 2);
    EXPECT_EQ(state.selection.SysSelBtnNum, 3);
    EXPECT_EQ(platform::controlValue(kSystemSelectWindow, 3), 2);
    EXPECT_EQ(platform::controlText(kSystemSelectWindow, 13), "Serial Raveza Type1");
    systemSelectToggleTab();
    EXPECT_EQ(platform::controlText(kSystemSelectWindow, 13), "Vented Box");
}

TEST_F(SystemSelectWindow, ClickingATabShowsItsSystems) {
    open();
    QTabBar* bar = platform::qt::controlWidget(kSystemSelectWindow, 3)->findChild<QTabBar*>();
    ASSERT_NE(bar, nullptr);
    bar->setCurrentIndex(1);  // as a click on "Band Pass System" does; the shell's row follows
    systemSelectTabChanged();
    EXPECT_EQ(state.selection.SysSelTabNum, 2);
    EXPECT_EQ(platform::controlText(kSystemSelectWindow, 11), "Raveza");
}

TEST_F(SystemSelectWindow, ArrowKeysWrapAndNeverStartTheDesign) {
    state.selection.SysSelBtnNum = 8;
    open();
    state.shell.DoubleClick = 1;  // left over from nowhere: a key pick still only selects
    systemSelectArrowKey(platform::kRightArrowChar);
    EXPECT_EQ(state.selection.SysSelBtnNum, 1);
    EXPECT_EQ(state.selection.preSysSelBtnNum, 1);
    EXPECT_TRUE(platform::windowExists(kSystemSelectWindow));
    systemSelectArrowKey(platform::kUpArrowChar);
    EXPECT_EQ(state.selection.SysSelBtnNum, 1);
}

TEST_F(SystemSelectWindow, TheArrowButtonServesOnlyWhileWorkingWithTheDriverDatabase) {
    open();
    EXPECT_FALSE(platform::isControlEnabled(kSystemSelectWindow, 10));
    state.shell.s_MasgMenu = "BootQnDL";
    open();
    EXPECT_TRUE(platform::isControlEnabled(kSystemSelectWindow, 10));
}

TEST_F(SystemSelectWindow, ADamagedSelectionStartsFromTheFirstSystem) {
    state.selection.SysSelTabNum = 7;
    state.selection.SysSelBtnNum = 0;
    open();
    EXPECT_EQ(state.selection.SysSelTabNum, 1);
    EXPECT_EQ(state.selection.SysSelBtnNum, 1);
    EXPECT_EQ(platform::controlText(kSystemSelectWindow, 11), "Infinite Baffle");
}

TEST_F(SystemSelectWindow, OpensAtItsSavedPlaceOnlyWhenAskedTo) {
    state.bounds.SysSelWndBounds = {120, 80, 610, 675};
    state.prefs.BoundsCheck = 1;
    open();
    Rect16 b = platform::windowBounds(kSystemSelectWindow);
    EXPECT_EQ(b.left, 80);
    EXPECT_EQ(b.top, 120);
    EXPECT_EQ(b.right - b.left, 595);
    EXPECT_EQ(b.bottom - b.top, 490);
    state.prefs.BoundsCheck = 0;
    open();
    EXPECT_EQ(state.bounds.SysSelWndBounds.left, 0);
    EXPECT_EQ(state.bounds.SysSelWndBounds.right, 595);
}

TEST_F(SystemSelectWindow, CancelLeavesTheWindow) {
    open();
    systemSelectCancel();
    EXPECT_FALSE(platform::windowExists(kSystemSelectWindow));
    EXPECT_EQ(state.shell.curentWndID, 0);
}

TEST_F(SystemSelectWindow, EveryTextFitsItsRectangleOnBothTabs) {
    state.speaker.s_SP = std::string(40, 'W');  // a long model name is shortened to fit
    open();
    EXPECT_EQ(labelsThatDoNotFit(kSystemSelectWindow), std::vector<std::string>{});
    systemSelectToggleTab();
    EXPECT_EQ(labelsThatDoNotFit(kSystemSelectWindow), std::vector<std::string>{});
}

}  // namespace
}  // namespace quendal::test
