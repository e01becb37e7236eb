#include "response/ImpedancePlot.h"

#include <cmath>

#include "enclosures/EnclosureUnits.h"
#include "engine/ImpedancePageQ.h"
#include "model/State.h"
#include "response/CofCal.h"
#include "response/ReferenceLevel.h"
#include "response/SweepGrid.h"

namespace quendal {

namespace {

bool isTwoDriverSystem() {
    const int32_t n = currentSystemNumber();
    return n == kComplexClosed || n == kComplexVented || (n == kTripleVented && !tripleVentedIsSymmetric());
}

// The first steps of the sweep preparation. The current-drive coefficients
// (the driver's mechanical Q) follow: the impedance sweeps and the read-out
// hold them in state.coef for their own time only; every other reader sees
// the total Q.
void setImpedanceScalesForSweep() {
    QEScal();
    setImpedanceScales();
}

// Bottom line y = 330 is 0 ohm; at IMPscal 1 the 280 px hold about 100 ohm.
void impedanceScreenY() {
    impPlot3();
    PlotPoint& p = state.point;
    p.yy = static_cast<float>(-2.81 * state.scales.IMPscal * p.yyLinea + 330.0);
}

}  // namespace

int32_t impedanceCurveCount() {
    const int32_t n = currentSystemNumber();
    if (n == kNoSystem) return 0;
    if (isTwoDriverSystem()) return 3;
    if (n == kTripleVented) return 2;
    return 1;
}

int32_t impOptCal() {
    PlotPoint& p = state.point;
    setImpedanceScalesForSweep();
    const CurrentDriveCoefficients currentDrive(CofCal);
    p.yy1 = 0.0f;
    bool first = true;
    for (float k = kGridStart; k <= kGridEnd; k += kGridStep) {
        setGridFrequency(k);
        clearPointResult();
        impPlot3();
        p.yy = p.yyLinea;
        if (!std::isfinite(p.yy)) continue;
        if (first || p.yy > p.yy1) p.yy1 = p.yy;
        first = false;
    }
    return 0;
}

int32_t impSetScale() {
    const double g = state.scales.G1;
    double& scale = state.scales.IMPscal;
    if (g < 10.0) scale = 10.0;
    else if (g < 25.0) scale = 4.0;
    else if (g < 50.0) scale = 2.0;
    else if (g < 100.0) scale = 1.0;
    else if (g < 149.0) scale = 0.666666;
    else if (g < 199.0) scale = 0.5;
    else if (g < 299.0) scale = 0.333333;
    else if (g < 499.0) scale = 0.2;
    else scale = 0.1;
    return 0;
}

int32_t impOpt() {
    GraphScales& s = state.scales;
    PlotPoint& p = state.point;
    const Str255& connection = state.view.s_Imp;
    s.G1 = 0.0;
    s.G2 = 0.0;
    const int32_t n = currentSystemNumber();
    if (isTwoDriverSystem()) {
        // A parallel pair is scaled by the larger single driver, a serial
        // pair by the pair itself.
        if (connection == "Para") {
            p.respNum = 2;
            impOptCal();
            s.G1 = p.yy1;
            p.respNum = 3;
            impOptCal();
            s.G2 = p.yy1;
            if (s.G2 > s.G1) s.G1 = s.G2;
            impSetScale();
        } else if (connection == "Seri") {
            p.respNum = 1;
            impOptCal();
            s.G1 = p.yy1;
            impSetScale();
        }
    } else if (n == kTripleVented) {
        if (connection == "Para" || connection == "Seri") {
            p.respNum = connection == "Para" ? 2 : 1;
            impOptCal();
            s.G1 = p.yy1;
            impSetScale();
        }
    } else {
        impOptCal();
        s.G1 = p.yy1;
        impSetScale();
    }
    return 0;
}

int32_t impPlot() {
    const int32_t count = impedanceCurveCount();
    if (count == 1) {
        setSingleCurveDrawingState();
        impPlot2();
    } else if (count > 1) {
        PlotPoint& p = state.point;
        for (p.respNum = 1; p.respNum < count + 1; ++p.respNum) {
            setSetCurveDrawingState(p.respNum, 2.0);
            impPlot2();
        }
    }
    return 0;
}

int32_t impPlot2() {
    setImpedanceScalesForSweep();
    const CurrentDriveCoefficients currentDrive(CofCal);
    sweepUpAndDraw(impedanceScreenY);
    return 0;
}

int32_t impReadOut() {
    PlotPoint& p = state.point;
    // Building the coefficients may move the point to a unit's reference
    // frequency; the read-out's frequency is put back before the point.
    const float f = p.f, ff = p.ff;
    const CurrentDriveCoefficients currentDrive(CofCal);
    p.f = f;
    p.ff = ff;
    impPlot3();
    return 0;
}

int32_t impPlot3() {
    switch (state.selection.SysSelTabNum) {
    case 1:
        switch (state.selection.SysSelBtnNum) {
        case 1: IBIMPcal(); break;
        case 2: CBIMPcal(); break;
        case 3: VBIMPcal(); break;
        case 4: PRIMPcal(); break;
        case 5: SVIMPcal(); break;
        case 6: PVIMPcal(); break;
        case 7:
            if (state.point.respNum == 1) {
                if (state.view.s_Imp == "Para") CCIMPparacal();
                else if (state.view.s_Imp == "Seri") CCIMPserical();
            } else if (state.point.respNum == 2) {
                CCIMPSP1cal();
            } else if (state.point.respNum == 3) {
                CCIMPSP2cal();
            }
            break;
        case 8:
            if (state.point.respNum == 1) {
                if (state.view.s_Imp == "Para") CVIMPparacal();
                else if (state.view.s_Imp == "Seri") CVIMPserical();
            } else if (state.point.respNum == 2) {
                CVIMPSP1cal();
            } else if (state.point.respNum == 3) {
                CVIMPSP2cal();
            }
            break;
        default: break;
        }
        break;
    case 2:
        switch (state.selection.SysSelBtnNum) {
        case 1: KTIMPcal();  // Raveza Box
            break;
        case 2: PKIMPcal();  // Passive Raveza
            break;
        case 3: SK1IMPcal();  // Serial Raveza Type1
            break;
        case 4: SK2IMPcal();  // Serial Raveza Type2
            break;
        case 5: TVIMPcal();  // Twin Vented
            break;
        case 6: TSIMPcal();  // Twin Serial
            break;
        case 7: DeltaIMPcal();  // Delta Vented
            break;
        case 8:  // Triple Vented: the pair as wired, then each driver alone
            if (state.point.respNum == 1) {
                if (state.view.s_Imp == "Para") TRIIMPparacal();
                else if (state.view.s_Imp == "Seri") TRIIMPserical();
            } else if (state.point.respNum == 2) {
                TRIIMPSP1cal();
            } else if (state.point.respNum == 3 && !tripleVentedIsSymmetric()) {
                TRIIMPSP2cal();
            }
            break;
        default: break;
        }
        break;
    default: break;
    }
    return 0;
}

}  // namespace quendal
