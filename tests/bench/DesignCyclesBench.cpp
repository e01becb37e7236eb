// What each design opened and closed leaves behind: a design document
// opened into its windows (the response window, the System Info and custom
// palettes) and closed again with File > Close, each opening and each
// closing run from a timer event of the platform's event loop, as the
// program runs them: whatever the loop does between two events (posted
// events, deferred deletions, painting) it does here too, and nothing more.
// Each design is closed only once its windows have been painted: what the
// painting keeps (the pixmaps of the buttons' pictures) counts too.
//
//   DesignCycles/<system>   one open and close of a design of that system
//
// Not a timing: the counters are the growth of the heap in use and of the
// resident size in KB, and of the number of widgets, per 1,000 cycles,
// after a warm-up that fills the caches any first design fills. Goal: under
// 200 KB of heap per 1,000 cycles.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <QApplication>
#include <QWidget>
#include <QWindow>

#include "app/CommandDispatch.h"
#include "app/ControlHits.h"
#include "app/DesignDocument.h"
#include "app/DocumentFiles.h"
#include "app/MenuBar.h"
#include "app/PopupMenus.h"
#include "app/WindowEvents.h"
#include "dialogs/DesignStart.h"
#include "engine/CalculationContract.h"
#include "model/ParameterPasses.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"
#include "platform/qt/Registry.h"
#include "response/CofCal.h"
#include "response/SpConCal.h"
#include "response/VentSizing.h"
#include "model/InputPower.h"

namespace quendal {
namespace {

// The first designs fill caches once: Qt's and the allocator's own (free
// blocks the allocator keeps count as in use for a while), for about 150
// cycles in a new process.
constexpr int kWarmUpCycles = 200;
constexpr int kCycles = 1000;
constexpr double kWait = 0.001;   // s between two looks at the design's windows
constexpr int kMostWaits = 5000;  // looks before the design counts as never shown
constexpr int32_t kCloseItem = 3;  // File > Close

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

bool shown(platform::WindowNumber window) {
    QWidget* widget = platform::qt::windowWidget(window);
    return widget != nullptr && widget->windowHandle() != nullptr && widget->windowHandle()->isExposed();
}

double widgetCount() { return double(QApplication::allWidgets().size()); }

// The shell as it starts, and a design document of the system on disk,
// designed as a new design is: the entered driver in use, the system's
// first alignment, its vents sized. Empty with `problem` set when the
// document would not be read back.
std::string prepare(int32_t tab, int32_t button, std::string& problem) {
    static int argc = 0;
    platform::startApplication(argc, nullptr);
    platform::resetPlatform();
    resetState();
    BuildPopupMenu();
    InstallApplicationHandler();
    platform::setDefaultHandlers(WindowEventHandler, ControlHitHandler);
    InitMenu11();
    platform::setMenuHost("Quendal");
    InitItemBoxParameters();
    state.prefs.UpdateForCheck = 0;
    state.prefs.InitSetupCheck = 0;

    OriginalBoxParametersPass();
    state.connection.SpConNum = 1;
    SpconCal();
    state.selection.SysSelTabNum = tab;
    state.selection.SysSelBtnNum = button;
    state.selection.InitSysType = systemHasVents(currentSystemNumber()) ? 2 : 1;
    resetDesignForNewSystem();
    state.power.PinTemp = state.power.InputPower;
    PINcalc();
    CofCal();
    AsVentOpt();
    BoxParameterBackup();

    const std::string design = encodeDesignDocument(state);
    auto read = std::make_unique<ProgramState>(state);
    if (!decodeDesignDocument(design, *read, &problem)) return {};
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("quendal-cycles-" + std::to_string(::getpid()) + ".qndl")).string();
    std::ofstream(path, std::ios::binary) << design;
    return path;
}

// The cycles as a chain of timer events: each opening is the file-open
// timer's, each closing the File menu's Close chosen from a timer event
// once the design's windows are on the screen (shown and painted, as the
// user would see them). The figures are taken from timer events as well,
// after the warm-up and after the last cycle.
struct Cycles {
    std::string path;
    int total = 0, done = 0, waits = 0;
    const char* failure = nullptr;
    double heap = 0.0, resident = 0.0, widgets = 0.0;

    void measure(double sign) {
        heap += sign * heapInUseKB();
        resident += sign * residentKB();
        widgets += sign * widgetCount();
    }
    void fail(const char* why) {
        failure = why;
        platform::quitApplication(1);
    }
    void open() {
        if (done == kWarmUpCycles) measure(-1.0);
        if (done == total) {
            measure(1.0);
            platform::quitApplication(0);
            return;
        }
        state.document.g_FsRef = path;
        state.shell.SelfOpenFlag = 1;
        InstallCarbonTimerFileOpen(0.0, 0.0);
        waits = 0;
        platform::installTimer(0.0, [this] { close(); });
    }
    void close() {
        if (platform::isTimerPending(state.document.FileOpenTimer) || !shown(kResponseWindow) ||
            !shown(kSystemInfoPalette) || !shown(kCustomPalette)) {
            if (++waits > kMostWaits) return fail("the design's windows were not shown");
            platform::installTimer(kWait, [this] { close(); });
            return;
        }
        if (platform::sendCommand(kFileMenu, kCloseItem) != platform::kHandled ||
            platform::windowExists(kResponseWindow))
            return fail("File > Close did not close the design");
        ++done;
        platform::installTimer(0.0, [this] { open(); });
    }
};

void BM_DesignCycles(benchmark::State& bench, int32_t tab, int32_t button) {
    std::string problem;
    const std::string path = prepare(tab, button, problem);
    if (path.empty()) {
        bench.SkipWithError(("the design document would not be read back: " + problem).c_str());
        return;
    }
    Cycles cycles;
    cycles.path = path;
    while (bench.KeepRunningBatch(kCycles)) {
        cycles.total = kWarmUpCycles + kCycles;
        platform::installTimer(0.0, [&cycles] { cycles.open(); });
        platform::runEventLoop();  // leaves the layer as just started
    }
    std::filesystem::remove(path);
    resetState();
    if (cycles.failure != nullptr) {
        bench.SkipWithError(cycles.failure);
        return;
    }
    const double perThousand = 1000.0 / double(kCycles);
    bench.counters["heap_KB_per_1000"] = cycles.heap * perThousand;
    bench.counters["rss_KB_per_1000"] = cycles.resident * perThousand;
    bench.counters["widgets_per_1000"] = cycles.widgets * perThousand;
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
