// Starting the design of the system chosen, and the Initial Setup sheet
// (window 5) in which the user confirms the input power and, for a system
// with vents, the port thickness (the baffle thickness, length of a port).
#pragma once

#include <cstdint>

#include "dialogs/DesignStart.h"

namespace quendal {


// Starts the design of (SysSelTabNum, SysSelBtnNum), or re-enters the
// design on screen after the Initial Setup sheet. Sets InitSysType and the
// input power (a new design from the preferences' default input power) and
// checks the driver (an alert, and the System Select
// window stays, when it does not suit the system). When the preferences
// ask for the Initial Setup and the sheet has not been answered, shows it
// and returns: its OK enters here again. Otherwise closes the System
// Select window; a new design starts from the amplitude view, the initial
// loss factors, one vent of each kind and the first alignment; the system
// is computed, the menus set for it, and the design's windows opened (new
// design) or redrawn (design on screen). A passive-radiator record waiting
// is then applied through the passive-radiator data window.
int32_t InitialSetupSelect();

// How the design kept on the screen behind the System Select window
// (KeptDesignFlag) ends once the design chosen there replaces it; the shell
// installs its routine at start (the start checks that it did). Without
// one, the kept design's windows just close.
void setKeptDesignEnding(int32_t (*ending)());
bool keptDesignEndingFilled();
// Ends the kept design through that routine. Returns 0.
int32_t endKeptDesign();

// Opens the Initial Setup sheet on the System Select window, or on the
// response window when the design is on screen: field 10 the input power
// (W), field 11 the port thickness (mm) for a system with vents. While the
// input power follows the driver's rated power (InputPowerCheck 1) field 10
// is disabled and a note says why.
int32_t InitialSetupWnd();

// OK: takes the input power (at least 0.4 W, unless its field is disabled)
// into PinTemp and PIN and the port thickness (at least 3 mm) into LVP,
// with LVD = LVP + 20 mm; a value refused raises an alert and keeps the
// sheet. Then enters the design.
int32_t InitSetupOkReturn();

// Cancel (also Escape and the window's close): closes the sheet, keeps the
// values as they were and gives the window below its menus back.
int32_t InitSetupCancel();

}  // namespace quendal
