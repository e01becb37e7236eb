// The rows of the design's windows and sheets, each handing its event to
// the routine of the window's own room, driven on a design as a user has
// it on screen.
#include <algorithm>
#include <cmath>
#include <functional>
#include <set>
#include <vector>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabBar>
#include <QWidget>

#include "AppFixture.h"
#include "app/CommandDispatch.h"
#include "app/ControlHits.h"
#include "platform/HelpTag.h"
#include "selection/SystemSelect.h"
#include "vent/VentDesignSheet.h"
#include "vent/VentSetupSheet.h"
#include "windows/PageSetup.h"
#include "view/ReSweep.h"
#include "windows/DefaultParameters.h"
#include "windows/InitialSetup.h"
#include "windows/PassiveRadiatorData.h"
#include "windows/PreferencesWindow.h"
#include "windows/ResponseWindow.h"

namespace quendal::test {
namespace {

class DesignRowsTest : public AppTest {
protected:
    // The design of a system with its three windows, as System Select and
    // an answered Initial Setup leave it.
    void design(int32_t tab, int32_t button) {
        start();
        platform::removeTimer(state.shell.SelfOpenTimer);
        state.prefs.InitSetupCheck = 0;
        state.selection.SysSelTabNum = tab;
        state.selection.SysSelBtnNum = button;
        SystemSelectWnd();
        InitialSetupSelect();
        ASSERT_TRUE(platform::windowExists(kResponseWindow));
        ASSERT_TRUE(platform::windowExists(kCustomPalette));
    }
    void hit(int32_t window, int32_t control) {
        platform::ControlEvent event;
        event.window = window;
        event.kind = platform::ControlEventKind::Hit;
        ControlHitHandler(event, control);
    }
    // The keyboard given to the control as Tab gives it: to the tabs of a
    // tab control, a radio button of a group, the menu of a popup; 0 takes
    // it from every control.
    void focusOn(int32_t window, int32_t control) {
        QWidget* frame = platform::qt::windowWidget(window);
        if (control == 0) {
            if (QWidget* focus = frame->focusWidget()) focus->clearFocus();
            ASSERT_EQ(frame->focusWidget(), nullptr);
            return;
        }
        QWidget* w = platform::qt::controlWidget(window, control);
        ASSERT_NE(w, nullptr) << control;
        if (w->focusProxy() != nullptr) w = w->focusProxy();
        else if (const auto radios = w->findChildren<QRadioButton*>(); !radios.empty()) w = radios.front();
        else if (auto* combo = w->findChild<QComboBox*>()) w = combo;
        w->setFocus(Qt::TabFocusReason);
        // The window's control with the keyboard, whether or not the window
        // is the active one at this moment: its keys go there.
        EXPECT_EQ(frame->focusWidget(), w) << control;
    }
    // Typed key by key through the window into the field, its text selected whole.
    void typeInto(int32_t window, int32_t field, const char* text) {
        platform::setKeyboardFocus(window, field);
        auto* edit = qobject_cast<QLineEdit*>(platform::qt::controlWidget(window, field));
        ASSERT_NE(edit, nullptr);
        edit->selectAll();
        for (const char* c = text; *c != 0; ++c) QTest::keyClick(handleOf(window), *c);
    }
    // The Vent Design sheet on the circular duct of the Vented Box.
    void openVentDesign() {
        ApplicationEventHandler(kOneVentMenu, 1);
        ASSERT_TRUE(platform::windowExists(kVentDesignSheet));
        if (state.vents.working.VentTypeTab != 1)  // a rectangular vent the row before stored
            qobject_cast<QTabBar*>(platform::qt::controlWidget(kVentDesignSheet, kVentTypeTab)->focusProxy())
                ->setCurrentIndex(0);
        ASSERT_EQ(state.vents.working.VentTypeTab, 1);
        if (state.vents.working.CircVentRadio != 2)
            platform::qt::controlWidget(kVentDesignSheet, kCircularRadio)->findChildren<QRadioButton*>().at(1)->click();
        ASSERT_TRUE(platform::controlExists(kVentDesignSheet, kVentSizeField));
    }
};

// What stood before the key, for the rows' checks.
struct Before {
    VentRecord vent;
    double portThickness;
    int32_t connection;
};

// How the keyboard came to the row's control: given to it, left where the
// sheet opened it, given back to the field an alert refused, or by Tab or
// Shift+Tab from the row's control. Past Given, the row's text is typed
// key by key over whatever the field shows.
enum class Reached { Given, Opened, Refused, Tab, Backtab };

// Space, Return and Enter in the sheets: the focused control takes them
// where it is its key (a field types the blank, a button or radio button
// is pressed, a popup opens its list, a push button takes Return), and the
// sheet otherwise (its tab switch, its default button). A field given the
// keyboard holds its text selected, so that what is typed replaces it.
TEST_F(DesignRowsTest, SpaceReturnAndEnterGoToTheFocusedControlThatTakesThemAndOtherwiseToTheSheet) {
    design(1, 3);
    const auto vent = [] { return state.vents.vent[1]; };
    const auto open = [](int32_t window) { return platform::windowExists(window); };
    const auto fieldText = [] { return platform::controlText(kVentDesignSheet, kVentSizeField); };
    const auto popupOpen = [] {
        auto* combo = qobject_cast<QComboBox*>(platform::qt::controlWidget(kVentDesignSheet, kCircularCountPopup));
        const bool shown = combo != nullptr && combo->view()->isVisible();
        if (combo != nullptr) combo->hidePopup();
        return shown;
    };
    using Check = std::function<void(const Before&)>;
    struct Row {
        const char* name;
        int32_t sheet, focus;  // the control with the keyboard (0: none)
        const char* typed;     // typed first into the sheet's field
        Qt::Key key;
        Check check;
        Qt::KeyboardModifiers modifiers = Qt::NoModifier;
        Reached reached = Reached::Given;
    };
    const Check cancelled = [&](const Before& b) {
        EXPECT_FALSE(open(kVentDesignSheet));
        EXPECT_EQ(vent().CircDuctDV, b.vent.CircDuctDV);
        EXPECT_EQ(vent().VentTypeTab, 1);
    };
    const Check okTaken = [&](const Before&) {
        EXPECT_FALSE(open(kVentDesignSheet));
        EXPECT_EQ(vent().VentTypeTab, 1);
        EXPECT_EQ(vent().CircVentRadio, 2);
    };
    const Check initialized = [&](const Before&) {
        EXPECT_TRUE(open(kVentDesignSheet));
        EXPECT_NE(state.vents.working.CircDuctDV, 80.0);  // the automatic size again
    };
    const Check calculated = [&](const Before& b) {
        EXPECT_TRUE(open(kVentDesignSheet));
        EXPECT_EQ(state.vents.working.CircDuctDV, 80.0);
        EXPECT_EQ(vent().CircDuctDV, b.vent.CircDuctDV);
    };
    const Check setupOpened = [&](const Before&) {
        EXPECT_TRUE(open(kVentInitialSetupSheet));
        EXPECT_TRUE(open(kVentDesignSheet));
    };
    const Check tabSwitched = [&](const Before&) { EXPECT_EQ(state.vents.working.VentTypeTab, 2); };
    const Check duct90 = [&](const Before& b) {
        okTaken(b);
        EXPECT_EQ(vent().CircDuctDV, 90.0);
    };
    const Row rows[] = {
        {"as opened, 90 typed, Return", kVentDesignSheet, kVentSizeField, "90", Qt::Key_Return, duct90, {},
         Reached::Opened},
        {"refused, 90 typed, Return", kVentDesignSheet, kVentSizeField, "90", Qt::Key_Return, duct90, {},
         Reached::Refused},
        {"Tab from Initial Setup..., 90 typed, Return", kVentDesignSheet, kCircularSetupButton, "90", Qt::Key_Return,
         duct90, {}, Reached::Tab},
        {"Shift+Tab from OK, 90 typed, Return", kVentDesignSheet, kVentOkButton, "90", Qt::Key_Return, duct90, {},
         Reached::Backtab},
        // A key with Alt is the sheet's: Calc., whatever button is focused.
        {"Alt+Return on Cancel", kVentDesignSheet, kVentCancelButton, "80", Qt::Key_Return, calculated,
         Qt::AltModifier},
        {"90 mm, Return: a 90 mm circular duct", kVentDesignSheet, kVentSizeField, "90 mm", Qt::Key_Return,
         [&](const Before& b) {
             okTaken(b);
             EXPECT_EQ(vent().CircDuctDV, 90.0);
         }},
        {"90 1, Return: refused or read, never rectangular", kVentDesignSheet, kVentSizeField, "90 1", Qt::Key_Return,
         [&](const Before&) {
             EXPECT_EQ(state.vents.working.VentTypeTab, 1);
             EXPECT_EQ(vent().VentTypeTab, 1);
             if (open(kVentDesignSheet)) {
                 EXPECT_EQ(fieldText(), "90 1");
             }
         }},
        {"85, keypad Enter", kVentDesignSheet, kVentSizeField, "85", Qt::Key_Enter,
         [&](const Before& b) {
             okTaken(b);
             EXPECT_EQ(vent().CircDuctDV, 85.0);
         }},
        {"Return on Cancel", kVentDesignSheet, kVentCancelButton, "80", Qt::Key_Return, cancelled},
        {"Space on Cancel", kVentDesignSheet, kVentCancelButton, "80", Qt::Key_Space, cancelled},
        {"Space on Initialize", kVentDesignSheet, kVentInitializeButton, "80", Qt::Key_Space, initialized},
        {"Return on Initialize", kVentDesignSheet, kVentInitializeButton, "80", Qt::Key_Return, initialized},
        {"Space on Calc.", kVentDesignSheet, kVentCalcButton, "80", Qt::Key_Space, calculated},
        {"Return on Calc.", kVentDesignSheet, kVentCalcButton, "80", Qt::Key_Return, calculated},
        {"Space on Initial Setup...", kVentDesignSheet, kCircularSetupButton, "", Qt::Key_Space, setupOpened},
        {"Return on Initial Setup...", kVentDesignSheet, kCircularSetupButton, "", Qt::Key_Return, setupOpened},
        {"Space on Ported", kVentDesignSheet, kCircularRadio, "", Qt::Key_Space,
         [&](const Before&) {
             EXPECT_TRUE(open(kVentDesignSheet));
             EXPECT_EQ(state.vents.working.CircVentRadio, 1);
             EXPECT_EQ(state.vents.working.VentTypeTab, 1);
         }},
        {"Return on Ported", kVentDesignSheet, kCircularRadio, "", Qt::Key_Return, okTaken},
        {"Space on the tabs", kVentDesignSheet, kVentTypeTab, "", Qt::Key_Space, tabSwitched},
        {"Return on the tabs", kVentDesignSheet, kVentTypeTab, "", Qt::Key_Return, okTaken},
        {"Space on the count", kVentDesignSheet, kCircularCountPopup, "", Qt::Key_Space,
         [&](const Before&) {
             EXPECT_TRUE(popupOpen());
             EXPECT_EQ(state.vents.working.VentTypeTab, 1);
         }},
        {"Return on the count", kVentDesignSheet, kCircularCountPopup, "", Qt::Key_Return, okTaken},
        {"Space, nothing focused", kVentDesignSheet, 0, "", Qt::Key_Space, tabSwitched},
        {"Return on Initial Setup's Cancel", kInitialSetupSheet, 2, "25", Qt::Key_Return,
         [&](const Before& b) {
             EXPECT_FALSE(open(kInitialSetupSheet));
             EXPECT_EQ(state.shell.LVP, b.portThickness);
         }},
        {"Return in Initial Setup's field", kInitialSetupSheet, 11, "25", Qt::Key_Return,
         [&](const Before&) {
             EXPECT_FALSE(open(kInitialSetupSheet));
             EXPECT_EQ(state.shell.LVP, 25.0);
         }},
        {"Return on the connections' Cancel", kSpeakerConnectionSheet, 2, "", Qt::Key_Return,
         [&](const Before& b) {
             EXPECT_FALSE(open(kSpeakerConnectionSheet));
             EXPECT_EQ(state.connection.SpConNum, b.connection);
         }},
        {"Return on a preference", kPreferencesWindow, kSoundCheckBox, "", Qt::Key_Return,
         [&](const Before&) { EXPECT_FALSE(open(kPreferencesWindow)); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const Before before{vent(), state.shell.LVP, state.connection.SpConNum};
        switch (row.sheet) {
            case kVentDesignSheet: openVentDesign(); break;
            case kInitialSetupSheet: ApplicationEventHandler(kMiscMenu, 5); break;
            case kSpeakerConnectionSheet: ApplicationEventHandler(kMiscMenu, 6); break;
            default: ApplicationEventHandler(kApplicationMenu, kPreferencesItem); break;
        }
        ASSERT_TRUE(open(row.sheet));
        platform::selectWindow(row.sheet);
        ASSERT_TRUE(QTest::qWaitForWindowActive(handleOf(row.sheet)));
        // The connection sheet's Right: a choice that Cancel would undo.
        if (row.sheet == kSpeakerConnectionSheet) QTest::keyClick(handleOf(row.sheet), Qt::Key_Right);
        QWindow* keys = handleOf(row.sheet);
        if (row.reached == Reached::Given) {
            if (*row.typed != 0) typeInto(row.sheet, row.sheet == kVentDesignSheet ? kVentSizeField : 11, row.typed);
            focusOn(row.sheet, row.focus);
        } else if (row.reached == Reached::Refused) {
            typeInto(row.sheet, row.focus, "0.01");  // below the smallest size
            QTest::keyClick(keys, Qt::Key_Return);
        } else if (row.reached != Reached::Opened) {
            focusOn(row.sheet, row.focus);
            QTest::keyClick(keys, Qt::Key_Tab, row.reached == Reached::Tab ? Qt::NoModifier : Qt::ShiftModifier);
        }
        for (const char* c = row.typed; row.reached != Reached::Given && *c != 0; ++c) QTest::keyClick(keys, *c);
        QTest::keyClick(keys, row.key, row.modifiers);
        row.check(before);
        // Whatever stands is closed as its close box closes it: with Cancel.
        for (int32_t sheet : {kVentInitialSetupSheet, kVentDesignSheet, kInitialSetupSheet, kSpeakerConnectionSheet,
                              kPreferencesWindow})
            if (open(sheet)) platform::qt::windowWidget(sheet)->close();
        dialogs.sheets.clear();
    }
}

TEST_F(DesignRowsTest, TheNyquistReadOutIsTheSameWhicheverWayTheSliderCameThere) {
    design(1, 3);
    ApplicationEventHandler(kResponseMenu, 7);
    platform::setControlValue(kResponseWindow, kDetailTriangle, 1);
    hit(kResponseWindow, kDetailTriangle);
    ASSERT_TRUE(platform::controlExists(kResponseWindow, 406));

    // Above the box's tuning the phase swings through a quarter turn:
    // each position read after a visit to 10 Hz, and read afresh.
    for (int32_t position : {150, 180, 200, 230, 300}) {
        platform::setControlValue(kResponseWindow, 406, 0);
        platform::SliderControlAction(kResponseWindow, 406, 129);
        platform::setControlValue(kResponseWindow, 406, position);
        platform::SliderControlAction(kResponseWindow, 406, 129);
        EXPECT_EQ(state.cursor.CursorPosi, position);
        const double afterAVisit = state.point.fai;
        forgetResweeps();
        platform::SliderControlAction(kResponseWindow, 406, 129);
        EXPECT_NEAR(afterAVisit, state.point.fai, 1e-9) << position;
    }
    // The arrows step one pixel and the slider follows; never below 10 Hz.
    hit(kResponseWindow, 407);
    EXPECT_EQ(state.cursor.CursorPosi, 301);
    EXPECT_EQ(platform::controlValue(kResponseWindow, 406), 301);
    platform::setControlValue(kResponseWindow, 406, 0);
    platform::SliderControlAction(kResponseWindow, 406, 129);
    hit(kResponseWindow, 408);
    EXPECT_EQ(state.cursor.CursorPosi, 0);

}

// The Nyquist slider spans two decades evenly in log f, 10 Hz at the bottom
// to 1 kHz at the top of its 460 steps. The frequency read out goes where
// the thumb goes: stepped by each key of the focused slider, or dragged; a
// click in the track moves neither.
TEST_F(DesignRowsTest, TheNyquistFrequencyGoesWhereverTheThumbGoes) {
    design(1, 3);
    ApplicationEventHandler(kResponseMenu, 7);
    platform::setControlValue(kResponseWindow, kDetailTriangle, 1);
    hit(kResponseWindow, kDetailTriangle);
    auto* slider = qobject_cast<QSlider*>(platform::qt::controlWidget(kResponseWindow, 406));
    ASSERT_NE(slider, nullptr);
    auto shows = [&](int position, int after) {
        EXPECT_EQ(slider->value(), position) << after;
        EXPECT_EQ(state.cursor.CursorPosi, position) << after;
        EXPECT_NEAR(state.point.ff / std::pow(10.0, 1.0 + position / 230.0), 1.0, 0.01) << after;  // Hz, rounded
    };
    platform::selectWindow(kResponseWindow);
    ASSERT_TRUE(QTest::qWaitForWindowActive(handleOf(kResponseWindow)));
    slider->setFocus(Qt::MouseFocusReason);  // as a click on the thumb gives it the keyboard
    const struct { Qt::Key key; int position; } keys[] = {{Qt::Key_PageUp, 10}, {Qt::Key_PageUp, 20},
        {Qt::Key_Up, 21}, {Qt::Key_Down, 20}, {Qt::Key_PageDown, 10}, {Qt::Key_End, 460}, {Qt::Key_Home, 0}};
    for (const auto& k : keys) {
        QTest::keyClick(handleOf(kResponseWindow), k.key);
        shows(k.position, k.key);
    }
    slider->setValue(230);
    for (const int y : {10, slider->height() - 10}) {  // the track above and below the thumb
        QTest::mouseClick(slider, Qt::LeftButton, Qt::NoModifier, QPoint(slider->width() / 2, y));
        shows(230, y);
    }
    const QPoint grip(slider->width() / 2, slider->height() / 2), to = grip - QPoint(0, 40);  // the thumb's middle
    QTest::mousePress(slider, Qt::LeftButton, Qt::NoModifier, grip);
    QTest::mouseMove(slider, to);
    QTest::mouseRelease(slider, Qt::LeftButton, Qt::NoModifier, to);
    EXPECT_GT(slider->value(), 230);
    shows(slider->value(), to.y());
}

TEST_F(DesignRowsTest, TheConnectionSheetAppliesOnReturnAndPutsTheConnectionBackOnEscapeOrItsCloseBox) {
    design(1, 3);
    const double vas = state.speaker.VAS;
    ApplicationEventHandler(kMiscMenu, 6);
    ASSERT_TRUE(platform::windowExists(kSpeakerConnectionSheet));
    EXPECT_FALSE(platform::isMenuItemEnabled(kFileMenu, 0));
    press(kSpeakerConnectionSheet, Qt::Key_Right);
    EXPECT_EQ(state.connection.SpConNum, 2);
    press(kSpeakerConnectionSheet, Qt::Key_Escape);
    EXPECT_FALSE(platform::windowExists(kSpeakerConnectionSheet));
    EXPECT_EQ(state.connection.SpConNum, 1);
    EXPECT_TRUE(platform::isMenuItemEnabled(kFileMenu, 0));
    EXPECT_EQ(state.shell.InterceptEvHnd, 0);

    ApplicationEventHandler(kMiscMenu, 6);
    press(kSpeakerConnectionSheet, Qt::Key_Left);  // round to Push-Pull Serial
    EXPECT_EQ(state.connection.SpConNum, 5);
    platform::qt::windowWidget(kSpeakerConnectionSheet)->close();  // its close box
    EXPECT_FALSE(platform::windowExists(kSpeakerConnectionSheet));
    EXPECT_EQ(state.connection.SpConNum, 1);
    EXPECT_TRUE(platform::isMenuItemEnabled(kFileMenu, 0));

    // Two drivers in parallel act as one of twice the compliance volume.
    ApplicationEventHandler(kMiscMenu, 6);
    press(kSpeakerConnectionSheet, Qt::Key_Right);
    press(kSpeakerConnectionSheet, Qt::Key_Return);
    EXPECT_FALSE(platform::windowExists(kSpeakerConnectionSheet));
    EXPECT_EQ(state.connection.SpConNum, 2);
    EXPECT_DOUBLE_EQ(state.speaker.VAS, 2.0 * vas);
}

TEST_F(DesignRowsTest, ReturnInTheCustomPaletteCalculatesAndItsCloseBoxOffersItAgain) {
    design(1, 3);
    ApplicationEventHandler(15, 4);  // the Vented Box's custom alignment
    auto* volume = qobject_cast<QLineEdit*>(platform::qt::controlWidget(kCustomPalette, 31));
    ASSERT_NE(volume, nullptr);
    volume->setText("120");
    press(kCustomPalette, Qt::Key_Return);
    EXPECT_DOUBLE_EQ(state.box.VB1, 120.0);

    platform::qt::windowWidget(kCustomPalette)->close();  // its close box
    EXPECT_FALSE(platform::windowExists(kCustomPalette));
    EXPECT_EQ(state.shell.CtmPaletFlag, 1);
    EXPECT_EQ(platform::menuItemText(kViewMenu, 11), "Show Custom Palette");
    EXPECT_TRUE(platform::isMenuItemEnabled(kViewMenu, 11));
    ApplicationEventHandler(kViewMenu, 11);
    EXPECT_TRUE(platform::windowExists(kCustomPalette));
}

TEST_F(DesignRowsTest, TheTwinSerialVentedFirstVentTakesItsCountFromTheEvenCountPopup) {
    design(1, 6);
    ApplicationEventHandler(kThreeVentMenu, 1);
    ASSERT_TRUE(platform::windowExists(kVentDesignSheet));
    EXPECT_TRUE(branchedVentInSheet());
    const int32_t other = state.vents.vent[1].CircVentRadio == 2 ? 1 : 2;  // the form not in force
    platform::setControlValue(kVentDesignSheet, kCircularBranchCountPopup, 4);
    platform::setControlValue(kVentDesignSheet, kCircularRadio, other);
    hit(kVentDesignSheet, kCircularRadio);
    EXPECT_EQ(state.vents.working.CircVentRadio, other);
    EXPECT_EQ(state.vents.working.CircVentNum, 4);

    // Cancel: the vent as it was, the menus of the design.
    hit(kVentDesignSheet, kVentCancelButton);
    EXPECT_FALSE(platform::windowExists(kVentDesignSheet));
    EXPECT_NE(state.vents.vent[1].CircVentRadio, other);
    EXPECT_TRUE(platform::isMenuItemEnabled(kFileMenu, 0));
}

// Tab, through the window, reaches every push button of each sheet and
// dialog, and Space then presses it (the rows above). From the last entry
// field it comes to the default button, before the Cancel or Quit that
// would throw the typing away; Shift+Tab walks the same way back.
TEST_F(DesignRowsTest, TabReachesEveryButtonOfEachSheet) {
    design(1, 3);
    const struct { const char* name; std::function<void()> open; int32_t window; } sheets[] = {
        {"Speaker Select", [] { ApplicationEventHandler(kMiscMenu, 3); }, kDefaultParametersWindow},
        {"Vent Design", [] { ApplicationEventHandler(kOneVentMenu, 1); }, kVentDesignSheet},
        {"its Initial Setup", [] { InitialSetupWndForVentDesign(); }, kVentInitialSetupSheet},
        {"Initial Setup", [] { ApplicationEventHandler(kMiscMenu, 5); }, kInitialSetupSheet},
        {"Speaker Connect", [] { ApplicationEventHandler(kMiscMenu, 6); }, kSpeakerConnectionSheet},
        {"Preferences", [] { ApplicationEventHandler(kApplicationMenu, kPreferencesItem); }, kPreferencesWindow},
        {"Page Setup", [] { PageSetupWnd(kResponseWindow); }, kPageSetupSheet},
        {"Passive Radiator", [] { PassiveRadiDataEnterWnd(); }, kPassiveRadiatorSheet},
        {"Default Parameters with Quit", [] { DefaultParamWnd(); }, kDefaultParametersWindow},
    };
    for (const auto& sheet : sheets) {
        SCOPED_TRACE(sheet.name);
        sheet.open();
        ASSERT_TRUE(platform::windowExists(sheet.window));
        QCoreApplication::processEvents();  // the palettes shown again with the window first
        platform::selectWindow(sheet.window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(handleOf(sheet.window)));
        QWidget* frame = platform::qt::windowWidget(sheet.window);
        std::vector<QWidget*> walk;
        for (int tab = 0; tab < 40; ++tab) {
            QTest::keyClick(handleOf(sheet.window), Qt::Key_Tab);
            walk.push_back(frame->focusWidget());
        }
        const std::set<QWidget*> reached(walk.begin(), walk.end());
        int buttons = 0;
        for (QPushButton* button : frame->findChildren<QPushButton*>()) {
            if (!button->isVisibleTo(frame) || !button->isEnabled()) continue;
            ++buttons;
            EXPECT_TRUE(reached.count(button)) << button->text().toStdString();
        }
        EXPECT_GE(buttons, 1);
        const auto field = [](QWidget* w) { return qobject_cast<QLineEdit*>(w) != nullptr; };
        EXPECT_EQ(std::any_of(walk.begin(), walk.end(), field), sheet.window != kSpeakerConnectionSheet);
        for (std::size_t at = 0; at + 1 < walk.size(); ++at) {
            if (!field(walk[at]) || field(walk[at + 1])) continue;
            auto* next = qobject_cast<QPushButton*>(walk[at + 1]);
            EXPECT_TRUE(next != nullptr && next->isDefault())
                << "after the fields: " << (next != nullptr ? next->text().toStdString() : "no button");
        }
        for (std::size_t back = walk.size() - 1; back-- > 0;) {
            QTest::keyClick(handleOf(sheet.window), Qt::Key_Tab, Qt::ShiftModifier);
            EXPECT_EQ(frame->focusWidget(), walk[back]) << back;
        }
        if (sheet.window == kVentDesignSheet) continue;  // its Initial Setup opens over it
        for (int32_t open : {sheet.window, kVentDesignSheet})
            if (platform::windowExists(open)) platform::qt::windowWidget(open)->close();
    }
}

}  // namespace
}  // namespace quendal::test
