// Start-up: the defaults of a first launch, the handlers every window gets,
// and the start timer that opens the Default Parameters window only when
// nothing else started a design, and at most once.
#include "ShellFixture.h"
#include "app/ShellHooks.h"
#include "app/Startup.h"
#include "dialogs/Alerts.h"
#include "view/ShellHooks.h"
#include "windows/InitialSetup.h"
#include "support/MessagingDoubles.h"

namespace quendal::test {
namespace {

class StartupTest : public ShellTest {
protected:
    void TearDown() override {
        platform::setMessageService(nullptr);
        ShellTest::TearDown();
    }
    // A start with a driver database running (`databases` 1) or none.
    void start(int32_t databases = 1) {
        messenger.served = databases;
        platform::setMessageService(&messenger);
        int argc = 1;
        char name[] = "quendal";
        char* argv[] = {name, nullptr};
        StartQuendal(argc, argv);
    }
    // Lets the start timer, installed to fire at once, fire.
    void fire() {
        InstallCarbonTimerSelfOpen(0.0, 0.0);
        ASSERT_TRUE(QTest::qWaitFor([] { return state.shell.SelfOpenTimer == 0; }));
    }

    RecordingMessenger messenger;
};

TEST_F(StartupTest, AFirstLaunchStartsFromTheDefaults) {
    start();
    EXPECT_EQ(state.bounds.RespWndBounds.right - state.bounds.RespWndBounds.left, 540);
    EXPECT_EQ(state.bounds.RespWndBounds.bottom - state.bounds.RespWndBounds.top, 390);
    EXPECT_EQ(state.bounds.SysSelWndBounds.right - state.bounds.SysSelWndBounds.left, 595);
    EXPECT_EQ(state.bounds.PrefeBounds.bottom - state.bounds.PrefeBounds.top, 465);
    EXPECT_EQ(state.selection.SysSelTabNum, 1);
    EXPECT_EQ(state.selection.SysSelBtnNum, 1);
    EXPECT_EQ(state.power.InputPower, 10.0);
    EXPECT_EQ(state.power.PortThickness, 20.0);
    EXPECT_EQ(state.speaker.s_SP2, "Test20-04");
    EXPECT_EQ(state.messages.s_Masg, "null");
    EXPECT_EQ(state.view.s_Resp, "amp");
    EXPECT_EQ(state.view.s_Imp, "Para");
    EXPECT_EQ(state.shell.ControlPictureProc, 305);
    EXPECT_EQ(state.shell.CtmPaletFlag, 1);
    EXPECT_EQ(state.box.CBAlartFlag, 1);
    EXPECT_EQ(state.phys.C, 345.0);
    EXPECT_EQ(state.update.downFileZip, "Quendal.zip");
    EXPECT_EQ(state.update.downFileName, "Quendal.pkg");
    EXPECT_NE(state.shell.SelfOpenTimer, 0);
    EXPECT_TRUE(platform::isMenuHostVisible());
}

// The start fills every hook of the rooms below the shell; a start that
// leaves one empty stops with a message naming it.
TEST_F(StartupTest, TheStartFillsEveryHookOrStopsNamingTheEmptyOnes) {
    start();
    EXPECT_EQ(unfilledShellHooks(), std::vector<std::string_view>{});

    const ShellHooks filled = shellHooks();
    shellHooks().compareDesign = nullptr;
    setKeptDesignEnding(nullptr);
    EXPECT_EQ(unfilledShellHooks(), (std::vector<std::string_view>{"compareDesign", "setKeptDesignEnding"}));
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(requireShellHooks(), "shell hook compareDesign is not filled.*shell hook setKeptDesignEnding");
    shellHooks() = filled;
    InstallApplicationHandler();
    EXPECT_EQ(unfilledShellHooks(), std::vector<std::string_view>{});
}

TEST_F(StartupTest, WindowsMadeAfterTheStartReportToTheShell) {
    start();
    openWindow(kSystemSelectWindow, platform::WindowKind::Document);
    platform::qt::updateMenuHost();
    EXPECT_FALSE(platform::isMenuHostVisible());  // the window carries the menus now
    state.shell.curentWndID = kSystemSelectWindow;
    platform::qt::windowWidget(kSystemSelectWindow)->close();  // its close box
    EXPECT_FALSE(platform::windowExists(kSystemSelectWindow));
    EXPECT_EQ(state.shell.curentWndID, 0);
    EXPECT_TRUE(enabled(kFileMenu, 1));  // the menus without a design
    platform::qt::updateMenuHost();
    EXPECT_TRUE(platform::isMenuHostVisible());  // the menus stay within reach
}

TEST_F(StartupTest, ASecondStartTimerReplacesThePendingOne) {
    InstallCarbonTimerSelfOpen(60.0, 0.0);
    const platform::TimerId first = state.shell.SelfOpenTimer;
    InstallCarbonTimerSelfOpen(60.0, 0.0);
    EXPECT_FALSE(platform::isTimerPending(first));
    EXPECT_TRUE(platform::isTimerPending(state.shell.SelfOpenTimer));
}

TEST_F(StartupTest, WithNothingElseTheTimerOpensTheDefaultParametersOnce) {
    fire();
    EXPECT_EQ(state.shell.AppClickOpnFlag, 1);
    EXPECT_FALSE(enabled(kFileMenu, 3));
    // Once a design is under way the timer's action changes nothing more.
    platform::setMenuItemEnabled(kFileMenu, 3, true);
    CarbonTimerActionSelfOpen(0, nullptr);
    EXPECT_TRUE(enabled(kFileMenu, 3));
}

TEST_F(StartupTest, AMessageOrADocumentFirstKeepsTheTimerFromOpeningAnything) {
    const struct { const char* message; int32_t document; } rows[] = {{"ShowQndl", 0}, {"null", 1}};
    for (const auto& row : rows) {
        resetState();
        InitMenu11();
        state.messages.s_Masg = row.message;
        state.shell.FileOpenFlag = row.document;
        fire();
        EXPECT_EQ(state.shell.AppClickOpnFlag, 0) << row.message;
        EXPECT_TRUE(enabled(kFileMenu, 3)) << row.message;
    }
}

TEST_F(StartupTest, WithNoDriverDatabaseToWaitForTheDefaultParametersOpenAtOnce) {
    for (const int32_t databases : {0, 1}) {
        SCOPED_TRACE(databases);
        TearDown();
        SetUp();
        start(databases);
        EXPECT_EQ(platform::windowExists(kDefaultParametersWindow), databases == 0);
        EXPECT_EQ(state.shell.SelfOpenTimer != 0, databases == 1);
        EXPECT_EQ(state.shell.AppClickOpnFlag, databases == 0 ? 1 : 0);
    }
}

}  // namespace
}  // namespace quendal::test
