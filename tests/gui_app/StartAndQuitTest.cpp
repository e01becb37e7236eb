// The start in its order, and the preferences kept however the program ends.
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include "AppFixture.h"
#include "app/CommandDispatch.h"
#include "windows/DefaultParameters.h"

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

TEST_F(AppTest, QuittingKeepsThePreferencesOfTheRun) {
    // The layer's own preferences file, in a folder of this test.
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    platform::setPreferenceStore(nullptr);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder.path());
    QTimer::singleShot(0, [] {
        state.prefs.SoundCheck = 0;  // changed in the Preferences window
        ApplicationEventHandler(kApplicationMenu, kQuitItem);
    });
    char name[] = "quendal";
    char* argv[] = {name, nullptr};
    EXPECT_EQ(QuendalMain(1, argv), 0);
    const QSettings saved(folder.filePath("Keldrith/Quendal.ini"), QSettings::IniFormat);
    EXPECT_EQ(saved.value("SoundCheck").toInt(), 0);
    EXPECT_EQ(saved.value("FastOpenFlag").toInt(), 0);
    EXPECT_EQ(saved.value("RespWndBounds").toString(), " 0, 0, 390, 540");
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
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
