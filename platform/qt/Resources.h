// Pictures of the resources, loaded once and kept.
#pragma once

#include <string_view>

#include <QImage>

namespace quendal::platform::qt {

// The picture `file` of folder `folder` of the resources; a null image when
// it is missing or cannot be decoded.
QImage resourceImage(std::string_view file, std::string_view folder);

}  // namespace quendal::platform::qt
