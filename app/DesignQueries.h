// Questions about the design in hand that several of the shell's rows ask.
#pragma once

#include <cstdint>

#include "engine/CalculationContract.h"
#include "model/State.h"

namespace quendal {

// The current system (1-16) is the calculation's currentSystemNumber.

// First and second chamber alike (volume, tuning, loss): their vents are
// designed as one.
inline bool firstTwoChambersAlike() { return tripleVentedIsSymmetric(); }

// The Twin Serial Vented system's first vent has vent-count popups of its own.
inline bool twinSerialVentedFirstVent() {
    return state.selection.SysSelTabNum == 1 && state.selection.SysSelBtnNum == 6 && state.vents.VentID == 1;
}

inline bool customPaletteShown() { return state.shell.CtmPaletFlag == 0; }

}  // namespace quendal
