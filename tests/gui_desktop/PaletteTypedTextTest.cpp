// What the user types into the custom palette stays there until Calc.
// reads it: every other command shows the design again around it, whether
// it comes from the keyboard, a menu, a sheet, the palette's own list or a
// sibling's record. Typed and commanded through the X server's keyboard and
// pointer, under the window manager.
#include <functional>
#include <string>

#include <QComboBox>

#include "DesktopFixture.h"
#include "gui_messages/MessagesFixture.h"
#include "palette/CustomPalette.h"
#include "windows/PreferencesWindow.h"

namespace quendal::test {
namespace {

using platform::qt::controlWidget;
using platform::qt::deliverCommand;

class PaletteTypedText : public DesktopTest {
protected:
    // A window opened, a question to save answered Don't Save, the window
    // holding the keyboard, then the keys typed in it ("Right Return").
    void through(const std::function<void()>& open, int32_t window, const char* keys) {
        open();
        if (documents.question) documents.answer(platform::SaveChangesAnswer::DontSave);
        ASSERT_TRUE(activeWithKeyboard(window)) << "window " << window << " holds the keyboard";
        const QStringList names = QString(keys).split(' ', Qt::SkipEmptyParts);
        if (!names.isEmpty()) xdotool(QStringList{"key"} + names);
    }
    // No window stands over the design any more.
    static void gone() {
        for (const int32_t window : {kInitialSetupSheet, kSpeakerConnectionSheet, kVentDesignSheet, kPreferencesWindow,
                                     kDefaultParametersWindow, kSystemSelectWindow})
            ASSERT_TRUE(QTest::qWaitFor([window] { return !platform::windowExists(window); }, kAtMost))
                << "window " << window << " still stands";
        settle();
    }
    static std::string vb() { return platform::controlText(kCustomPalette, kPaletteFirstField); }
};

// Vb "77" typed over the custom alignment's 95 litres and not calculated,
// then one command: the field still reads 77. Only another alignment,
// which computes Vb anew, shows the value it computed.
TEST_F(PaletteTypedText, EveryCommandButCalcLeavesTheTypedVb) {
    // A window opened by the command, left by the keys.
    const auto in = [this](std::function<void()> open, int32_t window, const char* keys, int32_t box = 0) {
        return [this, open, window, keys, box] {
            through(open, window, "");
            if (box != 0) click(controlWidget(window, box));
            through([] {}, window, keys);
            gone();
        };
    };
    const auto initialSetup = [] { key("ctrl+t"); };
    const auto connection = [] { deliverCommand(kMiscMenu, 6); };
    const auto ventDesign = [] { deliverCommand(kOneVentMenu, 1); };
    const auto preferences = [] { deliverCommand(kApplicationMenu, kPreferencesItem); };
    const auto speakerSelect = [] { key("ctrl+r"); };
    const auto driverRecord = [this] { messenger.receiver({"QnDL", "TEXT", quendal::test::driverRecord("38")}); };
    const auto newQb = [] {  // 7, then one down the list: 10
        click(controlWidget(kCustomPalette, kPaletteQbPopup1));
        key("Down");
        key("Return");
        ASSERT_TRUE(QTest::qWaitFor([] { return state.box.QL == 10.0; }, kAtMost)) << "Qb " << state.box.QL;
    };
    const auto anotherAlignment = [] {
        deliverCommand(alignmentMenuFor(1, 3), 1);
        deliverCommand(alignmentMenuFor(1, 3), 4);
    };
    const struct {
        const char* command;
        std::function<void()> run;
        bool kept;
    } rows[] = {
        {"Initial Setup's OK", in(initialSetup, kInitialSetupSheet, "Return"), true},
        {"Initial Setup's Escape", in(initialSetup, kInitialSetupSheet, "Escape"), true},
        {"Speaker Connection's Select", in(connection, kSpeakerConnectionSheet, "Right Return"), true},
        {"Speaker Connection's Escape", in(connection, kSpeakerConnectionSheet, "Right Escape"), true},
        {"a new Qb from the palette's list", newQb, true},
        {"Vent Design's OK", in(ventDesign, kVentDesignSheet, "Return"), true},
        {"Vent Design's Escape", in(ventDesign, kVentDesignSheet, "Escape"), true},
        {"Preferences' OK", in(preferences, kPreferencesWindow, "Return"), true},
        {"Preferences' OK, the input power turned", in(preferences, kPreferencesWindow, "Return", kInputPowerCheckBox), true},
        {"Preferences' Escape", in(preferences, kPreferencesWindow, "Escape"), true},
        {"Speaker Select (Ctrl+R), Escape", in(speakerSelect, kDefaultParametersWindow, "Escape"), true},
        {"Speaker Select's OK, the driver as it was", in(speakerSelect, kDefaultParametersWindow, "Return"), true},
        {"System Select (Ctrl+E), Escape", in([] { key("ctrl+e"); }, kSystemSelectWindow, "Escape"), true},
        {"a driver record, Escape", in(driverRecord, kSystemSelectWindow, "Escape"), true},
        {"another alignment, then Custom again", anotherAlignment, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.command);
        TearDown();
        SetUp();
        ventedBox();
        deliverCommand(alignmentMenuFor(1, 3), 4);  // the custom alignment: Vb and Fb typed
        ASSERT_TRUE(activeWithKeyboard(kCustomPalette));
        ASSERT_DOUBLE_EQ(state.box.VB1, 95.0);
        click(controlWidget(kCustomPalette, kPaletteFirstField));
        key("ctrl+a");
        xdotool({"type", "77"});
        ASSERT_TRUE(QTest::qWaitFor([] { return vb() == "77"; }, kAtMost)) << vb();
        row.run();
        if (row.kept) {
            EXPECT_EQ(vb(), "77");
            EXPECT_DOUBLE_EQ(state.box.VB1, 95.0);  // not calculated
        } else {
            EXPECT_NE(vb(), "77");
            EXPECT_NEAR(std::stod(vb()), state.box.VB1, 0.005);
        }
    }
}

}  // namespace
}  // namespace quendal::test
