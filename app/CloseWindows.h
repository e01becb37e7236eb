// Closing the program's windows, and the menus after a window over them ends.
#pragma once

namespace quendal {

// Closes the Preferences window, the setup sheets, the Vent Design sheet,
// the passive-radiator sheet, the connection sheet, the Default Parameters
// and System Select windows, both palettes and the response window, in this
// order.
void CloseWindows();

// The menu bar of the window the user works in (curentWndID), once a
// dialog that dimmed the menus has closed: none open, the Default
// Parameters window (without "Close"), the System Select window (brought
// forward and redrawn), or the design.
void restoreMenusByCurrentWindow();

}  // namespace quendal
