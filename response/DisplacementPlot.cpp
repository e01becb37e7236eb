#include "response/DisplacementPlot.h"

#include "enclosures/EnclosureUnits.h"
#include "model/State.h"
#include "response/CofCal.h"
#include "response/ReferenceLevel.h"
#include "response/SweepGrid.h"

namespace quendal {

namespace {

// Two cones: driver and passive radiator, or two drivers.
bool hasTwoCones() {
    const int32_t n = currentSystemNumber();
    return n == kPassiveRadiator || n == kComplexClosed || n == kComplexVented || n == kPassiveRaveza ||
           (n == kTripleVented && !tripleVentedIsSymmetric());
}

void displacementScreenY() {
    dpPlot3();
    PlotPoint& p = state.point;
    const double yy = p.yy;
    const int32_t magni = state.view.Magni;
    const int32_t scale = state.view.Scale;
    if (magni == 0 && scale == 5) p.yy = static_cast<float>(8.0 * yy + 130.0);
    else if (magni == 0 && scale == 10) p.yy = static_cast<float>(8.0 * yy / 2.0 + 130.0);
    else if (magni == 1 && (scale == 5 || scale == 10))
        p.yy = static_cast<float>(-28.0 * yy / state.scales.DPScale + 330.0);  // DPScale mm per 28 px
}

}  // namespace

int32_t displacementCurveCount() {
    if (currentSystemNumber() == kNoSystem) return 0;
    return hasTwoCones() ? 2 : 1;
}

int32_t dpOpt2() {
    setDisplacementScales();
    PeakSearch search;
    peakSweepUp([] { dpOptPoint(); }, search);
    state.scales.DP = state.scales.G2;
    return 0;
}

int32_t dpOpt() {
    GraphScales& s = state.scales;
    s.DP = 0.0;
    s.DP1 = 0.0;
    s.DP2 = 0.0;
    if (hasTwoCones()) {
        PlotPoint& p = state.point;
        p.respNum = 1;
        dpOpt2();
        s.DP1 = s.G2;
        p.respNum = 2;
        dpOpt2();
        s.DP2 = s.G2;
        if (s.DP1 >= s.DP2) s.DP = s.DP1;
        if (s.DP2 > s.DP1) s.DP = s.DP2;
    } else {
        dpOpt2();
    }
    return 0;
}

int32_t dpPlot() {
    const int32_t count = displacementCurveCount();
    if (count == 1) {
        setSingleCurveDrawingState();
        dpPlot2();
    } else if (count > 1) {
        PlotPoint& p = state.point;
        for (p.respNum = 1; p.respNum < count + 1; ++p.respNum) {
            setSetCurveDrawingState(p.respNum, 1.0);
            dpPlot2();
        }
    }
    return 0;
}

int32_t dpPlot2() {
    setDisplacementScales();
    sweepUpAndDraw(displacementScreenY);
    return 0;
}

int32_t dpPlot3() {
    const int32_t respNum = state.point.respNum;
    switch (state.selection.SysSelTabNum) {
    case 1:
        switch (state.selection.SysSelBtnNum) {
        case 1: IBDPcal(); break;
        case 2: CBDPcal(); break;
        case 3: VBDPcal(); break;
        case 4:
            if (respNum == 1) PRdriverDPcal();
            else if (respNum == 2) PRprDPcal();
            break;
        case 5: SVDPcal(); break;
        case 6: PVDPcal(); break;
        case 7:
            if (respNum == 1) CCDPSP1cal();
            else if (respNum == 2) CCDPSP2cal();
            break;
        case 8:
            if (respNum == 1) CVDPSP1cal();
            else if (respNum == 2) CVDPSP2cal();
            break;
        default: break;
        }
        break;
    case 2:
        switch (state.selection.SysSelBtnNum) {
        case 1: KTDPcal();  // Raveza Box
            break;
        case 2: if (respNum == 1) PKdriverDPcal(); else if (respNum == 2) PKprDPcal();  // Passive Raveza
            break;
        case 3: SK1DPcal();  // Serial Raveza Type1
            break;
        case 4: SK2DPcal();  // Serial Raveza Type2
            break;
        case 5: TVDPcal();  // Twin Vented
            break;
        case 6: TSDPcal();  // Twin Serial
            break;
        case 7: DeltaDPcal();  // Delta Vented
            break;
        case 8:  // Triple Vented: one curve when the halves are alike
            if (tripleVentedIsSymmetric() || state.point.respNum == 1) TRIDPSP1cal();
            else if (state.point.respNum == 2) TRIDPSP2cal();
            break;
        default: break;
        }
        break;
    default: break;
    }
    return 0;
}

int32_t dpOptPoint() {
    const int32_t respNum = state.point.respNum;
    switch (state.selection.SysSelTabNum) {
    case 1:
        switch (state.selection.SysSelBtnNum) {
        case 1: IBDPoptcal(); break;
        case 2: CBDPoptcal(); break;
        case 3: VBDPoptcal(); break;
        case 4:
            if (respNum == 1) PRdriverDPoptcal();
            else if (respNum == 2) PRprDPoptcal();
            break;
        case 5: SVDPoptcal(); break;
        case 6: PVDPoptcal(); break;
        case 7:
            if (respNum == 1) CCDPSP1optcal();
            else if (respNum == 2) CCDPSP2optcal();
            break;
        case 8:
            if (respNum == 1) CVDPSP1optcal();
            else if (respNum == 2) CVDPSP2optcal();
            break;
        default: break;
        }
        break;
    case 2:
        switch (state.selection.SysSelBtnNum) {
        case 1: KTDPoptcal();  // Raveza Box
            break;
        case 2: if (respNum == 1) PKdriverDPoptcal(); else if (respNum == 2) PKprDPoptcal();  // Passive Raveza
            break;
        case 3: SK1DPoptcal();  // Serial Raveza Type1
            break;
        case 4: SK2DPoptcal();  // Serial Raveza Type2
            break;
        case 5: TVDPoptcal();  // Twin Vented
            break;
        case 6: TSDPoptcal();  // Twin Serial
            break;
        case 7: DeltaDPoptcal();  // Delta Vented
            break;
        case 8:  // Triple Vented: one driver when the halves are alike
            if (tripleVentedIsSymmetric() || state.point.respNum == 1) TRIDPSP1optcal();
            else if (state.point.respNum == 2) TRIDPSP2optcal();
            break;
        default: break;
        }
        break;
    default: break;
    }
    return 0;
}

}  // namespace quendal
