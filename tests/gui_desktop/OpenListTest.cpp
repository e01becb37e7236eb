// A list, popup or menu opened on a desktop takes the keys while it is
// open: Escape closes it alone, and Return takes its item alone. The
// window under it never sees them.
#include <QApplication>
#include <QRadioButton>

#include "DesktopFixture.h"
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

}  // namespace
}  // namespace quendal::test
