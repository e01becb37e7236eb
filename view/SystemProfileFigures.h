// The two figures of a design: the picture of the current system and that
// of the current speaker connection, with the framed background boxes they
// stand in on the System Profile page. The System Info palette shows the
// same pictures as image views (SystemInfoPalette.h).
#pragma once

#include <cstdint>
#include <string_view>

#include "model/SharedTypes.h"

namespace quendal {

// The picture of a system: its file of the Images folder and its places,
// rectangles left, top, right, bottom: on the page (pt, before the page
// offset) and in the palette's content.
struct SystemPicture {
    std::string_view file;
    Rect16 page;
    Rect16 palette;
};
// The picture of a connection: its place on the page, and in the palette
// as x, y, width, height inside the connection pane.
struct ConnectionPicture {
    std::string_view file;
    Rect16 page;
    int32_t x = 0, y = 0, width = 0, height = 0;
};

// Null for a selection that names no system or connection.
const SystemPicture* profileSystemPicture(int32_t tab, int32_t button);
const ConnectionPicture* profileConnectionPicture(int32_t spConNum);

// The two background boxes of the figures: on the screen filled light grey
// and outlined (the page offset is not used there); while printing only
// outlined, at the page offset.
int32_t DrawSystemSpconImageBackGroundColor(int16_t offset);
// The current system's picture, its top and bottom moved down by the offset.
int32_t GetSysImageForSystemProfile(int16_t offset);
// The current connection's picture, likewise.
int32_t GetSpConImageForSystemProfile(int16_t offset);

}  // namespace quendal
