#include "platform/qt/PainterSurface.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include <QFontMetricsF>
#include <QPainterPath>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

#include "platform/qt/Fonts.h"
#include "platform/qt/MacRoman.h"
#include "platform/qt/Pictures.h"

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

bool sameColour(const Colour& a, const Colour& b) { return a.red == b.red && a.green == b.green && a.blue == b.blue; }
bool sameStroke(const Stroke& a, const Stroke& b) {
    return sameColour(a.colour, b.colour) && a.width == b.width && a.dash == b.dash;
}
bool sameClip(const ClipRect& a, const ClipRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

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

// The pixels an axis-parallel solid stroke covers, when it covers whole
// pixels exactly: its edges, half its width either side of the line, and
// its flat ends all on pixel boundaries (a 1-px line on x + 0.5, say).
// Smoothing would fill exactly these pixels at full strength, so they are
// filled directly, which the raster engine does many times faster.
bool wholePixelStroke(double x0, double y0, double x1, double y1, const Stroke& stroke, QRectF& cover) {
    if (stroke.dash != Dash::Solid || !(stroke.width > 0.0)) return false;
    const double half = stroke.width / 2.0;
    if (y0 == y1) cover = QRectF(QPointF(std::min(x0, x1), y0 - half), QPointF(std::max(x0, x1), y0 + half));
    else if (x0 == x1) cover = QRectF(QPointF(x0 - half, std::min(y0, y1)), QPointF(x0 + half, std::max(y0, y1)));
    else return false;
    return whole(cover.left()) && whole(cover.top()) && whole(cover.right()) && whole(cover.bottom()) &&
           std::fabs(cover.left()) < 1e6 && std::fabs(cover.top()) < 1e6 && std::fabs(cover.right()) < 1e6 &&
           std::fabs(cover.bottom()) < 1e6;
}

// Qt's raster engine fills with wide vector instructions and returns with
// the upper halves of the vector registers still in use. Until something
// clears them, every later call into the maths library (pow, atan2, exp:
// the scale searches, the vent sizing, the read-out sweeps) runs about ten
// times slower on processors that have AVX. The drawing calls that fill
// therefore clear them on the way out; one clearing at the start of a
// redraw would not do, as every fill dirties them again.
#if defined(__x86_64__) || defined(__i386__)
__attribute__((target("avx"))) void clearUpperVectorHalves() { _mm256_zeroupper(); }

class UpperVectorGuard {
public:
    UpperVectorGuard() = default;
    UpperVectorGuard(const UpperVectorGuard&) = delete;
    UpperVectorGuard& operator=(const UpperVectorGuard&) = delete;
    ~UpperVectorGuard() {
        static const bool hasAvx = __builtin_cpu_supports("avx");
        if (hasAvx) clearUpperVectorHalves();
    }
};
#else
struct UpperVectorGuard {};
#endif

}  // namespace

QPainter* PainterSurface::prepare(const ClipRect* clip, bool antialias, QPainter::CompositionMode mode) {
    QPainter* p = openPainter();
    if (p == nullptr) return nullptr;
    PainterSettings& s = set_;
    if (!s.known) {
        s = PainterSettings{};
        s.known = true;
        p->setClipping(false);
        p->setCompositionMode(s.mode);
        p->setRenderHint(QPainter::Antialiasing, false);
        p->setRenderHint(QPainter::TextAntialiasing, true);
        p->setRenderHint(QPainter::SmoothPixmapTransform, true);
    }
    if (clip != nullptr) {
        if (!s.clipped || !sameClip(s.clip, *clip)) {
            p->setClipRect(QRectF(clip->left, clip->top, clip->right - clip->left, clip->bottom - clip->top));
            s.clipped = true;
            s.clip = *clip;
        }
    } else if (s.clipped) {
        p->setClipping(false);
        s.clipped = false;
    }
    if (s.antialias != antialias) {
        p->setRenderHint(QPainter::Antialiasing, antialias);
        s.antialias = antialias;
    }
    if (s.mode != mode) {
        p->setCompositionMode(mode);
        s.mode = mode;
    }
    return p;
}

void PainterSurface::usePen(QPainter& p, const Stroke& stroke) {
    if (set_.pen == PainterSettings::PenKind::Stroke && sameStroke(set_.stroke, stroke)) return;
    p.setPen(penOf(stroke));
    set_.pen = PainterSettings::PenKind::Stroke;
    set_.stroke = stroke;
}

void PainterSurface::useTextPen(QPainter& p, const Colour& colour) {
    if (set_.pen == PainterSettings::PenKind::Text && sameColour(set_.textColour, colour)) return;
    p.setPen(toQColor(colour));
    set_.pen = PainterSettings::PenKind::Text;
    set_.textColour = colour;
}

void PainterSurface::useNoBrush(QPainter& p) {
    if (set_.noBrush) return;
    p.setBrush(Qt::NoBrush);
    set_.noBrush = true;
}

void PainterSurface::line(double x0, double y0, double x1, double y1, const Stroke& stroke, const ClipRect* clip) {
    const UpperVectorGuard clean;
    QRectF cover;
    if (wholePixelStroke(x0, y0, x1, y1, stroke, cover)) {
        QPainter* p = prepare(clip, false);
        if (p == nullptr) return;
        p->fillRect(cover, toQColor(stroke.colour));
        return;
    }
    // Grid and frame lines on whole pixels stay crisp; curves are smoothed.
    const bool crisp = oddWholeWidth(stroke.width) && ((y0 == y1 && whole(y0)) || (x0 == x1 && whole(x0)));
    QPainter* p = prepare(clip, !crisp);
    if (p == nullptr) return;
    usePen(*p, stroke);
    p->drawLine(QPointF(x0, y0), QPointF(x1, y1));
}

void PainterSurface::rect(double x, double y, double w, double h, bool fill, const Stroke& stroke) {
    const UpperVectorGuard clean;
    const QRectF r = QRectF(x, y, w, h).normalized();
    if (fill) {
        QPainter* p = prepare(nullptr, true);
        if (p == nullptr) return;
        p->fillRect(r, toQColor(stroke.colour));
        return;
    }
    // An outline that covers whole pixels (its mitred corners included):
    // the band between its outer and inner edges, as four fills.
    const double half = stroke.width / 2.0;
    const QRectF outer = r.adjusted(-half, -half, half, half), inner = r.adjusted(half, half, -half, -half);
    if (stroke.dash == Dash::Solid && stroke.width > 0.0 && inner.width() > 0.0 && inner.height() > 0.0 &&
        whole(outer.left()) && whole(outer.top()) && whole(outer.right()) && whole(outer.bottom()) &&
        whole(inner.left()) && whole(inner.top()) && whole(inner.right()) && whole(inner.bottom()) &&
        outer.width() < 1e6 && outer.height() < 1e6) {
        QPainter* p = prepare(nullptr, false);
        if (p == nullptr) return;
        const QColor colour = toQColor(stroke.colour);
        p->fillRect(QRectF(outer.topLeft(), QPointF(outer.right(), inner.top())), colour);
        p->fillRect(QRectF(QPointF(outer.left(), inner.bottom()), outer.bottomRight()), colour);
        p->fillRect(QRectF(QPointF(outer.left(), inner.top()), QPointF(inner.left(), inner.bottom())), colour);
        p->fillRect(QRectF(QPointF(inner.right(), inner.top()), QPointF(outer.right(), inner.bottom())), colour);
        return;
    }
    const bool crisp = oddWholeWidth(stroke.width) && whole(r.left()) && whole(r.top()) && whole(r.width()) &&
                       whole(r.height());
    QPainter* p = prepare(nullptr, !crisp);
    if (p == nullptr) return;
    usePen(*p, stroke);
    useNoBrush(*p);
    p->drawRect(r);
}

void PainterSurface::arc(double cx, double cy, double r, double a0, double a1, bool fill, const Stroke& stroke) {
    const UpperVectorGuard clean;
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
    QPainter* p = prepare(nullptr, true);
    if (p == nullptr) return;
    QPainterPath path;
    path.moveTo(cx + r * std::cos(a0), cy + r * std::sin(a0));
    // Qt's angles are degrees counter-clockwise on screen.
    constexpr double kDegrees = 180.0 / std::numbers::pi;
    path.arcTo(QRectF(cx - r, cy - r, 2.0 * r, 2.0 * r), -a0 * kDegrees, -sweep * kDegrees);
    if (fill) {
        p->fillPath(path, toQColor(stroke.colour));  // closed by the chord
    } else {
        usePen(*p, stroke);
        useNoBrush(*p);
        p->drawPath(path);
    }
}

void PainterSurface::text(double x, double y, std::string_view bytes, int32_t fontRow, double pixelSize,
                          const Colour& colour) {
    if (bytes.empty()) return;
    QPainter* p = prepare(nullptr, set_.antialias);  // text smoothing is its own hint
    if (p == nullptr) return;
    if (set_.fontRow != fontRow || set_.fontSize != pixelSize || set_.fontDevice != p->device()) {
        p->setFont(fontForRow(fontRow, pixelSize, *p->device()));
        set_.fontRow = fontRow;
        set_.fontSize = pixelSize;
        set_.fontDevice = p->device();
        ascent_ = QFontMetricsF(p->font(), p->device()).ascent();
    }
    useTextPen(*p, colour);
    // (x, y) is the left end of the baseline; a laid-out text is placed by its top.
    p->drawStaticText(QPointF(x, y - ascent_), laidOut(bytes, fontRow, pixelSize, p->font()));
}

QStaticText& PainterSurface::laidOut(std::string_view bytes, int32_t fontRow, double pixelSize, const QFont& font) {
    std::string key = std::to_string(fontRow) + '/' + std::to_string(pixelSize) + '/';
    key.append(bytes);
    auto it = texts_.find(key);
    if (it != texts_.end()) return it->second;
    if (texts_.size() > 2000) texts_.clear();  // read-out values come and go
    QStaticText text(fromMacRoman(bytes));
    text.setTextFormat(Qt::PlainText);
    text.prepare(QTransform(), font);
    return texts_.emplace(std::move(key), std::move(text)).first->second;
}

void PainterSurface::picture(double left, double top, double right, double bottom, std::string_view file,
                             std::string_view folder) {
    if (!(right > left && bottom > top)) return;
    const QString path = picturePathOf(file, folder);
    if (path.isEmpty()) return;
    QPainter* p = prepare(nullptr, set_.antialias);
    if (p == nullptr) return;
    paintPicture(*p, path, QRectF(left, top, right - left, bottom - top));  // a drawing stays vectors
}

void PainterSurface::eraseRect(double left, double top, double right, double bottom) {
    const UpperVectorGuard clean;
    const QRectF r = QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
    if (r.isEmpty()) return;
    QPainter* p = prepare(nullptr, false, QPainter::CompositionMode_Source);
    if (p == nullptr) return;
    p->fillRect(r, background_);
}

void PainterSurface::clear() {
    const UpperVectorGuard clean;
    QPainter* p = prepare(nullptr, false, QPainter::CompositionMode_Source);
    if (p == nullptr) return;
    p->fillRect(QRectF(0.0, 0.0, width(), height()), background_);
    flush();
}

// --- WindowSurface -----------------------------------------------------------

WindowSurface::WindowSurface(QWidget* view, QColor background) : PainterSurface(background), view_(view) {}

WindowSurface::~WindowSurface() { endPainting(); }

void WindowSurface::endPainting() const {
    if (painter_.isActive()) painter_.end();
}

void WindowSurface::resize(QSize size, qreal devicePixelRatio) {
    size = size.expandedTo(QSize(1, 1));
    if (size == size_ && image_.devicePixelRatio() == devicePixelRatio) return;
    endPainting();
    QImage next(size * devicePixelRatio, QImage::Format_RGB32);
    next.setDevicePixelRatio(devicePixelRatio);
    next.fill(background_);
    if (!image_.isNull()) {
        QPainter p(&next);
        p.drawImage(QPointF(0, 0), image_);
    }
    image_ = std::move(next);
    size_ = size;
    kept_ = QImage();
}

void WindowSurface::clear() {
    kept_ = QImage();
    PainterSurface::clear();
}

bool WindowSurface::keepRect(double left, double top, double right, double bottom) {
    kept_ = QImage();
    const QRectF r = QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
    if (image_.isNull() || r.isEmpty() || !whole(r.left()) || !whole(r.top()) || !whole(r.right()) ||
        !whole(r.bottom()))
        return false;
    const qreal ratio = image_.devicePixelRatio();
    const QRect pixels = QRectF(r.topLeft() * ratio, r.bottomRight() * ratio).toAlignedRect();
    if (!image_.rect().contains(pixels)) return false;
    // The raster painter draws straight into the image's pixels, so they
    // read as drawn so far while it stays open.
    kept_ = image_.copy(pixels);
    kept_.setDevicePixelRatio(ratio);
    keptAt_ = r.topLeft();
    return true;
}

bool WindowSurface::restoreKeptRect() {
    const UpperVectorGuard clean;
    if (kept_.isNull()) return false;
    QPainter* p = prepare(nullptr, false, QPainter::CompositionMode_Source);
    if (p == nullptr) return false;
    p->drawImage(keptAt_, kept_);  // whole pixels onto whole pixels: copied unchanged
    return true;
}

const QImage& WindowSurface::image() const {
    endPainting();
    updatePending_ = false;
    return image_;
}

QPainter* WindowSurface::openPainter() {
    if (painter_.isActive()) return &painter_;
    if (image_.isNull() || !painter_.begin(&image_)) return nullptr;
    forgetPainterState();
    return &painter_;
}

void WindowSurface::line(double x0, double y0, double x1, double y1, const Stroke& stroke, const ClipRect* clip) {
    // A segment that lies wholly outside the clip rectangle, its width and
    // the pixel its smoothed edge may touch included, changes no pixel: the
    // steep flanks of a curve far below the graph, which would cost as much
    // to stroke as those that show.
    if (clip != nullptr) {
        const double reach = std::max(stroke.width, 0.0) + 2.0;
        if (std::max(x0, x1) + reach < clip->left || std::min(x0, x1) - reach > clip->right ||
            std::max(y0, y1) + reach < clip->top || std::min(y0, y1) - reach > clip->bottom)
            return;
    }
    PainterSurface::line(x0, y0, x1, y1, stroke, clip);
}

void WindowSurface::flush() {
    // One repaint request until the view has shown the image.
    if (view_ && !updatePending_) {
        view_->update();
        updatePending_ = true;
    }
}

}  // namespace quendal::platform::qt
