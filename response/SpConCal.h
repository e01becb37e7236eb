// Speaker connections: the effective driver every calculation reads, derived
// from the driver as entered (suffix 2) for one driver or two identical
// drivers working as one.
#pragma once

#include <cstdint>

namespace quendal {

// By the connection in force (SpConNum; while the connection sheet takes
// picks, the one in use when it opened, as a pick is not applied yet):
// 1 Single, 2 Dual Parallel, 3 Dual Serial, 4 Push-Pull Parallel, 5
// Push-Pull Serial. Parallel wiring halves RE and LE, serial
// wiring doubles them; dual drivers double VAS, EFI, VD and SD, push-pull
// pairs halve VAS and EFI; two drivers double PEMX; FS and the Q values are
// those of one driver. Any other SpConNum changes nothing.
int32_t SpconCal();

// The design of the connection picked in the connection sheet (SpConNum),
// as the sheet's Select takes it: the sheet no longer picks (SpConSel 0),
// the driver in use scaled for it, one circular vent of each.
void takeConnection();

}  // namespace quendal
