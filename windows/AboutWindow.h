// The About window (window 2): the program's icon, name and version. A click
// on it, Return or Enter closes it.
#pragma once

#include <cstdint>

#include "model/SharedTypes.h"

namespace quendal {

inline constexpr int32_t kAboutWidth = 300;   // px of content
inline constexpr int32_t kAboutHeight = 232;

// Controls of window 2.
inline constexpr int32_t kAboutIcon = 1;
inline constexpr int32_t kAboutName = 2;
inline constexpr int32_t kAboutVersion = 3;
inline constexpr int32_t kAboutPurpose = 4;

// Opens the About window in front, centred on the screen.
void AboutWnd();

// Closes it (a click in it, Return or Enter), clears AboutWndflag and gives
// back the menus of the window the user works in.
void closeAboutWindow();

}  // namespace quendal
