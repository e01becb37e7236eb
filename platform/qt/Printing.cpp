// Printing over Qt's printer and print dialog: the page laid out in points
// (the printer at 72 dpi), scaled into the printable area of the paper.
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <memory>
#include <string>

#include <unistd.h>

#include "platform/CarefulFiles.h"
#include "platform/qt/MemoryFile.h"
#include "platform/qt/PrintServer.h"
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

// Why `path` can be no PDF file to print to, "" when it can: only a
// regular file, or nothing in a folder that exists, is printed to. Looked
// at without opening anything, so that a pipe there is never waited on.
QString printFileRefusal(const QString& path) {
    if (path.isEmpty() || path.endsWith(QLatin1Char('/')))
        return QStringLiteral("\"%1\" is a folder, not a file to print to: nothing was printed.").arg(path);
    const std::string bytes = QFile::encodeName(path).toStdString();
    switch (nodeThrough(bytes)) {
        case NodeKind::Folder:
            return QStringLiteral("\"%1\" is a folder, not a file to print to: nothing was printed.").arg(path);
        case NodeKind::Special:
            return QStringLiteral("\"%1\" is a pipe, socket or device, not a file to print to: nothing was printed.")
                .arg(path);
        case NodeKind::Missing:
            if (nodeAt(bytes) == NodeKind::Link)
                return QStringLiteral("\"%1\" is a link to nothing, not a file to print to: nothing was printed.").arg(path);
            break;
        default: break;
    }
    if (!QFileInfo(path).absoluteDir().exists())
        return QStringLiteral("The folder of \"%1\" does not exist: nothing was printed.").arg(path);
    return {};
}

// The file to print to as the dialog will name it: a relative name is
// taken from the home folder.
QString printFileNamed(const QLineEdit& name) {
    const QString path = name.text();
    return QDir::isRelativePath(path) ? QDir::homePath() + QLatin1Char('/') + path : path;
}

// The dialog's own check of a file to print to opens it for appending,
// which waits for ever on a pipe. The place is looked at here first: what
// can be no file ends the dialog at once, and the refusal is said (by the
// dialog's result); the dialog's own check runs only on a file, or nothing.
void lookBeforeTheDialogOpensTheFile(QPrintDialog* dialog) {
    auto* buttons = dialog->findChild<QDialogButtonBox*>();
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
    if (buttons == nullptr || name == nullptr) return;
    QObject::disconnect(buttons, &QDialogButtonBox::accepted, dialog, nullptr);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, [dialog, name] {
        if (name->isEnabled() && !printFileRefusal(printFileNamed(*name)).isEmpty()) {
            dialog->accept();
            return;
        }
        if (!QMetaObject::invokeMethod(dialog, "_q_checkFields")) dialog->accept();
    });
}

class QtPrinting : public PrintService {
public:
    std::vector<std::string> paperNames() override {
        std::vector<std::string> names;
        for (QPageSize::PageSizeId id : kPapers) names.push_back(QPageSize::name(id).toStdString());
        return names;
    }

    // The default printer's paper as the print server last gave it, else
    // the paper of the user's country: the print server is never asked on
    // the windows' thread, where a server that does not answer would hold
    // every window.
    std::string defaultPaper() override {
        const std::string name = lastDefaultPaper();
        if (pageSizeNamed(name)) return name;
        const bool letter = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
        return QPageSize::name(letter ? QPageSize::Letter : QPageSize::A4).toStdString();
    }

    std::optional<PageArea> printableArea(const PaperFormat& format) override {
        const std::optional<QPageSize> size = pageSizeNamed(format.paper);
        if (!size) return std::nullopt;
        return areaOf(layoutFor(*size, format.landscape));
    }

    // The print server is asked first, away from the windows; the dialog,
    // which asks it again, opens once it answered.
    void runPrintDialog(const PrintJobRequest& job, std::function<void(const PrintDialogResult&)> done) override {
        endDocument();
        askPrintServer(windowWidget(job.window), [this, job, done = std::move(done)](bool answered) mutable {
            if (!answered) {
                if (done) done(PrintDialogResult{});  // cancelled: nothing to report
                return;
            }
            openPrintDialog(job, std::move(done));
        });
    }

    void openPrintDialog(const PrintJobRequest& job, std::function<void(const PrintDialogResult&)> done) {
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
        if (QPrinterInfo::availablePrinterNames().isEmpty()) printer.setOutputFileName(proposedPdfPath(job));  // careful: proposed only

        auto* dialog = new QPrintDialog(&printer, windowWidget(job.window));
        dialog->setMinMax(job.firstPage, job.lastPage);
        dialog->setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange |
                           QAbstractPrintDialog::PrintShowPageSize);
        dialog->setWindowModality(dialog->parentWidget() != nullptr ? Qt::WindowModal : Qt::ApplicationModal);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        lookBeforeTheDialogOpensTheFile(dialog);
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
        placeKeyboard();  // in front with the keyboard, whatever stands beneath it
    }

    int32_t beginDocument(double scalePercent) override {
        if (!printer_ || painter_) return kPrintFailed;
        failure_.clear();
        pageFailed_ = false;
        if (printer_->outputFormat() == QPrinter::PdfFormat) {
            pdfPath_ = QFile::encodeName(printer_->outputFileName()).toStdString();
            pdf_ = std::make_unique<MemoryFile>();
            if (!pdf_->made()) {
                failure_ = notPrinted("The page could not be prepared (" + std::string(std::strerror(pdf_->error())) + ").");
                pdf_.reset();
                return kPrintFailed;
            }
            printer_->setOutputFileName(pdf_->path());
        }
        painter_ = std::make_unique<QPainter>();
        if (!painter_->begin(printer_.get())) {
            painter_.reset();
            pdf_.reset();
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
        const bool begun = painter_ && painter_->isActive() && (pagesBegun_++ == 0 || printer_->newPage());
        pageFailed_ = pageFailed_ || !begun;
        return begun ? 0 : kPrintFailed;
    }

    int32_t endPage() override {
        const bool ended = painter_ && painter_->isActive();
        pageFailed_ = pageFailed_ || !ended;
        return ended ? 0 : kPrintFailed;
    }

    int32_t endDocument() override {
        if (!painter_) {  // no document begun: nothing to end
            printer_.reset();
            pdf_.reset();
            return 0;
        }
        bool ended = painter_->end() && !pageFailed_;
        setSurfaceProvider(provider_.previous);
        provider_ = PrintingProvider{};
        page_.reset();
        painter_.reset();
        printer_.reset();
        // A PDF goes to its file only whole.
        if (pdf_ && ended) {
            std::string bytes, error;
            if (!pdf_->readAll(bytes)) {
                failure_ = notPrinted("The page could not be read back (" + std::string(std::strerror(pdf_->error())) + ").");
                ended = false;
            } else if (bytes.empty()) {
                ended = false;
            } else if (!documentFiles().writeFileAtomically(pdfPath_, bytes, error)) {
                failure_ = notPrinted(error);
                ended = false;
            }
        }
        pdf_.reset();
        return ended ? 0 : kPrintFailed;
    }

    std::string failureReason() override { return failure_; }

private:
    std::string notPrinted(const std::string& why) const { return "\"" + pdfPath_ + "\" was not printed. " + why; }

    PrintDialogResult resultOf(bool accepted, const PrintJobRequest& job) {
        PrintDialogResult result;
        if (!accepted || !printer_) return result;
        result.accepted = true;
        result.status = 0;
        QPrinter& printer = *printer_;
        if (printer.outputFormat() == QPrinter::PdfFormat) {
            const QString path = printer.outputFileName();
            if (const QString refusal = printFileRefusal(path); !refusal.isEmpty()) {
                result.status = kPrintOutputNotAFile;
                result.reason = refusal.toStdString();
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
    bool pageFailed_ = false;
    std::unique_ptr<MemoryFile> pdf_;  // while a PDF is printed
    std::string pdfPath_;              // the file it is printed to
    std::string failure_;              // why the last document failed
};

QtPrinting gQtPrinting;
PrintService* gPrinting = nullptr;

}  // namespace

}  // namespace qt

void setPrintService(PrintService* service) { qt::gPrinting = service; }

PrintService& printing() { return qt::gPrinting != nullptr ? *qt::gPrinting : qt::gQtPrinting; }

}  // namespace quendal::platform
