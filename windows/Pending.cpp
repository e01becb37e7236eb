#include "windows/Pending.h"

namespace quendal {

void InitMenu13() {}                // app/ menu states
void InitMenu16() {}                // app/ menu states
void NavUserActionCancelMenu() {}   // app/ menu states
void ReDispResposeWnd() {}          // view/ response redraw
void AsVentOpt() {}                 // vent/ automatic sizing
void SystemInfoFloatPalet() {}      // selection/SystemInfoPalette
void DispSPLPIN() {}                // selection/SystemInfoPalette
void ResponseWnd() {}               // windows/ response window services
void MasageTextToPRParameter() {}   // app/ parameter records
void PassiveRadiDataEnterWnd() {}   // windows/ passive-radiator data window
void PassiveRadiDataInDispOrg() {}  // windows/ passive-radiator data window

}  // namespace quendal
