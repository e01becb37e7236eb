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
        xcb_delete_property(connection_, window_, extents_);
        xcb_client_message_event_t request;
        std::memset(&request, 0, sizeof request);
        request.response_type = XCB_CLIENT_MESSAGE;
        request.format = 32;
        request.window = window_;
        request.type = requestExtents_;
        xcb_send_event(connection_, 0, root_, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&request));
        xcb_flush(connection_);
        while (!deadline.hasExpired()) {
            xcb_generic_event_t* event = xcb_poll_for_event(connection_);
            if (event == nullptr) {
                if (xcb_connection_has_error(connection_) != 0) return false;
                waitForInput(deadline);
                continue;
            }
            bool answered = false;
            if ((event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY) {
                const auto* notify = reinterpret_cast<const xcb_property_notify_event_t*>(event);
                answered = notify->atom == extents_ && notify->state == XCB_PROPERTY_NEW_VALUE;
            }
            std::free(event);
            if (answered) return true;
        }
        return false;
    }

    // The server's clock, ms: the stamp of a property changed on the window;
    // none when the server did not answer by the deadline.
    std::optional<uint32_t> serverTime(QDeadlineTimer deadline) {
        if (connection_ == nullptr) return std::nullopt;
        xcb_change_property(connection_, XCB_PROP_MODE_APPEND, window_, clock_, XCB_ATOM_STRING, 8, 0, nullptr);
        xcb_flush(connection_);
        while (!deadline.hasExpired()) {
            xcb_generic_event_t* event = xcb_poll_for_event(connection_);
            if (event == nullptr) {
                if (xcb_connection_has_error(connection_) != 0) return std::nullopt;
                waitForInput(deadline);
                continue;
            }
            std::optional<uint32_t> at;
            if ((event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY) {
                const auto* notify = reinterpret_cast<const xcb_property_notify_event_t*>(event);
                if (notify->atom == clock_) at = notify->time;
            }
            std::free(event);
            if (at) return at;
        }
        return std::nullopt;
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
        xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection_));
        for (int i = 0; i < screenNumber; ++i) xcb_screen_next(&screens);
        root_ = screens.data->root;
        window_ = xcb_generate_id(connection_);
        const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window_, root_, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &mask);
        requestExtents_ = atom("_NET_REQUEST_FRAME_EXTENTS");
        extents_ = atom("_NET_FRAME_EXTENTS");
        clock_ = atom("QUENDAL_TEST_CLOCK");
    }
    ~WindowManagerPing() {
        if (connection_ != nullptr) xcb_disconnect(connection_);
    }
    xcb_atom_t atom(const char* name) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            connection_, xcb_intern_atom(connection_, 0, uint16_t(std::strlen(name)), name), nullptr);
        const xcb_atom_t found = reply != nullptr ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return found;
    }
    // Until the server sends something on the connection, or the deadline.
    void waitForInput(QDeadlineTimer deadline) {
        pollfd input{xcb_get_file_descriptor(connection_), POLLIN, 0};
        ::poll(&input, 1, int(std::max<qint64>(1, deadline.remainingTime())));
    }

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = 0, window_ = 0;
    xcb_atom_t requestExtents_ = 0, extents_ = 0, clock_ = 0;
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
