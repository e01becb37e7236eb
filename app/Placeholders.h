// Routines that the shell's menu, control and window rows call and that other
// rooms build. Until they arrive, each one here does nothing (its comment
// names what replaces it); a row calls it by its own name all the same.
#pragma once

#include <cstdint>
#include <string_view>

#include "model/Str255.h"

namespace quendal {

// --- Preferences, parameter passes, desktop opener, About and Preferences windows

// --- Default Parameters, System Select, Initial Setup and the alerts

// --- The response page and its read-outs
int32_t ResponseWndMouseMoved(int32_t h, int32_t v);  // pointer over the graph: cross-hair and read-out; kHandled when consumed
int32_t ResponseWndMouseDown(int32_t h, int32_t v);   // click in the graph: freezes or frees the read-out; kHandled when consumed

// --- The System Info palette

// --- The response window's own services (later)

// --- The custom palette (later)

// --- The speaker-connection sheet (later)

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
