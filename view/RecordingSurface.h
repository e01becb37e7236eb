// A surface that keeps every element drawn on it, for tests to read.
#pragma once

#include <string>
#include <vector>

#include "platform/DrawSurface.h"

namespace quendal {

struct RecordedElement {
    enum class Kind { Line, Rect, Arc, Text, Picture, Erase, Clear } kind = Kind::Line;
    double x0 = 0.0, y0 = 0.0, x1 = 0.0, y1 = 0.0;  // line ends; rect origin and size; arc centre, radius in x1;
                                                    // picture and erased rectangle left, top, right, bottom
    double a0 = 0.0, a1 = 0.0;                      // arc angles
    bool fill = false;
    bool clipped = false;                           // a line clipped to a plotting rectangle
    ClipRect clip;                                  // that rectangle
    Stroke stroke;
    Colour colour;                                  // text colour
    std::string text;                               // text bytes, or picture file name
    std::string folder;                             // picture folder
    int32_t fontRow = 0;
    double size = 0.0;
};

class RecordingSurface : public DrawSurface {
public:
    explicit RecordingSurface(double width = 540, double height = 390) : width_(width), height_(height) {}

    double width() const override { return width_; }
    double height() const override { return height_; }

    void line(double x0, double y0, double x1, double y1, const Stroke& stroke, const ClipRect* clip) override;
    void rect(double x, double y, double w, double h, bool fill, const Stroke& stroke) override;
    void arc(double cx, double cy, double r, double a0, double a1, bool fill, const Stroke& stroke) override;
    void text(double x, double y, std::string_view bytes, int32_t fontRow, double pixelSize,
              const Colour& colour) override;
    void picture(double left, double top, double right, double bottom, std::string_view file,
                 std::string_view folder) override;
    void eraseRect(double left, double top, double right, double bottom) override;
    void clear() override;

    // keepRect and restoreKeptRect are left as they are: a recording keeps
    // elements, not pixels, so a Nyquist slider step on it draws in full.

    const std::vector<RecordedElement>& elements() const { return elements_; }
    std::vector<RecordedElement> ofKind(RecordedElement::Kind kind) const;
    void reset() { elements_.clear(); }

private:
    double width_, height_;
    std::vector<RecordedElement> elements_;
};

// A provider that hands out one recording surface for every window and one
// for the print page.
class RecordingProvider : public SurfaceProvider {
public:
    DrawSurface* windowSurface(int32_t) override { return &window; }
    DrawSurface* printSurface() override { return &page; }

    RecordingSurface window;
    RecordingSurface page{612, 792};
};

}  // namespace quendal
