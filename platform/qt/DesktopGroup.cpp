#include "platform/qt/DesktopGroup.h"

#include <QGuiApplication>
#include <QPointer>
#include <QWindow>

#include "platform/qt/XServer.h"

namespace quendal::platform::qt {

QWindow* programWindowGroup() {
    static QPointer<QWindow> root;
    if (root) return root;
    xcb_connection_t* connection = toolkitConnection();
    if (connection == nullptr) return nullptr;
    // A window of another owner, which the program never changes: the
    // toolkit only names it where a transient names its parent.
    root = QWindow::fromWinId(WId(rootWindow(connection)));
    return root;
}

}  // namespace quendal::platform::qt
