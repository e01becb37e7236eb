// Closing the program's windows, and the menus after a window over them ends.
#pragma once

#include <cstdint>
#include <initializer_list>

namespace quendal {

// Ends every sheet, alert and dialog standing on the design's windows as
// its Cancel ends it: the values a sheet was changing are put back, the
// menus are those after a Cancel, and no flag is left saying that one is up,
// holds the keys or takes the picks of a sheet (SheetWndFlag,
// InterceptEvHnd, InitSetSelFlag, RespWndShowFlag, SpConSel,
// AlertKindShown), so that a record arriving later is taken. A file dialog
// standing on a window closed later answers as cancelled.
void EndDesignSheets();

// A sheet stands on the design's windows: one of those EndDesignSheets ends.
bool designSheetStands();

// The one road by which the design's windows close: what stands on them
// ends first (EndDesignSheets), then the windows close in the given order.
void closeDesignWindows(std::initializer_list<int32_t> windows);

// closeDesignWindows of the Preferences window, the setup sheets, the Vent
// Design sheet, the passive-radiator sheet, the connection sheet, the
// Default Parameters and System Select windows, both palettes and the
// response window, in this order.
void CloseWindows();

// The menu bar of the window the user works in (curentWndID), once a
// dialog that dimmed the menus has closed: none open, the Default
// Parameters window (without "Close"), the System Select window (brought
// forward and redrawn), or the design.
void restoreMenusByCurrentWindow();

// System Select or the Default Parameters window, whichever the user works
// in, back in front with the keyboard.
void bringChoosingWindowForward();

}  // namespace quendal
