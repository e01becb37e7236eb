#include "windows/ResponseTitle.h"

#include <algorithm>

#include "model/State.h"

namespace quendal {

namespace {

struct PageTitle {
    std::string_view kind, title;
};

// In the order of the Response menu.
constexpr PageTitle kTitles[] = {
    {"amp", "Amplitude"},     {"pw", "Power Rating"},
    {"imp", "Impedance"},     {"dp", "Displacement"},
    {"ph", "Phase"},          {"gd", "Group Delay"},
    {"nq", "Nyquist Diagram"}, {"as", "Air Vibration in Vent"},
    {"st", "Step Response"},  {"sys", "System Profile"},
    {"vent", "Vent Information"},
};

}  // namespace

std::string_view SetResponseTitle() {
    const std::string_view kind = state.view.s_Resp.view();
    for (const PageTitle& t : kTitles)
        if (t.kind == kind) return t.title;
    return "Response";
}

std::string fileNameText(std::string_view text) {
    std::string name(text);
    std::replace_if(name.begin(), name.end(), [](char c) { return c == '/' || c == '\0'; }, '-');
    return name;
}

std::string responseNameStem() {
    return fileNameText(state.speaker.s_SP.str() + "_" + std::string(SetResponseTitle()));
}

}  // namespace quendal
