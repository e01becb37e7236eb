#include "view/QuartzDraw.h"

#include <cmath>

#include "model/State.h"
#include "platform/DrawSurface.h"
#include "response/SweepGrid.h"

namespace quendal {

namespace {

SurfaceProvider* gProvider = nullptr;

// The surface of this call: the print page while DoPrint is set, else the
// window's own surface.
DrawSurface* target(int32_t windowNumber) {
    DrawingState& d = state.draw;
    // Drawing other than a Nyquist slider step's own changes what the
    // window shows: the area kept by the last step is stale.
    if (d.NyquistStepDrawing == 0) d.NyquistAreaKept = 0;
    if (gProvider == nullptr || d.PaintingHeld != 0) return nullptr;
    return state.draw.DoPrint != 0 ? gProvider->printSurface() : gProvider->windowSurface(windowNumber);
}

Colour currentColour() {
    const DrawingState& d = state.draw;
    return {d.RedCol, d.GrnCol, d.BleCol};
}

bool finite(double a, double b, double c, double d) {
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}

// The rectangle the lines of the current page are clipped to.
const ClipRect* plottingRectangle() { return state.view.s_Resp == "nq" ? &kNyquistArea : &kGraphArea; }

}  // namespace

void setSurfaceProvider(SurfaceProvider* provider) { gProvider = provider; }
SurfaceProvider* surfaceProvider() { return gProvider; }

int32_t QuartzDrawLine(int32_t windowNumber) {
    DrawingState& d = state.draw;
    const PlotPoint& p = state.point;
    DrawSurface* surface = target(windowNumber);
    if (surface != nullptr && finite(p.xx, p.yy, p.xx1, p.yy1)) {
        Stroke stroke;
        stroke.colour = currentColour();
        stroke.width = d.LineW > 0.0 ? d.LineW : 1.0;  // a zero width keeps the default hairline
        stroke.dash = d.DashLineType == 1 ? Dash::Dotted : d.DashLineType == 2 ? Dash::Dense : Dash::Solid;
        const ClipRect* clip = d.ClippingFlag == 0 ? plottingRectangle() : nullptr;
        surface->line(p.xx, p.yy, p.xx1, p.yy1, stroke, clip);
        surface->flush();
    }
    d.DashLineType = 0;
    return 0;
}

// Every sweep draws its curve segment by segment as lines.
int32_t (*const curveSegmentSink)(int32_t windowNumber) = &QuartzDrawLine;

int32_t QuartzDrawRect(int32_t windowNumber) {
    DrawingState& d = state.draw;
    const PlotPoint& p = state.point;
    DrawSurface* surface = target(windowNumber);
    const bool frame = d.s_FrameFill == "Frame";
    const bool fill = d.s_FrameFill == "Fill";
    if (surface != nullptr && (frame || fill) && finite(p.xx, p.yy, p.xx1, p.yy1)) {
        Stroke stroke;
        stroke.colour = currentColour();
        stroke.width = d.LineW > 0.0 ? d.LineW : 1.0;
        surface->rect(p.xx, p.yy, double(p.xx1) - p.xx, double(p.yy1) - p.yy, fill, stroke);
        surface->flush();
    }
    d.s_FrameFill = "Frame";
    return 0;
}

int32_t QuartzDrawOval(int32_t windowNumber) {
    DrawingState& d = state.draw;
    const PlotPoint& p = state.point;
    DrawSurface* surface = target(windowNumber);
    const bool frame = d.s_FrameFill == "Frame";
    const bool fill = d.s_FrameFill == "Fill";
    if (surface != nullptr && (frame || fill) && finite(p.xx, p.yy, d.radus, d.cirBgn) && std::isfinite(d.cirEnd)) {
        Stroke stroke;
        stroke.colour = currentColour();
        stroke.width = d.LineW;  // applied as it is, zero included
        surface->arc(p.xx, p.yy, d.radus, d.cirBgn, d.cirEnd, fill, stroke);
        surface->flush();
    }
    d.s_FrameFill = "Frame";
    return 0;
}

int32_t QuartzDrawText(int32_t windowNumber) {
    const DrawingState& d = state.draw;
    const PlotPoint& p = state.point;
    DrawSurface* surface = target(windowNumber);
    if (surface != nullptr && std::isfinite(p.xx) && std::isfinite(p.yy)) {
        surface->text(p.xx, p.yy, d.QuartzText.view(), d.QzFontNum, d.fontSize, currentColour());
        surface->flush();
    }
    return 0;
}

int32_t DrawCGImageFromBandleResource(int32_t windowNumber, Rect16 rect, const char* fileName,
                                      const char* folderName) {
    DrawSurface* surface = target(windowNumber);
    if (surface != nullptr && fileName != nullptr) {
        surface->picture(rect.left, rect.top, rect.right, rect.bottom, fileName, folderName ? folderName : "");
        surface->flush();
    }
    return 0;
}

int32_t DrawPicture(int32_t window, std::string_view file, double left, double top, double right, double bottom) {
    DrawSurface* surface = target(window);
    if (surface != nullptr && !file.empty() && finite(left, top, right, bottom) && right > left && bottom > top) {
        surface->picture(left, top, right, bottom, file, "Images");
        surface->flush();
    }
    return 0;
}

}  // namespace quendal
