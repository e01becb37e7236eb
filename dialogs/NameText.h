// Names a design keeps (a driver's model name and frequency range, a
// radiator's manufacturer and model) are 8-bit text, the limit of its
// document, and hold only what they show (KeptName.h). A name that holds a
// character the design cannot keep is refused with an alert that says
// which; it is never kept with another character in its place.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "dialogs/KeptName.h"
#include "platform/Platform.h"

namespace quendal {

inline constexpr std::string_view kUnheldCharactersAlert =
    "ALERT!   Entered text holds characters a design cannot keep.";

// The alert's message: the field by its label and each character once, in
// the order it first stands, by its code ("U+0414"); the first twelve, and
// how many more.
std::string unheldCharactersMessage(std::string_view label, std::u32string_view characters);

// The name typed into a name field of the window, as the design keeps it
// (keptName).
std::string nameFieldText(int32_t window, platform::ControlNumber field);

// When the name field of the window holds characters a design cannot
// keep: the alert on the window naming the field by `label` and the
// characters, the field keeping the text as typed and the keyboard in it.
// True when refused.
bool refusedUnheldName(int32_t window, platform::ControlNumber field, std::string_view label);

}  // namespace quendal
