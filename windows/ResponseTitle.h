// The title of the page the response window shows, as print jobs and
// snapshot files are named after it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quendal {

// The title of the current response page: the Response menu's text of the
// kind shown ("Amplitude", "Power Rating", ..., "System Profile", "Vent
// Information"); "Response" for a kind that names no page.
std::string_view SetResponseTitle();

// A text made fit to be a file or job name: every "/" (which would split
// it into folders) and every NUL byte becomes "-".
std::string fileNameText(std::string_view text);

// The stem of the names the response page gives away: the model name,
// "_", the response title, made fit for a file name. A print job is named
// so; a snapshot adds "_", its number and ".png".
std::string responseNameStem();

}  // namespace quendal
