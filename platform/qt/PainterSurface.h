// The drawing surfaces of the windowing layer.
//
// A PainterSurface keeps one QPainter open while a page is drawn and sets
// its pen, brush, clip, smoothing and font only when an element needs other
// ones than the element before: each element states everything it needs,
// so nothing carries over from one primitive to the next in what is drawn.
// Window surfaces keep a retained image that the window's content view
// shows (the painter ends whenever the view reads the image); page surfaces
// draw the print page (PDF, one unit one point) or a PNG picture.
#pragma once

#include <memory>
#include <string>

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QStaticText>
#include <unordered_map>
#include <QWidget>

#include "platform/DrawSurface.h"

class QPrinter;

namespace quendal::platform::qt {

class PainterSurface : public DrawSurface {
public:
    void line(double x0, double y0, double x1, double y1, const Stroke& stroke, const ClipRect* clip) override;
    void rect(double x, double y, double w, double h, bool fill, const Stroke& stroke) override;
    void arc(double cx, double cy, double r, double a0, double a1, bool fill, const Stroke& stroke) override;
    void text(double x, double y, std::string_view bytes, int32_t fontRow, double pixelSize,
              const Colour& colour) override;
    void picture(double left, double top, double right, double bottom, std::string_view file,
                 std::string_view folder) override;
    void eraseRect(double left, double top, double right, double bottom) override;
    void clear() override;
    // The colour clear() paints (the window's content background).
    void setBackground(QColor background) { background_ = background; }

protected:
    explicit PainterSurface(QColor background) : background_(background) {}
    // The open painter, begun when it was not, or nullptr.
    virtual QPainter* openPainter() = 0;
    // What the painter is set to is unknown: after it (re)begins.
    void forgetPainterState() { set_.known = false; }

    QColor background_;

    // The painter ready for an element: clipped to `clip` or not, smoothed
    // or not, in the given composition mode.
    QPainter* prepare(const ClipRect* clip, bool antialias,
                      QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver);

private:
    // Laid-out texts by font row, size and bytes: the labels of a page come
    // back at every drawing and need no new layout.
    QStaticText& laidOut(std::string_view bytes, int32_t fontRow, double pixelSize, const QFont& font);
    std::unordered_map<std::string, QStaticText> texts_;
    double ascent_ = 0.0;  // of the font in use, px
    void usePen(QPainter& p, const Stroke& stroke);
    void useTextPen(QPainter& p, const Colour& colour);
    void useNoBrush(QPainter& p);

    struct PainterSettings {
        bool known = false;
        bool clipped = false;
        ClipRect clip;
        bool antialias = false;
        QPainter::CompositionMode mode = QPainter::CompositionMode_SourceOver;
        enum class PenKind { Unknown, Stroke, Text } pen = PenKind::Unknown;
        Stroke stroke;
        Colour textColour;
        bool noBrush = false;
        int32_t fontRow = 0;
        double fontSize = -1.0;
        const QPaintDevice* fontDevice = nullptr;
    } set_;
};

// The retained image of one window, shown by its content view.
class WindowSurface : public PainterSurface {
public:
    WindowSurface(QWidget* view, QColor background);
    ~WindowSurface() override;

    double width() const override { return size_.width(); }
    double height() const override { return size_.height(); }
    // A segment wholly outside its clip rectangle is skipped.
    void line(double x0, double y0, double x1, double y1, const Stroke& stroke, const ClipRect* clip) override;
    void flush() override;
    void clear() override;
    bool keepRect(double left, double top, double right, double bottom) override;
    bool restoreKeptRect() override;

    // Follows the content size; what was drawn stays where it fits.
    void resize(QSize size, qreal devicePixelRatio);
    // What was drawn so far (the drawing in progress is finished first).
    const QImage& image() const;

protected:
    QPainter* openPainter() override;

private:
    void endPainting() const;

    QPointer<QWidget> view_;
    QSize size_;
    QImage image_;
    mutable QPainter painter_;
    mutable bool updatePending_ = false;  // the view was asked to repaint and has not read the image yet
    QImage kept_;                         // a rectangle of image_, as keepRect took it; null: none
    QPointF keptAt_;                      // its top left, content pixels
};

// One page: a PDF page at 72 dpi or a PNG picture, written when finished.
class MemoryFile;

// A page drawn into memory, written to its file (a PDF or a PNG picture)
// whole and in one step when finished, as documents are.
class PageSurface : public PainterSurface {
public:
    ~PageSurface() override;
    static std::unique_ptr<PageSurface> openPdf(const std::string& path, double width, double height);
    static std::unique_ptr<PageSurface> openPng(const std::string& path, double width, double height);

    double width() const override { return width_; }
    double height() const override { return height_; }
    bool finish();

protected:
    QPainter* openPainter() override;

private:
    PageSurface(double width, double height);

    double width_, height_;
    std::string path_;  // the file the page goes to once finished
    std::unique_ptr<MemoryFile> pdf_;
    std::unique_ptr<QPrinter> printer_;
    QImage image_;
    QPainter painter_;
};

}  // namespace quendal::platform::qt
