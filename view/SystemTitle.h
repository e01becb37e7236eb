// The title of the current enclosure system, drawn at the top of every page
// of the response window.
#pragma once

#include <cstdint>
#include <string_view>

namespace quendal {

// Draws the title of the current system (by SysSelTabNum and SysSelBtnNum)
// in single quotes, black, font row 1, 13 px, with its baseline at y 40 and
// its left end at the x of the system's row; into the response window, or
// the print page while DoPrint is set. Leaves that colour, font, size and
// position in the drawing state: the step frame draws its first labels in
// that style without setting it again. A selection that names no system
// sets the style and draws nothing.
int32_t DrawSystemNameFont();

// The title text of a system and the x of its left end; an empty text for
// a selection that names no system.
struct SystemTitle {
    std::string_view text;
    double x = 0.0;
};
SystemTitle systemTitle(int32_t tab, int32_t button);

// The current system's name as the names of its files carry it, by system
// number 1-16: "Infinite-Baffle", "Closed-Box", ..., "Triple-Vented"; an
// empty text for a selection that names no system.
std::string_view SetSystemTitle();

}  // namespace quendal
