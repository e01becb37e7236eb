// The Closed Box unit.
#pragma once

#include <cstdint>

namespace quendal {

// Filling factors of the sealed volumes from their loss choices: CP from QA,
// CP1 from QA1, CP2 from QA2. A damped chamber behaves as a larger one:
// Qa 5 gives 1.2, 7 gives 1.1, 10, 15 or 20 give 1.0; any other value leaves
// that factor as it was.
int32_t CPopt();

}  // namespace quendal
