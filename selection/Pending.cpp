#include "selection/Pending.h"

namespace quendal {


}  // namespace quendal
