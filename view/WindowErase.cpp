#include "view/WindowErase.h"

#include "model/WindowNumbers.h"
#include "platform/DrawSurface.h"

namespace quendal {

void eraseResponseRect(double left, double top, double right, double bottom) {
    SurfaceProvider* provider = surfaceProvider();
    DrawSurface* surface = provider != nullptr ? provider->windowSurface(kResponseWindow) : nullptr;
    if (surface == nullptr) return;
    surface->eraseRect(left, top, right, bottom);
    surface->flush();
}

}  // namespace quendal
