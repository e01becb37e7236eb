#include "platform/qt/KeyRouting.h"

#include <optional>

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace quendal::platform::qt {

namespace {

// The X server stamps a repeat's release and its press at the same
// instant (within the millisecond its clock may turn over between them); no
// hand lets go of a key and presses it again as fast, whatever the load.
constexpr qint32 kSameInstantMs = 1;
constexpr qint32 kHeldMs = 20;  // the shortest repeat interval of a keyboard

// The server's clock counts milliseconds in 32 bits and wraps every 49.7
// days: how much later one time is than another, negative when earlier.
qint32 msAfter(quint64 later, quint64 earlier) { return qint32(quint32(later) - quint32(earlier)); }

class KeyRouting : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        // A key reaches its window first, and only then the widget in it:
        // the window alone decides.
        if (!watched->isWindowType() ||
            (type != QEvent::ShortcutOverride && type != QEvent::KeyPress && type != QEvent::KeyRelease))
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (type == QEvent::ShortcutOverride) {
            // An open list, popup or menu is asked first and may close on
            // the key (Escape, Return): the press that follows is its own.
            if (QWidget* popup = QApplication::activePopupWidget()) {
                // Unless its own press opened it: the repeats of a key
                // held since before it opened act nowhere.
                if (isRepeat(*key) && popup != down_.popup) {
                    key->accept();
                    return true;
                }
                listKey_ = key->key();
                listKeyAt_ = key->timestamp();
                return false;
            }
            // The repeat of a key held since another window: no menu
            // command's shortcut either.
            if (isRepeat(*key) && (down_.byList || windowOf(static_cast<QWindow*>(watched)) != down_.in)) {
                key->accept();
                return true;
            }
            return false;
        }
        auto* window = static_cast<QWindow*>(watched);
        // A window off the screen that still had the keyboard hands the key
        // to the modal window in front; with none, it is typed into nothing
        // (a list that closed as it was asked about the key), yet it went down.
        QWindow* target = windowOf(window);
        QWidget* popup = QApplication::activePopupWidget();
        const bool listOpen = popup != nullptr;
        bool repeat = key->isAutoRepeat();
        if (type == QEvent::KeyPress) {
            repeat = isRepeat(*key);
            down_.releasedAt.reset();
            down_.pressedAt = key->timestamp();
            if (!repeat) {
                down_ = {key->key(), target, listOpen || (key->key() == listKey_ && key->timestamp() == listKeyAt_),
                         popup, key->timestamp(), {}, {}, 0};
                listKey_ = 0;
                // Taken by a list that has closed on it: the window beneath
                // never sees it.
                if (!listOpen && down_.byList) return true;
            }
        } else if (key->key() == down_.key && !key->isAutoRepeat()) {
            down_.releasedAt = key->timestamp();  // let go, or the first half of a repeat
            down_.releasedWith = key->modifiers();
            down_.heldMs = msAfter(key->timestamp(), down_.pressedAt);
        }
        if (target == nullptr) return true;
        // A key open lists take while they are open, but not the repeats
        // and release of a key held since before the list or menu open now
        // opened (its own press may have opened it); those and the ones of
        // a key pressed in another window or taken by a list act nowhere else.
        if (listOpen) return key->key() == down_.key && popup != down_.popup && (repeat || type == QEvent::KeyRelease);
        if (key->key() == down_.key && (down_.byList || target != down_.in)) return true;
        if (type == QEvent::KeyPress && repeat && !key->isAutoRepeat()) {
            // A repeat the toolkit did not mark goes on as the repeat it is.
            deliver(target, *key, true);
            return true;
        }
        if (target == window) return false;
        QApplication::activeModalWidget()->activateWindow();
        deliver(target, *key, key->isAutoRepeat());
        return true;
    }

private:
    // The window a key arriving in the window acts in: the window itself
    // on the screen; else the modal window in front; else none.
    static QWindow* windowOf(QWindow* window) {
        if (window->isVisible()) return window;
        QWidget* modal = QApplication::activeModalWidget();
        QWindow* front = modal != nullptr && modal->isVisible() ? modal->windowHandle() : nullptr;
        return front != window ? front : nullptr;
    }
    // Whether a press repeats the key held down: the window system sends
    // each repeat as a release and a press stamped at the same instant, with
    // the same modifiers, and the toolkit marks the pair only when it reads
    // both at once, which a busy machine may not. The key was held down a
    // repeat interval at least before that release; a key typed by a
    // program (a test's click) goes up as soon as it went down.
    bool isRepeat(const QKeyEvent& key) const {
        if (key.isAutoRepeat()) return true;
        if (key.key() != down_.key || !down_.releasedAt || key.modifiers() != down_.releasedWith) return false;
        const qint32 gap = msAfter(key.timestamp(), *down_.releasedAt);
        return down_.heldMs >= kHeldMs && gap >= 0 && gap <= kSameInstantMs;
    }
    static void deliver(QWindow* target, const QKeyEvent& key, bool repeat) {
        QKeyEvent copy(key.type(), key.key(), key.modifiers(), key.nativeScanCode(), key.nativeVirtualKey(),
                       key.nativeModifiers(), key.text(), repeat, key.count());
        copy.setTimestamp(key.timestamp());
        QCoreApplication::sendEvent(target, &copy);
    }

    // The key last pressed afresh, the window its press arrived in,
    // whether an open list took it and which; when it was last pressed (or
    // repeated), and when it came up, if it did.
    struct Down {
        int key = 0;
        QPointer<QWindow> in;
        bool byList = false;
        QPointer<QWidget> popup;  // the list or menu open as it went down
        quint64 pressedAt = 0;
        std::optional<quint64> releasedAt;
        Qt::KeyboardModifiers releasedWith;
        qint32 heldMs = 0;  // from its last press to its release
    } down_;
    // The key an open list was asked about last, and when it was pressed.
    int listKey_ = 0;
    quint64 listKeyAt_ = 0;
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
