// Calc. and the loss popups driven through the palette's real fields: what
// is accepted, what is refused and put back, the alerts of impossible
// designs, each raised once.
#include "PaletteFixture.h"

#include <cmath>
#include <tuple>

#include <QAction>
#include <QFile>
#include <QTemporaryDir>
#include <QMenu>
#include <QMenuBar>

#include "app/CommandDispatch.h"
#include "app/DesignDocument.h"
#include "app/UnsavedChanges.h"
#include "app/WindowEvents.h"
#include "palette/CustomPaletteEnable.h"
#include "palette/CustomPaletteValues.h"
#include "model/ClosedBoxOutcome.h"
#include "view/ResponseRedraw.h"
#include "dialogs/Alerts.h"

namespace quendal::test {
namespace {

class PaletteCalc : public CustomPaletteTest {
protected:
    // As a Calc. that recalculates leaves them, and not otherwise.
    static bool recalculated() {
        return state.vents.vent[2].CircVentNum == 1 && state.vents.vent[3].CircVentNum == 1 &&
               state.view.ReDispWnd == 2;
    }
    static void markVents() {
        state.vents.vent[2].CircVentNum = state.vents.vent[3].CircVentNum = 4;
        state.view.ReDispWnd = 1;
    }
    // A Triple Vented design at its custom alignment, with a driver whose
    // displacement, mechanical Q and resistance give every page a level.
    void openTripleVented() {
        state.speaker.VD = 100.0;
        state.speaker.QMS = 5.0;
        state.speaker.RE = 6.0;
        open(2, 8, 5);
    }
};

struct Entry {
    platform::ControlNumber field;
    const char* text;
};

struct EntryCase {
    const char* name;
    int32_t tab, button, alin;
    std::vector<Entry> entries;
    BoxValue checked;  // the value of field 31, in the system's check list
};

// One system of each family, with one entry that is not a positive number.
const EntryCase kRefused[] = {
    {"closed box, volume 0", 1, 2, 2, {{31, "0"}}, BoxValue::VB},
    {"serial vented, negative tuning", 1, 5, 5, {{31, "40"}, {32, "-3"}, {33, "20"}}, BoxValue::VB1},
    {"raveza box, infinite volume", 2, 1, 4, {{31, "20"}, {32, "1e999"}, {33, "45"}}, BoxValue::VB1},
    {"twin serial, empty field", 2, 6, 3, {{31, "30"}, {36, ""}}, BoxValue::VB1},
};

TEST_F(PaletteCalc, AnEntryThatIsNotAPositiveNumberPutsTheWholeCheckListBack) {
    for (const EntryCase& c : kRefused) {
        SCOPED_TRACE(c.name);
        open(c.tab, c.button, c.alin);
        const double accepted = boxValue(c.checked);
        const double acceptedFB2 = state.box.FB2;
        const bool threeChambers = c.tab == 2 && c.button == 6;
        if (!threeChambers) state.box.VB3 = 123.0;  // outside the system's list: left alone
        const int beeps = dialogs.beeps;
        for (const Entry& e : c.entries) type(e.field, e.text);
        CustumPaletCalcReturn();
        EXPECT_EQ(dialogs.beeps, beeps + 1);
        EXPECT_TRUE(dialogs.sheets.empty());
        EXPECT_DOUBLE_EQ(boxValue(c.checked), accepted);  // also where it was entered correctly
        EXPECT_DOUBLE_EQ(state.box.FB2, acceptedFB2);
        if (!threeChambers) {
            EXPECT_DOUBLE_EQ(state.box.VB3, 123.0);
        }
        // The palette shows the value put back.
        EXPECT_EQ(platform::controlText(kCustomPalette, 31), textForm(c.checked).str());
    }
}

TEST_F(PaletteCalc, AcceptedEntriesBecomeTheDesignAndItIsRecalculated) {
    const struct {
        const char* name;
        int32_t tab, button, alin;
        std::vector<Entry> entries;
        double BoxParameters::*value;
        double expected;
    } cases[] = {
        {"closed box volume", 1, 2, 2, {{31, "55"}}, &BoxParameters::VB, 55.0},
        {"serial vented", 1, 5, 5, {{33, "12.5"}}, &BoxParameters::VB2, 12.5},
        {"raveza box", 2, 1, 4, {{33, "61.25"}}, &BoxParameters::FB2, 61.25},
        {"delta vented", 2, 7, 4, {{35, "33"}}, &BoxParameters::VB3, 33.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        open(c.tab, c.button, c.alin);
        markVents();
        for (const Entry& e : c.entries) type(e.field, e.text);
        CustumPaletCalcReturn();
        EXPECT_DOUBLE_EQ(state.box.*c.value, c.expected);
        EXPECT_TRUE(dialogs.sheets.empty());
        EXPECT_EQ(dialogs.beeps, 0);
        EXPECT_TRUE(recalculated());
        EXPECT_EQ(state.vents.VentCalcCount, 0);
    }
}

TEST_F(PaletteCalc, ReturnAndEnterInAFieldRunCalc) {
    open(1, 2, 2);
    // The shell's row for keys in window 9, as it will route them.
    platform::installWindowHandler(
        kCustomPalette,
        [](const platform::WindowEvent& e, int32_t) {
            if (e.kind != platform::WindowEventKind::KeyDown) return platform::kEventNotHandled;
            if (e.character != platform::kReturnChar && e.character != platform::kEnterChar)
                return platform::kEventNotHandled;
            CustumPaletCalcReturn();
            return platform::kHandled;
        },
        kCustomPalette);
    const double kept = state.box.VB;
    type(31, "4 5");  // kept as typed, and read as no number rather than as 45 or 4
    EXPECT_EQ(platform::controlText(kCustomPalette, 31), "4 5");
    QTest::keyClick(paletteHandle(), Qt::Key_Return);
    EXPECT_EQ(dialogs.beeps, 1);
    EXPECT_DOUBLE_EQ(state.box.VB, kept);
    type(31, "1.5e1");
    QTest::keyClick(paletteHandle(), Qt::Key_Enter);
    EXPECT_DOUBLE_EQ(state.box.VB, 15.0);
    EXPECT_EQ(state.box.CBAlartFlag, kCBAlartRealisable);
}

// A positive entry that the palette would keep as 0, or one for which the
// system's response lies nowhere on the page from 10 Hz to 1 kHz (a vent
// tuned at 100 kHz leaves the band 80 dB down), is refused like a 0: beep,
// the accepted value and its copy stay.
TEST_F(PaletteCalc, AnEntryThatRoundsToNothingOrGivesNoResponseIsRefused) {
    const struct {
        const char* name;
        int32_t tab, button, alin;
        Entry entry;
        BoxValue value;
    } cases[] = {
        {"closed box volume 0.004 litre", 1, 2, 2, {31, "0.004"}, BoxValue::VB},
        {"vented box tuning 1e-300 Hz", 1, 3, 4, {32, "1e-300"}, BoxValue::FB1},
        {"passive radiator Qmp 0.003", 1, 4, 4, {34, "0.003"}, BoxValue::QP},
        {"vented box tuning 1e300 Hz", 1, 3, 4, {32, "1e300"}, BoxValue::FB1},
        {"vented box tuning 100000 Hz", 1, 3, 4, {32, "100000"}, BoxValue::FB1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        open(c.tab, c.button, c.alin);
        const double accepted = boxValue(c.value);
        const int beeps = dialogs.beeps;
        type(c.entry.field, c.entry.text);
        CustumPaletCalcReturn();
        EXPECT_EQ(dialogs.beeps, beeps + 1);
        EXPECT_TRUE(dialogs.sheets.empty());
        EXPECT_GT(accepted, 0.0);
        EXPECT_DOUBLE_EQ(boxValue(c.value), accepted);
        EXPECT_DOUBLE_EQ(*acceptedBoxValue(c.value), accepted);
    }
}

// Return in the palette under a sheet, an alert or with Calc. dimmed (as
// under the Vent Design sheet) leaves the design and the palette as they are.
TEST_F(PaletteCalc, ReturnUnderASheetOrWithCalcDimmedChangesNothing) {
    const platform::WindowEvent returnKey{platform::WindowEventKind::KeyDown, kCustomPalette, 0, 0, 0, 0,
                                          platform::kReturnChar};
    const struct {
        const char* name;
        void (*standUp)();
    } cases[] = {
        {"alert sheet", [] { state.shell.SheetWndFlag = 1; }},
        {"speaker-connection sheet", [] { state.shell.InterceptEvHnd = 1; }},
        {"palette dimmed", [] { DisableCustomPalet(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        open(1, 2, 2);
        type(31, "55");
        c.standUp();
        markVents();
        const double vb = state.box.VB;
        const bool calcEnabled = platform::isControlEnabled(kCustomPalette, kPaletteCalcButton);
        DesignWindowEvent(returnKey);
        EXPECT_DOUBLE_EQ(state.box.VB, vb);
        EXPECT_FALSE(recalculated());
        EXPECT_EQ(platform::isControlEnabled(kCustomPalette, kPaletteCalcButton), calcEnabled);
        EXPECT_TRUE(dialogs.sheets.empty());
        state.shell.SheetWndFlag = state.shell.InterceptEvHnd = 0;
    }
    // With nothing over it, Return runs Calc.
    open(1, 2, 2);
    type(31, "55");
    DesignWindowEvent(returnKey);
    EXPECT_DOUBLE_EQ(state.box.VB, 55.0);
}

TEST_F(PaletteCalc, ClosedBoxOptimumTakesTheNearestBoxWithoutAnAlert) {
    state.speaker.QTS = 0.8;  // its smallest box already exceeds Qtc 0.707
    open(1, 2, 1);
    markVents();
    CustumPaletCalcReturn();
    EXPECT_TRUE(dialogs.sheets.empty());
    // The recalculation runs the alignment again, which reports Qtc 0.707 out
    // of reach (the nearest box is its own result): no alert is raised for it.
    EXPECT_EQ(state.box.CBAlartFlag, kCBAlartQtcTooSmall);
    // h = Fc/Fs = 1.1; the volume in use is kept to 0.01 litre.
    EXPECT_NEAR(state.box.VB, 100.0 / (1.1 * 1.1 - 1.0), 0.005);
    EXPECT_GT(state.box.QTC, 0.707);
    EXPECT_TRUE(recalculated());
}

// The closed-box Q with box losses of the driver in use (Qts 0.4, Vas
// 100 litres) in a box of vb litres, Vab = Cp Vb.
double qtcOfBox(double vb, double cp, double qa) {
    const double qts = 0.4, vas = 100.0, vab = cp * vb, h = std::sqrt(1.0 + vas / vab);
    return qts * qa * (vas + vab) / (h * vab * qa + vas * qts);
}

TEST_F(PaletteCalc, AnUnrealisableQtcAlertsOnceAndTheOfferedQtcIsBuilt) {
    // With Qa 5 (filling factor 1.2) the largest Qtc offered is that of the
    // smallest box a volume is kept as, 0.01 litre: a Qtc nearer Qa would
    // build a box that is kept as no box at all.
    const double smallestBoxQtc = std::floor(qtcOfBox(0.01, 1.2, 5.0) * 1000.0) / 1000.0;
    const struct {
        const char* name;
        int32_t qaItem;
        const char* entered;
        const char* title;
        double offered;
    } cases[] = {
        {"too small", 3, "0.3", "ALERT!   Impossible alignment.  Qtc is too small.", 0.437},
        {"at the loss factor 5", 1, "6", "ALERT!   Unavailable alignment.  Qtc is too Large.", smallestBoxQtc},
        {"exactly 5 with Qa 5", 1, "5", "ALERT!   Unavailable alignment.  Qtc is too Large.", smallestBoxQtc},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.sheets.clear();
        state.box.PopupItem1 = c.qaItem;
        state.box.QA = state.box.QA1 = c.qaItem == 1 ? 5.0 : 10.0;
        open(1, 2, 3);
        markVents();
        const double inForce[] = {state.box.VB, state.box.FC, state.box.QTC, state.box.VBbak, state.box.QTCbak};
        type(32, c.entered);
        CustumPaletCalcReturn();
        ASSERT_EQ(dialogs.sheets.size(), 1u);
        // The refused Qtc is neither kept nor shown behind the alert.
        const double now[] = {state.box.VB, state.box.FC, state.box.QTC, state.box.VBbak, state.box.QTCbak};
        for (int k = 0; k < 5; ++k) EXPECT_DOUBLE_EQ(now[k], inForce[k]) << k;
        EXPECT_EQ(platform::controlText(kCustomPalette, 211), textForm(BoxValue::VB).str());
        EXPECT_EQ(dialogs.sheets[0].title, c.title);
        EXPECT_FALSE(recalculated());
        EXPECT_FALSE(platform::isControlEnabled(kCustomPalette, kPaletteCalcButton));  // dimmed under the sheet
        dialogs.pressOk();
        EXPECT_EQ(dialogs.sheets.size(), 1u);  // no second alert for the offered Qtc
        EXPECT_EQ(state.box.CBAlartFlag, kCBAlartRealisable);
        EXPECT_NEAR(state.box.QTC, c.offered, 0.0015);
        EXPECT_TRUE(std::isfinite(state.box.VB) && state.box.VB >= 0.01);
        EXPECT_TRUE(recalculated());
        EXPECT_TRUE(platform::isControlEnabled(kCustomPalette, kPaletteCalcButton));
    }
}

TEST_F(PaletteCalc, DesignsNoBoxCanBeBuiltFromAreRefusedWithAnAlertThatSaysWhy) {
    const struct {
        const char* name;
        int32_t tab, button, alin;
        std::vector<Entry> entries;
        std::string_view title, reason;
    } cases[] = {
        {"passive raveza closed volume of 60 Vas", 2, 2, 3, {{31, "6000"}}, kValueTooLargeAlert,
         kClosedVolumeTooLargeReason},
        {"twin vented equal tunings", 2, 5, 4, {{32, "40"}, {34, "40.001"}}, kEqualTuningsAlert, kEqualTuningsReason},
        {"delta vented equal tunings", 2, 7, 4, {{32, "55"}, {34, "55"}}, kEqualTuningsAlert, kEqualTuningsReason},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dialogs.sheets.clear();
        open(c.tab, c.button, c.alin);
        const BoxParameters before = state.box;
        markVents();
        for (const Entry& e : c.entries) type(e.field, e.text);
        CustumPaletCalcReturn();
        ASSERT_EQ(dialogs.sheets.size(), 1u);
        EXPECT_EQ(dialogs.sheets[0].window, kResponseWindow);
        EXPECT_EQ(dialogs.sheets[0].title, c.title);
        EXPECT_EQ(dialogs.sheets[0].message, c.reason);
        EXPECT_DOUBLE_EQ(state.box.VB1, before.VB1);
        EXPECT_DOUBLE_EQ(state.box.FB1, before.FB1);
        EXPECT_DOUBLE_EQ(state.box.FB2, before.FB2);
        EXPECT_FALSE(recalculated());
        EXPECT_FALSE(platform::isControlEnabled(kCustomPalette, 31));
        dialogs.pressOk();
        EXPECT_TRUE(platform::isControlEnabled(kCustomPalette, 31));
        EXPECT_EQ(state.shell.SheetWndFlag, 0);
    }
}

TEST_F(PaletteCalc, AnAlignmentThatGivesANegativeVolumeIsRefused) {
    state.speaker.QTS = 0.1;  // outside the Serial Vented fit: its first chamber comes out negative
    open(1, 5, 1);
    ASSERT_LE(state.box.VB1, 0.0);
    markVents();
    CustumPaletCalcReturn();
    ASSERT_EQ(dialogs.sheets.size(), 1u);
    EXPECT_EQ(dialogs.sheets[0].title, kBoxValueAlert);
    EXPECT_FALSE(recalculated());
}

TEST_F(PaletteCalc, ALossPopupRecalculatesAndMarksTheDesignChangedWhenTheValueIsNew) {
    const struct {
        int32_t saveAs;
        int32_t item;
        double qa;
        bool dirty;
    } cases[] = {
        {1, 1, 5.0, true},    // bound to a file, a new value
        {0, 1, 5.0, true},    // a new design: changed against its first drawing
        {1, 3, 10.0, false},  // the value last accepted
    };
    for (const auto& c : cases) {
        state.box.QA = state.box.QA1 = 10.0;  // accepted with the design
        state.box.PopupItem1 = 3;
        open(1, 2, 1);
        // Drawn and its document's values taken as saved, as opening it leaves
        // it; each recalculation compares the design with them.
        state.view.ReDispWnd = 2;
        ReDispResposeWnd();
        DirtyCheckSpParamIn();
        state.shell.SaveAsFlag = c.saveAs;
        state.shell.DirtyFlag = 0;
        platform::setWindowModified(kResponseWindow, false);
        state.view.ReDispWnd = 1;
        platform::setControlValue(kCustomPalette, kPaletteQaPopup1, c.item);
        CustumPaletPopupClick(kPaletteQaPopup1);
        EXPECT_EQ(state.box.PopupItem1, c.item);
        EXPECT_DOUBLE_EQ(state.box.QA, c.qa);
        EXPECT_DOUBLE_EQ(state.box.QA1, c.qa);
        EXPECT_EQ(state.shell.DirtyFlag, c.dirty ? 1 : 0);
        EXPECT_EQ(platform::isWindowModified(kResponseWindow), c.dirty);
        EXPECT_EQ(state.view.ReDispWnd, 2);  // a change of parameters
    }
}

// A driver of Qts 1.4 so small (Vas 1.2 ml) that its optimum Closed Box is
// 5.7 ml at Qa 10, kept as 0.01 litre, and 4.8 ml at Qa 5, kept as no box:
// the choice of Qa 5 is refused with the alert of the Alignment menus, and
// the design in force stays, its document, its popup item and its drawing.
TEST_F(PaletteCalc, ALossWithWhichTheBoxIsKeptAsNoBoxIsRefusedAndTheDesignInForceStays) {
    SpeakerParameters& sp = state.speaker;
    std::tie(sp.FS, sp.VAS, sp.QTS, sp.QES, sp.QMS) = std::tie(sp.FS2, sp.VAS2, sp.QTS2, sp.QES2, sp.QMS2) =
        std::make_tuple(50.0, 0.0012, 1.4, 2.1538, 4.0);
    open(1, 2, 1);
    state.view.ReDispWnd = 2;
    ReDispResposeWnd();
    ASSERT_DOUBLE_EQ(state.box.VB, 0.01);
    const QTemporaryDir folder;
    const auto drawing = [&folder] {
        const std::string path = folder.filePath("drawn.png").toStdString();
        EXPECT_TRUE(platform::writeWindowPng(kResponseWindow, path));
        QFile file(QString::fromStdString(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const std::string before = encodeDesignDocument(state);
    const QByteArray drawnBefore = drawing();

    platform::setControlValue(kCustomPalette, kPaletteQaPopup1, 1);  // Qa 5
    CustumPaletPopupClick(kPaletteQaPopup1);
    ASSERT_EQ(dialogs.sheets.size(), 1u);
    EXPECT_EQ(dialogs.sheets[0].window, kResponseWindow);
    EXPECT_EQ(dialogs.sheets[0].title, "ALERT!   Impossible alignment.  Vb is not above 0.");
    EXPECT_EQ(dialogs.sheets[0].message,
              "For this driver the alignment gives Vb = 0.00 Liter.  ( Choose another alignment. )");
    EXPECT_TRUE(encodeDesignDocument(state) == before);
    EXPECT_EQ(platform::controlValue(kCustomPalette, kPaletteQaPopup1), 3);
    EXPECT_FALSE(platform::isControlEnabled(kCustomPalette, kPaletteQaPopup1));
    EXPECT_TRUE(drawing() == drawnBefore);
    dialogs.pressOk();
    EXPECT_EQ(state.shell.SheetWndFlag, 0);
    EXPECT_TRUE(platform::isControlEnabled(kCustomPalette, kPaletteQaPopup1));

    platform::setControlValue(kCustomPalette, kPaletteQaPopup1, 2);  // Qa 7: 5.2 ml, kept as 0.01 litre
    CustumPaletPopupClick(kPaletteQaPopup1);
    EXPECT_EQ(dialogs.sheets.size(), 1u);
    EXPECT_DOUBLE_EQ(state.box.QA1, 7.0);
}

// Far below its tuning a vented box falls at 24 dB an octave: tuned at
// 17,763 Hz, its response just reaches the page at 1 kHz with Qb 7, and the
// leakage of Qb 3 takes it below. The loss is refused as the alignment
// menus refuse a box with no response on the page, and the design stays.
TEST_F(PaletteCalc, ALossThatTakesTheResponseOffThePageIsRefused) {
    open(1, 3, 4);  // Vented Box, custom Vb and Fb
    type(32, "17763");
    CustumPaletCalcReturn();
    ASSERT_TRUE(dialogs.sheets.empty());
    ASSERT_DOUBLE_EQ(state.box.FB1, 17763.0);
    const std::string before = encodeDesignDocument(state);

    platform::setControlValue(kCustomPalette, kPaletteQbPopup1, 1);  // Qb 3
    CustumPaletPopupClick(kPaletteQbPopup1);
    ASSERT_EQ(dialogs.sheets.size(), 1u);
    EXPECT_EQ(dialogs.sheets[0].title, "ALERT!   Impossible alignment.  No response on the page.");
    EXPECT_TRUE(encodeDesignDocument(state) == before);
    EXPECT_EQ(platform::controlValue(kCustomPalette, kPaletteQbPopup1), 3);
}

}  // namespace
}  // namespace quendal::test

namespace quendal::test {
namespace {

// The Triple Vented vent menu follows the chambers after every accepted
// Calc.: chambers 1 and 2 made alike share one design, so the menu's
// second item designs vent 3; made different again, it designs vent 2.
TEST_F(PaletteCalc, TripleVentedCalcRebuildsTheVentMenuSoItsSecondItemDesignsTheRightVent) {
    openTripleVented();
    type(31, "30"), type(32, "40"), type(33, "25"), type(34, "50");
    CustumPaletCalcReturn();
    ASSERT_TRUE(dialogs.sheets.empty());
    ASSERT_EQ(platform::menuItemCount(kThreeVentMenu), 3);

    type(33, "30"), type(34, "40");
    CustumPaletCalcReturn();
    ASSERT_TRUE(dialogs.sheets.empty());
    ASSERT_EQ(platform::menuItemCount(kThreeVentMenu), 2);
    EXPECT_EQ(platform::menuItemText(kThreeVentMenu, 1), "Vent1 & 2 Design...");
    EXPECT_EQ(ApplicationEventHandler(kThreeVentMenu, 2), platform::kHandled);
    EXPECT_EQ(state.vents.VentID, 3);
    EXPECT_EQ(state.shell.s_VentTitle, "Vent3");
}

TEST_F(PaletteCalc, TripleVentedCalcWithChambersMadeDifferentDesignsVentTwoAgain) {
    openTripleVented();
    type(31, "30"), type(32, "40"), type(33, "30"), type(34, "40");
    CustumPaletCalcReturn();
    ASSERT_EQ(platform::menuItemCount(kThreeVentMenu), 2);
    type(33, "26");
    CustumPaletCalcReturn();
    ASSERT_TRUE(dialogs.sheets.empty());
    ASSERT_EQ(platform::menuItemCount(kThreeVentMenu), 3);
    EXPECT_EQ(ApplicationEventHandler(kThreeVentMenu, 2), platform::kHandled);
    EXPECT_EQ(state.vents.VentID, 2);
    EXPECT_EQ(state.shell.s_VentTitle, "Vent2");
}

// The Qb popups of chambers 1 and 2 make the chambers unlike and alike
// again: each change brings the vent menu, and the window's menu bar that
// shows it, up to date at once.
TEST_F(PaletteCalc, TripleVentedLossPopupsMakeTheChambersUnlikeOrAlikeAndTheVentMenuFollows) {
    openTripleVented();
    type(31, "30"), type(32, "40"), type(33, "30"), type(34, "40");
    CustumPaletCalcReturn();
    ASSERT_TRUE(dialogs.sheets.empty());
    ASSERT_EQ(platform::menuItemCount(kThreeVentMenu), 2);

    const auto barShowsTheMenus = [] {
        const auto* bar = platform::qt::windowWidget(kResponseWindow)->findChild<QMenuBar*>();
        QList<QAction*> expected;
        for (int32_t menu : platform::menuBar()) expected.append(platform::qt::menuWidget(menu)->menuAction());
        return bar != nullptr && bar->actions() == expected && expected.contains(
            platform::qt::menuWidget(kThreeVentMenu)->menuAction());
    };
    const auto choose = [](platform::ControlNumber popup, int32_t item) {
        platform::setControlValue(kCustomPalette, popup, item);
        CustumPaletPopupClick(popup);
    };

    choose(kPaletteQbPopup1, 4);  // Qb 10 against chamber 2's 7
    EXPECT_DOUBLE_EQ(state.box.QL1, 10.0);
    ASSERT_EQ(platform::menuItemCount(kThreeVentMenu), 3);
    EXPECT_EQ(platform::menuItemText(kThreeVentMenu, 1), "Vent1 Design...");
    EXPECT_EQ(platform::menuItemText(kThreeVentMenu, 2), "Vent2 Design...");
    EXPECT_EQ(platform::menuItemText(kThreeVentMenu, 3), "Vent3 Design...");
    EXPECT_TRUE(barShowsTheMenus());
    EXPECT_EQ(ApplicationEventHandler(kThreeVentMenu, 2), platform::kHandled);
    EXPECT_EQ(state.vents.VentID, 2);

    choose(kPaletteQbPopup2, 4);  // chamber 2 follows: alike again
    EXPECT_DOUBLE_EQ(state.box.QL2, 10.0);
    ASSERT_EQ(platform::menuItemCount(kThreeVentMenu), 2);
    EXPECT_EQ(platform::menuItemText(kThreeVentMenu, 1), "Vent1 & 2 Design...");
    EXPECT_EQ(platform::menuItemText(kThreeVentMenu, 2), "Vent3 Design...");
    EXPECT_TRUE(barShowsTheMenus());
    EXPECT_EQ(ApplicationEventHandler(kThreeVentMenu, 2), platform::kHandled);
    EXPECT_EQ(state.vents.VentID, 3);
}

}  // namespace
}  // namespace quendal::test
