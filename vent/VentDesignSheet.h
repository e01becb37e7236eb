// The Vent Design sheet (window 10) on the response window: one vent of the
// design (VentID, named by the shell's s_VentTitle, as the Vent menu set
// it) in its circular and rectangular forms, each ported or ducted, with
// its count, sizes and peak air speed. The sheet edits the working copy of
// the vent; OK stores it, Cancel puts the cancel copy back.
//
// Its controls, addressed by the shell's hit and key rows:
//   300 tab "Circular" / "Rectangular" (panes 301 and 302)
//   305, 307 radio groups "Ported" / "Ducted" (circular, rectangular)
//   313, 315 count popups on menu kVentNumPopupMenu (1-10 vents); 314, 316
//            on kVentNumPopupMenuPV (2, 4, 6, 8) for the two-branch vent 1
//            of the Twin Serial Vented system (menus built by the shell)
//   351, 352 size fields of the form in force: the ducted diameter; the
//            rectangular width, and the ducted height
//   322 "OK", 323 "Calc.", 324 "Cancel", 325 "Initialize",
//   326, 327 "Initial Setup..." (one on each pane)
#pragma once

#include <cstdint>

namespace quendal {

inline constexpr int32_t kVentTypeTab = 300;
inline constexpr int32_t kCircularPane = 301;
inline constexpr int32_t kRectangularPane = 302;
inline constexpr int32_t kCircularRadio = 305;
inline constexpr int32_t kRectangularRadio = 307;
inline constexpr int32_t kCircularCountPopup = 313;
inline constexpr int32_t kCircularBranchCountPopup = 314;
inline constexpr int32_t kRectangularCountPopup = 315;
inline constexpr int32_t kRectangularBranchCountPopup = 316;
inline constexpr int32_t kVentOkButton = 322;
inline constexpr int32_t kVentCalcButton = 323;
inline constexpr int32_t kVentCancelButton = 324;
inline constexpr int32_t kVentInitializeButton = 325;
inline constexpr int32_t kCircularSetupButton = 326;
inline constexpr int32_t kRectangularSetupButton = 327;
inline constexpr int32_t kVentSizeField = 351;
inline constexpr int32_t kVentSecondSizeField = 352;

// Whether the sheet's count popups are those of the two-branch vent (314,
// 316): the Twin Serial Vented system with vent 1.
bool branchedVentInSheet();

// Opens the sheet on the response window for vent VentID, titled by
// s_VentTitle, and fills it from the working copy.
int32_t VentDesignWnd();

// Refills the sheet from the working copy: tab, radios, counts, the size
// fields of the form in force and every derived size with its outcome.
int32_t VentDesignDisp();

// Calc. (0) and OK (1): reads the sizes entered for the form in force and
// re-sizes the working copy, the sizes entered marked as the user's. Any
// size that gives a real vent is taken, below the minimum area too (the
// sheet then shows its air past the limit): its sizes at least 0.01 mm
// (the hundredth the vent is kept to), a duct's length above 0, and every
// size, length and area a finite number (a rectangular port's height too
// at least 0.01 mm). Any other size raises a sheet alert, "ALERT!   Entered
// numerical value is too small." (or "... too large.", or the one for a
// text that is no number) with the size and its limit ("Width 0.001 mm;
// it must be at least 0.01 mm."; for a text with a comma, that decimals
// take a point), and changes nothing. With 1 it then
// accepts the design (VentDesignCalcOkCommon).
int32_t VentDesignCalcOKReturn(int32_t isOK);

// Accepts the working copy as vent VentID (for a symmetric Triple Vented
// design vent 1 stands for vent 2 as well), sets its area of the air-speed
// model, closes the sheet, gives the menus back, redraws the response
// window, enables the custom palette while it is shown, rounds the vent
// dimensions and compares the vents with the saved document.
int32_t VentDesignCalcOkCommon();

// Initialize: the form in force goes back to its automatic size (its edit
// mark cleared), and the sheet is refilled.
int32_t VentInitializeOkReturnCalc();

}  // namespace quendal
