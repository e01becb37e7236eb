// The toolkit's record of the active window follows the X server's input
// focus: when the toolkit lets go of the active window while the server
// still sends the keys to it (its wait for the focus to arrive elsewhere
// over on a busy machine), or goes on calling a window active that has
// gone from the screen (an activation of a sheet read after the sheet
// went), the window holding the server's focus is active again.
#include <functional>

#include <qpa/qwindowsysteminterface.h>

#include "DesktopFixture.h"
#include "platform/qt/ServerFocus.h"

namespace quendal::test {
namespace {

class ServerFocus : public DesktopTest {
protected:
    // What the toolkit reads from the window system, at once.
    static void activated(QWindow* window) {
        QWindowSystemInterface::handleWindowActivated<QWindowSystemInterface::SynchronousDelivery>(
            window, Qt::ActiveWindowFocusReason);
    }
};

TEST_F(ServerFocus, TheWindowHoldingTheServersKeyboardIsActiveAgain) {
    const std::pair<const char*, std::function<void()>> lapses[] = {
        {"none active", [] { activated(nullptr); }},
        {"a window gone from the screen active",
         [] {
             QWidget* palette = platform::qt::windowWidget(kSystemInfoPalette);
             activated(palette->windowHandle());
             palette->hide();
         }},
    };
    for (const auto& [lapse, happen] : lapses) {
        SCOPED_TRACE(lapse);
        TearDown();
        SetUp();
        ventedBox();
        QWidget* holding = QApplication::activeWindow();
        ASSERT_NE(holding, nullptr);
        ASSERT_NE(holding, platform::qt::windowWidget(kSystemInfoPalette));
        ASSERT_EQ(platform::qt::windowWithServerFocus(), holding->windowHandle());
        happen();
        ASSERT_NE(QApplication::activeWindow(), holding);
        EXPECT_TRUE(QTest::qWaitFor([holding] { return QApplication::activeWindow() == holding; }, kActivationMs));
    }
}

}  // namespace
}  // namespace quendal::test
