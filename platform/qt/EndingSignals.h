// The signals that ask a program to end: a logout (SIGHUP), Ctrl+C in a
// terminal (SIGINT) and a polite kill (SIGTERM). While the event loop runs
// they end it as a quit does, so that what the program does after its loop
// (the end of an update check, the closing of every load and window) still
// runs; left at their default they would end the process at once.
#pragma once

namespace quendal::platform::qt {

// Catches the three signals until releaseEndingSignals: the first one ends
// the event loop with status 128 + its number, one more while the program
// ends changes nothing. A signal the program was started ignoring (nohup)
// stays ignored.
void catchEndingSignals();

// The first signal caught since catchEndingSignals, or 0.
int endingSignalCaught();

// Puts back the handlers found in force. Returns the status the program
// ends with for the first signal caught since catchEndingSignals, 128 + its
// number, or 0 when none was.
int releaseEndingSignals();

}  // namespace quendal::platform::qt
