#include "platform/qt/FocusMark.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>

namespace quendal::platform::qt {

namespace {

constexpr int kRingWidth = 3;  // px

class FocusMarkStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    // An entry field shows its text selected for typing only while its
    // window has the keyboard: in a window without it, the selection is
    // drawn as plain text, so that no field looks ready for keys that go
    // elsewhere.
    void polish(QWidget* widget) override {
        QProxyStyle::polish(widget);
        if (qobject_cast<QLineEdit*>(widget) == nullptr) return;
        plainSelectionWhileInactive(widget);
        widget->installEventFilter(this);  // and again as its colours change
    }
    void unpolish(QWidget* widget) override {
        if (qobject_cast<QLineEdit*>(widget) != nullptr) widget->removeEventFilter(this);
        QProxyStyle::unpolish(widget);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::PaletteChange && qobject_cast<QLineEdit*>(watched) != nullptr)
            plainSelectionWhileInactive(static_cast<QWidget*>(watched));
        return QProxyStyle::eventFilter(watched, event);
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        QProxyStyle::drawControl(element, option, painter, widget);
        if (!(option->state & State_HasFocus)) return;
        switch (element) {
            case CE_PushButton:
            case CE_TabBarTab: ring(option->rect, option, painter); break;
            // Around the box or circle and its title, not the whole width
            // the control was given.
            case CE_CheckBox:
                ring(around(SE_CheckBoxIndicator, SE_CheckBoxFocusRect, option, widget), option, painter);
                break;
            case CE_RadioButton:
                ring(around(SE_RadioButtonIndicator, SE_RadioButtonFocusRect, option, widget), option, painter);
                break;
            default: break;
        }
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        if (!(option->state & State_HasFocus)) return;
        switch (control) {
            case CC_ComboBox:
            case CC_ToolButton:
            case CC_Slider: ring(option->rect, option, painter); break;
            default: break;
        }
    }

private:
    static void plainSelectionWhileInactive(QWidget* field) {
        QPalette colours = field->palette();
        const QBrush base = colours.brush(QPalette::Inactive, QPalette::Base);
        const QBrush text = colours.brush(QPalette::Inactive, QPalette::Text);
        if (colours.brush(QPalette::Inactive, QPalette::Highlight) == base &&
            colours.brush(QPalette::Inactive, QPalette::HighlightedText) == text)
            return;
        colours.setBrush(QPalette::Inactive, QPalette::Highlight, base);
        colours.setBrush(QPalette::Inactive, QPalette::HighlightedText, text);
        field->setPalette(colours);
    }

    QRect around(SubElement indicator, SubElement title, const QStyleOption* option, const QWidget* widget) const {
        const QRect both = subElementRect(indicator, option, widget) | subElementRect(title, option, widget);
        return both.adjusted(-kRingWidth, -kRingWidth, kRingWidth, kRingWidth) & option->rect;
    }

    // A ring of kRingWidth pixels just inside `rect`.
    static void ring(const QRect& rect, const QStyleOption* option, QPainter* painter) {
        if (rect.width() <= 2 * kRingWidth || rect.height() <= 2 * kRingWidth) return;
        const QColor colour = option->palette.color(QPalette::Active, QPalette::Highlight);
        painter->save();
        painter->fillRect(QRect(rect.left(), rect.top(), rect.width(), kRingWidth), colour);
        painter->fillRect(QRect(rect.left(), rect.bottom() - kRingWidth + 1, rect.width(), kRingWidth), colour);
        painter->fillRect(QRect(rect.left(), rect.top(), kRingWidth, rect.height()), colour);
        painter->fillRect(QRect(rect.right() - kRingWidth + 1, rect.top(), kRingWidth, rect.height()), colour);
        painter->restore();
    }
};

}  // namespace

void installFocusMark() {
    if (dynamic_cast<FocusMarkStyle*>(QApplication::style()) != nullptr) return;
    // Over the style the desktop chose, which goes on drawing the controls.
    QApplication::setStyle(new FocusMarkStyle(QStyleFactory::create(QApplication::style()->name())));
}

}  // namespace quendal::platform::qt
