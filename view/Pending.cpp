#include "view/Pending.h"

namespace quendal {

void VentInfo() {}                         // replaced by the vent design's Vent Information page
void ResizeResponseWndSetBoundLimit() {}   // replaced by the response window services
void ResizeResponseWnd() {}                // replaced by the response window services
void DispShowDetailTriBtn() {}             // replaced by the response window services

}  // namespace quendal
