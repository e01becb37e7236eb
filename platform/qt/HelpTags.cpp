// Help tags as tool tips: the short text, the expanded text while Command
// (Ctrl) is held as the tag appears, and the side of the control the tag
// stands on.
#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QToolTip>

#include "platform/HelpTag.h"
#include "platform/qt/MacRoman.h"
#include "platform/qt/Registry.h"

namespace quendal::platform {

namespace qt {

namespace {

// The toolkit's tool-tip window while it is shown.
QWidget* shownToolTip() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->inherits("QTipLabel")) return w;
    return nullptr;
}

class HelpTagWatcher : public QObject {
public:
    HelpTagWatcher(WindowNumber window, ControlNumber control, QObject* parent)
        : QObject(parent), window_(window), control_(control) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ToolTip) return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        const ControlRecord* record = findControl(window_, control_);
        if (widget == nullptr || record == nullptr || record->widget != widget) return false;
        const HelpTag& tag = record->tag;
        const bool expanded = QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier);
        QString text = fromMacRoman(expanded ? tag.expanded : tag.text);
        text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        if (text.isEmpty()) {
            QToolTip::hideText();
            return true;
        }
        auto* help = static_cast<QHelpEvent*>(event);
        QToolTip::showText(help->globalPos(), text, widget);
        if (QWidget* tip = shownToolTip()) {
            const QRect r(widget->mapToGlobal(QPoint(0, 0)), widget->size());
            const Rect16 control{int16_t(r.top()), int16_t(r.left()), int16_t(r.top() + r.height()),
                                 int16_t(r.left() + r.width())};
            if (const auto corner = helpTagCorner(tag.side, control, tip->width(), tip->height()))
                tip->move(corner->left, corner->top);
        }
        return true;
    }

private:
    WindowNumber window_;
    ControlNumber control_;
};

}  // namespace

}  // namespace qt

using namespace qt;

void setHelpTag(WindowNumber window, ControlNumber control, std::string_view helpText) {
    ControlRecord* record = findControl(window, control);
    if (record == nullptr) return;
    record->tag = parseHelpTag(helpText);
    QWidget* widget = record->widget;
    widget->setToolTip(fromMacRoman(record->tag.text));
    static const char* const kWatched = "quendalHelpTagWatched";
    if (!widget->property(kWatched).toBool()) {
        widget->installEventFilter(new HelpTagWatcher(window, control, widget));
        widget->setProperty(kWatched, true);
    }
}

std::string helpTag(WindowNumber window, ControlNumber control) {
    ControlRecord* record = findControl(window, control);
    return record != nullptr ? record->tag.text : std::string();
}

HelpTag helpTagOf(WindowNumber window, ControlNumber control) {
    ControlRecord* record = findControl(window, control);
    return record != nullptr ? record->tag : HelpTag{};
}

}  // namespace quendal::platform
