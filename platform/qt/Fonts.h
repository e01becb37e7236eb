// The program's fonts on this system.
//
// The drawing code names fonts by row (QzFontNum 1-8) and the control
// styles by name; both map to the families the scripts install (DejaVu,
// Liberation), so that text looks and measures the same everywhere.
#pragma once

#include <cstdint>
#include <string_view>

#include <QFont>

class QPaintDevice;

namespace quendal::platform::qt {

// The font of row `row` (rows outside 1-8 take row 1) at a pixel size on
// `device`; sizes need not be whole pixels.
QFont fontForRow(int32_t row, double pixelSize, const QPaintDevice& device);

// The installed family standing in for a font name of the program
// ("Lucida Grande" -> DejaVu Sans, "Helvetica Bold" -> Liberation Sans
// bold, ...); an unknown name is asked for as it is.
QFont fontForName(std::string_view name, bool bold);

// Makes the program's sans the application's default font, at the size the
// desktop gives, so that menus, buttons and titles that name no font of
// their own are set in it rather than in whatever the font system picks.
void useSansAsDefaultFont();

}  // namespace quendal::platform::qt
