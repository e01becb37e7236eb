// Menu commands: every chosen item arrives here by menu number and item and
// is dispatched to the action it stands for.
#pragma once

#include <cstdint>

namespace quendal {

// The application's command handler. kHandled for the commands it knows,
// kEventNotHandled for any other (which then changes nothing).
int32_t ApplicationEventHandler(int32_t menu, int32_t item);
// The impedance-connection submenu's own handler: "Parallel" or "Serial".
int32_t MenuEventHandler(int32_t menu, int32_t item);
// Installs ApplicationEventHandler as the command handler, and the routine
// that ends a design kept behind the System Select window.
int32_t InstallApplicationHandler();

// Opens the maker's web site.
int32_t LaunchMyURL(int32_t which);

}  // namespace quendal
