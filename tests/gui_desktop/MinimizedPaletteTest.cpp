// A palette the user minimized, brought back by the Window menu or by
// Gather Windows.
#include "DesktopFixture.h"

namespace quendal::test {
namespace {

class MinimizedPalette : public DesktopTest {};

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

}  // namespace
}  // namespace quendal::test
