// Routines of other rooms that the control glue calls, until they arrive.
#pragma once

#include <cstdint>

namespace quendal {

int32_t NyquistSliderControl();  // replaced by the response view's Nyquist read-out

}  // namespace quendal
