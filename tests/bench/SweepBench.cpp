// How long the response window's curves take to compute and hand to the
// drawing layer. A redraw runs on every parameter change, so a whole page
// must stay far below a frame's time.
#include <benchmark/benchmark.h>

#include "model/State.h"
#include "response/ResponseCal.h"
#include "platform/DrawSurface.h"

namespace quendal {
namespace {

// A surface that takes each element and throws it away, so that only the
// calculation and the drawing state are measured.
class DiscardingSurface : public DrawSurface {
public:
    double width() const override { return 540; }
    double height() const override { return 390; }
    void line(double, double, double, double, const Stroke&, const ClipRect*) override { ++elements; }
    void rect(double, double, double, double, bool, const Stroke&) override { ++elements; }
    void arc(double, double, double, double, double, bool, const Stroke&) override { ++elements; }
    void text(double, double, std::string_view, int32_t, double, const Colour&) override { ++elements; }
    void picture(double, double, double, double, std::string_view, std::string_view) override { ++elements; }
    void eraseRect(double, double, double, double) override { ++elements; }
    void clear() override {}
    long elements = 0;
};

class DiscardingProvider : public SurfaceProvider {
public:
    DrawSurface* windowSurface(int32_t) override { return &surface; }
    DrawSurface* printSurface() override { return &surface; }
    DiscardingSurface surface;
};

void setUpVentedBox() {
    resetState();
    SpeakerParameters& sp = state.speaker;
    sp.FS = 30.0; sp.VAS = 100.0; sp.QTS = 0.35; sp.QMS = 5.0; sp.QES = 0.376;
    sp.RE = 6.0; sp.LE = 1.0; sp.SD = 500.0; sp.VD = 250.0; sp.XMAX = 5.0; sp.PEMX = 100.0;
    state.box.QA = state.box.QA1 = state.box.QA2 = 10.0;
    state.box.QL = state.box.QL1 = state.box.QL2 = state.box.QL3 = 7.0;
    state.selection.SysSelTabNum = 1;
    state.selection.SysSelBtnNum = 3;
    state.selection.Alin = 1;
    state.view.Disp = 2;
}

void BM_AmplitudePageVentedBox(benchmark::State& bench) {
    setUpVentedBox();
    DiscardingProvider provider;
    setSurfaceProvider(&provider);
    for (auto _ : bench) {
        SPLcal();
        ampPlot();
        benchmark::DoNotOptimize(provider.surface.elements);
    }
    setSurfaceProvider(nullptr);
}
BENCHMARK(BM_AmplitudePageVentedBox);

void BM_StepResponseVentedBox(benchmark::State& bench) {
    setUpVentedBox();
    state.view.s_Resp = "st";
    state.scales.timeScale = 1.0;
    DiscardingProvider provider;
    setSurfaceProvider(&provider);
    for (auto _ : bench) {
        StepPlot();
        benchmark::DoNotOptimize(provider.surface.elements);
    }
    setSurfaceProvider(nullptr);
}
BENCHMARK(BM_StepResponseVentedBox);

// Every page with a frequency axis of one system, once each: what a user
// paging through the graphs of a design has computed.
void drawEveryFrequencyPage() {
    ViewSettings& v = state.view;
    v.Disp = 2;
    v.s_Resp = "amp";
    SPLcal();
    ampPlot();
    v.s_Resp = "pw";
    pwPlot();
    v.s_Resp = "imp";
    impOpt();
    impPlot();
    v.s_Resp = "dp";
    v.Magni = 1;
    dpOpt();
    dpPlot();
    v.Magni = 0;
    v.s_Resp = "ph";
    phPlot();
    v.s_Resp = "gd";
    if (currentSystemNumber() == kTripleVented) {
        TRIgdOpt();
        TRIgdPlot();
    } else {
        gdOpt();
        gdPlot();
    }
    v.s_Resp = "nq";
    nqPlot();
    v.s_Resp = "as";
    AsDispOpt();
    AsPlot();
}

// The band-pass and compound units evaluate their polynomials at s = j f
// point by point; range(0) is the system's tab, range(1) its button.
void BM_EveryFrequencyPage(benchmark::State& bench) {
    setUpVentedBox();
    state.selection.SysSelTabNum = static_cast<int32_t>(bench.range(0));
    state.selection.SysSelBtnNum = static_cast<int32_t>(bench.range(1));
    state.vents.SV11 = state.vents.SV22 = state.vents.SV33 = 0.003;
    state.power.PIN = 10.0;
    DiscardingProvider provider;
    setSurfaceProvider(&provider);
    for (auto _ : bench) {
        drawEveryFrequencyPage();
        benchmark::DoNotOptimize(provider.surface.elements);
    }
    setSurfaceProvider(nullptr);
}
// Vented Box, Complex Closed, Complex Vented, Raveza Box, Passive Raveza,
// Serial Raveza Type1 and Type2, Twin Vented, Twin Serial, Delta Vented,
// Triple Vented.
BENCHMARK(BM_EveryFrequencyPage)
    ->ArgNames({"tab", "button"})
    ->Args({1, 3})
    ->Args({1, 7})
    ->Args({1, 8})
    ->Args({2, 1})
    ->Args({2, 2})
    ->Args({2, 3})
    ->Args({2, 4})
    ->Args({2, 5})
    ->Args({2, 6})
    ->Args({2, 7})
    ->Args({2, 8});

}  // namespace
}  // namespace quendal
