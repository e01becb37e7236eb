// The palette's Calc. on a desktop: the redraw brings the response window
// forward while the window manager still acts on earlier requests, and the
// keyboard must end where the user typed, so that the next value goes in.
#include <functional>

#include <QDir>

#include "DesktopFixture.h"
#include "palette/CustomPalette.h"
#include "windows/PreferencesWindow.h"

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
    // Calc. brought the response window forward, then the palette: the
    // palette keeps the keyboard.
    EXPECT_TRUE(activeWithKeyboard(kCustomPalette));
}

// The program gives the keyboard to a palette field while the fields are
// dimmed: the field takes it once they are lit again, not the control
// that held it meanwhile.
TEST_F(PaletteCalc, AFieldGivenTheKeyboardWhileDimmedTakesItOnceLit) {
    ventedBox();
    platform::qt::deliverCommand(alignmentMenuFor(1, 3), 4);  // the custom alignment
    settle();
    click(platform::qt::controlWidget(kCustomPalette, kPaletteFirstField));
    ASSERT_TRUE(activeWithKeyboard(kCustomPalette));
    const int32_t second = kPaletteFirstField + 1;
    for (const int32_t field : {kPaletteFirstField, second}) platform::setControlEnabled(kCustomPalette, field, false);
    platform::setKeyboardFocus(kCustomPalette, second);
    for (const int32_t field : {kPaletteFirstField, second}) platform::setControlEnabled(kCustomPalette, field, true);
    platform::placeKeyboard();
    EXPECT_TRUE(activeWithKeyboard(kCustomPalette));
    EXPECT_EQ(platform::keyboardFocus(kCustomPalette), second);
}

// A custom design whose response window the user clicked: a dialog or
// sheet opened over it and closed gives the keyboard back to the response
// window, whichever palette the window manager focused as it came back.
TEST_F(PaletteCalc, ADialogClosedGivesTheClickedResponseWindowTheKeyboardBack) {
    const struct {
        const char* road;
        std::function<void()> open;
        int32_t window;
    } rows[] = {
        {"Preferences", [] { platform::qt::deliverCommand(kApplicationMenu, kPreferencesItem); }, kPreferencesWindow},
        {"Vent Design", [] { platform::qt::deliverCommand(kOneVentMenu, 1); }, kVentDesignSheet},
        {"Initial Setup", [] { key("ctrl+t"); }, kInitialSetupSheet},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.road);
        TearDown();
        SetUp();
        ventedBox();
        platform::qt::deliverCommand(alignmentMenuFor(1, 3), 4);  // the custom alignment
        settle();
        const QWidget* response = platform::qt::windowWidget(kResponseWindow);
        clickAt(response->mapToGlobal(response->rect().center()));
        ASSERT_TRUE(activeWithKeyboard(kResponseWindow));
        row.open();
        ASSERT_TRUE(activeWithKeyboard(row.window));
        key("Escape");
        ASSERT_TRUE(QTest::qWaitFor([&row] { return !platform::windowExists(row.window); }, kActivationMs));
        EXPECT_TRUE(activeWithKeyboard(kResponseWindow));
        const double volume = state.box.VB1;
        xdotool({"type", "5"});
        key("Return");
        EXPECT_DOUBLE_EQ(state.box.VB1, volume);
    }
}

}  // namespace
}  // namespace quendal::test
