#include "platform/qt/FileDialogs.h"

#include <memory>
#include <optional>
#include <utility>

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

#include "platform/Platform.h"
#include "platform/qt/MacRoman.h"
#include "platform/qt/Registry.h"

namespace quendal::platform::qt {

FileListFilter::FileListFilter(std::function<bool(const std::string&, bool)> admits, QObject* parent)
    : QSortFilterProxyModel(parent), admits_(std::move(admits)) {}

bool FileListFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (files == nullptr || !admits_) return true;
    const QModelIndex item = files->index(sourceRow, 0, sourceParent);
    return admits_(QFile::encodeName(files->filePath(item)).toStdString(), files->isDir(item));
}

QString withSuffix(const QString& file, const QString& suffix) {
    const QString ending = QLatin1Char('.') + suffix;
    return file.endsWith(ending, Qt::CaseInsensitive) ? file : file + ending;
}

namespace {

using Chosen = std::function<void(std::optional<std::string>)>;

QWidget* parentOf(WindowNumber window) { return window != 0 ? windowWidget(window) : nullptr; }

// A dialog that goes unanswered (the window it stands on closed under it)
// is answered `cancelled` once the event loop runs again, so that nothing
// waits for its answer for ever.
void cancelledIfGone(QDialog* dialog, std::function<void()> cancelled) {
    auto answered = std::make_shared<bool>(false);
    QObject::connect(dialog, &QDialog::finished, [answered] { *answered = true; });
    QObject::connect(dialog, &QObject::destroyed, [answered, cancelled = std::move(cancelled)] {
        if (!*answered) QTimer::singleShot(0, qApp, cancelled);
    });
}

// A question whose answer can throw work away takes no plain typing: a
// letter, digit, sign or space, with or without Shift, meant for a field
// the user believed had the keyboard, does nothing, where the message box
// would take a button's underlined letter alone or press the focused
// button. Return, Enter, Escape and the keys held with Ctrl or Alt answer
// as the question says.
class PlainTypingIgnored : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return false;
        const auto* key = static_cast<const QKeyEvent*>(event);
        if ((key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0) return false;
        const QString text = key->text();
        return !text.isEmpty() && text.at(0).isPrint();
    }
};

void ignorePlainTyping(QMessageBox* box) {
    auto* filter = new PlainTypingIgnored(box);
    box->installEventFilter(filter);
    for (QAbstractButton* button : box->buttons()) button->installEventFilter(filter);
}

void openModal(QDialog* dialog) {
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(dialog->parentWidget() != nullptr ? Qt::WindowModal : Qt::ApplicationModal);
    // In front with the keyboard, whatever stands beneath it; when it goes,
    // the keyboard's rule places the keyboard again (the layer watches the
    // dialog close).
    dialog->open();
    placeKeyboard();
}

// The folder the program asks for, else the user's home folder.
QString startFolder(const std::string& folder) {
    if (!folder.empty() && QFileInfo(QString::fromStdString(folder)).isDir()) return QString::fromStdString(folder);
    return QDir::homePath();
}

void askWhereToSave(SaveFileRequest request, Chosen done, const QString& folder, const QString& name);

// A file is there already: replace it, or choose again with that name.
void confirmReplacing(SaveFileRequest request, Chosen done, const QString& file) {
    const QFileInfo info(file);
    auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Quendal"),
                                QStringLiteral("\"%1\" already exists. Do you want to replace it?").arg(info.fileName()),
                                QMessageBox::NoButton, parentOf(request.window));
    box->setInformativeText(QStringLiteral("The file in \"%1\" will be overwritten.").arg(info.absolutePath()));
    QPushButton* replace = box->addButton(QStringLiteral("Replace"), QMessageBox::DestructiveRole);
    QPushButton* cancel = box->addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
    box->setDefaultButton(cancel);
    box->setEscapeButton(cancel);
    ignorePlainTyping(box);
    QObject::connect(box, &QDialog::finished, box, [box, replace, request, done, file](int) {
        if (box->clickedButton() == replace)
            done(QFile::encodeName(file).toStdString());
        else
            askWhereToSave(request, done, QFileInfo(file).absolutePath(), QFileInfo(file).fileName());
    });
    cancelledIfGone(box, [done] { done(std::nullopt); });
    openModal(box);
}

void askWhereToSave(SaveFileRequest request, Chosen done, const QString& folder, const QString& name) {
    auto* dialog = new QFileDialog(parentOf(request.window), fromMacRoman(request.message), folder);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setOption(QFileDialog::DontConfirmOverwrite);  // asked below, for the name with its suffix
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    const QString suffix = QString::fromStdString(request.suffix);
    dialog->setNameFilter(QStringLiteral("Quendal files (*.%1)").arg(suffix));
    dialog->selectFile(name);
    QObject::connect(dialog, &QDialog::finished, dialog, [dialog, request, done, suffix](int result) {
        const QStringList files = dialog->selectedFiles();
        if (result != QDialog::Accepted || files.isEmpty() || files.first().isEmpty()) {
            done(std::nullopt);
            return;
        }
        const QString file = withSuffix(files.first(), suffix);
        const QFileInfo info(file);
        if (info.isDir())
            askWhereToSave(request, done, file, {});
        else if (info.exists())
            confirmReplacing(request, done, file);
        else
            done(QFile::encodeName(file).toStdString());
    });
    cancelledIfGone(dialog, [done] { done(std::nullopt); });
    openModal(dialog);
}

class QtDocumentDialogs : public DocumentDialogService {
public:
    void chooseFileToOpen(const OpenFileRequest& request, Chosen done) override {
        auto* dialog = new QFileDialog(nullptr, fromMacRoman(request.message), startFolder(request.folder));
        dialog->setOption(QFileDialog::DontUseNativeDialog);
        dialog->setAcceptMode(QFileDialog::AcceptOpen);
        dialog->setFileMode(QFileDialog::ExistingFile);
        dialog->setNameFilter(QStringLiteral("Quendal designs and stationery (*.qndl *.qndlsta)"));
        if (request.filter) dialog->setProxyModel(new FileListFilter(request.filter, dialog));
        QObject::connect(dialog, &QDialog::finished, dialog, [dialog, done](int result) {
            const QStringList files = dialog->selectedFiles();
            if (result == QDialog::Accepted && !files.isEmpty() && !files.first().isEmpty())
                done(QFile::encodeName(files.first()).toStdString());
            else
                done(std::nullopt);
        });
        cancelledIfGone(dialog, [done] { done(std::nullopt); });
        openModal(dialog);
    }

    void chooseFileToSave(const SaveFileRequest& request, Chosen done) override {
        askWhereToSave(request, std::move(done), startFolder(request.folder), QString::fromStdString(request.proposedName));
    }

    void askSaveChanges(WindowNumber window, std::string_view documentName,
                        std::function<void(SaveChangesAnswer)> done) override {
        auto* box = new QMessageBox(
            QMessageBox::Warning, QStringLiteral("Quendal"),
            QStringLiteral("Do you want to save the changes you made in the document \"%1\"?").arg(fromMacRoman(documentName)),
            QMessageBox::NoButton, parentOf(window));
        box->setInformativeText(QStringLiteral("Your changes will be lost if you don't save them."));
        QPushButton* save = box->addButton(QStringLiteral("Save"), QMessageBox::AcceptRole);
        // "Don't Save" underlines its D for Alt+D, and Ctrl+D, Ctrl+Backspace
        // and Ctrl+Delete answer it too.
        QPushButton* discard = box->addButton(QStringLiteral("&Don't Save"), QMessageBox::DestructiveRole);
        QPushButton* cancel = box->addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
        box->setDefaultButton(save);
        box->setEscapeButton(cancel);
        for (const QKeyCombination key : {Qt::CTRL | Qt::Key_D, Qt::CTRL | Qt::Key_Backspace, Qt::CTRL | Qt::Key_Delete}) {
            auto* shortcut = new QShortcut(QKeySequence(key), box);
            QObject::connect(shortcut, &QShortcut::activated, discard, &QPushButton::click);
        }
        ignorePlainTyping(box);
        QObject::connect(box, &QDialog::finished, box, [box, save, discard, done](int) {
            const QAbstractButton* clicked = box->clickedButton();
            done(clicked == save      ? SaveChangesAnswer::Save
                 : clicked == discard ? SaveChangesAnswer::DontSave
                                      : SaveChangesAnswer::Cancel);
        });
        cancelledIfGone(box, [done] { done(SaveChangesAnswer::Cancel); });
        openModal(box);
    }

    void askSaveOverChangedFile(WindowNumber window, std::string_view message, std::string_view informativeText,
                                std::function<void(ChangedFileAnswer)> done) override {
        auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Quendal"), fromMacRoman(message),
                                    QMessageBox::NoButton, parentOf(window));
        box->setInformativeText(fromMacRoman(informativeText));
        QPushButton* over = box->addButton(QStringLiteral("Save &Over"), QMessageBox::DestructiveRole);
        QPushButton* saveAs = box->addButton(QStringLiteral("Save &As..."), QMessageBox::AcceptRole);
        QPushButton* cancel = box->addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
        box->setDefaultButton(saveAs);
        box->setEscapeButton(cancel);
        ignorePlainTyping(box);
        QObject::connect(box, &QDialog::finished, box, [box, over, saveAs, done](int) {
            const QAbstractButton* clicked = box->clickedButton();
            done(clicked == over     ? ChangedFileAnswer::SaveOver
                 : clicked == saveAs ? ChangedFileAnswer::SaveAs
                                     : ChangedFileAnswer::Cancel);
        });
        cancelledIfGone(box, [done] { done(ChangedFileAnswer::Cancel); });
        openModal(box);
    }

    void fileError(WindowNumber window, std::string_view title, std::string_view message,
                   std::function<void(bool stop)> done) override {
        auto* box = new QMessageBox(QMessageBox::Critical, QStringLiteral("Quendal"), fromMacRoman(title),
                                    QMessageBox::NoButton, parentOf(window));
        box->setInformativeText(fromMacRoman(message));
        QPushButton* stop = box->addButton(QStringLiteral("Stop"), QMessageBox::DestructiveRole);
        QPushButton* carryOn = box->addButton(QStringLiteral("Continue"), QMessageBox::AcceptRole);
        box->setDefaultButton(carryOn);
        box->setEscapeButton(carryOn);
        QObject::connect(box, &QDialog::finished, box, [box, stop, done](int) { done(box->clickedButton() == stop); });
        cancelledIfGone(box, [done] { done(false); });
        openModal(box);
    }
};

QtDocumentDialogs gQtDocumentDialogs;
DocumentDialogService* gDocumentDialogs = nullptr;

}  // namespace

}  // namespace quendal::platform::qt

namespace quendal::platform {

void setDocumentDialogService(DocumentDialogService* service) { qt::gDocumentDialogs = service; }

DocumentDialogService& documentDialogs() {
    return qt::gDocumentDialogs != nullptr ? *qt::gDocumentDialogs : qt::gQtDocumentDialogs;
}

}  // namespace quendal::platform
