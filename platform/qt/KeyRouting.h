// Where the keys of the window system arrive: only in a window on the
// screen, in an open list rather than the window under it, and a held key
// only in the window it was pressed in.
#pragma once

namespace quendal::platform::qt {

// Watches every key that reaches one of the program's windows:
// - a key an open list, popup or menu takes (Escape that closes it, Return
//   that takes its item) never reaches the window beneath, nor do its
//   repeats and release;
// - a key press that opened a window (or brought another forward) acts
//   once: its repeats and its release, arriving in another window, are
//   dropped until a fresh press, so that Return held on a button that
//   opens a dialog never presses the dialog's own button. A repeat is
//   judged by the key's own press and release (the window system sends it
//   as a release and a press at once), not by the toolkit's mark alone;
// - a key arriving in a window that is not on the screen (a palette
//   standing aside for a dialog, which had the keyboard as the dialog
//   opened) goes to the modal window in front instead, which is
//   activated. Once per application.
void installKeyRouting();

}  // namespace quendal::platform::qt
