#include "response/GroupDelayPlot.h"

#include "enclosures/EnclosureUnits.h"
#include "model/State.h"
#include "response/CofCal.h"
#include "response/SweepGrid.h"

namespace quendal {

namespace {

// 0 ms at y = 190, 14 px per GDscl ms, negative delays below.
float delayScreenY(double delayMs) { return static_cast<float>(-14.0 * delayMs / state.scales.GDscl + 190.0); }

void groupDelayScreenY() {
    gdPlot3();
    state.point.yy = delayScreenY(state.point.yy);
}

// The Triple Vented delay at f, left in yy0.
void tripleVentedDelayPoint() { TRIGDcal(); }

void resetTripleVentedDelayState() {
    PlotPoint& p = state.point;
    p.ss = 0.0;
    p.yy2 = 0.0f;
    p.yy0 = 0.0f;
    p.PP = 0.0;
    p.QQ = 0.0;
}

}  // namespace

int32_t gdOpt() {
    CofCal();
    PeakSearch search;
    peakSweepUp([] { gdPlot3(); }, search);
    gdOpt2();
    return 0;
}

int32_t gdOpt2() {
    const double g = state.scales.G2;
    double& scale = state.scales.GDscl;
    if (g < 5.0) scale = 0.5;
    else if (g < 10.0) scale = 1.0;
    else if (g < 25.0) scale = 2.5;
    else if (g < 50.0) scale = 5.0;
    else scale = 10.0;
    return 0;
}

int32_t gdPlot() {
    CofCal();
    setSingleCurveDrawingState();
    sweepUpAndDraw(groupDelayScreenY);
    return 0;
}

int32_t gdPlot3() {
    switch (state.selection.SysSelTabNum) {
    case 1:
        switch (state.selection.SysSelBtnNum) {
        case 1: IBGDcal(); break;
        case 2: CBGDcal(); break;
        case 3: VBGDcal(); break;
        case 4: PRGDcal(); break;
        case 5: SVGDcal(); break;
        case 6: PVGDcal(); break;
        case 7: CCGDcal(); break;
        case 8: CVGDcal(); break;
        default: break;
        }
        break;
    case 2:
        switch (state.selection.SysSelBtnNum) {
        case 1: KTGDcal();  // Raveza Box
            break;
        case 2: PKGDcal();  // Passive Raveza
            break;
        case 3: SK1GDcal();  // Serial Raveza Type1
            break;
        case 4: SK2GDcal();  // Serial Raveza Type2
            break;
        case 5: TVGDcal();  // Twin Vented
            break;
        case 6: TSGDcal();  // Twin Serial
            break;
        case 7: DeltaGDcal();  // Delta Vented
            break;
        case 8:  // Triple Vented: none here (TRIgdOpt and TRIgdPlot use TRIGDcal)
            break;
        default: break;
        }
        break;
    default: break;
    }
    return 0;
}

int32_t TRIgdOpt() {
    PlotPoint& p = state.point;
    CofCal();
    PeakSearch search;
    resetTripleVentedDelayState();
    // From 3.2 down: the first 21 points (k >= 3.0) only prime the
    // difference formula.
    for (float k = 3.2f; k >= 1.0f; k -= kGridStep) {
        setGridFrequency(k);
        tripleVentedDelayPoint();
        if (k >= 3.0f) {
            search.prime(p.yy0);
            continue;
        }
        p.yy4 = p.yy0;
        search.visit(p.yy4);
    }
    gdOpt2();
    return 0;
}

int32_t TRIgdPlot() {
    PlotPoint& p = state.point;
    CofCal();
    setSingleCurveDrawingState();
    resetTripleVentedDelayState();
    CurvePen pen;
    // From 4.2 down; at and above 3.0 the pen only moves.
    for (float k = 4.2f; k >= 1.0f; k -= kGridStep) {
        setGridFrequency(k);
        tripleVentedDelayPoint();
        p.yy = delayScreenY(p.yy0);
        p.xx = gridScreenX(k);
        pen.moveTo(k < 3.0f);
    }
    return 0;
}

}  // namespace quendal
