// The design computed from its inputs, as its drawing computes it: the
// input power of the connection, the alignment with its coefficients and
// the reference level, and the vents sized for that power.
//
// A change of the design is computed twice in a row: the check of the
// design it would make (response/BoxCheck.h) computes it on the side, and
// the redraw that follows computes the same design again. The vents'
// sizing, the costly part, remembers its last inputs and what it left: a
// sizing of exactly the same inputs, byte for byte, takes that result
// rather than sweeping the air speeds again, and puts back only what the
// sizing computes (the vents, the air-speed scales, the coefficients, level
// and sweep point its sweeps leave): a name, the page or the connection's
// pick changed since, which no sizing reads, stay as they are now. Any
// difference in what the sizing reads sizes the vents anew.
#pragma once

#include <cstdint>

namespace quendal {

// PINcalc, SPLcal (which builds the coefficients too), then AsVentOpt, or
// the result of the last sizing of the same inputs. The state is left
// exactly as those three leave it.
int32_t computeDrawnDesign();

}  // namespace quendal
