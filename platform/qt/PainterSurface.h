// The drawing surfaces of the windowing layer.
//
// A PainterSurface draws each element with a QPainter that a subclass opens
// for that one element and ends afterwards, so no state carries from one
// primitive to the next. Window surfaces keep a retained image that the
// window's content view shows; page surfaces draw the print page (PDF, one
// unit one point) or a PNG picture with the same calls.
#pragma once

#include <memory>
#include <string>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QWidget>

#include "view/DrawSurface.h"

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
    // A painter ready for one element (state saved), or nullptr.
    virtual QPainter* beginElement() = 0;
    virtual void endElement() = 0;

    QColor background_;
};

// The retained image of one window, shown by its content view.
class WindowSurface : public PainterSurface {
public:
    WindowSurface(QWidget* view, QColor background);

    double width() const override { return size_.width(); }
    double height() const override { return size_.height(); }
    void flush() override;

    // Follows the content size; what was drawn stays where it fits.
    void resize(QSize size, qreal devicePixelRatio);
    const QImage& image() const { return image_; }

protected:
    QPainter* beginElement() override;
    void endElement() override;

private:
    QPointer<QWidget> view_;
    QSize size_;
    QImage image_;
    QPainter painter_;
};

// One page: a PDF page at 72 dpi or a PNG picture, written when finished.
class PageSurface : public PainterSurface {
public:
    ~PageSurface() override;
    static std::unique_ptr<PageSurface> openPdf(const std::string& path, double width, double height);
    static std::unique_ptr<PageSurface> openPng(const std::string& path, double width, double height);

    double width() const override { return width_; }
    double height() const override { return height_; }
    bool finish();

protected:
    QPainter* beginElement() override;
    void endElement() override;

private:
    PageSurface(double width, double height);

    double width_, height_;
    std::string pngPath_;
    std::unique_ptr<QPrinter> printer_;
    QImage image_;
    QPainter painter_;
};

}  // namespace quendal::platform::qt
