// The toolkit's record of the active window follows the X server's input
// focus: when the toolkit lets go of the active window while the server
// still sends the keys to it (its wait for the focus to arrive elsewhere
// over on a busy machine), the window is active again and takes the keys.
#include <QLineEdit>
#include <qpa/qwindowsysteminterface.h>

#include "DesktopFixture.h"
#include "platform/qt/ServerFocus.h"

namespace quendal::test {
namespace {

class ServerFocus : public DesktopTest {};

TEST_F(ServerFocus, TheWindowHoldingTheServersKeyboardIsActiveAgain) {
    ventedBox();
    QWidget* active = QApplication::activeWindow();
    ASSERT_NE(active, nullptr);
    ASSERT_EQ(platform::qt::windowWithServerFocus(), active->windowHandle());
    QWindowSystemInterface::handleWindowActivated<QWindowSystemInterface::SynchronousDelivery>(
        nullptr, Qt::ActiveWindowFocusReason);
    ASSERT_EQ(QGuiApplication::focusWindow(), nullptr);
    EXPECT_TRUE(QTest::qWaitFor([active] { return QApplication::activeWindow() == active; }, kActivationMs))
        << "active: " << (QApplication::activeWindow() != nullptr ? "another window" : "none");
}

}  // namespace
}  // namespace quendal::test
