#include "platform/Pending.h"

namespace quendal {


}  // namespace quendal
