#include "model/KeptDesign.h"

#include "model/State.h"

namespace quendal {

void keepDesignValues() {
    KeptDesign& k = state.kept;
    k.speaker = state.speaker;
    k.box = state.box;
    k.radiator = state.radiator;
    k.vents = state.vents;
    k.selection = state.selection;
    k.view = state.view;
    k.connection = state.connection;
    k.ratios = state.ratios;
    k.coef = state.coef;
    k.scales = state.scales;
    k.ref = state.ref;
    k.rscales = state.rscales;
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
    state.speaker = k.speaker;
    state.box = k.box;
    state.radiator = k.radiator;
    state.vents = k.vents;
    state.selection = k.selection;
    state.view = k.view;
    state.connection = k.connection;
    state.ratios = k.ratios;
    state.coef = k.coef;
    state.scales = k.scales;
    state.ref = k.ref;
    state.rscales = k.rscales;
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
