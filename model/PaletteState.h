// What the custom palette keeps besides the box values: the text forms in
// which it shows them and reads them back, and the state of its Alignment
// button and of the closed-box alert cycle.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "model/Str255.h"

namespace quendal {

struct PaletteState {
    // The text forms of the box and passive-radiator values, as toTextChang
    // writes them and Calc. reads the entry fields into them. The text form
    // of QTC, s_QTC, is kept with the alerts that quote it (DesignEntryState).
    Str255 s_VB, s_VB1, s_VB2, s_VB3;
    Str255 s_FC, s_FC1, s_FC2;
    Str255 s_FB, s_FB1, s_FB2, s_FB3;
    Str255 s_VAP, s_FP, s_QP;

    // The menu the palette's Alignment button pops down (0: no button), so
    // that the button is kept while the system's menu stays the same.
    int32_t alignmentButtonMenu = 0;
    // The system and alignment the value fields were built for (0: none):
    // while they stay, a new value only sets the fields' texts.
    int32_t valueFieldsSystem = 0;
    int32_t valueFieldsAlin = 0;
    // What each entry field (31-36) last showed of the design, or last gave
    // Calc.: a field that reads otherwise holds text the user typed that
    // Calc. has not read yet.
    std::array<std::string, 6> entryTextsShown;
    // 1 while Calc. runs again from the closed-box alert's OK with the Qtc
    // the alert offered: that run accepts the nearest box it can build
    // instead of alerting again.
    uint8_t calcWithOfferedQtc = 0;
};

}  // namespace quendal
