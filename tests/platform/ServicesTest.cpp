// One-shot timers, the event loop, alerts and sheets, cursors, resources
// and the text conversion at the toolkit's edge.
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QMessageBox>
#include <QTest>

#include "PlatformFixture.h"
#include "platform/qt/LocalMessages.h"
#include "platform/qt/MacRoman.h"

namespace quendal::test {
namespace {

class ServicesTest : public PlatformTest {
protected:
    // Waits until a timer installed now for `delay` has fired: the timers
    // due before it have fired by then, as timers fire in their order.
    static void timersDueWithin(double delay) {
        bool fired = false;
        platform::installTimer(delay, [&fired] { fired = true; });
        ASSERT_TRUE(QTest::qWaitFor([&fired] { return fired; }, 60000));
    }
};

TEST_F(ServicesTest, OneShotTimerFiresOnceAndIsGone) {
    int fired = 0;
    const platform::TimerId id = platform::installTimer(0.01, [&] { ++fired; });
    EXPECT_TRUE(platform::isTimerPending(id));
    EXPECT_TRUE(QTest::qWaitFor([&] { return fired > 0; }, 2000));
    timersDueWithin(0.05);  // where it fired again, it would have by then
    EXPECT_EQ(fired, 1);
    EXPECT_FALSE(platform::isTimerPending(id));
    platform::removeTimer(id);  // a fired timer: nothing
}

TEST_F(ServicesTest, RemovedTimerNeverFires) {
    int fired = 0;
    const platform::TimerId id = platform::installTimer(0.02, [&] { ++fired; });
    platform::removeTimer(id);
    EXPECT_FALSE(platform::isTimerPending(id));
    timersDueWithin(0.04);
    EXPECT_EQ(fired, 0);
}

TEST_F(ServicesTest, TimersFireInTheirOrderAndMayInstallTheNext) {
    std::vector<int> order;
    platform::installTimer(0.04, [&] { order.push_back(2); });
    platform::installTimer(0.01, [&] {
        order.push_back(1);
        platform::installTimer(0.0, [&] { order.push_back(3); });  // installed from inside an action
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return order.size() == 3; }, 2000));
    EXPECT_EQ(order, (std::vector<int>{1, 3, 2}));
}

TEST_F(ServicesTest, QuitEndsTheEventLoopWithItsStatus) {
    openResponseWindow();
    platform::installTimer(0.01, [] { platform::quitApplication(3); });
    EXPECT_EQ(platform::runEventLoop(), 3);
    EXPECT_FALSE(platform::windowExists(7));  // the loop's end closes everything
}

struct RecordingDialogs : platform::DialogService {
    void alert(std::string_view title, std::string_view message) override {
        alerts.emplace_back(std::string(title) + "|" + std::string(message));
    }
    void sheetAlert(platform::WindowNumber window, std::string_view title, std::string_view,
                    std::function<void()> onOk) override {
        sheets.emplace_back(std::to_string(window) + "|" + std::string(title));
        if (onOk) onOk();
    }
    void beep() override { ++beeps; }
    std::vector<std::string> alerts, sheets;
    int beeps = 0;
};

TEST_F(ServicesTest, AlertsSheetsAndBeepGoThroughTheReplaceableService) {
    RecordingDialogs dialogs;
    platform::setDialogService(&dialogs);
    platform::showAlert("Printing error", "Error code -1");
    bool ok = false;
    platform::showSheetAlert(7, "ALERT!   Impossible alignment.  Qtc is too small.", "Enter larger Qtc.", [&] { ok = true; });
    platform::beep();
    EXPECT_EQ(dialogs.alerts, (std::vector<std::string>{"Printing error|Error code -1"}));
    EXPECT_EQ(dialogs.sheets, (std::vector<std::string>{"7|ALERT!   Impossible alignment.  Qtc is too small."}));
    EXPECT_TRUE(ok);
    EXPECT_EQ(dialogs.beeps, 1);
    platform::setDialogService(nullptr);
    EXPECT_NE(&platform::dialogs(), static_cast<platform::DialogService*>(&dialogs));
}

TEST_F(ServicesTest, TheLayersOwnSheetDoesNotBlockAndAnswersOnOk) {
    openResponseWindow();
    bool ok = false;
    platform::showSheetAlert(7, "SaveImageFile failed", "", [&] { ok = true; });
    auto* box = platform::qt::windowWidget(7)->findChild<QMessageBox*>();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowModality(), Qt::WindowModal);
    EXPECT_EQ(box->text(), QStringLiteral("SaveImageFile failed"));
    EXPECT_FALSE(ok);
    box->button(QMessageBox::Ok)->click();
    EXPECT_TRUE(ok);
}

TEST_F(ServicesTest, ThemeCursors) {
    platform::setCursor(platform::Cursor::IBeam);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::IBeamCursor);
    platform::setCursor(platform::Cursor::PointingHand);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::PointingHandCursor);
    EXPECT_EQ(platform::currentCursor(), platform::Cursor::PointingHand);
    platform::setCursor(platform::Cursor::Arrow);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    platform::setImageCursor("NoSuchCursor.png", "Images", 7, 7);  // missing: the cursor stays
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(ServicesTest, ResourceFolder) {
    EXPECT_EQ(platform::resourceFolder(), std::string(QUENDAL_SOURCE_DIR) + "/resources");
    platform::setResourceFolder("/somewhere/else");
    EXPECT_EQ(platform::resourceFolder(), "/somewhere/else");
}

TEST_F(ServicesTest, MacRomanRoundTrip) {
    std::string all;
    for (int b = 1; b < 256; ++b) all += char(b);
    const QString text = platform::qt::fromMacRoman(all);
    EXPECT_EQ(text.size(), 255);
    EXPECT_EQ(platform::qt::toMacRoman(text), all);
    EXPECT_EQ(platform::qt::fromMacRoman("\xB3\xB2\xA7\xB5\xDB"), QStringLiteral("\u2265\u2264\u00DF\u00B5\u20AC"));
    EXPECT_EQ(platform::qt::toMacRoman(QStringLiteral("\u00E9t\u00E9 \u4E00")), "\x8Et\x8E ?");
    // A character Mac Roman cannot hold is one "?"; one also for a character
    // beyond the 16-bit plane.
    EXPECT_EQ(platform::qt::toMacRoman(QString::fromUtf8("Дин?-テ \xF0\x9F\x8E\xB5")), "???\?-? ?");
}

}  // namespace
}  // namespace quendal::test
