// A user's first way through the program, offscreen, by real keys and one
// click: the Default Parameters window the start opens, System Select,
// the Initial Setup sheet, and the design's first window.
#include <QPoint>

#include "AppFixture.h"
#include "selection/SystemChooser.h"

namespace quendal::test {
namespace {

// The centre of a picture position of the System Select window, in its
// top-level window's pixels.
QPoint positionCentre(int32_t position) {
    const ChooserPicture frame = systemSelectPictures()[std::size_t(position - 1)];
    const QPoint centre(int((frame.left + frame.right) / 2), int((frame.top + frame.bottom) / 2));
    EXPECT_EQ(systemSelectPositionAt(centre.x(), centre.y()), position);
    return platform::qt::contentWidget(kSystemSelectWindow)->mapTo(platform::qt::windowWidget(kSystemSelectWindow), centre);
}

TEST_F(AppTest, FromTheDriverToTheFirstDesignByKeys) {
    start();
    ASSERT_TRUE(QTest::qWaitFor([] { return platform::windowExists(kDefaultParametersWindow); }, 5000));
    EXPECT_EQ(state.shell.SelfOpenTimer, 0);  // fired, and gone

    press(kDefaultParametersWindow, Qt::Key_Return);
    EXPECT_FALSE(platform::windowExists(kDefaultParametersWindow));
    ASSERT_TRUE(platform::windowExists(kSystemSelectWindow));

    QTest::mouseClick(handleOf(kSystemSelectWindow), Qt::LeftButton, Qt::NoModifier, positionCentre(3));
    EXPECT_EQ(state.selection.SysSelBtnNum, 3);
    press(kSystemSelectWindow, Qt::Key_Left);
    press(kSystemSelectWindow, Qt::Key_Space);
    EXPECT_EQ(state.selection.SysSelTabNum, 2);
    press(kSystemSelectWindow, Qt::Key_Tab);
    EXPECT_EQ(state.selection.SysSelTabNum, 1);
    EXPECT_EQ(state.selection.SysSelBtnNum, 2);  // the Closed Box

    press(kSystemSelectWindow, Qt::Key_Return);
    ASSERT_TRUE(platform::windowExists(kInitialSetupSheet));
    EXPECT_FALSE(platform::isMenuItemEnabled(kFileMenu, 0));  // the menus wait for the sheet
    EXPECT_TRUE(platform::windowExists(kSystemSelectWindow));

    press(kInitialSetupSheet, Qt::Key_Return);
    EXPECT_FALSE(platform::windowExists(kInitialSetupSheet));
    EXPECT_FALSE(platform::windowExists(kSystemSelectWindow));
    EXPECT_TRUE(platform::windowExists(kSystemInfoPalette));
    EXPECT_TRUE(platform::menuExists(14));  // the Closed Box's alignments
    EXPECT_EQ(platform::menuItemText(kViewMenu, 12), "Hide System Info Palette");  // as it is: shown
    EXPECT_TRUE(dialogs.sheets.empty());

    // The start timer opens nothing more once a design is under way.
    CarbonTimerActionSelfOpen(0, nullptr);
    EXPECT_FALSE(platform::windowExists(kDefaultParametersWindow));
}

}  // namespace
}  // namespace quendal::test
