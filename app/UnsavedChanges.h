// Whether the design shown differs from its document.
//
// When a document is read or written, two snapshots are taken: the box
// values with the radiator, input power, baffle thickness and connections,
// and the vents' selectors and dimensions; with them every other value the
// document stores but the view (the alignment, the loss factors, the
// driver, the vents' forms and lengths, ...). A design no document stands for
// (a new one, an opened stationery) takes them when it is first drawn. After
// a recalculation the design is compared with them; a difference marks it
// changed, bound to a file or not: DirtyFlag 1 and the response window's
// modified mark. Only saving, opening or starting a design clears the mark;
// a comparison never does, so a change undone by hand stays marked until the
// next save.
#pragma once

#include <cstdint>

#include "model/State.h"

namespace quendal {

// Takes the box snapshot (SpParmVarOrigin) of the design in `state`.
int32_t DirtyCheckSpParamIn();
// Takes the vent snapshot (VentParmVarOrigin) of the design in `state`.
int32_t DirtyCheckVentParamIn();
// Takes every value the design stores (StoredOrigin), less the view.
int32_t DirtyCheckStoredIn();
// Compares the box values with their snapshot; marks the design changed
// when one differs (or either is not a number), or when any other value
// the design stores differs from StoredOrigin.
int32_t DirtyCheckSpParamCheck();
// The same for the vents.
int32_t DirtyCheckVentParamCheck();
// Marks the design changed: DirtyFlag 1 and the response window modified.
int32_t DirtyFlagAndProxyIconSetDirty();
// What a drawing of the response window ends with: the first drawing of a
// design that waits for its snapshots (SnapshotAtFirstDrawFlag) takes both,
// any other compares the box values.
int32_t DirtyCheckAfterDrawing();

// The user answered Don't Save about the design's changes as they stand.
void DontSaveAnswered();
// The design's changes are those the user last answered Don't Save about:
// none has been made since that answer.
bool ChangesAnsweredDontSave();

// The snapshots of a given design, as the routines above take them from
// `state`, of the design as applied (a connection picked in the connection
// sheet is not, until Select); the document writer takes them from the
// design as written.
BoxSnapshot boxSnapshotOf(const ProgramState& design);
VentSnapshot ventSnapshotOf(const ProgramState& design);

}  // namespace quendal
