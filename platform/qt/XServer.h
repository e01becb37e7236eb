// The X server as the layer speaks to it: the toolkit's own connection, and
// the requests with which the window manager is asked for an answer: a
// window of one's own that it never manages (an input-only window that is
// never shown, watched for its properties), and the request for that
// window's frame, which the window manager answers by setting
// _NET_FRAME_EXTENTS on it once it is through with every event before.
#pragma once

#include <cstdint>

#include <xcb/xcb.h>

namespace quendal::platform::qt {

// The toolkit's connection to the X server; none on another window system.
xcb_connection_t* toolkitConnection();

// The root window of the connection's first screen.
xcb_window_t rootWindow(xcb_connection_t* connection);

struct FrameAsker {
    xcb_window_t root = 0;
    xcb_window_t window = 0;
    xcb_atom_t request = 0;  // _NET_REQUEST_FRAME_EXTENTS
    xcb_atom_t answer = 0;   // _NET_FRAME_EXTENTS
};

// The atom of the name, interned on the connection; none when the server
// did not answer.
xcb_atom_t internAtom(xcb_connection_t* connection, const char* name);

// The window on the connection's first screen, watched for its properties.
FrameAsker makeFrameAsker(xcb_connection_t* connection);

// Sends the request for the window's frame, and flushes it.
void askForFrame(xcb_connection_t* connection, const FrameAsker& asker);

// Whether the event is the window manager's answer to the asker.
bool isFrameAnswer(const FrameAsker& asker, const xcb_generic_event_t* event);

}  // namespace quendal::platform::qt
