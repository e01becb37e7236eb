// Dimming the custom palette while a sheet or a modal window stands over
// the design, and enabling it again when that window closes. Both switch
// only the enabled state of the palette's existing controls: nothing is
// created or removed, no value or text changes. Callers run them only
// while the palette is shown (CtmPaletFlag 0).
#pragma once

#include <cstdint>

namespace quendal {

// Enables the palette's controls for the current system and alignment:
// the entry fields of the alignment and then "Calc." when there is one;
// the speaker-select arrow (with or without a driver database); the
// passive-radiator count only while radiator data are applied (PRUseFlag
// 1), which for the Passive Raveza also enables "Calc.". The palette
// becomes the front window.
int32_t EnableCustomPalet();

// Dims every control of the palette that EnableCustomPalet enables, and
// "Calc.". The window in front is left as it is.
int32_t DisableCustomPalet();

// Whether the palette's design waits behind System Select or Speaker
// Select: its palette then stays dimmed, whatever redraws it, until the
// design is given back.
bool paletteDesignWaits();

}  // namespace quendal
