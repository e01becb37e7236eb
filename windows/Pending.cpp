#include "windows/Pending.h"

namespace quendal {

void InitMenu13() {}                // app/ menu states
void InitMenu16() {}                // app/ menu states
void NavUserActionCancelMenu() {}   // app/ menu states
void ReDispResposeWnd() {}          // view/ response redraw
void SystemInfoFloatPalet() {}      // selection/SystemInfoPalette
void DispSPLPIN() {}                // selection/SystemInfoPalette
void ResponseWnd() {}               // windows/ response window services
void FocusCustomPalet() {}          // windows/ response window services
void DrawBevelBtnMenu() {}          // custom palette alignment button
void CustomFloatPalet() {}          // palette/
void CustomPaletDisp() {}           // palette/
void EnableCustomPalet() {}         // palette/
void DisableCustomPalet() {}        // palette/
void CustumPaletCalcReturn() {}     // palette/
void MasageTextToPRParameter() {}   // app/ parameter records
void PassiveRadiDataEnterWnd() {}   // windows/ passive-radiator data window
void PassiveRadiDataInDispOrg() {}  // windows/ passive-radiator data window

}  // namespace quendal
