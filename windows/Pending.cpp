#include "windows/Pending.h"

namespace quendal {

void ReDispResposeWnd() {}          // view/ response redraw
void AsVentOpt() {}                 // vent/ automatic sizing
void ResponseWnd() {}               // windows/ response window services

}  // namespace quendal
