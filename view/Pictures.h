// The program's pictures by name: the figure of each enclosure system, the
// picture of each speaker connection, and the other pictures the windows
// show. All are vector drawings in the resources' folder "Images".
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace quendal {

// The figure of the system on tab `tab` (1 "High Pass System", 2 "Band
// Pass System") at button `button` (1-8); "" for a selection that names no
// system.
std::string_view systemPicture(int32_t tab, int32_t button);

// The same by system number 1-16, (tab - 1) * 8 + button.
std::string_view systemPicture(int32_t systemNumber);

// The picture of speaker connection 1-5 (Single, Dual Parallel, Dual
// Serial, Push-Pull Parallel, Push-Pull Serial); "" for any other number.
std::string_view connectionPicture(int32_t connection);

// Whether the connection's picture is the wide one (the two push-pull
// connections) rather than the upright one.
bool isWideConnection(int32_t connection);

// The folder of the resources that holds the pictures.
inline constexpr std::string_view kPictureFolder = "Images";

// Backgrounds of a choice in the System Select window and the connection
// sheet, unselected and selected.
inline constexpr std::string_view kSystemButtonPicture = "SysBtnUnSelect.svg";
inline constexpr std::string_view kSystemButtonSelectedPicture = "SysBtnSelect.svg";
inline constexpr std::string_view kConnectionButtonPicture = "SpConBtnPortUnSelect.svg";
inline constexpr std::string_view kConnectionButtonSelectedPicture = "SpConBtnPortSelect.svg";
inline constexpr std::string_view kWideConnectionButtonPicture = "SpConBtnLandtUnSelect.svg";
inline constexpr std::string_view kWideConnectionButtonSelectedPicture = "SpConBtnLandtSelect.svg";

// Arrow buttons: back to system selection, on to speaker selection (small,
// and the large one of the System Select window), the Nyquist slider's
// steps.
inline constexpr std::string_view kSystemSelectArrowPicture = "SysSelArrow.svg";
inline constexpr std::string_view kSpeakerSelectArrowPicture = "SpSelArrow.svg";
inline constexpr std::string_view kSpeakerSelectBigArrowPicture = "SysSelBigArrow.svg";
inline constexpr std::string_view kUpArrowPicture = "UpArrow.svg";
inline constexpr std::string_view kDownArrowPicture = "DownArrow.svg";

// The pointer over the graph while the read-out follows it; its hot spot is
// the centre pixel (7, 7) of its 15 x 15 pixels.
inline constexpr std::string_view kCrossHairPicture = "CrossPointCursor.svg";

// Every picture file of the program, figures and connections included.
std::span<const std::string_view> allPictures();

}  // namespace quendal
