// The options kept in the preferences, as the program uses them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "model/SharedTypes.h"
#include "model/Str255.h"

namespace quendal {

// What the preferences file holds, as plain values: comparing two tells a
// change without writing a text (every handled event compares).
struct StoredPreferences {
    using Corners = std::array<int16_t, 4>;  // top, left, bottom, right
    Corners RespWndBounds{}, CstmWndBounds{}, InfoWndBounds{}, SysSelWndBounds{}, PrefeBounds{};
    int32_t BoundsCheck = 0, SoundCheck = 0, SystemCheck = 0, SysSelTabNum = 0, SysSelBtnNum = 0;
    int32_t PrintDateCheck = 0, UpdateForCheck = 0, InitSetupCheck = 0;
    double InputPower = 0.0, PortThickness = 0.0;
    int32_t PrintParamCheck = 0, InputPowerCheck = 0, MagniCheck = 0;
    bool operator==(const StoredPreferences&) const = default;
};

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
    // The values as last read or written: a preference that differs from
    // its value here has changed since and is written. None until read.
    std::optional<StoredPreferences> Written;
};

}  // namespace quendal
