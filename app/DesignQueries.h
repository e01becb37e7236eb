// Questions about the design in hand that several of the shell's rows ask.
#pragma once

#include <cstdint>

#include "model/State.h"

namespace quendal {

// The current system, 1-16: (tab - 1) * 8 + button.
inline int32_t currentSystemNumber() {
    return (state.selection.SysSelTabNum - 1) * 8 + state.selection.SysSelBtnNum;
}

// First and second chamber alike (volume, tuning, loss): their vents are
// designed as one.
inline bool firstTwoChambersAlike() {
    const BoxParameters& b = state.box;
    return b.VB1 == b.VB2 && b.FB1 == b.FB2 && b.QL1 == b.QL2;
}

inline bool customPaletteShown() { return state.shell.CtmPaletFlag == 0; }

}  // namespace quendal
