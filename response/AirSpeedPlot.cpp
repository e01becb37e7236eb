#include "response/AirSpeedPlot.h"

#include <algorithm>

#include "enclosures/EnclosureUnits.h"
#include "model/State.h"
#include "response/CofCal.h"
#include "response/ReferenceLevel.h"
#include "response/SweepGrid.h"

namespace quendal {

namespace {

// 0 m/s on the bottom line; the 280 px hold 15 m/s times ASScale.
void airSpeedScreenY() {
    AsPlot4();
    PlotPoint& p = state.point;
    p.yy = static_cast<float>(-18.666667 * p.yy / state.scales.ASScale + 330.0);
}

}  // namespace

int32_t ventCount() {
    switch (currentSystemNumber()) {
    case kVentedBox:
    case kComplexVented:
    case kRavezaBox:
        return 1;
    case kSerialVented:
    case kSerialRavezaType1:
    case kSerialRavezaType2:
    case kTwinVented:
        return 2;
    case kTwinSerialVented:
    case kTwinSerial:
    case kDeltaVented:
    case kTripleVented:
        return 3;
    default:
        return 0;
    }
}

int32_t AsOpt2() {
    AsPlot3();
    PeakSearch search;
    peakSweepUp([] { AsOptPoint(); }, search);
    state.scales.AS0 = state.scales.G2;
    return 0;
}

int32_t AsDispOpt() {
    GraphScales& s = state.scales;
    PlotPoint& p = state.point;
    s.AS0 = s.AS1 = s.AS2 = s.AS3 = 0.0;
    const int32_t vents = ventCount();
    if (vents == 1) {
        AsOpt2();
    } else if (vents == 2) {
        p.respNum = 1;
        AsOpt2();
        s.AS1 = s.G2;
        p.respNum = 2;
        AsOpt2();
        s.AS2 = s.G2;
        if (s.AS1 >= s.AS2) s.AS0 = s.AS1;
        if (s.AS2 > s.AS1) s.AS0 = s.AS2;
    } else if (vents == 3) {
        p.respNum = 1;
        AsOpt2();
        s.AS1 = s.G2;
        p.respNum = 2;
        AsOpt2();
        s.AS2 = s.G2;
        p.respNum = 3;
        AsOpt2();
        s.AS3 = s.G2;
        s.AS0 = std::max({s.AS1, s.AS2, s.AS3});
    }
    return 0;
}

int32_t AsPlot() {
    PlotPoint& p = state.point;
    const int32_t vents = ventCount();
    if (vents == 1) {
        setSingleCurveDrawingState();
        AsPlot2();
    } else if (currentSystemNumber() == kTripleVented && tripleVentedIsSymmetric()) {
        // Vents 1 and 2 are alike: vent 1 in orange, vent 3 in green.
        p.respNum = 1;
        setCurveDrawingState(1.0, kOrange);
        AsPlot2();
        p.respNum = 3;
        setCurveDrawingState(1.0, kGreen);
        AsPlot2();
        p.respNum = 4;
    } else if (vents > 1) {
        for (p.respNum = 1; p.respNum < vents + 1; ++p.respNum) {
            setSetCurveDrawingState(p.respNum, 1.0);
            AsPlot2();
        }
    }
    return 0;
}

int32_t AsPlot2() {
    AsPlot3();
    sweepUpAndDraw(airSpeedScreenY);
    return 0;
}

int32_t AsPlot4() {
    switch (state.selection.SysSelTabNum) {
    case 1:
        switch (state.selection.SysSelBtnNum) {
        case 3: VBAScal(); break;
        case 5:
            if (state.point.respNum == 1) SVvent1AScal();
            else if (state.point.respNum == 2) SVvent2AScal();
            break;
        case 6:
            if (state.point.respNum == 1) PVvent1AScal();
            else if (state.point.respNum == 2) PVvent2AScal();
            else if (state.point.respNum == 3) PVvent3AScal();
            break;
        case 8: CVAScal(); break;
        default: break;  // Infinite Baffle, Closed Box, Passive Radiator, Complex Closed: no vent
        }
        break;
    case 2:
        switch (state.selection.SysSelBtnNum) {
        case 1: KTAScal();  // Raveza Box
            break;
        case 3: if (state.point.respNum == 1) SK1vent1AScal(); else if (state.point.respNum == 2) SK1vent2AScal();  // Serial Raveza Type1
            break;
        case 4: if (state.point.respNum == 1) SK2vent2AScal(); else if (state.point.respNum == 2) SK2vent1AScal();  // Serial Raveza Type2
            break;
        case 5: if (state.point.respNum == 1) TVvent1AScal(); else if (state.point.respNum == 2) TVvent2AScal();  // Twin Vented
            break;
        case 6:  // Twin Serial
            if (state.point.respNum == 1) TSvent1AScal();
            else if (state.point.respNum == 2) TSvent2AScal();
            else if (state.point.respNum == 3) TSvent3AScal();
            break;
        case 7:  // Delta Vented: the radiating vent 3 first
            if (state.point.respNum == 1) DeltaVent3AScal();
            else if (state.point.respNum == 2) DeltaVent1AScal();
            else if (state.point.respNum == 3) DeltaVent2AScal();
            break;
        case 8:  // Triple Vented
            if (state.point.respNum == 1) TRIvent1AScal();
            else if (state.point.respNum == 2) TRIvent2AScal();
            else if (state.point.respNum == 3) TRIvent3AScal();
            break;
        default: break;  // Passive Raveza: no vent
        }
        break;
    default: break;
    }
    return 0;
}

int32_t AsOptPoint() {
    switch (state.selection.SysSelTabNum) {
    case 1:
        switch (state.selection.SysSelBtnNum) {
        case 3: VBAScal(); break;
        case 5:
            if (state.point.respNum == 1) SVvent1AScal();
            else if (state.point.respNum == 2) SVvent2AScal();
            break;
        case 6:
            if (state.point.respNum == 1) PVvent1AScal();
            else if (state.point.respNum == 2) PVvent2AScal();
            else if (state.point.respNum == 3) PVvent3AScal();
            break;
        case 8: CVAScal(); break;
        default: break;
        }
        break;
    case 2:
        switch (state.selection.SysSelBtnNum) {
        case 1: KTAScal();  // Raveza Box
            break;
        case 3: if (state.point.respNum == 1) SK1vent1AScal(); else if (state.point.respNum == 2) SK1vent2AScal();  // Serial Raveza Type1
            break;
        case 4: if (state.point.respNum == 1) SK2vent2AScal(); else if (state.point.respNum == 2) SK2vent1AScal();  // Serial Raveza Type2
            break;
        case 5: if (state.point.respNum == 1) TVvent1AScal(); else if (state.point.respNum == 2) TVvent2AScal();  // Twin Vented
            break;
        case 6:  // Twin Serial
            if (state.point.respNum == 1) TSvent1AScal();
            else if (state.point.respNum == 2) TSvent2AScal();
            else if (state.point.respNum == 3) TSvent3AScal();
            break;
        case 7:  // Delta Vented, by vent number
            if (state.point.respNum == 1) DeltaVent1AScal();
            else if (state.point.respNum == 2) DeltaVent2AScal();
            else if (state.point.respNum == 3) DeltaVent3AScal();
            break;
        case 8:  // Triple Vented
            if (state.point.respNum == 1) TRIvent1AScal();
            else if (state.point.respNum == 2) TRIvent2AScal();
            else if (state.point.respNum == 3) TRIvent3AScal();
            break;
        default: break;
        }
        break;
    default: break;
    }
    return 0;
}

}  // namespace quendal
