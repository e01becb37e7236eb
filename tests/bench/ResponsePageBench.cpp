// How long the response window takes to show a page and to follow the
// pointer, drawn into the window's retained image as on screen.
//
//   Page/<kind>/<system>     the full recompute and redraw of one page:
//                            coefficients, scale search, frame, sweeps,
//                            legend and read-out (ReDispWnd 2).
//   Pointer/<kind>/<system>  the read-out update for one mouse move over the
//                            graph, at 10 Hz where the phase and Triple
//                            Vented re-sweeps are longest.
//   Slider/nq/<system>       one step of the Nyquist slider.
//   PointerCold/ph/<system>  the first read-out after a new drawing of the
//                            page: the first move to 10 Hz, where the phase
//                            re-sweep is longest.
//   PaletteValue/<kind>/<system>  a live value change in the custom palette:
//                            a new Qb from its popup, recalculated and
//                            redrawn with both palettes shown.
// After every redraw Qt's deferred deletions run, as the event loop runs
// them. Goals: a page and a value change within 1 ms, a read-out update
// within 0.2 ms (medians).
#include <benchmark/benchmark.h>

#include <string>

#include <QCoreApplication>
#include <QEvent>

#include "response/CofCal.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "gui_palette/PaletteMenus.h"
#include "palette/CustomPalette.h"
#include "palette/CustomPaletteCalc.h"
#include "platform/Platform.h"
#include "selection/SystemInfoPalette.h"
#include "support/DrawnCurves.h"
#include "view/NyquistReadout.h"
#include "view/ResponsePointer.h"
#include "view/ResponseRedraw.h"

namespace quendal {
namespace {

struct SystemName {
    int32_t tab, button;
    const char* name;
};
constexpr SystemName kSystems[] = {
    {1, 1, "InfiniteBaffle"}, {1, 2, "ClosedBox"},       {1, 3, "VentedBox"},        {1, 4, "PassiveRadiator"},
    {1, 5, "SerialVented"},   {1, 6, "TwinSerialVented"}, {1, 7, "ComplexClosed"},   {1, 8, "ComplexVented"},
    {2, 1, "RavezaBox"},      {2, 2, "PassiveRaveza"},   {2, 3, "SerialRavezaType1"}, {2, 4, "SerialRavezaType2"},
    {2, 5, "TwinVented"},     {2, 6, "TwinSerial"},      {2, 7, "DeltaVented"},      {2, 8, "TripleVented"},
};
constexpr const char* kPages[] = {"amp", "pw", "imp", "dp", "ph", "gd", "nq", "as", "st"};

// The response window at its default size, shown, with a design of the
// system and the read-out area open.
void prepare(const SystemName& system, const char* page) {
    static int argc = 0;
    platform::startApplication(argc, nullptr);  // the layer's surfaces again, after another benchmark's
    if (!platform::windowExists(kResponseWindow)) {
        platform::createWindow(kResponseWindow, platform::WindowKind::Document, Rect16{100, 100, 490, 640}, "Response");
        platform::showWindow(kResponseWindow);
    }
    resetState();
    test::useEnteredDriver();
    state.box.QA = state.box.QA1 = state.box.QA2 = 10.0;
    state.box.QL = state.box.QL1 = state.box.QL2 = state.box.QL3 = 7.0;
    state.radiator.QP = 5.0;
    state.vents.SV11 = state.vents.SV22 = state.vents.SV33 = 0.005;  // m^2
    state.selection.SysSelTabNum = system.tab;
    state.selection.SysSelBtnNum = system.button;
    state.selection.Alin = 1;
    CofCal();
    state.view.Disp = 2;  // every component curve the system has
    state.view.s_Resp = page;
    state.cursor.detailTriBtn = 1;
}

// The controls a redraw removed are deleted, as the event loop deletes them.
void runDeferredDeletions() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

void BM_Page(benchmark::State& bench, SystemName system, const char* page) {
    prepare(system, page);
    state.view.ReDispWnd = 2;
    for (auto _ : bench) {
        ReDispResposeWnd();
        runDeferredDeletions();
    }
}

void BM_Pointer(benchmark::State& bench, SystemName system, const char* page) {
    prepare(system, page);
    state.view.ReDispWnd = 1;
    ReDispResposeWnd();
    int32_t x = 45;
    for (auto _ : bench) {
        responsePointerMoved(x, 200);
        x = x == 45 ? 46 : 45;  // a real move, at the low end where re-sweeps are longest
    }
}

void BM_PointerCold(benchmark::State& bench, SystemName system) {
    prepare(system, "ph");
    state.view.ReDispWnd = 1;
    for (auto _ : bench) {
        bench.PauseTiming();
        responsePointerMoved(505, 200);  // the read-out the drawing shows at 1 kHz, where it costs nothing
        ReDispResposeWnd();
        runDeferredDeletions();
        bench.ResumeTiming();
        responsePointerMoved(45, 200);
    }
}

void BM_Slider(benchmark::State& bench, SystemName system) {
    prepare(system, "nq");
    state.view.ReDispWnd = 1;
    ReDispResposeWnd();
    int32_t position = 0;
    for (auto _ : bench) {
        nyquistSliderMoved(position);
        position = position == 0 ? 1 : 0;
    }
}

void BM_PaletteValue(benchmark::State& bench, SystemName system, const char* page) {
    prepare(system, page);
    test::buildPaletteMenus();
    state.box.PopupItem1 = state.box.PopupItem2 = state.box.PopupItem3 = state.box.PopupItem4 =
        state.box.PopupItem5 = 3;
    SystemInfoFloatPalet();
    CustomFloatPalet();
    state.view.ReDispWnd = 2;
    ReDispResposeWnd();
    runDeferredDeletions();
    int32_t item = 3;
    for (auto _ : bench) {
        item = item == 3 ? 4 : 3;  // Qb 7, then 10
        platform::setControlValue(kCustomPalette, kPaletteQbPopup1, item);
        CustumPaletPopupClick(kPaletteQbPopup1);
        runDeferredDeletions();
        // The rest of what the event loop does between two changes (layout,
        // painting), untimed: left waiting, those events would pile up.
        bench.PauseTiming();
        QCoreApplication::sendPostedEvents();
        bench.ResumeTiming();
    }
    platform::closeWindow(kCustomPalette);  // the other benchmarks draw without palettes
    platform::closeWindow(kSystemInfoPalette);
    runDeferredDeletions();
}

const bool kRegistered = [] {
    for (const char* page : kPages)
        for (const SystemName& s : kSystems)
            benchmark::RegisterBenchmark((std::string("Page/") + page + "/" + s.name).c_str(), BM_Page, s, page)
                ->Unit(benchmark::kMicrosecond);
    for (const char* page : {"amp", "pw", "imp", "dp", "ph", "gd", "as", "st"})
        for (const SystemName& s : kSystems)
            benchmark::RegisterBenchmark((std::string("Pointer/") + page + "/" + s.name).c_str(), BM_Pointer, s, page)
                ->Unit(benchmark::kMicrosecond);
    for (const SystemName& s : kSystems)
        benchmark::RegisterBenchmark((std::string("Slider/nq/") + s.name).c_str(), BM_Slider, s)
            ->Unit(benchmark::kMicrosecond);
    for (const SystemName& s : kSystems)
        benchmark::RegisterBenchmark((std::string("PointerCold/ph/") + s.name).c_str(), BM_PointerCold, s)
            ->Unit(benchmark::kMicrosecond);
    for (const char* page : {"amp", "imp"})
        for (const SystemName& s : {kSystems[2], kSystems[15]})
            benchmark::RegisterBenchmark((std::string("PaletteValue/") + page + "/" + s.name).c_str(), BM_PaletteValue,
                                         s, page)
                ->Unit(benchmark::kMicrosecond);
    return true;
}();

}  // namespace
}  // namespace quendal
