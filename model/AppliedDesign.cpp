#include "model/AppliedDesign.h"

namespace quendal {

int32_t appliedConnection(const SpeakerConnection& connection) {
    return connection.SpConSel == 1 ? connection.SpConNumBak : connection.SpConNum;
}

ProgramState appliedDesign(const ProgramState& design) {
    ProgramState applied = design;
    applied.connection.SpConNum = appliedConnection(design.connection);
    applied.connection.SpConSel = 0;
    // While the Vent Design sheet stands the window only redraws; the
    // design's own redraw mode is the one the sheet's Cancel puts back.
    if (design.shell.VentSheetFlag == 1) {
        applied.view.ReDispWnd = design.vents.ReDispWndBak;
        applied.shell.VentSheetFlag = 0;
    }
    return applied;
}

}  // namespace quendal
