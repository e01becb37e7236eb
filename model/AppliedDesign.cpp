#include "model/AppliedDesign.h"

namespace quendal {

int32_t appliedConnection(const SpeakerConnection& connection) {
    return connection.SpConSel == 1 ? connection.SpConNumBak : connection.SpConNum;
}

ProgramState appliedDesign(const ProgramState& design) {
    ProgramState applied = design;
    applied.connection.SpConNum = appliedConnection(design.connection);
    applied.connection.SpConSel = 0;
    return applied;
}

}  // namespace quendal
