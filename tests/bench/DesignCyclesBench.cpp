// What each design opened and closed leaves behind: a design document
// opened into its windows (the response window, the System Info and custom
// palettes) and closed again, with the posted events and deferred deletions
// run after each cycle as the event loop runs them between events. (A loop
// that never runs them grows Qt's queue of posted events by the requests of
// every widget made, gone or not: about 10 KB a cycle.)
//
//   DesignCycles/<system>   one open and close of a design of that system
//
// Not a timing: the counters are the growth of the heap in use and of the
// resident size, in KB per 1,000 cycles, after a warm-up that fills the
// caches any first design fills. Goal: under 1 MB per 1,000 cycles.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include <QCoreApplication>
#include <QEvent>

#include "app/CommandDispatch.h"
#include "app/ControlHits.h"
#include "app/DesignDocument.h"
#include "app/DesignFlow.h"
#include "app/DocumentFiles.h"
#include "model/ParameterPasses.h"
#include "app/PopupMenus.h"
#include "app/WindowEvents.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"

namespace quendal {
namespace {

constexpr int kWarmUpCycles = 20;
constexpr int kCycles = 1000;

double heapInUseKB() {
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks + info.hblkhd) / 1024.0;
}

double residentKB() {
    long pages = 0, resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(statm);
    }
    return double(resident) * double(::sysconf(_SC_PAGESIZE)) / 1024.0;
}

// The shell as it starts, with a design document of the system on disk.
std::string prepare(int32_t tab, int32_t button) {
    static int argc = 0;
    platform::startApplication(argc, nullptr);
    platform::resetPlatform();
    resetState();
    BuildPopupMenu();
    InstallApplicationHandler();
    platform::setDefaultHandlers(WindowEventHandler, ControlHitHandler);
    InitItemBoxParameters();
    state.prefs.UpdateForCheck = 0;
    state.selection.SysSelTabNum = tab;
    state.selection.SysSelBtnNum = button;
    state.selection.InitSysType = 2;
    state.speaker.s_SP = "Woofer-8";
    state.box.VB = 42.0;
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("quendal-cycles-" + std::to_string(::getpid()) + ".qndl")).string();
    std::ofstream(path, std::ios::binary) << encodeDesignDocument(state);
    return path;
}

bool openAndClose(const std::string& path) {
    state.document.g_FsRef = path;
    OpenDocmFile();
    const bool opened = platform::windowExists(kResponseWindow) && platform::windowExists(kCustomPalette);
    ResposeWindowClose();
    // What the event loop does between two events: the posted events (the
    // polish, layout and update requests of the widgets made) and the
    // deferred deletions of the windows closed. Without it Qt's queue of
    // posted events only grows.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return opened && !platform::windowExists(kResponseWindow);
}

void BM_DesignCycles(benchmark::State& bench, int32_t tab, int32_t button) {
    const std::string path = prepare(tab, button);
    for (int i = 0; i < kWarmUpCycles; ++i) {
        if (!openAndClose(path)) {
            bench.SkipWithError("the design did not open and close");
            std::filesystem::remove(path);
            return;
        }
    }
    const double heapBefore = heapInUseKB(), residentBefore = residentKB();
    for (auto _ : bench) openAndClose(path);
    const double perThousand = double(kCycles) / double(bench.iterations());
    bench.counters["heap_KB_per_1000"] = (heapInUseKB() - heapBefore) * perThousand;
    bench.counters["rss_KB_per_1000"] = (residentKB() - residentBefore) * perThousand;
    std::filesystem::remove(path);
    platform::resetPlatform();
    resetState();
}

const bool kRegistered = [] {
    benchmark::RegisterBenchmark("DesignCycles/VentedBox", BM_DesignCycles, 1, 3)
        ->Iterations(kCycles)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("DesignCycles/TripleVented", BM_DesignCycles, 2, 8)
        ->Iterations(kCycles)
        ->Unit(benchmark::kMillisecond);
    return true;
}();

}  // namespace
}  // namespace quendal
