// The System Info palette (window 8): a small floating window beside the
// response window that keeps the driver's model name, the reference SPL,
// the input power and the passive-radiator model in view, with the picture
// of the system under its parameter names and, behind a disclosure
// triangle, the picture of the speaker connection.
#pragma once

#include <cstdint>

#include "dialogs/PalettePlace.h"
#include "model/SharedTypes.h"
#include "model/Str255.h"

namespace quendal {

// Control numbers of window 8.
inline constexpr int32_t kInfoNameFrame = 9;          // group box of the value lines
inline constexpr int32_t kInfoFigureFrame = 10;       // group box of the system picture
inline constexpr int32_t kInfoConnectionFrame = 11;   // group box of the connection picture
inline constexpr int32_t kInfoDisclosure = 20;        // "Show Speaker Connection"
inline constexpr int32_t kInfoSPLLine = 32;
inline constexpr int32_t kInfoPowerLine = 33;
inline constexpr int32_t kInfoRadiatorLine = 37;
inline constexpr int32_t kInfoSystemPicture = 401;    // image view in group box 10
inline constexpr int32_t kInfoConnectionPane = 404;   // pane in group box 11
inline constexpr int32_t kInfoConnectionPicture = 405;
inline constexpr int32_t kInfoModelName = 1110;

// Content height with the connection shown and hidden, and the width (pt).
inline constexpr int16_t kInfoOpenHeight = 535;
inline constexpr int16_t kInfoClosedHeight = 350;
inline constexpr int16_t kInfoWidth = 200;

// Builds window 8 for the current design and shows it: beside the response
// window (its right edge 10 pt left of the response window's left edge,
// tops level), or where it was last left when the preferences keep window
// places; always on a screen. Leaves SysInfoFlag 0.
int32_t SystemInfoFloatPalet();

// Writes the palette's SPL, input power and passive-radiator lines (texts
// 32, 33, 37), and sets the input power PIN: a power of 0.4 W or less is
// first replaced by the entered one, then PINcalc applies the connection.
int32_t DispSPLPIN();

// Shows or hides the speaker connection: toggles sysFigTriBtn and the
// triangle, and sets the palette's content height to 535 or 350 pt with
// its top, left and right edges kept.
int32_t SysFigTriBtnHandler();

// The system picture in group box 10, under the parameter labels.
int32_t GetSysImageForSysInfoPalet();
// Replaces the connection picture: group box 11, pane 404 in it, and one
// image view of the current connection in the pane.
int32_t GetSpConImageForSysInfoPalet();

// A value as the palette shows it: the value text rounded to `decimals`,
// without its leading blank (a minus sign stays), in at most 6 characters:
// a longer text is cut after the sixth, not rounded, and a cut that ends
// in a point drops it: 1234.56 with 2 decimals gives "1234.5", 1999.99
// "1999.9", 12345.67 "12345". A value whose digits before the point would
// not fit is shown in the exponent form that keeps the most significant
// digits in the 6 characters, rounded but never past the largest finite
// value: 1000000 gives "1e6", 1234567 "1235e3",
// 1.45e100 "145e98", the largest double "17e307".
Str255 paletteValueText(double value, int32_t decimals);

// Where window 8 opens with that content height (screen pixels).
Rect16 systemInfoPalettePlace(int16_t height);

}  // namespace quendal
