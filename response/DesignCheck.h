// The one check of a design the program may hold: the one the reader of
// design documents applies to what it reads. Every road that makes or
// changes a design (the Alignment menus, the custom palette's Calc. and
// loss popups, the start of a design, Initial Setup, the vent sheets, the
// speaker connection, a passive radiator taken) asks it of the design it
// would make before that design takes the state, so that the program
// never holds a design it would refuse to open.
//
// A refusal names the field in words for the user ("the resonance Fs of
// the driver as entered is not a finite number"); "" when the design may
// be held.
#pragma once

#include <string>

#include "model/State.h"

namespace quendal {

// The whole check of `design`, as the design is kept: its box values
// rounded as ValueRoundBoxParameters rounds them (a value too small to be
// kept is kept as 0). The selectors must lie in their ranges (the
// system's tab and button, InitSysType, ReDispWnd, RespID, Magni, Scale,
// Disp, SpConSel, SpConNum, ImpID, Alin within the system's Alignment
// menu, the codes of s_Resp and s_Imp, the popup items, PopupPRNum,
// sysFigTriBtn, the radiator flags, each vent's tab, radios, counts and
// edited flags, InputPowerCheck); the driver as entered must pass the
// check of the Default Parameters window and of received records, and the
// driver in use must be finite with the signs that check asks for (a
// connection may scale it past the limits of one driver); every box value
// and vent area must be finite, the loss factors and the values the
// alignment takes as the user's entries above 0 (response/BoxValueTable.h;
// the passive radiator's need only be finite). Then the box passes the
// check of response/BoxCheck.h as its alignment builds it when it is
// drawn, and the design drawn from it (its input power, its level, its
// vents sized again) passes the checks above. The state is left as it was.
std::string designRefusal(const ProgramState& design);

// The first check of designRefusal: the selectors of a design each name a
// system, page, choice or count the program has; what is wrong, in words,
// or empty.
std::string designSelectorProblem(const ProgramState& design);

// The checks of designRefusal on the values of a design, which ask no
// calculation: the driver, the box values, the loss factors, the entries
// and the vent areas, on a design whose box values are already rounded as the design
// keeps them. The selectors are left out: the roads set them from their
// own menus and controls, each within its range.
std::string heldValuesRefusal(const ProgramState& kept);

}  // namespace quendal
