// The System Profile page and the reduced profile under a printed graph:
// the driver's rows, the reference level, the figures' boxes and labels.
#include "profile/ProfileFixture.h"
#include "view/SystemProfile.h"
#include "view/SystemProfileText.h"
#include "view/NumberTextLayout.h"

namespace quendal::test {
namespace {

void closedBoxDesign() {
    state.selection.SysSelTabNum = 1;
    state.selection.SysSelBtnNum = 2;
    SpeakerParameters& sp = state.speaker;
    sp.s_SP = "Test20-04";
    sp.s_RANG = "30-3000";
    sp.DIA = 20.0; sp.FS = 50.0; sp.VAS = 45.1234; sp.QTS = 0.4; sp.QES = 0.435; sp.QMS = 5.0;
    sp.EFI = 2.501; sp.RE = 6.0; sp.PEMX = 100.0; sp.SD = 200.0; sp.XMAX = 5.0; sp.VD = 100.0; sp.LE = 1.0;
    state.box.VB = 30.0;
}

TEST(ValueText, RoundsToItsDecimalsWithTiesToEvenAndKeepsTheSign) {
    struct Case { double value; int32_t decimals; const char* text; double x; };
    const Case cases[] = {
        {30.0, 2, " 30", 432}, {25.5, 2, " 25.5", 426}, {25.456, 2, " 25.46", 422}, {0.7071, 3, " 0.707", 422},
        {0.125, 2, " 0.12", 426}, {0.375, 2, " 0.38", 426}, {-2.5, 2, "-2.5", 430}, {-0.004, 2, " 0", 436},
        {1e308, 2, " 1e308", 420},  // hundredths of it would overflow
        // The largest double: ten digits rounded would pass it, so they are cut.
        {1.7976931348623157e308, 2, " 1.797693134e308", 382}, {-1.7976931348623157e308, 0, "-1.797693134e308", 382},
    };
    for (const Case& c : cases) {
        const Str255 text = valueText(c.value, c.decimals);
        EXPECT_EQ(text.str(), c.text) << c.value;
        EXPECT_EQ(rightAlignedX(text), c.x) << c.value;
    }
}

TEST_F(ProfileTest, DriverRowsShowTheirValuesRightAligned) {
    closedBoxDesign();
    state.ref.SPL = 88.26;
    state.coef.siftUpDwn = -6.0;
    SystemProfile();
    ASSERT_EQ(texts("System Profile").size(), 1u);
    EXPECT_EQ(texts("System Profile")[0].x0, 226.0);
    EXPECT_EQ(texts("'Closed Box System'").size(), 1u);
    EXPECT_EQ(valueOn(130)->text, " 20");
    EXPECT_EQ(valueOn(170)->text, " 45.123");
    EXPECT_EQ(valueOn(270)->text, " 94.3");  // the level without the band-pass shift
    EXPECT_EQ(valueOn(450)->text, " 30");    // and the box block below
    EXPECT_EQ(texts("30-3000")[0].x0, 416.0);
    // The exponents of cm2 and cm3 stand small, 4 pt above their rows.
    EXPECT_EQ(texts("2")[0].size, 9.0);
    EXPECT_EQ(texts("3")[0].y0, 366.0);
    // The Qts row has a value but no unit.
    EXPECT_EQ(valueOn(190)->text, " 0.4");
}

TEST_F(ProfileTest, LongModelNamesAreSetAPointSmaller) {
    closedBoxDesign();
    for (const auto& [name, size] : {std::pair{"ABCDEFGHIJK", 12.0}, std::pair{"ABCDEFGHIJKL", 11.0}}) {
        provider.window.reset();
        state.speaker.s_SP = name;
        SystemProfile();
        ASSERT_EQ(texts(name).size(), 1u);
        EXPECT_EQ(texts(name)[0].size, size) << name;
    }
}

// A name too long for its box (363.5 to 476.5) is cut and ends in an
// ellipsis inside it; the driver's own name is kept whole.
TEST_F(ProfileTest, AModelNameTooLongForItsBoxEndsInAnEllipsisInsideIt) {
    closedBoxDesign();
    state.speaker.s_SP = "WWWWWWWWWWWWWWWWWWWWWWWW";
    SystemProfile();
    const auto name = texts("WWWWWWWW\xC9");
    ASSERT_EQ(name.size(), 1u);
    EXPECT_LT(name[0].x0 + sansTextWidth(name[0].text, name[0].size), 476.0);
    EXPECT_EQ(state.speaker.s_SP, "WWWWWWWWWWWWWWWWWWWWWWWW");
}

// The usable frequency range is the driver's whole range, on the page and
// printed: set smaller while that makes it fit its box (410.5 to 476.5),
// down to 9 pt, and never cut; a longer one runs past the box.
TEST_F(ProfileTest, TheFrequencyRangeIsDrawnWholeAndSetSmallerToFitItsBox) {
    closedBoxDesign();
    const struct { const char* range; bool fits; } rows[] = {
        {"30 Hz - 3 kHz", true}, {"35 Hz to 2 kHz", true}, {"20 Hz - 20 kHz (on axis, 1 W)", false}};
    for (const auto& row : rows)
        for (const uint8_t printed : {uint8_t{0}, uint8_t{1}}) {
            SCOPED_TRACE(std::string(row.range) + (printed ? ", printed" : ""));
            state.draw.DoPrint = printed;
            surface().reset();
            state.speaker.s_RANG = row.range;
            SystemProfile();
            const std::optional<RecordedElement> drawn = valueOn(110.0);
            ASSERT_TRUE(drawn);
            EXPECT_EQ(drawn->text, row.range);
            EXPECT_EQ(drawn->x0 + sansTextWidth(drawn->text, drawn->size) < 476.5, row.fits);
            EXPECT_LT(drawn->size, 12.0);
            EXPECT_GE(drawn->size, 9.0);
        }
}

TEST_F(ProfileTest, ScreenPageFillsTheFigureBoxesAndDrawsHairlines) {
    closedBoxDesign();
    SystemProfile();
    const auto boxes = rects();
    ASSERT_GE(boxes.size(), 4u);
    EXPECT_TRUE(boxes[0].fill);
    EXPECT_EQ(boxes[0].stroke.colour.red, 0.93);
    EXPECT_EQ(boxes[0].y0, 72.5);
    EXPECT_FALSE(boxes[2].fill);
    EXPECT_EQ(boxes[3].y0, 327.5);
    EXPECT_EQ(lines()[0].y0, 70.5);
    EXPECT_EQ(lines()[0].stroke.width, 1.0);
}

TEST_F(ProfileTest, PrintedAsShownOnlyTheLineWidthsChange) {
    closedBoxDesign();
    state.draw.DoPrint = 1;
    SystemProfile();
    EXPECT_EQ(valueOn(170)->text, " 45.123");
    const auto boxes = rects();
    // Outlined figure boxes where the screen's filled ones are.
    EXPECT_FALSE(boxes[0].fill);
    EXPECT_EQ(boxes[0].y0, 72.0);
    EXPECT_EQ(boxes[0].y1, 218.0);
    EXPECT_EQ(boxes[1].y0, 327.0);
    EXPECT_EQ(boxes[1].y1, 149.0);
    EXPECT_EQ(lines()[0].stroke.width, 0.75);
    EXPECT_EQ(boxes[2].stroke.width, 0.5);  // the model-name box
}

TEST_F(ProfileTest, UnderAPrintedGraphTheProfileMovesDownThePage) {
    closedBoxDesign();
    state.speaker.s_SP = "ABCDEFGHIJKLMN";
    state.ref.SPL = 88.26;
    state.draw.DoPrint = 1;
    state.view.s_Resp = "amp";
    PrintSystemProfile();
    const auto boxes = rects();
    EXPECT_EQ(boxes[0].y0, 378.0);                 // system box 378-596
    EXPECT_EQ(boxes[0].y0 + boxes[0].y1, 596.0);
    EXPECT_EQ(boxes[1].y0, 616.0);                 // connection box 616-765
    EXPECT_EQ(boxes[1].y0 + boxes[1].y1, 765.0);
    EXPECT_EQ(texts("Vb")[0].y0, 155.0 + 306.0);   // the labels follow the figure
    EXPECT_EQ(valueOn(460)->text, " 45.12");       // Vas with two decimals here
    EXPECT_EQ(valueOn(440)->size, 11.0);           // in the long model name's size
    EXPECT_EQ(valueOn(500.5)->text, " 88.3");
    EXPECT_EQ(valueOn(500.5)->size, 12.0);
    EXPECT_EQ(texts("Box Parameters")[0].y0, 530.0);
}

TEST_F(ProfileTest, PrintedProfileWithoutPrintingHasNoLevelRow) {
    closedBoxDesign();
    state.view.s_Resp = "amp";
    PrintSystemProfile();
    EXPECT_TRUE(texts("SPL(Sound Pressure Level 1W1m)").empty());
    EXPECT_FALSE(valueOn(500.5).has_value());
}

}  // namespace
}  // namespace quendal::test
