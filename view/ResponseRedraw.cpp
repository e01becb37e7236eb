#include "view/ResponseRedraw.h"

#include "engine/AlignmentValuesKept.h"
#include "response/CofCal.h"
#include "response/DesignComputation.h"
#include "response/ResponseCal.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"
#include "view/Explanation.h"
#include "model/InputPower.h"
#include "view/NyquistReadout.h"
#include "view/ReSweep.h"
#include "view/ShellHooks.h"
#include "view/ViewMenu.h"
#include "view/ResponseGraphs.h"
#include "view/WindowErase.h"
#include "model/ParameterPasses.h"
#include "view/SystemProfile.h"
#include "view/VentInfo.h"
#include "response/VentRecords.h"

namespace quendal {

namespace {

constexpr int32_t kUpArrow = 407, kDownArrow = 408;

bool isPage(const char* page) { return state.view.s_Resp == page; }

void legendAfterCurves(int32_t (*legend)()) {
    state.draw.ClippingFlag = 1;  // the strip lies below the clipped graph area
    legend();
}

}  // namespace

// The rows of the page table; the band-pass tab runs the same rows except
// for the Triple Vented group delay and step response.
bool DrawResponsePage(PageTarget target) {
    // Drawing a page only looks at the design: the sweeps build the
    // coefficients again, and what that leaves of the alignment goes.
    const AlignmentValuesKept design;
    const int32_t tab = state.selection.SysSelTabNum;
    const int32_t button = state.selection.SysSelBtnNum;
    const bool screen = target == PageTarget::Screen;
    const bool tripleVented = tab == 2 && button == 8;
    if (isPage("amp")) {
        SPLcal();
        ampGraph();
        ampPlot();
        legendAfterCurves(AmpExplanation);
    } else if (isPage("pw")) {
        pwGraph();
        pwPlot();
        legendAfterCurves(PwExplanation);
    } else if (isPage("imp")) {
        if (screen) impOpt();  // a print keeps the scale the screen found
        impGraph();
        impPlot();
        legendAfterCurves(ImpExplanation);
    } else if (isPage("dp")) {
        dpOpt();
        dpGraph();
        dpPlot();
        legendAfterCurves(DpExplanation);
    } else if (isPage("ph")) {
        phGraph();
        phPlot();
    } else if (isPage("gd")) {
        if (tab == 2 && (button < 1 || button > 8)) return false;
        if (tripleVented) {
            TRIgdOpt();
            gdGraph();
            TRIgdPlot();
        } else {
            gdOpt();
            gdGraph();
            gdPlot();
        }
    } else if (isPage("nq")) {
        nqGraph();
        nqPlot();
    } else if (isPage("as")) {
        AsDispOpt();
        asGraph();
        AsPlot();
        legendAfterCurves(AsExplanation);
    } else if (isPage("st")) {
        StepGraph();
        if (tripleVented) TRIStepPlot();
        else StepPlot();
    } else if (isPage("sys")) {
        state.draw.ClippingFlag = 1;
        SystemProfile();
        return false;
    } else if (isPage("vent")) {
        if (screen && tab == 1) ParallelVentedVentOpt();
        state.draw.ClippingFlag = 1;
        VentInfo();
        return false;
    } else {
        return false;
    }
    return true;
}

namespace {

void enableViewItems(std::initializer_list<int32_t> items, bool enabled) {
    for (int32_t item : items) platform::setMenuItemEnabled(kViewMenu, item, enabled);
}

}  // namespace

int32_t ResponsePlot() {
    platform::setCurrentWindow(kResponseWindow);
    forgetResweeps();
    const int32_t tab = state.selection.SysSelTabNum;
    if (tab == 1 || tab == 2) DrawResponsePage(PageTarget::Screen);
    state.draw.ClippingFlag = 0;
    BoxParameterBackup();
    // The connection drawn is the one in use; a pick in the connection
    // sheet standing over the window is not, until it is applied.
    if (state.connection.SpConSel != 1) state.connection.SpConNumBak = state.connection.SpConNum;
    return 0;
}

int32_t MenuPlotForResponse() {
    const int32_t tab = state.selection.SysSelTabNum;
    const int32_t button = state.selection.SysSelBtnNum;
    if (isPage("amp")) {
        enableViewItems({0, 1, 2, 4, 5}, true);
        // Total only, all characters, comparison: what the system can show.
        bool total = true, all = true, compare = true;
        if (tab == 1 && button == 1) total = all = compare = false;
        else if ((tab == 1 && (button == 2 || button == 7)) || (tab == 2 && (button == 1 || button == 2))) all = false;
        platform::setMenuItemEnabled(kViewMenu, 7, total);
        platform::setMenuItemEnabled(kViewMenu, 8, all);
        platform::setMenuItemEnabled(kViewMenu, 9, compare);
        if (tab == 1) platform::checkOneMenuItem(kResponseMenu, 1);
    } else if (isPage("dp")) {
        enableViewItems({0, 1, 2, 4, 5}, true);
        enableViewItems({7, 8, 9}, false);
        if (state.view.Magni == 1) enableViewItems({4, 5}, false);  // millimetres have no dB scale
    } else if (isPage("pw") || isPage("imp") || isPage("ph") || isPage("gd") || isPage("nq") || isPage("st") ||
               isPage("as") || isPage("sys") || isPage("vent")) {
        Menu9_Disable();
        if (tab == 2 && isPage("gd")) platform::setMenuItemEnabled(kMiscMenu, 7, false);
    }
    SetItemMarkOnViewMenu();
    return 0;
}

int32_t ReDispResposeWndCommon() {
    platform::setCurrentWindow(kResponseWindow);
    beginLegendRedraw();
    if (!isPage("nq") || state.cursor.detailTriBtn != 1) {  // the Nyquist read-out keeps its arrows
        platform::removeControl(kResponseWindow, kUpArrow);
        platform::removeControl(kResponseWindow, kDownArrow);
    }
    MenuPlotForResponse();
    ResponsePlot();
    endLegendRedraw();
    ShowDetailTriBtnSetting();
    return 0;
}

int32_t RecalculateDesign() { return computeDrawnDesign(); }

int32_t ReDispResposeWnd() {
    platform::selectWindow(kResponseWindow);
    platform::setCurrentWindow(kResponseWindow);
    eraseResponseRect(0, 0, 540, 900);
    refreshWindows(WindowRefresh::ResponseWindowSize);
    switch (state.view.ReDispWnd) {
        case 1:
            PINcalc();
            ReDispResposeWndCommon();
            break;
        case 2:
            RecalculateDesign();
            ReDispResposeWndCommon();
            refreshWindows(WindowRefresh::Palettes);
            break;
        default: break;
    }
    if (platform::windowExists(kResponseWindow)) compareDesign(DesignComparison::AfterDrawing);
    return 0;
}

}  // namespace quendal
