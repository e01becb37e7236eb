// Routines of other rooms that the records and messages call before they
// reach this tree. Each has an empty body in Pending.cpp until its own room
// provides it; each line names what replaces it.
#pragma once

#include <cstdint>
#include <string>

#include "model/SharedTypes.h"

namespace quendal {

int32_t OriginalBoxParametersPass();     // replaced by the parameter passes (app/ParameterPasses)
int32_t OpenSystemSelectWnd();           // replaced by the System Select window (selection/SystemSelect)
void InitMenu13();                       // replaced by the shell's menu states (app/)
void InitMenu14();                       // replaced by the shell's menu states (app/)
void NavUserActionCancelMenu();          // replaced by the shell's menu states (app/)
int32_t ResposeWindowClose();            // replaced by the design flow (app/, closing and quitting)
int32_t QuitMenuSelect(uint8_t notify);  // replaced by the design flow (app/, closing and quitting)
int32_t NavAskWind(int16_t purpose);     // replaced by the design flow's save question (app/)
int32_t NavAskSaveDontWnd();             // replaced by the save-changes sheet 14 (windows/, later)
int32_t GetWndsBounds();                 // replaced by the response window's services (windows/, later)
int32_t ResetResponseWndBounds();        // replaced by the response window's services (windows/, later)
int32_t CloseWindows();                  // replaced by windows/CloseWindows
int32_t OpenDocmFile();                  // replaced by the document files (app/, later)
int32_t ClikOpenDocm(const std::string& path);  // replaced by the document files (app/, later)
int32_t InitUpdateFlag();                // replaced by the update check (app/, later)
int32_t CheckForVersion();               // replaced by the update check (app/, later)
int32_t DisableCustomPalet();            // replaced by the custom palette (palette/)
int32_t EnableCustomPalet();             // replaced by the custom palette (palette/)
int32_t CustomPaletDisp();               // replaced by the custom palette (palette/)
int32_t ReDispResposeWnd();              // replaced by the response redraw (view/)
int32_t DirtyCheckSpParamCheck();        // replaced by the unsaved-changes model (app/UnsavedChanges)

// Replaced by checkDriver of model/DriverCheck: true when the entered driver
// set (suffix 2) of `driver` may be taken. Until then it applies the same
// rule here: FS2, VAS2, QTS2, QMS2, RE2, SD2 positive; QES2, EFI2, PEMX2,
// VD2, XMAX2, LE2, DIA2 not negative; EFI2 at most 100 %; all finite.
bool receivedDriverPasses(const SpeakerParameters& driver);

}  // namespace quendal
