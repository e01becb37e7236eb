#include "platform/qt/DesktopGroup.h"

#include <QGuiApplication>
#include <QPointer>
#include <QWindow>

#include <xcb/xcb.h>

namespace quendal::platform::qt {

QWindow* programWindowGroup() {
    static QPointer<QWindow> root;
    if (root) return root;
    const auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr) return nullptr;
    // A window of another owner, which the program never changes: the
    // toolkit only names it where a transient names its parent.
    root = QWindow::fromWinId(WId(xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root));
    return root;
}

}  // namespace quendal::platform::qt
