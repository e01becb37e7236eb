#include "response/AmplitudePlot.h"

#include <cmath>

#include "enclosures/EnclosureUnits.h"
#include "model/State.h"
#include "response/CofCal.h"
#include "response/SweepGrid.h"

namespace quendal {

namespace {

// Screen y of a level yy dB below the reference: 0 dB at y = 130, 40 px a
// division of Scale dB; in absolute mode 90 + sift dB at y = 130.
void amplitudeScreenY() {
    ampPlot3();
    PlotPoint& p = state.point;
    const double yy = p.yy;
    const double spl = state.ref.SPL;
    const double sift = state.scales.sift;
    const int32_t scale = state.view.Scale;
    const int32_t magni = state.view.Magni;
    if (scale == 5 && magni == 0) p.yy = static_cast<float>(8.0 * yy + 130.0);
    else if (scale == 5 && magni == 1) p.yy = static_cast<float>(8.0 * yy + 850.0 - 8.0 * spl + 8.0 * sift);
    else if (scale == 10 && magni == 0) p.yy = static_cast<float>(8.0 * yy / 2.0 + 130.0);
    else if (scale == 10 && magni == 1) p.yy = static_cast<float>(8.0 * yy / 2.0 + 490.0 - 4.0 * spl + 8.0 * sift / 2.0);
}

}  // namespace

int32_t shownDisp() {
    const int32_t disp = state.view.Disp;
    const int32_t tab = state.selection.SysSelTabNum;
    const int32_t btn = state.selection.SysSelBtnNum;
    if (tab == 1 && btn == 1) return 1;
    const bool noComponents = (tab == 1 && (btn == 2 || btn == 7)) || (tab == 2 && (btn == 1 || btn == 2));
    if (disp == 2 && noComponents) return 1;
    return disp;
}

int32_t amplitudeCurveCount() {
    const int32_t disp = shownDisp();
    const int32_t btn = state.selection.SysSelBtnNum;
    if (btn < 1 || btn > 8) return 0;
    switch (state.selection.SysSelTabNum) {
    case 1:
        if (disp == 1) return 1;
        if (disp == 2) {
            if (btn == 3 || btn == 4 || btn == 5 || btn == 8) return 3;
            if (btn == 6) return 4;
            return 0;  // Infinite Baffle, Closed Box, Complex Closed have no components
        }
        if (disp == 3) return btn == 1 ? 0 : 2;
        return 0;
    case 2:
        if (disp == 1) return 1;
        if (disp == 2) {
            switch (btn) {
            case 3: case 4: return 2;
            case 5: case 7: return 3;
            case 6: return 4;
            case 8: return tripleVentedIsSymmetric() ? 3 : 4;
            default: return 0;  // Raveza Box, Passive Raveza
            }
        }
        if (disp == 3) return 2;
        return 0;
    default:
        return 0;
    }
}

int32_t ampPlot() {
    const int32_t count = amplitudeCurveCount();
    if (count == 0) return 0;
    const int32_t disp = shownDisp();
    if (disp == 1) {
        // The single total curve; the high-pass tab keeps its own green.
        setCurveDrawingState(2.0, state.selection.SysSelTabNum == 1 ? CurveColour{1.0, 0.531, 0.0} : kOrange);
        ampPlot2();
        return 0;
    }
    PlotPoint& p = state.point;
    for (p.respNum = 1; p.respNum < count + 1; ++p.respNum) {
        if (disp == 3 && p.respNum == 2) setCurveDrawingState(1.0, kPurple);
        else setSetCurveDrawingState(p.respNum, 2.0);
        ampPlot2();
    }
    return 0;
}

bool totalResponseOnThePage() {
    const PlotPoint saved = state.point;
    const int32_t disp = state.view.Disp;
    state.view.Disp = 1;
    state.point.respNum = 1;
    bool found = false;
    for (float k = kGridStart; k <= kGridEnd && !found; k = static_cast<float>(k + kGridStep)) {
        setGridFrequency(k);
        clearPointResult();
        ampPlot3();
        // yy is the attenuation below the reference level, in dB.
        found = std::isfinite(state.point.yy) && state.point.yy <= kDeepestShownAttenuation;
    }
    state.view.Disp = disp;
    state.point = saved;
    return found;
}

int32_t ampPlot2() {
    IBcofCal();
    CofCal();
    sweepUpAndDraw(amplitudeScreenY);
    return 0;
}

int32_t ampPlot3() {
    const int32_t disp = shownDisp();
    const int32_t respNum = state.point.respNum;
    // The column of the evaluator table: 1 the total, 2-4 the components
    // (Disp 2); with Disp 3 curve 2 is the infinite-baffle comparison.
    int32_t column = 0;
    if (disp == 1) column = 1;
    else if (disp == 2) column = respNum;
    else if (disp == 3 && respNum == 1) column = 1;

    if (state.selection.SysSelTabNum == 1 && state.selection.SysSelBtnNum == 1) {
        IBFRcal();  // the infinite baffle has one curve whatever Disp and respNum
        return 0;
    }
    if (disp == 3 && respNum == 2) {
        if (currentSystemNumber() != kNoSystem) IBFRcal();
        return 0;
    }

    switch (state.selection.SysSelTabNum) {
    case 1:
        switch (state.selection.SysSelBtnNum) {
        case 2:
            if (column == 1) CBFRcal();
            break;
        case 3:
            if (column == 1) VBFRcal();
            else if (column == 2) VBdirctFRcal();
            else if (column == 3) VBventFRcal();
            break;
        case 4:
            if (column == 1) PRFRcal();
            else if (column == 2) PRdriverFRcal();
            else if (column == 3) PRprFRcal();
            break;
        case 5:
            if (column == 1) SVFRcal();
            else if (column == 2) SVdirctFRcal();
            else if (column == 3) SVvent2FRcal();
            break;
        case 6:
            if (column == 1) PVFRcal();
            else if (column == 2) PVdirctFRcal();
            else if (column == 3) PVvent2FRcal();
            else if (column == 4) PVvent3FRcal();
            break;
        case 7:
            if (column == 1) CCFRcal();
            break;
        case 8:
            if (column == 1) CVFRcal();
            else if (column == 2) CVdirectFRcal();
            else if (column == 3) CVventFRcal();
            break;
        default: break;
        }
        break;
    case 2:
        switch (state.selection.SysSelBtnNum) {
        case 1: if (column == 1) KTFRcal();  // Raveza Box
            break;
        case 2: if (column == 1) PKFRcal();  // Passive Raveza
            break;
        case 3: if (column == 1) SK1vent2FRcal(); else if (column == 2) SK1vent1FRcal();  // Serial Raveza Type1
            break;
        case 4: if (column == 1) SK2vent2FRcal(); else if (column == 2) SK2vent1FRcal();  // Serial Raveza Type2
            break;
        case 5: if (column == 1) TVFRcal(); else if (column == 2) TVvent1FRcal(); else if (column == 3) TVvent2FRcal();  // Twin Vented
            break;
        case 6:  // Twin Serial
            if (column == 1) TSFRcal();
            else if (column == 2) TSvent1FRcal();
            else if (column == 3) TSvent2FRcal();
            else if (column == 4) TSvent3FRcal();
            break;
        case 7:  // Delta Vented
            if (column == 1) DeltaFRcal();
            else if (column == 2) DeltaVent1FRcal();
            else if (column == 3) DeltaVent2FRcal();
            break;
        case 8:  // Triple Vented: vents 1 and 2 as one curve when the halves are alike
            if (column == 1) TRIFRcal();
            else if (tripleVentedIsSymmetric()) {
                if (column == 2) TRIvent12FRcal();
                else if (column == 3) TRIvent3FRcal();
            } else if (column == 2) TRIvent1FRcal();
            else if (column == 3) TRIvent2FRcal();
            else if (column == 4) TRIvent3FRcal();
            break;
        default: break;
        }
        break;
    default: break;
    }
    return 0;
}

}  // namespace quendal
