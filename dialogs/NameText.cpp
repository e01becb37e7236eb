#include "dialogs/NameText.h"

#include <cstdio>

#include "dialogs/Alerts.h"

namespace quendal {

namespace {

constexpr std::size_t kMostCharactersNamed = 12;

std::string code(char32_t character) {
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(character));
    return text;
}

}  // namespace

std::string unheldCharactersMessage(std::string_view label, std::u32string_view characters) {
    std::u32string once;
    for (const char32_t c : characters)
        if (once.find(c) == std::u32string::npos) once += c;
    std::string message = std::string(label) + " holds characters a design cannot keep";
    for (std::size_t i = 0; i < once.size() && i < kMostCharactersNamed; ++i) message += (i == 0 ? ": " : " ") + code(once[i]);
    if (once.size() > kMostCharactersNamed)
        message += " and " + std::to_string(once.size() - kMostCharactersNamed) + " more";
    return message + ".  ( A design keeps the letters of Western European languages, digits and common signs. )";
}

std::string nameFieldText(int32_t window, platform::ControlNumber field) {
    return keptName(platform::typedText(window, field)).text;
}

bool refusedUnheldName(int32_t window, platform::ControlNumber field, std::string_view label) {
    const std::u32string refused = keptName(platform::typedText(window, field)).refused;
    if (refused.empty()) return false;
    platform::beep();
    ShowSheetAlert(window, kUnheldCharactersAlert, unheldCharactersMessage(label, refused));
    platform::setKeyboardFocus(window, field);
    return true;
}

}  // namespace quendal
