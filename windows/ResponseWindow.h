// The response window (window 7): where it opens, the size it takes for
// the page it shows, and its details disclosure triangle.
//
// The window is 540 px wide; its height is that of its page: 390 for the
// nine graph pages, 720 for the System Profile page and the Vent
// Information page's own height. The user does not resize it. A window
// never reaches beyond the usable part of its screen: where the page is
// taller than the room there, the window takes the room and the page
// scrolls inside it.
#pragma once

#include <cstdint>
#include <string_view>

#include "model/SharedTypes.h"
#include "dialogs/ScreenFit.h"

namespace quendal {

inline constexpr int16_t kResponseWidth = 540;          // px, every page
inline constexpr int16_t kGraphPageHeight = 390;        // px, the nine graph pages
inline constexpr int16_t kProfilePageHeight = 720;      // px, the profile runs down to y 710
inline constexpr int16_t kVentInfoPageHeight = 440;     // px, its notes end near y 428
inline constexpr int32_t kDetailTriangle = 405;         // control of window 7

// The height of the page of a response kind (an unknown kind: a graph
// page's).
int16_t responsePageHeight(std::string_view responseKind);

// Creates the response window at its saved place (while the preferences
// keep places: BoundsCheck 1 and FastOpenFlag 0) or, else, where it and
// the two palettes beside it stand centred on the screen; titled
// DocFileName, sized for the page shown and kept on a screen. Records its
// bounds in RespWndBounds, then WindCloseFlag 0, InitSetupFlag 1,
// curentWndID 7, and tells Ostrevane "Now I Opend".
int32_t ResponseWnd();

// Limits the window's size to the size it takes for the page shown, so
// that the user cannot resize it.
int32_t ResizeResponseWndSetBoundLimit();
// Sizes the window for the page of the current response kind: the page
// 540 px wide and as tall as the kind needs, the window as much of it as
// the screen has room for, moved back onto the screen where needed.
int32_t ResizeResponseWnd();
// Both of the above, when the page's height or the window's bounds changed
// since the window was last fitted: a redraw of the same page in the same
// place leaves the window as it is.
int32_t FitResponseWndToPage();
// Sets RespWndBounds to the size the window takes for the current page,
// at its recorded place; used before the bounds are saved.
int32_t ResetResponseWndBounds();

// Makes the response window the current window and the user's focus.
int32_t FocusResponseWnd();

// Creates the details triangle (control 405) of the response window,
// showing detailTriBtn, with its help text and Option-D shortcut.
int32_t DispShowDetailTriBtn();
// Toggles the details triangle as a click on it does (the Option-D key);
// nothing on a page without the triangle.
int32_t DetailTriBtnHandler();
// What a change of the triangle's value does (its click row and the
// toggle): detailTriBtn takes the value; closing returns both read-outs to
// following the pointer, opening resets the pointer to 10 Hz; the
// legend's picture kind follows; the page is redrawn, on the Nyquist page
// its slider and panel are made or removed.
int32_t detailTriangleClicked();


}  // namespace quendal
