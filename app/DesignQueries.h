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

inline bool customPaletteShown() { return state.shell.CtmPaletFlag == 0; }

}  // namespace quendal
