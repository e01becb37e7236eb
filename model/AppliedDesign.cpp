#include "model/AppliedDesign.h"

namespace quendal {

namespace {

// The unit as received: the values a radiator record or a paste fills.
void copyReceivedUnit(const PassiveRadiatorParameters& from, PassiveRadiatorParameters& to) {
    to.s_ManufOrg = from.s_ManufOrg;
    to.s_PROrg = from.s_PROrg;
    to.PRDIAOrg = from.PRDIAOrg;
    to.FPOrg = from.FPOrg;
    to.VAPOrg = from.VAPOrg;
    to.QPOrg = from.QPOrg;
    to.PRVDOrg = from.PRVDOrg;
    to.PRSDOrg = from.PRSDOrg;
    to.PRXMAXOrg = from.PRXMAXOrg;
}

}  // namespace

int32_t appliedConnection(const SpeakerConnection& connection) {
    return connection.SpConSel == 1 ? connection.SpConNumBak : connection.SpConNum;
}

ProgramState appliedDesign(const ProgramState& design) {
    ProgramState applied = design;
    applied.connection.SpConNum = appliedConnection(design.connection);
    applied.connection.SpConSel = 0;
    if (design.radiatorSheet.HeldFlag == 1) copyReceivedUnit(design.radiatorSheet.before, applied.radiator);
    return applied;
}

void holdReceivedRadiator() {
    RadiatorSheetHold& hold = state.radiatorSheet;
    if (hold.HeldFlag == 1) return;
    hold.before = state.radiator;
    hold.HeldFlag = 1;
}

void endReceivedRadiatorHold(bool putBack) {
    RadiatorSheetHold& hold = state.radiatorSheet;
    if (hold.HeldFlag == 0) return;
    if (putBack) copyReceivedUnit(hold.before, state.radiator);
    hold.HeldFlag = 0;
}

}  // namespace quendal
