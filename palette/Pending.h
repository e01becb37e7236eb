// Routines of other rooms that the custom palette calls and that are not in
// this tree yet. Their empty bodies stand with the shell's stand-ins
// (app/Placeholders.cpp) until their own rooms provide them. The menu states
// and the response redraw are declared by their own rooms already.
#pragma once

#include <cstdint>


namespace quendal {

int32_t SnapShot();                     // replaced by the snapshot of the response window (app/)

}  // namespace quendal
