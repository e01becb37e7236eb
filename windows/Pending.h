// Routines of other rooms that the windows and dialogs call and that are
// not in this tree yet; each line names what replaces it.
#pragma once

#include "selection/Pending.h"

namespace quendal {

void InitMenu13();                // replaced by the shell's menu states (app/)
void InitMenu16();                // replaced by the shell's menu states (app/)
void NavUserActionCancelMenu();   // replaced by the shell's menu states (app/)
void ReDispResposeWnd();          // replaced by the response redraw (view/)
void SystemInfoFloatPalet();      // replaced by the System Info palette (selection/SystemInfoPalette)
void DispSPLPIN();                // replaced by the System Info palette (selection/SystemInfoPalette)
void ResponseWnd();               // replaced by the response window's services (windows/, later issue)
void FocusCustomPalet();          // replaced by the response window's services (windows/, later issue)
void DrawBevelBtnMenu();          // replaced by the custom palette's alignment button (later issue)
void CustomFloatPalet();          // replaced by the custom palette (palette/, later issue)
void CustomPaletDisp();           // replaced by the custom palette (palette/, later issue)
void EnableCustomPalet();         // replaced by the custom palette (palette/, later issue)
void DisableCustomPalet();        // replaced by the custom palette (palette/, later issue)
void CustumPaletCalcReturn();     // replaced by the custom palette (palette/, later issue)
void MasageTextToPRParameter();   // replaced by the parameter records (app/, later issue)
void PassiveRadiDataEnterWnd();   // replaced by the passive-radiator data window (windows/, later issue)
void PassiveRadiDataInDispOrg();  // replaced by the passive-radiator data window (windows/, later issue)

}  // namespace quendal
