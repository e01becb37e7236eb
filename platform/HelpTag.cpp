#include "platform/HelpTag.h"

#include <cctype>

namespace quendal::platform {

namespace {

constexpr std::string_view kSideMarker = "\\@";
constexpr std::string_view kExpandMarker = "\\\xA4";

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

}  // namespace quendal::platform
