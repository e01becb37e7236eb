// A question answered with the mouse on a desktop: the pointer rests over
// some window when the question goes, and the window manager may hand that
// window the keyboard; the keyboard goes where the answer leads instead.
#include <QAbstractButton>

#include "DesktopFixture.h"
#include "windows/PreferencesWindow.h"

namespace quendal::test {
namespace {

class MouseAnsweredQuestion : public DesktopTest {
protected:
    // Speaker Connect, the next connection, Select: a change to save.
    static void change() {
        platform::qt::deliverCommand(kMiscMenu, 6);
        ASSERT_TRUE(platform::windowExists(kSpeakerConnectionSheet));
        settle();  // on the screen before the user's keys reach it
        platform::qt::dispatchWindowEvent(
            {platform::WindowEventKind::KeyDown, kSpeakerConnectionSheet, 0, 0, 0, 0, platform::kRightArrowChar});
        hit(kSpeakerConnectionSheet, 1);
        ASSERT_FALSE(platform::windowExists(kSpeakerConnectionSheet));
    }
    // The question's button with these words, clicked with the X server's pointer.
    static void answer(const QString& words) {
        ASSERT_TRUE(QTest::qWaitFor([] { return question() != nullptr && question()->isActiveWindow(); }, kAtMost));
        settle();
        for (QAbstractButton* button : question()->buttons())
            if (button->text().remove(QLatin1Char('&')) == words) return click(button);
        FAIL() << "no button " << words.toStdString();
    }
};

// The window the answer leads to takes the keyboard: Return in System
// Select starts the next design, Escape in Speaker Select gives the design
// back. Cancel leaves it with the window the question stood over, where
// Ctrl+E asks again.
TEST_F(MouseAnsweredQuestion, TheKeyboardGoesWhereTheAnswerLeads) {
    const struct {
        const char* road;
        std::function<void()> ask;
        const char* answer;
        int32_t window;  // 0: the window the user worked in
        const char* key;
    } rows[] = {
        {"Ctrl+E", [] { key("ctrl+e"); }, "Don't Save", kSystemSelectWindow, "Return"},
        {"Speaker Select", [] { platform::qt::deliverCommand(kMiscMenu, 3); }, "Don't Save",
         kDefaultParametersWindow, "Escape"},
        {"Ctrl+E, cancelled", [] { key("ctrl+e"); }, "Cancel", 0, "ctrl+e"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.road) + ", " + row.answer);
        TearDown();
        SetUp();
        platform::setDocumentDialogService(nullptr);  // the layer's own question
        ventedBox();
        change();
        settle();
        const int32_t worked = platform::activeWindow();  // where the user works when asked
        ASSERT_NE(worked, 0);
        const std::string changed = encodeDesignDocument(state);
        row.ask();
        answer(row.answer);
        ASSERT_TRUE(QTest::qWaitFor([] { return question() == nullptr; }, kAtMost));
        EXPECT_TRUE(activeWithKeyboard(row.window != 0 ? row.window : worked));
        key(row.key);
        if (row.window == 0) {
            // Asked again, over the window the keyboard stayed in.
            EXPECT_TRUE(QTest::qWaitFor([] { return question() != nullptr; }, kActivationMs));
            answer("Cancel");
            continue;
        }
        EXPECT_TRUE(QTest::qWaitFor([&row] { return !platform::windowExists(row.window); }, kActivationMs));
        ASSERT_TRUE(platform::windowExists(kResponseWindow));
        EXPECT_EQ(encodeDesignDocument(state) == changed, row.window == kDefaultParametersWindow);
    }
}

// An alert keeps the keyboard while it stands: Preferences with the input
// power emptied, OK, then a click on the response window's title bar.
TEST_F(MouseAnsweredQuestion, AnAlertKeepsTheKeyboardThroughAClickBehindIt) {
    platform::setDialogService(nullptr);  // the layer's own alert
    ventedBox();
    platform::qt::deliverCommand(kApplicationMenu, kPreferencesItem);
    ASSERT_TRUE(activeWithKeyboard(kPreferencesWindow));
    platform::setControlText(kPreferencesWindow, kInputPowerField, "");
    hit(kPreferencesWindow, kPreferencesOK);
    ASSERT_TRUE(QTest::qWaitFor([] { return question() != nullptr && question()->isActiveWindow(); }, kAtMost));
    settle();
    clickTitleBar(platform::qt::windowWidget(kResponseWindow));
    EXPECT_TRUE(QTest::qWaitFor([] { return question() != nullptr && question()->isActiveWindow(); }, kActivationMs));
    key("Return");
    EXPECT_TRUE(QTest::qWaitFor([] { return question() == nullptr; }, kActivationMs));
    EXPECT_TRUE(activeWithKeyboard(kPreferencesWindow));
}

}  // namespace
}  // namespace quendal::test
