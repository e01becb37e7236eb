// A palette the user minimized, by itself and by its title bar's button,
// brought back by the Window menu or by Gather Windows; the response window
// minimized with its palettes.
#include "DesktopFixture.h"

namespace quendal::test {
namespace {

class MinimizedPalette : public DesktopTest {
protected:
    // Whether the window manager states the window minimized on the X server.
    static bool hiddenOnTheServer(const QWidget* window) {
        QProcess prop;
        prop.start(QStringLiteral("xprop"), {"-id", QString::number(window->winId()), "_NET_WM_STATE"});
        prop.waitForFinished(kAtMost);
        return prop.readAllStandardOutput().contains("_NET_WM_STATE_HIDDEN");
    }
    // The user's click on the minimize button of the window's title bar. The
    // window manager's stock theme puts its buttons at the right end, close,
    // maximize and minimize, 16 px apart, the close button's centre 12 px
    // inside the frame's right edge.
    static void clickMinimizeButton(const QWidget* window) {
        const QRect bar = titleBar(window);
        clickAt(QPoint(bar.left() + bar.width() - 44, bar.center().y()));
    }
};

TEST_F(MinimizedPalette, ComesBackByTheWindowMenuOrGatherWindows) {
    const std::pair<const char*, std::function<void()>> roads[] = {
        {"the Window menu",
         [] {
             platform::refreshWindowMenu();
             for (int32_t item = 1; item <= platform::menuItemCount(kWindowMenu); ++item)
                 if (platform::menuItemText(kWindowMenu, item) == "Custom Palette")
                     platform::sendCommand(kWindowMenu, item);
         }},
        {"Gather Windows", [] { platform::qt::deliverCommand(kViewMenu, 14); }},
    };
    for (const auto& [road, bringBack] : roads) {
        SCOPED_TRACE(road);
        TearDown();
        SetUp();
        ventedBox();
        QWidget* palette = platform::qt::windowWidget(kCustomPalette);
        ASSERT_NE(palette, nullptr);
        titleBar(palette);
        xdotool({"windowminimize", QString::number(palette->winId())});
        ASSERT_TRUE(QTest::qWaitFor([palette] { return palette->isMinimized(); }, kAtMost));
        bringBack();
        EXPECT_TRUE(QTest::qWaitFor([palette] { return !palette->isMinimized() && palette->isVisible(); },
                                    kAtMost));
        settle();
        EXPECT_FALSE(palette->isMinimized());
    }
}

// The minimize button on a title bar, clicked as the user clicks it: a
// palette's takes that palette alone, and the Window menu brings it back;
// the response window's takes the palettes floating over it along, and
// brings them back with it.
TEST_F(MinimizedPalette, ATitleBarsMinimizeButtonTakesThePaletteAloneOrTheDesignWhole) {
    const struct {
        int32_t window;
        const char* menuItem;  // brings it back; none: the desktop's window list
    } rows[] = {
        {kCustomPalette, "Custom Palette"},
        {kSystemInfoPalette, "System Info Palette"},
        {kResponseWindow, nullptr},
    };
    const int32_t design[] = {kResponseWindow, kSystemInfoPalette, kCustomPalette};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.menuItem != nullptr ? row.menuItem : "the response window");
        TearDown();
        SetUp();
        ventedBox();
        QWidget* clicked = platform::qt::windowWidget(row.window);
        ASSERT_NE(clicked, nullptr);
        clickMinimizeButton(clicked);
        ASSERT_TRUE(QTest::qWaitFor([clicked] { return hiddenOnTheServer(clicked); }, kAtMost))
            << "not minimized by its title bar's button";
        for (const int32_t window : design) {
            const QWidget* other = platform::qt::windowWidget(window);
            if (row.menuItem != nullptr && window != row.window) {
                EXPECT_FALSE(hiddenOnTheServer(other)) << window;
                EXPECT_FALSE(other->isMinimized()) << window;
            } else {
                ASSERT_TRUE(QTest::qWaitFor([other] { return hiddenOnTheServer(other); }, kAtMost)) << window;
            }
        }

        if (row.menuItem != nullptr) {
            platform::refreshWindowMenu();
            for (int32_t item = 1; item <= platform::menuItemCount(kWindowMenu); ++item)
                if (platform::menuItemText(kWindowMenu, item) == row.menuItem) platform::sendCommand(kWindowMenu, item);
        } else {
            xdotool({"windowactivate", QString::number(clicked->winId())});
        }
        for (const int32_t window : design) {
            const QWidget* back = platform::qt::windowWidget(window);
            EXPECT_TRUE(QTest::qWaitFor([back] { return !hiddenOnTheServer(back) && !back->isMinimized(); }, kAtMost))
                << window;
        }
    }
}

}  // namespace
}  // namespace quendal::test
