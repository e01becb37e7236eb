// What the entry into a design keeps: the pointer position of the last
// mouse event in the picture choosers, and the texts the driver and Qtc
// alerts quote.
#pragma once

#include <cstdint>

#include "model/Str255.h"

namespace quendal {

struct DesignEntryState {
    Str255 s_QTS;                    // QTS to three decimals, as the alerts quote it
    Str255 s_QTC;                    // QTC to three decimals: the possible Qtc of the closed-box alert
    Str255 s_VAS;                    // VAS to three decimals
    // The kind of the alert sheet standing (ShowAlert's kinds; 0 none): only
    // the closed-box Qtc alerts are followed by the palette's nearest box.
    int16_t AlertKindShown = 0;
};

}  // namespace quendal
