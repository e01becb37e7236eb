// The custom alignment chosen on a desktop: its fields open for typing,
// and the keyboard goes to them, whichever window the user clicked last.
// A field shows its text selected only while it has the keyboard.
#include <functional>

#include <QLineEdit>

#include "DesktopFixture.h"
#include "palette/CustomPalette.h"

namespace quendal::test {
namespace {

class CustomKeyboard : public DesktopTest {
protected:
    // The window active, and the control holding the keyboard there, as
    // the window system and the toolkit state them.
    static testing::AssertionResult hasKeyboard(int32_t window, int32_t control) {
        const bool has = QTest::qWaitFor(
            [window, control] {
                const QWidget* focus = QApplication::focusWidget();
                return platform::activeWindow() == window &&
                       (control == 0 ? focus == nullptr || focus->window() == platform::qt::windowWidget(window)
                                     : focus == platform::qt::controlWidget(window, control));
            },
            kActivationMs);
        if (has) return testing::AssertionSuccess();
        return testing::AssertionFailure() << "window " << window << " control " << control << " has not the keyboard; "
                                           << "window " << platform::activeWindow() << " is active";
    }
    // Whether the field shows any pixel in the colour of a selection.
    static bool showsSelection(QWidget* field) {
        const QColor highlight = field->palette().color(QPalette::Active, QPalette::Highlight);
        const QImage image = field->grab().toImage();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == highlight) return true;
        return false;
    }
};

// A click in the graph, then the custom alignment, by its key or from the
// menu: Vb has the keyboard, and "30" and Return calculate a box of 30 L.
TEST_F(CustomKeyboard, ChosenAfterAClickInTheGraphItsFieldTakesTheKeyboard) {
    const struct {
        const char* road;
        std::function<void()> choose;
    } rows[] = {
        {"Ctrl+5", [] { xdotool({"key", "ctrl+5"}); }},
        {"the Alignment menu",
         [] {
             xdotool({"key", "alt+a"});
             ASSERT_TRUE(QTest::qWaitFor(
                 [] {
                     const QWidget* menu = QApplication::activePopupWidget();
                     return menu != nullptr && menu->windowHandle()->isExposed();
                 },
                 kActivationMs));
             xdotool({"key", "c"});  // Custom
         }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.road);
        TearDown();
        SetUp();
        ventedBox();
        const QWidget* response = platform::qt::windowWidget(kResponseWindow);
        clickAt(response->mapToGlobal(response->rect().center()));
        ASSERT_TRUE(hasKeyboard(kResponseWindow, 0));
        row.choose();
        EXPECT_TRUE(hasKeyboard(kCustomPalette, kPaletteFirstField));
        xdotool({"type", "30"});
        xdotool({"key", "Return"});
        EXPECT_TRUE(QTest::qWaitFor([] { return state.box.VB1 == 30.0; }, kActivationMs)) << state.box.VB1;
    }
}

// Vb selected for typing in the palette; a click in the graph takes the
// keyboard there, and Vb no longer shows its text selected. Back in the
// palette, it does again.
TEST_F(CustomKeyboard, AFieldShowsItsTextSelectedOnlyWhileItHasTheKeyboard) {
    ventedBox();
    xdotool({"key", "ctrl+5"});
    ASSERT_TRUE(hasKeyboard(kCustomPalette, kPaletteFirstField));
    auto* vb = qobject_cast<QLineEdit*>(platform::qt::controlWidget(kCustomPalette, kPaletteFirstField));
    ASSERT_NE(vb, nullptr);
    ASSERT_TRUE(vb->hasSelectedText());
    EXPECT_TRUE(showsSelection(vb));
    const QWidget* response = platform::qt::windowWidget(kResponseWindow);
    clickAt(response->mapToGlobal(response->rect().center()));
    ASSERT_TRUE(hasKeyboard(kResponseWindow, 0));
    ASSERT_TRUE(vb->hasSelectedText());  // kept for when the keyboard comes back
    EXPECT_FALSE(showsSelection(vb));
    clickAt(vb->mapToGlobal(vb->rect().center()));
    ASSERT_TRUE(hasKeyboard(kCustomPalette, kPaletteFirstField));
    xdotool({"key", "ctrl+a"});
    ASSERT_TRUE(QTest::qWaitFor([vb] { return vb->hasSelectedText(); }, kActivationMs));
    EXPECT_TRUE(showsSelection(vb));
}

}  // namespace
}  // namespace quendal::test
