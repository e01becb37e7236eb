// The program as a user starts it, with the desktop's services replaced by
// doubles: preferences in memory, a desktop that records what it opens, a
// messenger that records what is sent and to whom, dialogs that record
// their alerts.
#pragma once

#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include "app/Startup.h"
#include "model/State.h"
#include "model/WindowNumbers.h"
#include "platform/Platform.h"
#include "platform/qt/Registry.h"
#include "support/MessagingDoubles.h"
#include "support/ShellServiceDoubles.h"

namespace quendal::test {

// A messenger that also notes the endpoint it opened, and whether it was
// open and the menu bar built when each message left.
class WatchingMessenger : public RecordingMessenger {
public:
    bool listen(std::string_view name, platform::AppMessageReceiver r) override {
        endpoint = std::string(name);
        receiver = std::move(r);
        return true;
    }
    int32_t send(std::string_view application, const platform::AppMessage& message) override {
        listeningWhenSent.push_back(!endpoint.empty());
        menusWhenSent.push_back(platform::menuExists(kFileMenu));
        return RecordingMessenger::send(application, message);
    }
    std::string endpoint;
    platform::AppMessageReceiver receiver;
    std::vector<bool> listeningWhenSent, menusWhenSent;
};

class AppTest : public testing::Test {
protected:
    void SetUp() override {
        platform::resetPlatform();
        resetState();
        platform::setPreferenceStore(&prefs);
        platform::setDesktopService(&desktop);
        platform::setMessageService(&messenger);
        platform::setDialogService(&dialogs);
    }
    void TearDown() override {
        platform::resetPlatform();
        platform::setMessageService(nullptr);
        resetState();
    }
    void start() {
        int argc = 1;
        char* argv[] = {name_, nullptr};
        StartQuendal(argc, argv);
    }
    QWindow* handleOf(int32_t window) { return platform::qt::windowWidget(window)->windowHandle(); }
    // A key pressed in the window, which comes to the front first.
    void press(int32_t window, Qt::Key key) {
        ASSERT_TRUE(platform::windowExists(window)) << window;
        platform::selectWindow(window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(handleOf(window))) << window;
        QTest::keyClick(handleOf(window), key);
    }

    MemoryPreferences prefs;
    RecordingDesktop desktop;
    WatchingMessenger messenger;
    RecordingDialogs dialogs;

private:
    char name_[8] = "quendal";
};

}  // namespace quendal::test
