// The program's default handlers, the small window that carries the menu
// bar while no document window is visible, and the quit command that
// closing it and the end of the desktop session stand for.
#include <algorithm>

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QSessionManager>
#include <QTimer>

#include "platform/qt/MacRoman.h"
#include "platform/qt/Registry.h"
#include "platform/qt/WindowFrame.h"

namespace quendal::platform {

namespace qt {

namespace {

constexpr int kHostContentHeight = 48;  // px below the menu bar

WindowHandler gDefaultWindowHandler = nullptr;
ControlHandler gDefaultControlHandler = nullptr;

MenuNumber gQuitMenu = 0;
int32_t gQuitItem = 0;
QPointer<QCoreApplication> gWatchedSession;  // the application whose session end is followed

// A plain window whose only content is the menu bar.
class MenuHostWindow : public QWidget {
public:
    MenuHostWindow() : bar_(new QMenuBar(this)), line_(new QLabel(QStringLiteral("Speaker enclosure design software"), this)) {
        setWindowFlags(Qt::Window);
        setObjectName(QStringLiteral("menu-host"));
        setAttribute(Qt::WA_DeleteOnClose, false);
        line_->setAlignment(Qt::AlignCenter);
        line_->setEnabled(false);  // a quiet line, not something to act on
    }
    QMenuBar* bar() const { return bar_; }

    void setMenus(const QList<QMenu*>& menus) {
        showMenusInBar(bar_, menus);
        fit();
    }

protected:
    void closeEvent(QCloseEvent* event) override {
        // The window stays; what closing it means is the program's quit command.
        event->ignore();
        deliverQuitCommand();
    }
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        const int bar = bar_->sizeHint().height();
        bar_->setGeometry(0, 0, width(), bar);
        line_->setGeometry(0, bar, width(), std::max(0, height() - bar));
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (!bar_->hasFocus() && openMenuBarByKey(bar_, *event)) return;
        QWidget::keyPressEvent(event);
    }

private:
    // Wide enough for every menu title, so that none hides behind an overflow button.
    void fit() {
        const QSize hint = bar_->sizeHint();
        resize(std::max(hint.width() + 8, 320), hint.height() + kHostContentHeight);
    }

    QMenuBar* bar_;
    QLabel* line_;
};

QString gHostTitle;
QPointer<MenuHostWindow> gHost;
QList<QPointer<QMenu>> gHostMenus;
bool gUpdatePending = false;

bool anyDocumentVisible() {
    for (const auto& [number, record] : windowTable())
        if (record.kind == WindowKind::Document && record.frame && record.frame->isVisible()) return true;
    return false;
}

void placeHost(MenuHostWindow& host) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    host.move(area.left() + std::max(0, (area.width() - host.width()) / 2), area.top() + area.height() / 4);
}

}  // namespace

WindowHandler defaultWindowHandler() { return gDefaultWindowHandler; }
ControlHandler defaultControlHandler() { return gDefaultControlHandler; }

void scheduleMenuHostUpdate() {
    if (gUpdatePending || gHostTitle.isEmpty()) return;
    gUpdatePending = true;
    QTimer::singleShot(0, [] {
        if (gUpdatePending) updateMenuHost();
    });
}

void updateMenuHost() {
    gUpdatePending = false;
    if (gHostTitle.isEmpty() || anyDocumentVisible()) {
        if (gHost) gHost->hide();
        return;
    }
    if (!gHost) {
        gHost = new MenuHostWindow();
        QList<QMenu*> menus;
        for (const QPointer<QMenu>& menu : gHostMenus)
            if (menu) menus.append(menu.data());
        gHost->setMenus(menus);
        placeHost(*gHost);
    }
    gHost->setWindowTitle(gHostTitle);
    if (!gHost->isVisible()) {
        gHost->show();
        gHost->raise();
        bringForward(gHost);
    }
}

QWidget* menuHostWidget() { return gHost.data(); }

void setMenuHostMenus(const QList<QMenu*>& menus) {
    gHostMenus.clear();
    for (QMenu* menu : menus) gHostMenus.append(menu);
    if (gHost) gHost->setMenus(menus);
}

void deliverQuitCommand() {
    if (gQuitMenu == 0 && gQuitItem == 0) return;
    // Past the menus' enabled states: quitting is always possible.
    deliverCommand(gQuitMenu, gQuitItem);
}

void resetMenuHost() {
    gHostTitle.clear();
    gUpdatePending = false;
    if (gHost) {
        gHost->hide();
        gHost->bar()->clear();
        gHost->deleteLater();
    }
    gHost.clear();
    gHostMenus.clear();
    gDefaultWindowHandler = nullptr;
    gDefaultControlHandler = nullptr;
    gQuitMenu = 0;
    gQuitItem = 0;
}

}  // namespace qt

using namespace qt;

void setDefaultHandlers(WindowHandler windowHandler, ControlHandler controlHandler) {
    gDefaultWindowHandler = windowHandler;
    gDefaultControlHandler = controlHandler;
}

void setMenuHost(std::string_view title) {
    gHostTitle = fromMacRoman(title);
    updateMenuHost();
}

bool isMenuHostVisible() { return gHost && gHost->isVisible(); }

void setQuitCommand(MenuNumber menu, int32_t item) {
    gQuitMenu = menu;
    gQuitItem = item;
    // Logging out of the desktop asks the program to quit as its own Quit does.
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (app != nullptr && gWatchedSession != app) {
        QObject::connect(app, &QGuiApplication::commitDataRequest, app, [](QSessionManager&) { deliverQuitCommand(); });
        gWatchedSession = app;
    }
}

}  // namespace quendal::platform
