#include "platform/qt/ServerFocus.h"

#include <cstdlib>

#include <QGuiApplication>
#include <QTimer>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

#include "platform/qt/XServer.h"

namespace quendal::platform::qt {

namespace {

bool gFollowing = false;
bool gAsking = false;

void activateTheServersWindow() {
    gAsking = false;
    if (QWindow* focus = QGuiApplication::focusWindow(); focus != nullptr && focus->isVisible()) return;
    QWindow* holding = windowWithServerFocus();
    if (holding == nullptr) return;
    // A window under a modal one passes the keyboard on to it: the
    // keyboard rule places it there.
    if (QWindow* modal = QGuiApplication::modalWindow(); modal != nullptr && modal != holding) return;
    QWindowSystemInterface::handleWindowActivated(holding, Qt::ActiveWindowFocusReason);
}

// Asked once the toolkit's own activations now queued are through.
void askTheServer() {
    if (gAsking) return;
    gAsking = true;
    QTimer::singleShot(0, qGuiApp, activateTheServersWindow);
}

// The window the toolkit calls active hidden: its activation may have
// come in late, after the server had already handed the focus on.
class HiddenFocusWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide && watched->isWindowType() && watched == QGuiApplication::focusWindow())
            askTheServer();
        return false;
    }
};

}  // namespace

QWindow* windowWithServerFocus() {
    xcb_connection_t* connection = toolkitConnection();
    if (connection == nullptr) return nullptr;
    xcb_get_input_focus_reply_t* reply = xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr);
    if (reply == nullptr) return nullptr;
    const xcb_window_t focus = reply->focus;
    std::free(reply);
    if (focus == XCB_NONE || focus == XCB_INPUT_FOCUS_POINTER_ROOT) return nullptr;
    for (QWindow* window : QGuiApplication::topLevelWindows())
        if (window->handle() != nullptr && window->isVisible() && window->winId() == focus) return window;
    return nullptr;
}

void followServerFocus() {
    if (gFollowing || qGuiApp == nullptr) return;
    gFollowing = true;
    QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, qGuiApp, [](QWindow* now) {
        if (now == nullptr || !now->isVisible()) askTheServer();
    });
    qGuiApp->installEventFilter(new HiddenFocusWatch(qGuiApp));
}

}  // namespace quendal::platform::qt
