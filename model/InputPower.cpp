#include "model/InputPower.h"

#include "model/AppliedDesign.h"
#include "model/State.h"

namespace quendal {

int32_t PINcalc() {
    InputPowerSettings& power = state.power;
    const double rated = state.speaker.PEMX2;  // W, one driver as entered
    switch (appliedConnection(state.connection)) {
        case 1: power.PIN = rated; break;
        case 2:
        case 3:
        case 4:
        case 5: power.PIN = 2.0 * rated; break;  // two drivers share the power
        default: break;
    }
    if (power.InputPowerCheck == 0) power.PIN = power.PinTemp;
    return 0;
}

}  // namespace quendal
