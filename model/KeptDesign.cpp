#include "model/KeptDesign.h"

#include "model/State.h"

namespace quendal {

namespace {

// The parameter groups of a design, from the state to the kept design or back.
template <typename From, typename To>
void copyDesignGroups(const From& from, To& to) {
    to.speaker = from.speaker;
    to.box = from.box;
    to.radiator = from.radiator;
    to.vents = from.vents;
    to.selection = from.selection;
    to.view = from.view;
    to.connection = from.connection;
    to.ratios = from.ratios;
    to.coef = from.coef;
    to.scales = from.scales;
    to.ref = from.ref;
    to.rscales = from.rscales;
}

}  // namespace

void keepDesignValues() {
    KeptDesign& k = state.kept;
    copyDesignGroups(state, k);
    k.PIN = state.power.PIN;
    k.PinTemp = state.power.PinTemp;
    k.InputPowerCheck = state.power.InputPowerCheck;
    const ShellFlags& sh = state.shell;
    k.LVP = sh.LVP;
    k.LVD = sh.LVD;
    k.sysFigTriBtn = sh.sysFigTriBtn;
    k.DirtyFlag = sh.DirtyFlag;
    k.FileOpenFlag = sh.FileOpenFlag;
    k.SaveAsFlag = sh.SaveAsFlag;
    k.InitSetupFlag = sh.InitSetupFlag;
}

void giveBackDesignValues() {
    const KeptDesign& k = state.kept;
    copyDesignGroups(k, state);
    state.power.PIN = k.PIN;
    state.power.PinTemp = k.PinTemp;
    ShellFlags& sh = state.shell;
    sh.LVP = k.LVP;
    sh.LVD = k.LVD;
    sh.sysFigTriBtn = k.sysFigTriBtn;
    sh.DirtyFlag = k.DirtyFlag;
    sh.FileOpenFlag = k.FileOpenFlag;
    sh.SaveAsFlag = k.SaveAsFlag;
    sh.InitSetupFlag = k.InitSetupFlag;
}

}  // namespace quendal
