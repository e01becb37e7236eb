// The Initial Setup sheet of the vent design (window 6), over the Vent
// Design sheet: the input power at which the air speed is limited and the
// port thickness (the length of a port). Field 10 the input power (W),
// field 11 the port thickness (mm), 1 "OK", 2 "Cancel".
#pragma once

#include <cstdint>

namespace quendal {

inline constexpr int32_t kVentSetupOkButton = 1;
inline constexpr int32_t kVentSetupCancelButton = 2;
inline constexpr int32_t kVentSetupPowerField = 10;
inline constexpr int32_t kVentSetupThicknessField = 11;

// Opens the sheet over the Vent Design sheet and keeps the input power and
// port thickness in PINbak and LVPbak, which Cancel puts back. While the
// preferences make the input power follow the driver's rated power
// (InputPowerCheck 1) its field is disabled and a note says why.
int32_t InitialSetupWndForVentDesign();

// OK: the input power (at least 0.4 W, into PinTemp and PIN, unless it
// follows the rated power) and the port thickness (at least 3 mm, into LVP,
// with LVD = LVP + 20 mm); a value refused raises an alert and keeps the
// sheet. Then closes the sheet, re-sizes every vent of the design and the
// vent being edited for them, redraws the response window, reopens the
// Vent Design sheet and, while the System Info palette is shown, rewrites
// its SPL and input-power lines.
int32_t InitSetupOkReturnForVentDesignWnd();

// Cancel, Escape or the close box: the sheet closes, the input power and
// port thickness it opened with come back and the Vent Design sheet is in
// front again.
int32_t InitSetupCancelForVentDesignWnd();

}  // namespace quendal
