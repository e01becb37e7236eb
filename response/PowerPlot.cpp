#include "response/PowerPlot.h"

#include <cmath>

#include "enclosures/EnclosureUnits.h"
#include "model/State.h"
#include "response/CofCal.h"
#include "response/ReferenceLevel.h"
#include "response/SweepGrid.h"

namespace quendal {

namespace {

constexpr double kPxPerDecade = 93.333333;  // 280 px hold three decades of W
constexpr double kNoRatingW = 999.9;

// The rated power of the running sweep. It is kept here, not in PEMX, so
// that a user's own rating of 999.9 W survives the sweep.
double gRatedPower = kNoRatingW;

void powerScreenY() {
    pwPlot3();
    PlotPoint& p = state.point;
    double y = -kPxPerDecade * p.yy + 330.0;
    if (y <= state.rscales.PE1) y = state.rscales.PE1;  // the power reaches the rated power
    // The three decades that end with the decade of the rated power.
    if (gRatedPower > 1000.0) y += 93.0;
    else if (gRatedPower > 100.0) {
    } else if (gRatedPower > 10.0) y -= 93.0;
    else y -= 186.0;
    p.yy = static_cast<float>(y);
}

}  // namespace

double ratedPowerForGraph() { return state.speaker.PEMX <= 0.0 ? kNoRatingW : state.speaker.PEMX; }

int32_t powerCurveCount() {
    switch (currentSystemNumber()) {
    case kNoSystem: return 0;
    case kComplexClosed:
    case kComplexVented: return 2;
    case kTripleVented: return tripleVentedIsSymmetric() ? 1 : 2;
    default: return 1;
    }
}

int32_t pwPlot() {
    const int32_t count = powerCurveCount();
    if (count == 1) {
        setSingleCurveDrawingState();
        pwPlot2();
    } else if (count > 1) {
        PlotPoint& p = state.point;
        for (p.respNum = 1; p.respNum < count + 1; ++p.respNum) {
            setSetCurveDrawingState(p.respNum, 1.0);
            pwPlot2();
        }
    }
    return 0;
}

int32_t pwPlot2() {
    QEScal();
    gRatedPower = ratedPowerForGraph();
    state.rscales.PE1 = -kPxPerDecade * std::log10(gRatedPower) + 330.0;
    setPowerScale();
    CofCal();
    sweepUpAndDraw(powerScreenY);
    // A driver without a rating keeps none: a PEMX of 0 or less reads 0
    // after the sweep, as it did before it (the sweep itself used 999.9 W).
    if (state.speaker.PEMX <= 0.0) state.speaker.PEMX = 0.0;
    return 0;
}

int32_t pwPlot3() {
    switch (state.selection.SysSelTabNum) {
    case 1:
        switch (state.selection.SysSelBtnNum) {
        case 1: IBPWcal(); break;
        case 2: CBPWcal(); break;
        case 3: VBPWcal(); break;
        case 4: PRPWcal(); break;
        case 5: SVPWcal(); break;
        case 6: PVPWcal(); break;
        case 7:
            if (state.point.respNum == 1) CCPWSP1cal();
            else if (state.point.respNum == 2) CCPWSP2cal();
            break;
        case 8:
            if (state.point.respNum == 1) CVPWSP1cal();
            else if (state.point.respNum == 2) CVPWSP2cal();
            break;
        default: break;
        }
        break;
    case 2:
        switch (state.selection.SysSelBtnNum) {
        case 1: KTPWcal();  // Raveza Box
            break;
        case 2: PKPWcal();  // Passive Raveza
            break;
        case 3: SK1PWcal();  // Serial Raveza Type1
            break;
        case 4: SK2PWcal();  // Serial Raveza Type2
            break;
        case 5: TVPWcal();  // Twin Vented
            break;
        case 6: TSPWcal();  // Twin Serial
            break;
        case 7: DeltaPWcal();  // Delta Vented
            break;
        case 8:  // Triple Vented: one curve when the halves are alike
            if (tripleVentedIsSymmetric() || state.point.respNum == 1) TRIPWSP1cal();
            else if (state.point.respNum == 2) TRIPWSP2cal();
            break;
        default: break;
        }
        break;
    default: break;
    }
    return 0;
}

}  // namespace quendal
