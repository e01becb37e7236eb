// The palette's value text and its place on a screen: no widgets here.
#include <string_view>

#include "selection/SystemInfoPalette.h"
#include "view/SystemProfileText.h"
#include "dialogs/ScreenFit.h"

namespace quendal {


Str255 paletteValueText(double value, int32_t decimals) {
    const Str255 text = valueText(value, decimals);
    std::string_view shown = text.view();
    if (!shown.empty() && shown.front() == ' ') shown.remove_prefix(1);
    return Str255(shown.substr(0, 6));
}

}  // namespace quendal
