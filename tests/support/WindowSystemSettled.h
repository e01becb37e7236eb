// Waits until the X server, the window manager and the program are through
// with what was sent to them, by round trips rather than by a time that a
// busy machine can outrun:
//   - the program's own connection to the server: every event the server
//     sent it before the round trip is read and handled;
//   - the window manager: it answers a request for a window's frame only
//     once it is through with every event the server sent it before, so a
//     click or key it acts on (a window activated, raised, framed) has been
//     acted on when the answer arrives.
// The rounds repeat until one of them changes nothing the test can see (the
// active window, the control with the keyboard, the windows shown, an open
// list), since the program may answer the window manager in turn.
#pragma once

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

#include <QApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QWidget>
#include <poll.h>
#include <xcb/xcb.h>

#include "platform/qt/XServer.h"

namespace quendal::test {

// A connection of the test's own to the X server, with a window the window
// manager never manages, whose frame the test asks for.
class WindowManagerPing {
public:
    static WindowManagerPing& instance() {
        static WindowManagerPing ping;
        return ping;
    }
    // Asks the window manager for the frame and waits for its answer;
    // false when none came by the deadline (no window manager, or a hung one).
    bool roundTrip(QDeadlineTimer deadline) {
        if (connection_ == nullptr) return false;
        platform::qt::askForFrame(connection_, asker_);
        return answer(deadline, [this](const xcb_generic_event_t* event) -> std::optional<uint32_t> {
                   if (!platform::qt::isFrameAnswer(asker_, event)) return std::nullopt;
                   return 0;
               })
            .has_value();
    }

    // The server's clock, ms: the stamp of a property changed on the window;
    // none when the server did not answer by the deadline.
    std::optional<uint32_t> serverTime(QDeadlineTimer deadline) {
        if (connection_ == nullptr) return std::nullopt;
        xcb_change_property(connection_, XCB_PROP_MODE_APPEND, asker_.window, clock_, XCB_ATOM_STRING, 8, 0, nullptr);
        xcb_flush(connection_);
        return answer(deadline, [this](const xcb_generic_event_t* event) -> std::optional<uint32_t> {
            if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY) return std::nullopt;
            const auto* notify = reinterpret_cast<const xcb_property_notify_event_t*>(event);
            if (notify->atom != clock_) return std::nullopt;
            return notify->time;
        });
    }

private:
    WindowManagerPing() {
        int screenNumber = 0;
        connection_ = xcb_connect(nullptr, &screenNumber);
        if (xcb_connection_has_error(connection_) != 0) {
            xcb_disconnect(connection_);
            connection_ = nullptr;
            return;
        }
        asker_ = platform::qt::makeFrameAsker(connection_);
        clock_ = platform::qt::internAtom(connection_, "QUENDAL_TEST_CLOCK");
    }
    ~WindowManagerPing() {
        if (connection_ != nullptr) xcb_disconnect(connection_);
    }
    // The first event the reading makes something of, by the deadline.
    template <class Reading>
    std::optional<uint32_t> answer(QDeadlineTimer deadline, Reading read) {
        while (!deadline.hasExpired()) {
            xcb_generic_event_t* event = xcb_poll_for_event(connection_);
            if (event == nullptr) {
                if (xcb_connection_has_error(connection_) != 0) return std::nullopt;
                waitForInput(deadline);
                continue;
            }
            const std::optional<uint32_t> made = read(event);
            std::free(event);
            if (made) return made;
        }
        return std::nullopt;
    }
    // Until the server sends something on the connection, or the deadline.
    void waitForInput(QDeadlineTimer deadline) {
        pollfd input{xcb_get_file_descriptor(connection_), POLLIN, 0};
        ::poll(&input, 1, int(std::max<qint64>(1, deadline.remainingTime())));
    }

    xcb_connection_t* connection_ = nullptr;
    platform::qt::FrameAsker asker_;
    xcb_atom_t clock_ = 0;
};

// What the test sees of the program's windows and keyboard.
struct WindowsSeen {
    QWidget* active = nullptr;
    QWidget* focus = nullptr;
    QWidget* popup = nullptr;
    std::vector<QWidget*> shown;
    bool operator==(const WindowsSeen&) const = default;
    static WindowsSeen now() {
        WindowsSeen seen{QApplication::activeWindow(), QApplication::focusWidget(), QApplication::activePopupWidget(), {}};
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible()) seen.shown.push_back(window);
        return seen;
    }
};

// Round trips until one changes nothing seen; false when the window
// manager gave no answer by the deadline.
inline bool windowSystemSettled(QDeadlineTimer deadline) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {  // no window manager offscreen
        QCoreApplication::processEvents();
        return true;
    }
    WindowsSeen last = WindowsSeen::now();
    for (int unchanged = 0; unchanged < 2;) {
        QGuiApplication::sync();
        if (!WindowManagerPing::instance().roundTrip(deadline)) return false;
        QGuiApplication::sync();
        QCoreApplication::processEvents();
        const WindowsSeen seen = WindowsSeen::now();
        unchanged = seen == last ? unchanged + 1 : 0;
        last = seen;
    }
    return true;
}

}  // namespace quendal::test
