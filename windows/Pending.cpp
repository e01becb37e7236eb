#include "windows/Pending.h"

namespace quendal {

void AsVentOpt() {}                 // vent/ automatic sizing

}  // namespace quendal
