// Control hits and the pointer over controls: rows where a wrong field, a
// wrong reset or a wrong cursor would be easy to write.
#include <QCheckBox>
#include <QTest>

#include "ShellFixture.h"

namespace quendal::test {
namespace {

using platform::ControlEvent;
using platform::ControlEventKind;
using platform::ControlKind;
using platform::Cursor;
using platform::kEventNotHandled;
using platform::kHandled;

class ControlHitTest : public ShellTest {
protected:
    static int32_t send(int32_t window, int32_t control, ControlEventKind kind = ControlEventKind::Hit) {
        ControlEvent e;
        e.kind = kind;
        e.window = window;
        e.control = control;
        return ControlHitHandler(e, control);
    }
    void addControl(int32_t window, int32_t control, platform::ControlSpec desc) {
        ASSERT_TRUE(platform::createControl(window, control, desc));
    }
};

TEST_F(ControlHitTest, ClickingAPreferenceCheckBoxTakesEffectAtOnce) {
    openWindow(kPreferencesWindow, platform::WindowKind::Dialog);
    addControl(kPreferencesWindow, 502, {ControlKind::CheckBox, Rect16{10, 10, 30, 200}, "Sound", 1, 0, 1});
    addControl(kPreferencesWindow, 509, {ControlKind::CheckBox, Rect16{40, 10, 60, 200}, "Absolute", 0, 0, 1});
    ASSERT_EQ(state.prefs.SoundCheck, 1);
    // On the box itself.
    QTest::mouseClick(platform::qt::controlWidget(kPreferencesWindow, 502), Qt::LeftButton, Qt::NoModifier, QPoint(6, 10));
    EXPECT_EQ(state.prefs.SoundCheck, 0);
    QTest::mouseClick(platform::qt::controlWidget(kPreferencesWindow, 509), Qt::LeftButton, Qt::NoModifier, QPoint(6, 10));
    EXPECT_EQ(state.prefs.MagniCheck, 1);
    EXPECT_EQ(state.view.Magni, 1);
    EXPECT_EQ(send(kPreferencesWindow, 515), kEventNotHandled);  // a numeric field: OK reads it
}

TEST_F(ControlHitTest, OpeningTheDetailsOnTheNyquistPageStartsThePointerAtTenHertz) {
    openWindow(kResponseWindow, platform::WindowKind::Document);
    addControl(kResponseWindow, 405, {ControlKind::DisclosureTriangle, Rect16{340, 10, 356, 26}, "", 1, 0, 1});
    state.view.s_Resp = "nq";
    state.cursor.CursorPosi = 200;
    state.cursor.ffpn = 300.0f;
    EXPECT_EQ(send(kResponseWindow, 405), kHandled);
    EXPECT_EQ(state.cursor.detailTriBtn, 1);
    EXPECT_EQ(state.cursor.CursorPosi, 0);
    EXPECT_EQ(state.cursor.ffpn, 10.0f);
    EXPECT_EQ(state.cursor.logff, 1.0f);
    EXPECT_EQ(state.shell.ControlPictureProc, 304);

    // Closing them there takes the slider and its arrows away.
    for (int32_t control : {406, 407, 408}) addControl(kResponseWindow, control, {ControlKind::PushButton, Rect16{0, 0, 10, 10}});
    platform::setControlValue(kResponseWindow, 405, 0);
    state.cursor.MouseDown = 1;
    send(kResponseWindow, 405);
    EXPECT_EQ(state.shell.ControlPictureProc, 305);
    EXPECT_EQ(state.cursor.MouseDown, 0);
    for (int32_t control : {406, 407, 408}) EXPECT_FALSE(platform::controlExists(kResponseWindow, control)) << control;
}

TEST_F(ControlHitTest, NyquistArrowsMoveThePointerAndTheSlider) {
    openWindow(kResponseWindow, platform::WindowKind::Document);
    addControl(kResponseWindow, 406, {ControlKind::Slider, Rect16{300, 45, 316, 505}, "", 100, 0, 460});
    state.cursor.CursorPosi = 100;
    send(kResponseWindow, 407);
    EXPECT_EQ(state.cursor.CursorPosi, 101);
    EXPECT_EQ(platform::controlValue(kResponseWindow, 406), 101);
    send(kResponseWindow, 408);
    send(kResponseWindow, 408);
    EXPECT_EQ(state.cursor.CursorPosi, 99);
    send(kResponseWindow, 402);
    EXPECT_EQ(state.point.respNum, 3);
}

TEST_F(ControlHitTest, EditFieldsAreRecordedOnlyWhereTheyExist) {
    const struct { int32_t window, control; bool recorded; } rows[] = {
        {kPassiveRadiatorSheet, 54, true}, {kPassiveRadiatorSheet, 55, false}, {kPassiveRadiatorSheet, 56, true},
        {kCustomPalette, 36, true}, {kCustomPalette, 37, false}, {kInitialSetupSheet, 11, true},
        {kVentInitialSetupSheet, 10, true}, {kSystemSelectWindow, 11, false}};
    for (const auto& row : rows) {
        state.shell.EdtFldID = 0;
        EXPECT_EQ(send(row.window, row.control), row.recorded ? kHandled : kEventNotHandled) << row.window << "/" << row.control;
        EXPECT_EQ(state.shell.EdtFldID, row.recorded ? row.control : 0) << row.window << "/" << row.control;
    }
}

TEST_F(ControlHitTest, TheTwinSerialVentedFirstVentReadsItsOwnCountPopup) {
    openWindow(kVentDesignSheet, platform::WindowKind::Dialog);
    platform::ControlSpec radios(ControlKind::RadioGroup, Rect16{0, 0, 40, 200}, "", 2);
    radios.items = {"Ported", "Ducted"};
    addControl(kVentDesignSheet, 305, radios);
    addControl(kVentDesignSheet, 313, {ControlKind::Slider, Rect16{30, 0, 40, 100}, "", 3, 1, 10});
    addControl(kVentDesignSheet, 314, {ControlKind::Slider, Rect16{50, 0, 60, 100}, "", 6, 1, 10});
    const struct { int32_t button, vent, count; } rows[] = {{6, 1, 6}, {6, 2, 3}, {5, 1, 3}};
    for (const auto& row : rows) {
        state.selection.SysSelBtnNum = row.button;
        state.vents.VentID = row.vent;
        send(kVentDesignSheet, 305);
        EXPECT_EQ(state.vents.working.CircVentNum, row.count) << row.button << "/" << row.vent;
    }
}

TEST_F(ControlHitTest, ThePointerShowsWhatAControlOffers) {
    const auto enter = [](int32_t window, int32_t control) { return send(window, control, ControlEventKind::TrackingEntered); };
    platform::setCursor(Cursor::Arrow);
    EXPECT_EQ(enter(kCustomPalette, 33), kHandled);
    EXPECT_EQ(platform::currentCursor(), Cursor::IBeam);
    EXPECT_EQ(send(kCustomPalette, 10, ControlEventKind::TrackingExited), kHandled);
    EXPECT_EQ(platform::currentCursor(), Cursor::Arrow);
    // Legend pictures point only while the details are open, and are handled either way.
    EXPECT_EQ(enter(kResponseWindow, 401), kHandled);
    EXPECT_EQ(platform::currentCursor(), Cursor::Arrow);
    state.cursor.detailTriBtn = 1;
    enter(kResponseWindow, 401);
    EXPECT_EQ(platform::currentCursor(), Cursor::PointingHand);
    EXPECT_EQ(enter(kResponseWindow, 405), kEventNotHandled);
    EXPECT_EQ(enter(kSystemSelectWindow, 1), kEventNotHandled);
    EXPECT_EQ(send(kSystemSelectWindow, 1, ControlEventKind::TrackingExited), kEventNotHandled);
}

}  // namespace
}  // namespace quendal::test
