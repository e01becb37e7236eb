// The System Select window driven as a user drives it: the mouse through
// the window's own events, the keys through the routines the shell's rows
// call.
#include "DesignEntryFixture.h"

#include <QWindow>

#include "selection/SystemChooser.h"
#include "selection/SystemSelect.h"

namespace quendal::test {
namespace {

// What the shell's row of window 3 does with a mouse-down.
int32_t chooserRow(const platform::WindowEvent& event, int32_t) {
    const bool consumed = event.kind == platform::WindowEventKind::MouseDown &&
                          systemSelectMouseDown(event.x, event.y, event.clickCount);
    return consumed ? platform::kHandled : platform::kEventNotHandled;
}

class SystemSelectWindow : public DesignEntryTest {
protected:
    void SetUp() override {
        DesignEntryTest::SetUp();
        state.prefs.InitSetupCheck = 0;
    }
    void open() {
        SystemSelectWnd();
        platform::installWindowHandler(kSystemSelectWindow, chooserRow, kSystemSelectWindow);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(handle()));
    }
    QWindow* handle() { return platform::qt::windowWidget(kSystemSelectWindow)->windowHandle(); }
    // A content point in the coordinates of the window's handle.
    QPoint at(int x, int y) {
        return platform::qt::contentWidget(kSystemSelectWindow)->mapTo(platform::qt::windowWidget(kSystemSelectWindow), QPoint(x, y));
    }
    QPoint middleOf(int32_t position) {
        const ChooserPicture frame = systemSelectPictures()[std::size_t(position - 1)];
        return at(int((frame.left + frame.right) / 2), int((frame.top + frame.bottom) / 2));
    }
    int widgetCount() { return int(platform::qt::windowWidget(kSystemSelectWindow)->findChildren<QObject*>().size()); }
};

TEST_F(SystemSelectWindow, ADoubleClickStartsANewDesignOfTheSystemUnderIt) {
    state.view.s_Resp = "imp";
    state.box.QL1 = 20.0;
    state.selection.Alin = 4;
    open();
    QTest::mouseDClick(handle(), Qt::LeftButton, Qt::NoModifier, middleOf(3));
    EXPECT_FALSE(platform::windowExists(kSystemSelectWindow));
    EXPECT_EQ(state.selection.SysSelBtnNum, 3);
    EXPECT_EQ(state.selection.InitSysType, 2);  // the Vented Box has a vent
    EXPECT_EQ(state.shell.DoubleClick, 0);
    EXPECT_EQ(state.view.s_Resp, "amp");
    EXPECT_DOUBLE_EQ(state.box.QL1, 7.0);
    EXPECT_EQ(state.selection.Alin, 1);
    EXPECT_GT(state.box.VB1, 0.0);  // computed for the driver
}

TEST_F(SystemSelectWindow, ADoubleClickBesideThePicturesStartsNothing) {
    open();
    QTest::mouseDClick(handle(), Qt::LeftButton, Qt::NoModifier, at(100, 215));
    EXPECT_TRUE(platform::windowExists(kSystemSelectWindow));
    EXPECT_EQ(state.shell.curentWndID, kSystemSelectWindow);
    EXPECT_EQ(state.shell.DoubleClick, 0);
    EXPECT_EQ(state.selection.SysSelBtnNum, 1);
}

TEST_F(SystemSelectWindow, ClicksAndKeysPickWithoutAddingWidgets) {
    open();
    const int before = widgetCount();
    for (int i = 0; i < 20; ++i) {
        systemSelectArrowKey(platform::kRightArrowChar);
        QTest::mouseClick(handle(), Qt::LeftButton, Qt::NoModifier, middleOf(1 + i % 8));
        if (i % 5 == 0) systemSelectToggleTab();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(widgetCount(), before);
    EXPECT_EQ(state.selection.SysSelBtnNum, 4);  // the last click's
    EXPECT_EQ(state.selection.preSysSelBtnNum, 4);
    EXPECT_EQ(state.shell.mouseH, 0);  // put back after each hit test
    EXPECT_TRUE(platform::windowExists(kSystemSelectWindow));  // no single click or key starts the design
}

TEST_F(SystemSelectWindow, SpaceShowsTheOtherTabAtTheSamePosition) {
    state.selection.SysSelBtnNum = 3;
    state.speaker.s_SP = std::string(40, 'W');  // a long model name is shortened to fit
    open();
    EXPECT_EQ(platform::controlText(kSystemSelectWindow, 13), "Vented Box");
    EXPECT_EQ(labelsThatDoNotFit(kSystemSelectWindow), std::vector<std::string>{});
    systemSelectToggleTab();
    EXPECT_EQ(state.selection.SysSelBtnNum, 3);
    EXPECT_EQ(platform::controlValue(kSystemSelectWindow, 3), 2);
    EXPECT_EQ(platform::controlText(kSystemSelectWindow, 13), "Serial Raveza Type1");
    EXPECT_EQ(labelsThatDoNotFit(kSystemSelectWindow), std::vector<std::string>{});
}

TEST_F(SystemSelectWindow, ADamagedSelectionStartsFromTheFirstSystem) {
    state.selection.SysSelTabNum = 7;
    state.selection.SysSelBtnNum = 0;
    open();
    EXPECT_EQ(state.selection.SysSelTabNum, 1);
    EXPECT_EQ(state.selection.SysSelBtnNum, 1);
    EXPECT_EQ(platform::controlText(kSystemSelectWindow, 11), "Infinite Baffle");
}

}  // namespace
}  // namespace quendal::test
