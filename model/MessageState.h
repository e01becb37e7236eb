// Messages between applications and parameter records waiting to be applied.
#pragma once

#include <cstdint>

#include "model/SharedTypes.h"
#include "model/Str255.h"

namespace quendal {

struct MessageState {
    Str255 s_Masg = "null";         // the last message from Orvanel; "null" before any
    // A passive-radiator record waiting to be applied when a design opens:
    Str255 s_MasgPR;                // the last record text from Ostrevane
    Str255 s_DummyPR = "NULL";      // "DUMMY&" while a record waits, "NULL" once applied
};

}  // namespace quendal
