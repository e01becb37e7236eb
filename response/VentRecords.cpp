#include "response/VentRecords.h"

#include <algorithm>
#include <cmath>

#include "response/CofCal.h"
#include "model/State.h"
#include "response/VentSizing.h"

namespace quendal {

namespace {

constexpr double kMm2PerCm2 = 100.0;
constexpr double kCm2PerM2 = 10000.0;

int32_t selectedVent() { return std::clamp(state.vents.VentID, 1, 3); }

// A count of the working vent held to what its chamber's branches admit.
void admitCount(int32_t& count) { count = admittedCount(count, ventChamber(selectedVent()).branches); }

// An entered duct size keeps its total area and its width-to-height
// proportion when the count changes.
void divideDuctAmongCount(VentRecord& r) {
    if (r.RectDuctVentInit != 1 || !(r.RectDuctSV > 0.0) || !(r.RectDuctWV > 0.0) || !(r.RectDuctHV > 0.0)) return;
    const double perVentMm2 = r.RectDuctSV * kMm2PerCm2 / r.RectVentNum;
    const double proportion = r.RectDuctWV / r.RectDuctHV;
    r.RectDuctWV = std::sqrt(perVentMm2 * proportion);
    r.RectDuctHV = perVentMm2 / r.RectDuctWV;
}

}  // namespace

void designWorkingVent(bool formToo) {
    const int32_t vent = selectedVent();
    const VentChamber chamber = ventChamber(vent);
    if (!chamber.valid()) return;
    const VentConditions conditions = ventConditions(vent);
    if (!std::isfinite(conditions.minimumAreaCm2)) return;
    VentRecord& w = state.vents.working;
    designVentRecord(w, chamber, conditions);
    if (formToo && !formChosenInSheet() && formIsAutomatic(w)) chooseAutomaticForm(w, chamber, conditions);
}

bool formChosenInSheet() {
    VentRecord& w = state.vents.working;
    const VentShape shape = shapeInForce(w);
    const int32_t* mark = editedMark(w, shape);
    return shape != shapeInForce(state.vents.cancel) || (mark != nullptr && *mark == 1);
}

bool automaticDesignChoosesAnotherForm() {
    const VentRecord& w = state.vents.working;
    const VentChamber chamber = ventChamber(selectedVent());
    const VentConditions conditions = conditionsOfRecord(w);
    if (!formIsAutomatic(w) || !chamber.valid() || !std::isfinite(conditions.minimumAreaCm2)) return false;
    VentRecord automatic = w;
    chooseAutomaticForm(automatic, chamber, conditions);
    return shapeInForce(automatic) != shapeInForce(w);
}

int32_t PreVentParameterChange() {
    state.vents.working = state.vents.vent[selectedVent()];
    return 0;
}

int32_t PostVentParameterChange() {
    state.vents.vent[selectedVent()] = state.vents.working;
    return 0;
}

int32_t CircVentNumCalc() {
    VentRecord& w = state.vents.working;
    admitCount(w.CircVentNum);
    designWorkingVent();
    return 0;
}

int32_t RectVentNumCalc() {
    VentRecord& w = state.vents.working;
    admitCount(w.RectVentNum);
    if (state.shell.VentOkFlag == 1) divideDuctAmongCount(w);
    designWorkingVent();
    return 0;
}

int32_t CircVentRadioClick() {
    VentRecord& w = state.vents.working;
    w.CircVentRadio = w.CircVentRadio == 2 ? 2 : 1;
    admitCount(w.CircVentNum);
    designWorkingVent();
    return 0;
}

int32_t RectVentRadioClick() {
    VentRecord& w = state.vents.working;
    w.RectVentRadio = w.RectVentRadio == 2 ? 2 : 1;
    admitCount(w.RectVentNum);
    designWorkingVent();
    return 0;
}

int32_t VentParameterBackupForCancel() {
    state.vents.cancel = state.vents.working;
    return 0;
}

int32_t VentParameterReturnForCancel() {
    state.vents.working = state.vents.cancel;
    return 0;
}

int32_t ParallelVentedVentOpt() {
    VentParameters& v = state.vents;
    if (currentSystemNumber() != kTwinSerialVented || v.VentID != 1 || v.VentCalcCount != 0) return 0;
    // Vent 1 is sized in its stored record: the working copy may be the
    // Vent Design sheet's, with the user's choices not yet accepted.
    const VentChamber chamber = ventChamber(1);
    if (chamber.valid()) {
        const VentConditions conditions = ventConditions(1);
        if (std::isfinite(conditions.minimumAreaCm2)) {
            VentRecord& r = v.vent[1];
            designVentRecord(r, chamber, conditions);
            if (formIsAutomatic(r)) chooseAutomaticForm(r, chamber, conditions);
        }
    }
    v.SV11 = designedAreaCm2(v.vent[1]) / kCm2PerM2;
    // The coefficient build inside the sizing sweep re-armed the count.
    v.VentCalcCount += 1;
    return 0;
}

}  // namespace quendal
