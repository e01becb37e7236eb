// The start in its order, and the preferences kept however the program ends.
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <csignal>
#include <fstream>
#include <functional>
#include <string>
#include <utility>

#include "AppFixture.h"
#include "app/CommandDispatch.h"
#include "app/Preferences.h"
#include "windows/DefaultParameters.h"
#include "windows/PreferencesWindow.h"

namespace quendal::test {
namespace {

// Notes, at every read, whether the menu bar was built already.
class WatchedPreferences : public MemoryPreferences {
public:
    std::optional<platform::StoredPreference> read(std::string_view key) override {
        ++reads;
        if (platform::menuExists(kFileMenu)) ++readsAfterMenus;
        return MemoryPreferences::read(key);
    }
    int reads = 0, readsAfterMenus = 0;
};

TEST_F(AppTest, TheStartReadsThePreferencesBeforeTheMenusAndAnnouncesItselfListening) {
    WatchedPreferences watched;
    watched.put("SysSelTabNum", {"2"});
    watched.put("SysSelBtnNum", {"5"});
    watched.put("MagniCheck", {"1"});
    platform::setPreferenceStore(&watched);
    start();
    EXPECT_EQ(watched.identity, "Keldrith/Quendal");
    EXPECT_GE(watched.reads, 19);
    EXPECT_EQ(watched.readsAfterMenus, 0);
    EXPECT_EQ(state.selection.SysSelTabNum, 2);
    EXPECT_EQ(state.selection.SysSelBtnNum, 5);
    EXPECT_EQ(state.view.Magni, 1);

    // Announced once, with our endpoint open to hear the answer, before the menus.
    ASSERT_EQ(messenger.sent, (std::vector<SentMessage>{{"Qndl", "BootedQndlFromQnDL", "Orvanel"}}));
    EXPECT_EQ(messenger.endpoint, "Quendal");
    EXPECT_TRUE(messenger.listeningWhenSent[0]);
    EXPECT_FALSE(messenger.menusWhenSent[0]);
    EXPECT_TRUE(platform::menuExists(kFileMenu));
    EXPECT_TRUE(platform::isTimerPending(state.shell.SelfOpenTimer));

    // Each sibling's texts reach their own handler.
    const struct { const char* eventClass; const char* text; SentMessage answer; } rows[] = {
        {"QnDL", "YesBootedQndl", {"Qndl", "HideQndl", "Orvanel"}},
        {"Tqmz", "ShowSaveFileMeQnDLFromTsmr", {"Tsmr", "ShowSaveFileTsmrFromVrkn", "Tessmir"}},
        {"Wlok", "Are you Launched Quendal", {"Jevr", "Now I Opend", "Ostrevane"}}};
    for (const auto& row : rows) {
        messenger.receiver(platform::AppMessage{row.eventClass, "TEXT", row.text});
        EXPECT_EQ(messenger.sent.back(), row.answer) << row.eventClass;
    }
}

// The value of a key as the file on the disk holds it.
std::string onDisk(const QString& file, const std::string& key) {
    std::ifstream in(file.toStdString());
    for (std::string line; std::getline(in, line);)
        if (line.rfind(key + "=", 0) == 0) return line.substr(key.size() + 1);
    return "<missing>";
}

// The layer's own preferences file, in a configuration folder of the test's
// own for as long as it stands.
struct OwnPreferencesFile {
    OwnPreferencesFile() : configHome(qgetenv("XDG_CONFIG_HOME")), file(folder.filePath("Keldrith/Quendal.ini")) {
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path()));
    }
    ~OwnPreferencesFile() { qputenv("XDG_CONFIG_HOME", configHome); }
    QTemporaryDir folder;
    const QByteArray configHome;
    const QString file;
};

TEST_F(AppTest, ThePreferencesSetInARunOutliveQuitALogoutAndAKill) {
    const OwnPreferencesFile own;
    ASSERT_TRUE(own.folder.isValid());
    const QString& file = own.file;
    const struct {
        const char* name;
        std::function<void()> out;
        int status;
    } roads[] = {{"Quit", [] { ApplicationEventHandler(kApplicationMenu, kQuitItem); }, 0},
                 {"SIGTERM", [] { std::raise(SIGTERM); }, 128 + SIGTERM},
                 {"SIGHUP", [] { std::raise(SIGHUP); }, 128 + SIGHUP}};
    for (const auto& road : roads) {
        SCOPED_TRACE(road.name);
        QFile::remove(file);
        platform::setPreferenceStore(nullptr);
        std::string writtenAtOk;
        QTimer::singleShot(0, [&] {
            // Preferences: 33 W and 18 mm typed, OK.
            ApplicationEventHandler(kApplicationMenu, kPreferencesItem);
            ASSERT_TRUE(platform::windowExists(kPreferencesWindow));
            for (const auto& [field, text] : {std::pair{kInputPowerField, "33"}, {kPortThicknessField, "18"}}) {
                QWidget* edit = platform::qt::controlWidget(kPreferencesWindow, field);
                QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(edit, text);
            }
            QTest::mouseClick(platform::qt::controlWidget(kPreferencesWindow, kPreferencesOK), Qt::LeftButton);
            writtenAtOk = onDisk(file, "InputPower") + " " + onDisk(file, "PortThickness");
            // A response window the user moved: its place is kept on the way out.
            platform::createWindow(kResponseWindow, platform::WindowKind::Document, {100, 120, 490, 660}, "Box");
            road.out();
        });
        char name[] = "quendal";
        char* argv[] = {name, nullptr};
        EXPECT_EQ(QuendalMain(1, argv), road.status);
        EXPECT_EQ(writtenAtOk, "33 18");  // on the disk from OK on, whatever comes next
        EXPECT_EQ(onDisk(file, "InputPower") + " " + onDisk(file, "PortThickness"), "33 18");
        EXPECT_EQ(onDisk(file, "RespWndBounds"), "\" 100, 120, 490, 660\"");
        resetState();
    }
}

// A preference changed by a window event (System Select's arrow key) or by
// a menu command (the System Info palette hidden, which keeps its place) is
// in the file as soon as the event has been handled: a kill just after it
// loses nothing.
TEST_F(AppTest, APreferenceChangedByAWindowEventOrAMenuCommandIsInTheFileAtOnce) {
    const OwnPreferencesFile own;
    ASSERT_TRUE(own.folder.isValid());
    const QString& file = own.file;
    platform::setPreferenceStore(nullptr);
    start();
    ASSERT_TRUE(QTest::qWaitFor([] { return platform::windowExists(kDefaultParametersWindow); }, 5000));
    press(kDefaultParametersWindow, Qt::Key_Return);
    ASSERT_TRUE(platform::windowExists(kSystemSelectWindow));
    const int32_t first = state.selection.SysSelBtnNum;
    press(kSystemSelectWindow, Qt::Key_Right);
    ASSERT_NE(state.selection.SysSelBtnNum, first);
    EXPECT_EQ(onDisk(file, "SysSelBtnNum"), std::to_string(state.selection.SysSelBtnNum));

    press(kSystemSelectWindow, Qt::Key_Return);
    if (platform::windowExists(kInitialSetupSheet)) press(kInitialSetupSheet, Qt::Key_Return);
    ASSERT_TRUE(platform::windowExists(kSystemInfoPalette));
    platform::qt::windowWidget(kSystemInfoPalette)->move(37, 41);  // a place no preference holds yet
    const std::string placeBefore = onDisk(file, "InfoWndBounds");
    ApplicationEventHandler(kViewMenu, 12);
    ASSERT_FALSE(platform::windowExists(kSystemInfoPalette));
    ASSERT_NE('"' + rectangleText(state.bounds.InfoWndBounds) + '"', placeBefore);
    EXPECT_EQ(onDisk(file, "InfoWndBounds"), '"' + rectangleText(state.bounds.InfoWndBounds) + '"');
}

TEST_F(AppTest, EveryWayOutKeepsThePreferencesOnceAndTheDriverWindowsQuitKeepsNothing) {
    // A run of the program to its end; the end of a run puts the layer's
    // own services back, so the doubles go in before each.
    const auto run = [this] {
        platform::setPreferenceStore(&prefs);
        platform::setMessageService(&messenger);
        char name[] = "quendal";
        char* argv[] = {name, nullptr};
        EXPECT_EQ(QuendalMain(1, argv), 0);
    };
    QTimer::singleShot(0, [] { ApplicationEventHandler(kApplicationMenu, kQuitItem); });
    run();
    EXPECT_EQ(prefs.synchronized, 1);
    // Closing the menu bar's window asks to quit, as Quit does; the window
    // is made once the start has returned to the loop.
    QTimer::singleShot(0, [] {
        QTimer::singleShot(0, [] {
            ASSERT_NE(platform::qt::menuHostWidget(), nullptr);
            platform::qt::menuHostWidget()->close();
        });
    });
    run();
    EXPECT_EQ(prefs.synchronized, 2);
    // Quit in the Default Parameters window ends the program as it found it.
    QTimer::singleShot(0, [] {
        DefaultParamWnd();
        DefaultParamWndQuit();
    });
    run();
    EXPECT_EQ(prefs.synchronized, 2);
}

}  // namespace
}  // namespace quendal::test
