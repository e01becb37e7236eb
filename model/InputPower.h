// The electrical input power the responses are drawn for.
#pragma once

#include <cstdint>

namespace quendal {

// The least input power and port (baffle) thickness a design takes, typed
// or stored.
inline constexpr double kMinimumInputPower = 0.4;     // W
inline constexpr double kMinimumPortThickness = 3.0;  // mm

// Sets PIN (W). While the input power follows the rated power
// (InputPowerCheck 1) it is the rated power of the driver as entered,
// PEMX2, once for a single driver (SpConNum 1) and twice for the two-driver
// connections (SpConNum 2-5), as applied (a pick in the connection sheet
// is not); another SpConNum leaves PIN as it is. With
// InputPowerCheck 0 it is the entered power PinTemp for every connection.
// PIN depends only on these values, never on what it was before, so
// switching the preference, changing PEMX2 or opening a design all give
// the same power. Returns 0.
int32_t PINcalc();

}  // namespace quendal
