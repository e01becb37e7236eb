// What the walk under the window manager watches as it goes: the windows
// each key reached, and the files the answered save and snapshot dialogs
// named.
#pragma once

#include <set>
#include <string>
#include <vector>

#include <QApplication>
#include <QDirIterator>
#include <QEvent>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>
#include <QWindow>

#include "platform/qt/WindowFrame.h"

namespace quendal::test {

// A window as the walk reports it: its title, or its kind.
inline std::string windowName(const QWidget* window) {
    if (window == nullptr) return "no window";
    const std::string title = window->windowTitle().remove(QStringLiteral("[*]")).toStdString();
    if (!title.empty()) return "\"" + title + "\"";
    if (window->windowType() == Qt::Popup) {
        const QWidget* owner = window->parentWidget() != nullptr ? window->parentWidget()->window() : nullptr;
        return std::string("an open ") + window->metaObject()->className() + (owner != nullptr ? " over " + windowName(owner) : "");
    }
    return window->metaObject()->className();
}

inline bool isModifier(int key) {
    return key == Qt::Key_Control || key == Qt::Key_Shift || key == Qt::Key_Alt || key == Qt::Key_Meta;
}

// Where a key went down: the window that had the keyboard then. Windows
// are compared, never followed: they may have gone.
struct KeyDown {
    const QWidget* window = nullptr;
    std::string name;
    bool menu = false;  // an open menu
};

// Every key press and release that reaches a control (or a window's own
// handler), with the window it reached and the one it went down in; and
// every file a file dialog was answered with.
class WalkWatch : public QObject {
public:
    struct KeyReached {
        int key = 0;
        bool press = false;
        bool viaMenuBar = false;  // handed to a menu bar by its open menu
        const QWidget* window = nullptr;
        std::string name;  // of the window, while it was there
        KeyDown down;
    };

    // Where the keys of the step go down: each key in the window its press
    // arrives in, or the open list or menu there (a modifier's press may
    // close an open menu first); a key held, where it was pressed first.
    void keysGoDown(bool held) {
        held_ = held;
        firstPress_ = true;
        keys.clear();
    }

    WalkWatch() { QCoreApplication::instance()->installEventFilter(this); }
    ~WalkWatch() override { QCoreApplication::instance()->removeEventFilter(this); }

    std::vector<KeyReached> keys;
    std::set<QString> named;  // absolute paths

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        const bool isKey = type == QEvent::KeyPress || type == QEvent::KeyRelease;
        if (!watched->isWidgetType()) {
            if (!isKey) return false;
            viaMenuBar_ = nullptr;  // a key from the window system reaches its window first
            const auto* key = static_cast<QKeyEvent*>(event);
            // Another key pressed meanwhile (the walk's Escape closing a menu) goes down afresh.
            if (type == QEvent::KeyPress && !isModifier(key->key()) && !key->isAutoRepeat() &&
                (!held_ || firstPress_ || key->key() != heldKey_)) {
                firstPress_ = false;
                heldKey_ = key->key();
                QWidget* window = QApplication::activePopupWidget();
                for (QWidget* top : QApplication::topLevelWidgets())
                    if (window == nullptr && top->windowHandle() == watched) window = top;
                down_ = {window, windowName(window), qobject_cast<QMenu*>(window) != nullptr};
            }
            return false;
        }
        auto* widget = static_cast<QWidget*>(watched);
        if (isKey) {
            // An event a control leaves goes on to its parents, in the same
            // window; one an open menu handed to its menu bar, from there.
            const auto* key = static_cast<QKeyEvent*>(event);
            if (qobject_cast<QMenuBar*>(widget) != nullptr) viaMenuBar_ = event;
            keys.push_back({key->key(), type == QEvent::KeyPress, event == viaMenuBar_, widget->window(),
                            windowName(widget->window()), down_});
        } else if (type == QEvent::Show) {
            if (auto* dialog = qobject_cast<QFileDialog*>(widget); dialog != nullptr && !dialogs_.contains(dialog)) {
                dialogs_.insert(dialog);
                connect(dialog, &QFileDialog::filesSelected, this, [this](const QStringList& files) {
                    for (const QString& file : files) named.insert(QFileInfo(file).absoluteFilePath());
                });
                connect(dialog, &QObject::destroyed, this, [this, dialog] { dialogs_.erase(dialog); });
            }
        }
        return false;
    }

private:
    const QEvent* viaMenuBar_ = nullptr;
    KeyDown down_;
    bool held_ = false, firstPress_ = true;
    int heldKey_ = 0;
    std::set<const QObject*> dialogs_;
};

// The files under a folder, by absolute path.
inline std::set<QString> filesUnder(const QString& folder) {
    std::set<QString> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) files.insert(QFileInfo(it.next()).absoluteFilePath());
    return files;
}

}  // namespace quendal::test
