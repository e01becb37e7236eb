// Routines of other rooms that the windows and dialogs call and that are
// not in this tree yet; each line names what replaces it.
#pragma once

#include "selection/Pending.h"

namespace quendal {

void AsVentOpt();                 // replaced by the automatic vent sizing (vent/)
void ResponseWnd();               // replaced by the response window's services (windows/, later issue)

}  // namespace quendal
