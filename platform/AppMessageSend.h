// Sending a text to the sibling programs.
#pragma once

#include <cstdint>
#include <string_view>

namespace quendal {

// Sends the text (cut to 255 bytes) with the event class `code` to every
// running program named `applicationName`; a program that is not running
// gets nothing. A failure of the transport beeps once. Returns 0.
int32_t SndAppleEvent(std::string_view code, std::string_view text, std::string_view applicationName);
// The same; returns how many running programs received the text (0: none
// runs, -1: the transport failed).
int32_t SendAppMessageCounted(std::string_view code, std::string_view text, std::string_view applicationName);

}  // namespace quendal
