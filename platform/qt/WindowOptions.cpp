// What windows and controls allow beyond their creation: resizing and its
// limits, coming forward without the keyboard, the screens, pointer shapes,
// and controls that follow their parent's size.
#include <algorithm>

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>

#include "platform/qt/Registry.h"
#include "platform/qt/WindowFrame.h"

namespace quendal::platform {

namespace {

using namespace qt;

WindowFrame* frameOf(WindowNumber window) {
    WindowRecord* record = findWindow(window);
    return record != nullptr ? record->frame.data() : nullptr;
}

void applyCursor(QWidget* widget, Cursor cursor) {
    switch (cursor) {
        case Cursor::Arrow: widget->unsetCursor(); break;
        case Cursor::IBeam: widget->setCursor(Qt::IBeamCursor); break;
        case Cursor::PointingHand: widget->setCursor(Qt::PointingHandCursor); break;
    }
}

// Keeps a widget's distances to its parent's edges when the parent resizes.
class EdgeBinding : public QObject {
public:
    EdgeBinding(QWidget* child, QWidget* parent)
        : QObject(child), child_(child),
          margins_(child->x(), child->y(), parent->width() - child->x() - child->width(),
                   parent->height() - child->y() - child->height()) {
        parent->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Resize && child_ && watched == child_->parentWidget()) {
            const QWidget* parent = child_->parentWidget();
            child_->setGeometry(margins_.left(), margins_.top(),
                                std::max(0, parent->width() - margins_.left() - margins_.right()),
                                std::max(0, parent->height() - margins_.top() - margins_.bottom()));
        }
        return false;
    }

private:
    QPointer<QWidget> child_;
    QMargins margins_;
};

}  // namespace

void setWindowResizable(WindowNumber window, bool resizable) {
    if (WindowFrame* frame = frameOf(window)) frame->setResizable(resizable);
}

bool isWindowResizable(WindowNumber window) {
    WindowFrame* frame = frameOf(window);
    return frame != nullptr && frame->resizable();
}

void setWindowSizeLimits(WindowNumber window, int32_t minWidth, int32_t minHeight, int32_t maxWidth,
                         int32_t maxHeight) {
    if (WindowFrame* frame = frameOf(window))
        frame->setContentLimits(QSize(std::max(0, minWidth), std::max(0, minHeight)),
                                QSize(std::max(0, maxWidth), std::max(0, maxHeight)));
}

void raiseWindow(WindowNumber window) {
    WindowFrame* frame = frameOf(window);
    if (frame == nullptr) return;
    if (!frame->isVisible()) {
        frame->setAttribute(Qt::WA_ShowWithoutActivating, true);
        frame->show();
        frame->setAttribute(Qt::WA_ShowWithoutActivating, false);
    }
    frame->raise();
    setCurrentWindow(window);
}

void setWindowCursor(WindowNumber window, Cursor cursor) {
    WindowRecord* record = findWindow(window);
    if (record == nullptr) return;
    record->cursor = cursor;
    applyCursor(record->frame->content(), cursor);
}

void setControlCursor(WindowNumber window, ControlNumber control, Cursor cursor) {
    ControlRecord* record = findControl(window, control);
    if (record == nullptr) return;
    record->cursor = cursor;
    applyCursor(record->widget, cursor);
}

Cursor windowCursor(WindowNumber window) {
    WindowRecord* record = findWindow(window);
    return record != nullptr ? record->cursor : Cursor::Arrow;
}

Cursor controlCursor(WindowNumber window, ControlNumber control) {
    ControlRecord* record = findControl(window, control);
    return record != nullptr ? record->cursor : Cursor::Arrow;
}

void bindControlToParent(WindowNumber window, ControlNumber control) {
    ControlRecord* record = findControl(window, control);
    if (record == nullptr || record->widget->parentWidget() == nullptr) return;
    new EdgeBinding(record->widget, record->widget->parentWidget());
}

}  // namespace quendal::platform
