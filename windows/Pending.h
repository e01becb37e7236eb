// Routines of other rooms that the windows and dialogs call and that are
// not in this tree yet; each line names what replaces it.
#pragma once

#include "selection/Pending.h"

namespace quendal {

void ReDispResposeWnd();          // replaced by the response redraw (view/)
void AsVentOpt();                 // replaced by the automatic vent sizing (vent/)
void ResponseWnd();               // replaced by the response window's services (windows/, later issue)
void FocusCustomPalet();          // replaced by the response window's services (windows/, later issue)
void DrawBevelBtnMenu();          // replaced by the custom palette's alignment button (later issue)
void CustomFloatPalet();          // replaced by the custom palette (palette/, later issue)
void CustomPaletDisp();           // replaced by the custom palette (palette/, later issue)
void EnableCustomPalet();         // replaced by the custom palette (palette/, later issue)
void DisableCustomPalet();        // replaced by the custom palette (palette/, later issue)
void CustumPaletCalcReturn();     // replaced by the custom palette (palette/, later issue)

}  // namespace quendal
