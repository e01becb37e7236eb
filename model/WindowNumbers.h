// The numbers by which the program creates, finds and closes its windows,
// and the numbers of its menus. One place, so that every room means the
// same window by the same number.
#pragma once

#include <cstdint>

namespace quendal {

// Windows
inline constexpr int32_t kAboutWindow = 2;
inline constexpr int32_t kSystemSelectWindow = 3;
inline constexpr int32_t kSpeakerConnectionSheet = 4;
inline constexpr int32_t kInitialSetupSheet = 5;
inline constexpr int32_t kVentInitialSetupSheet = 6;
inline constexpr int32_t kResponseWindow = 7;
inline constexpr int32_t kSystemInfoPalette = 8;
inline constexpr int32_t kCustomPalette = 9;
inline constexpr int32_t kVentDesignSheet = 10;
inline constexpr int32_t kDefaultParametersWindow = 11;
inline constexpr int32_t kPassiveRadiatorSheet = 12;
inline constexpr int32_t kAlertSheet = 13;
inline constexpr int32_t kSaveChangesSheet = 14;
inline constexpr int32_t kPreferencesWindow = 15;
inline constexpr int32_t kUpdateWindow = 18;

// Menus: the menu bar's numbers and those of the popups follow here.

}  // namespace quendal
