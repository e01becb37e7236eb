#include "platform/HelpTag.h"

#include <cctype>
#include <cstring>

#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/CarefulFiles.h"
#include "platform/Platform.h"

namespace quendal::platform {

namespace {

constexpr std::string_view kSideMarker = "\\@";
constexpr std::string_view kExpandMarker = "\\\xA4";
constexpr int32_t kNyquistSlider = 406;
constexpr std::string_view kIconFile = "AppIcon.svg";

HelpTagSide sideOf(std::string_view code) {
    std::string c;
    for (char ch : code.substr(0, 2)) c += char(std::toupper(static_cast<unsigned char>(ch)));
    if (c == "CL" || c == "LC" || c == "L") return HelpTagSide::LeftCentre;
    if (c == "CR" || c == "RC" || c == "R") return HelpTagSide::RightCentre;
    if (c == "LT") return HelpTagSide::TopLeft;
    if (c == "RT") return HelpTagSide::TopRight;
    if (c == "TL") return HelpTagSide::LeftTop;
    if (c == "BL") return HelpTagSide::LeftBottom;
    if (c == "LB") return HelpTagSide::BottomLeft;
    if (c == "RB") return HelpTagSide::BottomRight;
    if (c == "TR") return HelpTagSide::RightTop;
    if (c == "BR") return HelpTagSide::RightBottom;
    if (c == "T") return HelpTagSide::TopCentre;
    if (c == "B") return HelpTagSide::BottomCentre;
    return HelpTagSide::Default;
}

void sliderAction(WindowNumber window, ControlNumber control, int32_t part) { SliderControlAction(window, control, part); }

}  // namespace

HelpTag parseHelpTag(std::string_view helpText) {
    HelpTag tag;
    const std::size_t at = helpText.find(kSideMarker);
    std::string_view shown = helpText.substr(0, at);
    if (at != std::string_view::npos) tag.side = sideOf(helpText.substr(at + kSideMarker.size()));

    const std::size_t split = shown.find(kExpandMarker);
    if (split == std::string_view::npos) {
        tag.text = std::string(shown);
        tag.expanded = tag.text;
        return tag;
    }
    std::string_view rest = shown.substr(split + kExpandMarker.size());
    tag.text = std::string(shown.substr(0, split));
    if (!rest.empty() && rest.front() == '+')
        tag.expanded = tag.text + '\r' + std::string(rest.substr(1));
    else
        tag.expanded = std::string(rest);
    return tag;
}

std::optional<TagCorner> helpTagCorner(HelpTagSide side, Rect16 control, int32_t width, int32_t height) {
    const int32_t g = kHelpTagGap;
    const int32_t left = control.left, top = control.top, right = control.right, bottom = control.bottom;
    const int32_t midX = (left + right - width) / 2, midY = (top + bottom - height) / 2;
    switch (side) {
        case HelpTagSide::Default: return std::nullopt;
        case HelpTagSide::LeftCentre: return TagCorner{left - g - width, midY};
        case HelpTagSide::RightCentre: return TagCorner{right + g, midY};
        case HelpTagSide::TopLeft: return TagCorner{left, top - g - height};
        case HelpTagSide::TopRight: return TagCorner{right - width, top - g - height};
        case HelpTagSide::LeftTop: return TagCorner{left - g - width, top};
        case HelpTagSide::LeftBottom: return TagCorner{left - g - width, bottom - height};
        case HelpTagSide::BottomLeft: return TagCorner{left, bottom + g};
        case HelpTagSide::BottomRight: return TagCorner{right - width, bottom + g};
        case HelpTagSide::RightTop: return TagCorner{right + g, top};
        case HelpTagSide::RightBottom: return TagCorner{right + g, bottom - height};
        case HelpTagSide::TopCentre: return TagCorner{midX, top - g - height};
        case HelpTagSide::BottomCentre: return TagCorner{midX, bottom + g};
    }
    return std::nullopt;
}

int32_t ButtonHelpSetText(int32_t controlNumber, std::string_view text) {
    const WindowNumber window = currentWindow();
    if (window != 0 && controlExists(window, controlNumber)) setHelpTag(window, controlNumber, text);
    return 0;
}

void BlockZero(void* address, std::ptrdiff_t count) {
    if (address != nullptr && count > 0) std::memset(address, 0, std::size_t(count));
}

int32_t BevelButtonSetCGImage(int32_t controlNumber, const BundleImage& image) {
    if (const WindowNumber window = currentWindow(); window != 0)
        setControlImage(window, controlNumber, image.file, image.folder);
    return 0;
}

std::optional<BundleImage> CGImageCreateFromBundleIconFile() {
    const std::string path = resourceFolder() + "/" + std::string(kIconFile);
    if (!platform::fileHoldsBytes(path)) return std::nullopt;
    return BundleImage{std::string(kIconFile), ""};
}

int32_t ViewBindToParent(int32_t controlNumber) {
    if (const WindowNumber window = currentWindow(); window != 0) bindControlToParent(window, controlNumber);
    return 0;
}

int32_t InstallSliderControlAction(int32_t controlNumber) {
    if (const WindowNumber window = currentWindow(); window != 0)
        installSliderAction(window, controlNumber, sliderAction);
    return 0;
}

void SliderControlAction(int32_t, int32_t, int32_t part) {
    if (part != kIndicatorPart) return;
    selectWindow(kResponseWindow);
    responseSliderMoved(controlValue(kResponseWindow, kNyquistSlider));
}

}  // namespace quendal::platform
