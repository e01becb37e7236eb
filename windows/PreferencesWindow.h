// The Preferences window (window 15, "Quendal Preferences"): nine options
// that take effect at the click, the default input power and the port
// thickness that OK checks and keeps.
#pragma once

#include <cstdint>

namespace quendal {

inline constexpr int32_t kPreferencesWidth = 330;   // px of content
inline constexpr int32_t kPreferencesHeight = 465;

// Controls of window 15.
inline constexpr int32_t kBoundsCheckBox = 501;
inline constexpr int32_t kSoundCheckBox = 502;
inline constexpr int32_t kSystemCheckBox = 503;
inline constexpr int32_t kInitSetupCheckBox = 504;
inline constexpr int32_t kPrintParamCheckBox = 505;
inline constexpr int32_t kPrintDateCheckBox = 506;
inline constexpr int32_t kUpdateForCheckBox = 507;
inline constexpr int32_t kInputPowerCheckBox = 508;
inline constexpr int32_t kMagniCheckBox = 509;
inline constexpr int32_t kInputPowerField = 515;     // W
inline constexpr int32_t kPortThicknessField = 516;  // mm
inline constexpr int32_t kPreferencesOK = 517;

// Opens the window with the current options, at its remembered place when
// windows reopen where they were; an open one comes to the front.
void PreferenceWnd();

// A click on one of the nine check boxes: its option takes the box's value
// at once (absolute levels switch the view's level mode as well). False for
// any other control.
bool preferenceCheckBoxClicked(int32_t control);

// OK (the button, Return or Enter): a default input power below 0.4 W or a
// port thickness below 3 mm is refused with an alert on the window, which
// stays open with the kept value back in the field; otherwise both are kept
// and the window closes.
void PreferenceWndOKReturn();

// The close box: the window closes, keeping the options clicked and leaving
// the two values as they were.
void PreferenceWndClose();

// The window was moved: its own content bounds are remembered.
void rememberPreferencesBounds();

}  // namespace quendal
