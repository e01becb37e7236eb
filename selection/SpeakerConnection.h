// The speaker-connection sheet (window 4, on the response window): the
// five ways of connecting the driver (Single, Dual Parallel, Dual Serial,
// Push-Pull Parallel, Push-Pull Serial) as pictures, picked with the mouse
// or the arrow keys; Select applies the connection, Cancel keeps the one
// in use.
//
// The five choices are one painted chooser on the sheet's own drawing
// surface, as in the System Select window: a frame picture (selected or
// not) with the connection's picture in front of it, hit-tested against
// one rectangle per choice. A pick repaints the chooser and adds no
// control, however often the user picks.
#pragma once

#include <cstdint>
#include <vector>

#include "selection/SystemChooser.h"

namespace quendal {

// Routines of the sheet.
int32_t SpConSelectWnd();       // builds the sheet on the response window and shows it
int32_t SpConSelBottan();       // paints the five frames, the one at SpConNum selected
int32_t GetPictSpConSel();      // paints the five connection pictures
int32_t SpConInitAfter();       // repaints the chooser after a pick
int32_t DoEventSpConSel();      // hit test of (mouseH, mouseV); a hit picks its connection
int32_t SpConSelectDoEvent();   // a pick: repaint, or apply at once on a double click
// Applies the connection picked: closes the sheet; the effective driver
// for it (SpconCal), the reference SPL, the vents (counts back to one,
// designed again), the coefficients, the menus and the response window;
// then the System Info palette's SPL and input-power lines and its
// connection picture, and the custom palette, where they are shown.
int32_t SpConSelectDoDialog();

// What the shell's rows of window 4 call.
// "Cancel", Escape: the connection in use when the sheet opened comes back
// (nothing was computed for the picks); the sheet closes and the menus
// and the custom palette come back.
int32_t spConSelectCancel();
// Left or right arrow (character 28, 29): the previous or next connection,
// round from Single to Push-Pull Serial and back; up and down do nothing.
int32_t spConSelArrowKey(uint8_t character);
// The sheet has been shown: brings it forward and paints the chooser
// while the sheet is up.
int32_t spConSheetShown();
// A mouse-down at content pixel (x, y) with its click count: records the
// position and, inside the chooser's band (35 <= y <= 365), hit-tests it
// as a single or double click. True when the event is consumed.
bool spConSelMouseDown(int32_t x, int32_t y, int32_t clickCount);

// The chooser without a window: what it paints for SpConNum (five frames,
// then the five pictures, in sheet pixels), the connection (1-5) whose hit
// rectangle holds sheet pixel (x, y), both bounds inclusive, or 0, and the
// connection an arrow key moves to.
std::vector<ChooserPicture> connectionSheetPictures();
int32_t connectionAt(int32_t x, int32_t y);
int32_t connectionMove(int32_t connection, uint8_t character);

}  // namespace quendal
