// The design as applied.
//
// The connection sheet writes what the user picks into SpConNum before the
// user applies it, keeping the connection in use in SpConNumBak while it
// takes picks (SpConSel 1); the Vent Design sheet sets the redraw mode to
// redraw only while it stands, keeping the design's own in ReDispWndBak
// (VentSheetFlag 1). Whatever computes, writes or compares the
// design takes it as applied: what a sheet shows but has not applied is no
// part of it, so a sheet opened and cancelled changes nothing of the design.
#pragma once

#include <cstdint>

#include "model/State.h"

namespace quendal {

// The connection in force: while the connection sheet takes picks, the one
// in use when it opened; otherwise SpConNum.
int32_t appliedConnection(const SpeakerConnection& connection);

// `design` as applied: the connection in force with no sheet taking picks
// (SpConSel 0), and the redraw mode the Vent Design sheet's Cancel would
// put back while the sheet stands. Every other value as it is.
ProgramState appliedDesign(const ProgramState& design);

}  // namespace quendal
