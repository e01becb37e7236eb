// The surface the drawing primitives draw on.
//
// A primitive resolves the drawing state (colour, width, dash, clipping,
// fill) and hands one finished element to a surface. Two kinds exist: the
// windowing layer's surfaces (a window's retained image, the print page, a
// PNG snapshot) and the recording surface that tests read.
#pragma once

#include <cstdint>
#include <string_view>

namespace quendal {

struct Colour {
    double red = 0.0, green = 0.0, blue = 0.0;  // 0-1, always opaque
};

// Dash patterns of a line: lengths on and off in pixels, phase 0.
enum class Dash : int32_t { Solid = 0, Dotted = 1, Dense = 2 };  // {1,3} and {1,1}

struct Stroke {
    Colour colour;
    double width = 1.0;   // px
    Dash dash = Dash::Solid;
};

// An axis-parallel clip rectangle in content pixels.
struct ClipRect {
    double left = 0.0, top = 0.0, right = 0.0, bottom = 0.0;
};

// The plotting rectangle of the frequency and step graphs, to which sweep
// lines are clipped: a curve beyond the scale ends at the frame, below the
// title. The Nyquist diagram has its own, narrower frame.
inline constexpr ClipRect kGraphArea{45.0, 50.0, 505.0, 331.0};
inline constexpr ClipRect kNyquistArea{130.0, 50.0, 410.0, 331.0};

class DrawSurface {
public:
    virtual ~DrawSurface() = default;

    // Content size in pixels (one unit one pixel, origin top left, y down).
    virtual double width() const = 0;
    virtual double height() const = 0;

    virtual void line(double x0, double y0, double x1, double y1, const Stroke& stroke, const ClipRect* clip) = 0;
    // Rectangle with origin (x, y) and size (w, h); negative sizes as given.
    virtual void rect(double x, double y, double w, double h, bool fill, const Stroke& stroke) = 0;
    // Arc of the circle of radius r around (cx, cy) from angle a0 to a1 (rad),
    // turning clockwise on screen; the stroke width is not scaled by r.
    virtual void arc(double cx, double cy, double r, double a0, double a1, bool fill, const Stroke& stroke) = 0;
    // Text bytes (Mac Roman) with the left end of the baseline at (x, y).
    virtual void text(double x, double y, std::string_view bytes, int32_t fontRow, double pixelSize,
                      const Colour& colour) = 0;
    // Picture file `file` of folder `folder` of the resources, scaled into
    // the rectangle; a missing or unreadable picture draws nothing.
    virtual void picture(double left, double top, double right, double bottom, std::string_view file,
                         std::string_view folder) = 0;
    // Paints the rectangle from (left, top) to (right, bottom) with the
    // background, never clipped to the graph area; a read-out erases its box
    // this way before drawing it anew.
    virtual void eraseRect(double left, double top, double right, double bottom) = 0;
    // Clears the whole content to the background.
    virtual void clear() = 0;
    // Keeps a copy of what the rectangle shows now (whole pixels), in place
    // of any copy kept before; false when this surface keeps nothing.
    virtual bool keepRect(double left, double top, double right, double bottom) {
        (void)left, (void)top, (void)right, (void)bottom;
        return false;
    }
    // Puts the kept copy back where it was taken, pixel for pixel; false,
    // and nothing drawn, when no copy is kept (a clear or a resize drops it).
    virtual bool restoreKeptRect() { return false; }
    // Shows what was drawn so far at once (a window surface repaints).
    virtual void flush() {}
};

// Where the primitives draw: the surface of window `windowNumber`, or the
// print page while DoPrint is set. Whoever owns the surfaces (the windowing
// layer, a test) installs a provider; without one nothing is drawn.
class SurfaceProvider {
public:
    virtual ~SurfaceProvider() = default;
    virtual DrawSurface* windowSurface(int32_t windowNumber) = 0;
    virtual DrawSurface* printSurface() = 0;
};

void setSurfaceProvider(SurfaceProvider* provider);
SurfaceProvider* surfaceProvider();

}  // namespace quendal
