#include "app/DesignFlow.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "app/AppMessages.h"
#include "app/DocumentFiles.h"
#include "app/MenuBar.h"
#include "model/MessageVocabulary.h"
#include "model/DriverCheck.h"
#include "model/KeptDesign.h"
#include "model/ParameterPasses.h"
#include "app/Preferences.h"
#include "app/Snapshot.h"
#include "app/UnsavedChanges.h"
#include "app/UpdateCheck.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "palette/CustomPaletteEnable.h"
#include "response/SpConCal.h"
#include "platform/Platform.h"
#include "selection/SystemSelect.h"
#include "dialogs/Alerts.h"
#include "app/CloseWindows.h"
#include "windows/DefaultParameters.h"
#include "windows/SaveChangesSheet.h"
#include "windows/ResponseWindow.h"
#include "windows/WindowGroup.h"
#include "view/ResponseRedraw.h"
#include "view/ShellHooks.h"

namespace quendal {

void keepWindowBounds() {
    GetWndsBounds();
    ResetResponseWndBounds();
}

namespace {

namespace vc = vocabulary;

constexpr int32_t kCloseItem = 3;           // File > Close
constexpr double kDefaultPrintScale = 100.0;  // %
constexpr double kOpenAfterQuestion = 0.01;   // s: the file-open timer once the question is answered

// What follows Save or Don't Save for each purpose.
std::function<void()> actionOf(int32_t purpose) {
    switch (purpose) {
        // The design, saved or not, waits behind System Select: its Cancel
        // gives it back, and only a chosen system replaces it.
        case kAskForSystemSelect: return [] { SystemSelectKeepingDesign(); };
        case kAskForSpeakerSelect: return [] { ChangeToSpeakerSelect(); };
        case kAskForClose: return [] { ResposeWindowClose(); };
        case kAskForQuit: return [] { QuitMenuSelect(0); };
        case kAskForOpening:
            // The design stays until the document has been read: its menus
            // come back now, in case the opening is withdrawn meanwhile.
            return [] {
                NavUserActionCancelMenu();
                InstallCarbonTimerFileOpen(kOpenAfterQuestion, 0.0);
            };
        case kAskForInstalling:
            // The installer is shown only once the design is settled.
            return [] {
                LSLaunchURLInDownloadsFolder(state.update.downFileZip.view());
                CloseWindows();
                QuitMenuSelect(0);
            };
        default: return nullptr;
    }
}

// The design's windows closed in the given order, and the flags back to no
// design on the screen.
void closeDesign(std::initializer_list<int32_t> windows) {
    ShellFlags& sh = state.shell;
    closeDesignWindows(windows);
    endWaitingDesign();
    sh.FileOpenFlag = 0;
    sh.DirtyFlag = 0;
    sh.CtmPaletFlag = 1;
    sh.SysInfoFlag = 1;
    sh.WindCloseFlag = 1;
    state.radiator.PRUseFlag = 0;
    sh.curentWndID = 0;
    state.print.GPrintScale = kDefaultPrintScale;
}

// After the sibling's sheet: the design ends and the driver database takes
// the document it asked to open.
void closeForOrvanel() {
    ResposeWindowClose();
    toOrvanel(vc::kOpenFile);
    launchOrvanel();
}

// The design's windows closed and its flags back to no design, as System
// Select ends a design.
void endDesignForSystemSelect() {
    ShellFlags& sh = state.shell;
    keepWindowBounds();
    closeDesignWindows({kResponseWindow, kCustomPalette, kSystemInfoPalette});
    endWaitingDesign();
    sh.CtmPaletFlag = 1;
    sh.SysInfoFlag = 1;
    sh.SaveAsFlag = 0;
    toOrvanel(vc::kHide);
    toOstrevane(vc::kNowClosed);
    sh.FileOpenFlag = 0;
    sh.DirtyFlag = 0;
    state.box.CBAlartFlag = 1;
    state.radiator.PRUseFlag = 0;
    state.print.GPrintScale = kDefaultPrintScale;
    state.vents.VentCalcCount = 0;
}

// The design on the screen waits behind the window that chooses the next
// one, its custom palette dimmed. Called inside NextDesignInState: the state
// goes on as the next design's inputs, and once the routine returns it
// holds the waiting design again.
void keepDesignOnScreen() {
    ShellFlags& sh = state.shell;
    if (sh.KeptDesignFlag == 1) return;
    keepDesignValues();
    sh.KeptDesignFlag = 1;
    if (sh.CtmPaletFlag == 0) DisableCustomPalet();
}

// The window that stood over the waiting design has closed: the design comes
// back exactly as it was, with its system, connection, driver, values,
// menus, palettes, file and changed mark, and is drawn as it was. Called
// inside NextDesignInState, where the state holds the next design's inputs.
void giveBackKeptDesign() {
    ShellFlags& sh = state.shell;
    sh.KeptDesignFlag = 0;
    giveBackDesignValues();
    state.document.DontSaveChanges.clear();  // the user's again: a later ending asks as usual
    sh.WindCloseFlag = 0;
    sh.curentWndID = kResponseWindow;
    platform::setWindowModified(kResponseWindow, sh.DirtyFlag == 1);
    NavUserActionCancelMenu();
    if (sh.CtmPaletFlag == 0) EnableCustomPalet();
    platform::selectWindow(kResponseWindow);
    const int32_t redraw = state.view.ReDispWnd;  // the redraw mode it was kept with, stored with it
    state.view.ReDispWnd = 1;
    ReDispResposeWnd();
    state.view.ReDispWnd = redraw;
    refreshWindows(WindowRefresh::Palettes);  // what was typed in the palette stays
}

// Speaker select without a driver database to hand over to: the driver is
// corrected in the Default Parameters window while the design waits behind
// it (its custom palette dimmed). Cancel there gives the design back; OK
// goes on to System Select, the design still kept until the design chosen
// there replaces it.
void keepDesignForDriverEntry() {
    ShellFlags& sh = state.shell;
    SavePrefs();
    if (sh.KeptDesignFlag == 1 && platform::windowExists(kSystemSelectWindow)) {
        // Kept behind System Select already: what was browsed there goes.
        platform::closeWindow(kSystemSelectWindow);
        state.selection = state.kept.selection;
    } else {
        keepDesignOnScreen();
    }
    sh.WindCloseFlag = 1;  // as behind System Select: no design to work on meanwhile
    platform::setCursor(platform::Cursor::Arrow);
    InitMenu11();
    DefaultParamWnd();
    platform::setMenuItemEnabled(kFileMenu, kCloseItem, false);
}

}  // namespace

int32_t ChangeToSystemSelect() {
    ShellFlags& sh = state.shell;
    endDesignForSystemSelect();
    InitMenu11();
    platform::setMenuItemEnabled(kFileMenu, kCloseItem, true);
    platform::setCursor(platform::Cursor::Arrow);
    // A driver that arrived while the design had unsaved changes is the one
    // the new design starts from: the window takes it.
    SystemSelectWnd();
    InitItemBoxParameters();
    sh.EdtFldID = 31;
    return 0;
}

int32_t SystemSelectKeepingDesign() {
    const NextDesignInState next;
    if (designKept()) {
        // Kept behind the Default Parameters window already: System Select
        // takes its place, with the driver as it stands.
        platform::closeWindow(kDefaultParametersWindow);
        if (platform::windowExists(kSystemSelectWindow)) {
            platform::selectWindow(kSystemSelectWindow);
            return 0;
        }
    } else if (!designOnScreen()) {
        return ChangeToSystemSelect();
    } else {
        keepDesignOnScreen();
    }
    InitMenu11();
    platform::setMenuItemEnabled(kFileMenu, kCloseItem, true);
    platform::setCursor(platform::Cursor::Arrow);
    // A driver record waiting for System Select is the next design's
    // driver: the window takes it.
    SystemSelectWnd();
    return 0;
}

int32_t EndKeptDesign() {
    endDesignForSystemSelect();
    InitItemBoxParameters();
    state.shell.EdtFldID = 31;
    return 0;
}

int32_t CancelSystemSelect() {
    const NextDesignInState next;
    if (!designKept()) {
        endWaitingDesign();
        return systemSelectCancel();
    }
    platform::closeWindow(kSystemSelectWindow);
    giveBackKeptDesign();
    return 0;
}

int32_t AskThenSystemSelect() {
    if (changesToAskAbout())
        NavAskWind(kAskForSystemSelect);
    else
        SystemSelectKeepingDesign();
    return 0;
}

int32_t ChangeToSpeakerSelect() {
    const NextDesignInState next;
    // The driver is being corrected already: that window again.
    if (platform::windowExists(kDefaultParametersWindow)) {
        platform::selectWindow(kDefaultParametersWindow);
        return 0;
    }
    const bool database = driverDatabaseAnswers();
    if (!database && (designOnScreen() || designKept())) {
        keepDesignForDriverEntry();
        return 0;
    }
    keepWindowBounds();
    SavePrefs();
    closeDesign({kSystemSelectWindow, kCustomPalette, kSystemInfoPalette, kResponseWindow});
    state.shell.SaveAsFlag = 0;
    state.vents.VentCalcCount = 0;
    platform::setCursor(platform::Cursor::Arrow);
    if (!database) {
        // No design and nobody to hand over to (System Select at the
        // start): the driver in use is corrected in the Default Parameters
        // window, whose OK leads to System Select as at the start.
        toOstrevane(vc::kNowClosed);
        InitMenu11();
        DefaultParamWnd();
        platform::setMenuItemEnabled(kFileMenu, kCloseItem, false);
        return 0;
    }
    InitMenu13();
    launchOrvanel();
    toOrvanel(vc::kShow);
    toOstrevane(vc::kNowClosed);
    return 0;
}

int32_t CancelSpeakerSelect() {
    const NextDesignInState next;
    if (!designKept()) return 0;
    platform::closeWindow(kDefaultParametersWindow);
    giveBackKeptDesign();
    return 0;
}

int32_t SpeakerSelectOK() {
    const NextDesignInState next;
    // The waiting design's own driver, unchanged: nothing to start again.
    if (designKept() && DefaultParamWndShows(enteredDriverOf(state.kept.speaker))) return CancelSpeakerSelect();
    return DefaultParamWndOKReturn();
}

bool designKept() { return state.shell.KeptDesignFlag == 1 && platform::windowExists(kResponseWindow); }

int32_t SpeakerSelectAskingFirst() {
    if (platform::windowExists(kDefaultParametersWindow))
        ChangeToSpeakerSelect();  // brings the window forward, asks nothing
    else if (changesToAskAbout())
        NavAskWind(kAskForSpeakerSelect);
    else
        ChangeToSpeakerSelect();
    return 0;
}

int32_t ResposeWindowClose() {
    keepWindowBounds();
    closeDesign({kSystemSelectWindow, kResponseWindow, kCustomPalette, kSystemInfoPalette});
    state.shell.InitSetupFlag = 0;
    toOstrevane(vc::kNowClosed);
    InitMenu14();
    return 0;
}

int32_t QuitMenuSelect(uint8_t notify) {
    if (notify == 1 && state.shell.NavAskSDFlag == 0) toOrvanel(vc::kQuit);
    toOstrevane(vc::kNowClosed);
    keepWindowBounds();
    SavePrefs();
    platform::quitApplication(0);
    return 0;
}

bool changesToAskAbout() {
    return state.shell.DirtyFlag == 1 && !(designKept() && ChangesAnsweredDontSave());
}

int32_t CloseAskingFirst() {
    if (changesToAskAbout())
        NavAskWind(kAskForClose);
    else
        ResposeWindowClose();
    return 0;
}

int32_t QuitAskingFirst() {
    if (changesToAskAbout())
        NavAskWind(kAskForQuit);
    else
        QuitMenuSelect(1);
    return 0;
}

std::string SaveQuestionName() {
    const std::string title = platform::windowTitle(kResponseWindow);
    // A new design's window carries the page's generic title: the question
    // names the design as a document without a name.
    if (platform::windowFilePath(kResponseWindow).empty() && title == state.shell.DocFileName.view())
        return std::string(kUntitledDesignName);
    return title;
}

int32_t NavAskWind(int32_t purpose) {
    InitMenu13();
    const std::string name = SaveQuestionName();
    ++state.shell.DocumentDialogsAsking;
    platform::documentDialogs().askSaveChanges(kResponseWindow, name, [purpose](platform::SaveChangesAnswer answer) {
        --state.shell.DocumentDialogsAsking;
        NavAskHandler(static_cast<int32_t>(answer), purpose);
    });
    return 0;
}

int32_t NavAskHandler(int32_t userAction, int32_t purpose) {
    std::function<void()> action = actionOf(purpose);
    if (!action) return 0;
    // Only an answer ends the sheets, as their Cancel ends them: what they
    // show but have not applied is neither saved nor kept. Save ends them
    // once the file is known, so that a save dialog cancelled leaves them
    // standing with what was typed in them, as the question's Cancel does.
    const auto endSheets = [] {
        if (!designSheetStands()) return;
        EndDesignSheets();
        InitMenu13();
    };
    switch (userAction) {
        case kNavUserActionSaveChanges: SaveFileThen(std::move(action), endSheets); break;
        case kNavUserActionDontSaveChanges:
            endSheets();
            DontSaveAnswered();
            action();
            break;
        case kNavUserActionCancel:
            if (purpose == kAskForOpening) state.shell.SelfOpenFlag = 0;  // the document stays unopened
            DropHeldDriverRecord();  // the design stays: a record that asked for it to wait goes
            // Back to the window the question was asked over: a sheet keeps
            // its menus, the design or the window it waits behind gets its own.
            if (designSheetStands())
                InitMenu13();
            else
                NavUserActionCancelMenu();
            break;
        default: break;
    }
    return 0;
}

int32_t NavAskSaveDontWndHandler(int16_t choice) {
    SheetWndClose(kSaveChangesSheet);
    switch (choice) {
        case kSaveThenOrvanel: SaveFileThen(closeForOrvanel); break;
        case kDiscardThenOrvanel:
            state.shell.DirtyFlag = 0;
            closeForOrvanel();
            break;
        case kSaveThenQuit: SaveFileThen([] { QuitMenuSelect(0); }); break;
        case kQuitWithoutSaving: QuitMenuSelect(0); break;
        default: break;
    }
    state.shell.NavAskSDFlag = 0;
    return 0;
}

int32_t HandleTabs(int32_t tabControlID) {
    const platform::WindowNumber window = platform::currentWindow();
    const int32_t selected = platform::controlValue(window, tabControlID);
    const int32_t tabs = platform::controlMaximum(window, tabControlID);
    const std::vector<platform::ControlNumber> panes = platform::embeddedControls(window, tabControlID);
    for (int32_t i = 1; i <= tabs && i <= static_cast<int32_t>(panes.size()); ++i)
        platform::setControlVisible(window, panes[static_cast<std::size_t>(i - 1)], i == selected);
    return 0;
}

int32_t CustomPaletSnapButton() {
    SnapShot();
    return 0;
}

int32_t CustomPaletSysSelArrow() { return AskThenSystemSelect(); }

int32_t CustomPaletSpSelArrow() { return SpeakerSelectAskingFirst(); }

}  // namespace quendal
