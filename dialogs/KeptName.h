// The rule by which a name (a driver's model name and frequency range, a
// radiator's manufacturer and model) becomes the 8-bit text a design
// keeps. A name holds only what it shows: a character beyond the design's
// 8-bit text, or a control character (U+0000-U+001F, U+007F: a line break,
// a tab), is refused, never kept changed or dropped.
#pragma once

#include <string>
#include <string_view>

#include "model/ControlCharacters.h"

namespace quendal {

// A name as a design keeps it, from the name as typed or pasted (UTF-8,
// composed as the platform gives it): its 8-bit text, and the characters
// it cannot keep, every one in the order it stands (none: the name is kept
// as `text`).
struct KeptName {
    std::string text;
    std::u32string refused;
};
KeptName keptName(std::string_view utf8);

}  // namespace quendal
