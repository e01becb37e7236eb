// How long the response window's curves take to compute and hand to the
// drawing layer. A redraw runs on every parameter change, so a whole page
// must stay far below a frame's time.
#include <benchmark/benchmark.h>

#include "engine/ResponseCal.h"
#include "model/State.h"
#include "view/DrawSurface.h"

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

}  // namespace
}  // namespace quendal
