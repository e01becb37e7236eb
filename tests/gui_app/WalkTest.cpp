// A user's first way through the program, offscreen, by real keys and one
// click: the Default Parameters window the start opens, System Select,
// the Initial Setup sheet, and the design's first window.
#include <algorithm>
#include <cstdlib>
#include <functional>

#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPoint>
#include <QTemporaryDir>

#include "AppFixture.h"
#include "selection/SpeakerConnection.h"
#include "selection/SystemChooser.h"
#include "support/DocumentDialogDoubles.h"
#include "windows/PassiveRadiatorData.h"
#include "windows/PreferencesWindow.h"

namespace quendal::test {
namespace {

// The centre of a picture position of the System Select window, in its
// top-level window's pixels.
QPoint positionCentre(int32_t position) {
    const ChooserPicture frame = systemSelectPictures()[std::size_t(position - 1)];
    const QPoint centre(int((frame.left + frame.right) / 2), int((frame.top + frame.bottom) / 2));
    EXPECT_EQ(systemSelectPositionAt(centre.x(), centre.y()), position);
    return platform::qt::contentWidget(kSystemSelectWindow)->mapTo(platform::qt::windowWidget(kSystemSelectWindow), centre);
}

TEST_F(AppTest, FromTheDriverToTheFirstDesignByKeys) {
    start();
    ASSERT_TRUE(QTest::qWaitFor([] { return platform::windowExists(kDefaultParametersWindow); }, 5000));
    EXPECT_EQ(state.shell.SelfOpenTimer, 0);  // fired, and gone

    press(kDefaultParametersWindow, Qt::Key_Return);
    EXPECT_FALSE(platform::windowExists(kDefaultParametersWindow));
    ASSERT_TRUE(platform::windowExists(kSystemSelectWindow));

    QTest::mouseClick(handleOf(kSystemSelectWindow), Qt::LeftButton, Qt::NoModifier, positionCentre(3));
    EXPECT_EQ(state.selection.SysSelBtnNum, 3);
    press(kSystemSelectWindow, Qt::Key_Left);
    press(kSystemSelectWindow, Qt::Key_Space);
    EXPECT_EQ(state.selection.SysSelTabNum, 2);
    press(kSystemSelectWindow, Qt::Key_Tab);
    EXPECT_EQ(state.selection.SysSelTabNum, 1);
    EXPECT_EQ(state.selection.SysSelBtnNum, 2);  // the Closed Box

    press(kSystemSelectWindow, Qt::Key_Return);
    ASSERT_TRUE(platform::windowExists(kInitialSetupSheet));
    EXPECT_FALSE(platform::isMenuItemEnabled(kFileMenu, 0));  // the menus wait for the sheet
    EXPECT_TRUE(platform::windowExists(kSystemSelectWindow));

    press(kInitialSetupSheet, Qt::Key_Return);
    EXPECT_FALSE(platform::windowExists(kInitialSetupSheet));
    EXPECT_FALSE(platform::windowExists(kSystemSelectWindow));
    EXPECT_TRUE(platform::windowExists(kSystemInfoPalette));
    EXPECT_TRUE(platform::menuExists(14));  // the Closed Box's alignments
    EXPECT_EQ(platform::menuItemText(kViewMenu, 12), "Hide System Info Palette");  // as it is: shown
    EXPECT_TRUE(dialogs.sheets.empty());

    // The start timer opens nothing more once a design is under way.
    CarbonTimerActionSelfOpen(0, nullptr);
    EXPECT_FALSE(platform::windowExists(kDefaultParametersWindow));
}

// The columns of the graph's plot area holding a coloured pixel: the
// curves are drawn in colour over a white plot with black and grey rules.
int colouredColumns(const QImage& image) {
    int columns = 0;
    for (int x = 45; x <= 505 && x < image.width(); ++x) {
        for (int y = 49; y <= 331 && y < image.height(); ++y) {
            const QRgb p = image.pixel(x, y);
            const int hi = std::max({qRed(p), qGreen(p), qBlue(p)}), lo = std::min({qRed(p), qGreen(p), qBlue(p)});
            if (hi - lo > 80) {
                ++columns;
                break;
            }
        }
    }
    return columns;
}

TEST_F(AppTest, FromTheDriverToTheVentedBoxCurvesByKeys) {
    start();
    ASSERT_TRUE(QTest::qWaitFor([] { return platform::windowExists(kDefaultParametersWindow); }, 5000));
    press(kDefaultParametersWindow, Qt::Key_Return);
    ASSERT_TRUE(platform::windowExists(kSystemSelectWindow));

    // From the first position of the first tab to the Vented Box, by arrows.
    EXPECT_EQ(state.selection.SysSelTabNum, 1);
    while (state.selection.SysSelBtnNum != 3) {
        const int32_t before = state.selection.SysSelBtnNum;
        press(kSystemSelectWindow, before < 3 ? Qt::Key_Right : Qt::Key_Left);
        ASSERT_NE(state.selection.SysSelBtnNum, before);
    }
    EXPECT_EQ(state.selection.SysSelTabNum, 1);
    press(kSystemSelectWindow, Qt::Key_Return);
    ASSERT_TRUE(platform::windowExists(kInitialSetupSheet));
    press(kInitialSetupSheet, Qt::Key_Return);
    ASSERT_FALSE(platform::windowExists(kInitialSetupSheet));

    // The design's window and both palettes are open, and the window's
    // retained image holds curves across the plot.
    ASSERT_TRUE(platform::windowExists(kResponseWindow));
    EXPECT_TRUE(platform::windowExists(kSystemInfoPalette));
    EXPECT_TRUE(platform::windowExists(kCustomPalette));
    EXPECT_GT(state.box.VB1, 0.0);
    EXPECT_GT(state.box.FB1, 0.0);
    QCoreApplication::processEvents();
    QTemporaryDir folder;
    const std::string path = folder.filePath("response.png").toStdString();
    ASSERT_TRUE(platform::writeWindowPng(kResponseWindow, path));
    if (const char* keep = std::getenv("QUENDAL_KEEP_PNG")) platform::writeWindowPng(kResponseWindow, keep);
    const QImage image(QString::fromStdString(path));
    ASSERT_GE(image.width(), 540);
    ASSERT_GE(image.height(), 390);
    // The box rolls off below its tuning and enters from the bottom; above
    // it the response runs flat at 0 dB (y 130) to the right edge.
    EXPECT_GT(colouredColumns(image), 300);
    bool flatAtTheRightEdge = false;
    for (int y = 126; y <= 134; ++y) {
        const QRgb p = image.pixel(500, y);
        flatAtTheRightEdge = flatAtTheRightEdge || (qRed(p) > 230 && qBlue(p) < 120 && qGreen(p) - qBlue(p) > 80);
    }
    EXPECT_TRUE(flatAtTheRightEdge);
}

// The line editing of an X11 desktop, which claims Ctrl+U (empty the line)
// and Ctrl+E (to its end) before any shortcut; offscreen, a field has the
// Windows keys, which claim Ctrl+Y (redo) instead.
class X11LineKeys : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() != Qt::ControlModifier || (key->key() != Qt::Key_U && key->key() != Qt::Key_E))
            return false;
        if (key->key() == Qt::Key_U && event->type() == QEvent::KeyPress) static_cast<QLineEdit*>(watched)->clear();
        event->accept();
        return true;
    }
};

// A field keeps the focus after Return, yet the command keys of the menus
// that its line editing also knows open their windows; the Edit keys reach
// a field through the Edit menu, in the Preferences window too.
TEST_F(AppTest, MenuKeysWinOverAFieldsLineEditingAndEditKeysStillReachIt) {
    ScriptedDocumentDialogs questions;
    platform::setDocumentDialogService(&questions);
    struct Unset { ~Unset() { platform::setDocumentDialogService(nullptr); } } unset;
    start();
    ASSERT_TRUE(QTest::qWaitFor([] { return platform::windowExists(kDefaultParametersWindow); }, 5000));
    press(kDefaultParametersWindow, Qt::Key_Return);
    press(kSystemSelectWindow, Qt::Key_Right);  // the Closed Box
    press(kSystemSelectWindow, Qt::Key_Return);
    press(kInitialSetupSheet, Qt::Key_Return);
    ASSERT_EQ(platform::sendCommand(14, 2), platform::kHandled);  // Box Volume: the volume is entered
    X11LineKeys x11;
    platform::qt::controlWidget(kCustomPalette, 31)->installEventFilter(&x11);
    const std::string volume = platform::controlText(kCustomPalette, 31);
    const auto inField = [this](int32_t window, int32_t field, Qt::Key key) {
        platform::setKeyboardFocus(window, field);
        QTest::keyClick(handleOf(window), key, Qt::ControlModifier);
    };
    const struct { Qt::Key key; int32_t window; std::function<void()> close; } keys[] = {
        {Qt::Key_Y, kSpeakerConnectionSheet, [] { spConSelectCancel(); }},
        {Qt::Key_U, kPassiveRadiatorSheet, [] { PRDataEnterWndCancel(); }},
        {Qt::Key_Comma, kPreferencesWindow, [] {}}};
    for (const auto& row : keys) {
        platform::setKeyboardFocus(kCustomPalette, 31);
        QTest::keyClick(handleOf(kCustomPalette), Qt::Key_Return);  // Calc.; the field keeps the focus
        QTest::keyClick(handleOf(kCustomPalette), row.key, Qt::ControlModifier);
        EXPECT_EQ(platform::controlText(kCustomPalette, 31), volume);
        ASSERT_TRUE(platform::windowExists(row.window)) << row.window;
        row.close();
    }
    const std::string power = platform::controlText(kPreferencesWindow, kInputPowerField);
    for (const Qt::Key key : {Qt::Key_A, Qt::Key_X}) inField(kPreferencesWindow, kInputPowerField, key);
    EXPECT_EQ(platform::controlText(kPreferencesWindow, kInputPowerField), "");
    inField(kPreferencesWindow, kInputPowerField, Qt::Key_V);
    EXPECT_EQ(platform::controlText(kPreferencesWindow, kInputPowerField), power);
    PreferenceWndClose();

    inField(kCustomPalette, 31, Qt::Key_E);
    ASSERT_EQ(questions.questions.size(), 1u);  // the design changed: save it first?
    questions.answer(platform::SaveChangesAnswer::DontSave);
    EXPECT_TRUE(platform::windowExists(kSystemSelectWindow));
}

}  // namespace
}  // namespace quendal::test
