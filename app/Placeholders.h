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

// --- The System Info palette

// --- The response window's own services (later)

// --- The custom palette (later)

// --- The speaker-connection sheet (later)

// --- The document flow, closing, quitting and the file dialogs (later)

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
