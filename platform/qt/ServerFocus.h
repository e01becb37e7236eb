// The keyboard as the X server holds it, which the toolkit's record of the
// active window follows.
#pragma once

class QWindow;

namespace quendal::platform::qt {

// The program's window on the screen that holds the X server's input focus;
// none on another window system, or where the focus is elsewhere.
QWindow* windowWithServerFocus();

// Keeps the toolkit's active window with the server's focus. On a busy
// machine the toolkit's record can lag behind the server's:
//   - when the focus leaves a window, the toolkit waits a moment for it to
//     arrive in another before it calls none active; that moment can end
//     after the focus came back into a window of the program, with no event
//     left to tell it;
//   - the focus arriving in a window while a sheet still stands over it is
//     passed on to the sheet, which then goes: the toolkit goes on calling
//     the hidden sheet active.
// Either way the keys go to a window the toolkit calls inactive. So
// whenever the toolkit calls no window active, or the one it calls active
// is hidden, the server is asked, and the window of the program that holds
// its focus is active again. Once per application.
void followServerFocus();

}  // namespace quendal::platform::qt
