// Control events: one dispatch on the window number and the control number
// for every control of the program. A hit runs the control's action; the
// pointer entering or leaving an edit field or a legend picture sets the
// cursor.
#pragma once

#include <cstdint>

#include "platform/Platform.h"

namespace quendal {

// kHandled when a row acted on the event, kEventNotHandled otherwise (the
// control's own behaviour goes on).
int32_t ControlHitHandler(const platform::ControlEvent& event, int32_t controlNumber);
// Installs ControlHitHandler on the control of the current output window.
// Every control gets it by default; rooms need not call this.
int32_t InstallControlHandler(int32_t controlNumber);

}  // namespace quendal
