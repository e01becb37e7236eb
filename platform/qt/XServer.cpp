#include "platform/qt/XServer.h"

#include <QGuiApplication>

#include <cstdlib>
#include <cstring>

namespace quendal::platform::qt {

xcb_connection_t* toolkitConnection() {
    const auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 != nullptr ? x11->connection() : nullptr;
}

xcb_window_t rootWindow(xcb_connection_t* connection) {
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

xcb_atom_t internAtom(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name), nullptr);
    const xcb_atom_t found = reply != nullptr ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return found;
}

FrameAsker makeFrameAsker(xcb_connection_t* connection) {
    FrameAsker asker;
    asker.root = rootWindow(connection);
    asker.window = xcb_generate_id(connection);
    const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, asker.window, asker.root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &mask);
    asker.request = internAtom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    asker.answer = internAtom(connection, "_NET_FRAME_EXTENTS");
    return asker;
}

void askForFrame(xcb_connection_t* connection, const FrameAsker& asker) {
    xcb_client_message_event_t request;
    std::memset(&request, 0, sizeof request);
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = asker.window;
    request.type = asker.request;
    xcb_send_event(connection, 0, asker.root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&request));
    xcb_flush(connection);
}

bool isFrameAnswer(const FrameAsker& asker, const xcb_generic_event_t* event) {
    if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY) return false;
    const auto* notify = reinterpret_cast<const xcb_property_notify_event_t*>(event);
    return notify->window == asker.window && notify->atom == asker.answer && notify->state == XCB_PROPERTY_NEW_VALUE;
}

}  // namespace quendal::platform::qt
