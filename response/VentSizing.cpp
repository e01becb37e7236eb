#include "response/VentSizing.h"

#include <cmath>
#include <limits>
#include <memory>

#include "response/AirSpeedPlot.h"
#include "response/CofCal.h"
#include "response/ReferenceLevel.h"
#include "response/SweepGrid.h"
#include "engine/AlignmentValuesKept.h"
#include "model/ParameterPasses.h"
#include "model/State.h"

namespace quendal {

namespace {

constexpr double kCm2PerM2 = 10000.0;

bool validVent(int32_t vent) { return vent >= 1 && vent <= ventsOfSystem(currentSystemNumber()); }

// The air-speed scales of the vents for their areas SV11, SV22, SV33 as
// they stand, at the pressure of the last sweep: what the curves and the
// pointer read-out turn a flow into a speed with.
void setVentScalesForAreas() {
    const VentParameters& v = state.vents;
    ResponseScales& r = state.rscales;
    switch (ventsOfSystem(currentSystemNumber())) {
        case 1: r.VEL = ventAirSpeedScale(v.SV11); break;
        case 3: r.VEL3 = ventAirSpeedScale(v.SV33); [[fallthrough]];
        case 2:
            r.VEL1 = ventAirSpeedScale(v.SV11);
            r.VEL2 = ventAirSpeedScale(v.SV22);
            break;
        default: break;
    }
}

}  // namespace

int32_t ventsOfSystem(int32_t system) {
    switch (system) {
        case kVentedBox:
        case kComplexVented:
        case kRavezaBox: return 1;
        case kSerialVented:
        case kSerialRavezaType1:
        case kSerialRavezaType2:
        case kTwinVented: return 2;
        case kTwinSerialVented:
        case kTwinSerial:
        case kDeltaVented:
        case kTripleVented: return 3;
        default: return 0;
    }
}

int32_t ventChamberNumber(int32_t vent) {
    if (!validVent(vent)) return 0;
    switch (currentSystemNumber()) {
        case kRavezaBox: return 2;                 // chamber 1 is sealed; the vent tunes chamber 2
        case kSerialRavezaType1: return vent + 1;  // chamber 1 is sealed: vent 1 tunes chamber 2, vent 2 chamber 3
        default: return vent;                      // vent n tunes chamber n
    }
}

VentChamber ventChamber(int32_t vent) {
    const int32_t chamber = ventChamberNumber(vent);
    if (chamber == 0) return {};
    // The chambers as the design keeps them: a coefficient routine run
    // since may have left the alignment's values before their rounding.
    const BoxParameters& b = state.box;
    const double volumes[4] = {0.0, keptVolume(b.VB1), keptVolume(b.VB2), keptVolume(b.VB3)};
    const double tunings[4] = {0.0, keptFrequency(b.FB1), keptFrequency(b.FB2), keptFrequency(b.FB3)};
    // Vent 1 of the Twin Serial Vented system is two equal branches from
    // chamber 1, into chambers 2 and 3, each of which alone would tune
    // chamber 1.
    const int32_t branches = currentSystemNumber() == kTwinSerialVented && vent == 1 ? 2 : 1;
    return {volumes[chamber], tunings[chamber], branches};
}

int32_t airSpeedCurveOfVent(int32_t vent) {
    // The Serial Raveza Type2 dispatcher takes the output vent (vent 2)
    // as its first curve.
    if (currentSystemNumber() == kSerialRavezaType2) return vent == 1 ? 2 : 1;
    return vent;
}

double& ventModelArea(int32_t vent) {
    VentParameters& v = state.vents;
    return vent == 3 ? v.SV33 : vent == 2 ? v.SV22 : v.SV11;
}

double ventPeakAirSpeed(int32_t vent) {
    PlotPoint& p = state.point;
    const int32_t curve = p.respNum;
    p.respNum = airSpeedCurveOfVent(vent);
    AsPlot3();
    double peak = std::numeric_limits<double>::quiet_NaN();
    for (float k = kGridStart; k <= kGridEnd; k += kGridStep) {
        setGridFrequency(k);
        clearPointResult();
        AsOptPoint();
        const double speed = p.yy;
        if (std::isfinite(speed) && !(speed <= peak)) peak = speed;
    }
    p.respNum = curve;
    return peak;
}

int32_t AsMiniCal(int32_t vent) {
    ventModelArea(vent) = kCandidateVentArea;
    state.vents.ASmini = ventPeakAirSpeed(vent);
    return 0;
}

VentConditions ventConditions(int32_t vent) {
    VentConditions conditions;
    conditions.portLengthMm = state.shell.LVP;
    conditions.soundSpeed = state.phys.C;
    double& area = ventModelArea(vent);
    const double kept = area;
    {
        const AlignmentValuesKept design;  // the air speed computes the alignment again
        AsMiniCal(vent);
    }
    area = kept;
    setVentScalesForAreas();
    const double peak = state.vents.ASmini;
    conditions.minimumAreaCm2 = std::isfinite(peak) && peak > 0.0
                                    ? kCandidateVentArea * peak / kVentAirSpeedLimit * kCm2PerM2
                                    : std::numeric_limits<double>::quiet_NaN();
    return conditions;
}

VentConditions conditionsOfRecord(const VentRecord& record) {
    VentConditions conditions;
    conditions.minimumAreaCm2 = record.CircPortSVmin;
    conditions.portLengthMm = state.shell.LVP;
    conditions.soundSpeed = state.phys.C;
    return conditions;
}

namespace {

// Whether vent 1-3 is a circular port the user chose (deriveVentChoices).
bool portOfTheUser(int32_t vent) {
    VentRecord automatic = state.vents.vent[vent];
    if (shapeInForce(automatic) != VentShape::CircularPort) return false;
    const VentChamber chamber = ventChamber(vent);
    if (!chamber.valid()) return false;
    // The minimum area stored was computed on the machine that wrote the
    // document; another maths library or another contraction of the same
    // sums puts it a few bits apart (the sweep's speeds are single
    // precision, 6e-8 apart at one bit). A port sized for other conditions
    // is far off: half the power gives 1/√2 of the area, 29 % less. Within
    // this relative difference the port was sized for the design as read.
    constexpr double kSameSizingTolerance = 1e-6;
    const VentConditions conditions = ventConditions(vent);
    const double minimum = conditions.minimumAreaCm2;
    if (!std::isfinite(minimum) || !(std::abs(automatic.CircPortSVmin - minimum) <= kSameSizingTolerance * minimum))
        return false;
    automatic.FormSetBy = kFormSetByDesign;
    designVentRecord(automatic, chamber, conditions);
    chooseAutomaticForm(automatic, chamber, conditions);
    // The automatic design gives both shapes' radio buttons the same kind;
    // a rectangular kind of its own is the user's hand on the form.
    return shapeInForce(automatic) != VentShape::CircularPort ||
           automatic.RectVentRadio != state.vents.vent[vent].RectVentRadio;
}

}  // namespace

void deriveVentChoices() {
    // The sizing sweeps compute the design's coefficients and level shift
    // again; the design is left as read, but for who chose each form.
    const auto read = std::make_unique<ProgramState>(state);
    const int32_t vents = ventsOfSystem(currentSystemNumber());
    int32_t setBy[4] = {};
    for (int32_t vent = 1; vent <= 3; ++vent)
        setBy[vent] = vent <= vents && portOfTheUser(vent) ? kFormSetByUser : kFormSetByNobody;
    state = *read;
    for (int32_t vent = 1; vent <= 3; ++vent) state.vents.vent[vent].FormSetBy = setBy[vent];
}

int32_t AsVentOpt() {
    const int32_t vents = ventsOfSystem(currentSystemNumber());
    for (int32_t vent = 1; vent <= vents; ++vent) {
        const VentChamber chamber = ventChamber(vent);
        if (!chamber.valid()) continue;
        const VentConditions conditions = ventConditions(vent);
        if (!std::isfinite(conditions.minimumAreaCm2)) continue;
        VentRecord& record = state.vents.vent[vent];
        designVentRecord(record, chamber, conditions);
        if (formIsAutomatic(record)) chooseAutomaticForm(record, chamber, conditions);
        ventModelArea(vent) = designedAreaCm2(record) / kCm2PerM2;
    }
    setVentScalesForAreas();
    return 0;
}

}  // namespace quendal
