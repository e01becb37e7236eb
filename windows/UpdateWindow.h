// The update window (window 18, "Quendal Check for Update"): the outcome of
// the version check, the Download and Don't Download buttons, and after a
// download its outcome with "Launch Installer and Quit".
#pragma once

#include <cstdint>

namespace quendal {

inline constexpr int16_t kUpdateWindowWidth = 420;   // px of content
inline constexpr int16_t kUpdateWindowHeight = 150;

// Controls of window 18.
inline constexpr int32_t kUpdateIcon = 600;
inline constexpr int32_t kUpdateOK = 601;
inline constexpr int32_t kUpdateDownload = 602;
inline constexpr int32_t kUpdateDontDownload = 603;
inline constexpr int32_t kUpdateDoneOK = 604;
inline constexpr int32_t kUpdateLaunch = 605;
inline constexpr int32_t kUpdateHeadline = 606;
inline constexpr int32_t kUpdateDetail = 607;
inline constexpr int32_t kUpdateOnLaunchBox = 608;

// Builds and shows the window from the check's outcome: a failed
// connection, this version current, or a newer version with its Download
// buttons. checkUpdateBtn names the default button.
int32_t CheckForUpdateWnd();

// The download's outcome in the window: success with "Launch Installer and
// Quit", or failure; OK (604) becomes the default button.
int32_t ShowDownLoadFinished();

}  // namespace quendal
