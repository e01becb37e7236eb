// A double click on a desktop: the first click opens a window under the
// pointer, the second lands in it. It presses nothing there: the window
// did not stand under the pointer when the click began.
#include <functional>

#include <QProcess>
#include <QStyleHints>

#include "DesktopFixture.h"

namespace quendal::test {
namespace {

constexpr int32_t kOkButton = 1;      // Speaker Select's OK
constexpr int32_t kSelectButton = 1;  // System Select's Select

class DoubleClick : public DesktopTest {
protected:
    void SetUp() override {
        DesktopTest::SetUp();
        prefs.put("InitSetupCheck", {"1"});  // Select asks for Initial Setup, as for a new user
    }
    void TearDown() override {
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(interval_);
        DesktopTest::TearDown();
    }
    static QString number(int value) { return QString::number(value); }
    // The X server's pointer while the program goes on handling what
    // comes: the first click's window opens between the clicks, as it
    // does for a user.
    static void xdotoolMeanwhile(const QStringList& arguments) {
        QProcess tool;
        tool.start(QStringLiteral("xdotool"), arguments);
        ASSERT_TRUE(QTest::qWaitFor([&tool] { return tool.state() == QProcess::NotRunning; }, kAtMost))
            << arguments.join(' ').toStdString();
        ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    }
    // The window on the screen and active, as the window system states it.
    static testing::AssertionResult standsWithKeyboard(int32_t window) {
        const bool stands = QTest::qWaitFor(
            [window] {
                const QWidget* frame = platform::qt::windowWidget(window);
                return frame != nullptr && frame->windowHandle()->isExposed() && platform::activeWindow() == window;
            },
            kActivationMs);
        if (stands) return testing::AssertionSuccess();
        return testing::AssertionFailure() << "window " << window << " is not active; window "
                                           << platform::activeWindow() << " is";
    }

    const int interval_ = QGuiApplication::styleHints()->mouseDoubleClickInterval();
};

// Speaker Select's OK double clicked: System Select opens where Speaker
// Select stood, its Select under the pointer, and stands; the second
// click starts no design. A click of the user's own on Select then does.
TEST_F(DoubleClick, OnAButtonThatOpensAWindowPressesNothingInIt) {
    const struct {
        const char* road;
        std::function<void(QPoint)> doubleClick;
    } rows[] = {
        {"clicks 100 ms apart",
         [](QPoint at) {
             xdotoolMeanwhile(
                 {"mousemove", number(at.x()), number(at.y()), "click", "--repeat", "2", "--delay", "100", "1"});
         }},
        // However long System Select takes to come, the second press lands
        // in it: the desktop's double-click time is stretched to cover it.
        {"the second click once System Select stands",
         [](QPoint at) {
             QGuiApplication::styleHints()->setMouseDoubleClickInterval(kAtMost);
             xdotool({"mousemove", number(at.x()), number(at.y()), "click", "1"});
             ASSERT_TRUE(standsWithKeyboard(kSystemSelectWindow));
             xdotool({"click", "1"});
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.road);
        TearDown();
        SetUp();
        start();
        ASSERT_TRUE(standsWithKeyboard(kDefaultParametersWindow));
        const QWidget* ok = platform::qt::controlWidget(kDefaultParametersWindow, kOkButton);
        ASSERT_NE(ok, nullptr);
        const QPoint at = ok->mapToGlobal(QPoint(ok->width() * 3 / 4, ok->height() / 2));
        const int32_t system = state.selection.SysSelBtnNum;
        row.doubleClick(at);
        ASSERT_TRUE(standsWithKeyboard(kSystemSelectWindow));
        const QWidget* select = platform::qt::controlWidget(kSystemSelectWindow, kSelectButton);
        ASSERT_NE(select, nullptr);
        ASSERT_TRUE(select->rect().contains(select->mapFromGlobal(at))) << "Select under the pointer";
        // A key after the clicks: once it has moved the choice, the clicks
        // before it have all been handled.
        xdotool({"key", "Right"});
        EXPECT_TRUE(QTest::qWaitFor([system] { return state.selection.SysSelBtnNum != system; }, kActivationMs))
            << "the key went to System Select";
        EXPECT_FALSE(platform::windowExists(kInitialSetupSheet));
        QGuiApplication::styleHints()->setMouseDoubleClickInterval(interval_);
        // Beside the double click: a click of its own.
        const QPoint beside = select->mapToGlobal(select->rect().center() + QPoint(0, select->height() / 4));
        ASSERT_GT((beside - at).manhattanLength(), QGuiApplication::styleHints()->mouseDoubleClickDistance());
        xdotool({"mousemove", number(beside.x()), number(beside.y()), "click", "1"});
        EXPECT_TRUE(QTest::qWaitFor([] { return platform::windowExists(kInitialSetupSheet); }, kActivationMs));
    }
}

}  // namespace
}  // namespace quendal::test
