#pragma once

#include <string>

namespace quendal::platform::qt {

// A folder of this user's runtime area (XDG_RUNTIME_DIR, or Qt's runtime
// location when that is unset) that only this user can enter: made with mode
// 0700, or, when it exists, a real folder (not a link) of this user, narrowed
// to 0700. Empty when there is no runtime area or the folder cannot be had.
std::string privateRuntimeFolder(const char* name);

}  // namespace quendal::platform::qt
