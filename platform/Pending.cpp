#include "platform/Pending.h"

namespace quendal {

void NyquistSliderControl() {}  // replaced by the response view's Nyquist read-out

}  // namespace quendal
