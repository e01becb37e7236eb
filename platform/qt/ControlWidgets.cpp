#include "platform/qt/ControlWidgets.h"

#include <algorithm>
#include <cmath>

#include <QBoxLayout>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTabBar>
#include <QToolButton>

#include "platform/qt/Fonts.h"
#include "platform/qt/MacRoman.h"
#include "platform/qt/Registry.h"

namespace quendal::platform::qt {

namespace {

// Pointer entering and leaving a control, and clicks on the kinds that
// have no click signal of their own (edit texts, pictures).
class ControlWatcher : public QObject {
public:
    ControlWatcher(WindowNumber window, ControlNumber control, bool clicks, bool onPress, QObject* parent)
        : QObject(parent), window_(window), control_(control), clicks_(clicks), onPress_(onPress) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::Enter: dispatchControlEvent(window_, control_, ControlEventKind::TrackingEntered); break;
            case QEvent::Leave: dispatchControlEvent(window_, control_, ControlEventKind::TrackingExited); break;
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease: {
                if ((event->type() == QEvent::MouseButtonPress) != onPress_) break;
                auto* me = static_cast<QMouseEvent*>(event);
                auto* widget = qobject_cast<QWidget*>(watched);
                if (clicks_ && widget != nullptr && widget->isEnabled() && me->button() == Qt::LeftButton &&
                    widget->rect().contains(me->position().toPoint()))
                    dispatchControlEvent(window_, control_, ControlEventKind::Hit);
                break;
            }
            default: break;
        }
        return false;
    }

private:
    WindowNumber window_;
    ControlNumber control_;
    bool clicks_;
    bool onPress_;  // report the press itself, not a release over the control
};

// A tab control: the tabs centred across the top edge of a framed pane
// that the tab's controls are embedded in.
class TabControl : public QWidget {
public:
    explicit TabControl(QWidget* parent) : QWidget(parent), pane_(new QFrame(this)), bar_(new QTabBar(this)) {
        pane_->setFrameShape(QFrame::StyledPanel);
        bar_->setDrawBase(false);
        bar_->setExpanding(false);
        setFocusProxy(bar_);  // the keyboard given to the control goes to its tabs
    }
    QTabBar* bar() const { return bar_; }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        const QSize hint = bar_->sizeHint();
        const int w = std::min(hint.width(), width());
        bar_->setGeometry((width() - w) / 2, 0, w, hint.height());
        pane_->setGeometry(0, hint.height() / 2, width(), std::max(0, height() - hint.height() / 2));
        pane_->lower();
    }

private:
    QFrame* pane_;
    QTabBar* bar_;
};

void hit(WindowNumber window, ControlNumber control) {
    dispatchControlEvent(window, control, ControlEventKind::Hit);
}

void applyStyle(QWidget* widget, const TextStyle& style) {
    if (!style.family.empty() || style.size > 0.0 || style.bold) {
        QFont font = style.family.empty() ? widget->font() : fontForName(style.family, style.bold);
        font.setBold(font.bold() || style.bold);
        if (style.size > 0.0) font.setPixelSize(std::max(1, int(std::lround(style.size))));
        widget->setFont(font);
    }
    if (style.coloured) {
        QPalette palette = widget->palette();
        const QColor colour = QColor::fromRgbF(float(std::clamp(style.colour.red, 0.0, 1.0)),
                                               float(std::clamp(style.colour.green, 0.0, 1.0)),
                                               float(std::clamp(style.colour.blue, 0.0, 1.0)));
        palette.setColor(QPalette::WindowText, colour);
        palette.setColor(QPalette::Text, colour);
        palette.setColor(QPalette::ButtonText, colour);
        widget->setPalette(palette);
    }
}

// How far an edit text's widget reaches beyond the area its text is laid
// out in: the frame, and the margins the line edit keeps inside it (two
// pixels at the sides; one above and below, which the text margins take
// here so that the text is clipped to exactly the area).
QMargins frameAroundTextArea(QLineEdit* edit) {
    constexpr int kSideMargin = 2;  // px, the line edit's own margin left and right of its text
    constexpr int kAir = 1;         // px between the text area and the frame, above and below
    const int frame = edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit);
    edit->setTextMargins(0, kAir, 0, kAir);
    return QMargins(frame + kSideMargin, frame + kAir, frame + kSideMargin, frame + kAir);
}

Qt::Alignment alignmentOf(TextAlign align) {
    switch (align) {
        case TextAlign::Centre: return Qt::AlignHCenter;
        case TextAlign::Right: return Qt::AlignRight;
        case TextAlign::Left: break;
    }
    return Qt::AlignLeft;
}

QWidget* makeRadioGroup(WindowNumber window, ControlNumber control, const ControlSpec& desc, QWidget* parent,
                        ControlRecord& record) {
    auto* box = new QWidget(parent);
    // Stacked when the rectangle has room for the buttons one above another.
    const int height = desc.rect.bottom - desc.rect.top;
    const bool stacked = height >= 16 * std::max<int>(1, int(desc.items.size()));
    auto* layout = new QBoxLayout(stacked ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight, box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(stacked ? 2 : 12);
    auto* group = new QButtonGroup(box);
    int id = 1;
    for (const std::string& item : desc.items) {
        auto* button = new QRadioButton(titleFromMacRoman(item), box);
        group->addButton(button, id++);
        layout->addWidget(button);
    }
    layout->addStretch();
    record.minimum = 0;
    record.maximum = int32_t(desc.items.size());
    if (QAbstractButton* chosen = group->button(desc.value)) chosen->setChecked(true);
    QObject::connect(group, &QButtonGroup::idClicked, box, [window, control](int) { hit(window, control); });
    return box;
}

QWidget* makePopup(WindowNumber window, ControlNumber control, const ControlSpec& desc, QWidget* parent) {
    auto* combo = new QComboBox();
    for (int32_t item = 1; item <= menuItemCount(desc.menu); ++item) {
        const std::string text = menuItemText(desc.menu, item);
        if (text == "-")
            combo->insertSeparator(combo->count());
        else
            combo->addItem(fromMacRoman(text));
    }
    if (desc.value >= 1 && desc.value <= combo->count()) combo->setCurrentIndex(desc.value - 1);
    QObject::connect(combo, &QComboBox::activated, combo, [window, control](int) { hit(window, control); });
    if (desc.title.empty()) {
        combo->setParent(parent);
        return combo;
    }
    // A titled popup: its title stands to the left of the menu.
    auto* box = new QWidget(parent);
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(new QLabel(fromMacRoman(desc.title), box));
    layout->addWidget(combo, 1);
    combo->setParent(box);
    return box;
}

// A slider whose thumb goes only where the user puts it: dragged, or
// stepped by the keys of a focused slider. A left click in the track, which
// pages other sliders, leaves the thumb where it is; the button that jumps
// the thumb to the pointer starts a drag from there.
class ThumbSlider : public QSlider {
public:
    using QSlider::QSlider;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        QStyleOptionSlider option;
        initStyleOption(&option);
        const QStyle::SubControl pressed =
            style()->hitTestComplexControl(QStyle::CC_Slider, &option, event->position().toPoint(), this);
        const int jumpButtons = style()->styleHint(QStyle::SH_Slider_AbsoluteSetButtons, &option, this);
        if (pressed != QStyle::SC_SliderHandle && (event->button() & jumpButtons) == 0) {
            event->accept();
            return;
        }
        QSlider::mousePressEvent(event);
    }
};

QWidget* makeSlider(WindowNumber window, ControlNumber control, const ControlSpec& desc, QWidget* parent) {
    const bool vertical = desc.rect.bottom - desc.rect.top > desc.rect.right - desc.rect.left;
    auto* slider = new ThumbSlider(vertical ? Qt::Vertical : Qt::Horizontal, parent);
    slider->setRange(desc.minimum, std::max(desc.minimum, desc.maximum));
    slider->setValue(desc.value);
    // Every move the user makes is the thumb's own.
    QObject::connect(slider, &QSlider::valueChanged, slider, [window, control, slider](int) {
        ControlRecord* record = findControl(window, control);
        if (record == nullptr) return;
        if (record->sliderAction != nullptr) record->sliderAction(window, control, kIndicatorPart);
        if (!slider->isSliderDown()) hit(window, control);  // a key's step is a whole click
    });
    QObject::connect(slider, &QSlider::sliderReleased, slider, [window, control] { hit(window, control); });
    return slider;
}

QWidget* makeDisclosure(WindowNumber window, ControlNumber control, const ControlSpec& desc, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setCheckable(true);
    button->setChecked(desc.value != 0);
    button->setAutoRaise(true);
    button->setArrowType(desc.value != 0 ? Qt::DownArrow : Qt::RightArrow);
    button->setText(titleFromMacRoman(desc.title));
    button->setToolButtonStyle(desc.title.empty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon);
    QObject::connect(button, &QToolButton::toggled, button,
                     [button](bool open) { button->setArrowType(open ? Qt::DownArrow : Qt::RightArrow); });
    QObject::connect(button, &QToolButton::clicked, button, [window, control] { hit(window, control); });
    return button;
}

QWidget* makeBevel(WindowNumber window, ControlNumber control, const ControlSpec& desc, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setText(titleFromMacRoman(desc.title));
    button->setAutoRaise(false);
    if (QMenu* menu = desc.menu != 0 ? menuWidget(desc.menu) : nullptr) {
        // A pop-down command menu: the choice arrives as a menu command.
        button->setMenu(menu);
        button->setPopupMode(QToolButton::InstantPopup);
        QObject::connect(button, &QToolButton::pressed, button, [window, control] { hit(window, control); });
    } else {
        QObject::connect(button, &QToolButton::clicked, button, [window, control] { hit(window, control); });
    }
    return button;
}

}  // namespace

QString buttonText(std::string_view title, char mnemonic) {
    QString text = titleFromMacRoman(title);
    if (mnemonic == 0) return text;
    const QChar letter = QChar::fromLatin1(mnemonic).toLower();
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (text[at] == QLatin1Char('&')) {
            ++at;  // a doubled "&" is the character itself
            continue;
        }
        if (text[at].toLower() == letter) return text.insert(at, QLatin1Char('&'));
    }
    return text;
}

KeyTaker takerOfKey(QWidget* focus, const QKeyEvent& key) {
    if (focus == nullptr || !focus->isVisible() || !focus->isEnabled()) return KeyTaker::Window;
    // Shift and the keypad change nothing; with Ctrl, Alt or Meta the key is a command.
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return KeyTaker::Window;
    switch (key.key()) {
        case Qt::Key_Space:
            if (auto* edit = qobject_cast<QLineEdit*>(focus))
                return edit->isReadOnly() ? KeyTaker::Window : KeyTaker::Control;
            if (qobject_cast<QAbstractButton*>(focus) != nullptr || qobject_cast<QComboBox*>(focus) != nullptr)
                return KeyTaker::Control;
            return KeyTaker::Window;
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            auto* button = qobject_cast<QAbstractButton*>(focus);
            // Radio buttons and check boxes leave Return to the default button.
            if (button == nullptr || qobject_cast<QRadioButton*>(focus) != nullptr ||
                qobject_cast<QCheckBox*>(focus) != nullptr)
                return KeyTaker::Window;
            if (key.type() == QEvent::KeyPress && !key.isAutoRepeat()) button->click();
            return KeyTaker::Pressed;
        }
        default: return KeyTaker::Window;
    }
}

namespace {

// Whether Tab stops at the widget of the window, as the toolkit's own walk
// decides: it takes Tab, stands for itself, and can be used and seen.
bool takesTab(const QWidget* w, const QWidget* window) {
    return (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w->focusProxy() == nullptr && w->isEnabled() &&
           w->isVisibleTo(window) && w->window() == window;
}

}  // namespace

QWidget* defaultButtonFirst(QWidget* window) {
    QWidget* first = nullptr;
    for (QWidget* w = window->nextInFocusChain(); w != nullptr && w != window; w = w->nextInFocusChain()) {
        if (takesTab(w, window)) {
            first = w;
            break;
        }
    }
    if (qobject_cast<QPushButton*>(first) == nullptr && qobject_cast<QToolButton*>(first) == nullptr) return nullptr;
    for (QPushButton* button : window->findChildren<QPushButton*>())
        if (button->isDefault() && button->isEnabled() && button->isVisibleTo(window) && button->window() == window)
            return button;  // not a sheet's over it, which is a child of this window too
    return nullptr;
}

namespace {

// The controls Tab stops at, in the order it reaches them.
QList<QWidget*> tabOrder(QWidget* window) {
    QList<QWidget*> order;
    for (QWidget* w = window->nextInFocusChain(); w != nullptr && w != window; w = w->nextInFocusChain())
        if (takesTab(w, window)) order.append(w);
    qsizetype lastField = -1, byDefault = -1;
    for (qsizetype at = 0; at < order.size(); ++at) {
        if (auto* edit = qobject_cast<QLineEdit*>(order[at]); edit != nullptr && !edit->isReadOnly()) lastField = at;
        if (auto* button = qobject_cast<QPushButton*>(order[at]); button != nullptr && button->isDefault())
            byDefault = at;
    }
    if (lastField >= 0 && byDefault >= 0) order.move(byDefault, byDefault < lastField ? lastField : lastField + 1);
    return order;
}

}  // namespace

bool focusNextInTabOrder(QWidget* window, bool forward) {
    const QList<QWidget*> order = tabOrder(window);
    const qsizetype at = order.indexOf(window->focusWidget());
    if (at < 0) return false;
    QWidget* next = order[(at + (forward ? 1 : order.size() - 1)) % order.size()];
    next->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(next)) edit->selectAll();
    return true;
}

void placeInParentTabOrder(QWidget* widget, QWidget* parent) {
    if (parent == nullptr || widget->focusPolicy() == Qt::NoFocus) return;
    QWidget* window = widget->window();
    QWidget* last = nullptr;  // the parent's last control in the window's chain
    for (QWidget* w = window->nextInFocusChain(); w != nullptr && w != window; w = w->nextInFocusChain())
        if (w != widget && !widget->isAncestorOf(w) && parent->isAncestorOf(w) && w->focusPolicy() != Qt::NoFocus &&
            w->focusProxy() == nullptr)
            last = w;
    if (last != nullptr) QWidget::setTabOrder(last, widget);
}

QWidget* makeControlWidget(WindowNumber window, ControlNumber control, const ControlSpec& desc, QWidget* parent,
                           ControlRecord& record) {
    record.value = desc.value;
    record.minimum = desc.minimum;
    record.maximum = desc.maximum;
    record.title = desc.title;
    record.menu = desc.menu;
    record.mnemonic = desc.mnemonic;

    QWidget* widget = nullptr;
    bool clicks = false;  // hits come from the watcher
    switch (desc.kind) {
        case ControlKind::PushButton: {
            auto* button = new QPushButton(buttonText(desc.title, desc.mnemonic), parent);
            button->setAutoDefault(false);
            button->setDefault(desc.defaultButton);
            QObject::connect(button, &QPushButton::clicked, button, [window, control] { hit(window, control); });
            widget = button;
            break;
        }
        case ControlKind::BevelButton: widget = makeBevel(window, control, desc, parent); break;
        case ControlKind::RadioGroup: widget = makeRadioGroup(window, control, desc, parent, record); break;
        case ControlKind::CheckBox: {
            auto* box = new QCheckBox(titleFromMacRoman(desc.title), parent);
            box->setChecked(desc.value != 0);
            QObject::connect(box, &QCheckBox::clicked, box, [window, control] { hit(window, control); });
            widget = box;
            break;
        }
        case ControlKind::Tab: {
            auto* tabs = new TabControl(parent);
            for (const std::string& item : desc.items) tabs->bar()->addTab(titleFromMacRoman(item));
            if (desc.value >= 1 && desc.value <= tabs->bar()->count()) tabs->bar()->setCurrentIndex(desc.value - 1);
            QObject::connect(tabs->bar(), &QTabBar::currentChanged, tabs, [window, control](int) { hit(window, control); });
            widget = tabs;
            break;
        }
        case ControlKind::Slider: widget = makeSlider(window, control, desc, parent); break;
        case ControlKind::EditText: {
            auto* edit = new QLineEdit(fromMacRoman(desc.title), parent);
            edit->setAlignment(alignmentOf(desc.style.align) | Qt::AlignVCenter);
            edit->setCursorPosition(0);
            if (desc.frameOutside) record.outset = frameAroundTextArea(edit);
            widget = edit;
            clicks = true;
            break;
        }
        case ControlKind::StaticText: {
            auto* label = new QLabel(fromMacRoman(desc.title), parent);
            label->setTextFormat(Qt::PlainText);
            label->setWordWrap(true);
            label->setAlignment(alignmentOf(desc.style.align) | Qt::AlignTop);
            widget = label;
            break;
        }
        case ControlKind::ImageView: {
            auto* label = new QLabel(parent);
            label->setScaledContents(true);
            widget = label;
            clicks = true;
            break;
        }
        case ControlKind::DisclosureTriangle: widget = makeDisclosure(window, control, desc, parent); break;
        case ControlKind::PopupButton: widget = makePopup(window, control, desc, parent); break;
        case ControlKind::GroupBox: widget = new QGroupBox(titleFromMacRoman(desc.title), parent); break;
        case ControlKind::Separator: {
            auto* line = new QFrame(parent);
            const bool across = desc.rect.right - desc.rect.left >= desc.rect.bottom - desc.rect.top;
            line->setFrameShape(across ? QFrame::HLine : QFrame::VLine);
            line->setFrameShadow(QFrame::Sunken);
            widget = line;
            break;
        }
        case ControlKind::UserPane: widget = new QWidget(parent); break;
    }
    widget->setObjectName(QStringLiteral("control-%1").arg(control));
    applyStyle(widget, desc.style);
    widget->installEventFilter(new ControlWatcher(window, control, clicks, desc.hitOnPress, widget));
    return widget;
}

}  // namespace quendal::platform::qt
