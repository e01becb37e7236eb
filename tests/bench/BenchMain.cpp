// The benchmarks run headless, in an application of their own, so that the
// response page can draw into a real window's retained image.
#include <QApplication>
#include <benchmark/benchmark.h>

#include "app/ShellHooks.h"
#include "platform/Platform.h"
#include "support/TestEnvironment.h"

namespace {

// The offscreen platform cannot raise windows and says so on every redraw.
void quietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtWarningMsg && message.contains(QLatin1String("raise()"))) return;
    fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

int main(int argc, char** argv) {
    quendal::test::prepareTestEnvironment();
    qInstallMessageHandler(quietMessages);
    QApplication app(argc, argv);
    quendal::platform::startApplication(argc, argv);
    // The windows reach the shell through its hooks, as in the program.
    quendal::installShellHooks();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
