// Routines of other rooms that the vent design calls and that are not in
// this tree yet; each line names what replaces it.
#pragma once

#include <cstdint>

namespace quendal {

// Rounds the six vent dimensions of each vent to 0.01 mm; replaced by the
// parameter passes (app/ParameterPasses).
int32_t ValueRoundVentParameters();

// Declared the same way, with their empty bodies, in windows/Pending:
void NavUserActionCancelMenu();  // replaced by the shell's menu states (app/)
void ReDispResposeWnd();         // replaced by the response redraw (view/)
void EnableCustomPalet();        // replaced by the custom palette (palette/)

}  // namespace quendal
