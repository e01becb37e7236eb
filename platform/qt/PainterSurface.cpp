#include "platform/qt/PainterSurface.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include <QPainterPath>

#include "platform/qt/Fonts.h"
#include "platform/qt/MacRoman.h"
#include "platform/qt/Resources.h"

namespace quendal::platform::qt {

namespace {

QColor toQColor(const Colour& c) {
    auto unit = [](double v) { return std::isfinite(v) ? std::clamp(v, 0.0, 1.0) : 0.0; };
    return QColor::fromRgbF(float(unit(c.red)), float(unit(c.green)), float(unit(c.blue)));
}

bool whole(double v) { return v == std::floor(v); }

// An odd whole width on a whole coordinate covers whole pixels exactly when
// drawn without antialiasing; antialiased it would smear over two rows.
bool oddWholeWidth(double width) { return width >= 1.0 && whole(width) && std::fmod(width, 2.0) == 1.0; }

QPen penOf(const Stroke& stroke) {
    QPen pen(toQColor(stroke.colour));
    pen.setWidthF(stroke.width > 0.0 ? stroke.width : 0.0);  // 0: the thinnest line the device shows
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    if (stroke.dash != Dash::Solid) {
        // Dash lengths are pixels; Qt counts them in pen widths.
        const double unit = stroke.width > 0.0 ? stroke.width : 1.0;
        const double off = stroke.dash == Dash::Dotted ? 3.0 : 1.0;
        pen.setDashPattern({1.0 / unit, off / unit});
        pen.setDashOffset(0.0);
    }
    return pen;
}

}  // namespace

void PainterSurface::line(double x0, double y0, double x1, double y1, const Stroke& stroke, const ClipRect* clip) {
    QPainter* p = beginElement();
    if (p == nullptr) return;
    if (clip != nullptr)
        p->setClipRect(QRectF(clip->left, clip->top, clip->right - clip->left, clip->bottom - clip->top));
    // Grid and frame lines on whole pixels stay crisp; curves are smoothed.
    const bool crisp = oddWholeWidth(stroke.width) &&
                       ((y0 == y1 && whole(y0)) || (x0 == x1 && whole(x0)));
    p->setRenderHint(QPainter::Antialiasing, !crisp);
    p->setPen(penOf(stroke));
    p->drawLine(QPointF(x0, y0), QPointF(x1, y1));
    endElement();
}

void PainterSurface::rect(double x, double y, double w, double h, bool fill, const Stroke& stroke) {
    QPainter* p = beginElement();
    if (p == nullptr) return;
    const QRectF r = QRectF(x, y, w, h).normalized();
    if (fill) {
        p->setRenderHint(QPainter::Antialiasing, true);
        p->fillRect(r, toQColor(stroke.colour));
    } else {
        const bool crisp = oddWholeWidth(stroke.width) && whole(r.left()) && whole(r.top()) &&
                           whole(r.width()) && whole(r.height());
        p->setRenderHint(QPainter::Antialiasing, !crisp);
        p->setPen(penOf(stroke));
        p->setBrush(Qt::NoBrush);
        p->drawRect(r);
    }
    endElement();
}

void PainterSurface::arc(double cx, double cy, double r, double a0, double a1, bool fill, const Stroke& stroke) {
    constexpr double kTurn = 2.0 * std::numbers::pi;
    if (r < 0.0) {  // a negative radius mirrors through the centre: the same arc half a turn on
        r = -r;
        a0 += std::numbers::pi;
        a1 += std::numbers::pi;
    }
    // The arc runs from a0 in the direction of increasing angle (clockwise
    // with y down) until it reaches a1, at most one full turn.
    double sweep = a1 >= a0 ? std::min(a1 - a0, kTurn) : kTurn - std::fmod(a0 - a1, kTurn);
    if (sweep > kTurn) sweep = kTurn;
    QPainter* p = beginElement();
    if (p == nullptr) return;
    p->setRenderHint(QPainter::Antialiasing, true);
    QPainterPath path;
    path.moveTo(cx + r * std::cos(a0), cy + r * std::sin(a0));
    // Qt's angles are degrees counter-clockwise on screen.
    constexpr double kDegrees = 180.0 / std::numbers::pi;
    path.arcTo(QRectF(cx - r, cy - r, 2.0 * r, 2.0 * r), -a0 * kDegrees, -sweep * kDegrees);
    if (fill) {
        p->fillPath(path, toQColor(stroke.colour));  // closed by the chord
    } else {
        p->setPen(penOf(stroke));
        p->setBrush(Qt::NoBrush);
        p->drawPath(path);
    }
    endElement();
}

void PainterSurface::text(double x, double y, std::string_view bytes, int32_t fontRow, double pixelSize,
                          const Colour& colour) {
    if (bytes.empty()) return;
    QPainter* p = beginElement();
    if (p == nullptr) return;
    p->setRenderHint(QPainter::TextAntialiasing, true);
    p->setFont(fontForRow(fontRow, pixelSize, *p->device()));
    p->setPen(toQColor(colour));
    p->drawText(QPointF(x, y), fromMacRoman(bytes));  // (x, y) is the left end of the baseline
    endElement();
}

void PainterSurface::picture(double left, double top, double right, double bottom, std::string_view file,
                             std::string_view folder) {
    if (!(right > left && bottom > top)) return;
    const QImage image = resourceImage(file, folder);
    if (image.isNull()) return;
    QPainter* p = beginElement();
    if (p == nullptr) return;
    p->setRenderHint(QPainter::SmoothPixmapTransform, true);
    p->drawImage(QRectF(left, top, right - left, bottom - top), image);
    endElement();
}

void PainterSurface::eraseRect(double left, double top, double right, double bottom) {
    const QRectF r = QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
    if (r.isEmpty()) return;
    QPainter* p = beginElement();
    if (p == nullptr) return;
    p->setCompositionMode(QPainter::CompositionMode_Source);
    p->fillRect(r, background_);
    endElement();
}

void PainterSurface::clear() {
    QPainter* p = beginElement();
    if (p == nullptr) return;
    p->setCompositionMode(QPainter::CompositionMode_Source);
    p->fillRect(QRectF(0.0, 0.0, width(), height()), background_);
    endElement();
    flush();
}

// --- WindowSurface -----------------------------------------------------------

WindowSurface::WindowSurface(QWidget* view, QColor background) : PainterSurface(background), view_(view) {}

void WindowSurface::resize(QSize size, qreal devicePixelRatio) {
    size = size.expandedTo(QSize(1, 1));
    if (size == size_ && image_.devicePixelRatio() == devicePixelRatio) return;
    QImage next(size * devicePixelRatio, QImage::Format_RGB32);
    next.setDevicePixelRatio(devicePixelRatio);
    next.fill(background_);
    if (!image_.isNull()) {
        QPainter p(&next);
        p.drawImage(QPointF(0, 0), image_);
    }
    image_ = std::move(next);
    size_ = size;
}

QPainter* WindowSurface::beginElement() {
    if (image_.isNull() || !painter_.begin(&image_)) return nullptr;
    return &painter_;
}

void WindowSurface::endElement() { painter_.end(); }

void WindowSurface::flush() {
    if (view_) view_->update();
}

}  // namespace quendal::platform::qt
