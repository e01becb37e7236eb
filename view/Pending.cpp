#include "view/Pending.h"

namespace quendal {

void SystemProfile() {}                    // replaced by the System Profile page
void VentInfo() {}                         // replaced by the vent design's Vent Information page
int32_t ParallelVentedVentOpt() { return 0; }  // replaced by the vent design
void AsVentOpt() {}                        // replaced by the vent design
int32_t DispSPLPIN() { return 0; }         // replaced by the System Info palette
void toTextChang() {}                      // replaced by the custom palette
void CustomPaletDisp() {}                  // replaced by the custom palette
void DirtyCheckSpParamCheck() {}           // replaced by the unsaved-changes model
void BoxParameterBackup() {}               // replaced by the parameter passes and backups
void Menu9_Disable() {}                    // replaced by the shell's menu states
void SetItemMarkOnViewMenu() {}            // replaced by the shell's menu states
void ResizeResponseWndSetBoundLimit() {}   // replaced by the response window services
void ResizeResponseWnd() {}                // replaced by the response window services
void DispShowDetailTriBtn() {}             // replaced by the response window services
int32_t InstallSliderControlAction(int32_t) { return 0; }  // replaced by the shell's control glue

}  // namespace quendal
