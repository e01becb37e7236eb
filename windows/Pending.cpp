#include "windows/Pending.h"

namespace quendal {

void ReDispResposeWnd() {}          // view/ response redraw
void AsVentOpt() {}                 // vent/ automatic sizing
void ResponseWnd() {}               // windows/ response window services
void FocusCustomPalet() {}          // windows/ response window services
void DrawBevelBtnMenu() {}          // custom palette alignment button
void CustomFloatPalet() {}          // palette/
void CustomPaletDisp() {}           // palette/
void EnableCustomPalet() {}         // palette/
void DisableCustomPalet() {}        // palette/
void CustumPaletCalcReturn() {}     // palette/

}  // namespace quendal
