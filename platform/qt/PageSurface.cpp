#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

#include "platform/qt/PainterSurface.h"

namespace quendal::platform::qt {

PageSurface::PageSurface(double width, double height)
    : PainterSurface(Qt::white), width_(width), height_(height) {}

PageSurface::~PageSurface() {
    if (painter_.isActive()) painter_.end();
}

std::unique_ptr<PageSurface> PageSurface::openPdf(const std::string& path, double width, double height) {
    if (!(width > 0.0 && height > 0.0) || path.empty()) return nullptr;
    std::unique_ptr<PageSurface> page(new PageSurface(width, height));
    page->printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrinter& printer = *page->printer_;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path));
    printer.setResolution(72);  // one unit one point
    printer.setFullPage(true);  // origin at the paper's top-left corner
    printer.setPageSize(QPageSize(QSizeF(width, height), QPageSize::Point, QString(), QPageSize::ExactMatch));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    if (!page->painter_.begin(&printer)) return nullptr;
    return page;
}

std::unique_ptr<PageSurface> PageSurface::openPng(const std::string& path, double width, double height) {
    if (!(width > 0.0 && height > 0.0 && width < 32768.0 && height < 32768.0) || path.empty()) return nullptr;
    std::unique_ptr<PageSurface> page(new PageSurface(width, height));
    page->pngPath_ = path;
    page->image_ = QImage(int(std::ceil(width)), int(std::ceil(height)), QImage::Format_RGB32);
    page->image_.fill(Qt::white);
    if (!page->painter_.begin(&page->image_)) return nullptr;
    return page;
}

QPainter* PageSurface::openPainter() { return painter_.isActive() ? &painter_ : nullptr; }

bool PageSurface::finish() {
    if (!painter_.isActive()) return false;
    const bool ended = painter_.end();
    if (printer_) {
        const bool written = ended && QFileInfo(printer_->outputFileName()).size() > 0;
        printer_.reset();
        return written;
    }
    return ended && image_.save(QString::fromStdString(pngPath_), "PNG");
}

}  // namespace quendal::platform::qt
