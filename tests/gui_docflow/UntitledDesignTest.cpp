// Designs no document stands for (new ones, opened stationery) are guarded
// like saved ones, System Select gives the design back on Cancel, a driver
// is corrected through Speaker Select with or without a driver database,
// and every road that writes a design writes it as applied, whatever a
// sheet over it shows.
#include <filesystem>

#include <QTest>

#include "DocflowFixture.h"
#include "app/AppMessages.h"
#include "app/DesktopDocuments.h"
#include "model/MessageVocabulary.h"
#include "platform/qt/Registry.h"
#include "response/SpConCal.h"
#include "app/Startup.h"
#include "app/UpdateCheck.h"
#include "engine/CalculationContract.h"
#include "view/ResponseRedraw.h"
#include "selection/SystemSelect.h"
#include "vent/VentDesignSheet.h"
#include "windows/DefaultParameters.h"
#include "windows/InitialSetup.h"
#include "dialogs/Alerts.h"
#include "model/AppliedDesign.h"
#include "palette/CustomPaletteCalc.h"
#include "vent/VentDesignSheet.h"
#include "vent/VentSetupSheet.h"
#include "windows/PassiveRadiatorData.h"
#include "windows/SaveChangesSheet.h"
#include "support/TimerLooks.h"

namespace quendal::test {
namespace {

using platform::SaveChangesAnswer;

enum class Kind { Untitled, Stationery, Saved };

class UntitledDesignTest : public DocflowTest {
protected:
    void SetUp() override {
        DocflowTest::SetUp();
        platform::setDesktopService(&desktop);
        InstallTextMessageHandlers();
        state.prefs.InitSetupCheck = 0;
        state.prefs.UpdateForCheck = 0;
        clipboard.content = kRadiatorUnit;
        platform::setClipboardService(&clipboard);
    }
    void TearDown() override {
        platform::setDesktopService(nullptr);
        platform::setClipboardService(nullptr);
        DocflowTest::TearDown();
    }
    // A Vented Box design chosen in System Select and drawn for the first time.
    static void startNewDesign() {
        platform::closeWindow(kResponseWindow);
        InitMenu11();
        SystemSelectWnd();
        systemSelectConfirm();
    }
    // A system browsed in System Select: the next design's choice, while a
    // design waits behind the window.
    static void browse(int32_t tab, int32_t button) {
        const NextDesignInState next;
        state.selection.SysSelTabNum = tab;
        state.selection.SysSelBtnNum = button;
    }
    void open(const std::string& file) {
        ClikOpenDocm(file);
        ASSERT_TRUE(QTest::qWaitFor([] { return state.document.FileOpenTimer == 0; }));
    }
    void start(Kind kind) {
        startNewDesign();
        if (kind == Kind::Untitled) return;
        const std::string file = path(kind == Kind::Saved ? "Box.qndl" : "Box.qndlsta");
        put(file, encodeDesignDocument(state));
        open(file);
    }
    // A new design saved as Box.qndl and bound to it, without waiting for
    // an opening's timer.
    void startSaved() {
        startNewDesign();
        const std::string file = path("Box.qndl");
        put(file, encodeDesignDocument(state));
        ASSERT_TRUE(ClikOpenDocmFile(file).ok());
        BindResponseWindowToDocument(file);
    }
    // A new port thickness (mm), and the redraw that follows it.
    static void changeThickness(double mm) {
        state.shell.LVP = mm;
        state.view.ReDispWnd = 1;
        ReDispResposeWnd();
    }
    // A click on a control of a window, as the user gives it.
    static void click(platform::WindowNumber window, platform::ControlNumber control) {
        QWidget* widget = platform::qt::controlWidget(window, control);
        ASSERT_NE(widget, nullptr);
        QTest::mouseClick(widget, Qt::LeftButton);
    }
    static bool changed() { return state.shell.DirtyFlag == 1 && platform::isWindowModified(kResponseWindow); }
    // A key pressed in a window, as the user presses it.
    static void press(platform::WindowNumber window, Qt::Key key) {
        ASSERT_TRUE(platform::windowExists(window)) << window;
        QTest::keyClick(platform::qt::windowWidget(window)->windowHandle(), key);
    }
    // A sheet over the design showing what the user has not applied, and
    // its Cancel.
    struct Sheet {
        const char* name;
        std::function<void()> show, cancel;
    };
    static std::vector<Sheet> sheetsShowing() {
        const auto cancelling = [](platform::WindowNumber window, platform::ControlNumber button) {
            return [window, button] { click(window, button); };
        };
        return {
            {"the connection sheet, Dual Serial picked",
             [] {
                 ApplicationEventHandler(kMiscMenu, 6);
                 press(kSpeakerConnectionSheet, Qt::Key_Right);
                 press(kSpeakerConnectionSheet, Qt::Key_Right);
             },
             [] { press(kSpeakerConnectionSheet, Qt::Key_Escape); }},
            {"the radiator sheet, a unit pasted",
             [] {
                 ApplicationEventHandler(kMiscMenu, 9);
                 click(kPassiveRadiatorSheet, kPRPasteButton);
             },
             cancelling(kPassiveRadiatorSheet, kPRCancelButton)},
            {"the radiator sheet, a unit received",
             [] { ReceiveAppMessage({std::string(vocabulary::kFromOstrevane), "TEXT", kRadiatorUnit}); },
             cancelling(kPassiveRadiatorSheet, kPRCancelButton)},
            {"Initial Setup, a thickness typed",
             [] {
                 ApplicationEventHandler(kMiscMenu, 5);
                 platform::setControlText(kInitialSetupSheet, 11, "35");
             },
             cancelling(kInitialSetupSheet, 2)},
            {"Vent Design, a diameter typed and Calc.",
             [] {
                 ApplicationEventHandler(kOneVentMenu, 1);
                 platform::setControlText(kVentDesignSheet, kVentSizeField, "80");
                 click(kVentDesignSheet, kVentCalcButton);
             },
             cancelling(kVentDesignSheet, kVentCancelButton)},
            {"the vent's Initial Setup, a thickness typed",
             [] {
                 ApplicationEventHandler(kOneVentMenu, 1);
                 click(kVentDesignSheet, kCircularSetupButton);
                 platform::setControlText(kVentInitialSetupSheet, kVentSetupThicknessField, "35");
             },
             [] {
                 click(kVentInitialSetupSheet, kVentSetupCancelButton);
                 click(kVentDesignSheet, kVentCancelButton);
             }},
        };
    }
    static constexpr const char* kRadiatorUnit = "DUMMY&  Acme Audio  PR-25  25  21.5  48  6.2  330  11  360  ";

    RecordingDesktop desktop;
    ClipboardDouble clipboard;
};

// As first drawn a design closes unasked; changed, it asks, whatever its kind.
TEST_F(UntitledDesignTest, TheQuestionOfEachKindSavesDiscardsOrKeepsTheDesign) {
    enum class Answer { Unchanged, Save, DontSave, Cancel, SaveDialogCancelled };
    struct Row {
        Kind kind;
        Answer answer;
        bool asksWhere, closed;
    };
    const Row rows[] = {
        {Kind::Untitled, Answer::Unchanged, false, true}, {Kind::Stationery, Answer::Unchanged, false, true},
        {Kind::Saved, Answer::Unchanged, false, true},
        {Kind::Untitled, Answer::Save, true, true},       {Kind::Untitled, Answer::DontSave, false, true},
        {Kind::Untitled, Answer::Cancel, false, false},   {Kind::Untitled, Answer::SaveDialogCancelled, true, false},
        {Kind::Stationery, Answer::Save, true, true},     {Kind::Stationery, Answer::SaveDialogCancelled, true, false},
        {Kind::Saved, Answer::Save, false, true},         {Kind::Saved, Answer::DontSave, false, true},
        {Kind::Saved, Answer::Cancel, false, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(static_cast<int>(row.kind)) + " " + std::to_string(static_cast<int>(row.answer)));
        TearDown();
        SetUp();
        start(row.kind);
        const std::string stationery = path("Box.qndlsta"), target = path("Saved.qndl");
        std::filesystem::remove(target);
        const std::string stationeryBytes = contents(stationery);
        if (row.answer != Answer::Unchanged) changeThickness(33.0);
        EXPECT_EQ(changed(), row.answer != Answer::Unchanged);
        const std::string design = encodeDesignDocument(state);
        ApplicationEventHandler(kFileMenu, 3);
        ASSERT_EQ(documentDialogs.questions.size(), row.answer == Answer::Unchanged ? 0u : 1u);
        const bool save = row.answer == Answer::Save || row.answer == Answer::SaveDialogCancelled;
        if (row.answer != Answer::Unchanged)
            documentDialogs.answer(save ? SaveChangesAnswer::Save
                                   : row.answer == Answer::DontSave ? SaveChangesAnswer::DontSave
                                                                    : SaveChangesAnswer::Cancel);
        ASSERT_EQ(documentDialogs.saves.size(), row.asksWhere ? 1u : 0u);
        if (row.asksWhere) documentDialogs.saveTo(row.answer == Answer::Save ? std::optional(target) : std::nullopt);
        EXPECT_EQ(platform::windowExists(kResponseWindow), !row.closed);
        EXPECT_EQ(state.shell.DirtyFlag, row.closed ? 0 : 1);
        EXPECT_TRUE(platform::isMenuItemEnabled(kFileMenu, 0));
        const bool savedInPlace =
            row.kind == Kind::Saved && (row.answer == Answer::Save || row.answer == Answer::Unchanged);
        EXPECT_EQ(contents(path("Box.qndl")) == design, savedInPlace);
        EXPECT_EQ(contents(target), row.asksWhere && row.answer == Answer::Save ? design : "");
        EXPECT_EQ(contents(stationery), stationeryBytes);
    }
}

TEST_F(UntitledDesignTest, EveryTransitionThatEndsAChangedUntitledDesignAsksFirst) {
    struct Row {
        const char* name;
        std::function<void()> transition;
    };
    const std::string other = path("Other.qndl");
    put(other, encodeDesignDocument(state));
    const Row rows[] = {
        {"Close", [] { ApplicationEventHandler(kFileMenu, 3); }},
        {"Quit", [] { ApplicationEventHandler(kApplicationMenu, kQuitItem); }},
        {"New Box Design", [] { ApplicationEventHandler(kFileMenu, 1); }},
        {"System Select", [] { ApplicationEventHandler(kMiscMenu, 1); }},
        {"Speaker Select", [] { ApplicationEventHandler(kMiscMenu, 3); }},
        {"Open", [other] { ClikOpenDocm(other); }},
        {"Launch Installer and Quit", [] { CheckForUpdateWndLaunchButton(); }},
        {"the database hides us", [] { ReceiveAppMessage({std::string(vocabulary::kFromOrvanel), "TEXT",
                                                          std::string(vocabulary::kHideFromOrvanel)}); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TearDown();
        SetUp();
        start(Kind::Untitled);
        changeThickness(33.0);
        row.transition();
        ASSERT_EQ(documentDialogs.questions.size(), 1u);
        EXPECT_EQ(documentDialogs.questions[0], "untitled");  // not the window's "Response"
        documentDialogs.answer(SaveChangesAnswer::Cancel);
        EXPECT_TRUE(platform::windowExists(kResponseWindow));
        EXPECT_FALSE(platform::windowExists(kSystemSelectWindow));
        EXPECT_FALSE(platform::windowExists(kDefaultParametersWindow));
        EXPECT_TRUE(changed());
        EXPECT_TRUE(desktop.opened.empty());  // no installer shown on Cancel
    }
    // A sibling that quits us asks on its own sheet.
    ReceiveAppMessage({std::string(vocabulary::kFromOrvanel), "TEXT", std::string(vocabulary::kQuitFromOrvanel)});
    EXPECT_TRUE(platform::windowExists(kSaveChangesSheet));
}

TEST_F(UntitledDesignTest, TheInstallerIsShownOnlyOnceTheDesignIsSaved) {
    FolderFiles files;
    files.folders[platform::UserFolder::Downloads] = path("Downloads");
    std::filesystem::create_directories(path("Downloads"));
    platform::setFileService(&files);
    start(Kind::Untitled);
    changeThickness(33.0);
    CheckForUpdateWndLaunchButton();
    documentDialogs.answer(SaveChangesAnswer::Save);
    documentDialogs.saveTo(std::nullopt);
    EXPECT_TRUE(desktop.opened.empty());
    CheckForUpdateWndLaunchButton();
    documentDialogs.answer(SaveChangesAnswer::DontSave);
    EXPECT_EQ(desktop.opened.size(), 1u);
    platform::setFileService(nullptr);
    EXPECT_TRUE(quitAsked());

    // A Don't Save given for System Select stands for the design waiting
    // behind it: the installer does not ask about it again.
    TearDown();
    SetUp();
    desktop.opened.clear();
    platform::setFileService(&files);
    start(Kind::Untitled);
    changeThickness(33.0);
    ApplicationEventHandler(kMiscMenu, 1);
    documentDialogs.answer(SaveChangesAnswer::DontSave);
    CheckForUpdateWndLaunchButton();
    EXPECT_EQ(documentDialogs.questions.size(), 1u);
    EXPECT_EQ(desktop.opened.size(), 1u);
    platform::setFileService(nullptr);
    EXPECT_TRUE(quitAsked());
}

TEST_F(UntitledDesignTest, SystemSelectCancelledGivesTheDesignBackAndSelectReplacesIt) {
    start(Kind::Saved);
    state.connection.SpConNum = 3;
    SpconCal();
    state.view.ReDispWnd = 2;
    ReDispResposeWnd();
    ApplicationEventHandler(kFileMenu, 5);  // the connection as saved
    ASSERT_FALSE(changed());
    ApplicationEventHandler(kMiscMenu, 1);
    ASSERT_TRUE(platform::windowExists(kSystemSelectWindow));
    EXPECT_TRUE(platform::windowExists(kResponseWindow));
    browse(1, 2);
    CancelSystemSelect();
    EXPECT_FALSE(platform::windowExists(kSystemSelectWindow));
    EXPECT_EQ(currentSystemNumber(), 3);
    EXPECT_EQ(state.connection.SpConNum, 3);
    EXPECT_EQ(state.shell.FileOpenFlag, 1);
    EXPECT_TRUE(platform::isMenuItemEnabled(kResponseMenu, 0));
    EXPECT_EQ(platform::windowFilePath(kResponseWindow), path("Box.qndl"));

    ApplicationEventHandler(kFileMenu, 1);
    browse(1, 2);
    systemSelectConfirm();
    EXPECT_EQ(currentSystemNumber(), 2);
    EXPECT_EQ(platform::windowFilePath(kResponseWindow), "");
    EXPECT_EQ(state.shell.FileOpenFlag, 0);
    EXPECT_FALSE(changed());
}

TEST_F(UntitledDesignTest, SpeakerSelectLeadsToANewDesignWithTheCorrectedDriver) {
    for (const bool database : {false, true}) {
        SCOPED_TRACE(database ? "database" : "no database");
        TearDown();
        SetUp();
        start(Kind::Untitled);
        if (database) state.shell.s_MasgMenu = "BootQnDL";
        ApplicationEventHandler(kMiscMenu, 3);
        // Without a database the design waits behind the driver's window.
        EXPECT_EQ(platform::windowExists(kResponseWindow), !database);
        EXPECT_EQ(preferences.synchronized, 1);
        EXPECT_EQ(platform::windowExists(kDefaultParametersWindow), !database);
        EXPECT_EQ(messenger.launched.size(), database ? 1u : 0u);
        if (database) {
            ReceiveAppMessage({std::string(vocabulary::kFromOrvanel), "TEXT",
                               "DUMMY#  Woofer-8  30 Hz - 3 kHz  26  38  62  0.32  0.35  4.1  0.9  5.6  80  220  6.5  143  0.8  "});
        } else {
            platform::setControlText(kDefaultParametersWindow, defaultParamField(DriverField::FS), "38");
            DefaultParamWndOKReturn();
            EXPECT_TRUE(platform::windowExists(kResponseWindow));  // kept until System Select's OK replaces it
        }
        ASSERT_TRUE(platform::windowExists(kSystemSelectWindow));
        systemSelectConfirm();
        ASSERT_TRUE(platform::windowExists(kResponseWindow));
        EXPECT_DOUBLE_EQ(state.speaker.FS, 38.0);
        EXPECT_FALSE(changed());
    }
}

// Speaker Select without a database, from the design or from System Select
// standing over it, then Cancel, Escape or the close box: the design comes
// back as it was, still changed, and the driver typed meanwhile is not taken.
TEST_F(UntitledDesignTest, SpeakerSelectCancelledGivesTheDesignBackAsItWas) {
    enum class Way { CancelButton, Escape, CloseBox };
    struct Row {
        const char* name;
        bool fromSystemSelect;
        Way way;
    };
    const Row rows[] = {{"misc menu, Cancel", false, Way::CancelButton},
                        {"misc menu, Escape", false, Way::Escape},
                        {"System Select's arrow, close box", true, Way::CloseBox}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        TearDown();
        SetUp();
        start(Kind::Saved);
        state.connection.SpConNum = 3;
        SpconCal();
        changeThickness(33.0);
        const double vas = state.speaker.VAS, vb = state.box.VB;
        if (row.fromSystemSelect) {
            ApplicationEventHandler(kMiscMenu, 1);
            documentDialogs.answer(SaveChangesAnswer::DontSave);
            browse(1, 5);
            click(kSystemSelectWindow, 10);
        } else {
            ApplicationEventHandler(kMiscMenu, 3);
            documentDialogs.answer(SaveChangesAnswer::DontSave);
        }
        ASSERT_TRUE(platform::windowExists(kDefaultParametersWindow));
        EXPECT_TRUE(platform::isControlEnabled(kDefaultParametersWindow, 2));
        EXPECT_FALSE(platform::controlExists(kDefaultParametersWindow, 3));  // no Quit over a design
        EXPECT_FALSE(platform::isMenuItemEnabled(kResponseMenu, 0));
        ApplicationEventHandler(kMiscMenu, 3);  // asks nothing more: the window comes forward
        EXPECT_EQ(documentDialogs.questions.size(), 1u);
        platform::setControlText(kDefaultParametersWindow, defaultParamField(DriverField::FS), "38");

        platform::WindowEvent escape{platform::WindowEventKind::KeyDown, kDefaultParametersWindow};
        escape.character = platform::kEscapeChar;
        switch (row.way) {
            case Way::CancelButton: click(kDefaultParametersWindow, 2); break;
            case Way::Escape: WindowEventHandler(escape, kDefaultParametersWindow); break;
            case Way::CloseBox:
                WindowEventHandler({platform::WindowEventKind::Close, kDefaultParametersWindow}, kDefaultParametersWindow);
                break;
        }
        EXPECT_FALSE(platform::windowExists(kDefaultParametersWindow));
        ASSERT_TRUE(platform::windowExists(kResponseWindow));
        EXPECT_EQ(currentSystemNumber(), 3);
        EXPECT_EQ(state.connection.SpConNum, 3);
        EXPECT_DOUBLE_EQ(state.speaker.VAS, vas);  // the connection's driver, not the typed one
        EXPECT_NE(state.speaker.FS2, 38.0);
        EXPECT_DOUBLE_EQ(state.box.VB, vb);
        EXPECT_TRUE(changed());
        EXPECT_EQ(platform::windowFilePath(kResponseWindow), path("Box.qndl"));
        EXPECT_TRUE(platform::isMenuItemEnabled(kResponseMenu, 0));
        EXPECT_EQ(state.shell.curentWndID, kResponseWindow);
    }
}

// OK with a corrected driver opens System Select with the design's system
// chosen, the design kept behind it: Return starts it again with the new
// driver, in place of the kept one.
TEST_F(UntitledDesignTest, SpeakerSelectOkLeadsBackToTheDesignsSystem) {
    start(Kind::Untitled);
    state.selection.SysSelTabNum = 2;
    state.selection.SysSelBtnNum = 5;  // Twin Vented, in place of the design shown
    ApplicationEventHandler(kFileMenu, 1);
    systemSelectConfirm();
    ApplicationEventHandler(kMiscMenu, 1);
    browse(1, state.selection.SysSelBtnNum);  // the other tab
    click(kSystemSelectWindow, 10);
    ASSERT_TRUE(platform::windowExists(kDefaultParametersWindow));
    platform::setControlText(kDefaultParametersWindow, defaultParamField(DriverField::FS), "38");
    DefaultParamWndOKReturn();
    EXPECT_TRUE(platform::windowExists(kResponseWindow));
    ASSERT_TRUE(platform::windowExists(kSystemSelectWindow));
    EXPECT_EQ(platform::controlValue(kSystemSelectWindow, 3), 2);  // the tab of the design's system
    platform::WindowEvent enter{platform::WindowEventKind::KeyDown, kSystemSelectWindow};
    enter.character = platform::kReturnChar;
    WindowEventHandler(enter, kSystemSelectWindow);
    ASSERT_TRUE(platform::windowExists(kResponseWindow));
    EXPECT_EQ(currentSystemNumber(), 13);
    EXPECT_DOUBLE_EQ(state.speaker.FS, 38.0);
    EXPECT_FALSE(changed());
}

// A document handed over while a sheet stands over the design waits for
// it: the sheet stays with what is typed in it, and the document opens
// once the sheet has closed, after the save question where the design has
// changes.
TEST_F(UntitledDesignTest, ADocumentHandedOverWaitsUntilTheSheetOverTheDesignHasClosed) {
    start(Kind::Untitled);
    ApplicationEventHandler(kMiscMenu, 5);
    ASSERT_TRUE(platform::windowExists(kInitialSetupSheet));
    const std::string other = path("Other.qndl");
    put(other, documentWith([](ProgramState& d) { d.shell.LVP = 35.0; }));
    // Several looks whether it may open have run.
    const auto waited = [] {
        return looksRan(state.document.WaitingDocumentsTimer, 3) && state.document.WaitingDocuments.size() == 1;
    };
    ClikOpenDocm(other);
    EXPECT_TRUE(waited());
    EXPECT_TRUE(platform::windowExists(kInitialSetupSheet));
    EXPECT_NE(state.shell.LVP, 35.0);
    click(kInitialSetupSheet, 2);  // its Cancel
    ASSERT_TRUE(QTest::qWaitFor([] { return state.document.WaitingDocuments.empty() && state.document.FileOpenTimer == 0; }));
    EXPECT_FALSE(platform::windowExists(kInitialSetupSheet));
    EXPECT_EQ(state.shell.SheetWndFlag, 0);
    EXPECT_EQ(state.shell.InitSetSelFlag, 0);
    EXPECT_EQ(state.shell.InterceptEvHnd, 0);
    EXPECT_EQ(state.shell.LVP, 35.0);  // the document's

    // Vent Design over a changed design keeps what was typed in it; its
    // Cancel lets the document on, through the save question.
    changeThickness(33.0);
    ApplicationEventHandler(kOneVentMenu, 1);
    QWidget* diameter = platform::qt::controlWidget(kVentDesignSheet, kVentSizeField);
    ASSERT_NE(diameter, nullptr);
    QTest::keyClick(diameter, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(diameter, "80");
    platform::setDocumentDialogService(nullptr);
    ReceiveHandedDocuments({other});
    EXPECT_TRUE(waited());
    EXPECT_EQ(shown<QMessageBox>(), nullptr);
    ASSERT_TRUE(platform::windowExists(kVentDesignSheet));
    EXPECT_EQ(platform::controlText(kVentDesignSheet, kVentSizeField), "80");
    click(kVentDesignSheet, kVentCancelButton);
    ASSERT_TRUE(QTest::qWaitFor([] { return shown<QMessageBox>() != nullptr; }));
    clickButton(shown<QMessageBox>(), "Don't Save");
    ASSERT_TRUE(QTest::qWaitFor([] { return state.document.FileOpenTimer == 0 && state.shell.LVP == 35.0; }));
}

// Whatever closes an unchanged design's windows ends the sheet or alert on
// them as its Cancel would: no flag is left saying that one is up, holds
// the keys or takes picks, and the next driver record is taken at once.
TEST_F(UntitledDesignTest, EveryRoadThatClosesTheDesignEndsItsSheetsAndTheNextRecordIsTaken) {
    const std::pair<const char*, std::function<void()>> sheets[] = {
        {"the connection sheet", [] { ApplicationEventHandler(kMiscMenu, 6); }},
        {"Initial Setup", [] { ApplicationEventHandler(kMiscMenu, 5); }},
        {"Vent Design", [] { ApplicationEventHandler(kOneVentMenu, 1); }},
        {"the passive-radiator data sheet", [] { ApplicationEventHandler(kMiscMenu, 9); }},
        {"a Qtc alert", [] { ShowAlert(kAlertQtcTooSmall, 0.5f); }},
    };
    const auto fromOrvanel = [](std::string_view text) {
        ReceiveAppMessage({std::string(vocabulary::kFromOrvanel), "TEXT", std::string(text)});
    };
    const std::pair<const char*, std::string_view> roads[] = {{"booted by file", vocabulary::kBootedByFileFromOrvanel},
                                                              {"Hide", vocabulary::kHideFromOrvanel}};
    for (const auto& [sheet, show] : sheets)
        for (const auto& [road, text] : roads) {
            SCOPED_TRACE(std::string(road) + " over " + sheet);
            TearDown();
            SetUp();
            start(Kind::Untitled);
            show();
            ASSERT_TRUE(sheetOpen());
            fromOrvanel(text);
            ASSERT_FALSE(platform::windowExists(kResponseWindow));
            const ShellFlags& sh = state.shell;
            EXPECT_EQ(std::tuple(sh.SheetWndFlag, sh.InterceptEvHnd, sh.InitSetSelFlag, sh.RespWndShowFlag,
                                 state.connection.SpConSel, state.entry.AlertKindShown),
                      std::tuple(0, 0, 0, 0, 0, 0));
            fromOrvanel("DUMMY#  REC-38  30 Hz - 3 kHz  26  38  62  0.38  0.42  3.8  0.9  5.6  80  220  6.5  143  0.8  ");
            EXPECT_TRUE(platform::windowExists(kSystemSelectWindow)) << "the record waits";
        }
}

TEST_F(UntitledDesignTest, ADocumentRefusedAtTheStartSaysSoInFrontOfTheDefaultParameters) {
    // Notes whether the start's window was there when the alert came.
    struct OrderedDialogs : RecordingDialogs {
        void sheetAlert(platform::WindowNumber window, std::string_view title, std::string_view message,
                        std::function<void()> done) override {
            behindAlert = platform::windowExists(kDefaultParametersWindow);
            RecordingDialogs::sheetAlert(window, title, message, std::move(done));
        }
        bool behindAlert = false;
    } dialogs;
    platform::setDialogService(&dialogs);
    platform::closeWindow(kResponseWindow);
    const std::string broken = path("Broken.qndl");
    put(broken, std::string(1000, 'x'));
    InstallCarbonTimerSelfOpen(60.0, 0.0);  // the start's timer, still waiting
    open(broken);
    ASSERT_EQ(dialogs.sheets.size(), 1u);
    EXPECT_TRUE(dialogs.behindAlert);
    EXPECT_EQ(state.shell.SelfOpenTimer, 0);  // it does not open the window a second time
    platform::setDialogService(&alerts);
}

// A changed design under a sheet that shows what the user has not applied:
// the connection sheet with another connection picked, the radiator sheet
// with a unit pasted or sent by the radiator database, or the values typed
// into Initial Setup, Vent Design and the vent's Initial Setup. Whatever
// road writes the design, the siblings' included, writes it as applied.
TEST_F(UntitledDesignTest, EveryRoadThatWritesTheDesignWritesItAsApplied) {
    const auto saveOnSiblingsSheet = [](std::string_view eventClass, std::string_view text) {
        return [eventClass, text] {
            ReceiveAppMessage({std::string(eventClass), "TEXT", std::string(text)});
            click(kSaveChangesSheet, kSaveChangesSaveButton);
        };
    };
    const auto answeringSave = [this](int32_t menu, int32_t item) {
        return [this, menu, item] {
            ApplicationEventHandler(menu, item);
            documentDialogs.answer(SaveChangesAnswer::Save);
        };
    };
    const std::pair<const char*, std::function<void()>> roads[] = {
        {"the driver database's Quit", saveOnSiblingsSheet(vocabulary::kFromOrvanel, vocabulary::kQuitFromOrvanel)},
        {"Tessmir's save", saveOnSiblingsSheet(vocabulary::kFromTessmir, vocabulary::kShowSaveFileFromTessmir)},
        {"the driver database opening a file",
         saveOnSiblingsSheet(vocabulary::kFromOrvanel, vocabulary::kBootedByFileFromOrvanel)},
        // A document handed over waits until the sheet has closed: it asks
        // nothing over it.
        {"Save", [] { ApplicationEventHandler(kFileMenu, 5); }},
        {"Save As",
         [this] {
             ApplicationEventHandler(kFileMenu, 6);
             documentDialogs.saveTo(path("Box.qndl"));
         }},
        {"Close", answeringSave(kFileMenu, 3)},
        {"Quit", answeringSave(kApplicationMenu, kQuitItem)},
    };
    for (const Sheet& sheet : sheetsShowing())
        for (const auto& [road, save] : roads) {
            SCOPED_TRACE(std::string(road) + " over " + sheet.name);
            TearDown();
            SetUp();
            startSaved();
            put(path("Other.qndl"), encodeDesignDocument(state));
            changeThickness(33.0);
            state.view.ReDispWnd = 2, ReDispResposeWnd();  // recalculated: byte 15, where Vent Design redraws only
            const std::string applied = encodeDesignDocument(state);
            ASSERT_EQ(applied[15], 2);
            sheet.show();
            save();
            EXPECT_EQ(contents(path("Box.qndl")), applied);
            static_cast<void>(quitAsked());
        }
}

// The palette's Calc. recalculates; Vent Design opened over it and left by
// its OK redraws only, and is the design's redraw mode from then on: Save
// writes that, not the mode kept for the sheet's Cancel while it stood.
TEST_F(UntitledDesignTest, AfterVentDesignsOkSaveWritesTheDesignsOwnRedrawMode) {
    startSaved();
    CustumPaletCalcReturn();
    ASSERT_EQ(state.view.ReDispWnd, 2);
    ApplicationEventHandler(kOneVentMenu, 1);
    click(kVentDesignSheet, kVentOkButton);
    ASSERT_FALSE(platform::windowExists(kVentDesignSheet));
    ASSERT_EQ(state.view.ReDispWnd, 1);
    ApplicationEventHandler(kFileMenu, 5);
    EXPECT_EQ(contents(path("Box.qndl"))[15], 1);
}

// The connection sheet, the radiator sheet, Initial Setup, Vent Design and
// the vent's Initial Setup opened over a saved design, given a pick, a unit
// or typed values, and cancelled: the design is its document byte for byte,
// unchanged, the design's last recalculation (a connection selected again)
// and a sibling's text while the sheet stood included.
TEST_F(UntitledDesignTest, ASheetOpenedAndCancelledLeavesTheDocumentAsItWas) {
    for (const Sheet& sheet : sheetsShowing()) {
        SCOPED_TRACE(sheet.name);
        TearDown();
        SetUp();
        startSaved();
        ApplicationEventHandler(kMiscMenu, 6);
        press(kSpeakerConnectionSheet, Qt::Key_Return);  // Single again: recalculated, unchanged
        ApplicationEventHandler(kFileMenu, 5);
        ASSERT_EQ(state.view.ReDispWnd, 2);
        const std::string saved = contents(path("Box.qndl"));
        ASSERT_EQ(saved, encodeDesignDocument(state));
        sheet.show();
        // Any text from the driver database derives the driver in use again.
        ReceiveAppMessage({std::string(vocabulary::kFromOrvanel), "TEXT", std::string(vocabulary::kActivateMeFromOrvanel)});
        sheet.cancel();
        ASSERT_FALSE(sheetOpen());
        EXPECT_EQ(encodeDesignDocument(state), saved);
        ApplicationEventHandler(kFileMenu, 5);
        EXPECT_EQ(contents(path("Box.qndl")), saved);
        EXPECT_FALSE(changed());
    }
}

// A sibling's save that leaves the design (its save dialog cancelled) leaves
// the connection sheet up with its pick, and Select applies it then.
TEST_F(UntitledDesignTest, TheConnectionSheetKeepsItsPickThroughASiblingsSaveThatSavesNothing) {
    start(Kind::Untitled);
    changeThickness(33.0);
    ApplicationEventHandler(kMiscMenu, 6);
    press(kSpeakerConnectionSheet, Qt::Key_Right);
    ReceiveAppMessage({std::string(vocabulary::kFromTessmir), "TEXT", std::string(vocabulary::kShowSaveFileFromTessmir)});
    click(kSaveChangesSheet, kSaveChangesSaveButton);
    documentDialogs.saveTo(std::nullopt);
    ASSERT_TRUE(platform::windowExists(kSpeakerConnectionSheet));
    EXPECT_EQ(state.connection.SpConNum, 2);
    click(kSpeakerConnectionSheet, 1);
    EXPECT_EQ(appliedConnection(state.connection), 2);
    EXPECT_DOUBLE_EQ(state.speaker.VAS, 2.0 * state.speaker.VAS2);  // two drivers' compliance
    EXPECT_FALSE(quitAsked());
}

// An untitled design changed under a sheet that shows what the user has
// not applied, and File > Close: the question's Save asks where,
// and that dialog cancelled leaves the sheet up, with its menus. Saved, the
// sheet ends first and the design is written as applied.
TEST_F(UntitledDesignTest, ASaveDialogCancelledLeavesTheSheetUp) {
    for (const Sheet& sheet : sheetsShowing()) {
        SCOPED_TRACE(sheet.name);
        TearDown();
        SetUp();
        start(Kind::Untitled);
        put(path("Other.qndl"), encodeDesignDocument(state));
        changeThickness(33.0);
        const std::string applied = encodeDesignDocument(state);
        sheet.show();
        for (const char* target : {"", "Saved.qndl"}) {
            ApplicationEventHandler(kFileMenu, 3);
            documentDialogs.answer(SaveChangesAnswer::Save);
            documentDialogs.saveTo(*target != 0 ? std::optional(path(target)) : std::nullopt);
            EXPECT_EQ(sheetOpen(), *target == 0);
            EXPECT_EQ(platform::isMenuItemEnabled(kFileMenu, 0), *target != 0);  // the sheet's menus, then the design's
        }
        EXPECT_EQ(contents(path("Saved.qndl")), applied);
    }
}

}  // namespace
}  // namespace quendal::test
