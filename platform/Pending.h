// Routines of other rooms that the control glue calls, until they arrive.
#pragma once

namespace quendal {

void NyquistSliderControl();  // replaced by the response view's Nyquist read-out

}  // namespace quendal
