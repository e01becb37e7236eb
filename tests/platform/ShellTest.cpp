// The program as it starts: the response window on screen with a File
// menu whose Quit, or the window's close box, ends it.
#include <QMenuBar>
#include <QTest>
#include <QWindow>

#include "PlatformFixture.h"
#include "app/Shell.h"

namespace quendal::test {
namespace {

class ShellTest : public PlatformTest {
protected:
    QWindow* responseHandle() { return platform::qt::windowWidget(kResponseWindow)->windowHandle(); }
};

TEST_F(ShellTest, ShowsTheEmptyResponseWindowWithItsFileMenu) {
    openShell();
    ASSERT_TRUE(platform::windowExists(7));
    EXPECT_TRUE(platform::isWindowVisible(7));
    EXPECT_EQ(platform::windowTitle(7), "Response");
    const Rect16 b = platform::windowBounds(7);
    EXPECT_EQ(b.right - b.left, 540);
    EXPECT_EQ(b.bottom - b.top, 390);
    EXPECT_EQ(platform::menuBar(), (std::vector<int32_t>{1}));
    EXPECT_EQ(platform::menuItemText(1, 1), "Quit");
    auto* bar = platform::qt::windowWidget(7)->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->actions().size(), 1);
    EXPECT_EQ(bar->actions().at(0)->text(), QStringLiteral("File"));
}

TEST_F(ShellTest, CommandQQuitsCleanly) {
    openShell();
    ASSERT_TRUE(QTest::qWaitForWindowActive(responseHandle()));
    QTest::keyClick(responseHandle(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(platform::runEventLoop(), 0);
    EXPECT_FALSE(platform::windowExists(7));
}

TEST_F(ShellTest, ClosingTheResponseWindowQuits) {
    openShell();
    platform::qt::windowWidget(7)->close();
    EXPECT_FALSE(platform::windowExists(7));
    EXPECT_EQ(platform::runEventLoop(), 0);
}

}  // namespace
}  // namespace quendal::test
