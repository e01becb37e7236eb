// Fills the hooks through which the windows, palettes and pages below the
// shell ask it to act, with the shell's own routines, and checks at start
// that every one of them is filled.
//
// The hooks: the three of view/ShellHooks.h (menusFor, refreshWindows,
// compareDesign) and setAlertSheetOk (dialogs/Alerts.h), filled by
// installShellHooks; setKeptDesignEnding (windows/InitialSetup.h), filled
// by InstallApplicationHandler with the command handler.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace quendal {

// Once at start, before any window is made.
int32_t installShellHooks();

// The names of the hooks still empty, in the order above.
std::vector<std::string_view> unfilledShellHooks();

// Once the start has filled the hooks: a hook left empty would make its
// window end differently without a word, so the program stops at once
// with a message naming each empty hook.
void requireShellHooks();

}  // namespace quendal
