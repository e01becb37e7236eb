#include "view/RecordingSurface.h"

namespace quendal {

void RecordingSurface::line(double x0, double y0, double x1, double y1, const Stroke& stroke, const ClipRect* clip) {
    RecordedElement e;
    e.kind = RecordedElement::Kind::Line;
    e.x0 = x0; e.y0 = y0; e.x1 = x1; e.y1 = y1;
    e.stroke = stroke;
    e.clipped = clip != nullptr;
    if (clip != nullptr) e.clip = *clip;
    elements_.push_back(e);
}

void RecordingSurface::rect(double x, double y, double w, double h, bool fill, const Stroke& stroke) {
    RecordedElement e;
    e.kind = RecordedElement::Kind::Rect;
    e.x0 = x; e.y0 = y; e.x1 = w; e.y1 = h;
    e.fill = fill;
    e.stroke = stroke;
    elements_.push_back(e);
}

void RecordingSurface::arc(double cx, double cy, double r, double a0, double a1, bool fill, const Stroke& stroke) {
    RecordedElement e;
    e.kind = RecordedElement::Kind::Arc;
    e.x0 = cx; e.y0 = cy; e.x1 = r;
    e.a0 = a0; e.a1 = a1;
    e.fill = fill;
    e.stroke = stroke;
    elements_.push_back(e);
}

void RecordingSurface::text(double x, double y, std::string_view bytes, int32_t fontRow, double pixelSize,
                            const Colour& colour) {
    RecordedElement e;
    e.kind = RecordedElement::Kind::Text;
    e.x0 = x; e.y0 = y;
    e.text = std::string(bytes);
    e.fontRow = fontRow;
    e.size = pixelSize;
    e.colour = colour;
    elements_.push_back(e);
}

void RecordingSurface::picture(double left, double top, double right, double bottom, std::string_view file,
                               std::string_view folder) {
    RecordedElement e;
    e.kind = RecordedElement::Kind::Picture;
    e.x0 = left; e.y0 = top; e.x1 = right; e.y1 = bottom;
    e.text = std::string(file);
    e.folder = std::string(folder);
    elements_.push_back(e);
}

void RecordingSurface::eraseRect(double left, double top, double right, double bottom) {
    RecordedElement e;
    e.kind = RecordedElement::Kind::Erase;
    e.x0 = left; e.y0 = top; e.x1 = right; e.y1 = bottom;
    elements_.push_back(e);
}

void RecordingSurface::clear() {
    RecordedElement e;
    e.kind = RecordedElement::Kind::Clear;
    elements_.push_back(e);
}

std::vector<RecordedElement> RecordingSurface::ofKind(RecordedElement::Kind kind) const {
    std::vector<RecordedElement> out;
    for (const auto& e : elements_)
        if (e.kind == kind) out.push_back(e);
    return out;
}

}  // namespace quendal
