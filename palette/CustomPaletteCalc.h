// What the custom palette changes in the design: "Calc." takes the values
// entered in its fields, and the Qa and Qb popups the loss factors.
#pragma once

#include <cstdint>
#include <string_view>

namespace quendal {

// The refusals of entries that no box can be built from. Each stands in an
// alert sheet on the response window; the last accepted values are put
// back.
inline constexpr std::string_view kEqualTuningsAlert = "ALERT!   Impossible alignment.  Fb1 equals Fb2.";
inline constexpr std::string_view kEqualTuningsReason =
    "Enter different Fb1 and Fb2.  ( Chambers 1 and 2 tuned alike cancel each other: the system gives no "
    "output. )";
inline constexpr std::string_view kClosedVolumeTooLargeReason =
    "Enter smaller Vb1.  ( The passive radiator would get no positive tuning. )";
inline constexpr std::string_view kBoxValueAlert = "ALERT!   Impossible alignment.  Box value out of range.";
inline constexpr std::string_view kBoxValueReason =
    "A box value of this design comes out zero, negative or not finite.  ( Enter other values, or choose another "
    "alignment. )";

// "Calc." (the button, Return or Enter in the palette): reads the entry
// fields of the current system and alignment into their values; a value
// that is not a positive finite number puts the system's last accepted
// values back with a beep. Entries no box can be built from (a Passive
// Raveza closed volume too large for its radiator, equal tunings of a Twin
// Vented or Delta Vented design, a box value that comes out not positive)
// are refused with an alert and nothing is recalculated. A Closed Box Qtc
// that cannot be built raises the Qtc alert, at the alignments that take a
// volume or a Qtc; "Optimum", and the run from the alert's OK, take the
// nearest box that can be built. Otherwise the values are kept as the last
// accepted ones, the vent counts of vents 2 and 3 start again at one, and
// the response is recalculated and redrawn.
int32_t CustumPaletCalcReturn();

// Whether Return or Enter in the palette may run "Calc.": not while a sheet
// or an alert stands over the design (the design under it must not change)
// and not while "Calc." is dimmed.
bool calcKeyAccepted();

// A Qa or Qb popup (41-45) was set: its item becomes the loss factor of
// its chamber (41: QA and QA1, 42: QA2, 43: QL and QL1, 44: QL2, 45: QL3);
// a design bound to a file is marked changed when a value differs from
// its last accepted copy. The design is then recalculated and redrawn (any
// other id only redraws it). A loss with which the alignment builds no
// real box (response/BoxCheck.h) is refused as the Alignment menus refuse
// an alignment: an alert sheet on the response window names the value,
// menus and palette dimmed while it stands, and the design in force stays,
// its values, its popup item (the popup shows it again) and its drawing.
int32_t CustumPaletPopupClick(int32_t controlId);

// The alert sheet's OK: closes it; after the closed-box Qtc alert (kinds 1
// and 5, for a failed closed-box alignment) it restores the menus, and while the custom palette is shown enables it,
// puts the possible Qtc into its Qtc field and runs its Calc. again, which
// takes the nearest box it can build rather than alerting once more;
// CBAlartFlag is back at rest (realisable).
int32_t SheetAlertWndOKReturn();

}  // namespace quendal
