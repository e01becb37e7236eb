#include "dialogs/DesignStart.h"

#include <cmath>
#include <memory>
#include <string_view>

#include "response/BoxCheck.h"
#include "response/CofCal.h"
#include "model/State.h"
#include "dialogs/Alerts.h"

namespace quendal {

namespace {

constexpr double kInitialQa = 10.0;      // loss factor of sealed chambers a design starts with
constexpr double kInitialQb = 7.0;       // loss factor of vented chambers a design starts with
constexpr int32_t kInitialLossItem = 3;  // the popup item of those two values

// The fixed ranges: Qts from minQts to maxQts, Vas from minVas litre (0: no
// bound on Vas).
struct QtsRange {
    int32_t system;
    double minQts, maxQts, minVas;
};

constexpr QtsRange kRanges[] = {
    {kPassiveRadiator, 0.14, 0.8, 0.001},
    {kTwinSerialVented, 0.15, 1.0, 0.001},
    {kComplexVented, 0.18, 0.9, 0.001},
    {kSerialRavezaType1, 0.14, 1.0, 0.0},
};

const QtsRange* rangeOf(int32_t system) {
    for (const QtsRange& r : kRanges)
        if (r.system == system) return &r;
    return nullptr;
}

// The Qts nearest to `refused` on the way to kReferenceQts at which the
// first alignment is still buildable, to three decimals on the buildable
// side; NaN when the reference itself builds no box.
float boundaryQts(double refused, bool newDesign) {
    double good = kReferenceQts, bad = refused;
    if (!firstAlignmentBuildable(good, newDesign)) return std::nanf("");
    for (int i = 0; i < 40; ++i) {
        const double middle = 0.5 * (good + bad);
        (firstAlignmentBuildable(middle, newDesign) ? good : bad) = middle;
    }
    const double rounded = refused < kReferenceQts ? std::ceil(good * 1000.0) : std::floor(good * 1000.0);
    return static_cast<float>(rounded / 1000.0);
}

}  // namespace

void resetDesignForNewSystem() {
    ViewSettings& view = state.view;
    view.s_Resp = "amp";
    view.RespID = 1;
    view.s_Imp = "Para";
    view.ImpID = 1;

    BoxParameters& box = state.box;
    box.QA = box.QA1 = box.QA2 = kInitialQa;
    box.QL = box.QL1 = box.QL2 = box.QL3 = kInitialQb;
    box.PopupItem1 = box.PopupItem2 = box.PopupItem3 = box.PopupItem4 = box.PopupItem5 = kInitialLossItem;

    for (int n = 1; n <= 3; ++n) {
        state.vents.vent[n].CircVentNum = 1;
        state.vents.vent[n].RectVentNum = 1;
    }
    state.selection.Alin = 1;
}

void takeSetupValues(const SetupValues& values) {
    if (values.power) {
        state.power.PinTemp = *values.power;
        state.power.PIN = *values.power;
    }
    if (values.thickness) {
        state.shell.LVP = *values.thickness;
        state.shell.LVD = *values.thickness + kDuctOverPort;
    }
}

std::string setupRefusal(const SetupValues& values, const SetupTexts& texts, bool& powerNamed, void (*andThen)()) {
    const auto check = [andThen](const SetupValues& taken) {
        return changedBoxCheck([&] {
            takeSetupValues(taken);
            if (andThen != nullptr) andThen();
        });
    };
    const BoxCheckResult box = check(values);
    if (box.ok()) return {};
    powerNamed = !values.thickness || !check({values.power, {}}).ok();
    const std::string named = powerNamed ? "The input power " + std::string(texts.power) + " Watts"
                                         : "The port thickness " + std::string(texts.thickness) + " mm";
    return named + " gives a design in which " + boxFaultWords(box) + ".  ( Enter a smaller value. )";
}

bool systemHasVents(int32_t system) {
    switch (system) {
        case kInfiniteBaffle:
        case kClosedBox:
        case kPassiveRadiator:
        case kComplexClosed:
        case kPassiveRaveza: return false;
        default: return system != kNoSystem;
    }
}

namespace {

// The box of the current system's first alignment for a driver of total Q
// `qts`, computed on the side.
BoxCheckResult firstAlignmentBox(double qts, bool newDesign) {
    const int32_t system = currentSystemNumber();
    if (system == kInfiniteBaffle || system == kNoSystem) return {};  // no box
    if (!std::isfinite(qts) || qts <= 0.0) return {BoxFault::NotPositive, "Qts", "total Q", "", qts};
    const auto saved = std::make_unique<ProgramState>(state);
    if (newDesign) resetDesignForNewSystem();
    state.selection.Alin = 1;
    state.speaker.QTS = qts;
    const BoxCheckResult box = checkBuiltBox();
    state = *saved;
    return box;
}

}  // namespace

bool firstAlignmentBuildable(double qts, bool newDesign) { return firstAlignmentBox(qts, newDesign).ok(); }

DriverFit driverFitForSystem(bool newDesign) {
    const double qts = state.speaker.QTS;
    const double vas = state.speaker.VAS;
    if (const QtsRange* range = rangeOf(currentSystemNumber())) {
        if (!(qts >= range->minQts)) return {kAlertQtsTooSmall, static_cast<float>(range->minQts), {}};
        if (qts > range->maxQts) return {kAlertQtsTooLarge, static_cast<float>(range->maxQts), {}};
    }
    if (const BoxCheckResult box = firstAlignmentBox(qts, newDesign); !box.ok()) {
        const bool valueRefused = box.fault == BoxFault::NotPositive || box.fault == BoxFault::NotFinite;
        const bool referenceBuilds = firstAlignmentBuildable(kReferenceQts, newDesign);
        // A volume too small to be kept (under 0.005 litres) even at the Qts
        // the alignment is made for: the driver's Vas is what is too small.
        if (valueRefused && std::string_view(box.unit) == kLitreUnit && !referenceBuilds) {
            const QtsRange* range = rangeOf(currentSystemNumber());
            const bool belowRange = range != nullptr && vas < range->minVas;
            return {kAlertVasTooSmall, belowRange ? static_cast<float>(range->minVas) : std::nanf(""), {}};
        }
        // Not a matter of Qts: the box as the check names it.
        if (!valueRefused || !referenceBuilds) return {kAlertNoRealBox, 0.0f, box};
        const int16_t kind = qts < kReferenceQts ? kAlertQtsTooSmall : kAlertQtsTooLarge;
        return {kind, boundaryQts(qts, newDesign), {}};
    }
    if (const QtsRange* range = rangeOf(currentSystemNumber()); range != nullptr && vas < range->minVas)
        return {kAlertVasTooSmall, static_cast<float>(range->minVas), {}};
    return {};
}

}  // namespace quendal
