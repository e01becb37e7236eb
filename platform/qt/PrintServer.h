// The print server, asked away from the windows' thread: a server that
// takes the connection and never answers holds a thread of its own, never
// the windows.
#pragma once

#include <functional>
#include <string>

class QWidget;

namespace quendal::platform::qt {

// After this long without an answer the user is told (ms).
inline constexpr int kSilentPrintServerMs = 3000;

// Asks the print server for its printers in a thread of its own and calls
// `then` on the event loop once: with true when the server answered (the
// printers may then be asked on the windows' thread), with false when the
// user gave up waiting or the window went. After kSilentPrintServerMs
// without an answer, a message over `window` says that the print server
// does not answer, with a Cancel button; it goes when the answer comes.
// Returns at once.
void askPrintServer(QWidget* window, std::function<void(bool answered)> then);

// The default printer's paper as the print server last gave it; "" before
// it answered once, or without a default printer.
std::string lastDefaultPaper();

}  // namespace quendal::platform::qt
