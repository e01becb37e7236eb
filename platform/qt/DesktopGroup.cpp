#include "platform/qt/DesktopGroup.h"

#include <QGuiApplication>
#include <QPointer>
#include <QWindow>

// After Qt: Xlib's macros (None, Bool, Status) clash with Qt's names.
#include <X11/Xlib.h>

namespace quendal::platform::qt {

QWindow* programWindowGroup() {
    static QPointer<QWindow> root;
    if (root) return root;
    const auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 != nullptr ? x11->display() : nullptr;
    if (display == nullptr) return nullptr;
    // A window of another owner, which the program never changes: the
    // toolkit only names it where a transient names its parent.
    root = QWindow::fromWinId(WId(DefaultRootWindow(display)));
    return root;
}

}  // namespace quendal::platform::qt
