#include "app/AppMessages.h"

#include <map>
#include <utility>

#include "model/MessageVocabulary.h"
#include "dialogs/ParameterRecords.h"
#include "app/DocumentFiles.h"
#include "response/SpConCal.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "windows/PassiveRadiatorData.h"
#include "app/MenuBar.h"
#include "selection/SystemSelect.h"
#include "app/CloseWindows.h"
#include "palette/CustomPaletteEnable.h"
#include "windows/ResponseWindow.h"
#include "windows/WindowGroup.h"
#include "windows/SaveChangesSheet.h"
#include "app/DesignFlow.h"
#include "app/RepeatingTimer.h"
#include "app/UpdateCheck.h"
#include "model/DriverCheck.h"
#include "model/KeptDesign.h"
#include "model/ParameterPasses.h"
#include "windows/DefaultParameters.h"

namespace quendal {

namespace vc = vocabulary;

namespace {

constexpr int32_t kSpeakerSelectItem = 3;      // Misc. menu
constexpr int32_t kSpeakerSelectButton = 13;   // custom palette
constexpr int16_t kAskBeforeSystemSelect = 1;  // purposes of the save question
constexpr int16_t kAskBeforeOpening = 5;
constexpr double kDialogsLook = 0.1;  // s between looks whether the dialogs a record waits for have closed

// The installed text handlers by (class, id): a binding to the transport,
// not program state.
std::map<std::pair<std::string, std::string>, AppMessageHandler>& handlers() {
    static std::map<std::pair<std::string, std::string>, AppMessageHandler> table;
    return table;
}

// Orvanel works with this program from now on: Speaker Select is offered.
void offerSpeakerSelect() {
    state.shell.s_MasgMenu = "BootQnDL";
    if (platform::controlExists(kCustomPalette, kSpeakerSelectButton))
        platform::setControlEnabled(kCustomPalette, kSpeakerSelectButton, true);
    if (platform::menuExists(kMiscMenu)) platform::setMenuItemEnabled(kMiscMenu, kSpeakerSelectItem, true);
}

// The sibling's save-changes sheet (14); `thenQuit` makes both of its
// answers end in quitting. A sheet that is up already is not asked again: a
// request to quit makes it end in quitting, nothing turns a quit back.
void askSaveForSibling(bool thenQuit) {
    if (platform::windowExists(kSaveChangesSheet)) {
        if (thenQuit) state.shell.NavAskSDFlag = 1;
        return;
    }
    state.shell.NavAskSDFlag = thenQuit ? 1 : 0;
    NavAskSaveDontWnd();
}

void hideForOrvanel() {
    ShellFlags& sh = state.shell;
    if (sh.DirtyFlag == 1) {
        // The changed design is not hidden away unasked: the user's answer
        // closes it, or keeps it on the screen.
        if (designOnScreen() && !sheetOpen()) NavAskWind(kAskForClose);
        return;
    }
    GetWndsBounds();
    ResetResponseWndBounds();
    CloseWindows();
    endWaitingDesign();  // a driver received for the next design stays the driver in use
    sh.CtmPaletFlag = 1;
    sh.SysInfoFlag = 1;
    sh.WindCloseFlag = 1;
    sh.curentWndID = 0;
    state.print.GPrintScale = 100.0;
    sh.InitSetupFlag = 0;
    InitMenu14();
    toOstrevane(vc::kNowClosed);
}

// A design on the screen or waiting there behind the window that chooses
// the next one.
bool designShown() { return designOnScreen() || designKept(); }

// Any text that is no driver record sets the driver in use back to the
// entered one, and a design reads it scaled for its speaker connection. A
// design waiting behind System Select or Speaker Select is the design on the
// screen and keeps its driver as it waits: the reset falls on the next
// design's inputs, scaled for their own connection.
void resetDriverInUse() {
    const NextDesignInState next;
    MasageTextToParameter();
    if (designShown()) SpconCal();
}

void bootedByFileFromOrvanel() {
    if (state.shell.DirtyFlag == 0) {
        ResposeWindowClose();
        launchOrvanel();
        toOrvanel(vc::kSetMeDefault);
        return;
    }
    toOrvanel(vc::kStopOpenFile);
    toOrvanel(vc::kSetMeDefault);
    InitMenu13();
    toOrvanel(vc::kActivateMe);
    askSaveForSibling(false);
}

// Orvanel is free again: the document whose opening it withdrew opens now,
// after the save question when the design has unsaved changes.
void freeFromOrvanel() {
    if (saveQuestionUp()) return;  // the question decides first
    ShellFlags& sh = state.shell;
    MessageState& m = state.messages;
    sh.SelfOpenFlag = 0;
    offerSpeakerSelect();
    toOrvanel(vc::kHide);
    if (m.DocumentWithheldFlag == 1) {
        m.DocumentWithheldFlag = 0;
        if (sh.DirtyFlag == 1 && designOnScreen()) {
            sh.SelfOpenFlag = 1;  // the answer starts the open timer, which opens while this is 1
            NavAskWind(kAskBeforeOpening);
        } else {
            OpenDocmFile();
        }
    }
    if (platform::windowExists(kResponseWindow)) platform::selectWindow(kResponseWindow);
    toOrvanel(vc::kActivateMe);
}

void quitForSibling() {
    if (state.shell.DirtyFlag == 1 && designShown())
        askSaveForSibling(true);
    else
        QuitMenuSelect(0);
}

void receiveDriverRecord(const DriverRecord& record);

// Every kDialogsLook: once no dialog stands, the record that waited is
// taken as if it arrived now.
void takeWaitingDriverRecord(platform::TimerId /*timer*/, void* /*userData*/) {
    MessageState& m = state.messages;
    if (m.DriverRecordWaitsFlag == 1 && dialogStands()) return;
    platform::removeTimer(m.WaitingRecordTimer);
    m.WaitingRecordTimer = 0;
    if (m.DriverRecordWaitsFlag == 0) return;
    m.DriverRecordWaitsFlag = 0;
    m.s_Masg = m.WaitingDriverRecord;
    m.s_Dummy = vc::kDriverMarker;
    if (const std::optional<DriverRecord> record = passingDriverRecord(m.s_Masg.view())) receiveDriverRecord(*record);
}

// The window a refused record's alert stands on: the one in front of those
// a record reaches (the radiator sheet, Default Parameters, System Select,
// the design's response window); with none of them, an alert of its own.
int32_t recordRefusalWindow() {
    for (int32_t window : {kPassiveRadiatorSheet, kDefaultParametersWindow, kSystemSelectWindow, kResponseWindow})
        if (platform::windowExists(window)) return window;
    return 0;
}

// A driver record from Orvanel is the driver of the design to come; it never
// changes a design on the screen or waiting there. While a dialog stands it
// waits for the dialog to close. A record whose texts the Default
// Parameters window would refuse is refused at once, in that window's
// words, and the previous driver stays.
void driverRecordFromOrvanel() {
    MessageState& m = state.messages;
    const std::optional<DriverRecord> record = readDriverRecord(m.s_Masg.view());
    if (!record) {
        platform::beep();  // incomplete: no field to name
        return;
    }
    if (const DriverCheckResult verdict = checkDriverRecord(*record); !verdict.ok()) {
        // The alert's OK has nothing to finish: no flag is set for it.
        platform::beep();
        platform::showSheetAlert(recordRefusalWindow(), driverRefusalTitle(verdict),
                                 driverRefusalMessage(driverRecordTexts(*record), verdict), {});
        return;
    }
    if (dialogStands()) {
        m.WaitingDriverRecord = m.s_Masg;
        m.DriverRecordWaitsFlag = 1;
        if (m.WaitingRecordTimer == 0)
            replaceRepeatingTimer(m.WaitingRecordTimer, kDialogsLook, kDialogsLook, takeWaitingDriverRecord);
        return;
    }
    receiveDriverRecord(*record);
}

// Over the Default Parameters window the record fills the fields, and OK
// takes it; behind System Select it is the driver of the design chosen
// there. A design on the screen waits behind System Select with it: after
// the save question while it has unsaved changes, the record held until the
// question is answered.
void receiveDriverRecord(const DriverRecord& record) {
    MessageState& m = state.messages;
    const NextDesignInState next;
    if (designKept() && platform::windowExists(kDefaultParametersWindow)) {
        DefaultParamWndShowDriver(enteredDriverOf(driverWithRecord(record)));
        return;
    }
    if (!designKept() && designOnScreen()) {
        m.HeldDriverRecord = m.s_Masg;
        m.HeldDriverFlag = 1;
        if (state.shell.DirtyFlag == 1)
            NavAskWind(kAskBeforeSystemSelect);
        else
            SystemSelectKeepingDesign();
        return;
    }
    // No design on the screen, or one waiting behind System Select: the
    // record is the driver of the design System Select starts.
    MasageTextToParameter();
    UpdateCheckState& update = state.update;
    if (!designKept() && state.prefs.UpdateForCheck == 1 && update.CheckForUpFlag == AutoUpdateCheck::NotRun) {
        update.CheckForUpFlag = AutoUpdateCheck::Run;
        InitUpdateFlag();
        CheckForVersion();
    } else if (platform::windowExists(kSystemSelectWindow)) {
        OriginalBoxParametersPass();
        SpconCal();
        SystemSelectDriverChanged();
    } else {
        OpenSystemSelectWnd();
    }
}

// Steps of a radiator record from Ostrevane that can be applied at once.
void applyRadiatorRecord() {
    const std::optional<RadiatorRecord> record = MasageTextToPRParameter();
    if (!record) return;
    InitMenu13();
    if (state.shell.CtmPaletFlag == 0) DisableCustomPalet();
    toOstrevane(vc::kNowBusy);
    state.shell.ApplyBtnFlag = 0;
    PassiveRadiDataEnterWnd();
    platform::setControlEnabled(kPassiveRadiatorSheet, kPRPasteButton, false);
    PassiveRadiDataInDispOrg(*record);
    state.messages.s_DummyPR = vc::kNoRecordWaiting;
}

}  // namespace

void toOrvanel(std::string_view text) { SndAppleEvent(vc::kToOrvanel, text, vc::kOrvanel); }
void toTessmir(std::string_view text) { SndAppleEvent(vc::kToTessmir, text, vc::kTessmir); }
void toOstrevane(std::string_view text) { SndAppleEvent(vc::kToOstrevane, text, vc::kOstrevane); }
void launchOrvanel() { LaunchAppX(vc::kToOrvanel, vc::kOrvanelBundle); }

int32_t LaunchAppX(std::string_view /*creator*/, std::string_view bundleName) {
    return platform::messageService().launch(bundleName);
}

int32_t InstallAEHandlers() {
    platform::messageService().listen(vc::kThisApplication, ReceiveAppMessage);
    return 0;
}

void InstallAppMessageHandler(std::string_view eventClass, std::string_view eventId, AppMessageHandler handler) {
    const std::pair<std::string, std::string> key{std::string(eventClass), std::string(eventId)};
    if (handler == nullptr)
        handlers().erase(key);
    else
        handlers()[key] = handler;
}

void InstallTextMessageHandlers() {
    InstallAppMessageHandler(vc::kFromOrvanel, vc::kTextEventId, DoAppleEventFromQndl);
    InstallAppMessageHandler(vc::kFromTessmir, vc::kTextEventId, DoAppleEventFromTsmr);
    InstallAppMessageHandler(vc::kFromOstrevane, vc::kTextEventId, DoAppleEventFromJevr);
}

void ReceiveAppMessage(const platform::AppMessage& event) {
    const auto it = handlers().find({event.eventClass, event.eventId});
    if (it != handlers().end()) it->second(event);
}

int32_t HandleOpenDoc(const std::vector<std::string>& documents) {
    if (!documents.empty()) ClikOpenDocm(documents.back());
    return 0;
}

int32_t DoAppleEventFromQndl(const platform::AppMessage& event) {
    state.messages.s_Masg = event.text;
    return DoAppleEventFromQndlCommon();
}

int32_t DoAppleEventFromQndlCommon() {
    MessageState& m = state.messages;
    ShellFlags& sh = state.shell;
    if (recordMarker(m.s_Masg.view()) == vc::kDriverMarker) {
        m.s_Dummy = vc::kDriverMarker;
        driverRecordFromOrvanel();
        return 0;
    }
    resetDriverInUse();

    const std::string_view text = m.s_Masg.view();
    if (text == vc::kStopActivateFromOrvanel) {
        m.s_Masg = "Stop";
        if (sh.AppClickOpnFlag == 0) launchOrvanel();
    } else if (text == vc::kActivateMeFromOrvanel) {
        launchOrvanel();
    } else if (text == vc::kStopOpenFileFromOrvanel) {
        if (sh.SelfOpenFlag == 1) m.DocumentWithheldFlag = 1;
        sh.SelfOpenFlag = 0;
    } else if (text == vc::kBootedByFileFromOrvanel) {
        bootedByFileFromOrvanel();
    } else if (text == vc::kHideFromOrvanel) {
        hideForOrvanel();
    } else if (text == vc::kYesBootedFromOrvanel) {
        toOrvanel(vc::kHide);
        offerSpeakerSelect();
    } else if (text == vc::kIamFreeFromOrvanel) {
        freeFromOrvanel();
    } else if (text == vc::kQuitFromOrvanel) {
        quitForSibling();
    }
    return 0;
}

int32_t DoAppleEventFromTsmr(const platform::AppMessage& event) {
    const std::string_view text = std::string_view(event.text).substr(0, platform::kAppMessageTextLimit);
    if (text == vc::kShowSaveFileMeFromTessmir) {
        LaunchAppX(vc::kToTessmir, vc::kTessmirBundle);
        toTessmir(vc::kShowSaveFileToTessmir);
    } else if (text == vc::kBootedByFileFromTessmir) {
        if (state.shell.DirtyFlag == 0)
            QuitMenuSelect(0);
        else
            toTessmir(vc::kShowSaveFileMeToTessmir);
    } else if (text == vc::kShowSaveFileFromTessmir) {
        if (designShown())
            askSaveForSibling(true);
        else
            QuitMenuSelect(0);  // nothing to save
    }
    return 0;
}

int32_t DoAppleEventFromJevr(const platform::AppMessage& event) {
    const std::string_view text = std::string_view(event.text).substr(0, platform::kAppMessageTextLimit);
    MessageState& m = state.messages;
    if (text == vc::kAreYouLaunchedFromOstrevane) {
        if (state.shell.WindCloseFlag == 0) toOstrevane(vc::kNowOpened);
        return 0;
    }
    // A record refused is ignored: a record that waits still waits.
    if (recordMarker(text) == vc::kRadiatorMarker && refusedRadiatorRecord(recordRefusalWindow(), text, true))
        return 0;
    m.s_MasgPR = text;
    CheckDummyMasageFromAppEvent();
    if (m.s_DummyPR == vc::kRadiatorMarker && designOnScreen() && !sheetOpen()) applyRadiatorRecord();
    return 0;
}

void DropHeldDriverRecord() {
    MessageState& m = state.messages;
    m.HeldDriverFlag = 0;
    m.HeldDriverRecord = "";
}

bool driverDatabaseAnswers() { return state.shell.s_MasgMenu == "BootQnDL"; }

bool designOnScreen() { return state.shell.WindCloseFlag == 0 && platform::windowExists(kResponseWindow); }

bool sheetOpen() {
    if (state.shell.SheetWndFlag == 1 || platform::modalDialogShown()) return true;
    for (int32_t sheet : {kSpeakerConnectionSheet, kInitialSetupSheet, kVentInitialSetupSheet, kVentDesignSheet,
                          kPassiveRadiatorSheet, kAlertSheet, kSaveChangesSheet})
        if (platform::windowExists(sheet)) return true;
    return false;
}

bool saveQuestionUp() { return platform::windowExists(kSaveChangesSheet) || platform::modalDialogShown(); }

bool dialogStands() {
    return sheetOpen() || state.shell.DocumentDialogsAsking > 0 || platform::windowExists(kPreferencesWindow) ||
           platform::windowExists(kPageSetupSheet);
}

}  // namespace quendal
