#include "windows/Pending.h"

namespace quendal {

void InitMenu13() {}                // app/ menu states
void InitMenu16() {}                // app/ menu states
void NavUserActionCancelMenu() {}   // app/ menu states
void ReDispResposeWnd() {}          // view/ response redraw
void AsVentOpt() {}                 // vent/ automatic sizing
void FocusCustomPalet() {}          // palette/
void DrawBevelBtnMenu() {}          // custom palette alignment button
void CustomFloatPalet() {}          // palette/
void CustomPaletDisp() {}           // palette/
void EnableCustomPalet() {}         // palette/
void DisableCustomPalet() {}        // palette/
void CustumPaletCalcReturn() {}     // palette/
void MasageTextToPRParameter() {}   // app/ parameter records
void PassiveRadiDataEnterWnd() {}   // windows/ passive-radiator data window
void PassiveRadiDataInDispOrg() {}  // windows/ passive-radiator data window
void DispNyquistOtherBtn() {}       // view/ Nyquist slider and panel
void DrawNyquistValue() {}          // view/ Nyquist slider and panel
int32_t SndAppleEvent(std::string_view, std::string_view, std::string_view) { return 0; }  // app/AppMessages

}  // namespace quendal
