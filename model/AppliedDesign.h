// The design as applied.
//
// Two sheets write what the user picks into the design's own values before
// the user applies it: the connection sheet its pick into SpConNum, keeping
// the connection in use in SpConNumBak while it takes picks (SpConSel 1);
// the passive-radiator sheet a unit pasted or received into the received
// values (the Org values), keeping the radiator as it was in
// state.radiatorSheet. Whatever computes, writes or compares the design
// takes it as applied: what a sheet shows but has not applied is no part
// of it, so a sheet opened and cancelled changes nothing of the design.
#pragma once

#include <cstdint>

#include "model/State.h"

namespace quendal {

// The connection in force: while the connection sheet takes picks, the one
// in use when it opened; otherwise SpConNum.
int32_t appliedConnection(const SpeakerConnection& connection);

// `design` as applied: the connection in force with no sheet taking picks
// (SpConSel 0), and the received radiator unit as it was before the
// radiator sheet stood. Every other value as it is.
ProgramState appliedDesign(const ProgramState& design);

// The radiator sheet takes its hold on the received unit as it stands; a
// hold taken already stays (a record shown in a sheet that was opened for
// it is held from before the record).
void holdReceivedRadiator();
// The hold ends: with `putBack` the received unit held comes back (the
// sheet's Cancel), without it the unit the sheet took stays (its Apply).
// Nothing while no hold is taken.
void endReceivedRadiatorHold(bool putBack);

}  // namespace quendal
