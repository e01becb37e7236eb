// PNG pictures of windows, and the questions of a snapshot: where to save
// it, and whether to stop when it could not be written.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

#include <memory>

#include "platform/qt/MacRoman.h"
#include "platform/qt/Registry.h"

namespace quendal::platform {

namespace qt {

namespace {

class QtImageSaving : public ImageSaveService {
public:
    void askPngPath(WindowNumber window, std::string_view title, std::string_view startFolder,
                    std::string_view proposedName, std::function<void(std::optional<std::string>)> done) override {
        QString folder = QString::fromUtf8(startFolder.data(), qsizetype(startFolder.size()));
        if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
        auto* dialog = new QFileDialog(windowWidget(window), fromMacRoman(title), folder,
                                       QStringLiteral("PNG picture (*.png)"));
        dialog->setAcceptMode(QFileDialog::AcceptSave);
        dialog->setFileMode(QFileDialog::AnyFile);
        dialog->setDefaultSuffix(QStringLiteral("png"));
        dialog->selectFile(QString::fromUtf8(proposedName.data(), qsizetype(proposedName.size())));
        dialog->setWindowModality(dialog->parentWidget() != nullptr ? Qt::WindowModal : Qt::ApplicationModal);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        // The answer comes once: when the dialog closes, or as a cancel when
        // it goes with its window before that.
        auto answered = std::make_shared<bool>(false);
        auto answer = std::make_shared<std::function<void(std::optional<std::string>)>>(std::move(done));
        QObject::connect(dialog, &QFileDialog::finished, dialog, [dialog, answered, answer](int code) {
            if (*answered) return;
            *answered = true;
            std::optional<std::string> path;
            const QStringList chosen = dialog->selectedFiles();
            if (code == QDialog::Accepted && !chosen.isEmpty() && !chosen.front().isEmpty())
                path = QFile::encodeName(chosen.front()).toStdString();
            if (*answer) (*answer)(path);
        });
        QObject::connect(dialog, &QObject::destroyed, [answered, answer] {
            if (*answered) return;
            *answered = true;
            if (*answer) (*answer)(std::nullopt);
        });
        dialog->open();
        placeKeyboard();  // in front with the keyboard, whatever stands beneath it
    }

    void askStopOrContinue(std::string_view message, std::string_view informativeText,
                           std::function<void(bool stop)> done) override {
        auto* box = new QMessageBox(QMessageBox::Critical, QStringLiteral("Quendal"), fromMacRoman(message),
                                    QMessageBox::NoButton, nullptr);
        box->setInformativeText(fromMacRoman(informativeText));
        QPushButton* stop = box->addButton(QStringLiteral("Stop"), QMessageBox::DestructiveRole);
        QPushButton* carryOn = box->addButton(QStringLiteral("Continue"), QMessageBox::AcceptRole);
        box->setDefaultButton(carryOn);
        box->setEscapeButton(carryOn);
        box->setWindowModality(Qt::ApplicationModal);
        box->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(box, &QMessageBox::finished, box, [box, stop, done = std::move(done)](int) {
            if (done) done(box->clickedButton() == stop);
        });
        box->open();
        placeKeyboard();  // in front with the keyboard, whatever stands beneath it
    }
};

QtImageSaving gQtImageSaving;
ImageSaveService* gImageSaving = nullptr;

}  // namespace

}  // namespace qt

bool windowPng(WindowNumber window, std::string& png) {
    QWidget* content = qt::contentWidget(window);
    if (content == nullptr) return false;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!content->grab().save(&buffer, "PNG")) return false;
    png.assign(bytes.constData(), std::size_t(bytes.size()));
    return true;
}

void setImageSaveService(ImageSaveService* service) { qt::gImageSaving = service; }

ImageSaveService& imageSaving() { return qt::gImageSaving != nullptr ? *qt::gImageSaving : qt::gQtImageSaving; }

}  // namespace quendal::platform
