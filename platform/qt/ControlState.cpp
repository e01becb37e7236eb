// Reading and writing a control's value, range, text and picture, kind by kind.
#include <algorithm>

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabBar>
#include <QToolButton>

#include "platform/qt/ControlWidgets.h"
#include "platform/qt/MacRoman.h"
#include "platform/qt/Registry.h"
#include "platform/qt/Pictures.h"

namespace quendal::platform::qt {

int32_t readValue(const ControlRecord& record) {
    switch (record.kind) {
        case ControlKind::CheckBox:
            if (auto* box = part<QCheckBox>(record)) return box->isChecked() ? 1 : 0;
            break;
        case ControlKind::DisclosureTriangle:
            if (auto* button = part<QToolButton>(record)) return button->isChecked() ? 1 : 0;
            break;
        case ControlKind::RadioGroup:
            if (auto* group = part<QButtonGroup>(record)) return std::max(0, group->checkedId());
            break;
        case ControlKind::Tab:
            if (auto* bar = part<QTabBar>(record)) return bar->currentIndex() + 1;
            break;
        case ControlKind::Slider:
            if (auto* slider = part<QSlider>(record)) return slider->value();
            break;
        case ControlKind::PopupButton:
            if (auto* combo = part<QComboBox>(record)) return combo->currentIndex() + 1;
            break;
        default: break;
    }
    return record.value;
}

void writeValue(ControlRecord& record, int32_t value) {
    value = std::clamp(value, readMinimum(record), std::max(readMinimum(record), readMaximum(record)));
    switch (record.kind) {
        case ControlKind::CheckBox:
            if (auto* box = part<QCheckBox>(record)) {
                const QSignalBlocker quiet(box);
                box->setChecked(value != 0);
            }
            break;
        case ControlKind::DisclosureTriangle:
            if (auto* button = part<QToolButton>(record)) {
                button->setChecked(value != 0);  // the arrow follows; no hit is sent for it
            }
            break;
        case ControlKind::RadioGroup:
            if (auto* group = part<QButtonGroup>(record)) {
                if (QAbstractButton* chosen = group->button(value)) {
                    chosen->setChecked(true);
                } else if (QAbstractButton* current = group->checkedButton()) {
                    group->setExclusive(false);
                    current->setChecked(false);
                    group->setExclusive(true);
                }
            }
            break;
        case ControlKind::Tab:
            if (auto* bar = part<QTabBar>(record)) {
                const QSignalBlocker quiet(bar);
                bar->setCurrentIndex(value - 1);
            }
            break;
        case ControlKind::Slider:
            if (auto* slider = part<QSlider>(record)) {
                const QSignalBlocker quiet(slider);
                slider->setValue(value);
            }
            break;
        case ControlKind::PopupButton:
            if (auto* combo = part<QComboBox>(record)) {
                const QSignalBlocker quiet(combo);
                combo->setCurrentIndex(value - 1);
            }
            break;
        default: break;
    }
    record.value = value;
}

int32_t readMinimum(const ControlRecord& record) {
    switch (record.kind) {
        case ControlKind::CheckBox:
        case ControlKind::DisclosureTriangle:
        case ControlKind::RadioGroup: return 0;
        case ControlKind::Tab:
        case ControlKind::PopupButton: return 1;
        case ControlKind::Slider:
            if (auto* slider = part<QSlider>(record)) return slider->minimum();
            break;
        default: break;
    }
    return record.minimum;
}

int32_t readMaximum(const ControlRecord& record) {
    switch (record.kind) {
        case ControlKind::CheckBox:
        case ControlKind::DisclosureTriangle: return 1;
        case ControlKind::RadioGroup: return record.maximum;
        case ControlKind::Tab:
            if (auto* bar = part<QTabBar>(record)) return bar->count();
            break;
        case ControlKind::PopupButton:
            if (auto* combo = part<QComboBox>(record)) return combo->count();
            break;
        case ControlKind::Slider:
            if (auto* slider = part<QSlider>(record)) return slider->maximum();
            break;
        default: break;
    }
    return record.maximum;
}

void writeRange(ControlRecord& record, int32_t minimum, int32_t maximum) {
    maximum = std::max(minimum, maximum);
    if (record.kind == ControlKind::Slider) {
        if (auto* slider = part<QSlider>(record)) {
            const QSignalBlocker quiet(slider);
            slider->setRange(minimum, maximum);
        }
    }
    record.minimum = minimum;
    record.maximum = maximum;
    record.value = std::clamp(record.value, minimum, maximum);
}

std::string readText(const ControlRecord& record) {
    switch (record.kind) {
        case ControlKind::EditText:
            if (auto* edit = part<QLineEdit>(record)) return toMacRoman(edit->text());
            break;
        case ControlKind::PopupButton:
            if (auto* combo = part<QComboBox>(record)) return toMacRoman(combo->currentText());
            break;
        default: break;
    }
    return record.title;
}

void writeText(ControlRecord& record, std::string_view text) {
    record.title = std::string(text);
    QWidget* widget = record.widget;
    if (widget == nullptr) return;
    switch (record.kind) {
        case ControlKind::PushButton:
            static_cast<QAbstractButton*>(widget)->setText(buttonText(text, record.mnemonic));
            break;
        case ControlKind::CheckBox:
            static_cast<QAbstractButton*>(widget)->setText(titleFromMacRoman(text));
            break;
        case ControlKind::BevelButton:
        case ControlKind::DisclosureTriangle:
            static_cast<QToolButton*>(widget)->setText(titleFromMacRoman(text));
            break;
        case ControlKind::GroupBox: static_cast<QGroupBox*>(widget)->setTitle(titleFromMacRoman(text)); break;
        case ControlKind::StaticText: static_cast<QLabel*>(widget)->setText(fromMacRoman(text)); break;
        case ControlKind::EditText: {
            auto* edit = static_cast<QLineEdit*>(widget);
            edit->setText(fromMacRoman(text));
            // A field with the keyboard holds its new text selected, so that
            // typing replaces it, as when the keyboard is given to it.
            if (edit->window()->focusWidget() == edit)
                edit->selectAll();
            else
                edit->setCursorPosition(0);
            break;
        }
        case ControlKind::PopupButton:
            if (auto* label = widget->findChild<QLabel*>()) label->setText(fromMacRoman(text));
            break;
        default: break;
    }
}

namespace {

constexpr const char* kGlyphPathProperty = "quendalGlyphPicture";

// The button's picture as the icon for its face and text colours: an arrow
// stays readable on a dark style's face.
void setGlyph(QToolButton* button, const QString& path, QSize iconSize) {
    const QPalette& colours = button->palette();
    button->setIcon(glyphIcon(path, iconSize, button->devicePixelRatioF(), colours.color(QPalette::Button),
                              colours.color(QPalette::ButtonText)));
}

// Draws a bevel button's picture again when the style's colours change.
class GlyphColours : public QObject {
public:
    explicit GlyphColours(QToolButton* button) : QObject(button) { button->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::PaletteChange) {
            auto* button = static_cast<QToolButton*>(watched);
            const QString path = button->property(kGlyphPathProperty).toString();
            if (!path.isEmpty() && !button->icon().isNull()) setGlyph(button, path, button->iconSize());
        }
        return false;
    }
};

}  // namespace

bool writeImage(ControlRecord& record, std::string_view file, std::string_view folder) {
    const QString path = picturePathOf(file, folder);
    QWidget* widget = record.widget;
    if (widget == nullptr) return false;
    if (record.kind == ControlKind::ImageView) return showPictureInLabel(static_cast<QLabel*>(widget), path);
    if (record.kind == ControlKind::BevelButton) {
        auto* button = static_cast<QToolButton*>(widget);
        const QSize own = pictureSize(path);
        if (own.isEmpty()) {
            button->setIcon(QIcon());
            button->setToolButtonStyle(Qt::ToolButtonTextOnly);
            return false;
        }
        // The picture as large as the button leaves room for, drawn at that
        // size and the screen's resolution.
        const QSize room = button->size() - QSize(6, 6);
        const QSize iconSize = own.scaled(room.expandedTo(QSize(1, 1)), Qt::KeepAspectRatio);
        button->setIconSize(iconSize);
        if (button->property(kGlyphPathProperty).isNull()) new GlyphColours(button);
        button->setProperty(kGlyphPathProperty, path);
        setGlyph(button, path, iconSize);
        button->setToolButtonStyle(button->text().isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextUnderIcon);
        return true;
    }
    return false;
}

}  // namespace quendal::platform::qt
