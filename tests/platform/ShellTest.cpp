// The program as it starts: before any design, the small "Quendal" window
// carries the whole menu bar; its Quit (Command-Q), or the window's close
// box, ends the program. The response window opens later at 540 x 390.
#include <QMenuBar>
#include <QTest>
#include <QWindow>

#include "PlatformFixture.h"
#include "app/Startup.h"
#include "model/WindowNumbers.h"
#include "support/MessagingDoubles.h"

namespace quendal::test {
namespace {

class ShellTest : public PlatformTest {
protected:
    // A start with a driver database running: the start timer waits for it.
    void start() {
        platform::setMessageService(&messenger);
        int argc = 1;
        char name[] = "quendal";
        char* argv[] = {name, nullptr};
        StartQuendal(argc, argv);
    }
    void TearDown() override {
        platform::setMessageService(nullptr);
        PlatformTest::TearDown();
    }
    RecordingMessenger messenger;
    QWidget* host() { return platform::qt::menuHostWidget(); }
    QWindow* hostHandle() { return host()->windowHandle(); }
};

TEST_F(ShellTest, ShowsTheMenuBarInItsOwnWindowUntilADesignOpens) {
    start();
    ASSERT_NE(host(), nullptr);
    EXPECT_TRUE(platform::isMenuHostVisible());
    EXPECT_EQ(host()->windowTitle(), QStringLiteral("Quendal"));
    // The response window, when it opens, takes the default size.
    const Rect16 b = state.bounds.RespWndBounds;
    EXPECT_EQ(b.right - b.left, 540);
    EXPECT_EQ(b.bottom - b.top, 390);
    EXPECT_EQ(platform::menuBar(), (std::vector<int32_t>{kApplicationMenu, 1, 2, 7, 9, 13, 26, 30, 100, 50}));
    EXPECT_EQ(platform::menuItemText(kApplicationMenu, kQuitItem), "Quit Quendal");
    auto* bar = host()->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->actions().size(), 10);
    EXPECT_EQ(bar->actions().at(0)->text(), QStringLiteral("&Quendal"));
    EXPECT_EQ(bar->actions().at(1)->text(), QStringLiteral("&File"));
}

TEST_F(ShellTest, CommandQQuitsCleanly) {
    start();
    ASSERT_TRUE(QTest::qWaitForWindowActive(hostHandle()));
    QTest::keyClick(hostHandle(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(platform::runEventLoop(), 0);
    EXPECT_EQ(host(), nullptr);
}

TEST_F(ShellTest, ClosingTheMenuWindowQuits) {
    start();
    host()->close();
    EXPECT_EQ(platform::runEventLoop(), 0);
    EXPECT_EQ(host(), nullptr);
}

}  // namespace
}  // namespace quendal::test
