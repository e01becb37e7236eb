// The floating palettes stand aside for dialogs. A palette is a tool window
// that the window system keeps above the program's other windows, and so
// above a dialog, alert or sheet opened after it: its Save and Cancel
// buttons could lie under the palette. While any dialog is shown the
// palettes therefore leave the screen, and they come back once the last
// dialog has gone.
#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "platform/qt/Registry.h"
#include "platform/qt/WindowFrame.h"

namespace quendal::platform::qt {

namespace {

bool isDialogWindow(const QWidget* widget) {
    if (widget == nullptr || !widget->isWindow()) return false;
    const Qt::WindowType type = widget->windowType();
    return type == Qt::Dialog || type == Qt::Sheet;
}

// Returns whether a palette left or came back.
bool palettesStandAside(bool aside) {
    bool moved = false;
    for (auto& [number, record] : windowTable())
        if (record.kind == WindowKind::FloatingPalette && record.frame && record.frame->isVisible() == aside) {
            record.frame->standAside(aside);
            moved = moved || record.frame->isVisible() != aside;
        }
    return moved;
}

// A palette that comes back takes no keyboard, even where the window
// system hands it to a window as it is shown: the keyboard's rule places it
// again (System Select rather than the palette of the design waiting
// behind it).
void palettesBack() {
    if (dialogShown() || !palettesStandAside(false)) return;
    placeKeyboard();
}

// Watches every window of the application: a dialog shown sends the
// palettes aside at once; a dialog hidden lets them back once the event
// loop turns, so that a dialog followed straight by another (a file dialog
// by its question whether to replace) never uncovers them in between.
class DialogWatch : public QObject {
public:
    explicit DialogWatch(QObject* parent) : QObject(parent) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if ((type == QEvent::Show || type == QEvent::Hide) && watched->isWidgetType() &&
            isDialogWindow(static_cast<QWidget*>(watched))) {
            if (type == QEvent::Show)
                palettesStandAside(true);
            else
                QTimer::singleShot(0, this, palettesBack);
        }
        return false;
    }
};

QPointer<DialogWatch> gWatch;

}  // namespace

bool dialogShown() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && isDialogWindow(widget)) return true;
    return false;
}

void watchDialogsForPalettes() {
    QCoreApplication* app = QCoreApplication::instance();
    if (gWatch || app == nullptr) return;
    gWatch = new DialogWatch(app);
    app->installEventFilter(gWatch);
}

}  // namespace quendal::platform::qt
