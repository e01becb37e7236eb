#include "dialogs/DesignStart.h"

#include <cmath>
#include <memory>

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

// The box values each system's alignments build: volumes, resonances of
// sealed chambers, vent tunings and the radiator's values.
enum BoxValue : uint32_t {
    kVB = 1u << 0, kVB1 = 1u << 1, kVB2 = 1u << 2, kVB3 = 1u << 3,
    kFC = 1u << 4, kFC1 = 1u << 5, kFC2 = 1u << 6,
    kFB = 1u << 7, kFB1 = 1u << 8, kFB2 = 1u << 9, kFB3 = 1u << 10,
    kFP = 1u << 11, kVAP = 1u << 12,
};

uint32_t builtValues(int32_t system) {
    constexpr uint32_t kThreeVented = kVB1 | kVB2 | kVB3 | kFB1 | kFB2 | kFB3;
    switch (system) {
        case kClosedBox: return kVB | kFC;
        case kVentedBox: return kVB1 | kFB1;
        case kPassiveRadiator: return kVB | kFB | kFP | kVAP;
        case kSerialVented: return kVB1 | kVB2 | kFB1 | kFB2;
        case kTwinSerialVented: return kThreeVented;
        case kComplexClosed: return kVB1 | kVB2 | kFC1 | kFC2;
        case kComplexVented: return kVB1 | kVB2 | kFB1 | kFC2;
        case kRavezaBox: return kVB1 | kVB2 | kFC1 | kFB2;
        case kPassiveRaveza: return kVB1 | kVB2 | kFC1 | kFB2 | kFP | kVAP;
        case kSerialRavezaType1: return kVB1 | kVB2 | kVB3 | kFC1 | kFB2 | kFB3;
        case kSerialRavezaType2:
        case kTwinVented: return kVB1 | kVB2 | kFB1 | kFB2;
        case kTwinSerial:
        case kDeltaVented:
        case kTripleVented: return kThreeVented;
        default: return 0;  // the Infinite Baffle has no box
    }
}

bool positive(double v) { return std::isfinite(v) && v > 0.0; }

bool boxIsBuildable(uint32_t values) {
    const BoxParameters& b = state.box;
    const PassiveRadiatorParameters& r = state.radiator;
    const struct {
        uint32_t bit;
        double value;
    } all[] = {
        {kVB, b.VB},   {kVB1, b.VB1}, {kVB2, b.VB2}, {kVB3, b.VB3}, {kFC, b.FC},   {kFC1, b.FC1}, {kFC2, b.FC2},
        {kFB, b.FB},   {kFB1, b.FB1}, {kFB2, b.FB2}, {kFB3, b.FB3}, {kFP, r.FP},   {kVAP, r.VAP},
    };
    for (const auto& v : all)
        if ((values & v.bit) != 0 && !positive(v.value)) return false;
    return true;
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

bool firstAlignmentBuildable(double qts, bool newDesign) {
    const int32_t system = currentSystemNumber();
    const uint32_t values = builtValues(system);
    if (values == 0) return true;
    if (!std::isfinite(qts) || qts <= 0.0) return false;
    const auto saved = std::make_unique<ProgramState>(state);
    if (newDesign) resetDesignForNewSystem();
    state.selection.Alin = 1;
    state.view.s_Resp = "amp";
    state.speaker.QTS = qts;
    CofCal();
    const bool buildable = boxIsBuildable(values);
    state = *saved;
    return buildable;
}

DriverFit driverFitForSystem(bool newDesign) {
    const double qts = state.speaker.QTS;
    const double vas = state.speaker.VAS;
    if (const QtsRange* range = rangeOf(currentSystemNumber())) {
        if (!(qts >= range->minQts)) return {kAlertQtsTooSmall, static_cast<float>(range->minQts)};
        if (qts > range->maxQts) return {kAlertQtsTooLarge, static_cast<float>(range->maxQts)};
    }
    if (!firstAlignmentBuildable(qts, newDesign)) {
        const int16_t kind = qts < kReferenceQts ? kAlertQtsTooSmall : kAlertQtsTooLarge;
        return {kind, boundaryQts(qts, newDesign)};
    }
    if (const QtsRange* range = rangeOf(currentSystemNumber()); range != nullptr && vas < range->minVas)
        return {kAlertVasTooSmall, static_cast<float>(range->minVas)};
    return {};
}

}  // namespace quendal
