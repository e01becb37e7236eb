// Window events: one dispatch on the window number for every window of the
// program. It gives each dialog and sheet its keys (Return and Enter for the
// default button, Escape for Cancel, arrows, Space and Tab to move a
// selection, Option combinations for a second button or a disclosure),
// answers the close box, keeps the bounds of the windows whose places are
// remembered, and routes clicks in the picture-selection windows.
#pragma once

#include <cstdint>

#include "platform/Platform.h"

namespace quendal {

// kHandled for the events a row consumes, kEventNotHandled for all others
// (the standard window, mouse and key handling goes on).
int32_t WindowEventHandler(const platform::WindowEvent& event, int32_t windowNumber);
// Installs WindowEventHandler on the window. Every window gets it by
// default; rooms need not call this.
int32_t InstallWindowHandler(int32_t windowNumber);

// The branches of the dispatch, one per group of windows.
int32_t SelectionWindowEvent(const platform::WindowEvent& event);  // windows 2, 3, 4, 11
int32_t SheetWindowEvent(const platform::WindowEvent& event);      // windows 5, 6, 10, 12, 13, 14, 15, 18
int32_t DesignWindowEvent(const platform::WindowEvent& event);     // windows 7, 8, 9

// What a sheet's Cancel button and its Escape key (or close box) share.
// The Vent Design sheet: the vent and the redraw mode as they were, the
// design's menus.
int32_t cancelVentDesign();
// The Initial Setup sheet over the Vent Design sheet: the input power and
// port thickness as they were, the Vent Design sheet in front.
int32_t cancelVentSetup();

// What the Vent Design sheet's radio clicks and its Option-D key share,
// once the radio shows the new choice: the working vent takes Ported or
// Ducted with the count of the pane's popup (the two-branch popup for the
// Twin Serial Vented system's first vent), is re-sized, and the sheet is
// refilled. The circular form also recounts its vents; the rectangular one
// only when `recount` is true.
void circularVentFormChanged();
// The same for the tab: its pane is shown and the working vent takes the
// form of that pane.
void ventTabChanged();
void rectangularVentFormChanged(bool recount);
// The Vent Design sheet in front, refilled from the working vent.
void refillVentDesign();

// Event tests the rows share.
namespace keys {
bool isKeyDown(const platform::WindowEvent& event);
bool isKeyUp(const platform::WindowEvent& event);
bool isReturnOrEnter(const platform::WindowEvent& event);
bool isOptionAlone(const platform::WindowEvent& event);
bool isMouse(const platform::WindowEvent& event);
// The control holding the keyboard focus in the event's window becomes EdtFldID.
void recordFocusedField(const platform::WindowEvent& event);
}  // namespace keys

}  // namespace quendal
