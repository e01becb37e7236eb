// Routines that the shell's menu, control and window rows call and that other
// rooms build. Until they arrive, each one here does nothing (its comment
// names what replaces it); a row calls it by its own name all the same.
#pragma once

#include <cstdint>
#include <string_view>

#include "model/Str255.h"
#include "platform/Pending.h"
#include "windows/Pending.h"

namespace quendal {

// --- Preferences, parameter passes, desktop opener, About and Preferences windows

// --- Default Parameters, System Select, Initial Setup and the alerts
int32_t InitialSetupWndForVentDesign();      // the Initial Setup sheet over the Vent Design sheet (6)

// --- The response page and its read-outs
int32_t MenuPlotForResponse();               // the View menu for the response kind shown
int32_t DrawPointerContorol();               // the read-out under the graph
int32_t DrawNyquistValue();                  // the Nyquist read-out
int32_t DispNyquistOtherBtn();               // the Nyquist slider and its arrows
int32_t ResponseWndMouseMoved(int32_t h, int32_t v);  // pointer over the graph: cross-hair and read-out; kHandled when consumed
int32_t ResponseWndMouseDown(int32_t h, int32_t v);   // click in the graph: freezes or frees the read-out; kHandled when consumed

// --- The System Info palette

// --- The response window's own services (later)
int32_t GetWndsBounds();                     // keeps the bounds of the response window and the palettes
int32_t ResetResponseWndBounds();            // the response window's height for the plain page
int32_t SetupWndGroup();                     // the response window and palettes move together
int32_t ReleaseWndGroup();                   // ... and no longer
int32_t DetailTriBtnHandler();               // toggles the details disclosure of the response window
int32_t FocusResponseWnd();                  // makes the response window current and focused

// --- The custom palette (later)
int32_t CustumPaletPopupClick(int32_t controlNumber);  // its Qa and Qb popups

// --- The speaker-connection sheet (later)
int32_t SpConSelectWnd();                    // opens the sheet (4)
int32_t SpConSelectDoDialog();               // applies the chosen connection
int32_t DoEventSpConSel();                   // hit test of a click
int32_t SpConInitAfter();                    // selection frames of the connection pictures
int32_t SpConSelBottan();                    // the five connection buttons
int32_t GetPictSpConSel();                   // their pictures

// --- The document flow, closing, quitting and the file dialogs (later)
int32_t NavAskWind(int32_t purpose);         // the save question before an action
int32_t NavAskSaveDontWndHandler(int16_t choice);  // the answer of the Save / Don't Save sheet (14)
int32_t ChangeToSystemSelect();              // ends the design, opens System Select
int32_t ChangeToSpeakerSelect();             // ends the design, hands over to speaker selection
int32_t ResposeWindowClose();                // ends the design
int32_t QuitMenuSelect(uint8_t notify);      // saves and ends the program (for now: ends the event loop)
int32_t OpenDialogFile();                    // the open dialog
int32_t SaveFile();                          // saves the design to its document
int32_t SaveAsFile();                        // the save dialog
int32_t SaveAsStationeryFile();              // the save dialog for stationery
int32_t HandleTabs(int32_t tabControlID);    // shows the pane of the selected tab

// --- Vent design (later)
int32_t VentDesignWnd();                     // opens the Vent Design sheet (10)
int32_t ParallelVentedVentOpt();             // Twin Serial Vented: first sizing of vent 1
int32_t PreVentParameterChange();            // the working copy of vent VentID
int32_t VentParameterBackupForCancel();      // the cancel copy
int32_t VentParameterReturnForCancel();      // the working copy back from the cancel copy
int32_t VentDesignDisp();                    // refills the sheet
int32_t CircVentRadioClick();                // Ported / Ducted of a circular vent
int32_t CircVentNumCalc();                   // number of circular vents
int32_t RectVentRadioClick();                // Ported / Ducted of a rectangular vent
int32_t RectVentNumCalc();                   // number of rectangular vents
int32_t VentDesignCalcOKReturn(int32_t isOK);  // Calc. (0) or OK (1) of the sheet
int32_t VentInitializeOkReturnCalc();        // Initialize of the sheet
int32_t InitSetupOkReturnForVentDesignWnd(); // OK of the Initial Setup sheet over it

// --- Messages between applications and the passive-radiator data sheet (later)

// --- Printing, snapshot, update check (later)
int32_t MyDoPageSetup(int32_t window);       // the page-setup sheet
int32_t MyDoPrint(int32_t window, int32_t copies);  // the print dialog
int32_t SnapShot();                          // PNG snapshot of the response window
int32_t InitUpdateFlag();                    // resets the update-check flags
int32_t CheckForVersion();                   // starts the version check
int32_t CheckForUpdateWndOkButton();         // OK of the update window (18)
int32_t CheckForUpdateWndDownloadButton();   // its Download
int32_t LSLaunchURLInDownloadsFolder(std::string_view fileName);  // opens a downloaded file

}  // namespace quendal
