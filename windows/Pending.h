// Routines of other rooms that the windows and dialogs call and that are
// not in this tree yet; each line names what replaces it.
#pragma once

#include <cstdint>
#include <string_view>

#include "selection/Pending.h"

namespace quendal {

void InitMenu13();                // replaced by the shell's menu states (app/)
void InitMenu16();                // replaced by the shell's menu states (app/)
void NavUserActionCancelMenu();   // replaced by the shell's menu states (app/)
void ReDispResposeWnd();          // replaced by the response redraw (view/)
void AsVentOpt();                 // replaced by the automatic vent sizing (vent/)
void FocusCustomPalet();          // replaced by the custom palette (palette/)
void DrawBevelBtnMenu();          // replaced by the custom palette's alignment button (later issue)
void CustomFloatPalet();          // replaced by the custom palette (palette/, later issue)
void CustomPaletDisp();           // replaced by the custom palette (palette/, later issue)
void EnableCustomPalet();         // replaced by the custom palette (palette/, later issue)
void DisableCustomPalet();        // replaced by the custom palette (palette/, later issue)
void CustumPaletCalcReturn();     // replaced by the custom palette (palette/, later issue)
void MasageTextToPRParameter();   // replaced by the parameter records (app/, later issue)
void PassiveRadiDataEnterWnd();   // replaced by the passive-radiator data window (windows/, later issue)
void PassiveRadiDataInDispOrg();  // replaced by the passive-radiator data window (windows/, later issue)
void DispNyquistOtherBtn();       // replaced by the Nyquist slider and panel (view/)
void DrawNyquistValue();          // replaced by the Nyquist slider and panel (view/)
// Replaced by the messages to the sibling applications (app/AppMessages).
int32_t SndAppleEvent(std::string_view code, std::string_view text, std::string_view applicationName);

}  // namespace quendal
