// Pictures of the resources for image views, picture controls and icon
// controls, and a cursor made from a picture.
//
// Image views made here take the first free control number from
// kFirstImageViewNumber up in their window, and return it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/SharedTypes.h"
#include "platform/HelpTag.h"

namespace quendal {

inline constexpr int32_t kFirstImageViewNumber = 10000;

// The path of a file of the resources (in `subdirectory`, or at the top for
// ""), when it exists and is not empty.
std::optional<std::string> bundleResourcePath(std::string_view name, std::string_view subdirectory);

// The picture file of the resources; nothing when it is missing.
std::optional<platform::BundleImage> CreateCGImageFromBundleResource(std::string_view name,
                                                                     std::string_view subdirectory);
std::optional<platform::BundleImage> PicHandleFromBundleResource(std::string_view name, std::string_view subdirectory);

// Shows the picture in an image view or picture control.
void ImageViewSetNamedImage(int32_t windowNumber, int32_t view, std::string_view name, std::string_view subdirectory);
void ControlSetPicHandle(int32_t windowNumber, int32_t control, const platform::BundleImage& picture);

// A visible, scale-to-fit image view in the window (embedded in control
// `parent` when given); its number, 0 when the window (or parent) is missing.
int32_t CreateImageView(int32_t windowNumber, Rect16 frame, int32_t parent = 0);
// Such a view showing the picture, embedded in control `controlNumber` of
// the current window; its number, or 0.
int32_t SetHIViewImageEmbedBtn(int32_t controlNumber, Rect16 frame, std::string_view name, std::string_view subdirectory);
// Such a view showing the picture in window `windowNumber`. A picture that
// cannot be shown is reported ("Unable to set image.") and its view removed;
// the program goes on. The view's number, or 0.
int32_t AddImageHiViewToWindow(int32_t windowNumber, Rect16 rect, std::string_view name, std::string_view subdirectory);

// The program's icon in a picture that does not track clicks, as control
// `controlNumber` of the current window; nothing when there is no icon. The
// program has one icon, whatever the type asked for.
void CreateAppIconControlNoTrack(int32_t controlNumber, Rect16 rect, uint32_t iconType);

// The picture `name`.`extension` as the cursor, its hot spot at (7, 7).
void ChangeCursor(std::string_view name, std::string_view extension, std::string_view subdirectory);

}  // namespace quendal
