// Printing over Qt's printer and print dialog: the page laid out in points
// (the printer at 72 dpi), scaled into the printable area of the paper.
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

#include <memory>

#include "platform/qt/Registry.h"

namespace quendal::platform {

namespace qt {

namespace {

constexpr double kPaperMargin = 18.0;  // pt on every side of the printable area

// The papers the page setup offers, the usual ones first.
constexpr QPageSize::PageSizeId kPapers[] = {QPageSize::A4,    QPageSize::Letter,    QPageSize::Legal,
                                             QPageSize::A3,    QPageSize::A5,        QPageSize::B5,
                                             QPageSize::Executive, QPageSize::Tabloid};

std::optional<QPageSize> pageSizeNamed(const std::string& name) {
    for (QPageSize::PageSizeId id : kPapers)
        if (QPageSize::name(id).toStdString() == name) return QPageSize(id);
    return std::nullopt;
}

QPageLayout layoutFor(const QPageSize& size, bool landscape) {
    return QPageLayout(size, landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(kPaperMargin, kPaperMargin, kPaperMargin, kPaperMargin), QPageLayout::Point);
}

PageArea areaOf(const QPageLayout& layout) {
    const QRectF paint = layout.paintRect(QPageLayout::Point);
    return PageArea{0.0, 0.0, paint.height(), paint.width()};
}

// The page on the printer: every primitive draws with the document's
// painter, whose transform puts the page at the printable area's corner at
// the page scale.
class PrinterPage : public PainterSurface {
public:
    PrinterPage(QPainter& painter, double width, double height)
        : PainterSurface(Qt::white), painter_(painter), width_(width), height_(height) {}
    double width() const override { return width_; }
    double height() const override { return height_; }

protected:
    // The document's painter stays open for the whole page; the surface sets
    // pen, clip and smoothing on it only when an element needs others.
    QPainter* openPainter() override { return painter_.isActive() ? &painter_ : nullptr; }

private:
    QPainter& painter_;
    double width_, height_;
};

// The windows' surfaces as the layer has them, and the printer's page.
class PrintingProvider : public SurfaceProvider {
public:
    DrawSurface* windowSurface(int32_t windowNumber) override {
        return previous != nullptr ? previous->windowSurface(windowNumber) : nullptr;
    }
    DrawSurface* printSurface() override { return page; }
    SurfaceProvider* previous = nullptr;
    DrawSurface* page = nullptr;
};

// A PDF file is proposed when there is no printer: in the folder the job
// names (the document's), else in the Documents folder.
QString proposedPdfPath(const PrintJobRequest& job) {
    const std::string& jobName = job.jobName;
    QString folder = QString::fromStdString(job.folder);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
    const QString name = jobName.empty() ? QStringLiteral("Quendal") : QString::fromStdString(jobName);
    return QDir(folder).filePath(name + QStringLiteral(".pdf"));
}

class QtPrinting : public PrintService {
public:
    std::vector<std::string> paperNames() override {
        std::vector<std::string> names;
        for (QPageSize::PageSizeId id : kPapers) names.push_back(QPageSize::name(id).toStdString());
        return names;
    }

    std::string defaultPaper() override {
        const QPrinter printer;
        const std::string name = printer.pageLayout().pageSize().name().toStdString();
        return pageSizeNamed(name) ? name : QPageSize::name(QPageSize::A4).toStdString();
    }

    std::optional<PageArea> printableArea(const PaperFormat& format) override {
        const std::optional<QPageSize> size = pageSizeNamed(format.paper);
        if (!size) return std::nullopt;
        return areaOf(layoutFor(*size, format.landscape));
    }

    void runPrintDialog(const PrintJobRequest& job, std::function<void(const PrintDialogResult&)> done) override {
        endDocument();
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        QPrinter& printer = *printer_;
        printer.setResolution(72);  // one unit one point
        if (const std::optional<QPageSize> size = pageSizeNamed(job.format.paper)) {
            // A printer with wider hardware margins keeps its own.
            if (!printer.setPageLayout(layoutFor(*size, job.format.landscape))) {
                printer.setPageSize(*size);
                printer.setPageOrientation(job.format.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
            }
        }
        printer.setDocName(QString::fromStdString(job.jobName));
        printer.setCopyCount(std::max(1, int(job.copies)));
        // Without a printer the dialog prints to a PDF file.
        if (QPrinterInfo::availablePrinterNames().isEmpty()) printer.setOutputFileName(proposedPdfPath(job));

        auto* dialog = new QPrintDialog(&printer, windowWidget(job.window));
        dialog->setMinMax(job.firstPage, job.lastPage);
        dialog->setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange |
                           QAbstractPrintDialog::PrintShowPageSize);
        dialog->setWindowModality(dialog->parentWidget() != nullptr ? Qt::WindowModal : Qt::ApplicationModal);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        // The answer comes once: when the dialog closes, or as a cancel when
        // it goes with its window before that.
        auto answered = std::make_shared<bool>(false);
        auto answer = std::make_shared<std::function<void(const PrintDialogResult&)>>(std::move(done));
        QObject::connect(dialog, &QDialog::finished, dialog, [this, job, answered, answer](int code) {
            if (*answered) return;
            *answered = true;
            const PrintDialogResult result = resultOf(code == QDialog::Accepted, job);
            if (!result.accepted || result.status != 0) printer_.reset();
            if (*answer) (*answer)(result);
        });
        QObject::connect(dialog, &QObject::destroyed, [this, answered, answer] {
            if (*answered) return;
            *answered = true;
            printer_.reset();
            if (*answer) (*answer)(PrintDialogResult{});
        });
        dialog->open();
    }

    int32_t beginDocument(double scalePercent) override {
        if (!printer_ || painter_) return kPrintFailed;
        painter_ = std::make_unique<QPainter>();
        if (!painter_->begin(printer_.get())) {
            painter_.reset();
            return kPrintFailed;
        }
        const double scale = scalePercent > 0.0 ? scalePercent / 100.0 : 1.0;
        painter_->scale(scale, scale);
        const QRectF paint = printer_->pageLayout().paintRect(QPageLayout::Point);
        page_ = std::make_unique<PrinterPage>(*painter_, paint.width() / scale, paint.height() / scale);
        provider_.previous = surfaceProvider();
        provider_.page = page_.get();
        setSurfaceProvider(&provider_);
        pagesBegun_ = 0;
        return 0;
    }

    int32_t beginPage() override {
        if (!painter_ || !painter_->isActive()) return kPrintFailed;
        if (pagesBegun_++ > 0 && !printer_->newPage()) return kPrintFailed;
        return 0;
    }

    int32_t endPage() override { return painter_ && painter_->isActive() ? 0 : kPrintFailed; }

    int32_t endDocument() override {
        if (!painter_) {  // no document begun: nothing to end
            printer_.reset();
            return 0;
        }
        bool ended = painter_->end();
        setSurfaceProvider(provider_.previous);
        provider_ = PrintingProvider{};
        page_.reset();
        painter_.reset();
        if (printer_->outputFormat() == QPrinter::PdfFormat)
            ended = ended && QFileInfo(printer_->outputFileName()).size() > 0;
        printer_.reset();
        return ended ? 0 : kPrintFailed;
    }

private:
    PrintDialogResult resultOf(bool accepted, const PrintJobRequest& job) {
        PrintDialogResult result;
        if (!accepted || !printer_) return result;
        result.accepted = true;
        result.status = 0;
        QPrinter& printer = *printer_;
        if (printer.outputFormat() == QPrinter::PdfFormat) {
            const QString path = printer.outputFileName();
            const QFileInfo file(path);
            if (path.isEmpty() || file.isDir() || path.endsWith(QLatin1Char('/'))) {
                result.status = kPrintOutputNotAFile;
                result.reason = QStringLiteral("\"%1\" is a folder, not a file to print to: nothing was printed.").arg(path).toStdString();
                return result;
            }
            if (!file.absoluteDir().exists()) {
                result.status = kPrintOutputNotAFile;
                result.reason = QStringLiteral("The folder of \"%1\" does not exist: nothing was printed.").arg(path).toStdString();
                return result;
            }
        } else if (printer.printerName().isEmpty()) {
            result.status = kPrintNoDefaultPrinter;
            return result;
        }
        const int from = printer.fromPage(), to = printer.toPage();
        result.firstPage = from > 0 ? from : job.firstPage;
        result.lastPage = to > 0 ? to : job.lastPage;
        result.area = areaOf(printer.pageLayout());
        return result;
    }

    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPainter> painter_;
    std::unique_ptr<PrinterPage> page_;
    PrintingProvider provider_;
    int pagesBegun_ = 0;
};

QtPrinting gQtPrinting;
PrintService* gPrinting = nullptr;

}  // namespace

}  // namespace qt

void setPrintService(PrintService* service) { qt::gPrinting = service; }

PrintService& printing() { return qt::gPrinting != nullptr ? *qt::gPrinting : qt::gQtPrinting; }

}  // namespace quendal::platform
