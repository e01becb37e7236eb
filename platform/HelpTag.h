// Help tags and the small control glue the window builders use after
// creating a control.
//
// A help text is what the tag shows, optionally followed by "\@" and a side
// code of one or two letters that place the tag around the control
// ("Total Response\@B": below, centred). Inside the shown part, a backslash
// followed by the Mac Roman character 0xA4 splits a short text from an
// expanded one; a "+" right after that marker makes the expanded text the
// short text, a carriage return and the rest.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/SharedTypes.h"

namespace quendal::platform {

// Where the tag stands relative to the control.
enum class HelpTagSide : int32_t {
    Default = 0,
    LeftCentre = 2,
    RightCentre = 4,
    TopLeft = 5,
    TopRight = 6,
    LeftTop = 7,
    LeftBottom = 8,
    BottomLeft = 9,
    BottomRight = 10,
    RightTop = 11,
    RightBottom = 12,
    TopCentre = 13,
    BottomCentre = 14,
};

struct HelpTag {
    std::string text;      // the tag as shown
    std::string expanded;  // the expanded tag (the same text when there is none)
    HelpTagSide side = HelpTagSide::Default;
};

HelpTag parseHelpTag(std::string_view helpText);

// Pixels between a control and a tag placed beside it.
inline constexpr int32_t kHelpTagGap = 2;

// The top-left corner of a tag of width x height pixels on its side of the
// control (screen pixels); nothing for the default side, where the toolkit
// places the tag by the pointer. "Left top" means left of the control with
// the top edges level, "top left" above it with the left edges level.
struct TagCorner {
    int32_t left = 0, top = 0;
};
std::optional<TagCorner> helpTagCorner(HelpTagSide side, Rect16 control, int32_t width, int32_t height);

// Pictures of the resources as the control glue hands them around: a file
// of a folder of the resources.
struct BundleImage {
    std::string file;
    std::string folder;
};

// Sets the help tag of control `controlNumber` of the current window from
// its help text; nothing when the window has no such control. Returns 0.
int32_t ButtonHelpSetText(int32_t controlNumber, std::string_view text);

// Zeroes `count` bytes at `address`; nothing when count is not positive.
void BlockZero(void* address, std::ptrdiff_t count);

// Shows the picture on bevel button `controlNumber` of the current window.
// Returns 0.
int32_t BevelButtonSetCGImage(int32_t controlNumber, const BundleImage& image);

// The program's icon (AppIcon.svg at the top of the resources); nothing when
// the file is missing or unreadable.
std::optional<BundleImage> CGImageCreateFromBundleIconFile();

// Binds control `controlNumber` of the current window to its parent's four
// edges, so that it resizes with the parent. Returns 0.
int32_t ViewBindToParent(int32_t controlNumber);

// Makes SliderControlAction the live action of slider `controlNumber` of the
// current window. Returns 0.
int32_t InstallSliderControlAction(int32_t controlNumber);

// The live action of the response window's Nyquist slider: when the thumb
// moves (part 129), dragged or stepped by the keys, it brings the response
// window forward and hands the slider's value to responseSliderMoved. Other
// parts are ignored.
void SliderControlAction(int32_t window, int32_t controlNumber, int32_t part);

// What a dragged response-window slider moves: the page that owns the
// slider defines it (the Nyquist read-out takes the value as the pointer
// position and redraws itself).
extern void (*const responseSliderMoved)(int32_t value);

}  // namespace quendal::platform
