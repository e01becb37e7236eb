// What the custom palette's controls and window events do, one routine per
// row of the shell's dispatch that has an effect of its own (its snapshot
// button and its arrows to system and speaker selection lead into the
// design flow: app/DesignFlow.h). The rows of
// Calc. (control 10, Return and Enter) call CustumPaletCalcReturn, those of
// the Qa and Qb popups (41-45) CustumPaletPopupClick with the control id,
// and a mouse-down in the window FocusCustomPalet.
#pragma once

#include <cstdint>

namespace quendal {

// Popup 47 "Num of P.R. : ": its value becomes the number of passive
// radiators PopupPRNum, and the design is recalculated and redrawn.
int32_t CustomPaletPRNumPopupClick();

// A click in entry field 31-36: the field the user works in (EdtFldID).
int32_t CustomPaletFieldClick(int32_t controlId);

// Tab released in the palette: the field that now holds the keyboard focus
// is the one the user works in.
int32_t CustomPaletTabKeyUp();

// The close box: the palette's place is kept in CstmWndBounds, the palette
// closes and is marked hidden (CtmPaletFlag 1), and the View menu offers
// "Show Custom Palette", enabled.
int32_t CustomPaletClose();

// The end of a drag of the palette: its place is kept in CstmWndBounds.
int32_t CustomPaletDragEnd();

}  // namespace quendal
