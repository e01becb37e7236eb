#include "windows/Pending.h"

namespace quendal {

void AsVentOpt() {}                 // vent/ automatic sizing
void ResponseWnd() {}               // windows/ response window services

}  // namespace quendal
