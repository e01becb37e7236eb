#include "platform/Pending.h"

namespace quendal {

int32_t NyquistSliderControl() { return 0; }  // replaced by the response view's Nyquist read-out

}  // namespace quendal
