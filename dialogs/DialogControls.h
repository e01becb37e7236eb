// What the program's dialogs, sheets and palettes are built from: texts in
// the label font, number fields and push buttons, and reading a number
// typed into a field, refusing it with the alert that says why.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "dialogs/DesignStart.h"
#include "model/SharedTypes.h"
#include "model/TextToNumber.h"
#include "platform/Platform.h"

namespace quendal {

// The label font, "Lucida Grande", at `size` px.
platform::TextStyle labelStyle(double size = 12.0, bool bold = false,
                               platform::TextAlign align = platform::TextAlign::Left);

// A static text of the window in the label font.
void addLabel(int32_t window, platform::ControlNumber id, Rect16 rect, std::string_view text, double size = 12.0,
              bool bold = false);

// An entry field of the window showing `value` as fields show numbers,
// right-aligned in the label font; dimmed when it only shows the value.
void addNumberField(int32_t window, platform::ControlNumber id, Rect16 rect, double value, bool enabled = true);

// A push button of the window with its title at 13 px; the default button
// is the one Return and Enter press.
void addPushButton(int32_t window, platform::ControlNumber id, Rect16 rect, std::string_view title, bool isDefault);

// The number typed into a field of the window that takes `unit`, read as
// every field reads one (readTypedNumber).
TypedNumber fieldNumber(int32_t window, platform::ControlNumber field, FieldUnit unit);

// The number typed into a field of the window in `unit`; true when it is a
// finite number of at least `minimum`.
bool readNumberAtLeast(int32_t window, platform::ControlNumber field, FieldUnit unit, double minimum, double& value);

// Refuses what a field of the sheet holds: the alert on the sheet saying
// why ("too small", or that the text is not a number, is in another unit
// than `fieldUnit` or too large to be read) with the field's message
// (leastValueMessage: `why`, that the `name`d value is in `fieldUnit`, or
// that the `name`d value in `unit` is too large), and the keyboard back in
// the field.
void refuseTooSmall(int32_t window, platform::ControlNumber field, std::string_view name, std::string_view unit,
                    std::string_view why, FieldUnit fieldUnit);

// An Initial Setup sheet's OK: the input power of `powerField` (when
// `takePower`) and the port thickness of `thicknessField` (when the design
// has vents), each refused as refuseTooSmall refuses it below its least
// value, as no number or as too large; then the design they would make
// (setupRefusal, with `andThen` as there) refused naming the value, the
// keyboard in its field. The values to take, or none when refused: the
// alert stands on the sheet and nothing has changed.
std::optional<SetupValues> readSetupSheet(int32_t window, platform::ControlNumber powerField,
                                          platform::ControlNumber thicknessField, bool takePower, bool vented,
                                          void (*andThen)() = nullptr);

}  // namespace quendal
