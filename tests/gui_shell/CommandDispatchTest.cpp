// Menu commands against their effects: the rows where a wrong value, mark or
// window would be easy to write.

#include <algorithm>
#include <tuple>

#include <QTemporaryDir>

#include "ShellFixture.h"
#include "dialogs/Alerts.h"
#include "response/CofCal.h"
#include "support/AlertRecorder.h"
#include "support/ShellServiceDoubles.h"

namespace quendal::test {
namespace {

using platform::kEventNotHandled;
using platform::kHandled;

class CommandDispatchTest : public ShellTest {};

TEST_F(CommandDispatchTest, ChoosingImpedanceMovesTheMarkAndRedrawsWithoutRecalculating) {
    designOf(1, 3);
    state.view.RespID = 5;
    platform::checkOneMenuItem(kResponseMenu, 5);
    state.view.ReDispWnd = 2;
    state.point.respNum = 3;
    EXPECT_EQ(ApplicationEventHandler(kResponseMenu, 3), kHandled);
    EXPECT_EQ(state.view.s_Resp, "imp");
    EXPECT_EQ(state.view.RespID, 3);
    EXPECT_EQ(state.view.ReDispWnd, 1);
    EXPECT_EQ(state.point.respNum, 1);
    EXPECT_TRUE(checked(kResponseMenu, 3));
    EXPECT_FALSE(checked(kResponseMenu, 5));
}

TEST_F(CommandDispatchTest, TheVentPageStartsAtVentOneAndSnapshotLeavesThePageAlone) {
    designOf(2, 8);
    state.vents.VentID = 3;
    ApplicationEventHandler(kResponseMenu, 12);
    EXPECT_EQ(state.view.s_Resp, "vent");
    EXPECT_EQ(state.vents.VentID, 1);
    ApplicationEventHandler(kResponseMenu, 14);
    EXPECT_EQ(state.view.RespID, 12);
    EXPECT_EQ(state.view.s_Resp, "vent");
    EXPECT_TRUE(checked(kResponseMenu, 12));
    EXPECT_FALSE(checked(kResponseMenu, 14));
}

TEST_F(CommandDispatchTest, ViewItemsSetTheirModeAndOnlyRedraw) {
    const struct { int32_t item; int32_t magni, scale, disp; } rows[] = {{1, 0, 10, 3}, {4, 1, 5, 3}, {8, 1, 10, 2}};
    designOf(1, 3);
    for (const auto& row : rows) {
        state.view.Magni = 1;
        state.view.Scale = 10;
        state.view.Disp = 3;
        state.view.ReDispWnd = 2;
        EXPECT_EQ(ApplicationEventHandler(kViewMenu, row.item), kHandled);
        EXPECT_EQ(state.view.Magni, row.magni) << row.item;
        EXPECT_EQ(state.view.Scale, row.scale) << row.item;
        EXPECT_EQ(state.view.Disp, row.disp) << row.item;
        EXPECT_EQ(state.view.ReDispWnd, 1) << row.item;
    }
    EXPECT_EQ(ApplicationEventHandler(kViewMenu, 3), kEventNotHandled);  // a separator
}

TEST_F(CommandDispatchTest, HidingThePalettesClosesThemAndRenamesTheirItems) {
    designOf(1, 3);
    openWindow(kCustomPalette, platform::WindowKind::FloatingPalette);
    openWindow(kSystemInfoPalette, platform::WindowKind::FloatingPalette);
    state.shell.CtmPaletFlag = 0;
    state.shell.SysInfoFlag = 0;
    ApplicationEventHandler(kViewMenu, 11);
    ApplicationEventHandler(kViewMenu, 12);
    EXPECT_FALSE(platform::windowExists(kCustomPalette));
    EXPECT_FALSE(platform::windowExists(kSystemInfoPalette));
    EXPECT_EQ(state.shell.CtmPaletFlag, 1);
    EXPECT_EQ(state.shell.SysInfoFlag, 1);
    EXPECT_EQ(platform::menuItemText(kViewMenu, 11), "Show Custom Palette");
    EXPECT_EQ(platform::menuItemText(kViewMenu, 12), "Show System Info Palette");
    ApplicationEventHandler(kViewMenu, 11);
    EXPECT_EQ(state.shell.CtmPaletFlag, 0);
    EXPECT_EQ(platform::menuItemText(kViewMenu, 11), "Hide Custom Palette");
}

bool overlap(const Rect16& a, const Rect16& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Gather Windows puts the System Info palette left of the response window
// and the custom palette right of it, 10 px apart; near a screen edge both
// go to the free side, never over the response window.
TEST_F(CommandDispatchTest, GatherWindowsPutsThePalettesBesideTheResponseWindow) {
    designOf(1, 3);
    openWindow(kResponseWindow, platform::WindowKind::Document);
    openWindow(kCustomPalette, platform::WindowKind::FloatingPalette);
    openWindow(kSystemInfoPalette, platform::WindowKind::FloatingPalette);
    // The palettes' lefts from the response window's left edge.
    const struct { int16_t responseLeft, info, custom; } rows[] = {
        {130, -110, 550},  // room on both sides
        {0, 660, 550},     // at the left edge: both right, the custom palette nearer
        {260, -110, -220}, // at the right edge: both left, the System Info palette nearer
    };
    for (const auto& row : rows) {
        platform::setWindowBounds(kCustomPalette, Rect16{50, 50, 350, 150});
        platform::setWindowBounds(kSystemInfoPalette, Rect16{60, 60, 260, 160});
        platform::setWindowBounds(kResponseWindow, Rect16{100, row.responseLeft, 490, int16_t(row.responseLeft + 540)});
        ApplicationEventHandler(kViewMenu, 14);
        const Rect16 response = platform::windowBounds(kResponseWindow);
        EXPECT_EQ(state.bounds.RespWndBounds.left, response.left);
        EXPECT_EQ(state.bounds.RespWndBounds.top, response.top);
        const Rect16 custom = platform::windowBounds(kCustomPalette);
        const Rect16 info = platform::windowBounds(kSystemInfoPalette);
        EXPECT_EQ(info.left - response.left, row.info) << row.responseLeft;
        EXPECT_EQ(custom.left - response.left, row.custom) << row.responseLeft;
        EXPECT_EQ(info.top, response.top);
        EXPECT_EQ(custom.top, response.top);
        EXPECT_EQ(custom.right - custom.left, 100);  // sizes kept
        EXPECT_EQ(info.bottom - info.top, 200);
        EXPECT_FALSE(overlap(custom, response) || overlap(info, response) || overlap(custom, info)) << row.responseLeft;
    }
    // Without a response window its kept bounds are not overwritten by nothing.
    platform::closeWindow(kResponseWindow);
    ApplicationEventHandler(kViewMenu, 14);
    EXPECT_EQ(state.bounds.RespWndBounds.right - state.bounds.RespWndBounds.left, 540);
}

TEST_F(CommandDispatchTest, PassiveRadiatorAlignmentsDecideWhetherTheEnteredUnitIsUsed) {
    designOf(1, 4);
    PassiveRadiatorParameters& unit = state.radiator;  // a unit entered, which the alignments apply
    std::tie(unit.FPOrg, unit.VAPOrg, unit.QPOrg, unit.PRDataInFlag) = std::make_tuple(25.0, 40.0, 5.0, uint8_t{1});
    CofCal();  // the box of its first alignment, as drawn
    BoxParameterBackup();
    openWindow(kCustomPalette, platform::WindowKind::FloatingPalette);
    platform::ControlSpec popup(platform::ControlKind::PopupButton, Rect16{10, 10, 30, 100});
    popup.menu = kPrNumPopupMenu;
    ASSERT_TRUE(platform::createControl(kCustomPalette, 47, popup));
    const struct { int32_t menu, item, prUse, field; bool popupOn; } rows[] = {
        {16, 3, 1, 31, true}, {16, 4, 1, 31, false}, {16, 1, 0, 7, false},
        {24, 4, 1, 31, true}, {24, 5, 1, 31, false}, {24, 3, 0, 31, false}};
    for (const auto& row : rows) {
        state.radiator.PRUseFlag = 1;
        state.shell.EdtFldID = 7;
        state.view.ReDispWnd = 1;
        EXPECT_EQ(ApplicationEventHandler(row.menu, row.item), kHandled);
        EXPECT_EQ(state.radiator.PRUseFlag, row.prUse) << row.menu << "/" << row.item;
        EXPECT_EQ(state.shell.EdtFldID, row.field) << row.menu << "/" << row.item;
        EXPECT_EQ(platform::isControlEnabled(kCustomPalette, 47), row.popupOn) << row.menu << "/" << row.item;
        EXPECT_EQ(state.selection.Alin, row.item);
        EXPECT_EQ(state.view.ReDispWnd, 2);  // an alignment always recalculates
    }
    EXPECT_EQ(ApplicationEventHandler(23, 1), kEventNotHandled);
}

TEST_F(CommandDispatchTest, TripleVentedAlignmentRebuildsTheVentMenuFromTheChambers) {
    state.box.VB2 = 25.0;
    designOf(2, 8);
    EXPECT_EQ(platform::menuItemCount(kThreeVentMenu), 3);
    state.box.VB1 = state.box.VB2 = 30.0;
    state.box.FB1 = state.box.FB2 = 40.0;
    state.box.QL1 = state.box.QL2 = 7.0;
    ApplicationEventHandler(18, 2);
    EXPECT_EQ(platform::menuItemCount(kThreeVentMenu), 2);
    EXPECT_EQ(platform::menuItemText(kThreeVentMenu, 1), "Vent1 & 2 Design...");
    EXPECT_TRUE(checked(18, 2));
}

// Only the Triple Vented system designs two alike chambers' vents as one.
TEST_F(CommandDispatchTest, TheSecondItemOfTheThreeVentMenuDesignsVentThreeWhenTheFirstTwoAreAlike) {
    const struct { int32_t button; bool alike; int32_t item, vent; const char* title; } rows[] = {
        {8, true, 1, 1, "Vent1 & 2"}, {8, true, 2, 3, "Vent3"},     {8, false, 1, 1, "Vent1"},
        {8, false, 2, 2, "Vent2"},    {8, false, 3, 3, "Vent3"},    {6, true, 1, 1, "Vent1"},
        {6, true, 2, 2, "Vent2"},     {7, true, 2, 2, "Vent2"}};
    openWindow(kResponseWindow, platform::WindowKind::Document);
    for (const auto& row : rows) {
        designOf(2, row.button);
        state.box.VB1 = 30.0;
        state.box.VB2 = row.alike ? 30.0 : 31.0;
        EXPECT_EQ(ApplicationEventHandler(kThreeVentMenu, row.item), kHandled);
        EXPECT_EQ(state.vents.VentID, row.vent);
        EXPECT_EQ(state.shell.s_VentTitle, row.title);
        EXPECT_EQ(platform::controlText(kVentDesignSheet, 360), std::string(row.title) + " Design");
        SheetWndClose(kVentDesignSheet);
        EXPECT_FALSE(enabled(kFileMenu, 0));  // the sheet's modal menus
    }
}

TEST_F(CommandDispatchTest, AboutOpensOnceAndDimsTheMenus) {
    EXPECT_EQ(ApplicationEventHandler(kApplicationMenu, kAboutItem), kHandled);
    EXPECT_EQ(state.shell.AboutWndflag, 1);
    EXPECT_FALSE(enabled(kApplicationMenu, kQuitItem));
    EXPECT_FALSE(enabled(kEditMenu, 0));
    InitMenu11();
    ApplicationEventHandler(kApplicationMenu, kAboutItem);  // already open: nothing
    EXPECT_TRUE(enabled(kApplicationMenu, kQuitItem));
}

TEST_F(CommandDispatchTest, ImpedanceConnectionSetsItsCodeAndMark) {
    designOf(1, 7);
    EXPECT_EQ(platform::sendCommand(kImpedanceConnectionMenu, 2), kHandled);
    EXPECT_EQ(state.view.s_Imp, "Seri");
    EXPECT_EQ(state.view.ImpID, 2);
    EXPECT_TRUE(checked(kImpedanceConnectionMenu, 2));
    EXPECT_FALSE(checked(kImpedanceConnectionMenu, 1));
    // The submenu is rebuilt with the menus, not multiplied, and still answers.
    InitMenu16();
    EXPECT_EQ(platform::menuItemCount(kImpedanceConnectionMenu), 2);
    EXPECT_TRUE(checked(kImpedanceConnectionMenu, 2));
    platform::sendCommand(kImpedanceConnectionMenu, 1);
    EXPECT_EQ(state.view.s_Imp, "Para");
}

TEST_F(CommandDispatchTest, UnknownCommandsChangeNothing) {
    for (const auto& [menu, item] : std::vector<std::pair<int32_t, int32_t>>{
             {kFileMenu, 4}, {kResponseMenu, 10}, {kMiscMenu, 2}, {kHelpMenu, 5}, {kApplicationMenu, 3}, {99, 1}}) {
        EXPECT_EQ(ApplicationEventHandler(menu, item), kEventNotHandled) << menu << "/" << item;
    }
    EXPECT_EQ(state.view.s_Resp, "amp");
    EXPECT_TRUE(enabled(kApplicationMenu, kQuitItem));
}

TEST_F(CommandDispatchTest, QuitWithoutUnsavedChangesEndsTheProgram) {
    EXPECT_EQ(ApplicationEventHandler(kApplicationMenu, kQuitItem), kHandled);
    EXPECT_TRUE(quitAsked());
}

TEST_F(CommandDispatchTest, QuitWithUnsavedChangesAsksFirst) {
    state.shell.DirtyFlag = 1;
    EXPECT_EQ(ApplicationEventHandler(kApplicationMenu, kQuitItem), kHandled);
    EXPECT_FALSE(quitAsked());
}

// A help document or link that nothing of the desktop opens, whether no
// opener takes it or the opener that took it ends in failure, or a document
// that is missing, is named in an alert, so that the user can open it.
TEST_F(CommandDispatchTest, HelpThatNothingOpensSaysWhereTheDocumentIs) {
    RecordingDesktop desktop;
    AlertRecorder alerts;
    platform::setDesktopService(&desktop);
    platform::setDialogService(&alerts);
    QTemporaryDir empty;
    const struct { bool accepts, failsLater, missing; int32_t item; const char* named; } rows[] = {
        {true, false, false, 1, nullptr},
        {false, false, false, 1, "/Help/Quendal Manual.html"},
        {false, false, false, 6, "https://keldrith.example/"},
        {false, false, false, 7, "mailto:support@keldrith.example"},
        {true, false, true, 3, "/Help/T-S Parameters Description.html"},
        {true, true, false, 1, "/Help/Quendal Manual.html"},
        {true, true, false, 7, "mailto:support@keldrith.example"},
    };
    for (const auto& row : rows) {
        desktop.accepts = row.accepts;
        desktop.failsLater = row.failsLater;
        if (row.missing) platform::setResourceFolder(empty.path().toStdString());
        alerts.sheets.clear();
        EXPECT_EQ(ApplicationEventHandler(kHelpMenu, row.item), kHandled);
        if (row.failsLater) {
            EXPECT_TRUE(alerts.sheets.empty()) << "the opener has only started";
        }
        desktop.endFailingOpeners();
        platform::setResourceFolder("");
        if (row.named == nullptr) {
            EXPECT_TRUE(alerts.sheets.empty()) << row.item;
            continue;
        }
        ASSERT_EQ(alerts.sheets.size(), 1u) << row.item;
        EXPECT_NE(alerts.sheets[0].message.find(row.named), std::string::npos) << alerts.sheets[0].message;
        if (row.missing) {
            EXPECT_EQ(alerts.sheets[0].title, "The help document could not be found.");
            EXPECT_NE(alerts.sheets[0].message.find(empty.path().toStdString()), std::string::npos);
        } else {
            EXPECT_EQ(alerts.sheets[0].title.rfind("No program of this desktop opens", 0), 0u) << alerts.sheets[0].title;
        }
    }
    platform::setDialogService(nullptr);
    platform::setDesktopService(nullptr);
}

}  // namespace
}  // namespace quendal::test
