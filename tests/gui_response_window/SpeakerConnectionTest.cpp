// The speaker-connection sheet driven as a user drives it: picks with the
// mouse through the sheet's own events, Select and Cancel through its
// buttons, arrow keys through the routine the shell's row calls.
#include <algorithm>
#include <cmath>

#include <QPushButton>

#include "response/ReferenceLevel.h"
#include "gui_response_window/ResponseWindowFixture.h"
#include "selection/Pictures.h"
#include "selection/SpeakerConnection.h"
#include "selection/SystemInfoPalette.h"
#include "view/RecordingSurface.h"
#include "windows/ResponseWindow.h"

namespace quendal::test {
namespace {

// What the shell's rows of window 4 do with a mouse-down and a button hit.
int32_t sheetRows(const platform::WindowEvent& e, int32_t) {
    const bool consumed = e.kind == platform::WindowEventKind::MouseDown && spConSelMouseDown(e.x, e.y, e.clickCount);
    return consumed ? platform::kHandled : platform::kEventNotHandled;
}
int32_t buttonRows(const platform::ControlEvent& e, int32_t control) {
    if (e.kind != platform::ControlEventKind::Hit) return platform::kEventNotHandled;
    if (control == 1) SpConSelectDoDialog();
    if (control == 2) spConSelectCancel();
    return platform::kHandled;
}

// Where each connection's picture stands in the sheet (the middle of its
// hit rectangle).
constexpr QPoint kMiddle[6] = {{}, {100, 125}, {235, 125}, {370, 125}, {132, 305}, {337, 305}};

class SpeakerConnectionTest : public ResponseWindowTest {
protected:
    void SetUp() override {
        ResponseWindowTest::SetUp();
        ResponseWnd();
        SPLcal();
        SystemInfoFloatPalet();
        state.shell.sysFigTriBtn = 1;
    }

    void open() {
        SpConSelectWnd();
        ASSERT_TRUE(platform::windowExists(kSpeakerConnectionSheet));
        platform::installWindowHandler(kSpeakerConnectionSheet, sheetRows, kSpeakerConnectionSheet);
        platform::installControlHandler(kSpeakerConnectionSheet, 1, buttonRows, 1);
        platform::installControlHandler(kSpeakerConnectionSheet, 2, buttonRows, 2);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(handle(kSpeakerConnectionSheet)));
    }
    void pick(int32_t connection) {
        const QPoint p = kMiddle[connection];
        QTest::mouseClick(handle(kSpeakerConnectionSheet), Qt::LeftButton, Qt::NoModifier,
                          at(kSpeakerConnectionSheet, p.x(), p.y()));
    }
    void press(platform::ControlNumber button) {
        auto* widget = qobject_cast<QPushButton*>(platform::qt::controlWidget(kSpeakerConnectionSheet, button));
        ASSERT_NE(widget, nullptr);
        QTest::mouseClick(widget, Qt::LeftButton);
    }
    int widgetCount() {
        return int(platform::qt::windowWidget(kSpeakerConnectionSheet)->findChildren<QObject*>().size());
    }
};

// The effective driver two identical drivers make, against the single
// driver: compliance volume and efficiency (and with it the level at 1 W)
// double for two cones side by side and halve for a push-pull pair
// (isobaric: one cone's area moves twice the mass and half the
// compliance); parallel wiring halves the resistance, series wiring
// doubles it; the free-air resonance and the Q values stay those of one
// driver.
struct ConnectionCase {
    int32_t connection;
    double vasFactor, reFactor, pemxFactor;
    double levelChange;  // dB at 1 W / 1 m
};
const ConnectionCase kConnections[] = {
    {2, 2.0, 0.5, 2.0, 10.0 * std::log10(2.0)},
    {3, 2.0, 2.0, 2.0, 10.0 * std::log10(2.0)},
    {4, 0.5, 0.5, 2.0, -10.0 * std::log10(2.0)},
    {5, 0.5, 2.0, 2.0, -10.0 * std::log10(2.0)},
};

TEST_F(SpeakerConnectionTest, SelectAppliesTheConnectionToTheDriverTheLevelAndThePalette) {
    for (bool efficiencyGiven : {true, false}) {
        // Without an efficiency the program derives it from FS, VAS and
        // QES: the level follows the compliance volume the same way.
        state.speaker.EFI2 = efficiencyGiven ? 2.501 : 0.0;
        for (const ConnectionCase& c : kConnections) {
            SCOPED_TRACE(testing::Message() << "connection " << c.connection << ", efficiency given " << efficiencyGiven);
            state.connection.SpConNum = 1;
            SpconCal();
            SPLcal();
            const double singleLevel = state.ref.SPL;
            const SpeakerParameters single = state.speaker;
            state.vents.vent[2].CircVentNum = 3;

            open();
            pick(c.connection);
            EXPECT_DOUBLE_EQ(state.speaker.VAS, single.VAS);  // a pick computes nothing yet
            press(1);  // Select

            const SpeakerParameters& sp = state.speaker;
            EXPECT_DOUBLE_EQ(sp.VAS, c.vasFactor * single.VAS);
            EXPECT_DOUBLE_EQ(sp.RE, c.reFactor * single.RE);
            EXPECT_DOUBLE_EQ(sp.PEMX, c.pemxFactor * single.PEMX);
            EXPECT_DOUBLE_EQ(sp.QTS, single.QTS);
            EXPECT_NEAR(state.ref.SPL - singleLevel, c.levelChange, 0.011);  // each level to 0.01 dB
            EXPECT_EQ(state.vents.vent[2].CircVentNum, 1);
            EXPECT_FALSE(platform::windowExists(kSpeakerConnectionSheet));
            EXPECT_EQ(std::tuple(state.shell.SheetWndFlag, state.shell.InterceptEvHnd, state.connection.SpConSel),
                      std::tuple(0, 0, 0));
            // The palette shows the new level and the new connection's picture, once.
            EXPECT_EQ(platform::controlText(kSystemInfoPalette, kInfoSPLLine),
                      ": " + paletteValueText(state.ref.SPL - state.coef.siftUpDwn, 1).str() + " dB");
            const QObject* pane = platform::qt::controlWidget(kSystemInfoPalette, kInfoConnectionPane);
            ASSERT_NE(pane, nullptr);
            EXPECT_EQ(pane->findChildren<QWidget*>().size(), 1);
        }
    }
}

TEST_F(SpeakerConnectionTest, CancelAfterSeveralPicksKeepsTheConnectionInUse) {
    // A design already on Push-Pull Parallel.
    open();
    pick(4);
    press(1);
    const SpeakerParameters inUse = state.speaker;
    const double level = state.ref.SPL;

    open();
    pick(2);
    pick(3);
    spConSelArrowKey(platform::kRightArrowChar);
    EXPECT_EQ(state.connection.SpConNum, 4);
    pick(5);
    press(2);  // Cancel
    EXPECT_EQ(state.connection.SpConNum, 4);
    EXPECT_EQ(std::tuple(state.speaker.VAS, state.speaker.RE, state.speaker.EFI, state.ref.SPL),
              std::tuple(inUse.VAS, inUse.RE, inUse.EFI, level));
    EXPECT_FALSE(platform::windowExists(kSpeakerConnectionSheet));
    EXPECT_EQ(std::tuple(state.shell.SheetWndFlag, state.shell.InterceptEvHnd), std::tuple(0, 0));
}

TEST_F(SpeakerConnectionTest, TwentyPicksRepaintTheChooserWithoutAddingWidgets) {
    open();
    const int before = widgetCount();
    RecordingProvider recording;
    for (int i = 0; i < 20; ++i) {
        pick(1 + (i * 3) % 5);
        if (i % 4 == 0) spConSelArrowKey(platform::kLeftArrowChar);
    }
    EXPECT_EQ(state.connection.SpConNum, 1 + (19 * 3) % 5);
    state.connection.SpConNum = 1;
    spConSelArrowKey(platform::kLeftArrowChar);  // from Single round to Push-Pull Serial
    EXPECT_EQ(state.connection.SpConNum, 5);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(widgetCount(), before);
    EXPECT_TRUE(platform::windowExists(kSpeakerConnectionSheet));  // single clicks only pick

    // One more pick, recorded: the chooser is painted afresh, five frames
    // (the one picked selected, around its picture) and five pictures.
    setSurfaceProvider(&recording);
    pick(2);
    const auto& drawn = recording.window.elements();
    ASSERT_EQ(drawn.size(), 11u);
    EXPECT_EQ(drawn.front().kind, RecordedElement::Kind::Clear);
    const auto selected = std::find_if(drawn.begin(), drawn.end(), [](const RecordedElement& e) {
        return e.text == kConnectionButtonSelectedPicture || e.text == kWideConnectionButtonSelectedPicture;
    });
    ASSERT_NE(selected, drawn.end());
    EXPECT_TRUE(selected->x0 < kMiddle[2].x() && selected->x1 > kMiddle[2].x());
    platform::resetPlatform();
}

}  // namespace
}  // namespace quendal::test
