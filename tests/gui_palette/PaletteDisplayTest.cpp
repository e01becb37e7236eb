// What the palette shows at each alignment, and its dimming while a sheet
// stands over the design.
#include "PaletteFixture.h"

#include "palette/CustomPaletteEnable.h"
#include "palette/CustomPaletteRows.h"

namespace quendal::test {
namespace {

using platform::controlExists;
using platform::isControlEnabled;

class PaletteDisplay : public CustomPaletteTest {};

TEST_F(PaletteDisplay, AnAlignmentWithOneEntryFocusesItAndOptimumMakesItReadOnlyAgain) {
    open(1, 2, 3);  // Closed Box "Qtc"
    EXPECT_TRUE(isControlEnabled(kCustomPalette, 32));
    EXPECT_FALSE(controlExists(kCustomPalette, 213));
    EXPECT_FALSE(isControlEnabled(kCustomPalette, 211));  // Vb shown, not editable
    EXPECT_EQ(platform::keyboardFocus(kCustomPalette), 32);
    EXPECT_EQ(state.shell.EdtFldID, 32);
    EXPECT_TRUE(isControlEnabled(kCustomPalette, kPaletteCalcButton));
    EXPECT_EQ(state.shell.EditMenuFlag, 1);

    state.selection.Alin = 1;  // "Optimum"
    CustomPaletDisp();
    for (int32_t id = kPaletteFirstField; id <= kPaletteLastField; ++id) EXPECT_FALSE(controlExists(kCustomPalette, id));
    EXPECT_TRUE(controlExists(kCustomPalette, 213));
    EXPECT_FALSE(isControlEnabled(kCustomPalette, kPaletteCalcButton));
    EXPECT_EQ(state.shell.EditMenuFlag, 0);
}

TEST_F(PaletteDisplay, SeveralEntriesStandAtTheirRowsAndTheRememberedFieldKeepsTheFocus) {
    state.shell.EdtFldID = 32;
    open(2, 2, 4);  // Passive Raveza "Apply Entered P.R. Unit"
    EXPECT_EQ(platform::controlBounds(kCustomPalette, 32).top, 195);
    for (platform::ControlNumber id : {212, 214, 215, 216, 217}) EXPECT_TRUE(controlExists(kCustomPalette, id)) << id;
    EXPECT_FALSE(controlExists(kCustomPalette, 33));
    EXPECT_EQ(platform::keyboardFocus(kCustomPalette), 32);

    state.shell.EdtFldID = 35;  // a field this alignment lacks
    CustomPaletDisp();
    EXPECT_EQ(platform::keyboardFocus(kCustomPalette), 31);  // the fields built anew: the first takes it
    EXPECT_TRUE(isControlEnabled(kCustomPalette, 31));
    EXPECT_EQ(state.shell.EdtFldID, 35);
}

TEST_F(PaletteDisplay, ASheetDimsThePaletteAndItsReturnBringsBackWhatTheAlignmentTakes) {
    state.shell.s_MasgMenu = "BootQnDL";
    open(1, 5, 5);  // Serial Vented "Custom"
    type(31, "42");
    DisableCustomPalet();
    for (platform::ControlNumber id : {10, 11, 12, 13, 101, 107, 117, 43, 44, 53, 54, 201, 31, 34})
        EXPECT_FALSE(isControlEnabled(kCustomPalette, id)) << id;
    EnableCustomPalet();
    for (platform::ControlNumber id : {10, 11, 12, 13, 101, 107, 117, 43, 44, 53, 54, 201, 31, 34})
        EXPECT_TRUE(isControlEnabled(kCustomPalette, id)) << id;
    EXPECT_EQ(platform::controlText(kCustomPalette, 31), "42");  // nothing typed is lost

    state.shell.s_MasgMenu = "";
    state.selection.Alin = 1;
    CustomPaletDisp();
    DisableCustomPalet();
    EnableCustomPalet();
    EXPECT_FALSE(isControlEnabled(kCustomPalette, kPaletteCalcButton));  // no entry at this alignment
    // Without a driver database the arrow leads to the Default Parameters window.
    EXPECT_TRUE(isControlEnabled(kCustomPalette, kPaletteSpeakerSelectArrow));
}

TEST_F(PaletteDisplay, RadiatorDataAppliedEnableThePassiveRavezasCountAndCalcAtAnyAlignment) {
    state.radiator.PRUseFlag = 1;
    state.radiator.PopupPRNum = 2;
    open(2, 2, 1);
    EXPECT_EQ(platform::controlValue(kCustomPalette, kPaletteRadiatorCountPopup), 2);
    EXPECT_FALSE(isControlEnabled(kCustomPalette, kPaletteRadiatorCountPopup));  // dimmed after every build
    EnableCustomPalet();
    EXPECT_TRUE(isControlEnabled(kCustomPalette, kPaletteRadiatorCountPopup));
    EXPECT_TRUE(isControlEnabled(kCustomPalette, kPaletteCalcButton));
    state.radiator.PRUseFlag = 0;
    DisableCustomPalet();
    EnableCustomPalet();
    EXPECT_FALSE(isControlEnabled(kCustomPalette, kPaletteRadiatorCountPopup));
    EXPECT_FALSE(isControlEnabled(kCustomPalette, kPaletteCalcButton));
}

TEST_F(PaletteDisplay, TheWindowsRowsKeepTheFieldThePlaceAndTheRadiatorCount) {
    open(1, 4, 4);  // Passive Radiator "Custom"
    platform::setKeyboardFocus(kCustomPalette, 33);
    CustomPaletTabKeyUp();
    EXPECT_EQ(state.shell.EdtFldID, 33);

    platform::setControlValue(kCustomPalette, kPaletteRadiatorCountPopup, 3);
    CustomPaletPRNumPopupClick();
    EXPECT_EQ(state.radiator.PopupPRNum, 3);
    EXPECT_EQ(state.view.ReDispWnd, 2);

    const Rect16 place = platform::windowBounds(kCustomPalette);
    CustomPaletClose();
    EXPECT_FALSE(platform::windowExists(kCustomPalette));
    EXPECT_EQ(state.shell.CtmPaletFlag, 1);
    EXPECT_EQ(state.bounds.CstmWndBounds.left, place.left);
    EXPECT_EQ(state.bounds.CstmWndBounds.top, place.top);
}

// A new value only sets the texts of the fields standing; another system
// builds its own fields, and none of the system before stays.
TEST_F(PaletteDisplay, ANewValueSetsTheFieldsAndAnotherSystemBuildsItsOwn) {
    open(1, 3, 1);  // Vented Box "Optimum": Vb and Fb shown
    const QLineEdit* vb = field(211);
    ASSERT_NE(vb, nullptr);
    const std::string before = platform::controlText(kCustomPalette, 211);
    state.box.VB1 *= 2.0;
    CustomPaletDisp();
    EXPECT_EQ(field(211), vb);
    EXPECT_NE(platform::controlText(kCustomPalette, 211), before);
    EXPECT_EQ(platform::controlText(kCustomPalette, 211), std::string(state.palette.s_VB1.view()));

    state.selection.SysSelBtnNum = 5;  // Serial Vented: a second chamber
    CustomPaletDisp();
    EXPECT_TRUE(controlExists(kCustomPalette, 213));
    state.selection.SysSelBtnNum = 3;
    CustomPaletDisp();
    EXPECT_FALSE(controlExists(kCustomPalette, 213));
    EXPECT_EQ(platform::controlText(kCustomPalette, 211), std::string(state.palette.s_VB1.view()));
}

}  // namespace
}  // namespace quendal::test
