#include "model/KeptDesign.h"

#include <utility>

#include "model/State.h"

namespace quendal {

namespace {

// Applies `both` to every value of a design, in the state and in the kept
// design side by side.
template <typename Both>
void forEachDesignValue(ProgramState& s, KeptDesign& k, Both both) {
    both(s.speaker, k.speaker);
    both(s.box, k.box);
    both(s.radiator, k.radiator);
    both(s.vents, k.vents);
    both(s.selection, k.selection);
    both(s.view, k.view);
    both(s.connection, k.connection);
    both(s.ratios, k.ratios);
    both(s.coef, k.coef);
    both(s.scales, k.scales);
    both(s.ref, k.ref);
    both(s.rscales, k.rscales);
    both(s.power.PIN, k.PIN);
    both(s.power.PinTemp, k.PinTemp);
    both(s.power.InputPowerCheck, k.InputPowerCheck);
    ShellFlags& sh = s.shell;
    both(sh.LVP, k.LVP);
    both(sh.LVD, k.LVD);
    both(sh.sysFigTriBtn, k.sysFigTriBtn);
    both(sh.DirtyFlag, k.DirtyFlag);
    both(sh.FileOpenFlag, k.FileOpenFlag);
    both(sh.SaveAsFlag, k.SaveAsFlag);
    both(sh.InitSetupFlag, k.InitSetupFlag);
}

void swapWithKept() {
    forEachDesignValue(state, state.kept, [](auto& inState, auto& kept) { std::swap(inState, kept); });
}

}  // namespace

void keepDesignValues() {
    forEachDesignValue(state, state.kept, [](const auto& inState, auto& kept) { kept = inState; });
}

void giveBackDesignValues() {
    forEachDesignValue(state, state.kept, [](auto& inState, const auto& kept) { inState = kept; });
}

void endWaitingDesign() {
    ShellFlags& sh = state.shell;
    if (sh.KeptDesignFlag != 1) return;
    // Inside a choosing window's routine they stand in the state already.
    if (sh.NextDesignDepth == 0) swapWithKept();
    sh.KeptDesignFlag = 0;
}

NextDesignInState::NextDesignInState() {
    ShellFlags& sh = state.shell;
    if (sh.NextDesignDepth++ == 0 && sh.KeptDesignFlag == 1) swapWithKept();
}

// A design that waits now has the next design's inputs in its place in the
// state, whether it waited from the start or began to wait meanwhile.
NextDesignInState::~NextDesignInState() {
    ShellFlags& sh = state.shell;
    if (--sh.NextDesignDepth == 0 && sh.KeptDesignFlag == 1) swapWithKept();
}

}  // namespace quendal
