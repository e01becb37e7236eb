// Rows that now hand their work to the windows' own routines, where a
// wrong hand-over would be easy to miss.
#include <QFileInfo>
#include <QLineEdit>
#include <QUrl>

#include "AppFixture.h"
#include "app/CommandDispatch.h"
#include "app/UrlLoading.h"
#include "selection/SystemSelect.h"
#include "windows/PreferencesWindow.h"

namespace quendal::test {
namespace {

class RowsTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        start();
        platform::removeTimer(state.shell.SelfOpenTimer);
    }
};

TEST_F(RowsTest, EscapeLeavesThePreferencesKeepingTheBoxesClickedButNotTheNumbersTyped) {
    ApplicationEventHandler(kApplicationMenu, kPreferencesItem);
    ASSERT_TRUE(platform::windowExists(kPreferencesWindow));
    EXPECT_FALSE(platform::isMenuItemEnabled(kFileMenu, 0));
    QTest::mouseClick(platform::qt::controlWidget(kPreferencesWindow, kSoundCheckBox), Qt::LeftButton, Qt::NoModifier,
                      QPoint(6, 10));
    auto* power = qobject_cast<QLineEdit*>(platform::qt::controlWidget(kPreferencesWindow, kInputPowerField));
    ASSERT_NE(power, nullptr);
    power->setText("55");
    press(kPreferencesWindow, Qt::Key_Escape);
    EXPECT_FALSE(platform::windowExists(kPreferencesWindow));
    EXPECT_EQ(state.prefs.SoundCheck, 0);
    EXPECT_EQ(state.power.InputPower, 10.0);
    EXPECT_TRUE(platform::isMenuItemEnabled(kFileMenu, 0));  // the menus are back
}

TEST_F(RowsTest, EveryHelpItemOpensADocumentOrAddressThroughTheDesktop) {
    for (int32_t item : {1, 2, 3, 4, 6, 7}) EXPECT_EQ(ApplicationEventHandler(kHelpMenu, item), platform::kHandled);
    ASSERT_EQ(desktop.opened.size(), 6u);
    for (std::size_t i = 0; i < 4; ++i) {
        const QUrl url(QString::fromStdString(desktop.opened[i]), QUrl::StrictMode);
        EXPECT_TRUE(url.isLocalFile() && QFileInfo(url.toLocalFile()).isFile()) << desktop.opened[i];
    }
    EXPECT_EQ(desktop.opened[4].rfind("https://", 0), 0u);
    EXPECT_EQ(desktop.opened[5].rfind("mailto:", 0), 0u);

    // Nothing opens for a text that is no URL or a document that is missing.
    desktop.opened.clear();
    EXPECT_EQ(LSLaunchURL("no scheme here"), kParamErr);
    EXPECT_EQ(LSLaunchURL("https://a b"), kParamErr);
    EXPECT_EQ(CreateURLFromBundleResourceAndLaunch("Missing.html", kHelpFolder), kParamErr);
    EXPECT_TRUE(desktop.opened.empty());
    desktop.accepts = false;
    EXPECT_EQ(LSLaunchURL("mailto:someone@example.com"), kLSApplicationNotFoundErr);
}

TEST_F(RowsTest, ADriverHeldDuringUnsavedChangesIsTheDriverOfTheNextSystemSelect) {
    state.messages.HeldDriverFlag = 1;
    state.messages.HeldDriverRecord =
        "DUMMY#  Woofer-8  30 Hz - 3 kHz  26  38  62  0.32  0.35  4.1  0.9  5.6  80  220  6.5  143  0.8  ";
    SystemSelectWnd();
    EXPECT_EQ(state.messages.HeldDriverFlag, 0);
    EXPECT_DOUBLE_EQ(state.speaker.FS, 38.0);
    EXPECT_DOUBLE_EQ(state.speaker.DIA, 26.0);   // the whole driver, not only what the connection scales
    EXPECT_DOUBLE_EQ(state.speaker.XMAX, 6.5);
    EXPECT_EQ(state.speaker.s_SP, "Woofer-8");
}

}  // namespace
}  // namespace quendal::test
