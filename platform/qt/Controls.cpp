// Controls by (window number, control number).
#include <algorithm>
#include <vector>

#include <QLineEdit>
#include <QPointer>

#include "platform/qt/ControlWidgets.h"
#include "platform/qt/MacRoman.h"
#include "platform/qt/Registry.h"
#include "platform/qt/WindowFrame.h"

namespace quendal::platform {

namespace qt {

ControlRecord* findControl(WindowNumber window, ControlNumber control) {
    WindowRecord* record = findWindow(window);
    if (record == nullptr) return nullptr;
    const auto it = record->controls.find(control);
    return it != record->controls.end() && it->second.widget ? &it->second : nullptr;
}

QWidget* controlWidget(WindowNumber window, ControlNumber control) {
    ControlRecord* record = findControl(window, control);
    return record != nullptr ? record->widget.data() : nullptr;
}

int32_t dispatchControlEvent(WindowNumber window, ControlNumber control, ControlEventKind kind) {
    ControlRecord* record = findControl(window, control);
    if (record == nullptr || record->handler == nullptr) return kEventNotHandled;
    const ControlHandler handler = record->handler;
    const int32_t userData = record->userData;
    ControlEvent event;
    event.kind = kind;
    event.window = window;
    event.control = control;
    return handler(event, userData);
}

}  // namespace qt

using namespace qt;

namespace {

// Dims, hides or removes the control: when it held its window's keyboard,
// the keyboard stays in the window where the rule puts it, never on the
// control the toolkit would pass it to (the next in the Tab order, a
// Cancel maybe).
template <typename Change>
void whileHoldingKeyboard(QWidget* widget, Change change) {
    QWidget* window = widget->window();
    QWidget* focus = window->focusWidget();
    const bool held = focus != nullptr && (focus == widget || widget->isAncestorOf(focus));
    change();
    if (held && (!widget->isEnabled() || widget->isHidden())) settleWindowKeyboard(window);
}

QRect toQRect(Rect16 r) { return QRect(r.left, r.top, std::max(0, r.right - r.left), std::max(0, r.bottom - r.top)); }

}  // namespace

bool createControl(WindowNumber window, ControlNumber control, const ControlSpec& desc) {
    WindowRecord* windowRecord = findWindow(window);
    if (windowRecord == nullptr) return false;
    if (desc.parent != 0 && (desc.parent == control || findControl(window, desc.parent) == nullptr)) return false;
    removeControl(window, control);
    QWidget* parent = desc.parent != 0 ? controlWidget(window, desc.parent) : windowRecord->frame->content();

    ControlRecord& record = windowRecord->controls[control];
    record = ControlRecord{};
    record.number = control;
    record.kind = desc.kind;
    record.parent = desc.parent;
    QWidget* widget = makeControlWidget(window, control, desc, parent, record);
    record.widget = widget;
    if (desc.parent != 0) placeInParentTabOrder(widget, parent);
    widget->setGeometry(toQRect(desc.rect).marginsAdded(record.outset));
    if (!desc.image.empty()) writeImage(record, desc.image, desc.imageFolder);
    widget->setEnabled(desc.enabled);
    widget->setVisible(desc.visible);
    if (ControlHandler handler = defaultControlHandler()) installControlHandler(window, control, handler, control);
    return true;
}

bool controlExists(WindowNumber window, ControlNumber control) { return findControl(window, control) != nullptr; }

void removeControl(WindowNumber window, ControlNumber control) {
    WindowRecord* windowRecord = findWindow(window);
    if (windowRecord == nullptr) return;
    auto it = windowRecord->controls.find(control);
    if (it == windowRecord->controls.end()) return;
    // The controls embedded in it go with it.
    std::vector<ControlNumber> embedded;
    for (const auto& [number, child] : windowRecord->controls)
        if (child.parent == control && number != control) embedded.push_back(number);
    for (ControlNumber number : embedded) removeControl(window, number);

    it = windowRecord->controls.find(control);
    if (it == windowRecord->controls.end()) return;
    QPointer<QWidget> widget = it->second.widget;
    windowRecord->controls.erase(it);
    if (widget) {
        whileHoldingKeyboard(widget, [&widget] { widget->hide(); });
        widget->deleteLater();  // safe inside the control's own handler
    }
}

int32_t controlValue(WindowNumber window, ControlNumber control) {
    ControlRecord* record = findControl(window, control);
    return record != nullptr ? readValue(*record) : 0;
}

void setControlValue(WindowNumber window, ControlNumber control, int32_t value) {
    if (ControlRecord* record = findControl(window, control)) writeValue(*record, value);
}

int32_t controlMinimum(WindowNumber window, ControlNumber control) {
    ControlRecord* record = findControl(window, control);
    return record != nullptr ? readMinimum(*record) : 0;
}

int32_t controlMaximum(WindowNumber window, ControlNumber control) {
    ControlRecord* record = findControl(window, control);
    return record != nullptr ? readMaximum(*record) : 0;
}

void setControlRange(WindowNumber window, ControlNumber control, int32_t minimum, int32_t maximum) {
    if (ControlRecord* record = findControl(window, control)) writeRange(*record, minimum, maximum);
}

std::string controlText(WindowNumber window, ControlNumber control) {
    ControlRecord* record = findControl(window, control);
    return record != nullptr ? readText(*record) : std::string();
}

std::string numberFieldText(WindowNumber window, ControlNumber control) {
    ControlRecord* record = findControl(window, control);
    if (record == nullptr) return {};
    if (record->kind == ControlKind::EditText)
        if (auto* edit = part<QLineEdit>(*record)) return numberTextToMacRoman(edit->text());
    return readText(*record);
}

std::string typedText(WindowNumber window, ControlNumber control) {
    ControlRecord* record = findControl(window, control);
    if (record == nullptr || record->kind != ControlKind::EditText) return {};
    auto* edit = part<QLineEdit>(*record);
    return edit != nullptr ? composedUtf8(edit->text()) : std::string();
}

void setControlText(WindowNumber window, ControlNumber control, std::string_view text) {
    if (ControlRecord* record = findControl(window, control)) writeText(*record, text);
}

bool isControlEnabled(WindowNumber window, ControlNumber control) {
    QWidget* widget = controlWidget(window, control);
    return widget != nullptr && widget->isEnabledTo(widget->window());
}

void setControlEnabled(WindowNumber window, ControlNumber control, bool enabled) {
    if (QWidget* widget = controlWidget(window, control)) {
        if (enabled)
            widget->setEnabled(true);
        else
            whileHoldingKeyboard(widget, [widget] { widget->setEnabled(false); });
    }
}

bool isControlVisible(WindowNumber window, ControlNumber control) {
    QWidget* widget = controlWidget(window, control);
    return widget != nullptr && !widget->isHidden();
}

void setControlVisible(WindowNumber window, ControlNumber control, bool visible) {
    if (QWidget* widget = controlWidget(window, control))
        whileHoldingKeyboard(widget, [widget, visible] { widget->setVisible(visible); });
}

Rect16 controlBounds(WindowNumber window, ControlNumber control) {
    ControlRecord* record = findControl(window, control);
    if (record == nullptr) return {};
    const QRect g = record->widget->geometry().marginsRemoved(record->outset);
    return {int16_t(g.top()), int16_t(g.left()), int16_t(g.top() + g.height()), int16_t(g.left() + g.width())};
}

void setControlBounds(WindowNumber window, ControlNumber control, Rect16 rect) {
    if (ControlRecord* record = findControl(window, control))
        record->widget->setGeometry(toQRect(rect).marginsAdded(record->outset));
}

bool setControlImage(WindowNumber window, ControlNumber control, std::string_view file, std::string_view folder) {
    ControlRecord* record = findControl(window, control);
    return record != nullptr && writeImage(*record, file, folder);
}

void setKeyboardFocus(WindowNumber window, ControlNumber control) {
    ControlRecord* record = findControl(window, control);
    if (record == nullptr) return;
    QWidget* meant = record->widget;
    while (meant->focusProxy() != nullptr) meant = meant->focusProxy();
    meant->setFocus(Qt::OtherFocusReason);
    // A control dimmed or hidden takes the keyboard once it can: until
    // then the control that keeps it holds it for no one's choice.
    noteKeyboardGiven(meant);
    if (QWidget* focus = meant->window()->focusWidget(); focus != meant) noteKeyboardPassedOn(focus);
    // An entry field given the keyboard holds its whole text selected, as
    // Tab leaves it: what is typed next replaces the text, never joins it.
    if (record->kind == ControlKind::EditText)
        if (auto* edit = part<QLineEdit>(*record)) edit->selectAll();
}

ControlNumber keyboardFocus(WindowNumber window) {
    WindowRecord* record = findWindow(window);
    if (record == nullptr) return 0;
    QWidget* focus = record->frame->focusWidget();
    // The innermost control holding the focus widget.
    for (QWidget* w = focus; w != nullptr && w != record->frame; w = w->parentWidget())
        for (const auto& [number, control] : record->controls)
            if (control.widget == w) return number;
    return 0;
}

int32_t installControlHandler(WindowNumber window, ControlNumber control, ControlHandler handler, int32_t userData) {
    ControlRecord* record = findControl(window, control);
    if (record == nullptr) return -1;
    record->handler = handler;
    record->userData = userData;
    return kHandled;
}

void installSliderAction(WindowNumber window, ControlNumber control, SliderAction action) {
    if (ControlRecord* record = findControl(window, control)) record->sliderAction = action;
}

}  // namespace quendal::platform
