// Alerts, alert sheets, the beep and the cursor.
#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPixmap>

#include "platform/qt/MacRoman.h"
#include "platform/qt/Registry.h"
#include "platform/qt/Resources.h"

namespace quendal::platform {

namespace {

class QtDialogs : public DialogService {
public:
    void alert(std::string_view title, std::string_view message) override {
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Quendal"), qt::fromMacRoman(title), QMessageBox::Ok,
                        QApplication::activeWindow());
        box.setInformativeText(qt::fromMacRoman(message));
        box.exec();
    }

    void sheetAlert(WindowNumber window, std::string_view title, std::string_view message,
                    std::function<void()> onOk) override {
        auto* box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Quendal"), qt::fromMacRoman(title),
                                    QMessageBox::Ok, qt::windowWidget(window));
        box->setInformativeText(qt::fromMacRoman(message));
        box->setWindowModality(box->parentWidget() != nullptr ? Qt::WindowModal : Qt::ApplicationModal);
        box->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(box, &QMessageBox::finished, box, [onOk = std::move(onOk)](int) {
            if (onOk) onOk();
        });
        box->open();
        placeKeyboard();  // in front with the keyboard, whatever stands beneath it
    }

    void beep() override { QApplication::beep(); }
};

QtDialogs gQtDialogs;
DialogService* gDialogs = nullptr;
Cursor gCursor = Cursor::Arrow;

void setOverride(const QCursor& cursor) {
    if (QGuiApplication::overrideCursor() != nullptr)
        QGuiApplication::changeOverrideCursor(cursor);
    else
        QGuiApplication::setOverrideCursor(cursor);
}

}  // namespace

void setDialogService(DialogService* service) { gDialogs = service; }

DialogService& dialogs() { return gDialogs != nullptr ? *gDialogs : gQtDialogs; }

void setCursor(Cursor cursor) {
    gCursor = cursor;
    switch (cursor) {
        case Cursor::Arrow:
            // Back to the widgets' own shapes, an arrow nearly everywhere.
            while (QGuiApplication::overrideCursor() != nullptr) QGuiApplication::restoreOverrideCursor();
            break;
        case Cursor::IBeam: setOverride(QCursor(Qt::IBeamCursor)); break;
        case Cursor::PointingHand: setOverride(QCursor(Qt::PointingHandCursor)); break;
    }
}

void setImageCursor(std::string_view file, std::string_view folder, int32_t hotX, int32_t hotY) {
    const QImage image = qt::resourceImage(file, folder);
    if (image.isNull()) return;
    setOverride(QCursor(QPixmap::fromImage(image), hotX, hotY));
}

Cursor currentCursor() { return gCursor; }

}  // namespace quendal::platform
