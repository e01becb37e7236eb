#include "selection/PaintedChooser.h"

#include "platform/Platform.h"
#include "platform/DrawSurface.h"
#include "view/QuartzDraw.h"

namespace quendal {

void paintChooserPictures(int32_t window, std::span<const ChooserPicture> pictures) {
    for (const ChooserPicture& p : pictures) DrawPicture(window, p.file, p.left, p.top, p.right, p.bottom);
}

void paintChooserFrames(int32_t window, std::span<const ChooserPicture> frames, int32_t selected) {
    const int32_t count = static_cast<int32_t>(frames.size());
    for (int32_t i = 1; i <= count; ++i)
        if (i != selected) paintChooserPictures(window, frames.subspan(std::size_t(i - 1), 1));
    if (selected >= 1 && selected <= count) paintChooserPictures(window, frames.subspan(std::size_t(selected - 1), 1));
}

void repaintChooser(int32_t window, void (*paint)()) {
    if (!platform::windowExists(window)) return;
    DrawSurface* surface = surfaceProvider() != nullptr ? surfaceProvider()->windowSurface(window) : nullptr;
    if (surface != nullptr) surface->clear();
    paint();
    if (surface != nullptr) surface->flush();
}

}  // namespace quendal
