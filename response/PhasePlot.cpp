#include "response/PhasePlot.h"

#include <iterator>

#include "enclosures/EnclosureUnits.h"
#include "model/State.h"
#include "response/CofCal.h"
#include "response/SweepGrid.h"

namespace quendal {

namespace {

// The sweep starts anew: its points are kept for the drawing of the page.
void startKeepingBranches(int32_t kind) {
    SweepBranches& kept = state.cursor.pageBranches;
    kept.kind = kind;
    kept.drawing = state.cursor.pageDrawings;
    kept.count = 0;
    kept.aligned = 0;
}

// The unwrap state after the point at k.
void keepBranch(float k) {
    SweepBranches& kept = state.cursor.pageBranches;
    const PlotPoint& p = state.point;
    if (kept.count < int32_t(std::size(kept.at))) kept.at[kept.count++] = {k, p.ss, p.yy2, p.fai, p.fai2, p.prevAngle};
}

}  // namespace

int32_t phPlot() {
    PlotPoint& p = state.point;
    CofCal();
    setSingleCurveDrawingState();
    p.ss = 0.0;
    p.yy2 = 0.0f;
    CurvePen pen;
    constexpr float kStart = 3.0f;
    startKeepingBranches(1);
    for (float k = kStart; k >= 1.0f; k -= kGridStep) {
        setGridFrequency(k);
        clearPointResult();
        phPlot3();
        keepBranch(k);
        if (p.yy < 0.0f) p.yy = p.yy + 360.0f;
        if (p.yy > 360.0f) p.yy = p.yy - 360.0f;
        // 0 degrees on the bottom line y = 330, 360 degrees at y = 50.
        p.yy = static_cast<float>(-0.7777778 * p.yy + 330.0);
        p.xx = gridScreenX(k);
        pen.moveTo(k != kStart);
    }
    return 0;
}

int32_t phPlot3() {
    switch (state.selection.SysSelTabNum) {
    case 1:
        switch (state.selection.SysSelBtnNum) {
        case 1: IBPHcal(); break;
        case 2: CBPHcal(); break;
        case 3: VBPHcal(); break;
        case 4: PRPHcal(); break;
        case 5: SVPHcal(); break;
        case 6: PVPHcal(); break;
        case 7: CCPHcal(); break;
        case 8: CVPHcal(); break;
        default: break;
        }
        break;
    case 2:
        switch (state.selection.SysSelBtnNum) {
        case 1: KTPHcal();  // Raveza Box
            break;
        case 2: PKPHcal();  // Passive Raveza
            break;
        case 3: SK1PHcal();  // Serial Raveza Type1
            break;
        case 4: SK2PHcal();  // Serial Raveza Type2
            break;
        case 5: TVPHcal();  // Twin Vented
            break;
        case 6: TSPHcal();  // Twin Serial
            break;
        case 7: DeltaPHcal();  // Delta Vented
            break;
        case 8: TRIPHcal();  // Triple Vented
            break;
        default: break;
        }
        break;
    default: break;
    }
    return 0;
}

int32_t nqPlot() {
    PlotPoint& p = state.point;
    CofCal();
    p.ss = 0.0;
    p.fai = 0.0;
    p.fai2 = 0.0;
    setSingleCurveDrawingState();
    const int32_t n = currentSystemNumber();
    p.kk = (n == kDeltaVented || n == kTripleVented) ? 3.0f : 4.0f;
    const float start = p.kk;
    CurvePen pen;
    startKeepingBranches(2);
    for (float k = start; k >= 1.0f; k -= kGridStep) {
        setGridFrequency(k);
        clearPointResult();
        nqPlot2();
        keepBranch(k);
        // Origin at (270, 190), 70 px per unit of the normalised response.
        p.xx = static_cast<float>(70.0 * p.xx + 270.0);
        p.yy = static_cast<float>(-70.0 * p.yy + 190.0);
        pen.moveTo(k != start);
    }
    return 0;
}

int32_t nqPlot2() {
    switch (state.selection.SysSelTabNum) {
    case 1:
        switch (state.selection.SysSelBtnNum) {
        case 1: IBNQcal(); break;
        case 2: CBNQcal(); break;
        case 3: VBNQcal(); break;
        case 4: PRNQcal(); break;
        case 5: SVNQcal(); break;
        case 6: PVNQcal(); break;
        case 7: CCNQcal(); break;
        case 8: CVNQcal(); break;
        default: break;
        }
        break;
    case 2:
        switch (state.selection.SysSelBtnNum) {
        case 1: KTNQcal();  // Raveza Box
            break;
        case 2: PKNQcal();  // Passive Raveza
            break;
        case 3: SK1NQcal();  // Serial Raveza Type1
            break;
        case 4: SK2NQcal();  // Serial Raveza Type2
            break;
        case 5: TVNQcal();  // Twin Vented
            break;
        case 6: TSNQcal();  // Twin Serial
            break;
        case 7: DeltaNQcal();  // Delta Vented
            break;
        case 8: TRINQcal();  // Triple Vented
            break;
        default: break;
        }
        break;
    default: break;
    }
    return 0;
}

}  // namespace quendal
