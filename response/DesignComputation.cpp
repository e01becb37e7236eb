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
// drawing of a page touches, and the speaker connection, which reaches the
// calculation only through the driver in use and the input power that
// SpconCal and PINcalc leave in the groups below: all the vents' sizing may
// read. The other groups (windows, shell, documents, messages,
// preferences, print, update, entry, palettes, the kept design) the
// calculation never names, but for the two shell values below.
constexpr std::tuple kSizingGroups{
    &ProgramState::speaker, &ProgramState::box,     &ProgramState::radiator, &ProgramState::vents,
    &ProgramState::selection, &ProgramState::view,  &ProgramState::ratios,   &ProgramState::coef,
    &ProgramState::step,    &ProgramState::point,   &ProgramState::scales,   &ProgramState::ref,
    &ProgramState::rscales, &ProgramState::power,   &ProgramState::phys,
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

// A group as the sizing reads it: without the texts and choices no
// calculation reads (the names of the driver and the radiator, the page
// shown, whether the window recalculates), which change while the same
// inputs are sized again.
template <class T>
T asRead(const T& group) {
    return group;
}
template <>
SpeakerParameters asRead(const SpeakerParameters& speaker) {
    SpeakerParameters read = speaker;
    read.s_SP = read.s_RANG = read.s_SP2 = read.s_RANG2 = Str255();
    return read;
}
template <>
PassiveRadiatorParameters asRead(const PassiveRadiatorParameters& radiator) {
    PassiveRadiatorParameters read = radiator;
    read.s_Manuf = read.s_PR = read.s_ManufOrg = read.s_PROrg = Str255();
    return read;
}
template <>
ViewSettings asRead(const ViewSettings& view) {
    ViewSettings read = view;
    read.s_Resp = Str255();
    read.RespID = 0;
    read.ReDispWnd = 0;
    return read;
}

// The last sizing: the groups as it found them, and what it computed.
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
    forEachSizingGroup([&](auto group) { same = same && sameBytes(asRead(now.*group), asRead(before.*group)); });
    // The port length the vents are sized with, and whether a duct is
    // divided among their count.
    return same && sameBytes(now.shell.LVP, before.shell.LVP) &&
           sameBytes(now.shell.VentOkFlag, before.shell.VentOkFlag);
}

// What the sizing computes, and nothing else: the vents' records, areas and
// last peak speed, the air-speed scales, and the coefficients, level and
// sweep point its sweeps leave (the input power, which a sweep puts back
// when it is no power, with them). Everything else the state holds stays
// as it is now, whatever it was when those inputs were sized.
void takeSizing(const ProgramState& sized, ProgramState& to) {
    for (int32_t vent = 1; vent <= 3; ++vent) to.vents.vent[vent] = sized.vents.vent[vent];
    to.vents.SV11 = sized.vents.SV11;
    to.vents.SV22 = sized.vents.SV22;
    to.vents.SV33 = sized.vents.SV33;
    to.vents.ASmini = sized.vents.ASmini;
    to.rscales = sized.rscales;
    to.coef = sized.coef;
    to.ref = sized.ref;
    to.point = sized.point;
    to.power.PIN = sized.power.PIN;
}

}  // namespace

int32_t computeDrawnDesign() {
    PINcalc();
    SPLcal();  // builds the coefficients of the alignment too
    LastSizing& last = lastSizing();
    if (last.held && sameInputs(state, last.before)) {
        takeSizing(last.after, state);
        return 0;
    }
    forEachSizingGroup([&](auto group) { last.before.*group = state.*group; });
    last.before.shell.LVP = state.shell.LVP;
    last.before.shell.VentOkFlag = state.shell.VentOkFlag;
    AsVentOpt();
    takeSizing(state, last.after);
    last.held = true;
    return 0;
}

}  // namespace quendal
