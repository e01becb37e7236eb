// Building the current system's coefficients through its unit, and the
// rules every sweep shares about the driver. The system numbers and the
// contract of the units: engine/CalculationContract.h.
#pragma once

#include <cstdint>

#include "engine/CalculationContract.h"

namespace quendal {

// Builds the current system's TransferCoefficients through its unit's
// coefficient routine (which also runs the alignment of Alin). Any other
// tab or button builds nothing.
int32_t CofCal();

// When QES <= 0, QES := 1.1 * QTS; otherwise QES stays.
int32_t QEScal();

}  // namespace quendal
