#include "dialogs/UrlLoadingImages.h"


#include "platform/CarefulFiles.h"
#include "platform/Platform.h"

namespace quendal {

namespace {

constexpr int32_t kCursorHotSpot = 7;  // px from the picture's top left

int32_t freeImageViewNumber(platform::WindowNumber window) {
    int32_t n = kFirstImageViewNumber;
    while (platform::controlExists(window, n)) ++n;
    return n;
}

}  // namespace

std::optional<std::string> bundleResourcePath(std::string_view name, std::string_view subdirectory) {
    if (name.empty() || name.find('/') != std::string_view::npos) return std::nullopt;
    std::string path = platform::resourceFolder();
    if (!subdirectory.empty()) path.append("/").append(subdirectory);
    path.append("/").append(name);
    if (!platform::fileHoldsBytes(path)) return std::nullopt;
    return path;
}

std::optional<platform::BundleImage> CreateCGImageFromBundleResource(std::string_view name,
                                                                     std::string_view subdirectory) {
    if (!bundleResourcePath(name, subdirectory)) return std::nullopt;
    return platform::BundleImage{std::string(name), std::string(subdirectory)};
}

std::optional<platform::BundleImage> PicHandleFromBundleResource(std::string_view name, std::string_view subdirectory) {
    return CreateCGImageFromBundleResource(name, subdirectory);
}

void ImageViewSetNamedImage(int32_t windowNumber, int32_t view, std::string_view name, std::string_view subdirectory) {
    platform::setControlImage(windowNumber, view, name, subdirectory);
}

void ControlSetPicHandle(int32_t windowNumber, int32_t control, const platform::BundleImage& picture) {
    platform::setControlImage(windowNumber, control, picture.file, picture.folder);
}

int32_t CreateImageView(int32_t windowNumber, Rect16 frame, int32_t parent) {
    if (!platform::windowExists(windowNumber)) return 0;
    const int32_t number = freeImageViewNumber(windowNumber);
    platform::ControlSpec view(platform::ControlKind::ImageView, frame);
    view.parent = parent;
    return platform::createControl(windowNumber, number, view) ? number : 0;
}

int32_t SetHIViewImageEmbedBtn(int32_t controlNumber, Rect16 frame, std::string_view name,
                               std::string_view subdirectory) {
    const platform::WindowNumber window = platform::currentWindow();
    if (window == 0 || !platform::controlExists(window, controlNumber)) return 0;
    const int32_t view = CreateImageView(window, frame, controlNumber);
    if (view != 0) platform::setControlImage(window, view, name, subdirectory);
    return view;
}

int32_t AddImageHiViewToWindow(int32_t windowNumber, Rect16 rect, std::string_view name, std::string_view subdirectory) {
    const int32_t view = CreateImageView(windowNumber, rect);
    if (view == 0) return 0;
    if (!platform::setControlImage(windowNumber, view, name, subdirectory)) {
        platform::removeControl(windowNumber, view);
        std::string picture(subdirectory);
        picture.append("/").append(name);
        platform::showAlert("Unable to set image.", picture);
        return 0;
    }
    return view;
}

void CreateAppIconControlNoTrack(int32_t controlNumber, Rect16 rect, uint32_t) {
    const platform::WindowNumber window = platform::currentWindow();
    const auto icon = platform::CGImageCreateFromBundleIconFile();
    if (window == 0 || !icon) return;
    if (platform::createControl(window, controlNumber, platform::ControlSpec(platform::ControlKind::ImageView, rect)))
        platform::setControlImage(window, controlNumber, icon->file, icon->folder);
}

void ChangeCursor(std::string_view name, std::string_view extension, std::string_view subdirectory) {
    std::string file(name);
    if (!extension.empty()) file.append(".").append(extension);
    platform::setImageCursor(file, subdirectory, kCursorHotSpot, kCursorHotSpot);
}

}  // namespace quendal
