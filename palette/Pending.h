// Routines of other rooms that the custom palette calls and that are not in
// this tree yet. Each has an empty body in Pending.cpp until its own room
// provides it. The menu states (InitMenu13, InitMenu16,
// NavUserActionCancelMenu) and the response redraw (ReDispResposeWnd) that
// the palette calls as well stand empty in windows/Pending.h already, one
// body each.
#pragma once

#include <cstdint>

#include "windows/Pending.h"

namespace quendal {

void BoxParameterBackup();        // replaced by the parameter passes and backups (app/ParameterPasses)
void SnapShot();                  // replaced by the snapshot of the response window (app/)
void NavAskWind(int32_t action);  // replaced by the design flow's save question (app/)
void ChangeToSystemSelect();      // replaced by the design flow (app/)
void ChangeToSpeakerSelect();     // replaced by the design flow (app/)

}  // namespace quendal
