// The application object, the event loop, and the surfaces the drawing
// primitives draw on.
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QApplication>
#include <QGuiApplication>

#include "platform/qt/ClickRouting.h"
#include "platform/qt/EndingSignals.h"
#include "platform/qt/FocusMark.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/KeyRouting.h"
#include "platform/qt/LocalMessages.h"
#include "platform/ShellServices.h"
#include "platform/qt/Registry.h"
#include "platform/qt/ServerFocus.h"

namespace quendal::platform {

namespace qt {

namespace {

QApplication* gOwnApplication = nullptr;
std::optional<int> gQuitStatus;
std::unique_ptr<PageSurface> gPage;

// Window surfaces by number, and the open page while DoPrint is set.
class QtSurfaceProvider : public SurfaceProvider {
public:
    DrawSurface* windowSurface(int32_t windowNumber) override {
        WindowRecord* record = findWindow(windowNumber);
        return record != nullptr ? surfaceOf(*record) : nullptr;
    }
    DrawSurface* printSurface() override { return gPage.get(); }
};

QtSurfaceProvider gProvider;

}  // namespace

void installSurfaceProvider() { setSurfaceProvider(&gProvider); }

void closePageIfOpen() { gPage.reset(); }

}  // namespace qt

using namespace qt;

void startApplication(int& argc, char** argv) {
    if (QCoreApplication::instance() == nullptr) gOwnApplication = new QApplication(argc, argv);
    // Named before any setting is read: the preferences live under these names.
    QCoreApplication::setOrganizationName(QStringLiteral("Keldrith"));
    QCoreApplication::setApplicationName(QStringLiteral("Quendal"));
    // The program decides when it ends, not the last window closing.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    installFocusMark();
    installKeyRouting();
    installClickRouting();
    useSansAsDefaultFont();
    installSurfaceProvider();
    startEditTracking();
    watchKeyboard();
    followServerFocus();
    installDesktopMessaging();
    installShellServices();
    installZipChecks();
}

int runEventLoop(const std::function<void()>& ending, const std::function<void()>& signalled) {
    // A logout, Ctrl+C or a kill ends the loop as a quit does, so that the
    // loads and checks under way end with the rest below; caught until the
    // layer is reset and the program's ending has run, so that one coming
    // meanwhile ends nothing halfway.
    catchEndingSignals();
    // A quit asked for before the loop runs (while starting, or in a test)
    // ends it at once.
    int status = gQuitStatus ? *gQuitStatus : QApplication::exec();
    gQuitStatus.reset();
    if (signalled && endingSignalCaught() != 0) signalled();
    resetPlatform();
    if (ending) ending();
    if (const int onSignal = releaseEndingSignals()) status = onSignal;
    if (gOwnApplication != nullptr) {
        delete gOwnApplication;
        gOwnApplication = nullptr;
    }
    return status;
}

void quitApplication(int status) {
    // The loop ends when the handler that asks has returned.
    gQuitStatus = status;
    QCoreApplication::exit(status);
}

void resetPlatform() {
    std::vector<WindowNumber> numbers;
    for (const auto& [number, record] : windowTable()) numbers.push_back(number);
    for (WindowNumber number : numbers) closeWindow(number);
    windowTable().clear();
    resetMenuHost();
    removeAllMenus();
    removeAllTimers();
    closePageIfOpen();
    forgetKeyboardPlaces();
    stopAllLoads();
    stopAllZipChecks();
    clearReplacedServices();
    gQuitStatus.reset();
    setDialogService(nullptr);
    setCursor(Cursor::Arrow);
    installSurfaceProvider();
    // Widgets closed inside handlers are deleted later; let that happen now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool openPage(PageFormat format, const std::string& path, double width, double height) {
    if (gPage) return false;
    installSurfaceProvider();
    gPage = format == PageFormat::Pdf ? PageSurface::openPdf(path, width, height)
                                      : PageSurface::openPng(path, width, height);
    return gPage != nullptr;
}

bool closePage() {
    if (!gPage) return false;
    const bool written = gPage->finish();
    gPage.reset();
    return written;
}

}  // namespace quendal::platform
