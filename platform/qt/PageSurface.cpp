#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

#include "platform/CarefulFiles.h"
#include "platform/Platform.h"
#include "platform/qt/MemoryFile.h"
#include "platform/qt/PainterSurface.h"

namespace quendal::platform::qt {

namespace {

// Whether a page may be written at `path`: a file, or nothing, in a folder
// that exists. Looked at only; the page is written when finished.
bool placeForPage(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    return !path.empty() && nodeThrough(folder) == NodeKind::Folder && refusalOfFileAt(path).empty();
}

}  // namespace

PageSurface::PageSurface(double width, double height)
    : PainterSurface(Qt::white), width_(width), height_(height) {}

PageSurface::~PageSurface() {
    if (painter_.isActive()) painter_.end();
}

std::unique_ptr<PageSurface> PageSurface::openPdf(const std::string& path, double width, double height) {
    if (!(width > 0.0 && height > 0.0) || !placeForPage(path)) return nullptr;
    std::unique_ptr<PageSurface> page(new PageSurface(width, height));
    page->path_ = path;
    page->pdf_ = std::make_unique<MemoryFile>();
    if (!page->pdf_->made()) return nullptr;
    page->printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    QPrinter& printer = *page->printer_;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(page->pdf_->path());
    printer.setResolution(72);  // one unit one point
    printer.setFullPage(true);  // origin at the paper's top-left corner
    printer.setPageSize(QPageSize(QSizeF(width, height), QPageSize::Point, QString(), QPageSize::ExactMatch));
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    if (!page->painter_.begin(&printer)) return nullptr;
    return page;
}

std::unique_ptr<PageSurface> PageSurface::openPng(const std::string& path, double width, double height) {
    if (!(width > 0.0 && height > 0.0 && width < 32768.0 && height < 32768.0) || !placeForPage(path)) return nullptr;
    std::unique_ptr<PageSurface> page(new PageSurface(width, height));
    page->path_ = path;
    page->image_ = QImage(int(std::ceil(width)), int(std::ceil(height)), QImage::Format_RGB32);
    page->image_.fill(Qt::white);
    if (!page->painter_.begin(&page->image_)) return nullptr;
    return page;
}

QPainter* PageSurface::openPainter() { return painter_.isActive() ? &painter_ : nullptr; }

bool PageSurface::finish() {
    if (!painter_.isActive()) return false;
    const bool ended = painter_.end();
    std::string bytes, error;
    if (printer_) {
        printer_.reset();
        if (!ended || !pdf_->readAll(bytes)) return false;
    } else {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!ended || !image_.save(&buffer, "PNG")) return false;
        bytes.assign(png.constData(), std::size_t(png.size()));
    }
    return !bytes.empty() && documentFiles().writeFileAtomically(path_, bytes, error);
}

}  // namespace quendal::platform::qt
