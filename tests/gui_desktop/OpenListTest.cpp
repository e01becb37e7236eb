// A list, popup or menu opened on a desktop takes the keys while it is
// open: Escape closes it alone, and Return takes its item alone. The
// window under it never sees them.
#include <QApplication>
#include <QProcess>
#include <QRadioButton>

#include "DesktopFixture.h"
#include "palette/CustomPalette.h"
#include "vent/VentDesignSheet.h"

namespace quendal::test {
namespace {

class OpenList : public DesktopTest {
protected:
    // Vent Design over the default Vented Box, a duct of 90 mm calculated.
    void ductOf90() {
        ventedBox();
        platform::qt::deliverCommand(kOneVentMenu, 1);
        ASSERT_TRUE(activeWithKeyboard(kVentDesignSheet));
        if (!platform::controlExists(kVentDesignSheet, kVentSizeField))
            for (const QRadioButton* radio : platform::qt::controlWidget(kVentDesignSheet, kCircularRadio)
                                                 ->findChildren<QRadioButton*>())
                if (radio->text() == "Ducted") click(radio);
        ASSERT_TRUE(platform::controlExists(kVentDesignSheet, kVentSizeField));
        click(platform::qt::controlWidget(kVentDesignSheet, kVentSizeField));
        xdotool({"key", "ctrl+a", "type", "90"});
        click(platform::qt::controlWidget(kVentDesignSheet, kVentCalcButton));
        ASSERT_DOUBLE_EQ(state.vents.working.CircDuctDV, 90.0);
    }
    // The Number of Vents list, reached by Tab and opened with Space.
    static bool listOpened() {
        platform::qt::controlWidget(kVentDesignSheet, kCircularCountPopup)->setFocus(Qt::TabFocusReason);
        key("space");
        return QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, kActivationMs);
    }
    // Held past the keyboard's repeat delay, while the program goes on
    // with its events as the key repeats.
    static void held(const char* name) {
        QProcess tool;
        tool.start(QStringLiteral("xdotool"), {"keydown", name, "sleep", "1.2", "keyup", name});
        EXPECT_TRUE(QTest::qWaitFor([&tool] { return tool.state() == QProcess::NotRunning; }, kAtMost));
        settle();
    }
};

// Escape closes the open list and leaves the sheet with the 90 mm; Down
// and Return in it take 2 vents and press no OK.
TEST_F(OpenList, ItsKeysNeverReachTheSheetUnderIt) {
    ductOf90();
    ASSERT_TRUE(platform::controlExists(kVentDesignSheet, kCircularCountPopup));
    const int32_t before = state.vents.working.CircVentNum;
    ASSERT_TRUE(listOpened());
    key("Escape");
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    ASSERT_TRUE(platform::windowExists(kVentDesignSheet));
    EXPECT_EQ(platform::controlText(kVentDesignSheet, kVentSizeField), "90");
    EXPECT_EQ(state.vents.working.CircVentNum, before);

    ASSERT_TRUE(listOpened());
    key("Down");
    key("Return");
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    ASSERT_TRUE(platform::windowExists(kVentDesignSheet));
    EXPECT_EQ(state.vents.working.CircVentNum, before + 1);
    EXPECT_EQ(platform::controlText(kVentDesignSheet, kVentSizeField), "90");
}

// Counts the key presses that reach an open list or menu, and those that
// reach a window.
class KeysReaching : public QObject {
public:
    explicit KeysReaching(const QWidget* window = nullptr) : window_(window) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~KeysReaching() override { QCoreApplication::instance()->removeEventFilter(this); }
    int inPopup = 0, inWindow = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
        const QWidget* window = static_cast<QWidget*>(watched)->window();
        if (window->windowType() == Qt::Popup) ++inPopup;
        if (window == window_) ++inWindow;
        return false;
    }

private:
    const QWidget* window_;
};

// A key held acts only where it went down: Space held on the list opens it
// and its repeats choose nothing there; Escape or Return held in the open
// list closes it, and their repeats press no Cancel or OK of the sheet.
TEST_F(OpenList, AHeldKeyActsOnlyWhereItWentDown) {
    ductOf90();
    const int32_t before = state.vents.working.CircVentNum;
    QWidget* list = platform::qt::controlWidget(kVentDesignSheet, kCircularCountPopup);
    list->setFocus(Qt::TabFocusReason);
    {
        KeysReaching keys;
        held("space");
        EXPECT_NE(QApplication::activePopupWidget(), nullptr);
        EXPECT_EQ(keys.inPopup, 0);
    }
    held("Escape");
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    ASSERT_TRUE(platform::windowExists(kVentDesignSheet));
    EXPECT_EQ(platform::controlText(kVentDesignSheet, kVentSizeField), "90");

    ASSERT_TRUE(listOpened());
    key("Down");
    held("Return");
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    ASSERT_TRUE(platform::windowExists(kVentDesignSheet));
    EXPECT_EQ(state.vents.working.CircVentNum, before + 1);
}

// Escape held in a palette's open list closes it, and its repeats never
// reach the palette, though no sheet stands to take them.
TEST_F(OpenList, AKeyHeldInAPalettesListStopsThere) {
    ventedBox();
    const QWidget* palette = platform::qt::windowWidget(kCustomPalette);
    ASSERT_NE(palette, nullptr);
    click(platform::qt::controlWidget(kCustomPalette, kPaletteQbPopup1));
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, kActivationMs));
    KeysReaching keys(palette);
    held("Escape");
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(keys.inWindow, 0);
}

}  // namespace
}  // namespace quendal::test
