#include "response/DesignComputation.h"

#include <cstring>
#include <memory>
#include <tuple>
#include <type_traits>

#include "model/InputPower.h"
#include "model/State.h"
#include "response/ReferenceLevel.h"
#include "response/VentSizing.h"

namespace quendal {

namespace {

// The groups of the state the calculation (the units, the engine, the
// response engine, the power and the parameter passes) reads or writes,
// but for the drawing state and the pointer's read-out, which only the
// drawing of a page touches: all the vents' sizing may work on. The other
// groups (windows, shell, documents, messages, preferences, print, update,
// entry, palettes, the kept design) the calculation never names, but for
// the two shell values below.
constexpr std::tuple kSizingGroups{
    &ProgramState::speaker, &ProgramState::box,     &ProgramState::radiator,   &ProgramState::vents,
    &ProgramState::selection, &ProgramState::view,  &ProgramState::connection, &ProgramState::ratios,
    &ProgramState::coef,    &ProgramState::step,    &ProgramState::point,      &ProgramState::scales,
    &ProgramState::ref,     &ProgramState::rscales, &ProgramState::power,      &ProgramState::phys,
};

template <class Fn>
void forEachSizingGroup(Fn&& fn) {
    std::apply([&](auto... group) { (fn(group), ...); }, kSizingGroups);
}

// Whether two values hold the same bytes: the same inputs give the same
// sizing, bit for bit (a value and its copy always compare alike; padding
// that differs only sizes again).
template <class T>
bool sameBytes(const T& a, const T& b) {
    static_assert(std::is_trivially_copyable_v<T>);
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

// The last sizing: the groups as it found them and as it left them (the
// other groups of these two states are not used).
struct LastSizing {
    bool held = false;
    ProgramState before;
    ProgramState after;
};

LastSizing& lastSizing() {
    static const auto last = std::make_unique<LastSizing>();
    return *last;
}

bool sameInputs(const ProgramState& now, const ProgramState& before) {
    bool same = true;
    forEachSizingGroup([&](auto group) {
        if (!same) return;
        if constexpr (std::is_same_v<decltype(group), ViewSettings ProgramState::*>) {
            // Whether the window recalculates is no input of the
            // calculation: the road that redraws sets it after its check.
            ViewSettings view = now.view;
            view.ReDispWnd = before.view.ReDispWnd;
            same = sameBytes(view, before.view);
        } else {
            same = sameBytes(now.*group, before.*group);
        }
    });
    // The port length the vents are sized with, and whether a duct is
    // divided among their count.
    return same && sameBytes(now.shell.LVP, before.shell.LVP) &&
           sameBytes(now.shell.VentOkFlag, before.shell.VentOkFlag);
}

void copySizingGroups(const ProgramState& from, ProgramState& to) {
    forEachSizingGroup([&](auto group) { to.*group = from.*group; });
}

}  // namespace

int32_t computeDrawnDesign() {
    PINcalc();
    SPLcal();  // builds the coefficients of the alignment too
    LastSizing& last = lastSizing();
    if (last.held && sameInputs(state, last.before)) {
        const int32_t redraw = state.view.ReDispWnd;
        copySizingGroups(last.after, state);
        state.view.ReDispWnd = redraw;
        return 0;
    }
    copySizingGroups(state, last.before);
    last.before.shell.LVP = state.shell.LVP;
    last.before.shell.VentOkFlag = state.shell.VentOkFlag;
    AsVentOpt();
    copySizingGroups(state, last.after);
    last.held = true;
    return 0;
}

}  // namespace quendal
