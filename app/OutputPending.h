// Routines of other rooms that printing, the snapshot and the update check
// call before they reach this tree. Each has an empty body in
// OutputPending.cpp until its own room provides it; each line names what
// replaces it. The last two are declared again here (their stand-ins live
// with the shell's) so that this room's files need not include the shell's
// stand-ins.
#pragma once

#include <cstdint>
#include <string_view>

namespace quendal {

std::string_view SetResponseTitle();  // replaced by the response window's page titles (windows/ResponseTitle)
int32_t AmpExplanation();             // replaced by the amplitude legend (view/)
int32_t PwExplanation();              // replaced by the power legend (view/)
int32_t ImpExplanation();             // replaced by the impedance legend (view/)
int32_t DpExplanation();              // replaced by the displacement legend (view/)
int32_t AsExplanation();              // replaced by the air-speed legend (view/)
int32_t VentInfo();                   // replaced by the Vent Information page (vent/)

int32_t NavAskWind(int32_t purpose);  // the save question (design flow, app/)
int32_t QuitMenuSelect(uint8_t notify);  // the quit path (design flow, app/)

}  // namespace quendal
