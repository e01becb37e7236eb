// The options kept in the preferences, as the program uses them.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "model/SharedTypes.h"
#include "model/Str255.h"

namespace quendal {

struct PreferenceOptions {
    int32_t FastOpenFlag = 1;       // 1: windows open at their default places
    int32_t BoundsCheck = 0;        // remember window places
    int32_t SoundCheck = 1;
    int32_t SystemCheck = 1;
    int32_t PrintDateCheck = 1;
    int32_t UpdateForCheck = 1;
    int32_t InitSetupCheck = 1;
    int32_t PrintParamCheck = 1;
    int32_t MagniCheck = 0;
    // Whether new designs' input power follows the driver's rated power, as
    // the user set it; each design keeps its own choice (InputPowerSettings),
    // a document's with it.
    int32_t InputPowerCheck = 1;
    // The two options the design on the screen depends on, as the
    // Preferences window opened with them: closing the window changes the
    // design only when one of them changed.
    int32_t InputPowerCheckOpened = 1;
    int32_t MagniOpened = 0;
    Str255 ApplicationID;           // whose preferences these are; empty until first needed
    // The values as last read or written, key by key in the file's order
    // (integer, double or text): a preference that differs from its value
    // here has changed since and is written. Empty until they are read.
    std::vector<std::variant<int32_t, double, std::string>> Written;
};

}  // namespace quendal
