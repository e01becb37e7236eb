// Two roads of the design flow through the real windows: a speaker
// connection sizes the vents for the power it brings, and Speaker Select
// gives the design back when it is not replaced.
#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>

#include "RoadsFixture.h"
#include "support/TimerLooks.h"
#include "app/DesignDocument.h"
#include "app/DesktopDocuments.h"
#include "model/ClosedBoxOutcome.h"
#include "model/DriverCheck.h"
#include "palette/CustomPalette.h"
#include "windows/DefaultParameters.h"
#include "windows/PreferencesWindow.h"
#include "app/Preferences.h"
#include "view/ResponseRedraw.h"

namespace quendal::test {
namespace {

using platform::qt::dispatchControlEvent;

const char* const kRecord =  // as the driver database sends it
    "DUMMY#  REC-38  30 Hz - 3 kHz  26  38  62  0.38  0.42  3.8  0.9  5.6  80  220  6.5  143  0.8  ";

class KeptDesign : public RoadsTest {
protected:
    void SetUp() override {
        RoadsTest::SetUp();
        prefs.put("InitSetupCheck", {"0"});
    }
    static void hit(int32_t window, int32_t control) {
        ASSERT_TRUE(platform::controlExists(window, control)) << window << " " << control;
        dispatchControlEvent(window, control, platform::ControlEventKind::Hit);
    }
    // The default driver's Vented Box at its first alignment, its input
    // power following the rated power.
    void ventedBox() {
        openVentedBox();
        ASSERT_EQ(state.power.InputPowerCheck, 1);
    }
    // Speaker Connect, the connection `steps` to the right, Select.
    void connect(int steps) {
        platform::qt::deliverCommand(kMiscMenu, 6);
        ASSERT_TRUE(platform::windowExists(kSpeakerConnectionSheet));
        for (int i = 0; i < steps; ++i)
            platform::qt::dispatchWindowEvent(
                {platform::WindowEventKind::KeyDown, kSpeakerConnectionSheet, 0, 0, 0, 0, platform::kRightArrowChar});
        hit(kSpeakerConnectionSheet, 1);
        ASSERT_FALSE(platform::windowExists(kSpeakerConnectionSheet));
    }
    std::string saved() {
        platform::qt::deliverCommand(kFileMenu, 5);
        if (documents.save) documents.saveTo(folder.filePath("Box.qndl").toStdString());
        QFile file(folder.filePath("Box.qndl"));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll().toStdString();
    }
    static double minimumAreaCm2() { return state.vents.vent[1].CircPortSVmin; }
    // The menus offered: the bar, each menu's title, File > Save.
    static std::vector<int32_t> menus() {
        std::vector<int32_t> offered = platform::menuBar();
        for (const int32_t menu : platform::menuBar()) offered.push_back(platform::isMenuItemEnabled(menu, 0));
        offered.push_back(platform::isMenuItemEnabled(kFileMenu, 5));
        return offered;
    }

};

// Two drivers in parallel at their rated power each, in twice the box at the
// same tuning, move twice the air: the vent needs twice the area. One driver
// again needs the area of one.
TEST_F(KeptDesign, DualParallelDoublesTheMinimumVentAreaAndSingleHalvesItAgain) {
    ventedBox();
    const double single = minimumAreaCm2(), volume = state.box.VB, tuning = state.box.FB, power = state.power.PIN;
    ASSERT_GT(single, 0.0);

    connect(1);
    ASSERT_EQ(state.connection.SpConNum, 2);
    EXPECT_DOUBLE_EQ(state.power.PIN, 2.0 * power);
    EXPECT_NEAR(state.box.VB, 2.0 * volume, 0.01);
    EXPECT_NEAR(state.box.FB, tuning, 0.01);
    EXPECT_NEAR(minimumAreaCm2(), 2.0 * single, 1e-9 * single);
    EXPECT_GE(state.vents.vent[1].CircPortSV, minimumAreaCm2() * (1.0 - 1e-9));  // the automatic vent carries it
    EXPECT_EQ(state.shell.DirtyFlag, 1);

    connect(4);  // round to Single
    ASSERT_EQ(state.connection.SpConNum, 1);
    EXPECT_DOUBLE_EQ(state.power.PIN, power);
    EXPECT_NEAR(minimumAreaCm2(), single, 1e-9 * single);
}

// Speaker Select over a saved design: OK with the driver as it was gives the
// design back, as does System Select's Cancel after OK with another driver:
// its document is the one saved, unchanged.
TEST_F(KeptDesign, SpeakerSelectOkUnchangedOrWithdrawnThroughSystemSelectLeavesTheSavedDesign) {
    ventedBox();
    platform::qt::deliverCommand(alignmentMenuFor(1, 3), 2);
    const std::string before = saved();
    ASSERT_EQ(state.shell.DirtyFlag, 0);

    platform::qt::deliverCommand(kMiscMenu, 3);
    ASSERT_TRUE(platform::windowExists(kDefaultParametersWindow));
    hit(kDefaultParametersWindow, 1);
    EXPECT_FALSE(platform::windowExists(kSystemSelectWindow));
    EXPECT_FALSE(platform::windowExists(kDefaultParametersWindow));
    EXPECT_EQ(encodeDesignDocument(state), before);
    EXPECT_EQ(state.shell.DirtyFlag, 0);

    platform::qt::deliverCommand(kMiscMenu, 3);
    platform::setControlText(kDefaultParametersWindow, defaultParamField(DriverField::FS), "45");
    hit(kDefaultParametersWindow, 1);
    ASSERT_TRUE(platform::windowExists(kSystemSelectWindow));
    EXPECT_TRUE(platform::windowExists(kResponseWindow));  // kept until a design replaces it
    hit(kSystemSelectWindow, 2);
    ASSERT_TRUE(platform::windowExists(kResponseWindow));
    EXPECT_EQ(state.shell.DirtyFlag, 0);
    EXPECT_EQ(platform::windowFilePath(kResponseWindow), folder.filePath("Box.qndl").toStdString());
    EXPECT_EQ(saved(), before);
    EXPECT_DOUBLE_EQ(state.speaker.FS2, enteredDriverOf(state.speaker).FS);
    EXPECT_NE(state.speaker.FS2, 45.0);
}

// A Closed Box for a driver too lossy for most systems, saved, its optimum
// alignment failed without an alert. While it waits behind System Select
// the design in the state stays the one on the screen: a system refused for
// the driver, its alert's OK, a driver record arriving, Save, and Quit's
// Save all see it, and nothing is written but that design.
TEST_F(KeptDesign, AWaitingDesignIsTheOneSavedWhateverTheNextDesignBrings) {
    start();
    ASSERT_TRUE(QTest::qWaitFor([] { return platform::windowExists(kDefaultParametersWindow); }, kAtMost));
    for (const auto& [field, text] : {std::pair{DriverField::FS, "50"}, {DriverField::VAS, "100"},
                                      {DriverField::QTS, "1.4"}, {DriverField::QES, "2.1538"}, {DriverField::QMS, "4"}})
        platform::setControlText(kDefaultParametersWindow, defaultParamField(field), text);
    hit(kDefaultParametersWindow, 1);
    state.selection.SysSelBtnNum = 2;  // Closed Box, before any design waits
    hit(kSystemSelectWindow, 1);
    ASSERT_TRUE(platform::windowExists(kResponseWindow));
    platform::qt::deliverCommand(alignmentMenuFor(1, 2), 1);  // Optimum: not for this Qts
    ASSERT_TRUE(closedBoxAlignmentFailed(state.box.CBAlartFlag));
    const std::string before = saved();

    platform::qt::deliverCommand(kMiscMenu, 1);
    ASSERT_TRUE(platform::windowExists(kSystemSelectWindow));
    platform::qt::dispatchWindowEvent({platform::WindowEventKind::KeyDown, kSystemSelectWindow, 0, 0, 0, 0,
                                       platform::kDownArrowChar});  // Twin Serial Vented, below the Closed Box
    alerts.sheets.clear();
    const std::vector<int32_t> offered = menus();  // System Select's
    hit(kSystemSelectWindow, 1);
    ASSERT_EQ(alerts.sheets.size(), 1u);
    EXPECT_EQ(alerts.sheets[0].title, "ALERT!   Uncalculate.  Qts is too large.");
    alerts.pressOk();
    EXPECT_EQ(alerts.sheets.size(), 1u) << "no second alert";
    EXPECT_EQ(menus(), offered);
    EXPECT_FALSE(platform::isMenuItemEnabled(kFileMenu, 5)) << "File > Save while the design waits";
    EXPECT_TRUE(platform::windowExists(kSystemSelectWindow));
    EXPECT_EQ(encodeDesignDocument(state), before);
    EXPECT_EQ(state.shell.DirtyFlag, 0);
    EXPECT_EQ(saved(), before);

    messenger.receiver({"QnDL", "TEXT", "DUMMY#  REC-38  30 Hz - 3 kHz  26  38  62  0.38  0.42  3.8  0.9  5.6  80  220  6.5  143  0.8  "});
    EXPECT_EQ(encodeDesignDocument(state), before);
    state.shell.DirtyFlag = 1;  // as after a change, so that Quit asks
    // A document handed over asks first; Cancel keeps the waiting design.
    ReceiveHandedDocuments({folder.filePath("Box.qndl").toStdString()});
    ASSERT_TRUE(documents.question);
    documents.answer(platform::SaveChangesAnswer::Cancel);
    static_cast<void>(QTest::qWaitFor([] { return state.shell.SelfOpenFlag == 0; }, kAtMost));
    EXPECT_TRUE(platform::windowExists(kSystemSelectWindow));
    EXPECT_EQ(encodeDesignDocument(state), before);
    EXPECT_EQ(state.shell.DirtyFlag, 1);
    platform::qt::deliverCommand(kApplicationMenu, kQuitItem);
    ASSERT_TRUE(documents.question);
    documents.answer(platform::SaveChangesAnswer::Save);
    QFile file(folder.filePath("Box.qndl"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(), before);

    hit(kSystemSelectWindow, 2);  // the record was the next design's driver only
    EXPECT_DOUBLE_EQ(state.speaker.FS2, 50.0);
}

// A question answered with the mouse leads the keyboard to the window it
// opens, whichever road asked: Return in System Select starts the next
// design, Escape in Speaker Select gives the design back.
TEST_F(KeptDesign, TheWindowAMouseAnsweredQuestionLeadsToTakesTheKeyboard) {
    const struct {
        const char* road;
        std::function<void()> ask;
        int32_t window;
        Qt::Key key;
    } rows[] = {{"Ctrl+E", [this] { QTest::keyClick(handleOf(kResponseWindow), Qt::Key_E, Qt::ControlModifier); },
                 kSystemSelectWindow, Qt::Key_Return},
                {"the palette's arrow",
                 [] { QTest::mouseClick(platform::qt::controlWidget(kCustomPalette, 12), Qt::LeftButton); },
                 kSystemSelectWindow, Qt::Key_Return},
                {"a driver record", [this] { messenger.receiver({"QnDL", "TEXT", kRecord}); }, kSystemSelectWindow,
                 Qt::Key_Return},
                {"Speaker Select", [] { platform::qt::deliverCommand(kMiscMenu, 3); }, kDefaultParametersWindow,
                 Qt::Key_Escape}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.road);
        TearDown();
        SetUp();
        platform::setDocumentDialogService(nullptr);  // the layer's own question
        ventedBox();
        connect(1);
        const std::string changed = encodeDesignDocument(state);
        row.ask();
        ASSERT_TRUE(QTest::qWaitFor([] { return question() != nullptr; }));
        for (QAbstractButton* button : question()->buttons())
            if (button->text().remove(QLatin1Char('&')) == "Don't Save") QTest::mouseClick(button, Qt::LeftButton);
        // Once the palettes are back from standing aside for the question.
        QWidget* palette = platform::qt::windowWidget(kCustomPalette);
        ASSERT_TRUE(QTest::qWaitFor([palette] { return question() == nullptr && palette->isVisible(); }));
        EXPECT_TRUE(QTest::qWaitFor([&row] { return platform::activeWindow() == row.window; }));
        QTest::keyClick(QGuiApplication::focusWindow(), row.key);
        EXPECT_FALSE(platform::windowExists(row.window));
        ASSERT_TRUE(platform::windowExists(kResponseWindow));
        EXPECT_EQ(encodeDesignDocument(state) == changed, row.window == kDefaultParametersWindow);
    }
}

// A Quit asked over a design waiting behind Speaker Select or System Select,
// then cancelled, gives back that window's menus: no key reaches the
// waiting design, and Escape gives it back as it waited.
TEST_F(KeptDesign, ACancelledQuitGivesBackTheMenusOfTheWindowItWasAskedOver) {
    for (const int32_t window : {kDefaultParametersWindow, kSystemSelectWindow}) {
        SCOPED_TRACE(window);
        TearDown();
        SetUp();
        ventedBox();
        const std::string before = saved();
        platform::qt::deliverCommand(kMiscMenu, window == kSystemSelectWindow ? 1 : 3);
        const std::vector<int32_t> offered = menus();
        state.shell.DirtyFlag = 1;  // changes no answer was given for, so that Quit asks
        platform::qt::deliverCommand(kApplicationMenu, kQuitItem);
        ASSERT_TRUE(documents.question);
        documents.answer(platform::SaveChangesAnswer::Cancel);
        EXPECT_EQ(menus(), offered);
        QTest::keyClick(handleOf(window), Qt::Key_T, Qt::ControlModifier);
        EXPECT_FALSE(platform::windowExists(kInitialSetupSheet));
        press(window, Qt::Key_Escape);
        EXPECT_FALSE(platform::windowExists(window));
        EXPECT_EQ(encodeDesignDocument(state), before);
    }
}

// Every dialog reachable over Speaker Select and System Select, closed,
// leaves that window in front with the keyboard; the design waiting behind
// it takes no click or key of its windows meanwhile (each control clicked,
// Return typed), and Escape gives it back exactly as it waited.
TEST_F(KeptDesign, ADialogClosedOverTheChoosingWindowLeavesTheWaitingDesignAsleep) {
    using platform::qt::deliverCommand;
    const std::pair<const char*, std::function<void()>> dialogRows[] = {
        {"Preferences",
         [] { deliverCommand(kApplicationMenu, kPreferencesItem), hit(kPreferencesWindow, kPreferencesOK); }},
        {"About", [this] { deliverCommand(kApplicationMenu, kAboutItem), press(kAboutWindow, Qt::Key_Return); }},
        {"the update window",
         [this] {
             deliverCommand(kApplicationMenu, kCheckForUpdatesItem);
             ASSERT_TRUE(QTest::qWaitFor([] { return platform::windowExists(kUpdateWindow); }, kAtMost));
             press(kUpdateWindow, Qt::Key_Escape);
         }},
        {"Page Setup's keys, which open nothing",
         [] { QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier); }},
        {"the save question",
         [] {
             state.shell.DirtyFlag = 1;  // changes no answer was given for, so that Quit asks
             deliverCommand(kApplicationMenu, kQuitItem);
             ASSERT_TRUE(QTest::qWaitFor([] { return question() != nullptr; }));
             QTest::keyClick(question()->windowHandle(), Qt::Key_Escape);
         }},
    };
    for (const int32_t window : {kDefaultParametersWindow, kSystemSelectWindow})
        for (const auto& [dialog, openAndClose] : dialogRows) {
            SCOPED_TRACE(std::string(dialog) + (window == kSystemSelectWindow ? " over System" : " over Speaker"));
            TearDown();
            SetUp();
            ventedBox();
            const std::string before = saved();
            platform::setDocumentDialogService(nullptr);  // the layer's own question
            deliverCommand(kMiscMenu, window == kSystemSelectWindow ? 1 : 3);
            openAndClose();
            ASSERT_TRUE(QTest::qWaitFor([] { return !question() && platform::isWindowVisible(kCustomPalette); }));
            EXPECT_FALSE(platform::isControlEnabled(kCustomPalette, kPaletteSnapButton));
            const bool dirty = state.shell.DirtyFlag == 1, marked = platform::isWindowModified(kResponseWindow);
            for (const int32_t asleep : {kCustomPalette, kSystemInfoPalette, kResponseWindow}) {
                EXPECT_TRUE(QTest::qWaitFor([window] { return platform::activeWindow() == window; })) << asleep;
                for (int32_t control = 1; control < 1000; ++control) {
                    const QWidget* widget = platform::qt::controlWidget(asleep, control);
                    if (widget == nullptr || !widget->isVisible()) continue;
                    const QPoint middle = widget->mapTo(widget->window(), widget->rect().center());
                    if (widget->window()->rect().contains(middle)) QTest::mouseClick(handleOf(asleep), Qt::LeftButton, {}, middle);
                    if (QWidget* popup = QApplication::activePopupWidget()) QTest::keyClick(popup, Qt::Key_Down);
                }
                QTest::keyClick(handleOf(asleep), Qt::Key_Return);
            }
            ASSERT_TRUE(QTest::qWaitFor([window] { return platform::activeWindow() == window; }));
            EXPECT_EQ(encodeDesignDocument(state), before);
            EXPECT_EQ(platform::isWindowModified(kResponseWindow), marked);
            EXPECT_FALSE(platform::windowExists(kPageSetupSheet));
            QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key_Escape);
            EXPECT_FALSE(platform::windowExists(window));
            ASSERT_TRUE(platform::windowExists(kResponseWindow));
            EXPECT_EQ(encodeDesignDocument(state), before);
            EXPECT_EQ(state.shell.DirtyFlag == 1, dirty);
        }
}

// A driver record that arrives while a dialog asks waits for the dialog to
// close and is then taken: System Select opens over the design with it. A
// second record, at rest, is taken at once.
TEST_F(KeptDesign, ARecordArrivingDuringADialogIsTakenWhenItCloses) {
    ventedBox();
    const std::string before = saved();
    const auto record = [this](const char* model) {
        messenger.receiver({"QnDL", "TEXT", std::string("DUMMY#  ") + model +
                                                "  30 Hz - 3 kHz  26  38  62  0.38  0.42  3.8  0.9  5.6  80  220  6.5  143  0.8  "});
    };
    const auto modelShown = [] { return platform::controlText(kSystemSelectWindow, 22); };
    for (const bool saving : {true, false}) {
        SCOPED_TRACE(saving ? "Save As" : "Preferences");
        if (saving)
            platform::qt::deliverCommand(kFileMenu, 6);
        else
            platform::qt::deliverCommand(kApplicationMenu, kPreferencesItem);
        record("REC-38");
        ASSERT_TRUE(looksRan(state.messages.WaitingRecordTimer, 1, kAtMost));  // a look while the dialog asks
        EXPECT_FALSE(platform::windowExists(kSystemSelectWindow)) << "taken while the dialog asks";
        if (saving)
            documents.saveTo(folder.filePath("Box.qndl").toStdString());
        else
            hit(kPreferencesWindow, kPreferencesOK);
        ASSERT_TRUE(recordTaken() && platform::windowExists(kSystemSelectWindow));
        EXPECT_EQ(modelShown(), "Model Name : REC-38");
        EXPECT_EQ(encodeDesignDocument(state), before);
        hit(kSystemSelectWindow, 2);
        ASSERT_FALSE(platform::windowExists(kSystemSelectWindow));
    }
    record("REC-40");
    ASSERT_TRUE(platform::windowExists(kSystemSelectWindow));
    EXPECT_EQ(modelShown(), "Model Name : REC-40");

    // The driver database hides the unchanged design while the desktop's
    // Save dialog stands on it: the dialog goes with the window, and the
    // next record is taken.
    hit(kSystemSelectWindow, 2);
    platform::setDocumentDialogService(nullptr);
    platform::qt::deliverCommand(kFileMenu, 6);
    ASSERT_EQ(state.shell.DocumentDialogsAsking, 1);
    messenger.receiver({"QnDL", "TEXT", "HideQnDL"});
    ASSERT_FALSE(platform::windowExists(kResponseWindow));
    record("REC-42");
    ASSERT_TRUE(recordTaken() && platform::windowExists(kSystemSelectWindow));
    EXPECT_EQ(modelShown(), "Model Name : REC-42");
    EXPECT_EQ(state.shell.DocumentDialogsAsking, 0);
}

// The input-power choice a document brings is its design's own: Preferences
// closed with nothing changed leave that design as it is, and the settings
// keep what the user set; a new choice there applies to the design too.
TEST_F(KeptDesign, PreferencesClosedUnchangedLeaveTheDesignAndADocumentLeavesThePreference) {
    ventedBox();
    state.power.InputPowerCheck = 0;  // as a document saved with the power entered brings it
    state.view.ReDispWnd = 2;
    ReDispResposeWnd();
    const std::string before = saved();
    for (int32_t opening = 0; opening < 2; ++opening) {
        platform::qt::deliverCommand(kApplicationMenu, kPreferencesItem);
        EXPECT_EQ(platform::controlValue(kPreferencesWindow, kInputPowerCheckBox), 1);  // the user's setting
        hit(kPreferencesWindow, kPreferencesOK);
        EXPECT_EQ(encodeDesignDocument(state), before);
        EXPECT_EQ(state.shell.DirtyFlag, 0);
    }
    SavePrefs();
    EXPECT_EQ(prefs.text("InputPowerCheck"), "1");

    platform::qt::deliverCommand(kApplicationMenu, kPreferencesItem);
    platform::setControlValue(kPreferencesWindow, kInputPowerCheckBox, 0);
    hit(kPreferencesWindow, kInputPowerCheckBox);
    platform::setControlValue(kPreferencesWindow, kInputPowerCheckBox, 1);
    hit(kPreferencesWindow, kInputPowerCheckBox);
    hit(kPreferencesWindow, kPreferencesOK);
    EXPECT_EQ(encodeDesignDocument(state), before) << "ticked off and on again: nothing changed";

    platform::qt::deliverCommand(kApplicationMenu, kPreferencesItem);
    platform::setControlValue(kPreferencesWindow, kInputPowerCheckBox, 0);
    hit(kPreferencesWindow, kInputPowerCheckBox);
    hit(kPreferencesWindow, kPreferencesOK);
    EXPECT_EQ(state.power.InputPowerCheck, 0);
    EXPECT_EQ(state.prefs.InputPowerCheck, 0);
}

}  // namespace
}  // namespace quendal::test
