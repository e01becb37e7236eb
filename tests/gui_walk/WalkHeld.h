// What holds the walk under the window manager inside a step, and the
// step's bound.
//
// A menu a button opens, an alert, or a question a dialog asks of its own
// (the file dialog's "already exists, replace?") runs in an event loop of
// its own: the walk's code waits beneath it and can act no more until it
// has gone. This watch, living in the event loop, acts for the walk as a
// user would once the step's keys and clicks are through: it closes the
// menu by Escape or clicks one of its items, once the menu is on the
// screen, and answers the question by Escape once it holds the keyboard.
// What it did becomes part of the step.
//
// A step that gets no answer within its bound fails with what stood then;
// whatever still holds the walk is closed by code so that the walk can
// report, and a walk still held after that reports from here and ends the
// program: it never hangs.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <set>
#include <string>

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QEvent>
#include <QMenu>
#include <QMessageBox>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include "WalkWatch.h"

namespace quendal::test {

class WalkHeld : public QObject {
public:
    // The walk's keys and clicks through the X server, waited for.
    std::function<void(const QStringList&)> send;
    // An item of the open menu clicked: what was chosen, or "" for none.
    std::function<std::string(QWidget* popup)> chooseIn;
    // The walk so far and its replay line, for a walk that cannot end.
    std::function<std::string()> report;
    // A key is about to be sent by the watch.
    std::function<void()> keySending;

    explicit WalkHeld(int boundMs) : boundMs_(boundMs) {
        QCoreApplication::instance()->installEventFilter(this);
        baseLevel_ = QThread::currentThread()->loopLevel();
        bound_.setSingleShot(true);
        connect(&bound_, &QTimer::timeout, this, [this] { overdue(); });
        stillHeld_.setSingleShot(true);
        connect(&stillHeld_, &QTimer::timeout, this, [this] {
            if (!held()) return;
            ADD_FAILURE() << fault_ << "; the walk is still held after its menus and dialogs were closed, after:"
                          << (report ? report() : std::string());
            std::fflush(nullptr);
            std::_Exit(1);
        });
    }
    ~WalkHeld() override { QCoreApplication::instance()->removeEventFilter(this); }

    // A step begins: its bound runs from now. `chooseItem`: a menu that
    // holds it gets an item clicked, else Escape.
    void beginStep(bool chooseItem = false) {
        fault_.clear();
        notes_.clear();
        answered_.clear();
        chooseItem_ = chooseItem;
        sending_ = 0;
        deadline_ = QDeadlineTimer(boundMs_);
        bound_.start(boundMs_);
    }
    void chooseItem(bool choose) { chooseItem_ = choose; }
    // The step has ended: what the watch did in it ("" nothing).
    std::string endStep() {
        bound_.stop();
        stillHeld_.stop();
        return notes_;
    }
    // What the step's bound leaves for a wait within it, in ms.
    int remainingMs() const { return int(std::max<qint64>(0, deadline_.remainingTime())); }
    const std::string& fault() const { return fault_; }
    // The walk's code waits beneath an event loop of a menu or dialog.
    bool held() const { return QThread::currentThread()->loopLevel() > baseLevel_; }
    void fail(const std::string& fault) {
        if (fault_.empty()) fault_ = fault;
    }

    // A tool of the step sends keys or clicks: nothing is answered until
    // it has ended; `sent` once it has.
    void sending(const QString& what) {
        ++sending_;
        what_ = what.toStdString();
    }
    void sent() {
        if (sending_ > 0) --sending_;
        look();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::Show:
            case QEvent::Expose:
            case QEvent::WindowActivate:
            case QEvent::FocusIn:
                look();
                break;
            case QEvent::Hide:
                answered_.erase(watched);
                break;
            default:
                break;
        }
        return false;
    }

private:

    void look() {
        if (looking_) return;
        looking_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                looking_ = false;
                answer();
            },
            Qt::QueuedConnection);
    }

    void answer() {
        if (!held() || sending_ > 0 || !fault_.empty()) return;
        if (QWidget* popup = QApplication::activePopupWidget()) {
            if (answered_.contains(popup) || !popup->isVisible() || popup->windowHandle() == nullptr ||
                !popup->windowHandle()->isExposed())
                return;
            answered_.insert(popup);
            std::string chosen = chooseItem_ && chooseIn ? chooseIn(popup) : std::string();
            if (chosen.empty()) {
                note("Escape closed " + windowName(popup));
                pressEscape();
            } else {
                note(chosen + " in " + windowName(popup));
            }
            return;
        }
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible() || answered_.contains(modal) || QApplication::activeWindow() != modal)
            return;
        answered_.insert(modal);
        note("Escape answered " + questionName(modal));
        pressEscape();
    }

    void pressEscape() {
        if (keySending) keySending();
        send({"key", "Escape"});
    }

    static std::string questionName(const QWidget* window) {
        if (const auto* box = qobject_cast<const QMessageBox*>(window))
            return "the question \"" + box->text().toStdString() + "\"";
        return windowName(window);
    }

    void note(const std::string& what) { notes_ += (notes_.empty() ? "" : "; ") + what; }

    // The bound has passed: the step fails with what stands, and whatever
    // holds the walk is closed so that it can say so.
    void overdue() {
        std::string standing;
        if (QWidget* popup = QApplication::activePopupWidget()) standing = windowName(popup) + " open";
        if (QWidget* modal = QApplication::activeModalWidget(); modal != nullptr && modal->isVisible())
            standing += (standing.empty() ? "" : ", ") + questionName(modal) + " standing";
        fail("no answer within " + std::to_string(boundMs_ / 1000) + " s" + (what_.empty() ? "" : " to xdotool " + what_) +
             (standing.empty() ? "" : ", " + standing) + ", the keyboard in " + windowName(QApplication::activeWindow()) +
             (held() ? ", the walk held beneath it" : ""));
        if (!held()) return;
        for (int i = 0; i < 20 && QApplication::activePopupWidget() != nullptr; ++i) QApplication::activePopupWidget()->close();
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && window->isModal()) {
                if (auto* dialog = qobject_cast<QDialog*>(window))
                    dialog->reject();
                else
                    window->close();
            }
        stillHeld_.start(boundMs_);
    }

    int boundMs_;
    int baseLevel_ = 0;
    QTimer bound_, stillHeld_;
    QDeadlineTimer deadline_;
    std::string fault_, notes_, what_;
    std::set<const QObject*> answered_;
    bool chooseItem_ = false, looking_ = false;
    int sending_ = 0;
};

}  // namespace quendal::test
