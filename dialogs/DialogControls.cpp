#include "dialogs/DialogControls.h"

#include <cmath>
#include <string>

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

TypedNumber fieldNumber(int32_t window, platform::ControlNumber field, FieldUnit unit) {
    return readTypedNumber(platform::numberFieldText(window, field), unit);
}

bool readNumberAtLeast(int32_t window, platform::ControlNumber field, FieldUnit unit, double minimum, double& value) {
    const TypedNumber typed = fieldNumber(window, field, unit);
    value = typed.value;
    return typed.number() && std::isfinite(value) && value >= minimum;
}

void refuseTooSmall(int32_t window, platform::ControlNumber field, std::string_view name, std::string_view unit,
                    std::string_view why, FieldUnit fieldUnit) {
    const std::string text = platform::numberFieldText(window, field);
    ShowSheetAlert(window, refusedEntryTitle(text, fieldUnit), leastValueMessage(text, name, unit, why, fieldUnit));
    platform::setKeyboardFocus(window, field);
}

std::optional<SetupValues> readSetupSheet(int32_t window, platform::ControlNumber powerField,
                                          platform::ControlNumber thicknessField, bool takePower, bool vented,
                                          void (*andThen)()) {
    double power = 0.0, thickness = 0.0;
    if (takePower && !readNumberAtLeast(window, powerField, FieldUnit::Watt, kMinimumInputPower, power)) {
        refuseTooSmall(window, powerField, "The input power", "Watts", "The input power must be at least 0.4 Watts.",
                       FieldUnit::Watt);
        return std::nullopt;
    }
    if (vented && !readNumberAtLeast(window, thicknessField, FieldUnit::Millimetre, kMinimumPortThickness, thickness)) {
        refuseTooSmall(window, thicknessField, "The port thickness", "mm", "The port thickness must be at least 3 mm.",
                       FieldUnit::Millimetre);
        return std::nullopt;
    }
    // The design these values start or change must be one the program may
    // hold (vents too vast to be numbers are not): otherwise the sheet
    // stays, naming the value, and everything as it was.
    const SetupValues values{takePower ? std::optional<double>(power) : std::nullopt,
                             vented ? std::optional<double>(thickness) : std::nullopt};
    const std::string powerText = platform::controlText(window, powerField);
    const std::string thicknessText = platform::controlText(window, thicknessField);
    bool powerNamed = false;
    if (const std::string why = setupRefusal(values, {powerText, thicknessText}, powerNamed, andThen); !why.empty()) {
        ShowSheetAlert(window, kValueTooLargeAlert, why);
        platform::setKeyboardFocus(window, powerNamed ? powerField : thicknessField);
        return std::nullopt;
    }
    return values;
}

}  // namespace quendal
