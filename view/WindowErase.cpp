#include "view/WindowErase.h"

#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/DrawSurface.h"

namespace quendal {

namespace {

DrawSurface* responseSurface() {
    SurfaceProvider* provider = surfaceProvider();
    return provider != nullptr ? provider->windowSurface(kResponseWindow) : nullptr;
}

}  // namespace

void eraseResponseRect(double left, double top, double right, double bottom) {
    if (state.draw.NyquistStepDrawing == 0) state.draw.NyquistAreaKept = 0;  // what was kept is no longer shown
    DrawSurface* surface = responseSurface();
    if (surface == nullptr) return;
    surface->eraseRect(left, top, right, bottom);
    surface->flush();
}

bool keepResponseRect(double left, double top, double right, double bottom) {
    DrawSurface* surface = responseSurface();
    return surface != nullptr && surface->keepRect(left, top, right, bottom);
}

bool restoreResponseRect() {
    DrawSurface* surface = responseSurface();
    if (surface == nullptr || !surface->restoreKeptRect()) return false;
    surface->flush();
    return true;
}

}  // namespace quendal
