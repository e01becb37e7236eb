#include "app/Pending.h"

#include <cmath>

namespace quendal {

int32_t OriginalBoxParametersPass() { return 0; }   // app/ParameterPasses
int32_t OpenSystemSelectWnd() { return 0; }         // selection/SystemSelect
void InitMenu13() {}                                // app/ menu states
void InitMenu14() {}                                // app/ menu states
void NavUserActionCancelMenu() {}                   // app/ menu states
int32_t ResposeWindowClose() { return 0; }          // app/ design flow
int32_t QuitMenuSelect(uint8_t) { return 0; }       // app/ design flow
int32_t NavAskWind(int16_t) { return 0; }           // app/ design flow
int32_t NavAskSaveDontWnd() { return 0; }           // windows/ save-changes sheet
int32_t GetWndsBounds() { return 0; }               // windows/ response window services
int32_t ResetResponseWndBounds() { return 0; }      // windows/ response window services
int32_t CloseWindows() { return 0; }                // windows/CloseWindows
int32_t OpenDocmFile() { return 0; }                // app/ document files
int32_t ClikOpenDocm(const std::string&) { return 0; }  // app/ document files
int32_t InitUpdateFlag() { return 0; }              // app/ update check
int32_t CheckForVersion() { return 0; }             // app/ update check
int32_t DisableCustomPalet() { return 0; }          // palette/
int32_t EnableCustomPalet() { return 0; }           // palette/
int32_t CustomPaletDisp() { return 0; }             // palette/
int32_t ReDispResposeWnd() { return 0; }            // view/
int32_t DirtyCheckSpParamCheck() { return 0; }      // app/UnsavedChanges

bool receivedDriverPasses(const SpeakerParameters& d) {  // model/DriverCheck
    for (double v : {d.FS2, d.VAS2, d.QTS2, d.QMS2, d.RE2, d.SD2})
        if (!std::isfinite(v) || v <= 0.0) return false;
    for (double v : {d.QES2, d.EFI2, d.PEMX2, d.VD2, d.XMAX2, d.LE2, d.DIA2})
        if (!std::isfinite(v) || v < 0.0) return false;
    return d.EFI2 <= 100.0;
}

}  // namespace quendal
