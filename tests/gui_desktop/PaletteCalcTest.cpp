// The palette's Calc. on a desktop: the redraw brings the response window
// forward while the window manager still acts on earlier requests, and the
// keyboard must end where the user typed, so that the next value goes in.
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

}  // namespace
}  // namespace quendal::test
