#include "platform/qt/WindowManagerAnswer.h"

#include <cstdlib>
#include <cstring>

#include <QAbstractNativeEventFilter>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTimer>
#include <xcb/xcb.h>

namespace quendal::platform::qt {

namespace {

// Without answers, the window system's hand-over is taken to come within
// this time of a window showing or hiding.
constexpr int kHandOverMs = 500;
// An answer that never comes (the window manager replaced meanwhile) ends
// its wait after this time.
constexpr int kAnswerLostMs = 10000;

// A window of the program's own that is never shown, whose frame the
// window manager is asked for, on the toolkit's own connection to the
// server so that each request follows the windows shown and hidden before.
class Asker : public QAbstractNativeEventFilter {
public:
    static Asker* instance() {
        static Asker* asker = create();
        return asker;
    }
    void ask() {
        xcb_client_message_event_t request;
        std::memset(&request, 0, sizeof request);
        request.response_type = XCB_CLIENT_MESSAGE;
        request.format = 32;
        request.window = window_;
        request.type = requestExtents_;
        xcb_send_event(connection_, 0, root_, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&request));
        xcb_flush(connection_);
        ++asked_;
        sinceAsked_.restart();
    }
    bool atWork() const {
        if (asked_ == answered_ || !sinceAsked_.isValid()) return false;
        return sinceAsked_.elapsed() < (answered_ > 0 ? kAnswerLostMs : kHandOverMs);
    }
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t") return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY) return false;
        const auto* notify = static_cast<const xcb_property_notify_event_t*>(message);
        if (notify->window != window_ || notify->atom != extents_ || notify->state != XCB_PROPERTY_NEW_VALUE) return false;
        // Counted once the window system's events read before the answer
        // (the hand-over among them) have reached the windows.
        QTimer::singleShot(0, qGuiApp, [this] {
            if (answered_ < asked_) ++answered_;
        });
        return true;
    }

private:
    static Asker* create() {
        auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
        xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
        if (connection == nullptr) return nullptr;
        auto* asker = new Asker(connection);
        qGuiApp->installNativeEventFilter(asker);
        return asker;
    }
    explicit Asker(xcb_connection_t* connection) : connection_(connection) {
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        window_ = xcb_generate_id(connection_);
        const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
        xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window_, root_, 0, 0, 1, 1, 0, XCB_WINDOW_CLASS_INPUT_ONLY,
                          XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &mask);
        requestExtents_ = atom("_NET_REQUEST_FRAME_EXTENTS");
        extents_ = atom("_NET_FRAME_EXTENTS");
    }
    xcb_atom_t atom(const char* name) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            connection_, xcb_intern_atom(connection_, 0, uint16_t(std::strlen(name)), name), nullptr);
        const xcb_atom_t found = reply != nullptr ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return found;
    }

    xcb_connection_t* connection_;
    xcb_window_t root_ = 0, window_ = 0;
    xcb_atom_t requestExtents_ = 0, extents_ = 0;
    quint64 asked_ = 0, answered_ = 0;
    QElapsedTimer sinceAsked_;
};

// Another window system: the hand-over within a time of the last window
// shown or hidden.
QElapsedTimer gShownOrHidden;

}  // namespace

void askWindowManager() {
    if (Asker* asker = Asker::instance()) return asker->ask();
    gShownOrHidden.restart();
}

bool windowManagerAtWork() {
    if (Asker* asker = Asker::instance()) return asker->atWork();
    return gShownOrHidden.isValid() && gShownOrHidden.elapsed() < kHandOverMs;
}

}  // namespace quendal::platform::qt
