#include "view/Pending.h"

namespace quendal {

void VentInfo() {}                         // replaced by the vent design's Vent Information page

}  // namespace quendal
