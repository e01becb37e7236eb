#include "platform/qt/ClickRouting.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QStyleHints>
#include <QWindow>

namespace quendal::platform::qt {

namespace {

class ClickRouting : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // A click reaches its window first, and only then the widget in
        // it: the window alone decides.
        if (!watched->isWindowType()) return false;
        auto* window = static_cast<QWindow*>(watched);
        switch (event->type()) {
            case QEvent::Expose:
                noteExposed(window);
                return false;
            case QEvent::Hide:
                forget(window);  // back on the screen, it comes anew
                return false;
            case QEvent::MouseButtonPress: return pressDropped(window, *static_cast<QMouseEvent*>(event));
            case QEvent::MouseButtonDblClick:
                return (dropped_ & static_cast<QMouseEvent*>(event)->button()) != 0;
            case QEvent::MouseButtonRelease: {
                const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
                const bool drop = (dropped_ & button) != 0;
                dropped_ &= ~Qt::MouseButtons(button);
                return drop;
            }
            case QEvent::MouseMove: return (static_cast<QMouseEvent*>(event)->buttons() & dropped_) != 0;
            default: return false;
        }
    }

private:
    // The presses are numbered as they arrive; a window that comes onto
    // the screen records the number of the last press before it came.
    struct Came {
        QPointer<QWindow> window;
        std::uint64_t afterPress = 0;
    };

    Came* cameFor(QWindow* window) {
        std::erase_if(came_, [](const Came& c) { return !c.window; });
        for (Came& c : came_)
            if (c.window == window) return &c;
        return nullptr;
    }
    void noteExposed(QWindow* window) {
        if (!window->isExposed()) {
            forget(window);
            return;
        }
        if (cameFor(window) == nullptr) came_.push_back({window, presses_});
    }
    void forget(QWindow* window) {
        std::erase_if(came_, [window](const Came& c) { return !c.window || c.window == window; });
    }

    // Whether the press goes on the click before: the same button again,
    // within the double-click time (the window system's own clock, which
    // stamps each press as the hand makes it, whatever the program's load;
    // a press stamped before the last one begins a click of its own) and
    // within the double-click distance.
    bool goesOn(const QMouseEvent& press) const {
        if (presses_ == 0 || press.button() != last_.button) return false;
        const QStyleHints* hints = QGuiApplication::styleHints();
        const std::uint32_t since = std::uint32_t(press.timestamp()) - last_.at;  // the clock wraps at 32 bits
        const QPointF moved = press.globalPosition() - last_.where;
        return since <= std::uint32_t(std::max(0, hints->mouseDoubleClickInterval())) &&
               moved.manhattanLength() <= hints->mouseDoubleClickDistance();
    }

    bool pressDropped(QWindow* window, const QMouseEvent& press) {
        if (!goesOn(press)) clickBegan_ = presses_ + 1;
        ++presses_;
        last_ = {press.button(), std::uint32_t(press.timestamp()), press.globalPosition()};
        // A window that came onto the screen after the click's first press
        // did not stand under the pointer as the click began.
        const Came* came = cameFor(window);
        const bool drop = !window->isVisible() || (came != nullptr && came->afterPress >= clickBegan_);
        if (drop)
            dropped_ |= press.button();
        else
            dropped_ &= ~Qt::MouseButtons(press.button());
        return drop;
    }

    std::vector<Came> came_;
    std::uint64_t presses_ = 0;     // the presses so far
    std::uint64_t clickBegan_ = 0;  // the number of the press that began the click going on
    struct {
        Qt::MouseButton button = Qt::NoButton;
        std::uint32_t at = 0;  // the window system's time of the press, ms
        QPointF where;         // on the screen
    } last_;
    // The buttons whose press acted nowhere: their double click, drags and
    // release act nowhere either.
    Qt::MouseButtons dropped_;
};

}  // namespace

void installClickRouting() {
    static QPointer<ClickRouting> routing;
    QCoreApplication* app = QCoreApplication::instance();
    if (routing || app == nullptr) return;
    routing = new ClickRouting(app);
    app->installEventFilter(routing);
}

}  // namespace quendal::platform::qt
