#include "app/Startup.h"

#include "app/AppMessages.h"
#include "app/CommandDispatch.h"
#include "app/DesignFlow.h"
#include "app/ControlHits.h"
#include "app/DesktopDocuments.h"
#include "app/MenuBar.h"
#include "model/MessageVocabulary.h"
#include "model/ParameterPasses.h"
#include "app/PopupMenus.h"
#include "app/ShellHooks.h"
#include "app/UpdateCheck.h"
#include "app/Preferences.h"
#include "app/RepeatingTimer.h"
#include "app/WindowEvents.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "windows/DefaultParameters.h"

namespace quendal {

namespace {

constexpr double kSelfOpenDelay = 1.2;  // s after launch: time for a message or a document to arrive first

}  // namespace

int32_t InstallCarbonTimerSelfOpen(double delay, double interval) {
    replaceRepeatingTimer(state.shell.SelfOpenTimer, delay, interval, CarbonTimerActionSelfOpen);
    return 0;
}

void CarbonTimerActionSelfOpen(platform::TimerId timer, void* userData) {
    ShellFlags& shell = state.shell;
    const bool nothingArrived = state.messages.s_Masg == "null";
    if (!nothingArrived || shell.AppClickOpnFlag != 0 || shell.FileOpenFlag != 0) return;
    DefaultParamWnd();
    platform::setMenuItemEnabled(kFileMenu, 3, false);
    shell.AppClickOpnFlag = 1;
}

int32_t StartQuendal(int& argc, char** argv) {
    // The windowing layer; it draws text antialiased with its own metrics.
    platform::startApplication(argc, argv);
    // The windows below the shell reach it through its hooks.
    installShellHooks();
    // A second start hands the documents named to it to the program that
    // runs already, and ends; the first receives them from now on.
    if (HandOverDocumentsNamedAtStart(argc, argv)) return 0;
    // Every shared value at its default, then the preferences over them,
    // read under the program's own name.
    resetState();
    CFPrefsSetApplicationID(kQuendalApplicationID);
    LoadPrefs();
    // Our endpoint is open before the driver database hears of us, so that
    // its answer finds it; every message waits for the event loop all the
    // same, and so for the end of the start.
    InstallAEHandlers();
    InstallTextMessageHandlers();
    const int32_t databases = SendAppMessageCounted(vocabulary::kToOrvanel, vocabulary::kBooted, vocabulary::kOrvanel);
    BuildPopupMenu();
    InstallApplicationHandler();
    // Every hook of the rooms below is filled by now, or the start stops here.
    requireShellHooks();
    // Every window and control made from now on reports to the shell.
    platform::setDefaultHandlers(WindowEventHandler, ControlHitHandler);
    InitMenu11();
    platform::setMenuHost("Quendal");
    InitItemBoxParameters();
    // The wait gives a driver database time to answer, and the documents
    // named at start time to open. With neither to wait for, the Default
    // Parameters window is there at once.
    if (databases == 0 && DocumentsNamedAtStart(argc, argv).empty())
        CarbonTimerActionSelfOpen(0, nullptr);
    else
        InstallCarbonTimerSelfOpen(kSelfOpenDelay, 0.0);
    return 0;
}

int QuendalMain(int argc, char** argv) {
    StartQuendal(argc, argv);
    // Every quit but the Default Parameters window's (which keeps nothing
    // more) passes QuitMenuSelect, which keeps the options, selections and
    // window places of this run for the next. A logout, Ctrl+C or a kill
    // asks nothing and saves no design, but the run's preferences outlive it
    // all the same: each was written when it changed, and the windows'
    // places are kept now, while the windows are still there.
    //
    // However the loop ended, a signal's included, an update check still
    // running ends with it, before a further signal could end the process:
    // a package half loaded or still being read through is never left in
    // Downloads under its temporary name.
    return platform::runEventLoop([] { EndUpdateCheck(); },
                                  [] {
                                      keepWindowBounds();
                                      SaveChangedPrefs();
                                  });
}

}  // namespace quendal
