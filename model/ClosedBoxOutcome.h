// The outcome of the closed-box alignment, CBAlartFlag, by name.
//
// The flag is one byte: the "too large" outcome is the byte's -1, that is
// 255. Every place that sets or compares the flag uses these names, so that
// the alignment, the alerts and the custom palette agree on one value.
#pragma once

#include <cstdint>

namespace quendal {

inline constexpr uint8_t kCBAlartRealisable = 1;    // the wanted Qtc can be built (also the resting value)
inline constexpr uint8_t kCBAlartQtcTooSmall = 0;   // the wanted Qtc is below the smallest realisable one
inline constexpr uint8_t kCBAlartQtcTooLarge = 255; // the wanted Qtc is at or above Qa, or above 5

// True for the two outcomes that raise the Qtc alert.
inline constexpr bool closedBoxAlignmentFailed(uint8_t flag) {
    return flag == kCBAlartQtcTooSmall || flag == kCBAlartQtcTooLarge;
}

}  // namespace quendal
