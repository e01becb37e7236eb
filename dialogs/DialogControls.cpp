#include "dialogs/DialogControls.h"

#include <cmath>

#include "model/TextToNumber.h"
#include "dialogs/Alerts.h"
#include "dialogs/FieldText.h"

namespace quendal {

using platform::ControlKind;
using platform::ControlSpec;

platform::TextStyle labelStyle(double size, bool bold, platform::TextAlign align) {
    platform::TextStyle style;
    style.family = "Lucida Grande";
    style.size = size;
    style.bold = bold;
    style.align = align;
    return style;
}

void addLabel(int32_t window, platform::ControlNumber id, Rect16 rect, std::string_view text, double size, bool bold) {
    ControlSpec desc(ControlKind::StaticText, rect, text);
    desc.style = labelStyle(size, bold);
    platform::createControl(window, id, desc);
}

void addNumberField(int32_t window, platform::ControlNumber id, Rect16 rect, double value, bool enabled) {
    ControlSpec desc(ControlKind::EditText, rect, fieldText(value));
    desc.style = labelStyle(12.0, false, platform::TextAlign::Right);
    desc.enabled = enabled;
    platform::createControl(window, id, desc);
}

void addPushButton(int32_t window, platform::ControlNumber id, Rect16 rect, std::string_view title, bool isDefault) {
    ControlSpec desc(ControlKind::PushButton, rect, title);
    desc.style = labelStyle(13.0);
    desc.defaultButton = isDefault;
    platform::createControl(window, id, desc);
}

TypedNumber fieldNumber(int32_t window, platform::ControlNumber field) {
    return readTypedNumber(platform::controlText(window, field));
}

bool readNumberAtLeast(int32_t window, platform::ControlNumber field, double minimum, double& value) {
    const TypedNumber typed = fieldNumber(window, field);
    value = typed.value;
    return typed.number() && std::isfinite(value) && value >= minimum;
}

void refuseTooSmall(int32_t window, platform::ControlNumber field, std::string_view name, std::string_view unit,
                    std::string_view why) {
    const std::string text = platform::controlText(window, field);
    ShowSheetAlert(window, refusedEntryTitle(text), leastValueMessage(text, name, unit, why));
    platform::setKeyboardFocus(window, field);
}

}  // namespace quendal
