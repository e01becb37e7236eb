// The speaker-connection sheet driven as a user drives it: picks with the
// mouse through the sheet's own events, Select and Cancel through its
// buttons, arrow keys through the routine the shell's row calls.
#include <algorithm>
#include <cmath>
#include <optional>
#include <tuple>
#include <vector>

#include <QPushButton>

#include "model/ParameterPasses.h"
#include "response/ReferenceLevel.h"
#include "gui_response_window/ResponseWindowFixture.h"
#include "view/Pictures.h"
#include "selection/SpeakerConnection.h"
#include "selection/SystemInfoPalette.h"
#include "view/RecordingSurface.h"
#include "view/ResponseRedraw.h"
#include "windows/ResponseWindow.h"

#include "support/AlertRecorder.h"

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
        InitItemBoxParameters();  // the loss factors a design has
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

// Where the window's orange curve (the total response) passes x, from what
// the last redraw recorded.
std::optional<double> orangeCurveY(const RecordingSurface& window, double x) {
    for (const RecordedElement& l : window.ofKind(RecordedElement::Kind::Line)) {
        const Colour& c = l.stroke.colour;
        if (std::fabs(c.red - 1.0) > 0.01 || std::fabs(c.green - 0.5294) > 0.01 || c.blue > 0.01 || l.x0 == l.x1) continue;
        if (x >= std::min(l.x0, l.x1) && x <= std::max(l.x0, l.x1)) return l.y0 + (l.y1 - l.y0) * (x - l.x0) / (l.x1 - l.x0);
    }
    return std::nullopt;
}
// The x of frequency f on the graphs' 10 Hz - 1 kHz axis.
double xOf(double f) { return 45.0 + 230.0 * (std::log10(f) - 1.0); }

TEST_F(SpeakerConnectionTest, TheRedrawnImpedanceAndLevelFollowTheConnectionAndCancelRedrawsNothingNew) {
    RecordingProvider recording;
    state.view.Magni = 1;  // absolute levels, dB SPL at 1 W / 1 m
    state.view.Scale = 5;
    // The drawn impedance in ohms (y = 330 - 2.81 IMPscal Z) at its lowest
    // between 100 Hz and 1 kHz, above the voice coil's resistance and
    // scaled with it by the wiring (the coil's inductance and the motor's
    // reflected resistance scale alike); the drawn level in dB SPL at 300 Hz, well above the box's
    // resonance (the grid line at y = 50 is 100 + sift dB, 5 dB per 40 px).
    // Each after a Select of the connection.
    const auto drawnAfterSelect = [&](int32_t connection, const char* page) {
        state.view.s_Resp = page;
        open();
        pick(connection);
        setSurfaceProvider(&recording);
        recording.window.reset();
        press(1);
        setSurfaceProvider(nullptr);
        if (std::string(page) == "amp") {
            const std::optional<double> y = orangeCurveY(recording.window, xOf(300.0));
            EXPECT_TRUE(y.has_value()) << "connection " << connection;
            return y ? 100.0 + state.scales.sift - (*y - 50.0) * 5.0 / 40.0 : 0.0;
        }
        double lowest = 1e9;
        for (double x = xOf(100.0); x <= 505.0; x += 1.0)
            if (const std::optional<double> y = orangeCurveY(recording.window, x))
                lowest = std::min(lowest, (330.0 - *y) / (2.81 * state.scales.IMPscal));
        EXPECT_LT(lowest, 1e9) << "connection " << connection;
        return lowest;
    };
    const double singleZ = drawnAfterSelect(1, "imp");
    EXPECT_GT(singleZ, state.speaker.RE);
    const double singleLevel = drawnAfterSelect(1, "amp");
    EXPECT_NEAR(singleLevel, state.ref.SPL - state.coef.siftUpDwn, 0.5);
    for (const ConnectionCase& c : kConnections) {
        SCOPED_TRACE(testing::Message() << "connection " << c.connection);
        const double z = drawnAfterSelect(c.connection, "imp");
        EXPECT_NEAR(z / singleZ, c.reFactor, 0.05 * c.reFactor);
        const double level = drawnAfterSelect(c.connection, "amp");
        EXPECT_NEAR(level - singleLevel, c.levelChange, 0.15);
    }

    // Cancel after other picks: the page as the connection in use draws it.
    drawnAfterSelect(2, "imp");
    const std::vector<RecordedElement> inUse = recording.window.ofKind(RecordedElement::Kind::Line);
    open();
    pick(5);
    pick(3);
    setSurfaceProvider(&recording);
    recording.window.reset();
    press(2);  // Cancel
    state.view.ReDispWnd = 1;
    ReDispResposeWnd();
    setSurfaceProvider(nullptr);
    const std::vector<RecordedElement> after = recording.window.ofKind(RecordedElement::Kind::Line);
    ASSERT_EQ(after.size(), inUse.size());
    for (std::size_t i = 0; i < after.size(); ++i)
        EXPECT_EQ(std::tuple(after[i].x0, after[i].y0, after[i].x1, after[i].y1),
                  std::tuple(inUse[i].x0, inUse[i].y0, inUse[i].x1, inUse[i].y1));
}

// A Vented Box of 5.7 ml (0.95 Vas, Vas 6 ml): a push-pull pair halves the
// compliance volume and so the box, kept as none. The alert names the
// volume as the palette labels it.
TEST_F(SpeakerConnectionTest, ABoxKeptAsNoneIsNamedAsThePaletteLabelsIt) {
    AlertRecorder alerts;
    platform::setDialogService(&alerts);
    std::tie(state.selection, state.speaker.VAS2) = std::tuple(SystemSelection{1, 3, 1, 1}, 0.006);
    SpconCal(), CofCal();
    open(), pick(4), press(1);
    ASSERT_EQ(alerts.sheets.size(), 1u);
    EXPECT_EQ(alerts.sheets[0].title, "ALERT!   Impossible alignment.  Vb is not above 0.");
    platform::setDialogService(nullptr);
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
