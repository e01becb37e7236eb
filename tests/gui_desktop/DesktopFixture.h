// The program on a desktop: a virtual X display with a window manager
// (tests/support/virtual-desktop), driven by the pointer and keyboard of
// the X server itself, so that the window manager activates, raises and
// closes windows on clicks and keys as it does for a user. Offscreen no
// window manager takes part and no click ever activates a window.
#pragma once

#include <QApplication>
#include <QGuiApplication>
#include <QProcess>
#include <QStyleHints>
#include <QTest>

#include "app/DesignDocument.h"
#include "gui_roads/RoadsFixture.h"
#include "support/WindowSystemSettled.h"

namespace quendal::test {

// How long an activation may take at most before the test calls it lost:
// a bound on a wait for the state, never a time the test waits out.
inline constexpr int kActivationMs = 5000;

class DesktopTest : public RoadsTest {
protected:
    void SetUp() override {
        ASSERT_EQ(QGuiApplication::platformName(), "xcb") << "runs on a desktop: tests/support/virtual-desktop";
        RoadsTest::SetUp();
        prefs.put("InitSetupCheck", {"0"});
    }

    // The X server's own pointer and keyboard.
    static void xdotool(const QStringList& arguments) {
        QProcess tool;
        tool.start(QStringLiteral("xdotool"), arguments);
        ASSERT_TRUE(tool.waitForFinished(kAtMost)) << arguments.join(' ').toStdString();
        ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    }
    // A click of its own: where the last one was near, once the server's
    // clock is past the double-click time since it, as a hand's next click
    // would be, not the second half of a double click.
    static void clickAt(QPoint global) {
        static std::optional<uint32_t> lastAt;
        static QPoint lastWhere;
        const QStyleHints* hints = QGuiApplication::styleHints();
        if (lastAt && (global - lastWhere).manhattanLength() <= hints->mouseDoubleClickDistance()) {
            const auto past = [] {
                const std::optional<uint32_t> now = WindowManagerPing::instance().serverTime(QDeadlineTimer(kAtMost));
                return now && uint32_t(*now - *lastAt) > uint32_t(QGuiApplication::styleHints()->mouseDoubleClickInterval());
            };
            ASSERT_TRUE(QTest::qWaitFor(past, kAtMost)) << "the server's clock goes on";
        }
        xdotool({"mousemove", QString::number(global.x()), QString::number(global.y()), "click", "1"});
        lastAt = WindowManagerPing::instance().serverTime(QDeadlineTimer(kAtMost));
        lastWhere = global;
        settle();
    }
    static void click(const QWidget* widget) { clickAt(widget->mapToGlobal(widget->rect().center())); }
    // A window's title bar, which only the window manager sees, once the
    // window manager has framed the window (again, after it was hidden).
    // The frame is asked of the X server, where the window manager states
    // it: the toolkit's own record of it can lag behind a frame put back.
    static QRect titleBar(const QWidget* window) {
        QMargins frame;
        const bool framed = QTest::qWaitFor(
            [window, &frame] {
                frame = frameOnTheServer(window);
                return frame.top() > 0;
            },
            kActivationMs);
        EXPECT_TRUE(framed) << "framed by the window manager";
        const QRect inside = window->geometry();
        return QRect(inside.left() - frame.left(), inside.top() - frame.top(),
                     inside.width() + frame.left() + frame.right(), frame.top());
    }
    // The frame's widths around the window as the window manager states
    // them on the X server (left, right, top, bottom); none before it has.
    static QMargins frameOnTheServer(const QWidget* window) {
        QProcess prop;
        prop.start(QStringLiteral("xprop"), {"-id", QString::number(window->winId()), "_NET_FRAME_EXTENTS"});
        if (!prop.waitForFinished(kActivationMs) || prop.exitCode() != 0) return {};
        const QByteArray text = prop.readAllStandardOutput();
        const QList<QByteArray> widths = text.mid(text.indexOf('=') + 1).split(',');
        if (widths.size() != 4) return {};
        return QMargins(widths[0].trimmed().toInt(), widths[2].trimmed().toInt(), widths[1].trimmed().toInt(),
                        widths[3].trimmed().toInt());
    }
    static void clickTitleBar(const QWidget* window) { clickAt(titleBar(window).center()); }
    static void key(const char* name) {
        xdotool({"key", name});
        settle();
    }
    // The X server, the window manager and the program are through with
    // what the test sent them (support/WindowSystemSettled.h).
    static void settle() {
        ASSERT_TRUE(windowSystemSettled(QDeadlineTimer(kAtMost))) << "the window manager answers";
    }

    // Waits until the window is active, and holds the keyboard, and the
    // window manager is through with whatever it still had.
    static bool activeWithKeyboard(int32_t window) {
        const bool active = QTest::qWaitFor(
            [window] {
                const QWidget* focus = QApplication::focusWidget();
                return platform::activeWindow() == window &&
                       (focus == nullptr || focus->window() == platform::qt::windowWidget(window));
            },
            kActivationMs);
        settle();
        return active && platform::activeWindow() == window;
    }

    // The default driver's Vented Box at its first alignment (openVentedBox),
    // once its windows are up and one of them has the keyboard.
    void ventedBox() {
        openVentedBox();
        ASSERT_TRUE(QTest::qWaitFor([] { return platform::activeWindow() != 0; }, kActivationMs));
        settle();
    }
    static void hit(int32_t window, int32_t control) {
        ASSERT_TRUE(platform::controlExists(window, control)) << window << " " << control;
        platform::qt::dispatchControlEvent(window, control, platform::ControlEventKind::Hit);
    }
};

}  // namespace quendal::test
