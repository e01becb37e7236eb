// The help text of a control in its annotated form.
//
// A help text is what the tag shows, optionally followed by "\@" and a side
// code of one or two letters that place the tag around the control
// ("Total Response\@B": below, centred). Inside the shown part, a backslash
// followed by the Mac Roman character 0xA4 splits a short text from an
// expanded one; a "+" right after that marker makes the expanded text the
// short text, a carriage return and the rest.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

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

}  // namespace quendal::platform
