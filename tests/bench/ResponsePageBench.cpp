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
//                            a new loss factor from its popup (Qb, or Qa
//                            where the box has no vent), recalculated and
//                            redrawn with both palettes shown.
//   PaletteCalc/amp/<system>  a value typed into the first entry of the
//                            custom alignment and taken with Calc.: checked,
//                            recalculated and redrawn, both palettes shown.
// After every redraw Qt's deferred deletions run, as the event loop runs
// them. Goals: a page and a value change within 1 ms, a read-out update
// within 0.2 ms (medians).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include <QCoreApplication>
#include <QEvent>

#include "response/CofCal.h"
#include "model/ParameterPasses.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "gui_palette/PaletteMenus.h"
#include "palette/CustomPalette.h"
#include "palette/CustomPaletteCalc.h"
#include "palette/CustomPaletteValues.h"
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

// The design of `prepare` at alignment `alin`, redrawn with both palettes
// shown, as after a design's start.
void showWithPalettes(int32_t alin) {
    test::buildPaletteMenus();
    state.box.PopupItem1 = state.box.PopupItem2 = state.box.PopupItem3 = state.box.PopupItem4 =
        state.box.PopupItem5 = 3;
    BoxParameterBackup();  // the values of alignment 1 accepted, as the custom alignment's entries
    state.selection.Alin = alin;
    SystemInfoFloatPalet();
    CustomFloatPalet();
    state.view.ReDispWnd = 2;
    ReDispResposeWnd();
    runDeferredDeletions();
}

// The rest of what the event loop does between two changes (layout,
// painting), untimed: left waiting, those events would pile up.
void betweenChanges(benchmark::State& bench) {
    bench.PauseTiming();
    QCoreApplication::sendPostedEvents();
    bench.ResumeTiming();
}

void closePalettes() {
    platform::closeWindow(kCustomPalette);  // the other benchmarks draw without palettes
    platform::closeWindow(kSystemInfoPalette);
    runDeferredDeletions();
}

void BM_PaletteValue(benchmark::State& bench, SystemName system, const char* page) {
    prepare(system, page);
    showWithPalettes(1);
    // Qb of the first vented chamber; a closed box has only Qa.
    const int32_t popup = platform::controlExists(kCustomPalette, kPaletteQbPopup1) ? kPaletteQbPopup1 : kPaletteQaPopup1;
    int32_t item = 3;
    for (auto _ : bench) {
        item = item == 3 ? 4 : 3;  // Qb 7, then 10 (Qa 10, then 15)
        platform::setControlValue(kCustomPalette, popup, item);
        CustumPaletPopupClick(popup);
        runDeferredDeletions();
        betweenChanges(bench);
    }
    closePalettes();
}

// The custom alignment of each system, by tab and button: the last item of
// its Alignment menu.
constexpr int32_t kCustomAlignment[2][8] = {{2, 3, 4, 4, 5, 3, 2, 2}, {4, 5, 3, 3, 4, 3, 4, 5}};

void BM_PaletteCalc(benchmark::State& bench, SystemName system) {
    prepare(system, "amp");
    showWithPalettes(kCustomAlignment[system.tab - 1][system.button - 1]);
    const int32_t field = currentEntryFields().first;
    // The entry as shown, and 5 % more: each Calc. a new design.
    const std::string shown = platform::controlText(kCustomPalette, field);
    char more[64];
    std::snprintf(more, sizeof more, "%.2f", std::stod(shown) * 1.05);
    const std::string texts[2] = {shown, more};
    int32_t n = 0;
    for (auto _ : bench) {
        n = 1 - n;
        platform::setControlText(kCustomPalette, field, texts[n]);
        CustumPaletCalcReturn();
        runDeferredDeletions();
        betweenChanges(bench);
    }
    if (std::stod(platform::controlText(kCustomPalette, field)) != std::stod(texts[n]))
        bench.SkipWithError("Calc. refused the value");
    closePalettes();
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
    // Every system with a box: the Infinite Baffle has neither losses nor
    // entries.
    for (const SystemName& s : kSystems)
        if (s.tab != 1 || s.button != 1)
            benchmark::RegisterBenchmark((std::string("PaletteValue/amp/") + s.name).c_str(), BM_PaletteValue, s, "amp")
                ->Unit(benchmark::kMicrosecond);
    for (const SystemName& s : {kSystems[2], kSystems[15]})
        benchmark::RegisterBenchmark((std::string("PaletteValue/imp/") + s.name).c_str(), BM_PaletteValue, s, "imp")
            ->Unit(benchmark::kMicrosecond);
    for (const SystemName& s : kSystems)
        if (s.tab != 1 || s.button != 1)
            benchmark::RegisterBenchmark((std::string("PaletteCalc/amp/") + s.name).c_str(), BM_PaletteCalc, s)
                ->Unit(benchmark::kMicrosecond);
    return true;
}();

}  // namespace
}  // namespace quendal
