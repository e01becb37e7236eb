// Routines of other rooms that the response page calls and that are not in
// this tree yet. Each has an empty body in Pending.cpp until the room that
// owns it arrives.
#pragma once

#include <cstdint>

namespace quendal {

void SystemProfile();                      // System Profile page (selection/SystemProfile)
void VentInfo();                           // Vent Information page (vent design)
int32_t ParallelVentedVentOpt();           // Twin Serial Vented vent-1 resizing (vent design)
void AsVentOpt();                          // automatic vent design (vent design)
int32_t DispSPLPIN();                      // SPL and input-power lines of the System Info palette (selection/SystemInfoPalette)
void toTextChang();                        // custom palette display texts (custom palette)
void CustomPaletDisp();                    // custom palette refill (custom palette)
void DirtyCheckSpParamCheck();             // unsaved-changes comparison (app/UnsavedChanges)
void BoxParameterBackup();                 // box values rounded and kept as last accepted (app/ParameterPasses)
void Menu9_Disable();                      // View menu items 1-10 disabled (shell menus)
void SetItemMarkOnViewMenu();              // View menu check marks (shell menus)
void ResizeResponseWndSetBoundLimit();     // response window size limits (response window services)
void ResizeResponseWnd();                  // response window size for the page (response window services)
void DispShowDetailTriBtn();               // details disclosure triangle 405 (response window services)
int32_t InstallSliderControlAction(int32_t controlNumber);  // live action of slider 406 (shell control glue)

}  // namespace quendal
