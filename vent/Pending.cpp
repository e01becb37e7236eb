#include "vent/Pending.h"

namespace quendal {

int32_t ValueRoundVentParameters() { return 0; }  // app/ParameterPasses

}  // namespace quendal
