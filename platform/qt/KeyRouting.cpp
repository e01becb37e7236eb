#include "platform/qt/KeyRouting.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace quendal::platform::qt {

namespace {

class KeyRouting : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        // A key reaches its window first, and only then the widget in it:
        // the window alone decides.
        if ((type != QEvent::KeyPress && type != QEvent::KeyRelease) || !watched->isWindowType()) return false;
        auto* window = static_cast<QWindow*>(watched);
        auto* key = static_cast<QKeyEvent*>(event);
        // A window off the screen that still had the keyboard hands the key
        // to the modal window in front; with none, it is typed into nothing.
        QWindow* target = window;
        QWidget* modal = nullptr;
        if (!window->isVisible()) {
            modal = QApplication::activeModalWidget();
            target = modal != nullptr && modal->isVisible() ? modal->windowHandle() : nullptr;
            if (target == nullptr || target == window) return true;
        }
        const bool up = type == QEvent::KeyRelease && !key->isAutoRepeat();
        if (type == QEvent::KeyPress && !key->isAutoRepeat()) {
            pressedKey_ = key->key();
            pressedIn_ = target;
        } else if (key->key() == pressedKey_ && target != pressedIn_) {
            // The repeat or release of a key pressed in another window.
            if (up) pressedKey_ = 0;
            return true;
        }
        if (up && key->key() == pressedKey_) pressedKey_ = 0;
        if (target == window) return false;
        modal->activateWindow();
        QKeyEvent copy(type, key->key(), key->modifiers(), key->nativeScanCode(), key->nativeVirtualKey(),
                       key->nativeModifiers(), key->text(), key->isAutoRepeat(), key->count());
        QCoreApplication::sendEvent(target, &copy);
        return true;
    }

private:
    int pressedKey_ = 0;         // the key down, until it comes up
    QPointer<QWindow> pressedIn_;  // the window its press arrived in
};

}  // namespace

void installKeyRouting() {
    static QPointer<KeyRouting> routing;
    QCoreApplication* app = QCoreApplication::instance();
    if (routing || app == nullptr) return;
    routing = new KeyRouting(app);
    app->installEventFilter(routing);
}

}  // namespace quendal::platform::qt
