// The palette's Calc. on a desktop: the redraw brings the response window
// forward while the window manager still acts on earlier requests, and the
// keyboard must end where the user typed, so that the next value goes in.
#include <QDir>

#include "DesktopFixture.h"
#include "palette/CustomPalette.h"

namespace quendal::test {
namespace {

class PaletteCalc : public DesktopTest {};

// Vb typed and Return, twice: each value is calculated, the second typed
// over the first without a click.
TEST_F(PaletteCalc, TheNextValueIsTypedAtOnceAfterReturn) {
    ventedBox();
    platform::qt::deliverCommand(alignmentMenuFor(1, 3), 4);  // the custom alignment
    settle();
    click(platform::qt::controlWidget(kCustomPalette, kPaletteFirstField));
    xdotool({"key", "ctrl+a", "type", "80"});
    key("Return");
    ASSERT_DOUBLE_EQ(state.box.VB1, 80.0);
    xdotool({"type", "70"});  // over the value, selected since Calc.
    key("Return");
    EXPECT_DOUBLE_EQ(state.box.VB1, 70.0);
    EXPECT_TRUE(activeWithKeyboard(kCustomPalette));
}

// Initial Setup over a custom design, closed by Return: its palette's
// fields were dimmed and lit again meanwhile, and the toolkit passed the
// keyboard on to Snap. The first field has it again, and Return is Calc.,
// never Snap.
TEST_F(PaletteCalc, InitialSetupLeavesTheKeyboardInTheFirstField) {
    const auto pictures = [] { return QDir(QDir::homePath()).entryList({"*.png", "*.PNG"}, QDir::Files); };
    const QStringList before = pictures();
    ventedBox();
    platform::setImageSaveService(nullptr);  // the layer's own dialog
    platform::qt::deliverCommand(alignmentMenuFor(1, 3), 4);  // the custom alignment
    settle();
    key("ctrl+t");
    ASSERT_TRUE(activeWithKeyboard(kInitialSetupSheet));
    key("Return");
    ASSERT_TRUE(QTest::qWaitFor([] { return !platform::windowExists(kInitialSetupSheet); }, kActivationMs));
    EXPECT_TRUE(activeWithKeyboard(kCustomPalette));
    EXPECT_EQ(platform::keyboardFocus(kCustomPalette), kPaletteFirstField);
    key("Return");
    key("Return");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(pictures(), before);
}

}  // namespace
}  // namespace quendal::test
