// The palette window: its place, the controls each system gets, texts that
// fit their rectangles in the program's fonts, and the Alignment button.
#include "PaletteFixture.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

#include "palette/CustomPaletteEnable.h"

namespace quendal::test {
namespace {

using platform::controlBounds;
using platform::controlExists;
using platform::isControlEnabled;

class PaletteWindow : public CustomPaletteTest {};

constexpr Rect16 rect(int16_t left, int16_t top, int16_t right, int16_t bottom) { return {top, left, bottom, right}; }
bool operator==(const Rect16& a, const Rect16& b) {
    return a.top == b.top && a.left == b.left && a.bottom == b.bottom && a.right == b.right;
}

struct LayoutCase {
    int32_t tab, button;
    int16_t height;
    platform::ControlNumber control;
    Rect16 bounds;
    std::string text;
};

TEST_F(PaletteWindow, EachSystemPlacesItsRowsWhereItsLayoutSays) {
    const LayoutCase cases[] = {
        {1, 2, 390, 110, rect(15, 157, 89, 173), "Qtc ..........."},
        {1, 2, 390, 41, rect(90, 183, 153, 200), "  10"},                   // Qa popup beside its label
        {1, 4, 390, 47, rect(16, 283, 153, 300), "    1"},                  // radiator count
        {1, 8, 390, 41, rect(90, 243, 153, 260), "  10"},                   // Complex Vented: Qa on chamber 2
        {2, 2, 415, 118, rect(160, 122, 200, 138), "Liter"},                // Passive Raveza's lower units
        {2, 2, 415, kPaletteCalcButton, rect(145, 385, 195, 402), "Calc."}, // its bottom row moved down
        {2, 2, 415, 52, rect(0, 370, 205, 380), ""},
        {2, 3, 390, 115, rect(15, 297, 89, 313), "Fb3 .........."},         // the one frequency row at x 15
        {2, 8, 390, 112, rect(16, 217, 89, 233), "Fb2 .........."},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "system " << c.tab << "," << c.button << " control " << c.control);
        open(c.tab, c.button, 1);
        const Rect16 window = platform::windowBounds(kCustomPalette);
        EXPECT_EQ(window.right - window.left, kPaletteWidth);
        EXPECT_EQ(window.bottom - window.top, c.height);
        EXPECT_TRUE(controlBounds(kCustomPalette, c.control) == c.bounds);
        EXPECT_EQ(platform::controlText(kCustomPalette, c.control), c.text);
    }
}

TEST_F(PaletteWindow, TheInfiniteBaffleShowsOnlyTheDriverSection) {
    open(1, 1, 1);
    for (platform::ControlNumber id : {10, 11, 12, 13, 51, 52, 101, 106, 206, 208})
        EXPECT_TRUE(controlExists(kCustomPalette, id)) << id;
    for (platform::ControlNumber id : {kPaletteAlignmentButton, kPaletteBoxHeading, 41, 43, 47, 53, 211, 31})
        EXPECT_FALSE(controlExists(kCustomPalette, id)) << id;
    EXPECT_FALSE(isControlEnabled(kCustomPalette, kPaletteCalcButton));
    EXPECT_TRUE(isControlEnabled(kCustomPalette, kPaletteSpeakerSelectArrow));  // with or without Orvanel
    EnableCustomPalet();
    EXPECT_FALSE(isControlEnabled(kCustomPalette, kPaletteCalcButton));
}

TEST_F(PaletteWindow, EveryTextFitsItsRectangleInTheProgramsFonts) {
    for (int32_t system = 1; system <= 16; ++system) {
        open((system - 1) / 8 + 1, (system - 1) % 8 + 1, 1);
        for (QLabel* label : platform::qt::contentWidget(kCustomPalette)->findChildren<QLabel*>()) {
            const QFontMetrics metrics(label->font());
            EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width()) << label->text().toStdString();
            EXPECT_LE(metrics.height(), label->height()) << label->text().toStdString();
        }
    }
}

TEST_F(PaletteWindow, AFieldsRectangleIsItsTextAreaWithTheFrameOutside) {
    open(1, 2, 2);
    state.box.VB = 9999.99;  // the widest value a volume shows
    CustomPaletDisp();
    for (platform::ControlNumber id : {31, 212, 206}) {
        SCOPED_TRACE(id);
        const Rect16 area = controlBounds(kCustomPalette, id);
        EXPECT_EQ(area.bottom - area.top, 13);
        EXPECT_EQ(area.right - area.left, 58);
        const QRect frame = platform::qt::controlWidget(kCustomPalette, id)->geometry();
        EXPECT_LT(frame.left(), area.left);
        EXPECT_LT(frame.top(), area.top);
        EXPECT_GT(frame.right() + 1, area.right);
        EXPECT_GT(frame.bottom() + 1, area.bottom);
        const QFontMetrics metrics(field(id)->font());
        EXPECT_LE(metrics.horizontalAdvance(field(id)->text()), 58);
        EXPECT_LE(metrics.tightBoundingRect(field(id)->text()).height(), 13);
    }
    EXPECT_EQ(platform::controlText(kCustomPalette, 31), " 9999.99");
}

TEST_F(PaletteWindow, OpensBesideTheResponseWindowOrWhereItWasLeftAndAlwaysOnAScreen) {
    open(1, 2, 1);
    const Rect16 response = platform::windowBounds(kResponseWindow);
    Rect16 placed = platform::windowBounds(kCustomPalette);
    EXPECT_EQ(placed.left, response.left + 550);
    EXPECT_EQ(placed.top, response.top);

    state.prefs.FastOpenFlag = 0;
    state.prefs.BoundsCheck = 1;
    state.bounds.CstmWndBounds = rect(580, 100, 785, 490);  // clear of the response window
    CustomFloatPalet();
    placed = platform::windowBounds(kCustomPalette);
    EXPECT_EQ(placed.left, 580);
    EXPECT_EQ(placed.top, 100);

    // A place over the response window (left on a larger screen, say) is
    // not taken: the palette opens beside the response window.
    state.bounds.CstmWndBounds = rect(300, 200, 505, 590);
    CustomFloatPalet();
    placed = platform::windowBounds(kCustomPalette);
    EXPECT_EQ(placed.left, response.left + 550);
    EXPECT_EQ(placed.top, response.top);

    state.bounds.CstmWndBounds = rect(30000, 30000, 30205, 30390);  // a screen no longer there
    CustomFloatPalet();
    placed = platform::windowBounds(kCustomPalette);
    const Rect16 area = platform::availableScreenArea(placed.left, placed.top);
    EXPECT_GE(placed.left, area.left);
    EXPECT_LE(placed.right, area.right);
    EXPECT_LE(placed.bottom, area.bottom);
}

TEST_F(PaletteWindow, TheAlignmentButtonIsKeptUntilTheSystemsMenuChanges) {
    open(1, 2, 1);
    auto* button = qobject_cast<QToolButton*>(platform::qt::controlWidget(kCustomPalette, kPaletteAlignmentButton));
    ASSERT_NE(button, nullptr);
    ASSERT_NE(button->menu(), nullptr);
    EXPECT_EQ(button->menu()->actions().size(), 3);  // "Optimum", "Box Volume", "Qtc"
    EXPECT_EQ(platform::helpTag(kCustomPalette, kPaletteAlignmentButton), "Edit select Box Volume or Qtc");
    FocusCustomPalet();  // a press on the palette
    DrawBevelBtnMenu();
    EXPECT_EQ(platform::qt::controlWidget(kCustomPalette, kPaletteAlignmentButton), button);

    state.selection.SysSelBtnNum = 3;  // Vented Box: another menu
    DrawBevelBtnMenu();
    EXPECT_NE(platform::qt::controlWidget(kCustomPalette, kPaletteAlignmentButton), button);
    EXPECT_EQ(platform::helpTag(kCustomPalette, kPaletteAlignmentButton), "Edit select Box Volume or Custom");
    state.selection.SysSelBtnNum = 1;  // the Infinite Baffle has none
    DrawBevelBtnMenu();
    EXPECT_FALSE(controlExists(kCustomPalette, kPaletteAlignmentButton));
}

}  // namespace
}  // namespace quendal::test
