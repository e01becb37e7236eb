// Keys a test types through the toolkit (QTest's key clicks), stamped as a
// program types them: up at the instant they went down. The toolkit stamps
// such a key's release only once the program has done the press's work,
// and on a busy machine a release stamped a repeat interval after its
// press, with the next press of the key at the same instant, is what the
// window system sends for a held key's repeat. Keys from the window system
// (a real keyboard, or the X server's test keys) carry its own stamps and
// a key code, and pass as they are; so do events a test sends itself.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QHash>
#include <QKeyEvent>

namespace quendal::test {

class TypedKeyStamps : public QObject {
public:
    // Installed after the windowing layer's own key routing, so that it
    // sees the keys first.
    static void install() {
        QCoreApplication* app = QCoreApplication::instance();
        app->installEventFilter(new TypedKeyStamps(app));
    }
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (!watched->isWindowType() || (type != QEvent::KeyPress && type != QEvent::KeyRelease) ||
            !event->spontaneous())
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->nativeScanCode() != 0 || key->isAutoRepeat()) return false;  // the window system's own
        if (type == QEvent::KeyPress)
            pressedAt_.insert(key->key(), key->timestamp());
        else if (const auto at = pressedAt_.constFind(key->key()); at != pressedAt_.constEnd())
            key->setTimestamp(*at);
        return false;
    }

private:
    QHash<int, quint64> pressedAt_;
};

}  // namespace quendal::test
