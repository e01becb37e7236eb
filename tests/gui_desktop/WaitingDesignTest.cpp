// A design waiting behind Speaker Select or System Select, clicked and
// closed as a user does on a desktop: the window manager's own activation
// must not hand the waiting design the keyboard.
#include <QMenuBar>

#include "DesktopFixture.h"
#include "platform/qt/WindowFrame.h"
#include "palette/CustomPalette.h"

namespace quendal::test {
namespace {

class WaitingDesign : public DesktopTest {
protected:
    // The design, saved, waiting behind the choosing window in front.
    std::string waitBehind(int32_t choosing) {
        ventedBox();
        platform::qt::deliverCommand(kMiscMenu, choosing == kSystemSelectWindow ? 1 : 3);
        EXPECT_TRUE(activeWithKeyboard(choosing));
        return encodeDesignDocument(state);
    }
};

const char* nameOf(int32_t window) {
    switch (window) {
        case kSystemSelectWindow: return "System Select";
        case kDefaultParametersWindow: return "Speaker Select";
        case kCustomPalette: return "the custom palette";
        case kSystemInfoPalette: return "the system palette";
        default: return "the response window";
    }
}

// A click anywhere on the waiting design's windows, on a control, in an
// empty spot or on the title bar, leaves the choosing window in front with
// the keyboard: Escape then gives the design back as it waited.
TEST_F(WaitingDesign, AClickOnItsWindowsLeavesTheChoosingWindowTheKeyboard) {
    for (const int32_t choosing : {kDefaultParametersWindow, kSystemSelectWindow})
        for (const int32_t asleep : {kCustomPalette, kSystemInfoPalette, kResponseWindow}) {
            SCOPED_TRACE(std::string(nameOf(asleep)) + " behind " + nameOf(choosing));
            TearDown();
            SetUp();
            const std::string before = waitBehind(choosing);
            QWidget* window = platform::qt::windowWidget(asleep);
            ASSERT_NE(window, nullptr);
            const QWidget* control = nullptr;
            for (int32_t number = 1; number < 100 && control == nullptr; ++number)
                if (const QWidget* widget = platform::qt::controlWidget(asleep, number); widget && widget->isVisible())
                    control = widget;
            const std::pair<const char*, std::function<void()>> clicks[] = {
                {"a control", [control] { click(control); }},
                {"an empty spot", [window] { clickAt(window->mapToGlobal(QPoint(3, window->height() - 3))); }},
                {"the title bar", [window] { clickTitleBar(window); }}};
            for (const auto& [where, clickIt] : clicks) {
                SCOPED_TRACE(where);
                if (control == nullptr && std::string(where) == "a control") continue;
                clickIt();
                EXPECT_TRUE(activeWithKeyboard(choosing));
                EXPECT_FALSE(platform::isControlEnabled(kCustomPalette, kPaletteSnapButton));
            }
            EXPECT_EQ(encodeDesignDocument(state), before);
            key("Escape");
            EXPECT_TRUE(QTest::qWaitFor([choosing] { return !platform::windowExists(choosing); }, kAtMost));
            EXPECT_EQ(encodeDesignDocument(state), before);
        }
}

// A menu of the waiting design's menu bar, opened and closed again by a
// click elsewhere, leaves the choosing window the keyboard: the window
// manager hands it over while the menu is open, and the toolkit, which
// ignores that while a menu is open, must not keep the design's window.
TEST_F(WaitingDesign, ItsMenuBarLeavesTheChoosingWindowTheKeyboard) {
    for (const int32_t choosing : {kDefaultParametersWindow, kSystemSelectWindow}) {
        SCOPED_TRACE(nameOf(choosing));
        TearDown();
        SetUp();
        const std::string before = waitBehind(choosing);
        const auto* response = dynamic_cast<platform::qt::WindowFrame*>(platform::qt::windowWidget(kResponseWindow));
        ASSERT_NE(response, nullptr);
        QMenuBar* bar = response->menuBar();
        ASSERT_NE(bar, nullptr);
        QAction* misc = nullptr;
        for (QAction* title : bar->actions())
            if (title->text().contains("Misc")) misc = title;
        ASSERT_NE(misc, nullptr);
        clickAt(bar->mapToGlobal(bar->actionGeometry(misc).center()));
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, kActivationMs));
        clickTitleBar(platform::qt::windowWidget(kCustomPalette));
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        EXPECT_TRUE(activeWithKeyboard(choosing));
        key("Escape");
        EXPECT_TRUE(QTest::qWaitFor([choosing] { return !platform::windowExists(choosing); }, kAtMost));
        EXPECT_EQ(encodeDesignDocument(state), before);
    }
}

// The close box of the waiting design's palettes closes nothing while the
// design waits: the palettes are there when the design comes back.
TEST_F(WaitingDesign, ItsPalettesCloseBoxesCloseNothing) {
    for (const int32_t choosing : {kDefaultParametersWindow, kSystemSelectWindow})
        for (const int32_t palette : {kCustomPalette, kSystemInfoPalette}) {
            SCOPED_TRACE(std::string(nameOf(palette)) + " behind " + nameOf(choosing));
            TearDown();
            SetUp();
            waitBehind(choosing);
            const QWidget* window = platform::qt::windowWidget(palette);
            ASSERT_NE(window, nullptr);
            // The close box stands at the right end of the title bar.
            const QRect bar = titleBar(window);
            clickAt(QPoint(bar.right() - bar.height() / 2, bar.center().y()));
            EXPECT_TRUE(platform::windowExists(palette));
            EXPECT_TRUE(platform::isWindowVisible(palette));
            EXPECT_TRUE(activeWithKeyboard(choosing));
            key("Escape");
            ASSERT_TRUE(QTest::qWaitFor([choosing] { return !platform::windowExists(choosing); }, kAtMost));
            EXPECT_TRUE(platform::isWindowVisible(palette));
        }
}

}  // namespace
}  // namespace quendal::test
