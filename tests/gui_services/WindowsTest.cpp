// The About and Preferences windows driven as a user would, with handlers
// that dispatch their clicks and keys the way the shell's rows do.
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include "model/WindowNumbers.h"
#include "platform/PlatformFixture.h"
#include "windows/AboutWindow.h"
#include "app/CloseWindows.h"
#include "windows/PreferencesWindow.h"

namespace quendal::test {
namespace {

using platform::WindowEvent;
using platform::WindowEventKind;

bool isConfirmKey(const WindowEvent& e) {
    return e.kind == WindowEventKind::KeyDown && (e.character == platform::kReturnChar || e.character == platform::kEnterChar);
}

// The rows of windows 2 and 15.
int32_t windowRows(const WindowEvent& e, int32_t window) {
    if (window == kAboutWindow && ((e.kind == WindowEventKind::MouseDown && e.y > 0) || isConfirmKey(e))) {
        closeAboutWindow();
        return platform::kHandled;
    }
    if (window == kPreferencesWindow) {
        if (e.kind == WindowEventKind::BoundsChanged) {
            rememberPreferencesBounds();
            return platform::kHandled;
        }
        if (isConfirmKey(e)) {
            PreferenceWndOKReturn();
            return platform::kHandled;
        }
        if (e.kind == WindowEventKind::Close) {
            PreferenceWndClose();
            return platform::kHandled;
        }
    }
    return platform::kEventNotHandled;
}

int32_t controlRows(const platform::ControlEvent& e, int32_t control) {
    if (e.window != kPreferencesWindow || e.kind != platform::ControlEventKind::Hit) return platform::kEventNotHandled;
    platform::selectWindow(kPreferencesWindow);
    if (control == kPreferencesOK) PreferenceWndOKReturn();
    else preferenceCheckBoxClicked(control);
    return platform::kHandled;
}

struct RecordingDialogs : platform::DialogService {
    void alert(std::string_view title, std::string_view) override { alerts.emplace_back(title); }
    void sheetAlert(platform::WindowNumber window, std::string_view title, std::string_view message,
                    std::function<void()> onOk) override {
        sheets.push_back(std::to_string(window) + "|" + std::string(title) + "|" + std::string(message));
        if (onOk) onOk();
    }
    void beep() override {}
    std::vector<std::string> alerts, sheets;
};

class WindowsTest : public PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        platform::setDialogService(&dialogs);
    }

    void handle(platform::WindowNumber window) {
        platform::installWindowHandler(window, windowRows, window);
        for (int32_t c = 500; c < 530; ++c)
            if (platform::controlExists(window, c)) platform::installControlHandler(window, c, controlRows, c);
    }
    QWindow* qwindow(platform::WindowNumber window) { return platform::qt::windowWidget(window)->windowHandle(); }
    template <typename T>
    T* widget(platform::WindowNumber window, int32_t control) {
        return qobject_cast<T*>(platform::qt::controlWidget(window, control));
    }
    void type(int32_t field, const QString& text) {
        auto* edit = widget<QLineEdit>(kPreferencesWindow, field);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }

    RecordingDialogs dialogs;
};

TEST_F(WindowsTest, AboutShowsNameAndVersionAndClosesOnReturn) {
    state.shell.AboutWndflag = 1;
    state.shell.curentWndID = kDefaultParametersWindow;
    platform::createMenu(1, "File");
    for (const char* item : {"New Box Design...", "Open...", "Close"}) platform::appendMenuItem(1, item);
    AboutWnd();
    handle(kAboutWindow);
    ASSERT_TRUE(platform::isWindowVisible(kAboutWindow));
    EXPECT_EQ(platform::controlText(kAboutWindow, kAboutName), "Quendal");
    EXPECT_EQ(platform::controlText(kAboutWindow, kAboutVersion), "Version " QUENDAL_VERSION);
    EXPECT_FALSE(platform::isWindowResizable(kAboutWindow));

    QTest::keyClick(qwindow(kAboutWindow), Qt::Key_Return);
    EXPECT_FALSE(platform::windowExists(kAboutWindow));
    EXPECT_EQ(state.shell.AboutWndflag, 0);
    EXPECT_FALSE(platform::isMenuItemEnabled(1, 3)) << "from the Default Parameters window there is nothing to close";
}

TEST_F(WindowsTest, AboutClosesOnAClickAndOnEnter) {
    AboutWnd();
    handle(kAboutWindow);
    QTest::keyClick(qwindow(kAboutWindow), Qt::Key_A);
    EXPECT_TRUE(platform::windowExists(kAboutWindow)) << "other keys leave it";
    QTest::mouseClick(qwindow(kAboutWindow), Qt::LeftButton, Qt::NoModifier, QPoint(150, 60));
    EXPECT_FALSE(platform::windowExists(kAboutWindow));
    AboutWnd();
    handle(kAboutWindow);
    QTest::keyClick(qwindow(kAboutWindow), Qt::Key_Enter);
    EXPECT_FALSE(platform::windowExists(kAboutWindow));
}

TEST_F(WindowsTest, PreferenceCheckBoxesTakeEffectAtTheClick) {
    PreferenceWnd();
    handle(kPreferencesWindow);
    struct Box {
        int32_t control;
        const int32_t* option;
    };
    const Box boxes[] = {
        {kBoundsCheckBox, &state.prefs.BoundsCheck},       {kSoundCheckBox, &state.prefs.SoundCheck},
        {kSystemCheckBox, &state.prefs.SystemCheck},       {kInitSetupCheckBox, &state.prefs.InitSetupCheck},
        {kPrintParamCheckBox, &state.prefs.PrintParamCheck}, {kPrintDateCheckBox, &state.prefs.PrintDateCheck},
        {kUpdateForCheckBox, &state.prefs.UpdateForCheck}, {kInputPowerCheckBox, &state.prefs.InputPowerCheck},
        {kMagniCheckBox, &state.prefs.MagniCheck},
    };
    for (const Box& b : boxes) {
        auto* box = widget<QCheckBox>(kPreferencesWindow, b.control);
        ASSERT_NE(box, nullptr) << b.control;
        EXPECT_EQ(box->isChecked() ? 1 : 0, *b.option) << "shows the option " << b.control;
        const int32_t before = *b.option;
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(6, box->height() / 2));
        EXPECT_EQ(*b.option, 1 - before) << b.control;
    }
    EXPECT_EQ(state.view.Magni, 1) << "absolute levels switch the view at once";
    // The close box keeps what was clicked.
    platform::qt::windowWidget(kPreferencesWindow)->close();
    EXPECT_FALSE(platform::windowExists(kPreferencesWindow));
    EXPECT_EQ(state.prefs.BoundsCheck, 1);
}

TEST_F(WindowsTest, TooSmallInputPowerOrPortThicknessIsRefusedAndTheWindowStays) {
    PreferenceWnd();
    handle(kPreferencesWindow);
    struct Case {
        int32_t field;
        const char* text;
        const char* hint;
        const char* title = "ALERT!   Entered numerical value is too small.";
    };
    const char* const noNumber = "ALERT!   Entered text is not a number.";
    const Case refused[] = {
        {kInputPowerField, "0.39", "input power"}, {kInputPowerField, "0", "input power"},
        {kInputPowerField, "-5", "input power"},   {kInputPowerField, "watts", "input power", noNumber},
        {kPortThicknessField, "2.99", "port thickness"}, {kPortThicknessField, "", "port thickness", noNumber},
    };
    for (const Case& c : refused) {
        dialogs.sheets.clear();
        type(c.field, QString::fromLatin1(c.text));
        widget<QPushButton>(kPreferencesWindow, kPreferencesOK)->click();
        ASSERT_TRUE(platform::windowExists(kPreferencesWindow)) << c.text;
        ASSERT_EQ(dialogs.sheets.size(), 1u) << c.text;
        EXPECT_NE(dialogs.sheets[0].find(std::string("15|") + c.title + "|"), std::string::npos) << dialogs.sheets[0];
        EXPECT_NE(dialogs.sheets[0].find(c.hint), std::string::npos) << dialogs.sheets[0];
        EXPECT_EQ(state.power.InputPower, 10.0);
        EXPECT_EQ(state.power.PortThickness, 20.0);
        EXPECT_EQ(platform::controlText(kPreferencesWindow, c.field), c.field == kInputPowerField ? "10" : "20");
        EXPECT_EQ(platform::keyboardFocus(kPreferencesWindow), c.field);
    }
    // The lowest values are taken, with Return.
    type(kInputPowerField, QStringLiteral("0.4"));
    type(kPortThicknessField, QStringLiteral("3"));
    QTest::keyClick(qwindow(kPreferencesWindow), Qt::Key_Return);
    EXPECT_FALSE(platform::windowExists(kPreferencesWindow));
    EXPECT_EQ(state.power.InputPower, 0.4);
    EXPECT_EQ(state.power.PortThickness, 3.0);
}

TEST_F(WindowsTest, MovingThePreferencesWindowRemembersItsOwnBounds) {
    openResponseWindow();
    PreferenceWnd();
    handle(kPreferencesWindow);
    platform::setCurrentWindow(kResponseWindow);  // drawing goes elsewhere meanwhile
    platform::setWindowBounds(kPreferencesWindow, Rect16{140, 200, 140 + 465, 200 + 330});
    const Rect16 b = state.bounds.PrefeBounds;
    EXPECT_EQ(b.top, 140);
    EXPECT_EQ(b.left, 200);
    EXPECT_EQ(b.bottom - b.top, kPreferencesHeight);
    EXPECT_EQ(b.right - b.left, kPreferencesWidth);
    // Reopened where it was when windows reopen where they were.
    state.prefs.BoundsCheck = 1;
    PreferenceWndClose();
    PreferenceWnd();
    EXPECT_EQ(platform::windowBounds(kPreferencesWindow).top, 140);
    EXPECT_EQ(platform::windowBounds(kPreferencesWindow).left, 200);
}

// Every text of both windows fits its rectangle in the pinned fonts.
TEST_F(WindowsTest, EveryTextFitsItsRectangle) {
    AboutWnd();
    PreferenceWnd();
    int checked = 0;
    for (platform::WindowNumber window : {kAboutWindow, kPreferencesWindow}) {
        for (const auto& [number, record] : platform::qt::findWindow(window)->controls) {
            QWidget* w = record.widget;
            QString text;
            int room = w->width();
            if (auto* label = qobject_cast<QLabel*>(w)) text = label->text();
            else if (auto* box = qobject_cast<QCheckBox*>(w)) {
                EXPECT_LE(box->sizeHint().width(), box->width()) << number << " " << box->text().toStdString();
                EXPECT_LE(box->sizeHint().height(), box->height()) << number;
                ++checked;
                continue;
            } else if (auto* button = qobject_cast<QPushButton*>(w)) {
                EXPECT_LE(button->minimumSizeHint().height(), button->height()) << number;
                text = button->text();
                room -= 16;  // the button's own frame and padding
            } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
                text = group->title();
                room -= 16;
            } else {
                continue;
            }
            if (text.isEmpty()) continue;
            const QFontMetrics metrics(w->font());
            EXPECT_LE(metrics.horizontalAdvance(text), room) << number << " " << text.toStdString();
            EXPECT_LE(metrics.height(), w->height()) << number << " " << text.toStdString();
            ++checked;
        }
    }
    EXPECT_GE(checked, 20);
}

TEST_F(WindowsTest, CloseWindowsClosesTheDesignAndDialogWindowsOnly) {
    const platform::WindowNumber closed[] = {15, 11, 3, 9, 8, 7};
    for (platform::WindowNumber n : closed) platform::createWindow(n, platform::WindowKind::Dialog, Rect16{0, 0, 100, 100}, "w");
    platform::createWindow(5, platform::WindowKind::Sheet, Rect16{0, 0, 50, 100}, "sheet", 3);
    platform::createWindow(kAboutWindow, platform::WindowKind::Dialog, Rect16{0, 0, 100, 100}, "About");
    CloseWindows();
    for (platform::WindowNumber n : closed) EXPECT_FALSE(platform::windowExists(n)) << n;
    EXPECT_FALSE(platform::windowExists(5));
    EXPECT_TRUE(platform::windowExists(kAboutWindow));
}

}  // namespace
}  // namespace quendal::test
